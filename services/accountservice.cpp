#include "services/accountservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/changebatch.h"

#include <QDebug>

namespace {

constexpr int kLast4Length = 4;

} // namespace

AccountService::AccountService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                               RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                               QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

QString AccountService::restoreThreshold(const QDateTime &accountDeletedAt)
{
    return SqlValue::timestamp(accountDeletedAt.addSecs(-kRestoreWindowSeconds));
}

std::optional<Account> AccountService::createAccount(const Account &draft, const QDate &asOf)
{
    Account account = draft;
    account.name = draft.name.trimmed();
    if (account.name.isEmpty())
        return std::nullopt;
    account.institution = draft.institution.trimmed();
    account.accountNumberLast4 = draft.accountNumberLast4.trimmed().left(kLast4Length);
    account.id = Ids::newId();
    const QDateTime now = Clock::nowUtc();
    account.createdAt = now;
    account.updatedAt = now;
    account.deletedAt = QDateTime();
    account.version = 1;
    account.syncStatus = SyncStatus::Pending;
    account.serverId.clear();
    // The starting balance lives in the register as a transaction of its own,
    // so that it can be seen, reconciled and corrected like any other entry.
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;

    ChangeBatch batch({m_accounts, m_transactions, nullptr, nullptr});
    DbTransaction tx(m_database->connection());
    if (!tx.isActive() || !m_accounts->insert(account))
        return std::nullopt;
    if (opening != 0) {
        Transaction t;
        t.id = Ids::newId();
        t.accountId = account.id;
        t.date = asOf.isValid() ? asOf : Clock::today();
        t.payee = tr("Opening Balance");
        t.amount = opening;
        t.cleared = true;
        t.reconciled = true;
        t.createdAt = now;
        t.updatedAt = now;
        if (!m_transactions->insert(t))
            return std::nullopt;
        batch.touchTransactions(account.id);
    }
    if (!tx.commit())
        return std::nullopt;
    batch.touchAccounts();
    batch.publish();
    return account;
}

std::optional<Transaction> AccountService::openingBalance(const QString &accountId)
{
    const std::optional<Transaction> t = m_transactions->latestByPayee(tr("Opening Balance"), accountId);
    if (!t || t->isTransfer() || t->isSplit)
        return std::nullopt;
    return t;
}

bool AccountService::updateAccount(const Account &edited)
{
    std::optional<Account> stored = m_accounts->findById(edited.id);
    if (!stored || stored->isDeleted())
        return false;
    const QString name = edited.name.trimmed();
    if (name.isEmpty())
        return false;
    if (edited.currency != stored->currency && isCurrencyLocked(stored->id)) {
        qWarning().noquote() << "AccountService::updateAccount: the currency of" << stored->id
                             << "cannot change once it has transactions";
        return false;
    }
    stored->name = name;
    stored->type = edited.type;
    stored->currency = edited.currency;
    stored->startingBalance = edited.startingBalance;
    stored->institution = edited.institution.trimmed();
    stored->accountNumberLast4 = edited.accountNumberLast4.trimmed().left(kLast4Length);
    stored->updatedAt = Clock::nowUtc();
    // A local edit has to reach the other devices like any other change.
    stored->version += 1;
    stored->syncStatus = SyncStatus::Pending;
    return m_accounts->update(*stored);
}

bool AccountService::isCurrencyLocked(const QString &accountId)
{
    return m_transactions->hasAnyForAccount(accountId);
}

// Every step runs whatever the one before returned. The cascade is kept when
// the account row itself was deleted: rows a failed step left live come back
// unharmed on restore. When the account row could not be deleted, nothing is
// kept, since rows deleted under a live account could never be restored.
bool AccountService::deleteAccount(const QString &accountId)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    // Deleting again would move the deletion time and with it the restore window.
    if (!account || account->isDeleted())
        return false;

    ChangeBatch batch({m_accounts, m_transactions, m_recurring, m_reconciliations});
    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return false;
    int transactions = 0;
    const bool transactionsDeleted = m_transactions->softDeleteByAccount(accountId, &transactions);
    const int recurrings = m_recurring->softDeleteByAccount(accountId);
    // Schedules of other accounts that pay into this one would go on moving
    // money out of sight. They stay off when the account comes back.
    const int transfersIn = m_recurring->deactivateTransfersInto(accountId);
    const int reconciliations = m_reconciliations->softDeleteByAccount(accountId);
    if (transfersIn < 0 || !m_accounts->softDelete(accountId) || !tx.commit())
        return false;

    qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                      << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    batch.touchAccounts();
    if (transactionsDeleted)
        batch.touchTransactions(accountId);
    if (recurrings > 0 || transfersIn > 0)
        batch.touchRecurring();
    if (reconciliations > 0)
        batch.touchReconciliations();
    batch.publish();
    return true;
}

// All or nothing where a failure can be seen: an account restored while some
// of its transactions stayed deleted would strand them, since the window is
// measured from the account's deletion time, which the restore clears. Rolled
// back, the account stays in the deleted list for another try.
bool AccountService::restoreAccount(const QString &accountId)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account)
        return false;

    ChangeBatch batch({m_accounts, m_transactions, m_recurring, m_reconciliations});
    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return false;
    bool transactionsRestored = true;
    if (account->isDeleted()) {
        const QString threshold = restoreThreshold(account->deletedAt);
        transactionsRestored = m_transactions->restoreByAccount(accountId, threshold);
        if (transactionsRestored)
            batch.touchTransactions(accountId);
        if (m_recurring->restoreByAccount(accountId, threshold) > 0)
            batch.touchRecurring();
        if (m_reconciliations->restoreByAccount(accountId, threshold) > 0)
            batch.touchReconciliations();
    }
    const bool accountRestored = m_accounts->restore(accountId);
    if (!transactionsRestored || !accountRestored || !tx.commit())
        return false;
    batch.touchAccounts();
    batch.publish();
    return true;
}
