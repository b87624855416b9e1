#include "data/categoryrepository.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

Category readCategory(const QSqlQuery &q)
{
    Category c;
    c.id = q.value(0).toString();
    c.name = q.value(1).toString();
    c.type = Codes::categoryTypeFromCode(q.value(2).toString());
    c.parentId = q.value(3).toString();
    c.isTaxRelevant = q.value(4).toInt() != 0;
    c.taxCategory = q.value(5).toString();
    c.icon = q.value(6).toString();
    c.color = q.value(7).toString();
    c.isDefault = q.value(8).toInt() != 0;
    c.accountId = q.value(9).toString();
    c.version = q.value(10).toInt();
    c.syncStatus = Codes::syncStatusFromCode(q.value(11).toString());
    c.serverId = q.value(12).toString();
    c.createdAt = SqlValue::parseTimestamp(q.value(13).toString());
    c.updatedAt = SqlValue::parseTimestamp(q.value(14).toString());
    c.deletedAt = SqlValue::parseTimestamp(q.value(15).toString());
    return c;
}

} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_statements(database->connection())
{
}

QList<Category> CategoryRepository::select(const QString &sql, const QVariantList &binds)
{
    QList<Category> result;
    QSqlQuery *q = m_statements.prepare(sql, binds, "CategoryRepository::list failed:");
    if (!Sql::exec(q, "CategoryRepository::list failed:"))
        return result;
    while (q->next())
        result.append(readCategory(*q));
    q->finish();
    return result;
}

int CategoryRepository::liveCount()
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"), {},
                                        "CategoryRepository::liveCount failed:");
    int count = 0;
    if (Sql::exec(q, "CategoryRepository::liveCount failed:") && q->next())
        count = q->value(0).toInt();
    if (q)
        q->finish();
    return count;
}

QList<Category> CategoryRepository::list()
{
    return select(QStringLiteral("SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name").arg(kColumns), {});
}

std::optional<Category> CategoryRepository::findById(const QString &id)
{
    const QList<Category> found = select(QStringLiteral("SELECT %1 FROM categories WHERE id = ?").arg(kColumns), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<Category> CategoryRepository::findByName(const QString &name)
{
    const QList<Category> found =
        select(QStringLiteral("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL").arg(kColumns), {name});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Category> CategoryRepository::pending()
{
    return select(QStringLiteral("SELECT %1 FROM categories WHERE sync_status = 'pending'").arg(kColumns), {});
}

bool CategoryRepository::insert(const Category &c)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, "
                       "icon, color, is_default, account_id, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {c.id, c.name, Codes::categoryTypeCode(c.type), SqlValue::nullable(c.parentId), c.isTaxRelevant ? 1 : 0,
         c.taxCategory, c.icon, c.color, c.isDefault ? 1 : 0, SqlValue::nullable(c.accountId), c.version,
         Codes::syncStatusCode(c.syncStatus), SqlValue::nullable(c.serverId), SqlValue::timestamp(c.createdAt),
         SqlValue::timestamp(c.updatedAt)},
        "CategoryRepository::insert failed:");
    if (!Sql::exec(q, "CategoryRepository::insert failed:"))
        return false;
    Q_EMIT categoriesChanged();
    return true;
}

bool CategoryRepository::update(const Category &c)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, "
                       "tax_category=?, icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, "
                       "server_id=?, updated_at=? WHERE id=?"),
        {c.name, Codes::categoryTypeCode(c.type), SqlValue::nullable(c.parentId), c.isTaxRelevant ? 1 : 0,
         c.taxCategory, c.icon, c.color, c.isDefault ? 1 : 0, SqlValue::nullable(c.accountId), c.version,
         Codes::syncStatusCode(c.syncStatus), SqlValue::nullable(c.serverId), SqlValue::timestamp(c.updatedAt), c.id},
        "CategoryRepository::update failed:");
    if (!Sql::exec(q, "CategoryRepository::update failed:"))
        return false;
    Q_EMIT categoriesChanged();
    return true;
}

bool CategoryRepository::softDelete(const QString &id)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE categories SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id}, "CategoryRepository::softDelete failed:");
    if (!Sql::exec(q, "CategoryRepository::softDelete failed:"))
        return false;
    Q_EMIT categoriesChanged();
    return true;
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE categories SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id},
        "CategoryRepository::markSynced failed:");
    return q && q->exec();
}

int CategoryRepository::markAllPendingForResync()
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE categories SET sync_status = 'pending' WHERE "
                                                       "deleted_at IS NULL AND sync_status != 'pending'"),
                                        {}, "CategoryRepository::markAllPendingForResync failed:");
    if (!Sql::exec(q, "CategoryRepository::markAllPendingForResync failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT categoriesChanged();
    return rows;
}
