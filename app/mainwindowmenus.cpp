// The menu bar's action table, the about box, the keyboard reference and the sample-data entries.
#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/appstate.h"
#include "app/mainmenus.h"
#include "app/updatechecks.h"
#include "cloud/accountclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/sampledata.h"
#include "ui/dialogs/shareaccountdialog.h"
#include "ui/prompt.h"
#include "ui/register/registerscreen.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

void MainWindow::buildMenus()
{
    m_updates = new UpdateChecks(m_state, this);
    const char *const file = QT_TRANSLATE_NOOP("MainWindow", "&File");
    const char *const edit = QT_TRANSLATE_NOOP("MainWindow", "&Edit");
    const char *const account = QT_TRANSLATE_NOOP("MainWindow", "&Account");
    const char *const view = QT_TRANSLATE_NOOP("MainWindow", "&View");
    const char *const help = QT_TRANSLATE_NOOP("MainWindow", "&Help");
    using M = MainMenus;
    // menu, object name, text, shortcut, handler, flags, menu role, status tip
    const QList<M::Row> rows = {
        {file, "actionNewTransaction", QT_TRANSLATE_NOOP("MainWindow", "&New Transaction"),
         QKeySequence(Qt::CTRL | Qt::Key_N),
         [](MainWindow *w) {
             if (w->requireCurrentAccount())
                 w->m_register->newTransactionDialog();
         }},
        {file, "actionNewAccount", QT_TRANSLATE_NOOP("MainWindow", "New &Account"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &MainWindow::showNewAccountDialog, M::SeparatorAfter},
        {file, "actionImport", QT_TRANSLATE_NOOP("MainWindow", "&Import..."), {}, &MainWindow::showImportWindow,
         M::SeparatorAfter},
        // These two follow the sign-in state (mainwindowauth.cpp).
        {file, "actionOnlineAccount", QT_TRANSLATE_NOOP("MainWindow", "Larkspire &Account..."), {}, {},
         M::SeparatorAfter, QAction::TextHeuristicRole, QT_TRANSLATE_NOOP("MainWindow", "Sign in or sign up")},
        {file, "actionSignOut", QT_TRANSLATE_NOOP("MainWindow", "Sign &Out"), {}, {}, M::SeparatorAfter | M::Hidden},
        {file, "actionQuit", QT_TRANSLATE_NOOP("MainWindow", "&Quit"), QKeySequence::Quit, &MainWindow::close,
         M::NoFlags, QAction::QuitRole},

        {edit, "actionFind", QT_TRANSLATE_NOOP("MainWindow", "&Find..."), QKeySequence::Find,
         &MainWindow::showSearchWindow, M::SeparatorAfter},
        {edit, "actionPreferences", QT_TRANSLATE_NOOP("MainWindow", "&Preferences..."), {},
         &MainWindow::showSettingsWindow, M::NoFlags, QAction::PreferencesRole},

        {account, "actionEditAccount", QT_TRANSLATE_NOOP("MainWindow", "&Edit..."), {},
         &MainWindow::showEditAccountDialog},
        {account, "actionReconcile", QT_TRANSLATE_NOOP("MainWindow", "&Reconcile..."),
         QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::showReconciliationWindow},
        {account, "actionReconciliationHistory", QT_TRANSLATE_NOOP("MainWindow", "Reconciliation &History..."), {},
         &MainWindow::showReconciliationHistoryWindow},
        {account, "actionRenamePayees", QT_TRANSLATE_NOOP("MainWindow", "Rename &Payees..."), {},
         &MainWindow::showPayeesWindow, M::SeparatorAfter},
        {account, "actionShare", QT_TRANSLATE_NOOP("MainWindow", "&Share..."), {}, &MainWindow::showShareAccountDialog,
         M::SeparatorAfter},
        {account, "actionDeleteAccount", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), {},
         &MainWindow::deleteCurrentAccount},

        {view, "actionReports", QT_TRANSLATE_NOOP("MainWindow", "&Reports"), QKeySequence(Qt::CTRL | Qt::Key_2),
         &MainWindow::showReportsWindow},
        {view, "actionRecurring", QT_TRANSLATE_NOOP("MainWindow", "Re&curring Transactions"),
         QKeySequence(Qt::CTRL | Qt::Key_3), &MainWindow::showRecurringWindow},
        {view, "actionCategories", QT_TRANSLATE_NOOP("MainWindow", "C&ategories"), QKeySequence(Qt::CTRL | Qt::Key_4),
         &MainWindow::showCategoriesWindow},

        {help, "actionAbout", QT_TRANSLATE_NOOP("MainWindow", "&About Larkspire Quillet"), {},
         &MainWindow::showAboutBox, M::NoFlags, QAction::AboutRole},
        {help, "actionWhatsNew", QT_TRANSLATE_NOOP("MainWindow", "What's &New..."), {},
         [](MainWindow *w) { w->m_updates->showWhatsNew(); }},
        {help, "actionCheckUpdates", QT_TRANSLATE_NOOP("MainWindow", "Check for &Updates..."), {},
         [](MainWindow *w) { w->m_updates->checkNow(); }},
        {help, "actionFeedback", QT_TRANSLATE_NOOP("MainWindow", "Send &Feedback..."), {},
         [](MainWindow *w) {
             QDesktopServices::openUrl(QUrl(w->m_state->accountClient()->config().feedbackUrl));
         },
         M::SeparatorAfter},
        {help, "actionShortcuts", QT_TRANSLATE_NOOP("MainWindow", "&Keyboard Shortcuts"), {},
         &MainWindow::showShortcutsDialog, M::SeparatorAfter},
        {help, "actionLoadSample", QT_TRANSLATE_NOOP("MainWindow", "Load &Sample Data"), {},
         &MainWindow::loadSampleData, M::DeveloperOnly},
        {help, "actionClearSample", QT_TRANSLATE_NOOP("MainWindow", "&Clear Sample Data"), {},
         &MainWindow::clearSampleData, M::DeveloperOnly},
    };
    MainMenus::build(menuBar(), this, rows);
    m_accountAction = action(QStringLiteral("actionOnlineAccount"));
    m_signOutAction = action(QStringLiteral("actionSignOut"));
    QAction *checkUpdates = action(QStringLiteral("actionCheckUpdates"));
    connect(m_updates, &UpdateChecks::manualCheckRunning, checkUpdates,
            [checkUpdates](bool running) { checkUpdates->setEnabled(!running); });
}

