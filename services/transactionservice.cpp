#include "services/transactionservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <QCoreApplication>
#include <QSignalBlocker>

TransactionService::TransactionService(TransactionRepository *transactions, SplitLineRepository *splitLines,
                                       AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_accounts(accounts)
{
}

bool TransactionService::insertWithLines(const Transaction &t, const QList<SplitLine> &lines)
{
    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->insert(t))
        return false;
    if (!lines.isEmpty() && !m_splitLines->replaceLines(t.id, lines))
        return false;
    return tx.commit();
}

bool TransactionService::updateWithLines(const Transaction &t, const QList<SplitLine> &lines)
{
    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->update(t))
        return false;
    if (!m_splitLines->replaceLines(t.id, lines))
        return false;
    return tx.commit();
}

Transaction TransactionService::makeTransferPartner(Transaction &first, const Account &firstAccount,
                                                    const Account &other)
{
    Transaction partner = first;
    partner.id = Ids::newId();
    partner.accountId = other.id;
    partner.payee = QCoreApplication::translate("RegisterScreen", "Transfer from %1").arg(firstAccount.name);
    partner.amount = -first.amount;
    partner.transferLinkId = first.id;
    partner.transferDestAccountId = firstAccount.id;
    partner.isSplit = false;
    first.transferLinkId = partner.id;
    first.transferDestAccountId = other.id;
    return partner;
}

bool TransactionService::insertTransferPair(const Transaction &first, const Transaction &partner)
{
    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->insert(partner))
        return false;
    if (!m_transactions->insert(first))
        return false;
    return tx.commit();
}

bool TransactionService::deleteWithPartner(const QString &transactionId)
{
    const std::optional<Transaction> t = m_transactions->getById(transactionId);
    if (!t)
        return false;
    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive())
        return false;
    if (!t->transferLinkId.isEmpty()) {
        const std::optional<Transaction> partner = m_transactions->getById(t->transferLinkId);
        if (partner && !partner->isDeleted() && !m_transactions->softDelete(partner->id))
            return false;
    }
    if (!m_transactions->softDelete(transactionId))
        return false;
    return tx.commit();
}

bool TransactionService::setCleared(const QString &transactionId, bool cleared)
{
    std::optional<Transaction> t = m_transactions->getById(transactionId);
    if (!t)
        return false;
    t->cleared = cleared;
    t->updatedAt = Clock::nowUtc();
    t->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*t);
}

bool TransactionService::renamePayees(const QStringList &payees, const QString &target, int *changed)
{
    if (changed)
        *changed = 0;
    int total = 0;
    {
        DbTransaction tx(m_splitLines->connection());
        if (!tx.isActive())
            return false;
        // One announcement for the whole rename, not one per payee.
        const QSignalBlocker quiet(m_transactions);
        for (const QString &payee : payees) {
            if (payee == target)
                continue;
            const int rows = m_transactions->renamePayee(payee, target);
            if (rows < 0)
                return false;
            total += rows;
        }
        if (!tx.commit())
            return false;
    }
    if (changed)
        *changed = total;
    if (total > 0)
        Q_EMIT m_transactions->transactionsChanged(QString());
    return true;
}
