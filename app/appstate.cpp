#include "app/appstate.h"

#include "app/thememanager.h"
#include "cloud/accountclient.h"
#include "cloud/accountsharingservice.h"
#include "cloud/apiclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "cloud/syncuser.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datadirectory.h"
#include "data/outsidewrites.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sharedaccess.h"
#include "data/splitlinerepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/services.h"
#include "services/transactionservice.h"

#include <QLocale>
#include <QSettings>

namespace {
Qt::DayOfWeek g_firstDayOfWeek = QLocale().firstDayOfWeek();
}

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState()
{
    // Screens and the theme manager go before the services and the store.
    const QObjectList owned = children();
    for (auto it = owned.crbegin(); it != owned.crend(); ++it)
        delete *it;
    m_services.reset();
    m_store.reset();
}

Database *AppState::database() const { return m_store ? m_store->database() : nullptr; }
AccountRepository *AppState::accounts() const { return m_store ? m_store->accounts() : nullptr; }
TransactionRepository *AppState::transactions() const { return m_store ? m_store->transactions() : nullptr; }
CategoryRepository *AppState::categories() const { return m_store ? m_store->categories() : nullptr; }
PreferencesRepository *AppState::preferences() const { return m_store ? m_store->preferences() : nullptr; }
SplitLineRepository *AppState::splitLines() const { return m_store ? m_store->splitLines() : nullptr; }
RecurringRepository *AppState::recurring() const { return m_store ? m_store->recurring() : nullptr; }
ReconciliationRepository *AppState::reconciliations() const { return m_store ? m_store->reconciliations() : nullptr; }
CategoryService *AppState::categoryService() const { return m_services ? m_services->categories() : nullptr; }
TransactionService *AppState::transactionService() const { return m_services ? m_services->transactions() : nullptr; }
RecurringService *AppState::recurringService() const { return m_services ? m_services->recurring() : nullptr; }
AccountService *AppState::accountService() const { return m_services ? m_services->accounts() : nullptr; }
ReconciliationService *AppState::reconciliationService() const
{
    return m_services ? m_services->reconciliations() : nullptr;
}
BackupService *AppState::backupService() const { return m_services ? m_services->backup() : nullptr; }
ImportService *AppState::importService() const { return m_services ? m_services->import() : nullptr; }
ReportService *AppState::reportService() const { return m_services ? m_services->reports() : nullptr; }

Qt::DayOfWeek AppState::firstDayOfWeek()
{
    return g_firstDayOfWeek;
}

void AppState::setFirstDayOfWeek(Qt::DayOfWeek day)
{
    g_firstDayOfWeek = day;
}

