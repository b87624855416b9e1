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
// then, the floor) stay indexed and counted; before one of them first changes,
// a temporary trigger keeps aside what the index and the caches hold of it.
// finish() takes that out of the index and the caches and adds, in a few
// statements, the rows as they now are: the changed older ones and every new
// one. It then creates every trigger again as it was. Only when a row the
// store held was deleted outright (its rowid may then have been given to a
// new row) are the index rebuilt and the caches counted again whole.
//
// All of it is part of the caller's transaction, so other connections never
// see the store without its triggers, and a rollback brings them back with
// everything else. The scope fails closed: when finish() fails, or the scope
// is left without it, the whole transaction is rolled back at once (the
// caller's commit then fails); and while it is open, SQLite's commit hook
// turns any COMMIT on the connection into a rollback. Do not roll back to a
// savepoint older than the scope while it is open.
//
// While the scope is open the connection's page cache is larger, so that
// the pages it changes stay in memory until the commit; it is put back as it
// was when the scope ends.
//
// Under minRows() rows, or outside a transaction, the scope stays inactive and
// the triggers do their work row by row; finish() then has nothing to do.
//
// The sync download writes the pages it pulls this way, about a thousand
// records in one write transaction; the cost of a scope grows with the rows
// written in it, not with the store.
class BulkWrite
{
public:
    // Below this many rows the per-row triggers cost less than the scope
    // (about even at 50; a page of the sync download holds up to 200).
    static constexpr qsizetype kMinRows = 100;
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
    // Why the last statement of the scope failed.
    QString error() const { return m_error; }
    // Indexes and counts the rows written, and puts every trigger back.
    // False when that failed: the transaction has been rolled back.
    bool finish();
    // Deletes every transaction (their split lines must be gone first). In an
    // active scope no row is handled on its way out: the index and the caches
    // are made whole at finish(). False when the store refused.
    bool deleteAll();

private:
    enum class State { Inactive, Suspended, Finished, Failed };

    bool suspend();
    // The page cache while the scope lives, in KiB.
    static constexpr int kCacheKiB = 64 * 1024;
    void growCache();
    void restoreCache();
    bool exec(const QString &sql);
    void failClosed(const char *why);
    void setHooks(bool on);
    static int refuseCommit(void *scope);
    static void noteRollback(void *scope);

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    State m_state = State::Inactive;
    qint64 m_floor = 0;
    // The connection's cache size before the scope grew it; 0 when untouched.
    int m_cacheSize = 0;
    QString m_error;
    // Name and SQL of every trigger dropped, to be created again as it was.
    QList<QPair<QString, QString>> m_fileTriggers;
    QList<QPair<QString, QString>> m_tempTriggers;
};
