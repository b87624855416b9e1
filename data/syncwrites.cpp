#include "data/syncwrites.h"

#include "data/sqlvalue.h"
#include "data/statementcache.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

namespace SyncWrites {

QHash<QString, QString> serverIds(const QSqlDatabase &db, const QString &table)
{
    QHash<QString, QString> ids;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT server_id, id FROM %1 WHERE server_id IS NOT NULL AND server_id != ''")
                    .arg(table))) {
        Sql::warn("SyncWrites::serverIds failed:", q);
        return ids;
    }
    while (q.next())
        ids.insert(q.value(0).toString(), q.value(1).toString());
    return ids;
}

bool existingIds(const QSqlDatabase &db, const QString &table, const QStringList &ids, QSet<QString> *found)
{
    found->clear();
    if (ids.isEmpty())
        return true;
    // One statement for any number of ids: they arrive as one JSON array.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id FROM %1 WHERE id IN (SELECT value FROM json_each(?))").arg(table));
    q.addBindValue(QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact)));
    if (!q.exec()) {
        Sql::warn("SyncWrites::existingIds failed:", q);
        return false;
    }
    while (q.next())
        found->insert(q.value(0).toString());
    return true;
}

bool setStamps(const QSqlDatabase &db, const QString &table, const QString &id, const QDateTime &createdAt,
               const QDateTime &deletedAt)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET created_at = ?, deleted_at = ? WHERE id = ?").arg(table));
    q.addBindValue(SqlValue::timestamp(createdAt));
    q.addBindValue(SqlValue::nullableTimestamp(deletedAt));
    q.addBindValue(id);
    if (!q.exec()) {
        Sql::warn("SyncWrites::setStamps failed:", q);
        return false;
    }
    return true;
}

QList<QPair<QString, QString>> splitTransfers(const QSqlDatabase &db)
{
    QList<QPair<QString, QString>> ids;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT t.id, p.id FROM transactions t JOIN transactions p ON p.id = t.transfer_link_id "
            "JOIN accounts ta ON ta.id = t.account_id JOIN accounts pa ON pa.id = p.account_id "
            "WHERE t.transfer_link_id IS NOT NULL AND t.deleted_at IS NOT NULL AND p.deleted_at IS NULL "
            "AND ta.deleted_at IS NULL AND pa.deleted_at IS NULL"))) {
        Sql::warn("SyncWrites::splitTransfers failed:", q);
        return ids;
    }
    while (q.next())
        ids.append({q.value(0).toString(), q.value(1).toString()});
    return ids;
}

WriteMark writeMark(const QSqlDatabase &db)
{
    WriteMark mark;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT total_changes()")) && q.next())
        mark.ownChanges = q.value(0).toLongLong();
    if (q.exec(QStringLiteral("PRAGMA data_version")) && q.next())
        mark.dataVersion = q.value(0).toLongLong();
    return mark;
}

} // namespace SyncWrites
