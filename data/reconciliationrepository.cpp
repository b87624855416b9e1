#include "data/reconciliationrepository.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");

Reconciliation readReconciliation(const QSqlQuery &q)
{
    Reconciliation r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.statementDate = SqlValue::parseDate(q.value(2).toString());
    r.statementBalance = q.value(3).toLongLong();
    r.reconciledBalance = q.value(4).toLongLong();
    r.completedAt = SqlValue::parseTimestamp(q.value(5).toString());
    r.version = q.value(6).toInt();
    r.syncStatus = Codes::syncStatusFromCode(q.value(7).toString());
    r.serverId = q.value(8).toString();
    r.createdAt = SqlValue::parseTimestamp(q.value(9).toString());
    r.updatedAt = SqlValue::parseTimestamp(q.value(10).toString());
    r.deletedAt = SqlValue::parseTimestamp(q.value(11).toString());
    return r;
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_statements(database->connection())
{
}

QList<Reconciliation> ReconciliationRepository::select(const QString &sql, const QVariantList &binds)
{
    QList<Reconciliation> result;
    QSqlQuery *q = m_statements.prepare(sql, binds, "ReconciliationRepository::list failed:");
    if (!Sql::exec(q, "ReconciliationRepository::list failed:"))
        return result;
    while (q->next())
        result.append(readReconciliation(*q));
    q->finish();
    return result;
}

QList<Reconciliation> ReconciliationRepository::listForAccount(const QString &accountId)
{
    return select(QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                                 "statement_date DESC")
                      .arg(kColumns),
                  {accountId});
}

std::optional<Reconciliation> ReconciliationRepository::latestForAccount(const QString &accountId)
{
    const QList<Reconciliation> found =
        select(QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                              "statement_date DESC LIMIT 1")
                   .arg(kColumns),
               {accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id)
{
    const QList<Reconciliation> found =
        select(QStringLiteral("SELECT %1 FROM reconciliations WHERE id = ?").arg(kColumns), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Reconciliation> ReconciliationRepository::pending()
{
    return select(QStringLiteral("SELECT %1 FROM reconciliations WHERE sync_status = 'pending'").arg(kColumns), {});
}

bool ReconciliationRepository::insert(const Reconciliation &r)
{
    const QDateTime now = Clock::nowUtc();
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                       "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.id, r.accountId, SqlValue::date(r.statementDate), r.statementBalance, r.reconciledBalance,
         SqlValue::timestamp(r.completedAt), r.version, Codes::syncStatusCode(r.syncStatus),
         SqlValue::nullable(r.serverId), SqlValue::timestamp(r.createdAt.isValid() ? r.createdAt : now),
         SqlValue::timestamp(r.updatedAt.isValid() ? r.updatedAt : now)},
        "ReconciliationRepository::insert failed:");
    if (!Sql::exec(q, "ReconciliationRepository::insert failed:"))
        return false;
    Q_EMIT reconciliationsChanged();
    return true;
}

bool ReconciliationRepository::update(const Reconciliation &r)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, "
                       "reconciled_balance=?, completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {r.accountId, SqlValue::date(r.statementDate), r.statementBalance, r.reconciledBalance,
         SqlValue::timestamp(r.completedAt), r.version, Codes::syncStatusCode(r.syncStatus),
         SqlValue::nullable(r.serverId), SqlValue::timestamp(r.updatedAt), r.id},
        "ReconciliationRepository::update failed:");
    if (!Sql::exec(q, "ReconciliationRepository::update failed:"))
        return false;
    Q_EMIT reconciliationsChanged();
    return true;
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE reconciliations SET deleted_at = ?, updated_at = ?, sync_status = 'pending' WHERE "
                       "account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId}, "ReconciliationRepository::softDeleteByAccount failed:");
    if (!Sql::exec(q, "ReconciliationRepository::softDeleteByAccount failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT reconciliationsChanged();
    return rows;
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE reconciliations SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' WHERE "
                       "account_id = ? AND deleted_at >= ?"),
        {SqlValue::timestamp(Clock::nowUtc()), accountId, deletedSince},
        "ReconciliationRepository::restoreByAccount failed:");
    if (!Sql::exec(q, "ReconciliationRepository::restoreByAccount failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT reconciliationsChanged();
    return rows;
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE reconciliations SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id},
        "ReconciliationRepository::markSynced failed:");
    return q && q->exec();
}

int ReconciliationRepository::markAllPendingForResync()
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE reconciliations SET sync_status = 'pending' WHERE "
                                                       "deleted_at IS NULL AND sync_status != 'pending'"),
                                        {}, "ReconciliationRepository::markAllPendingForResync failed:");
    if (!Sql::exec(q, "ReconciliationRepository::markAllPendingForResync failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT reconciliationsChanged();
    return rows;
}
