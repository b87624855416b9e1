#include "services/transactionservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/stamps.h"

#include <QCoreApplication>
#include <QSignalBlocker>

namespace {

void clipTexts(Transaction &t)
{
    t.payee.truncate(kMaxTextLength);
    t.memo.truncate(kMaxTextLength);
    t.checkNumber.truncate(kMaxTextLength);
}

} // namespace

TransactionService::TransactionService(TransactionRepository *transactions, SplitLineRepository *splitLines,
                                       AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_accounts(accounts)
{
}

bool TransactionService::mayWrite(const QString &accountId, const QString &otherAccountId) const
{
    if (!m_viewOnly)
        return true;
    return !m_viewOnly(accountId) && (otherAccountId.isEmpty() || !m_viewOnly(otherAccountId));
}

bool TransactionService::add(Transaction t, QList<SplitLine> lines, QString *storedId)
{
    if (lines.size() > kMaxSplitLines || !mayWrite(t.accountId))
        return false;
    const QDateTime now = Clock::nowUtc();
    Stamps::asNew(t, now);
    clipTexts(t);
    t.isSplit = !lines.isEmpty();
    if (t.isSplit)
        t.categoryId.clear();

    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->insert(t))
        return false;
    if (!lines.isEmpty() && !writeLines(t.id, lines, now))
        return false;
    if (!tx.commit())
        return false;
    if (storedId)
        *storedId = t.id;
    return true;
}

bool TransactionService::addTransfer(Transaction t, const Account &from, const Account &to, QString *storedId)
{
    if (from.id == to.id || from.currency != to.currency || !mayWrite(from.id, to.id))
        return false;
    Stamps::asNew(t, Clock::nowUtc());
    if (t.payee.trimmed().isEmpty())
        t.payee = QCoreApplication::translate("RegisterScreen", "Transfer to %1").arg(to.name);
    clipTexts(t);
    t.accountId = from.id;
    t.isSplit = false;
    const Transaction partner = makeTransferPartner(t, from, to);

    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->insert(partner) || !m_transactions->insert(t) || !tx.commit())
        return false;
    if (storedId)
        *storedId = t.id;
    return true;
}

bool TransactionService::update(const Transaction &edited, const std::optional<QList<SplitLine>> &lines)
{
    if (lines && lines->size() > kMaxSplitLines)
        return false;
    const std::optional<Transaction> stored = m_transactions->getById(edited.id);
    if (!stored || stored->isDeleted() || !mayWrite(stored->accountId, stored->transferDestAccountId))
        return false;
    const QDateTime now = Clock::nowUtc();
    Transaction t = edited;
    Stamps::asEdit(t, *stored, now);
    clipTexts(t);
    t.accountId = stored->accountId;
    if (lines) {
        t.isSplit = !lines->isEmpty();
        if (t.isSplit)
            t.categoryId.clear();
    }

    DbTransaction tx(m_splitLines->connection());
    if (!tx.isActive() || !m_transactions->update(t))
        return false;
    if (lines && !writeLines(t.id, *lines, now))
        return false;
    if (!followPartner(t, now))
        return false;
    return tx.commit();
}

// The two sides of a transfer always add up to nothing and happen on the
// same day under the same number; everything else is each side's own.
bool TransactionService::followPartner(const Transaction &t, const QDateTime &now)
{
    if (t.transferLinkId.isEmpty())
        return true;
    std::optional<Transaction> partner = m_transactions->getById(t.transferLinkId);
    if (!partner || partner->isDeleted())
        return true;
    if (partner->amount == -t.amount && partner->date == t.date && partner->checkNumber == t.checkNumber)
        return true;
    partner->amount = -t.amount;
    partner->date = t.date;
    partner->checkNumber = t.checkNumber;
    partner->version += 1;
    partner->updatedAt = now;
    partner->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*partner);
}

bool TransactionService::writeLines(const QString &transactionId, QList<SplitLine> lines, const QDateTime &now)
{
    // Lines that stay keep their id and creation time; a restore or another
    // device then sees the same line, not a new one beside the old.
    const QList<SplitLine> stored = m_splitLines->linesOf(transactionId);
    for (SplitLine &line : lines) {
        const auto same = std::find_if(stored.cbegin(), stored.cend(),
                                       [&line](const SplitLine &s) { return !line.id.isEmpty() && s.id == line.id; });
        if (line.id.isEmpty())
            line.id = Ids::newId();
        line.createdAt = same != stored.cend() ? same->createdAt : now;
        line.updatedAt = now;
        line.transactionId = transactionId;
    }
    return m_splitLines->replaceLines(transactionId, lines);
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

bool TransactionService::deleteWithPartner(const QString &transactionId)
{
    const std::optional<Transaction> t = m_transactions->getById(transactionId);
    if (!t || !mayWrite(t->accountId, t->transferDestAccountId))
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
    if (!t || !mayWrite(t->accountId))
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
