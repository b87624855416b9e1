#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/services.h"

#include <QTemporaryDir>

#include <memory>

// A fresh, migrated database file in a temporary directory with every
// repository on it. Each test builds its own, so tests never share state.
class TestStore : public Repositories
{
public:
    explicit TestStore(bool seedCategories = false);
    ~TestStore();

    bool isOpen() const { return m_ok; }
    QString path() const { return m_dir.filePath(QStringLiteral("quillet.db")); }
    QString directory() const { return m_dir.path(); }
    QSqlDatabase connection() const { return db->connection(); }

    // Runs sql (no bindings) and returns the first column of the first row.
    QVariant scalar(const QString &sql) const;
    bool exec(const QString &sql) const;
    // Every trigger on table, the file's and this connection's own, as its
    // name and SQL.
    QStringList triggersOn(const QString &table) const;

    // Convenience builders with sensible defaults, stored at once.
    Account addAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                               const QString &categoryId = QString());
    Category addCategory(const QString &name, const QString &parentId = QString(),
                         CategoryType type = CategoryType::Expense);

    QTemporaryDir m_dir;
    Store m_store;
    // The services the app writes through, over this store.
    std::unique_ptr<Services> services;

private:
    bool m_ok = false;
    int m_sequence = 0;
};
