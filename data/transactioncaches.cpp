#include "data/transactioncaches.h"

#include "data/statementcache.h"

#include <QSqlQuery>

namespace {

const QString kCountPayees = QStringLiteral(
    "INSERT INTO temp.payee_counts (payee, n) SELECT payee, COUNT(*) FROM main.transactions WHERE deleted_at IS NULL "
    "AND payee != '' GROUP BY payee");

// An account's sum as its cache keeps it, for a row of temp.account_totals.
const QString kAccountSum = QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM main.transactions t WHERE "
                                           "t.account_id = account_totals.account_id AND t.deleted_at IS NULL");
// The ready row's value while the payee counts are held (counting them writes 1).
constexpr int kHeld = -1;

// Which caches the connection has, and whether the payee counts were taken.
struct Present {
    bool totals = false;
    bool payees = false;
};

bool present(const QSqlDatabase &db, Present *found)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM temp.sqlite_master WHERE name = 'account_totals'), "
                               "(SELECT COUNT(*) FROM temp.sqlite_master WHERE name = 'payee_counts_ready')")) ||
        !q.next()) {
        Sql::warn("TransactionCaches: cannot read which caches there are:", q);
        return false;
    }
    found->totals = q.value(0).toInt() > 0;
    const bool payeeTable = q.value(1).toInt() > 0;
    q.finish();
    if (!payeeTable)
        return true;
    if (!q.exec(QStringLiteral("SELECT 1 FROM temp.payee_counts_ready"))) {
        Sql::warn("TransactionCaches: cannot read which caches there are:", q);
        return false;
    }
    found->payees = q.next();  // not counted yet: counted on first use
    return true;
}

bool run(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    Sql::warn("TransactionCaches: cannot count the caches again:", q);
    return false;
}

bool countPayeesAgain(const QSqlDatabase &db)
{
    return run(db, QStringLiteral("DELETE FROM temp.payee_counts")) && run(db, kCountPayees);
}

// Ends a hold: the copy goes, and the payee counts are ready as usual.
bool release(const QSqlDatabase &db, const Present &caches)
{
    return run(db, QStringLiteral("DROP TABLE IF EXISTS temp.caches_held")) &&
        (!caches.payees ||
         run(db, QStringLiteral("UPDATE temp.payee_counts_ready SET built = 1 WHERE built = %1").arg(kHeld)));
}

} // namespace

