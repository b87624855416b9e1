#pragma once

#include "data/records.h"

#include <QList>
#include <QObject>
#include <QStringList>

class AccountRepository;
class SplitLineRepository;
class TransactionRepository;

// Writes that touch more than one row of the register: a transaction with its
// split lines, both sides of a transfer, deletion of a transfer pair. Each is
// applied in one database transaction, all or nothing.
class TransactionService : public QObject
{
    Q_OBJECT
public:
    TransactionService(TransactionRepository *transactions, SplitLineRepository *splitLines,
                       AccountRepository *accounts, QObject *parent = nullptr);

    // Inserts t and, when lines is not empty, replaces its stored split lines with them.
    bool insertWithLines(const Transaction &t, const QList<SplitLine> &lines);
    // Updates t and replaces its stored split lines with lines (none when empty).
    bool updateWithLines(const Transaction &t, const QList<SplitLine> &lines);

    // The partner of a new transfer entered as `first` in its account towards
    // `other`: same date, check number, memo, category and marks, negated amount,
    // payee "Transfer from <first's account name>", linked both ways. `first` is
    // updated with its link and destination.
    static Transaction makeTransferPartner(Transaction &first, const Account &firstAccount, const Account &other);
    // Inserts the partner first, then the row, in one database transaction.
    bool insertTransferPair(const Transaction &first, const Transaction &partner);

    // Soft-deletes the transaction and, for a transfer, its partner.
    bool deleteWithPartner(const QString &transactionId);

    // Flips the cleared mark (the reconciled mark stays), marks the row pending
    // and stamps updated_at; the version is not raised.
    bool setCleared(const QString &transactionId, bool cleared);

    // Gives every live transaction of each payee in `payees` the payee
    // `target` (payees equal to it are left alone), in one database
    // transaction. changed receives the number of rows renamed; false and
    // nothing changed when a statement fails.
    bool renamePayees(const QStringList &payees, const QString &target, int *changed);

private:
    TransactionRepository *m_transactions;
    SplitLineRepository *m_splitLines;
    AccountRepository *m_accounts;
};
