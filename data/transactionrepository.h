#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class Database;

// Search filters: an empty text or id means "any"; invalid dates are unset.
struct TransactionSearch {
    QString text;
    QString accountId;
    QString categoryId;
    QDate from;
    QDate to;
    bool clearedOnly = false;
};

// The only code that reads and writes the transactions table.
class TransactionRepository : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSearchLimit = 200;
    static constexpr int kMaxLiteralWords = 16;

    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    QList<Transaction> listByAccount(const QString &accountId);
    std::optional<Transaction> getById(const QString &id);
    QList<Transaction> pending();
    QList<Transaction> unreconciled(const QString &accountId);
    std::optional<Transaction> latestByPayee(const QString &payee, const QString &accountId);
    // Live transactions filed under the category (split lines not counted).
    QList<Transaction> listByCategory(const QString &categoryId);
    // The account's register in chronological order with running balances,
    // headed by a synthetic "Opening Balance" row when the starting balance is not 0.
    QList<RegisterEntry> registerRows(const QString &accountId);
    // One live transaction as a register row (category display text included;
    // the running balance is left 0 for the caller to compute).
    std::optional<RegisterEntry> registerEntry(const QString &id);
    QList<RegisterEntry> search(const TransactionSearch &filters);
    QStringList payees();
    // Starting balance plus the sum of live amounts: the register's last running balance.
    qint64 balance(const QString &accountId);
    // Whether the account has any transaction at all, deleted ones included.
    bool hasAnyForAccount(const QString &accountId);
    // The sum of the account's live reconciled amounts and, in latestDate,
    // the newest date among them (invalid when there is none).
    qint64 reconciledTotal(const QString &accountId, QDate *latestDate = nullptr);
    // The sum of the account's live cleared amounts dated on or before asOf,
    // a reconciled row counting as cleared (the starting balance not
    // included).
    qint64 clearedTotal(const QString &accountId, const QDate &asOf);

    bool insert(const Transaction &t);
    bool update(const Transaction &t);
    bool softDelete(const QString &id);
    bool softDeleteByAccount(const QString &accountId, int *rows = nullptr);
    bool restoreByAccount(const QString &accountId, const QString &deletedSince, int *rows = nullptr);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId);
    // Gives every live transaction of payee `from` the payee `to`, marks them
    // pending and stamps updated_at; the version stays. Returns the rows
    // changed, or -1 on failure.
    int renamePayee(const QString &from, const QString &to);

    // Category id -> display name ("Housing > Maintenance" where a name is shared).
    QHash<QString, QString> categoryNames();

    // The FTS5 query for free text: each word quoted and prefix-matched, ANDed.
    // Words without a letter or digit are left to literalWords().
    static QString ftsQuery(const QString &text);
    // The distinct words of the text without a letter or digit ("&", "%",
    // "#"), which a search finds as they stand in payee, memo or check
    // number; at most kMaxLiteralWords of them.
    static QStringList literalWords(const QString &text);
    // The search as one statement: full-text join, the filters, newest first,
    // at most kSearchLimit rows. Appends its bindings to binds.
    static QString plainSearchSql(const TransactionSearch &f, QVariantList *binds);

Q_SIGNALS:
    void transactionsChanged(const QString &accountId);

private:
    // Rows of the newest stretch of the store a search looks at first.
    static constexpr int kSearchWindow = 20000;

    QList<Transaction> list(const QString &sql, const QVariantList &binds);
    // The filter clauses and the ordering of a search; appends their bindings.
    static QString searchFilters(const TransactionSearch &f, QVariantList *binds);
    QString dateOfNewestWindow();
    QList<RegisterEntry> runSearch(const QString &sql, const QVariantList &binds);
    // The balance and payee caches only see this connection's writes; when
    // another connection (quillet-cli, say) has committed since the last look,
    // they are dropped and built again on their next use.
    void dropCachesIfWrittenElsewhere();

    Database *m_database;
    StatementCache m_statements;
    qint64 m_dataVersion = -1;
};
