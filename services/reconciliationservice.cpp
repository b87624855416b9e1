#include "services/reconciliationservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "services/changebatch.h"

ReconciliationService::ReconciliationService(Database *database, AccountRepository *accounts,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

ReconciliationService::Opening ReconciliationService::opening(const Account &account)
{
    Opening result;
    QDate latestReconciled;
    result.previousBalance = account.startingBalance + m_transactions->reconciledTotal(account.id, &latestReconciled);

    const std::optional<Reconciliation> last = m_reconciliations->latestForAccount(account.id);
    if (last && (!latestReconciled.isValid() || last->statementDate >= latestReconciled))
        result.proposedStatementDate = last->statementDate.addMonths(1);
    else if (latestReconciled.isValid())
        result.proposedStatementDate = latestReconciled.addMonths(1);
    return result;
}

bool ReconciliationService::finish(const QString &accountId, const QDate &statementDate, qint64 statementBalance,
                                   const QStringList &checkedIds, Reconciliation *stored)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account)
        return false;

    const QDateTime now = Clock::nowUtc();
    // Declared before the transaction so that a rollback happens while the
    // signals are still held back, and nothing is announced.
    ChangeBatch batch({nullptr, m_transactions, nullptr, m_reconciliations});
    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return false;

    // Read inside the transaction, so the record agrees with what is stored.
    qint64 reconciled = opening(*account).previousBalance;
    for (const QString &id : checkedIds) {
        std::optional<Transaction> t = m_transactions->getById(id);
        if (!t || t->isDeleted() || t->reconciled || t->accountId != accountId)
            continue;
        t->cleared = true;
        t->reconciled = true;
        t->updatedAt = now;
        t->syncStatus = SyncStatus::Pending;
        if (!m_transactions->update(*t))
            return false;
        reconciled += t->amount;
        batch.touchTransactions(accountId);
    }

    Reconciliation r;
    r.id = Ids::newId();
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = statementBalance;
    r.reconciledBalance = reconciled;
    r.completedAt = r.createdAt = r.updatedAt = now;
    r.version = 1;
    r.syncStatus = SyncStatus::Pending;
    if (!m_reconciliations->insert(r))
        return false;
    batch.touchReconciliations();

    if (!tx.commit())
        return false;
    batch.publish();
    if (stored)
        *stored = r;
    return true;
}
