#pragma once

#include "data/records.h"

#include <QDate>
#include <QString>

class AccountRepository;

// Records with sensible defaults for tests: a fresh id and "now" as the
// creation and change time. Callers set what their case is about.
namespace Fixtures {

Account newAccount(const QString &name, Currency currency = Currency::USD, qint64 startingBalance = 0);
Transaction newTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount);

// newAccount(), stored at once.
Account addAccount(AccountRepository *accounts, const QString &name, Currency currency = Currency::USD,
                   qint64 startingBalance = 0);

} // namespace Fixtures
