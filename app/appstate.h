#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AccountRepository;
class AccountService;
class AccountSharingService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class OutsideWrites;
class ImportService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class ReconciliationService;
class RecurringService;
class ReportService;
class Services;
class SplitLineRepository;
class Store;
class SyncEngine;
class ThemeManager;
class TransactionService;
class TransactionRepository;
namespace LarkAccount {
class Client;
}

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

    Store *store() const { return m_store.get(); }
    Services *services() const { return m_services.get(); }

    Database *database() const;
    AccountRepository *accounts() const;
    TransactionRepository *transactions() const;
    CategoryRepository *categories() const;
    PreferencesRepository *preferences() const;
    SplitLineRepository *splitLines() const;
    RecurringRepository *recurring() const;
    ReconciliationRepository *reconciliations() const;
    CategoryService *categoryService() const;
    TransactionService *transactionService() const;
    RecurringService *recurringService() const;
    AccountService *accountService() const;
    ReconciliationService *reconciliationService() const;
    BackupService *backupService() const;
    ImportService *importService() const;
    ReportService *reportService() const;
    ThemeManager *themeManager() const { return m_themeManager; }
    // The online account: sign-in, tokens and the service API client.
    LarkAccount::Client *accountClient() const { return m_accountClient; }
    bool isSignedIn() const;
    // Two-way sync with the online service while signed in.
    SyncEngine *syncEngine() const { return m_syncEngine; }
    // After someone else signed in than the user this store last synced with,
    // nothing syncs until the user chose: continue adds everything here to
    // the new user's account (a full sync), decline signs out again.
    void continueWithNewSyncUser();
    void declineNewSyncUser();
    // Sharing accounts with the family group, through the online service.
    AccountSharingService *accountSharingService() const { return m_sharing; }
    // Whether the user may only look at the account (shared with them to view).
    bool isViewOnly(const QString &accountId) const;

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &accountId);

    QString dataDirectory() const { return m_dataDirectory; }

    // Tells every screen that any kind of record may have changed (after a
    // restore, or when another program wrote to the store).
    void announceEverything();
    // Looks for another program's writes now (the main window asks when it
    // gains focus; a timer asks every few seconds).
    void checkForOutsideWrites();

    // The first day of the week chosen in the preferences (1 = Monday ... 7 = Sunday),
    // else the default locale's.
    static Qt::DayOfWeek firstDayOfWeek();
    static void setFirstDayOfWeek(Qt::DayOfWeek day);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();
    // Someone else signed in than the user this store last synced with (by
    // their addresses); continueWithNewSyncUser or declineNewSyncUser answers.
    void newSyncUser(const QString &previousEmail, const QString &email);

private:
    void createAccountClient();
    void onSessionRestored();
    void onLoginSucceeded();
    void createSyncEngine();
    void startAutoSync();
    void checkSyncUser(const std::function<void(bool go, const QString &why)> &answer);
    void onSignedOut();

    QString m_dataDirectory;
    // The store outlives the services built on it.
    std::unique_ptr<Store> m_store;
    std::unique_ptr<Services> m_services;
    OutsideWrites *m_outsideWrites = nullptr;
    ThemeManager *m_themeManager = nullptr;
    LarkAccount::Client *m_accountClient = nullptr;
    SyncEngine *m_syncEngine = nullptr;
    AccountSharingService *m_sharing = nullptr;
    // Set while a completed sync is announced: its own change signals must
    // not ask for another sync.
    bool m_announcingSync = false;
    // The sign-in session whose user may sync with this store, -1 before
    // that is known; and the other user waiting for the question's answer.
    int m_syncUserSession = -1;
    int m_askedSession = -1;
    QString m_askedUserId;
    QString m_askedEmail;
    QString m_currentAccountId;
};
