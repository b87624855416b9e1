// The menu bar, the about box, the keyboard reference and the sample-data entries.
#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/appstate.h"
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

namespace {

QAction *menuAction(QMenu *menu, const QString &objectName, const QString &text, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(objectName);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *newTransaction = menuAction(file, QStringLiteral("actionNewTransaction"), tr("&New Transaction"),
                                        QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newTransaction, &QAction::triggered, this, [this] {
        if (requireCurrentAccount())
            m_register->newTransactionDialog();
    });
    connect(menuAction(file, QStringLiteral("actionNewAccount"), tr("New &Account"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, this, &MainWindow::showNewAccountDialog);
    file->addSeparator();
    QAction *import = menuAction(file, QStringLiteral("actionImport"), tr("&Import..."));
    connect(import, &QAction::triggered, this, &MainWindow::showImportWindow);
    file->addSeparator();
    m_accountAction = menuAction(file, QStringLiteral("actionOnlineAccount"), tr("Larkspire &Account..."));
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    file->addSeparator();
    m_signOutAction = menuAction(file, QStringLiteral("actionSignOut"), tr("Sign &Out"));
    m_signOutAction->setVisible(false);
    file->addSeparator();
    QAction *quit = menuAction(file, QStringLiteral("actionQuit"), tr("&Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &MainWindow::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *find = menuAction(edit, QStringLiteral("actionFind"), tr("&Find..."), QKeySequence::Find);
    connect(find, &QAction::triggered, this, &MainWindow::showSearchWindow);
    edit->addSeparator();
    QAction *preferences = menuAction(edit, QStringLiteral("actionPreferences"), tr("&Preferences..."));
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, this, &MainWindow::showSettingsWindow);

    QMenu *account = menuBar()->addMenu(tr("&Account"));
    connect(menuAction(account, QStringLiteral("actionEditAccount"), tr("&Edit...")), &QAction::triggered, this,
            &MainWindow::showEditAccountDialog);
    QAction *reconcile = menuAction(account, QStringLiteral("actionReconcile"), tr("&Reconcile..."),
                                   QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(reconcile, &QAction::triggered, this, &MainWindow::showReconciliationWindow);
    QAction *history = menuAction(account, QStringLiteral("actionReconciliationHistory"), tr("Reconciliation &History..."));
    connect(history, &QAction::triggered, this, &MainWindow::showReconciliationHistoryWindow);
    QAction *payees = menuAction(account, QStringLiteral("actionRenamePayees"), tr("Rename &Payees..."));
    connect(payees, &QAction::triggered, this, &MainWindow::showPayeesWindow);
    account->addSeparator();
    QAction *share = menuAction(account, QStringLiteral("actionShare"), tr("&Share..."));
    connect(share, &QAction::triggered, this, &MainWindow::showShareAccountDialog);
    share->setEnabled(false);
    account->addSeparator();
    connect(menuAction(account, QStringLiteral("actionDeleteAccount"), tr("&Delete")), &QAction::triggered, this,
            &MainWindow::deleteCurrentAccount);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *reports = menuAction(view, QStringLiteral("actionReports"), tr("&Reports"), QKeySequence(Qt::CTRL | Qt::Key_2));
    connect(reports, &QAction::triggered, this, &MainWindow::showReportsWindow);
    QAction *recurring = menuAction(view, QStringLiteral("actionRecurring"), tr("Re&curring Transactions"),
                                   QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(recurring, &QAction::triggered, this, &MainWindow::showRecurringWindow);
    QAction *categories = menuAction(view, QStringLiteral("actionCategories"), tr("C&ategories"),
                                    QKeySequence(Qt::CTRL | Qt::Key_4));
    connect(categories, &QAction::triggered, this, &MainWindow::showCategoriesWindow);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *about = menuAction(help, QStringLiteral("actionAbout"), tr("&About Larkspire Quillet"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::showAboutBox);
    m_updates = new UpdateChecks(m_state, this);
    connect(menuAction(help, QStringLiteral("actionWhatsNew"), tr("What's &New...")), &QAction::triggered, m_updates,
            &UpdateChecks::showWhatsNew);
    QAction *checkUpdates = menuAction(help, QStringLiteral("actionCheckUpdates"), tr("Check for &Updates..."));
    connect(checkUpdates, &QAction::triggered, m_updates, &UpdateChecks::checkNow);
    connect(m_updates, &UpdateChecks::manualCheckRunning, checkUpdates,
            [checkUpdates](bool running) { checkUpdates->setEnabled(!running); });
    connect(menuAction(help, QStringLiteral("actionFeedback"), tr("Send &Feedback...")), &QAction::triggered, this,
            [this] { QDesktopServices::openUrl(QUrl(m_state->accountClient()->config().feedbackUrl)); });
    help->addSeparator();
    connect(menuAction(help, QStringLiteral("actionShortcuts"), tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            &MainWindow::showShortcutsDialog);
    if (!qEnvironmentVariableIsEmpty("QUILLET_DEV")) {
        help->addSeparator();
        connect(menuAction(help, QStringLiteral("actionLoadSample"), tr("Load &Sample Data")), &QAction::triggered, this,
                &MainWindow::loadSampleData);
        connect(menuAction(help, QStringLiteral("actionClearSample"), tr("&Clear Sample Data")), &QAction::triggered,
                this, &MainWindow::clearSampleData);
    }
}

void MainWindow::showShareAccountDialog() {}

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
