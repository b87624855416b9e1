#pragma once

#include <QSqlDatabase>
#include <QString>

// Writes a thousand accounts with long names into the store behind db:
// enough pages that damage in the middle of its file hits a table.
bool fillForDamage(const QSqlDatabase &db);

// Damages a closed store file the way a failing disk does: the first bytes of
// a few pages in its middle are overwritten, so the tables those pages hold
// can no longer be read whole while the file still opens.
bool damageStoreFile(const QString &path);
