#pragma once

#include <QString>

// The reason the last write to the store failed, in words for the user.
namespace StoreFailure {

// "The data file is in use by another program ...", "The disk is full.", ...
// with the database's own text for anything else.
QString text();

} // namespace StoreFailure
