#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The only code that reads and writes recurring_transactions (schedules).
class RecurringRepository : public QObject
{
    Q_OBJECT
public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    // Live schedules: active first, then next due date, then payee without case.
    QList<RecurringTransaction> listAll();
    std::optional<RecurringTransaction> findById(const QString &id);
    QList<RecurringTransaction> dueOn(const QDate &date);
    QList<RecurringTransaction> pending();
    // Live schedules filed under the category.
    QList<RecurringTransaction> listByCategory(const QString &categoryId);

    bool insert(const RecurringTransaction &r);
    bool update(const RecurringTransaction &r);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    // Deactivates the live, active schedules that transfer into accountId;
    // returns how many.
    int deactivateTransfersInto(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void recurringChanged();

private:
    QList<RecurringTransaction> select(const QString &sql, const QVariantList &binds);
    void warnIfBrokenNextDue(const RecurringTransaction &r, const char *operation) const;

    StatementCache m_statements;
};
