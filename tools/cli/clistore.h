#pragma once

#include <QString>

#include <memory>

class AccountRepository;
class CategoryRepository;
class CategoryService;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// The store as the app opens it: same data directory, same migrations, same
// default categories, through the same classes.
class CliStore
{
public:
    CliStore();
    ~CliStore();

    // False (with error() set) when the database cannot be opened or migrated.
    bool open();
    QString error() const { return m_error; }

    QString dataDirectory() const { return m_dataDirectory; }
    QString databasePath() const { return m_databasePath; }

    Database *database() const { return m_database.get(); }
    AccountRepository *accounts() const { return m_accounts.get(); }
    TransactionRepository *transactions() const { return m_transactions.get(); }
    CategoryRepository *categories() const { return m_categories.get(); }
    PreferencesRepository *preferences() const { return m_preferences.get(); }
    SplitLineRepository *splitLines() const { return m_splitLines.get(); }
    RecurringRepository *recurring() const { return m_recurring.get(); }
    ReconciliationRepository *reconciliations() const { return m_reconciliations.get(); }

private:
    QString m_error;
    QString m_dataDirectory;
    QString m_databasePath;
    // Declared first so it is destroyed last.
    std::unique_ptr<Database> m_database;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<CategoryService> m_categoryService;
};