bool AppState::initialize()
{
    m_dataDirectory = DataDirectory::path();
    const QString path = DataDirectory::databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    m_store = std::make_unique<Store>();
    if (!m_store->open(path)) {
        m_store.reset();
        return false;
    }
    m_services = std::make_unique<Services>(*m_store);

    // A restore writes behind the repositories, and so does another program
    // writing to the same file: every kind is announced once.
    connect(backupService(), &BackupService::restored, this, &AppState::announceEverything);
    m_outsideWrites = new OutsideWrites(m_store->database(), this);
    connect(m_outsideWrites, &OutsideWrites::changed, this, &AppState::announceEverything);
    m_outsideWrites->start();

    createAccountClient();
    createSyncEngine();
    m_sharing = new AccountSharingService(m_accountClient, accounts(), this);
    // A new share, role or end of one shows after the sync that brings it.
    connect(m_sharing, &AccountSharingService::sharingChanged, m_syncEngine, &SyncEngine::syncNow);
    const auto viewOnly = [this](const QString &accountId) { return isViewOnly(accountId); };
    transactionService()->setViewOnlyCheck(viewOnly);
    recurringService()->setViewOnlyCheck(viewOnly);

    ThemeManager::captureBaseFont();
    bool ok = false;
    int scale = preferences()->get(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&ok, 10);
    if (!ok)
        scale = 100;
    ThemeManager::setProcessFontScale(scale);

    m_themeManager = new ThemeManager(preferences(), this);
    m_themeManager->applyTheme(preferences()->get(QStringLiteral("theme"), QStringLiteral("system")));

    if (const auto weekStart = preferences()->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok, 10);
        if (ok && day >= 1 && day <= 7)
            g_firstDayOfWeek = Qt::DayOfWeek(day);
    }

    categoryService()->seedDefaultsIfEmpty();

    // A stored sign-in comes back (at once from a file, after a turn of the
    // event loop from a secret service) and is refreshed before first use.
    connect(m_accountClient->signIn(), &LarkAccount::SignInClient::sessionRestored, this, &AppState::onSessionRestored);
    connect(m_accountClient->signIn(), &LarkAccount::SignInClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    connect(m_accountClient->signIn(), &LarkAccount::SignInClient::logoutCompleted, this, &AppState::onSignedOut);
    m_accountClient->start();

    // Local edits are sent a moment after they stop coming.
    auto debounce = [this] {
        if (!m_announcingSync)
            m_syncEngine->scheduleSync();
    };
    connect(accounts(), &AccountRepository::accountsChanged, this, debounce);
    connect(transactions(), &TransactionRepository::transactionsChanged, this, debounce);
    connect(categories(), &CategoryRepository::categoriesChanged, this, debounce);

    if (const auto last = preferences()->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;

    Q_EMIT databaseReady();
    return true;
}

void AppState::createAccountClient()
{
    const LarkAccount::Config config = LarkAccount::Config::fromEnvironment();
    qInfo().noquote() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl
                      << "Sync:" << config.syncApiUrl;
    m_accountClient = new LarkAccount::Client(config, m_dataDirectory, this);
    m_accountClient->api()->setBaseUrl(config.syncApiUrl);
}

void AppState::createSyncEngine()
{
    m_syncEngine = new SyncEngine(m_accountClient->api(), m_store->repositories(), this);
    m_syncEngine->setMaySync([this] { return isSignedIn(); });
    m_syncEngine->setGate([this](const SyncEngine::Answer &answer) { checkSyncUser(answer); });
    // The sync wrote behind the repositories' signals: every open view
    // reloads once, when the cycle changed anything.
    connect(m_syncEngine, &SyncEngine::dataChanged, this, [this] {
        if (m_syncEngine->lastCycle().applied == 0)
            return;
        m_announcingSync = true;
        announceEverything();
        m_announcingSync = false;
    });
}

void AppState::startAutoSync()
{
    m_syncEngine->startAutoSync(SyncEngine::kAutoSyncIntervalMs);
    m_syncEngine->scheduleSync();
}

bool AppState::isViewOnly(const QString &accountId) const
{
    return SharedAccess(preferences()).isViewOnly(accountId);
}

bool AppState::isSignedIn() const
{
    return m_accountClient && m_accountClient->isAuthenticated();
}

void AppState::onSessionRestored()
{
    m_accountClient->signIn()->refresh([this](bool ok) {
        qInfo().noquote() << "Startup token refresh:" << (ok ? "ok" : "failed") << "\u2014 authenticated="
                          << m_accountClient->signIn()->stateText();
        if (!isSignedIn())
            return;
        m_accountClient->refreshAccount();
        qInfo("Startup: starting auto-sync + immediate sync");
        startAutoSync();
    });
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    m_accountClient->registerDevice();
    qInfo("loginSucceeded: starting auto-sync + immediate sync");
    startAutoSync();
}

void AppState::checkSyncUser(const std::function<void(bool, const QString &)> &answer)
{
    LarkAccount::SignInClient *signIn = m_accountClient->signIn();
    const int session = signIn->session();
    if (session == m_syncUserSession)
        return answer(true, {});
    // The question is still open.
    if (session == m_askedSession)
        return answer(false, {});
    SyncUser::check(m_accountClient, preferences(),
                    [this, session, answer](bool ok, int status, SyncUser::Match match, const SyncUser::Who &who) {
                        if (session != m_accountClient->signIn()->session() || !isSignedIn())
                            return answer(false, {});
                        if (!ok)
                            return answer(false, tr("Could not tell which account is signed in (HTTP %1)").arg(status));
                        if (match != SyncUser::Match::Other) {
                            m_syncUserSession = session;
                            return answer(true, {});
                        }
                        answer(false, {});
                        if (session == m_askedSession)
                            return;
                        m_askedSession = session;
                        m_askedUserId = who.id;
                        m_askedEmail = who.email;
                        qInfo("Sync held: another user signed in than the one this data last synced with");
                        Q_EMIT newSyncUser(SyncUser(preferences()).remembered().email, who.email);
                    });
}

void AppState::continueWithNewSyncUser()
{
    const int session = m_accountClient->signIn()->session();
    if (m_askedSession != session || !isSignedIn())
        return;
    const SyncUser::Who who{m_askedUserId, m_askedEmail};
    m_askedSession = -1;
    m_syncUserSession = session;
    SyncUser(preferences()).adopt(*m_syncEngine, who);
}

void AppState::declineNewSyncUser()
{
    if (m_askedSession != m_accountClient->signIn()->session())
        return;
    m_askedSession = -1;
    m_accountClient->signIn()->signOut();
}

void AppState::onSignedOut()
{
    // A cycle still running for the user who left sends nothing more.
    m_syncEngine->stop();
    m_syncUserSession = -1;
    m_askedSession = -1;
}

void AppState::announceEverything()
{
    Q_EMIT accounts()->accountsChanged();
    Q_EMIT categories()->categoriesChanged();
    const QList<Account> live = accounts()->listLive();
    for (const Account &account : live)
        Q_EMIT transactions()->transactionsChanged(account.id);
    Q_EMIT recurring()->recurringChanged();
    Q_EMIT reconciliations()->reconciliationsChanged();
}

void AppState::checkForOutsideWrites()
{
    if (m_outsideWrites)
        m_outsideWrites->check();
}

void AppState::setCurrentAccountId(const QString &accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (preferences())
        preferences()->set(QStringLiteral("lastViewedAccountId"), accountId);
    Q_EMIT currentAccountChanged(accountId);
}
