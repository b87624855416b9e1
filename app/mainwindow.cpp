#include "app/mainwindow.h"

#include "app/accountsidebar.h"
#include "app/appstate.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/sharedaccess.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "ui/accessibility.h"
#include "ui/glyph.h"
#include "ui/register/registerscreen.h"
#include "ui/settings/backupupkeep.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kPostingIntervalMs = 3600000;
}

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Larkspire Quillet"));
    const QByteArray geometry = QSettings().value(QStringLiteral("mainwindow/geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    buildMenus();
    buildPages();

    Accessibility::install();
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);

    connectSignals();
    updateAuthUI();
    rebuildSidebar();

    postDueRecurring();
    m_postingTimer = new QTimer(this);
    m_postingTimer->setInterval(kPostingIntervalMs);
    connect(m_postingTimer, &QTimer::timeout, this, &MainWindow::postDueRecurring);
    m_postingTimer->start();
    // The store's daily check and safety copy, a little after start.
    new BackupUpkeep(m_state, this);

    updateDueCount();
    showStartPage();
    restyle();
    m_started = true;
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    m_register = new RegisterScreen(m_state, this);
    m_welcome = new WelcomeScreen(this);
    connect(m_welcome, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    m_welcome->setSignInAvailable(true);

    m_emptyState = buildEmptyState();
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(m_register);
    m_pages->addWidget(m_emptyState);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->addWidget(buildSidebarPanel());
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    // Larger text needs a wider sidebar for the same names and balances.
    // The sidebar fits its names and balances (see fitSidebar) until the user
    // drags its edge; a dragged width is kept for the next run.
    const int dragged = QSettings().value(QStringLiteral("mainwindow/sidebarWidth")).toInt();
    if (dragged > 0) {
        m_sidebarDragged = true;
        m_splitter->setSizes({dragged, 1000});
    } else {
        m_splitter->setSizes({280 * qMax(100, ThemeManager::fontScale()) / 100, 1000});
    }
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_sidebarDragged = true; });
    m_splitter->installEventFilter(this);
    setCentralWidget(m_splitter);
}

QWidget *MainWindow::buildEmptyState()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("emptyState"));
    auto *layout = new QVBoxLayout(page);
    layout->addStretch(1);
    m_emptyIcon = new QLabel(page);
    m_emptyIcon->setPixmap(Glyph::pixmap(Glyph::Wallet, QColor(QStringLiteral("#4DB6AC")), 96, 112));
    m_emptyIcon->setAlignment(Qt::AlignHCenter);
    m_emptyIcon->setAccessibleName(tr("Wallet"));
    layout->addWidget(m_emptyIcon);
    auto *title = new QLabel(tr("Welcome to Larkspire Quillet"), page);
    title->setAlignment(Qt::AlignHCenter);
    ThemeManager::setRole(title, ThemeManager::Title);
    layout->addWidget(title);
    auto *line = new QLabel(tr("Create your first account to get started."), page);
    line->setAlignment(Qt::AlignHCenter);
    ThemeManager::setRole(line, ThemeManager::Subheading);
    layout->addWidget(line);
    layout->addSpacing(16);
    auto *create = new QPushButton(tr("Create Account"), page);
    create->setObjectName(QStringLiteral("emptyStateCreate"));
    create->setMinimumHeight(40);
    create->setMinimumWidth(200);
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File \u203a Import."), page);
    hint->setObjectName(QStringLiteral("emptyStateHint"));
    hint->setAlignment(Qt::AlignHCenter);
    ThemeManager::setRole(hint, ThemeManager::Small);
    layout->addWidget(hint);
    layout->addStretch(2);
    return page;
}

void MainWindow::connectSignals()
{
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this, &MainWindow::scheduleSidebarRebuild);
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this,
            &MainWindow::scheduleSidebarRebuild);
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, this, &MainWindow::updateDueCount);
    connect(m_state->recurring(), &RecurringRepository::recurringChanged, this, &MainWindow::updateDueCount);
    connect(m_state->themeManager(), &ThemeManager::themeChanged, this, &MainWindow::restyle);
    // Rows are as tall and the sidebar as wide as the new text needs.
    connect(m_state->themeManager(), &ThemeManager::fontScaleChanged, this, [this] {
        rebuildSidebar();
        // Once the register has measured its columns at the new size.
        QTimer::singleShot(0, this, &MainWindow::fitSidebar);
    });
    connect(m_register, &RegisterScreen::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_register, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { showStatusMessage(text, 5000); });
    connectAuthSignals();
    // An import keeps the event loop turning while it writes; the posting pass
    // waits for it, or its rows would be rolled back with a failed import.
    connect(m_state->importService(), &ImportService::runningChanged, this, [this](bool running) {
        if (!m_postingTimer)
            return;
        if (running) {
            m_postingTimer->stop();
        } else {
            m_postingTimer->start();
            postDueRecurring();
        }
    });
    // A restore may have taken away the account on show.
    connect(m_state->backupService(), &BackupService::restored, this, [this] {
        const std::optional<Account> shown = m_state->accounts()->findById(m_state->currentAccountId());
        if (!shown || shown->isDeleted()) {
            m_state->setCurrentAccountId(QString());
            m_register->setAccount(QString());
        }
        showStartPage();
    });
}

