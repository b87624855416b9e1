#include "app/appstate.h"

#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"

#include <QLocale>

namespace {
Qt::DayOfWeek g_firstDayOfWeek = QLocale().firstDayOfWeek();
}

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState()
{
    // Everything built on the connection goes before the connection itself.
    const QObjectList owned = children();
    for (auto it = owned.crbegin(); it != owned.crend(); ++it) {
        if (*it != m_database)
            delete *it;
    }
    delete m_database;
}

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
    m_database = new Database(this);
    m_dataDirectory = DataDirectory::path();
    const QString path = DataDirectory::databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->runMigrations())
        return false;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categories, this);
    m_transactionService = new TransactionService(m_transactions, m_splitLines, m_accounts, this);
    m_recurringService = new RecurringService(m_database, m_recurring, m_transactions, m_accounts, this);
    m_accountService =
        new AccountService(m_database, m_accounts, m_transactions, m_recurring, m_reconciliations, this);
    m_importService = new ImportService(m_transactions, m_categories, m_splitLines, this);
    m_importService->setAccounts(m_accounts);
    m_backupService = new BackupService(m_database, this);
    // A restore writes behind the repositories: announce every kind it touches once.
    connect(m_backupService, &BackupService::restored, this, [this]() {
        Q_EMIT m_accounts->accountsChanged();
        Q_EMIT m_categories->categoriesChanged();
        const QList<Account> live = m_accounts->listLive();
        for (const Account &account : live)
            Q_EMIT m_transactions->transactionsChanged(account.id);
        Q_EMIT m_recurring->recurringChanged();
        Q_EMIT m_reconciliations->reconciliationsChanged();
    });

    ThemeManager::captureBaseFont();
    bool ok = false;
    int scale = m_preferences->get(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&ok, 10);
    if (!ok)
        scale = 100;
    ThemeManager::setProcessFontScale(scale);

    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->applyTheme(m_preferences->get(QStringLiteral("theme"), QStringLiteral("system")));

    if (const auto weekStart = m_preferences->get(QStringLiteral("weekStartDay"))) {
        const int day = weekStart->toInt(&ok, 10);
        if (ok && day >= 1 && day <= 7)
            g_firstDayOfWeek = Qt::DayOfWeek(day);
    }

    m_categoryService->seedDefaultsIfEmpty();

    if (const auto last = m_preferences->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;

    Q_EMIT databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString &accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferences)
        m_preferences->set(QStringLiteral("lastViewedAccountId"), accountId);
    Q_EMIT currentAccountChanged(accountId);
}
