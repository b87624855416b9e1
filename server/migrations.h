#pragma once

#include <QString>

namespace QuilletServer {

class Store;

// The server's schema as numbered steps, the same SQL on SQLite and
// PostgreSQL. Each step runs in its own transaction with its bookkeeping row.
namespace Migrations {

int latestVersion();
int currentVersion(Store &store);
bool run(Store &store, QString *error);

} // namespace Migrations
} // namespace QuilletServer
