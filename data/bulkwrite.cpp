#include "data/bulkwrite.h"

#include "data/dbtransaction.h"
#include "data/statementcache.h"
#include "data/transactioncaches.h"

#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

// The file's full-text triggers, as the store's first migration made them.
const QStringList kFileTriggers = {QStringLiteral("transactions_ad"), QStringLiteral("transactions_ai"),
                                   QStringLiteral("transactions_au")};
const QString kPrefix = QStringLiteral("bulk_write_");
qsizetype g_minRows = BulkWrite::kMinRows;

QList<QPair<QString, QString>> triggersOn(const QSqlDatabase &db, const char *schema, bool *ok)
{
    QList<QPair<QString, QString>> found;
    QSqlQuery q(db);
    *ok = q.exec(QStringLiteral("SELECT name, sql FROM %1.sqlite_master WHERE type = 'trigger' AND tbl_name = "
                                "'transactions' ORDER BY name")
                     .arg(QLatin1String(schema)));
    while (*ok && q.next())
        found.append({q.value(0).toString(), q.value(1).toString()});
    return found;
}

} // namespace

BulkWrite::BulkWrite(const QSqlDatabase &db, qsizetype rows)
    : m_db(db)
    , m_handle(DbTransaction::handle(db))
{
    if (rows < g_minRows || !m_handle || !DbTransaction::inTransaction(db))
        return;
    if (suspend())
        return;
    qWarning().noquote() << "BulkWrite: writing row by row:" << m_error;
    m_state = State::Inactive;
}

qsizetype BulkWrite::minRows()
{
    return g_minRows;
}

void BulkWrite::setMinRows(qsizetype rows)
{
    g_minRows = rows;
}

BulkWrite::~BulkWrite()
{
    if (m_state == State::Suspended)
        failClosed("left unfinished");
    setHooks(false);
    restoreCache();
}

bool BulkWrite::suspend()
{
    // All of it or none: a failure on the way rolls back to here, and the
    // triggers are as they were.
    DbTransaction step(m_db);
    if (!step.isActive()) {
        m_error = step.error();
        return false;
    }
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM main.transactions")) || !q.next()) {
        m_error = q.lastError().text();
        return false;
    }
    m_floor = q.value(0).toLongLong();
    q.finish();

    bool ok = false;
    m_fileTriggers = triggersOn(m_db, "main", &ok);
    QStringList names;
    for (const auto &trigger : std::as_const(m_fileTriggers))
        names.append(trigger.first);
    if (!ok || names != kFileTriggers) {
        m_error = QStringLiteral("the store's full-text triggers are not the known ones");
        return false;
    }
    m_tempTriggers = triggersOn(m_db, "temp", &ok);
    if (!ok)
        return false;
    for (auto &trigger : m_tempTriggers) {
        // SQLite keeps a temporary trigger's text without its TEMP; without
        // it the trigger would be written into the file.
        const QString create = QStringLiteral("CREATE TRIGGER ");
        if (trigger.first.startsWith(kPrefix) || !trigger.second.startsWith(create, Qt::CaseInsensitive)) {
            m_error = QStringLiteral("an unknown temporary trigger %1 is on transactions").arg(trigger.first);
            return false;
        }
        trigger.second = QStringLiteral("CREATE TEMP TRIGGER ") + trigger.second.mid(create.size());
    }

    for (const auto &trigger : std::as_const(m_fileTriggers)) {
        if (!exec(QStringLiteral("DROP TRIGGER main.%1").arg(trigger.first)))
            return false;
    }
    for (const auto &trigger : std::as_const(m_tempTriggers)) {
        if (!exec(QStringLiteral("DROP TRIGGER temp.%1").arg(trigger.first)))
            return false;
    }
    // Rows up to the floor are indexed and counted. What the index and the
    // caches hold of one is kept aside before it first changes; finish() takes
    // that out of both and puts the row in as it then is. A row deleted
    // outright is only noted, and the index and the caches are made whole
    // again at the end, since its rowid may then be given to a new row.
    const QString floor = QString::number(m_floor);
    if (!exec(QStringLiteral("CREATE TEMP TABLE %1state (deleted INTEGER NOT NULL)").arg(kPrefix)) ||
        !exec(QStringLiteral("INSERT INTO temp.%1state (deleted) VALUES (0)").arg(kPrefix)) ||
        !exec(QStringLiteral("CREATE TEMP TABLE %1before (row_id INTEGER PRIMARY KEY, account_id, amount, payee, memo, "
                             "check_number, deleted_at)")
                  .arg(kPrefix)) ||
        !exec(QStringLiteral("CREATE TEMP TRIGGER %1au AFTER UPDATE ON main.transactions WHEN old.rowid <= %2 BEGIN "
                             "INSERT OR IGNORE INTO %1before (row_id, account_id, amount, payee, memo, check_number, "
                             "deleted_at) VALUES (old.rowid, old.account_id, old.amount, old.payee, old.memo, "
                             "old.check_number, old.deleted_at); END")
                  .arg(kPrefix, floor)) ||
        !exec(QStringLiteral("CREATE TEMP TRIGGER %1ad AFTER DELETE ON main.transactions WHEN old.rowid <= %2 BEGIN "
                             "UPDATE %1state SET deleted = 1; END")
                  .arg(kPrefix, floor)) ||
        !TransactionCaches::hold(m_db))
        return false;
    if (!step.commit()) {
        m_error = step.error();
        return false;
    }
    m_state = State::Suspended;
    setHooks(true);
    growCache();
    return true;
}

