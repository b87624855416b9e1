#pragma once

#include "data/records.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class AccountRepository;
class SplitLineRepository;
class TransactionRepository;

// Every write of a transaction the user makes goes through here: a new row
// with its split lines, a new transfer pair, an edit (which a transfer's other
// side follows), a deletion (of both sides of a transfer), the cleared mark
// and payee renames. The service stamps the rows (id, times, version, sync
// state), so callers only say what the user typed, and each write is one
// database transaction, all or nothing.
class TransactionService : public QObject
{
    Q_OBJECT
public:
    // More lines than this in one split are refused.
    static constexpr int kMaxSplitLines = 1000;

    TransactionService(TransactionRepository *transactions, SplitLineRepository *splitLines,
                       AccountRepository *accounts, QObject *parent = nullptr);

    // Tells which accounts the user may only look at (shared with them to
    // view): every write touching one of them is refused.
    void setViewOnlyCheck(std::function<bool(const QString &accountId)> viewOnly) { m_viewOnly = std::move(viewOnly); }

    // Stores a new transaction and its split lines. t's id is kept when set
    // (a fresh one is made otherwise), its times become now, version 1,
    // pending; lines get ids where they have none. storedId receives the id.
    bool add(Transaction t, QList<SplitLine> lines = {}, QString *storedId = nullptr);

    // A new transfer typed in `from`'s register towards `to`: t (in `from`)
    // becomes "Transfer to <to>" side's row as given, its partner in `to` gets
    // the negated amount and the payee "Transfer from <from>", the same date,
    // check number, memo, category and marks, and the two are linked both
    // ways. Refused when the accounts are one and the same or their
    // currencies differ.
    bool addTransfer(Transaction t, const Account &from, const Account &to, QString *storedId = nullptr);

    // Writes the user's edit of a stored transaction: version + 1, updated
    // now, pending. The other side of a transfer follows in the same database
    // transaction: the amount negated, the date and the check number copied;
    // its payee, memo and marks stay its own. lines, when given, are the
    // lines the transaction has from now on (none when it is no longer
    // split); lines that keep their id keep their row.
    bool update(const Transaction &edited, const std::optional<QList<SplitLine>> &lines = std::nullopt);

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

    // The partner row of a new transfer entered as `first` in its account
    // towards `other` (see addTransfer); `first` is given its link and
    // destination. For writers that build whole sets of rows themselves.
    static Transaction makeTransferPartner(Transaction &first, const Account &firstAccount, const Account &other);

private:
    bool writeLines(const QString &transactionId, QList<SplitLine> lines, const QDateTime &now);
    bool followPartner(const Transaction &t, const QDateTime &now);
    // False when the row's account, or its transfer partner's, is view-only.
    bool mayWrite(const QString &accountId, const QString &otherAccountId = {}) const;

    std::function<bool(const QString &)> m_viewOnly;
    TransactionRepository *m_transactions;
    SplitLineRepository *m_splitLines;
    AccountRepository *m_accounts;
};
