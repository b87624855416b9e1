#include "support/core/storedamage.h"

#include <QFile>
#include <QSqlQuery>

bool fillForDamage(const QSqlDatabase &db)
{
    return QSqlQuery(db).exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1024) INSERT INTO accounts (id, "
        "name, created_at, updated_at) SELECT 'a' || i, printf('Account %0200d', i), '2024-01-01T00:00:00Z', "
        "'2024-01-01T00:00:00Z' FROM n"));
}

bool damageStoreFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() < 8 * 4096)
        return false;
    const qint64 pages = file.size() / 4096;
    for (const qint64 page : {pages / 3, pages / 2, 2 * pages / 3}) {
        if (!file.seek(page * 4096) || file.write(QByteArray(16, '\xff')) != 16)
            return false;
    }
    return file.flush();
}