void BulkWrite::growCache()
{
    // Many rows change pages all over the table and its indexes. With the
    // default cache of about 2 MB, SQLite writes changed pages out to the
    // log again and again before the commit; a larger one keeps them for the
    // one write at the end. Put back as it was when the scope ends.
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA cache_size")) || !q.next())
        return;
    const int current = q.value(0).toInt();
    q.finish();
    // Negative: in KiB; positive: in pages (of 4 KiB in our files).
    const qint64 kib = current < 0 ? -qint64(current) : qint64(current) * 4;
    if (current != 0 && kib < kCacheKiB) {
        if (q.exec(QStringLiteral("PRAGMA cache_size = -%1").arg(kCacheKiB)))
            m_cacheSize = current;
    }
}

void BulkWrite::restoreCache()
{
    if (m_cacheSize == 0)
        return;
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA cache_size = %1").arg(m_cacheSize));
    m_cacheSize = 0;
}

bool BulkWrite::finish()
{
    if (m_state != State::Suspended)
        return m_state != State::Failed;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT deleted FROM temp.%1state").arg(kPrefix)) || !q.next()) {
        failClosed("the scope's state cannot be read");
        return false;
    }
    const bool whole = m_floor == 0 || q.value(0).toInt() != 0;
    q.finish();

    const QString before = QStringLiteral("temp.%1before").arg(kPrefix);
    const QStringList index = whole
        ? QStringList{QStringLiteral("INSERT INTO main.transactions_fts (transactions_fts) VALUES ('rebuild')")}
        : QStringList{QStringLiteral("INSERT INTO main.transactions_fts (transactions_fts, rowid, payee, memo, "
                                     "check_number) SELECT 'delete', row_id, payee, memo, check_number FROM %1")
                          .arg(before),
                      QStringLiteral("INSERT INTO main.transactions_fts (rowid, payee, memo, check_number) SELECT "
                                     "t.rowid, t.payee, t.memo, t.check_number FROM %1 b "
                                     "CROSS JOIN main.transactions t ON t.rowid = b.row_id")
                          .arg(before),
                      QStringLiteral("INSERT INTO main.transactions_fts (rowid, payee, memo, check_number) SELECT "
                                     "rowid, payee, memo, check_number FROM main.transactions WHERE rowid > %1")
                          .arg(m_floor)};
    bool ok = true;
    for (const QString &sql : index)
        ok = ok && exec(sql);
    ok = ok && (whole ? TransactionCaches::countWhole(m_db) : TransactionCaches::countWritten(m_db, m_floor, before));
    ok = ok && exec(QStringLiteral("DROP TRIGGER temp.%1au").arg(kPrefix)) &&
        exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.%1ad").arg(kPrefix)) &&
        exec(QStringLiteral("DROP TABLE temp.%1before").arg(kPrefix)) &&
        exec(QStringLiteral("DROP TABLE temp.%1state").arg(kPrefix));
    for (const auto &trigger : std::as_const(m_fileTriggers))
        ok = ok && exec(trigger.second);
    for (const auto &trigger : std::as_const(m_tempTriggers))
        ok = ok && exec(trigger.second);
    if (!ok) {
        failClosed("the triggers cannot be put back");
        return false;
    }
    setHooks(false);
    restoreCache();
    m_state = State::Finished;
    return true;
}

bool BulkWrite::deleteAll()
{
    if (m_state == State::Suspended) {
        // Every row goes, so the index and the caches are made whole at the
        // end anyway: no row needs noting on its way out.
        if (!exec(QStringLiteral("UPDATE temp.%1state SET deleted = 1").arg(kPrefix)) ||
            !exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.%1ad").arg(kPrefix)))
            return false;
    }
    return exec(QStringLiteral("DELETE FROM main.transactions"));
}

bool BulkWrite::exec(const QString &sql)
{
    QSqlQuery q(m_db);
    if (q.exec(sql))
        return true;
    Sql::noteFailure(q.lastError());
    m_error = q.lastError().text();
    return false;
}

void BulkWrite::failClosed(const char *why)
{
    qWarning().noquote() << QStringLiteral("BulkWrite: %1%2; the transaction is rolled back")
                                .arg(QLatin1String(why), m_error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_error));
    m_state = State::Failed;
    setHooks(false);
    if (DbTransaction::inTransaction(m_db))
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}

void BulkWrite::setHooks(bool on)
{
    if (!m_handle)
        return;
    sqlite3_commit_hook(m_handle, on ? &BulkWrite::refuseCommit : nullptr, on ? this : nullptr);
    sqlite3_rollback_hook(m_handle, on ? &BulkWrite::noteRollback : nullptr, on ? this : nullptr);
}

int BulkWrite::refuseCommit(void *scope)
{
    // Non-zero turns the COMMIT into a rollback, which restores the triggers.
    auto *bulk = static_cast<BulkWrite *>(scope);
    if (bulk->m_state != State::Suspended)
        return 0;
    bulk->m_state = State::Failed;
    qWarning().noquote() << "BulkWrite: commit before finish() refused; the transaction is rolled back";
    return 1;
}

void BulkWrite::noteRollback(void *scope)
{
    // The rollback took the suspension with it: nothing is left to put back.
    auto *bulk = static_cast<BulkWrite *>(scope);
    if (bulk->m_state == State::Suspended)
        bulk->m_state = State::Failed;
}
