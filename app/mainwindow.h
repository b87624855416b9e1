#pragma once

#include "data/records.h"

#include <QMainWindow>
#include <QPointer>

class AccountSidebar;
class AccountWindow;
class AppState;
class CategoriesScreen;
class ImportWindow;
class PayeeScreen;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QShortcut;
class QSplitter;
class QStackedWidget;
class QTimer;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class RecurringScreen;
class RegisterScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class StatusBar;
class UpdateChecks;
class WelcomeScreen;

// The one top-level window: the account sidebar, the page area (welcome page,
// register, empty state), the menus, the status bar, the account shortcuts and
// the hourly posting of due recurring transactions. Every other screen opens
// from here as a window of its own.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    QListWidget *sidebar() const { return m_sidebar; }
    StatusBar *mainStatusBar() const { return m_statusBar; }
    QStackedWidget *pages() const { return m_pages; }
    WelcomeScreen *welcomePage() const { return m_welcome; }
    RegisterScreen *registerPage() const { return m_register; }
    QWidget *emptyStatePage() const { return m_emptyState; }
    QString totalText() const;
    const QList<QShortcut *> &accountShortcuts() const { return m_accountShortcuts; }
    QAction *action(const QString &objectName) const;
    // What's new, the update checks and the offer of a newer version.
    UpdateChecks *updateChecks() const { return m_updates; }

    // Whether the user is signed in to the online service.
    bool isSignedIn() const;
    void showAccountWindow();

public Q_SLOTS:
    void onAccountClicked(const QString &accountId);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    // Selects the account and reconciles it against the statement given.
    void reconcileToStatement(const QString &accountId, const QDate &statementDate, qint64 statementBalance);
    void showReconciliationHistoryWindow();
    void showImportWindow();
    // Opens the import window over these files, as if chosen there.
    void importFiles(const QStringList &paths);
    void showPayeesWindow();
    void showShareAccountDialog();
    void onAccountContextMenu(const QString &accountId, const QPoint &globalPos);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();

    void postDueRecurring();
    void updateDueCount();
    void showStatusMessage(const QString &text, int timeoutMs);
    // Shows the transaction's account and opens the transaction in its form.
    void editFoundTransaction(const QString &transactionId);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildPages();
    QWidget *buildSidebarPanel();
    QWidget *buildEmptyState();
    void connectSignals();
    void rebuildSidebar();
    void scheduleSidebarRebuild();
    void rebuildAccountShortcuts(const QStringList &accountIds);
    void fitSidebar();
    void connectAuthSignals();
    void askNewSyncUser(const QString &previousEmail, const QString &email);
    void updateAuthUI();
    void showStartPage();
    void restyle();
    bool requireCurrentAccount();
    // Also refuses (with a word in the status bar) an account shared with the
    // user to view only.
    bool requireChangeableAccount();
    void showWindow(QWidget *window, const QString &title, const QSize &size);
    ReconciliationScreen *openReconciliation(const QString &accountId);

    void showAboutBox();
    void showShortcutsDialog();
    void loadSampleData();
    void clearSampleData();

    AppState *m_state;
    AccountSidebar *m_accountSidebar = nullptr;
    QListWidget *m_sidebar = nullptr;
    bool m_sidebarDragged = false;
    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_pages = nullptr;
    WelcomeScreen *m_welcome = nullptr;
    RegisterScreen *m_register = nullptr;
    QWidget *m_emptyState = nullptr;
    QLabel *m_emptyIcon = nullptr;
    StatusBar *m_statusBar = nullptr;
    QList<QShortcut *> m_accountShortcuts;
    QAction *m_accountAction = nullptr;
    QAction *m_signOutAction = nullptr;
    QTimer *m_postingTimer = nullptr;
    // Set once construction has chosen the start page.
    bool m_started = false;
    bool m_sidebarRebuildPending = false;
    QPointer<SettingsScreen> m_settings;
    QPointer<ImportWindow> m_import;
    QPointer<CategoriesScreen> m_categories;
    QPointer<RecurringScreen> m_recurring;
    QPointer<PayeeScreen> m_payees;
    QPointer<ReconciliationHistoryScreen> m_history;
    QPointer<SearchScreen> m_search;
    QPointer<ReportsScreen> m_reports;
    QPointer<AccountWindow> m_accountWindow;
    UpdateChecks *m_updates = nullptr;
};
