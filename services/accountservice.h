#pragma once

#include "data/records.h"

#include <QDate>
#include <QObject>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Creating, editing, deleting and restoring an account. Deletion is a cascade
// of soft deletes over the account's transactions, schedules and
// reconciliations; restoring brings back only what was deleted with the
// account, found by a window around the account's own deletion time.
class AccountService : public QObject
{
    Q_OBJECT
public:
    // Rows deleted up to this long before the account count as deleted with it.
    static constexpr int kRestoreWindowSeconds = 10;

    AccountService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                   RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                   QObject *parent = nullptr);

    // Stores a new account from the form's values (starting balance in minor
    // units). A starting balance other than 0 becomes a cleared and reconciled
    // "Opening Balance" transaction dated asOf; the account row keeps 0. No
    // result (and nothing stored) for a blank name or a failed write.
    std::optional<Account> createAccount(const Account &draft, const QDate &asOf);

    // Writes the form's fields (name, type, currency, starting balance,
    // institution, last four digits) over the stored account. A change of
    // currency is refused once the account has transactions (see below).
    bool updateAccount(const Account &edited);
    // Whether the account's currency is fixed: its transactions' amounts were
    // entered in it, and another currency would read them as something else
    // ($98.00 as ¥9,800).
    bool isCurrencyLocked(const QString &accountId);
    // The "Opening Balance" transaction createAccount() made for the account,
    // if it is still there.
    std::optional<Transaction> openingBalance(const QString &accountId);

    // Soft-deletes the account's transactions, schedules and reconciliations,
    // then the account.
    bool deleteAccount(const QString &accountId);

    // Brings back the account and every row of it deleted within the window
    // before the account's deletion time.
    bool restoreAccount(const QString &accountId);

    // The oldest deletion time that counts as "deleted with the account".
    static QString restoreThreshold(const QDateTime &accountDeletedAt);

private:
    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
};
