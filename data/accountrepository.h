#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QList>
#include <QObject>
#include <QPair>

#include <optional>

class Database;

// The only code that reads and writes the accounts table.
class AccountRepository : public QObject
{
    Q_OBJECT
public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    QList<Account> listLive();
    QList<Account> listDeleted();
    std::optional<Account> findById(const QString &id);
    QList<Account> pending();

    bool insert(const Account &account);
    bool update(const Account &account);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    // Stores each (id, sort order) pair in one database transaction; all or nothing.
    bool reorder(const QList<QPair<QString, int>> &order);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void accountsChanged();

private:
    QList<Account> list(const QString &sql, const QVariantList &binds);

    Database *m_database;
    StatementCache m_statements;
};
