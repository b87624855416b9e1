#include "services/changebatch.h"

#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

ChangeBatch::ChangeBatch(const Repositories &repositories)
    : m_repositories(repositories)
{
    const QList<QObject *> all = {repositories.accounts, repositories.transactions, repositories.recurring,
                                  repositories.reconciliations};
    for (QObject *object : all) {
        if (!object)
            continue;
        m_blocked.append(object);
        m_wasBlocked.append(object->blockSignals(true));
    }
}

ChangeBatch::~ChangeBatch()
{
    release();
}

void ChangeBatch::release()
{
    for (int i = 0; i < m_blocked.size(); ++i)
        m_blocked.at(i)->blockSignals(m_wasBlocked.at(i));
    m_blocked.clear();
    m_wasBlocked.clear();
}

void ChangeBatch::touchTransactions(const QString &accountId)
{
    if (m_transactionAccountSet.contains(accountId))
        return;
    m_transactionAccountSet.insert(accountId);
    m_transactionAccounts.append(accountId);
}

bool ChangeBatch::isEmpty() const
{
    return !m_accounts && !m_recurring && !m_reconciliations && m_transactionAccounts.isEmpty();
}

void ChangeBatch::publish()
{
    release();
    if (m_accounts && m_repositories.accounts)
        Q_EMIT m_repositories.accounts->accountsChanged();
    if (m_repositories.transactions) {
        for (const QString &accountId : std::as_const(m_transactionAccounts))
            Q_EMIT m_repositories.transactions->transactionsChanged(accountId);
    }
    if (m_recurring && m_repositories.recurring)
        Q_EMIT m_repositories.recurring->recurringChanged();
    if (m_reconciliations && m_repositories.reconciliations)
        Q_EMIT m_repositories.reconciliations->reconciliationsChanged();
    m_accounts = m_recurring = m_reconciliations = false;
    m_transactionAccounts.clear();
    m_transactionAccountSet.clear();
}
