#pragma once

#include <QString>

namespace DataDirectory {

// QUILLET_DATA_DIR when set and not empty (created with its parents every
// time), otherwise the platform's generic data location + "/Larkspire/Quillet"
// (created when missing).
QString path();

// path() + "/quillet.db".
QString databasePath();

} // namespace DataDirectory
