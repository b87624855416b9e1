#pragma once

#include <QObject>
#include <QString>

class AccountRepository;
class AccountService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class SplitLineRepository;
class ThemeManager;
class TransactionService;
class TransactionRepository;

// The application-wide state: the database connection, every repository and
// service, and the account the user last viewed. Screens hold a reference.
class AppState : public QObject
{
    Q_OBJECT
public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // Opens and migrates the store and builds everything on it; false when the
    // database cannot be opened or migrated.
    bool initialize();

    Database *database() const { return m_database; }
    AccountRepository *accounts() const { return m_accounts; }
    TransactionRepository *transactions() const { return m_transactions; }
    CategoryRepository *categories() const { return m_categories; }
    PreferencesRepository *preferences() const { return m_preferences; }
    SplitLineRepository *splitLines() const { return m_splitLines; }
    RecurringRepository *recurring() const { return m_recurring; }
    ReconciliationRepository *reconciliations() const { return m_reconciliations; }
    CategoryService *categoryService() const { return m_categoryService; }
    TransactionService *transactionService() const { return m_transactionService; }
    RecurringService *recurringService() const { return m_recurringService; }
    AccountService *accountService() const { return m_accountService; }
    BackupService *backupService() const { return m_backupService; }
    ImportService *importService() const { return m_importService; }
    ThemeManager *themeManager() const { return m_themeManager; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &accountId);

    QString dataDirectory() const { return m_dataDirectory; }

    // The first day of the week chosen in the preferences (1 = Monday ... 7 = Sunday),
    // else the default locale's.
    static Qt::DayOfWeek firstDayOfWeek();
    static void setFirstDayOfWeek(Qt::DayOfWeek day);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    QString m_dataDirectory;
    Database *m_database = nullptr;
    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions = nullptr;
    CategoryRepository *m_categories = nullptr;
    PreferencesRepository *m_preferences = nullptr;
    SplitLineRepository *m_splitLines = nullptr;
    RecurringRepository *m_recurring = nullptr;
    ReconciliationRepository *m_reconciliations = nullptr;
    CategoryService *m_categoryService = nullptr;
    TransactionService *m_transactionService = nullptr;
    RecurringService *m_recurringService = nullptr;
    AccountService *m_accountService = nullptr;
    BackupService *m_backupService = nullptr;
    ImportService *m_importService = nullptr;
    ThemeManager *m_themeManager = nullptr;
    QString m_currentAccountId;
};
