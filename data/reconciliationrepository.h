#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The only code that reads and writes the reconciliations table.
class ReconciliationRepository : public QObject
{
    Q_OBJECT
public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    QList<Reconciliation> listForAccount(const QString &accountId);
    std::optional<Reconciliation> latestForAccount(const QString &accountId);
    std::optional<Reconciliation> findById(const QString &id);
    QList<Reconciliation> pending();

    bool insert(const Reconciliation &r);
    bool update(const Reconciliation &r);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString &sql, const QVariantList &binds);

    StatementCache m_statements;
};
