#include "support/core/fixtures.h"
#include "support/core/teststore.h"

#include "data/sqlvalue.h"
#include "services/categoryservice.h"

#include <QSqlError>
#include <QSqlQuery>

TestStore::TestStore(bool seedCategories)
{
    db = std::make_unique<Database>();
    m_ok = m_dir.isValid() && db->open(path()) && db->runMigrations();
    if (!m_ok)
        return;
    accounts = std::make_unique<AccountRepository>(db.get());
    transactions = std::make_unique<TransactionRepository>(db.get());
    categories = std::make_unique<CategoryRepository>(db.get());
    preferences = std::make_unique<PreferencesRepository>(db.get());
    splitLines = std::make_unique<SplitLineRepository>(db.get());
    recurring = std::make_unique<RecurringRepository>(db.get());
    reconciliations = std::make_unique<ReconciliationRepository>(db.get());
    if (seedCategories)
        CategoryService(categories.get()).seedDefaultsIfEmpty();
}

TestStore::~TestStore()
{
    reconciliations.reset();
    recurring.reset();
    splitLines.reset();
    preferences.reset();
    categories.reset();
    transactions.reset();
    accounts.reset();
    db.reset();
}

QVariant TestStore::scalar(const QString &sql) const
{
    QSqlQuery q(db->connection());
    if (!q.exec(sql)) {
        qWarning() << "TestStore::scalar failed:" << sql << q.lastError().text();
        return QVariant();
    }
    return q.next() ? q.value(0) : QVariant();
}

bool TestStore::exec(const QString &sql) const
{
    QSqlQuery q(db->connection());
    if (!q.exec(sql)) {
        qWarning() << "TestStore::exec failed:" << sql << q.lastError().text();
        return false;
    }
    return true;
}

Account TestStore::addAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    return Fixtures::addAccount(accounts.get(), name, currency, startingBalance);
}

Transaction TestStore::addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                                      const QString &categoryId)
{
    Transaction t = Fixtures::newTransaction(accountId, date, payee, amount);
    t.categoryId = categoryId;
    // Distinct creation times keep same-day rows in insertion order.
    t.createdAt = Clock::nowUtc().addSecs(++m_sequence);
    t.updatedAt = t.createdAt;
    transactions->insert(t);
    return t;
}

Category TestStore::addCategory(const QString &name, const QString &parentId, CategoryType type)
{
    Category c;
    c.id = Ids::newId();
    c.name = name;
    c.parentId = parentId;
    c.type = type;
    c.createdAt = c.updatedAt = Clock::nowUtc();
    categories->insert(c);
    return c;
}
