#include "support/core/fixtures.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/ids.h"

namespace Fixtures {

Account newAccount(const QString &name, Currency currency, qint64 startingBalance)
{
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.currency = currency;
    a.startingBalance = startingBalance;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    return a;
}

Transaction newTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount)
{
    Transaction t;
    t.id = Ids::newId();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = Clock::nowUtc();
    return t;
}

Account addAccount(AccountRepository *accounts, const QString &name, Currency currency, qint64 startingBalance)
{
    const Account a = newAccount(name, currency, startingBalance);
    accounts->insert(a);
    return a;
}

} // namespace Fixtures
