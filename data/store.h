#pragma once

#include <QSqlDatabase>
#include <QString>

#include <memory>

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// The repositories of one open store, for code that uses several of them.
struct Repositories {
    Database *db = nullptr;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    CategoryRepository *categories = nullptr;
    PreferencesRepository *preferences = nullptr;
    SplitLineRepository *splitLines = nullptr;
    RecurringRepository *recurring = nullptr;
    ReconciliationRepository *reconciliations = nullptr;
};

// The store file as every program opens it: the one connection, migrated to
// the current schema, with each repository built on it. The app, the
// command-line tool, the tests and the benchmarks all open it through here.
class Store
{
public:
    Store();
    ~Store();

    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    // Opens (creating it when missing) and migrates the file at path. False,
    // with error set when given, when it cannot be opened or migrated; the
    // repositories then do not exist.
    bool open(const QString &path, QString *error = nullptr);
    bool isOpen() const { return m_accounts != nullptr; }

    QString path() const;
    QSqlDatabase connection() const;

    Database *database() const { return m_database.get(); }
    AccountRepository *accounts() const { return m_accounts.get(); }
    TransactionRepository *transactions() const { return m_transactions.get(); }
    CategoryRepository *categories() const { return m_categories.get(); }
    PreferencesRepository *preferences() const { return m_preferences.get(); }
    SplitLineRepository *splitLines() const { return m_splitLines.get(); }
    RecurringRepository *recurring() const { return m_recurring.get(); }
    ReconciliationRepository *reconciliations() const { return m_reconciliations.get(); }
    Repositories repositories() const;

private:
    // Declared first so that it is destroyed last.
    std::unique_ptr<Database> m_database;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
};
