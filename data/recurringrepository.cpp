#include "data/recurringrepository.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, auto_post, "
    "is_active, transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, deleted_at, "
    "lead_days");

RecurringTransaction readRecurring(const QSqlQuery &q)
{
    RecurringTransaction r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.payee = q.value(2).toString();
    r.memo = q.value(3).toString();
    r.amount = q.value(4).toLongLong();
    r.categoryId = q.value(5).toString();
    r.frequency = Codes::frequencyFromCode(q.value(6).toString());
    r.startDate = SqlValue::parseDate(q.value(7).toString());
    r.endDate = SqlValue::parseDate(q.value(8).toString());
    r.nextDueDate = SqlValue::parseDate(q.value(9).toString());
    r.autoPost = q.value(10).toInt() != 0;
    r.isActive = q.value(11).isNull() ? true : q.value(11).toInt() != 0;
    r.transferDestAccountId = q.value(12).toString();
    r.version = q.value(13).isNull() ? 1 : q.value(13).toInt();
    r.syncStatus = Codes::syncStatusFromCode(q.value(14).toString());
    r.serverId = q.value(15).toString();
    r.createdAt = SqlValue::parseTimestamp(q.value(16).toString());
    r.updatedAt = SqlValue::parseTimestamp(q.value(17).toString());
    r.deletedAt = SqlValue::parseTimestamp(q.value(18).toString());
    r.leadDays = q.value(19).toInt();
    return r;
}

const QDate kDateFloor(2000, 1, 1);

} // namespace

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_statements(database->connection())
{
}

QList<RecurringTransaction> RecurringRepository::select(const QString &sql, const QVariantList &binds)
{
    QList<RecurringTransaction> result;
    QSqlQuery *q = m_statements.prepare(sql, binds, "RecurringRepository::list failed:");
    if (!Sql::exec(q, "RecurringRepository::list failed:"))
        return result;
    while (q->next())
        result.append(readRecurring(*q));
    q->finish();
    return result;
}

QList<RecurringTransaction> RecurringRepository::listAll()
{
    return select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL ORDER BY is_active "
                                 "DESC, next_due_date ASC, payee COLLATE NOCASE ASC")
                      .arg(kColumns),
                  {});
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id)
{
    const QList<RecurringTransaction> found =
        select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id = ?").arg(kColumns), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RecurringTransaction> RecurringRepository::dueOn(const QDate &date)
{
    // A schedule whose next date is past its end is over, not due.
    return select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 AND "
                                 "next_due_date <= ? AND (end_date IS NULL OR end_date = '' OR next_due_date <= end_date)")
                      .arg(kColumns),
                  {SqlValue::date(date)});
}

QList<RecurringTransaction> RecurringRepository::pending()
{
    return select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE sync_status = 'pending'").arg(kColumns),
                  {});
}

QList<RecurringTransaction> RecurringRepository::listByCategory(const QString &categoryId)
{
    return select(
        QStringLiteral("SELECT %1 FROM recurring_transactions WHERE category_id = ? AND deleted_at IS NULL").arg(kColumns),
        {categoryId});
}

void RecurringRepository::warnIfBrokenNextDue(const RecurringTransaction &r, const char *operation) const
{
    if (r.nextDueDate.isValid() && r.nextDueDate >= kDateFloor)
        return;
    qWarning().noquote() << QStringLiteral("RecurringRepository::%1").arg(QLatin1String(operation))
                         << "saving recurring with broken nextDueDate:"
                         << "id=" << r.id << "payee=" << r.payee << "nextDueDate=" << SqlValue::date(r.nextDueDate)
                         << "startDate=" << SqlValue::date(r.startDate)
                         << "frequency=" << Codes::frequencyCode(r.frequency);
}

bool RecurringRepository::insert(const RecurringTransaction &r)
{
    warnIfBrokenNextDue(r, "insert");
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                       "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
                       "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, lead_days) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.id, r.accountId, r.payee, r.memo, r.amount, SqlValue::nullable(r.categoryId),
         Codes::frequencyCode(r.frequency), SqlValue::date(r.startDate), SqlValue::nullableDate(r.endDate),
         SqlValue::date(r.nextDueDate), r.autoPost ? 1 : 0, r.isActive ? 1 : 0, r.transferDestAccountId, r.version,
         Codes::syncStatusCode(r.syncStatus), SqlValue::nullable(r.serverId), SqlValue::timestamp(r.createdAt),
         SqlValue::timestamp(r.updatedAt), r.leadDays},
        "RecurringRepository::insert failed:");
    if (!Sql::exec(q, "RecurringRepository::insert failed:"))
        return false;
    Q_EMIT recurringChanged();
    return true;
}

bool RecurringRepository::update(const RecurringTransaction &r)
{
    warnIfBrokenNextDue(r, "update");
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
                       "start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, "
                       "transfer_dest_account_id=?, version=?, sync_status=?, server_id=?, updated_at=?, lead_days=? "
                       "WHERE id=?"),
        {r.payee, r.memo, r.amount, SqlValue::nullable(r.categoryId), Codes::frequencyCode(r.frequency),
         SqlValue::date(r.startDate), SqlValue::nullableDate(r.endDate), SqlValue::date(r.nextDueDate),
         r.autoPost ? 1 : 0, r.isActive ? 1 : 0, r.transferDestAccountId, r.version,
         Codes::syncStatusCode(r.syncStatus), SqlValue::nullable(r.serverId), SqlValue::timestamp(r.updatedAt),
         r.leadDays, r.id},
        "RecurringRepository::update failed:");
    if (!Sql::exec(q, "RecurringRepository::update failed:"))
        return false;
    Q_EMIT recurringChanged();
    return true;
}

bool RecurringRepository::softDelete(const QString &id)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id}, "RecurringRepository::softDelete failed:");
    if (!Sql::exec(q, "RecurringRepository::softDelete failed:"))
        return false;
    Q_EMIT recurringChanged();
    return true;
}

int RecurringRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId}, "RecurringRepository::softDeleteByAccount failed:");
    if (!Sql::exec(q, "RecurringRepository::softDeleteByAccount failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT recurringChanged();
    return rows;
}

int RecurringRepository::deactivateTransfersInto(const QString &accountId)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET is_active = 0, updated_at = ?, sync_status = 'pending' "
                       "WHERE transfer_dest_account_id = ? AND deleted_at IS NULL AND is_active = 1"),
        {SqlValue::timestamp(Clock::nowUtc()), accountId}, "RecurringRepository::deactivateTransfersInto failed:");
    if (!Sql::exec(q, "RecurringRepository::deactivateTransfersInto failed:"))
        return -1;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT recurringChanged();
    return rows;
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at >= ?"),
        {SqlValue::timestamp(Clock::nowUtc()), accountId, deletedSince}, "RecurringRepository::restoreByAccount failed:");
    if (!Sql::exec(q, "RecurringRepository::restoreByAccount failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT recurringChanged();
    return rows;
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE recurring_transactions SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id},
        "RecurringRepository::markSynced failed:");
    return q && q->exec();
}

int RecurringRepository::markAllPendingForResync()
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE recurring_transactions SET sync_status = 'pending' "
                                                       "WHERE deleted_at IS NULL AND sync_status != 'pending'"),
                                        {}, "RecurringRepository::markAllPendingForResync failed:");
    if (!Sql::exec(q, "RecurringRepository::markAllPendingForResync failed:"))
        return 0;
    const int rows = q->numRowsAffected();
    if (rows > 0)
        Q_EMIT recurringChanged();
    return rows;
}
