#pragma once

#include <QSqlDatabase>
#include <QString>

// The per-connection caches over transactions: each account's sum of live
// amounts (temp.account_totals, for the accounts asked for) and the live rows
// per payee (temp.payee_counts, once payee_counts_ready holds its row). Both
// are kept current by temporary triggers on main.transactions; BulkWrite
// suspends those and brings the caches up to date itself.
namespace TransactionCaches {

// Creates the tables and triggers on the connection, when they are not there.
void install(const QSqlDatabase &db);

// Fills temp.payee_counts from the table (the caller empties it first).
const QString &countPayeesSql();

// Writes that go past the triggers (BulkWrite) are framed by hold() and one
// of the two counts, all inside one write transaction. hold() notes what the
// caches hold as the writes begin; a cache first counted in the meantime
// already holds part of them, and is counted whole at the end.
bool hold(const QSqlDatabase &db);
// Counts what the caches hold again from the whole table.
bool countWhole(const QSqlDatabase &db);
// Counts only the rows written: every row with a rowid above floor is new,
// and the table before holds (row_id, account_id, amount, payee, deleted_at)
// of every older row as it was before it changed. No older row may have been
// deleted.
bool countWritten(const QSqlDatabase &db, qint64 floor, const QString &before);

} // namespace TransactionCaches