void MainWindow::showShareAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const QString id = m_state->currentAccountId();
    const std::optional<Account> account = m_state->accounts()->findById(id);
    if (!account)
        return;
    auto *dialog = new ShareAccountDialog(m_state->accountSharingService(), id, account->name, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    showWindow(dialog, tr("Share \"%1\"").arg(account->name), QSize(560, 420));
}

void MainWindow::showAboutBox()
{
    auto *box = new AboutDialog(UpdateChecks::runningVersion(), m_state->dataDirectory(), this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::showShortcutsDialog()
{
    auto key = [](const QKeySequence &sequence) { return sequence.toString(QKeySequence::NativeText).toHtmlEscaped(); };
    auto table = [](const QString &heading, const QList<QPair<QString, QString>> &rows) {
        QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"4\">").arg(heading);
        for (const auto &row : rows)
            html += QStringLiteral("<tr><td width=\"170\"><b>%1</b></td><td>%2</td></tr>").arg(row.first, row.second);
        return html + QStringLiteral("</table>");
    };
    const QString html =
        table(tr("Register"),
              {{key(QKeySequence(Qt::CTRL | Qt::Key_Return)), tr("Save transaction")},
               {key(QKeySequence(Qt::CTRL | Qt::Key_I)), tr("Insert new transaction")},
               {key(QKeySequence(Qt::CTRL | Qt::Key_D)), tr("Delete current transaction")},
               {tr("Tab / Shift+Tab"), tr("Next / previous field")},
               {tr("' (apostrophe)"), tr("Copy value from field above")}})
        + table(tr("Date Field"), {{QStringLiteral("t"), tr("Today")},
                                   {QStringLiteral("+ / -"), tr("Next / previous day")},
                                   {QStringLiteral("m / h"), tr("First / last day of month")},
                                   {QStringLiteral("y / r"), tr("First / last day of year")},
                                   {QStringLiteral("w / k"), tr("First / last day of week")}})
        + table(tr("General"), {{key(QKeySequence(Qt::CTRL | Qt::Key_N)), tr("New transaction")},
                                {key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)), tr("New account")},
                                {key(QKeySequence(Qt::CTRL | Qt::Key_R)), tr("Reconcile")},
                                {key(QKeySequence(Qt::CTRL | Qt::Key_F)), tr("Search")},
                                {key(QKeySequence(Qt::CTRL | Qt::Key_2)), tr("Reports")},
                                {key(QKeySequence(Qt::CTRL | Qt::Key_3)), tr("Recurring")},
                                {key(QKeySequence(Qt::CTRL | Qt::Key_4)), tr("Categories")}})
        + table(tr("Accounts"), {{key(QKeySequence(Qt::ALT | Qt::Key_1)) + QStringLiteral(" \u2013 ")
                                      + key(QKeySequence(Qt::ALT | Qt::Key_9)),
                                  tr("Switch to account 1–9")},
                                 {key(QKeySequence(Qt::ALT | Qt::Key_0)), tr("Switch to account 10")}});

    QDialog dialog(this);
    dialog.setWindowTitle(tr("Keyboard Shortcuts"));
    dialog.resize(460, 640);
    auto *layout = new QVBoxLayout(&dialog);
    auto *browser = new QTextBrowser(&dialog);
    browser->setAccessibleName(tr("Keyboard shortcuts"));
    browser->setHtml(html);
    browser->setFrameShape(QFrame::NoFrame);
    layout->addWidget(browser);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

void MainWindow::loadSampleData()
{
    SampleData sample(m_state->store()->repositories());
    const SampleData::Result result = sample.load();
    showStatusMessage(SampleData::message(result), 3000);
    if (result == SampleData::Result::Loaded) {
        rebuildSidebar();
        updateDueCount();
        if (m_state->currentAccountId().isEmpty() || m_pages->currentWidget() != m_register)
            selectAccount(QStringLiteral("sample-acct-checking"));
    }
}

void MainWindow::clearSampleData()
{
    SampleData sample(m_state->store()->repositories());
    const SampleData::Result result = sample.clear();
    showStatusMessage(SampleData::message(result), 3000);
    if (result == SampleData::Result::Cleared) {
        if (m_state->currentAccountId().startsWith(QLatin1String("sample-")))
            m_state->setCurrentAccountId(QString());
        rebuildSidebar();
        updateDueCount();
        showStartPage();
    }
}
