#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// Writes many rows of transactions at once without paying, row by row, for
// the triggers that keep the full-text index (transactions_fts) and this
// connection's balance and payee caches current. Lives inside the caller's
// write transaction:
//
//     DbTransaction tx(db);
//     BulkWrite bulk(db, rowsAboutToBeWritten);
//     ... insert and update rows, through the repositories as usual ...
//     if (!bulk.finish() || !tx.commit())
//         ... nothing was written ...
//
// While the scope is open, the file's three full-text triggers and every
// temporary trigger on transactions are dropped, their SQL kept word for word.
// The rows the store held when the scope opened (rowid up to the largest one
// then, the floor) stay indexed: a temporary trigger re-indexes such a row
// when it is updated, and notes when one is deleted outright. Rows added in
// the scope are not indexed yet. finish() adds them to the index in one
// statement (or rebuilds the index, when the store held no rows or lost one),
// creates every trigger again as it was, and recounts the caches once.
//
// All of it is part of the caller's transaction, so other connections never
// see the store without its triggers, and a rollback brings them back with
// everything else. The scope fails closed: when finish() fails, or the scope
// is left without it, the whole transaction is rolled back at once (the
// caller's commit then fails); and while it is open, SQLite's commit hook
// turns any COMMIT on the connection into a rollback. Do not roll back to a
// savepoint older than the scope while it is open.
//
// Under minRows() rows, or outside a transaction, the scope stays inactive and
// the triggers do their work row by row; finish() then has nothing to do.
//
// The sync download writes a pulled page inside one write transaction:
//
//     DbTransaction tx(db);
//     BulkWrite bulk(db, records in the page, all entity types together);
//     ... apply accounts, categories, recurring, transactions, reconciliations
//         through the repositories exactly as before ...
//     if (!bulk.finish() || !tx.commit())
//         ... the page was not applied: keep the old cursor ...
//
// Pages under minRows() records are written row by row, as before. The
// finish() of every scope counts the balance and payee caches again for what
// they hold (one SUM per cached account, one pass over the payees when they
// are cached), so many small scopes in a row cost more than one large one:
// apply several pages under one scope where the download allows it.
class BulkWrite
{
public:
    // Below this many rows the per-row triggers cost less than the scope.
    static constexpr qsizetype kMinRows = 300;
    // The threshold in force (kMinRows unless changed). Benches and tests set
    // it out of reach to write the same rows row by row, for comparison.
    static qsizetype minRows();
    static void setMinRows(qsizetype rows);

    BulkWrite(const QSqlDatabase &db, qsizetype rows);
    ~BulkWrite();

    BulkWrite(const BulkWrite &) = delete;
    BulkWrite &operator=(const BulkWrite &) = delete;

    // Whether the triggers are suspended right now.
    bool isActive() const { return m_state == State::Suspended; }
    // Indexes the new rows, puts every trigger back and recounts the caches.
    // False when that failed: the transaction has been rolled back.
    bool finish();

private:
    enum class State { Inactive, Suspended, Finished, Failed };

    bool suspend();
    bool exec(const QString &sql);
    void failClosed(const char *why);
    void setHooks(bool on);
    static int refuseCommit(void *scope);
    static void noteRollback(void *scope);

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    State m_state = State::Inactive;
    qint64 m_floor = 0;
    QString m_error;
    // Name and SQL of every trigger dropped, to be created again as it was.
    QList<QPair<QString, QString>> m_fileTriggers;
    QList<QPair<QString, QString>> m_tempTriggers;
};
