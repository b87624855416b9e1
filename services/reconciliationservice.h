#pragma once

#include "data/records.h"

#include <QDate>
#include <QStringList>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Balancing an account against a bank statement: where a new run starts
// (the balance of everything reconciled so far and a proposed statement
// date) and the finish that marks the checked transactions reconciled
// together with the record that explains them.
class ReconciliationService
{
public:
    ReconciliationService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                          ReconciliationRepository *reconciliations);

    struct Opening {
        // Starting balance plus every live reconciled amount.
        qint64 previousBalance = 0;
        // A month after the last statement (or the newest reconciled
        // transaction when that is later); invalid when there is neither.
        QDate proposedStatementDate;
    };
    Opening opening(const Account &account);

    // Marks each listed transaction cleared and reconciled and stores one
    // reconciliation record, all in one database transaction: either every
    // row and the record are written or nothing is. Transactions that are
    // gone, already reconciled or of another account are passed over.
    bool finish(const QString &accountId, const QDate &statementDate, qint64 statementBalance,
                const QStringList &checkedIds, Reconciliation *stored = nullptr);

private:
    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    ReconciliationRepository *m_reconciliations;
};