void MainWindow::onAccountsChanged()
{
    rebuildSidebar();
}

void MainWindow::scheduleSidebarRebuild()
{
    // Writers announce every row; one rebuild per turn of the event loop is enough.
    if (m_sidebarRebuildPending)
        return;
    m_sidebarRebuildPending = true;
    QTimer::singleShot(0, this, [this] {
        m_sidebarRebuildPending = false;
        rebuildSidebar();
    });
}

void MainWindow::postDueRecurring()
{
    const int posted = m_state->recurringService()->processDue();
    if (posted > 0) {
        showStatusMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), 5000);
        rebuildSidebar();
    }
}

void MainWindow::updateDueCount()
{
    m_statusBar->setDueCount(m_state->recurringService()->pendingCount());
}

void MainWindow::showStatusMessage(const QString &text, int timeoutMs)
{
    m_statusBar->showTransient(text, timeoutMs);
}

void MainWindow::showStartPage()
{
    const QString last = m_state->currentAccountId();
    if (!last.isEmpty()) {
        const std::optional<Account> account = m_state->accounts()->findById(last);
        if (account && !account->isDeleted()) {
            selectAccount(last);
            return;
        }
    }
    const QList<Account> accounts = m_state->accounts()->listLive();
    if (!accounts.isEmpty()) {
        selectAccount(accounts.first().id);
        return;
    }
    m_pages->setCurrentWidget(isSignedIn() ? m_emptyState : static_cast<QWidget *>(m_welcome));
}

void MainWindow::selectAccount(const QString &accountId)
{
    if (accountId.isEmpty())
        return;
    m_state->setCurrentAccountId(accountId);
    m_register->setAccount(accountId);
    m_pages->setCurrentWidget(m_register);
    m_accountSidebar->showCurrent(accountId);
    fitSidebar();
}

void MainWindow::onAccountClicked(const QString &id)
{
    if (id == m_state->currentAccountId() && m_pages->currentWidget() == m_register)
        return;
    selectAccount(id);
}

bool MainWindow::requireCurrentAccount()
{
    if (!m_state->currentAccountId().isEmpty())
        return true;
    showStatusMessage(tr("Select an account first"), 3000);
    return false;
}

bool MainWindow::requireChangeableAccount()
{
    if (!requireCurrentAccount())
        return false;
    const QString id = m_state->currentAccountId();
    const std::optional<SharedAccess::Access> access = SharedAccess(m_state->preferences()).of(id);
    if (!access || !access->viewOnly())
        return true;
    showStatusMessage(tr("%1 shares this account with you to view only.").arg(access->owner()), 5000);
    return false;
}

void MainWindow::showWindow(QWidget *window, const QString &title, const QSize &size)
{
    window->setWindowTitle(title);
    // The first showing gets the initial size; a window kept for the run
    // opens again as the user left it.
    if (!window->property("larkSized").toBool()) {
        // Larger text gets a larger window, grown to its content, as far as
        // the screen allows; never smaller than the size asked for.
        window->resize(size.expandedTo(ThemeManager::openingSize(window, size, screen())));
        window->setProperty("larkSized", true);
    }
    // A window left minimized comes back as it was.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(QStringLiteral("mainwindow/geometry"), saveGeometry());
    if (m_splitter && m_sidebarDragged)
        settings.setValue(QStringLiteral("mainwindow/sidebarWidth"), m_splitter->sizes().value(0));
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The splitter's own size is what the sidebar takes its share of.
    if (watched == m_splitter && event->type() == QEvent::Resize)
        fitSidebar();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    // Coming back to the window after using another program (perhaps
    // quillet-cli on the same store) shows what that program wrote.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_state->checkForOutsideWrites();
    QMainWindow::changeEvent(event);
}
