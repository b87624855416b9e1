#include "tools/cli/clistore.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"

#include <QObject>

CliStore::CliStore() = default;

CliStore::~CliStore()
{
    m_categoryService.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_splitLines.reset();
    m_preferences.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_database.reset();
}

bool CliStore::open()
{
    m_dataDirectory = DataDirectory::path();
    m_databasePath = DataDirectory::databasePath();
    m_database = std::make_unique<Database>();
    QString migrationError;
    QObject::connect(m_database.get(), &Database::migrationError, m_database.get(),
                     [&migrationError](int version, const QString &error) {
                         migrationError = QStringLiteral("migration %1 failed: %2").arg(version).arg(error);
                     });
    if (!m_database->open(m_databasePath)) {
        m_error = QStringLiteral("cannot open database %1").arg(m_databasePath);
        return false;
    }
    if (!m_database->runMigrations()) {
        m_error = migrationError.isEmpty() ? QStringLiteral("cannot migrate database %1").arg(m_databasePath)
                                           : migrationError;
        return false;
    }
    m_accounts = std::make_unique<AccountRepository>(m_database.get());
    m_transactions = std::make_unique<TransactionRepository>(m_database.get());
    m_categories = std::make_unique<CategoryRepository>(m_database.get());
    m_preferences = std::make_unique<PreferencesRepository>(m_database.get());
    m_splitLines = std::make_unique<SplitLineRepository>(m_database.get());
    m_recurring = std::make_unique<RecurringRepository>(m_database.get());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_database.get());
    m_categoryService = std::make_unique<CategoryService>(m_categories.get());
    m_categoryService->seedDefaultsIfEmpty();
    return true;
}
