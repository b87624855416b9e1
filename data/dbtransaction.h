#pragma once

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// Scope guard for a multi-statement write: everything between construction and
// commit() is applied together, and is rolled back when the guard goes out of
// scope uncommitted.
//
// The outermost guard on a connection opens the transaction with BEGIN
// IMMEDIATE, so it takes the write lock at once and a second writer waits for
// it (up to the driver's busy time-out) instead of failing half-way through.
// Guards opened inside it are savepoints: an inner guard only becomes durable
// when the outer one commits.
//
// SQLite ends a transaction by itself on a full disk or an I/O error. After a
// failed statement, callers ask isActive(): when it is false, nothing written
// since the guard opened is in the store any more, and writing on would run
// outside any transaction.
class DbTransaction
{
public:
    enum class Mode {
        Write,     // BEGIN IMMEDIATE: holds the write lock until commit or rollback
        Deferred,  // BEGIN: one consistent snapshot for a series of reads, or writes
                   // to temporary tables only, without taking the write lock
    };

    explicit DbTransaction(const QSqlDatabase &db, Mode mode = Mode::Write);
    ~DbTransaction();

    DbTransaction(const DbTransaction &) = delete;
    DbTransaction &operator=(const DbTransaction &) = delete;

    // Opened, not yet committed or rolled back, and still held by SQLite.
    bool isActive() const;
    // The reason the guard could not open or commit, empty otherwise.
    QString error() const { return m_error; }
    // True only when the work is durable (or, for an inner guard, folded into
    // the outer transaction). A failed commit rolls back.
    bool commit();
    void rollback();

    // Whether the connection is inside a transaction right now, as SQLite
    // itself reports it (not as our guards remember it).
    static bool inTransaction(const QSqlDatabase &db);
    // SQLite's own handle of an open connection, or nullptr.
    static sqlite3 *handle(const QSqlDatabase &db);

private:
    QSqlDatabase m_db;
    QString m_savepoint;  // empty for the outermost guard
    QString m_error;
    bool m_active = false;
};
