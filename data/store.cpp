#include "data/store.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

Store::Store() = default;

Store::~Store()
{
    // Everything built on the connection goes before the connection itself.
    m_reconciliations.reset();
    m_recurring.reset();
    m_splitLines.reset();
    m_preferences.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_database.reset();
}

bool Store::open(const QString &path, QString *error)
{
    m_database = std::make_unique<Database>();
    QString migrationError;
    const QMetaObject::Connection collect =
        QObject::connect(m_database.get(), &Database::migrationError, m_database.get(),
                         [&migrationError](int version, const QString &text) {
                             migrationError = QStringLiteral("migration %1 failed: %2").arg(version).arg(text);
                         });
    const bool opened = m_database->open(path);
    const bool migrated = opened && m_database->runMigrations();
    QObject::disconnect(collect);
    if (!opened || !migrated) {
        if (error) {
            if (!opened)
                *error = QStringLiteral("cannot open database %1").arg(path);
            else
                *error = migrationError.isEmpty() ? QStringLiteral("cannot migrate database %1").arg(path)
                                                  : migrationError;
        }
        return false;
    }

    m_accounts = std::make_unique<AccountRepository>(m_database.get());
    m_transactions = std::make_unique<TransactionRepository>(m_database.get());
    m_categories = std::make_unique<CategoryRepository>(m_database.get());
    m_preferences = std::make_unique<PreferencesRepository>(m_database.get());
    m_splitLines = std::make_unique<SplitLineRepository>(m_database.get());
    m_recurring = std::make_unique<RecurringRepository>(m_database.get());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_database.get());
    return true;
}

QString Store::path() const
{
    return m_database ? m_database->path() : QString();
}

QSqlDatabase Store::connection() const
{
    return m_database ? m_database->connection() : QSqlDatabase();
}

Repositories Store::repositories() const
{
    return {m_database.get(),   m_accounts.get(),   m_transactions.get(), m_categories.get(),
            m_preferences.get(), m_splitLines.get(), m_recurring.get(),    m_reconciliations.get()};
}
