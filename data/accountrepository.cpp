#include "data/accountrepository.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, is_shared, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

Account readAccount(const QSqlQuery &q)
{
    Account a;
    a.id = q.value(0).toString();
    a.name = q.value(1).toString();
    a.type = Codes::accountTypeFromCode(q.value(2).toString());
    a.currency = Codes::currencyFromCode(q.value(3).toString());
    a.institution = q.value(4).toString();
    a.accountNumberLast4 = q.value(5).toString();
    a.startingBalance = q.value(6).toLongLong();
    a.sortOrder = q.value(7).toInt();
    a.isShared = q.value(8).toInt() != 0;
    a.version = q.value(9).toInt();
    a.syncStatus = Codes::syncStatusFromCode(q.value(10).toString());
    a.serverId = q.value(11).toString();
    a.createdAt = SqlValue::parseTimestamp(q.value(12).toString());
    a.updatedAt = SqlValue::parseTimestamp(q.value(13).toString());
    a.deletedAt = SqlValue::parseTimestamp(q.value(14).toString());
    return a;
}

} // namespace

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_statements(database->connection())
{
}

QList<Account> AccountRepository::list(const QString &sql, const QVariantList &binds)
{
    QList<Account> result;
    QSqlQuery *q = m_statements.prepare(sql, binds, "AccountRepository::list failed:");
    if (!Sql::exec(q, "AccountRepository::list failed:"))
        return result;
    while (q->next())
        result.append(readAccount(*q));
    q->finish();
    return result;
}

QList<Account> AccountRepository::listLive()
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name").arg(kColumns),
                {});
}

QList<Account> AccountRepository::listDeleted()
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name").arg(kColumns), {});
}

std::optional<Account> AccountRepository::findById(const QString &id)
{
    const QList<Account> found = list(QStringLiteral("SELECT %1 FROM accounts WHERE id = ?").arg(kColumns), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Account> AccountRepository::pending()
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE sync_status = 'pending'").arg(kColumns), {});
}

bool AccountRepository::insert(const Account &a)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                       "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {a.id, a.name, Codes::accountTypeCode(a.type), Codes::currencyCode(a.currency), a.institution,
         a.accountNumberLast4, a.startingBalance, a.sortOrder, a.isShared ? 1 : 0, a.version,
         Codes::syncStatusCode(a.syncStatus), SqlValue::nullable(a.serverId), SqlValue::timestamp(a.createdAt),
         SqlValue::timestamp(a.updatedAt)},
        "AccountRepository::insert failed:");
    if (!Sql::exec(q, "AccountRepository::insert failed:"))
        return false;
    Q_EMIT accountsChanged();
    return true;
}

bool AccountRepository::update(const Account &a)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {a.name, Codes::accountTypeCode(a.type), Codes::currencyCode(a.currency), a.institution, a.accountNumberLast4,
         a.startingBalance, a.sortOrder, a.isShared ? 1 : 0, a.version, Codes::syncStatusCode(a.syncStatus),
         SqlValue::nullable(a.serverId), SqlValue::timestamp(a.updatedAt), a.id},
        "AccountRepository::update failed:");
    if (!Sql::exec(q, "AccountRepository::update failed:"))
        return false;
    Q_EMIT accountsChanged();
    return true;
}

bool AccountRepository::softDelete(const QString &id)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE accounts SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id}, "AccountRepository::softDelete failed:");
    if (!Sql::exec(q, "AccountRepository::softDelete failed:"))
        return false;
    Q_EMIT accountsChanged();
    return true;
}

bool AccountRepository::restore(const QString &id)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', updated_at=? WHERE id=?"),
        {SqlValue::timestamp(Clock::nowUtc()), id}, "AccountRepository::restore failed:");
    if (!Sql::exec(q, "AccountRepository::restore failed:"))
        return false;
    Q_EMIT accountsChanged();
    return true;
}

bool AccountRepository::reorder(const QList<QPair<QString, int>> &order)
{
    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return false;
    for (const auto &pair : order) {
        QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                                            {pair.second, SqlValue::timestamp(Clock::nowUtc()), pair.first},
                                            "AccountRepository::reorder failed:");
        if (!Sql::exec(q, "AccountRepository::reorder failed:"))
            return false;  // the guard rolls every earlier pair back
    }
    if (!tx.commit())
        return false;
    Q_EMIT accountsChanged();
    return true;
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE accounts SET sync_status='synced', server_id=? WHERE id=?"),
                                        {serverId, id}, "AccountRepository::markSynced failed:");
    return q && q->exec();
}

int AccountRepository::markAllPendingForResync()
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE accounts SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"),
        {}, "AccountRepository::markAllPendingForResync failed:");
    if (!Sql::exec(q, "AccountRepository::markAllPendingForResync failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT accountsChanged();
    return rows;
}