namespace TransactionCaches {

void install(const QSqlDatabase &db)
{
    // Account balances are asked for on every change (the sidebar), so the
    // connection keeps per-account sums current with temporary triggers. The
    // file's schema is untouched; an account's sum is computed on first use
    // and adjusted by every later write, whoever makes it.
    QSqlQuery q(db);
    const char *const statements[] = {
        "CREATE TEMP TABLE IF NOT EXISTS account_totals (account_id TEXT PRIMARY KEY, total INTEGER NOT NULL)",
        "CREATE TEMP TRIGGER IF NOT EXISTS account_totals_ai AFTER INSERT ON main.transactions "
        "WHEN new.deleted_at IS NULL BEGIN "
        "UPDATE account_totals SET total = total + new.amount WHERE account_id = new.account_id; END",
        "CREATE TEMP TRIGGER IF NOT EXISTS account_totals_ad AFTER DELETE ON main.transactions "
        "WHEN old.deleted_at IS NULL BEGIN "
        "UPDATE account_totals SET total = total - old.amount WHERE account_id = old.account_id; END",
        "CREATE TEMP TRIGGER IF NOT EXISTS account_totals_au AFTER UPDATE OF amount, deleted_at, account_id "
        "ON main.transactions BEGIN "
        "UPDATE account_totals SET total = total - old.amount WHERE account_id = old.account_id AND old.deleted_at IS NULL; "
        "UPDATE account_totals SET total = total + new.amount WHERE account_id = new.account_id AND new.deleted_at IS NULL; "
        "END",
        // The payee completion lists are asked for after every register write;
        // the live rows per payee are counted once and then kept the same way.
        // The counts are taken only after payee_counts_ready holds its row.
        "CREATE TEMP TABLE IF NOT EXISTS payee_counts (payee TEXT PRIMARY KEY, n INTEGER NOT NULL)",
        "CREATE TEMP TABLE IF NOT EXISTS payee_counts_ready (built INTEGER NOT NULL)",
        "CREATE TEMP TRIGGER IF NOT EXISTS payee_counts_ai AFTER INSERT ON main.transactions "
        "WHEN new.deleted_at IS NULL AND new.payee != '' AND EXISTS (SELECT 1 FROM payee_counts_ready) BEGIN "
        "INSERT INTO payee_counts (payee, n) VALUES (new.payee, 1) ON CONFLICT(payee) DO UPDATE SET n = n + 1; END",
        "CREATE TEMP TRIGGER IF NOT EXISTS payee_counts_ad AFTER DELETE ON main.transactions "
        "WHEN old.deleted_at IS NULL AND old.payee != '' BEGIN "
        "UPDATE payee_counts SET n = n - 1 WHERE payee = old.payee; END",
        "CREATE TEMP TRIGGER IF NOT EXISTS payee_counts_au AFTER UPDATE OF payee, deleted_at ON main.transactions "
        "WHEN EXISTS (SELECT 1 FROM payee_counts_ready) BEGIN "
        "UPDATE payee_counts SET n = n - 1 WHERE payee = old.payee AND old.deleted_at IS NULL AND old.payee != ''; "
        "INSERT INTO payee_counts (payee, n) SELECT new.payee, 1 WHERE new.deleted_at IS NULL AND new.payee != '' "
        "ON CONFLICT(payee) DO UPDATE SET n = n + 1; "
        "END",
    };
    for (const char *sql : statements) {
        if (!q.exec(QString::fromLatin1(sql)))
            Sql::warn("TransactionRepository: cannot prepare the balance and payee caches:", q);
    }
}

const QString &countPayeesSql()
{
    return kCountPayees;
}

bool hold(const QSqlDatabase &db)
{
    Present caches;
    if (!present(db, &caches))
        return false;
    // Nothing adjusts a cache while its triggers are suspended, so a held
    // account whose total is still the one held here has been left alone.
    // The payee counts are marked instead of copied: counting them again
    // writes a fresh ready row over the mark.
    return run(db, QStringLiteral("CREATE TEMP TABLE caches_held (account_id TEXT PRIMARY KEY, total INTEGER)")) &&
        (!caches.totals ||
         run(db, QStringLiteral("INSERT INTO temp.caches_held (account_id, total) SELECT account_id, total FROM "
                                "temp.account_totals"))) &&
        (!caches.payees || run(db, QStringLiteral("UPDATE temp.payee_counts_ready SET built = %1").arg(kHeld)));
}

bool countWhole(const QSqlDatabase &db)
{
    Present caches;
    if (!present(db, &caches))
        return false;
    if (caches.totals && !run(db, QStringLiteral("UPDATE temp.account_totals SET total = (%1)").arg(kAccountSum)))
        return false;
    if (caches.payees && !countPayeesAgain(db))
        return false;
    return release(db, caches);
}

bool countWritten(const QSqlDatabase &db, qint64 floor, const QString &before)
{
    Present caches;
    if (!present(db, &caches))
        return false;
    // What the rows add now (the new ones and the older ones that changed),
    // less what those older ones added before. An account first counted
    // after the writes began already holds part of them: it is counted whole.
    const QString floorText = QString::number(floor);
    if (caches.totals &&
        !run(db, QStringLiteral("WITH delta (account_id, amount) AS ("
                                "SELECT account_id, amount FROM main.transactions "
                                "WHERE rowid > %1 AND deleted_at IS NULL "
                                "UNION ALL SELECT t.account_id, t.amount FROM %2 b "
                                "CROSS JOIN main.transactions t ON t.rowid = b.row_id WHERE t.deleted_at IS NULL "
                                "UNION ALL SELECT account_id, -amount FROM %2 WHERE deleted_at IS NULL), "
                                "sums AS MATERIALIZED ("
                                "SELECT account_id, SUM(amount) AS amount FROM delta GROUP BY account_id) "
                                "UPDATE temp.account_totals SET total = CASE WHEN EXISTS (SELECT 1 FROM "
                                "temp.caches_held h WHERE h.account_id = account_totals.account_id AND h.total = "
                                "account_totals.total) THEN total + COALESCE((SELECT amount FROM sums s WHERE "
                                "s.account_id = account_totals.account_id), 0) ELSE (%3) END")
                     .arg(floorText, before, kAccountSum)))
        return false;
    if (caches.payees) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT built FROM temp.payee_counts_ready")) || !q.next()) {
            Sql::warn("TransactionCaches: cannot count the caches again:", q);
            return false;
        }
        const bool held = q.value(0).toInt() == kHeld;
        q.finish();
        const bool counted = held
            ? run(db, QStringLiteral("WITH delta (payee, n) AS ("
                                     "SELECT payee, 1 FROM main.transactions "
                                     "WHERE rowid > %1 AND deleted_at IS NULL AND payee != '' "
                                     "UNION ALL SELECT t.payee, 1 FROM %2 b CROSS JOIN main.transactions t "
                                     "ON t.rowid = b.row_id WHERE t.deleted_at IS NULL AND t.payee != '' "
                                     "UNION ALL SELECT payee, -1 FROM %2 WHERE deleted_at IS NULL AND payee != '') "
                                     "INSERT INTO temp.payee_counts (payee, n) SELECT payee, SUM(n) FROM delta "
                                     "WHERE true GROUP BY payee HAVING SUM(n) != 0 "
                                     "ON CONFLICT (payee) DO UPDATE SET n = n + excluded.n")
                          .arg(floorText, before))
            : countPayeesAgain(db);
        if (!counted)
            return false;
    }
    return release(db, caches);
}

} // namespace TransactionCaches
