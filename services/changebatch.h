#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class AccountRepository;
class QObject;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Holds back the change signals of the given repositories while a bulk write
// runs, so that listeners do not rebuild once per row. The writer notes what it
// changed; publish() then lets the signals through again and announces each
// affected kind once (one transactionsChanged per touched account). A batch
// that is destroyed unpublished (the write was rolled back) announces nothing.
class ChangeBatch
{
public:
    struct Repositories {
        AccountRepository *accounts = nullptr;
        TransactionRepository *transactions = nullptr;
        RecurringRepository *recurring = nullptr;
        ReconciliationRepository *reconciliations = nullptr;
    };

    explicit ChangeBatch(const Repositories &repositories);
    ~ChangeBatch();

    ChangeBatch(const ChangeBatch &) = delete;
    ChangeBatch &operator=(const ChangeBatch &) = delete;

    void touchAccounts() { m_accounts = true; }
    void touchTransactions(const QString &accountId);
    void touchRecurring() { m_recurring = true; }
    void touchReconciliations() { m_reconciliations = true; }

    bool recurringTouched() const { return m_recurring; }
    bool isEmpty() const;

    void publish();

private:
    void release();

    Repositories m_repositories;
    QList<QObject *> m_blocked;
    QList<bool> m_wasBlocked;
    QStringList m_transactionAccounts;  // in the order first touched
    QSet<QString> m_transactionAccountSet;
    bool m_accounts = false;
    bool m_recurring = false;
    bool m_reconciliations = false;
};
