#include "services/storefailure.h"

#include "data/statementcache.h"

#include <QCoreApplication>

namespace StoreFailure {

QString text()
{
    const Sql::Failure failure = Sql::lastFailure();
    auto tr = [](const char *source) { return QCoreApplication::translate("StoreFailure", source); };
    // SQLite's primary result codes, in the low byte of the extended code.
    switch (failure.code & 0xff) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
        return tr("The data file is in use by another program. Wait a moment and try again.");
    case 8:   // SQLITE_READONLY
        return tr("The data file cannot be written to (it is read-only).");
    case 10:  // SQLITE_IOERR
        return tr("The disk could not be written to.");
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return tr("The data file is damaged.");
    case 13:  // SQLITE_FULL
        return tr("The disk is full.");
    default:
        break;
    }
    if (failure.text.trimmed().isEmpty())
        return tr("The change could not be saved.");
    return failure.text.trimmed();
}

} // namespace StoreFailure
