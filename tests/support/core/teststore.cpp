#include "data/clock.h"
#include "data/ids.h"
#include "support/core/fixtures.h"
#include "support/core/teststore.h"

#include "services/categoryservice.h"

#include <QSqlError>
#include <QSqlQuery>

TestStore::TestStore(bool seedCategories)
{
    m_ok = m_dir.isValid() && m_store.open(path());
    if (!m_ok)
        return;
    static_cast<Repositories &>(*this) = m_store.repositories();
    services = std::make_unique<Services>(m_store);
    if (seedCategories)
        services->categories()->seedDefaultsIfEmpty();
}

TestStore::~TestStore()
{
    services.reset();
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

QStringList TestStore::triggersOn(const QString &table) const
{
    QStringList found;
    for (const char *schema : {"main", "temp"}) {
        QSqlQuery q(db->connection());
        q.prepare(QStringLiteral("SELECT name, sql FROM %1.sqlite_master WHERE type = 'trigger' AND tbl_name = ? "
                                 "ORDER BY name")
                      .arg(QLatin1String(schema)));
        q.addBindValue(table);
        q.exec();
        while (q.next())
            found.append(q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString());
    }
    return found;
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
    return Fixtures::addAccount(accounts, name, currency, startingBalance);
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
