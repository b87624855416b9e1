#include "services/backuprestorer.h"

#include "data/bulkwrite.h"
#include "data/dbtransaction.h"
#include "services/backupformat.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kId = QStringLiteral("id");
const QString kUpdatedAt = QStringLiteral("updated_at");
const QString kTransactions = QStringLiteral("transactions");
const QString kSplitLines = QStringLiteral("split_lines");
const QString kCategories = QStringLiteral("categories");

// SQLite's primary result codes that mean the store refused the write as a
// whole, not this one row: busy, locked, out of memory, read-only, I/O error,
// damaged, full, cannot open, not a database.
bool isStoreFailure(int code)
{
    switch (code & 0xff) {
    case 5: case 6: case 7: case 8: case 10: case 11: case 13: case 14: case 26:
        return true;
    default:
        return false;
    }
}

QString errorText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

} // namespace

BackupRestorer::BackupRestorer(const QSqlDatabase &db, BackupMode mode, BackupImportResult *result)
    : m_statements(db)
    , m_mode(mode)
    , m_result(result)
{
}

bool BackupRestorer::restore(BackupArchive &archive)
{
    if (m_mode == BackupMode::Exact && !clearStore())
        return false;
    for (const BackupFormat::Table &table : BackupFormat::kTables) {
        restoreTable(archive, QLatin1String(table.folder), QLatin1String(table.table));
        if (!m_failure.isEmpty())
            return false;
    }
    return m_mode != BackupMode::Exact || putTemplatesBack();
}

void BackupRestorer::restoreTable(BackupArchive &archive, const QString &folder, const QString &table)
{
    m_table = table;
    m_columns = BackupColumn::of(m_statements.database(), table);
    m_columnIndex.clear();
    for (int i = 0; i < m_columns.size(); ++i)
        m_columnIndex.insert(m_columns.at(i).name, i);
    m_idColumn = m_columnIndex.value(kId, -1);
    if (m_idColumn < 0 || m_columns.size() > 64) {
        m_failure = BackupService::tr("the columns of %1 cannot be read").arg(table);
        return;
    }
    m_inserts.clear();
    m_updates.clear();
    // Bookkeeping tables (the import ids) carry no updated_at.
    m_lookupSql = QStringLiteral("SELECT id, %2 FROM %1 WHERE id = ?")
                      .arg(table, m_columnIndex.contains(kUpdatedAt) ? kUpdatedAt : QStringLiteral("NULL"));
    // When the table holds nothing yet, no row needs looking up. If that
    // cannot be told, every row is looked up as it comes.
    m_tableWasEmpty = false;
    if (m_mode != BackupMode::Exact) {
        QSqlQuery empty(m_statements.database());
        m_tableWasEmpty = empty.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(table)) &&
            empty.next() && empty.value(0).toInt() == 0;
    }

    QList<Row> rows;
    archive.forEachDocument(folder, &m_result->errors, [this, &rows](const BackupArchive::Document &document) {
        Row row;
        if (accept(document, &row))
            rows.append(std::move(row));
    });
    rows = withoutSharedIds(std::move(rows));
    if (table == kCategories)
        rows = parentsFirst(rows);

    // Many transactions are indexed for search once, after the last of them.
    BulkWrite bulk(m_statements.database(), table == kTransactions ? rows.size() : 0);
    for (const Row &row : std::as_const(rows)) {
        QString error;
        switch (write(row, &error)) {
        case Outcome::Written:
            ++m_result->imported;
            break;
        case Outcome::Skipped:
            ++m_result->skipped;
            break;
        case Outcome::Failed:
            refuse(QStringLiteral("%1: %2").arg(row.path, error));
            break;
        case Outcome::Stopped:
            m_failure = error;
            return;
        }
    }
    if (!bulk.finish())
        m_failure = BackupService::tr("the restored transactions cannot be indexed for search");
}

bool BackupRestorer::accept(const BackupArchive::Document &document, Row *row)
{
    const QString &path = document.path;
    // "folder/NAME.json", where NAME is a path of its own: no row of ours.
    if (!BackupColumn::isPlainName(path.mid(path.indexOf(QLatin1Char('/')) + 1).chopped(5))) {
        refuse(BackupService::tr("%1: bad entry name").arg(path));
        return false;
    }
    const QJsonObject &members = document.row;
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
        if (!m_columnIndex.contains(it.key()))
            m_result->errors.append(BackupService::tr("%1: unknown column %2").arg(path, it.key()));
    }
    const QJsonValue id = members.value(kId);
    if (!id.isString() || id.toString().isEmpty()) {
        ++m_result->skipped;
        return false;
    }

    row->path = path;
    row->id = id.toString();
    row->values.resize(m_columns.size());
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
        const int i = m_columnIndex.value(it.key(), -1);
        if (i < 0)
            continue;
        if (!m_columns.at(i).fit(it.value(), &row->values[i])) {
            refuse(BackupService::tr("%1: bad value for %2").arg(path, m_columns.at(i).name));
            return false;
        }
        row->present |= quint64(1) << i;
    }

    // Restored rows go up to the service again as new versions. Split lines
    // carry no sync marks, so only the columns the table has are set.
    const auto set = [this, row](const QString &column, const QVariant &value) {
        const int i = m_columnIndex.value(column, -1);
        if (i >= 0) {
            row->values[i] = value;
            row->present |= quint64(1) << i;
        }
    };
    set(QStringLiteral("sync_status"), QStringLiteral("pending"));
    set(QStringLiteral("server_id"), QVariant());
    set(QStringLiteral("version"), 1);
    return true;
}

void BackupRestorer::refuse(const QString &error)
{
    ++m_result->skipped;
    m_result->errors.append(error);
}

QList<BackupRestorer::Row> BackupRestorer::withoutSharedIds(QList<Row> rows)
{
    // A second row under one id would overwrite the first and be counted
    // twice: neither is believed.
    QHash<QString, int> count;
    count.reserve(rows.size());
    for (const Row &row : std::as_const(rows))
        ++count[row.id];
    if (count.size() == rows.size())
        return rows;
    QList<Row> unique;
    unique.reserve(count.size());
    for (Row &row : rows) {
        if (count.value(row.id) > 1)
            refuse(BackupService::tr("%1: the id %2 is in more than one entry").arg(row.path, row.id));
        else
            unique.append(std::move(row));
    }
    return unique;
}

QList<BackupRestorer::Row> BackupRestorer::parentsFirst(const QList<Row> &rows) const
{
    QHash<QString, int> index;
    index.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        index.insert(rows.at(i).id, i);
    const QString parent = QStringLiteral("parent_id");

    // Each row has at most one parent: walk up from every row not yet placed,
    // then place that chain from its top down. A cycle ends the walk.
    enum : char { Unplaced, OnChain, Placed };
    QList<char> state(rows.size(), Unplaced);
    QList<Row> ordered;
    ordered.reserve(rows.size());
    QList<int> chain;
    for (int start = 0; start < rows.size(); ++start) {
        chain.clear();
        for (int i = start; i >= 0 && state.at(i) == Unplaced; i = index.value(value(rows.at(i), parent).toString(), -1)) {
            state[i] = OnChain;
            chain.append(i);
        }
        for (auto it = chain.crbegin(); it != chain.crend(); ++it) {
            state[*it] = Placed;
            ordered.append(rows.at(*it));
        }
    }
    return ordered;
}

QVariant BackupRestorer::value(const Row &row, const QString &column) const
{
    const int i = m_columnIndex.value(column, -1);
    return i >= 0 && (row.present & (quint64(1) << i)) ? row.values.at(i) : QVariant();
}

BackupRestorer::Outcome BackupRestorer::write(const Row &row, QString *error)
{
    // A split line follows its transaction: it is restored when the
    // transaction was, and left out when the local transaction stays (with
    // its own lines, which add up to it).
    if (m_table == kSplitLines &&
        !m_writtenTransactions.contains(value(row, QStringLiteral("transaction_id")).toString()))
        return Outcome::Skipped;

    bool found = false;
    QString localUpdatedAt;
    // After "restore exactly" emptied the store, or when the table held
    // nothing before, no row can be there: the backup's own ids are unique.
    if (m_mode != BackupMode::Exact && !m_tableWasEmpty) {
        QSqlQuery *lookup = m_statements.prepare(m_lookupSql, {row.id}, "BackupService lookup failed:");
        if (!lookup) {
            *error = BackupService::tr("the table cannot be read");
            return Outcome::Failed;
        }
        if (!lookup->exec()) {
            const QSqlError failure = lookup->lastError();
            *error = errorText(failure);
            return stops(failure) ? Outcome::Stopped : Outcome::Failed;
        }
        found = lookup->next();
        localUpdatedAt = found ? lookup->value(1).toString() : QString();
        lookup->finish();
    }

    // The columns the row holds; an update leaves the id as it is.
    const quint64 columns = found ? row.present & ~(quint64(1) << m_idColumn) : row.present;
    m_binds.clear();
    for (int i = 0; i < m_columns.size(); ++i) {
        if (columns & (quint64(1) << i))
            m_binds.append(row.values.at(i));
    }
    Outcome outcome;
    if (!found) {
        outcome = exec(statement(columns, false), m_binds, error);
    } else {
        if (m_mode == BackupMode::Skip || columns == 0)
            return Outcome::Skipped;
        if (m_mode == BackupMode::KeepNewer) {
            const QVariant backupUpdatedAt = value(row, kUpdatedAt);
            if (!backupUpdatedAt.isNull() && !(backupUpdatedAt.toString() > localUpdatedAt))
                return Outcome::Skipped;
        }
        m_binds.append(row.id);
        outcome = exec(statement(columns, true), m_binds, error);
        // The transaction's lines become the backup's: the local ones go.
        if (outcome == Outcome::Written && m_table == kTransactions)
            outcome = exec(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"), {row.id}, error);
    }
    if (outcome == Outcome::Written && m_table == kTransactions)
        m_writtenTransactions.insert(row.id);
    return outcome;
}

const QString &BackupRestorer::statement(quint64 columns, bool update)
{
    // Rows of one table mostly hold the same columns: each text is made once.
    QHash<quint64, QString> &made = update ? m_updates : m_inserts;
    auto it = made.find(columns);
    if (it != made.end())
        return *it;
    QStringList names;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (columns & (quint64(1) << i))
            names.append(m_columns.at(i).name);
    }
    const QString sql = update
        ? QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?").arg(m_table, names.join(QStringLiteral(" = ?, ")))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(m_table, names.join(QStringLiteral(", ")),
                   QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    return *made.insert(columns, sql);
}

BackupRestorer::Outcome BackupRestorer::exec(const QString &sql, const QVariantList &binds, QString *error)
{
    // One statement per row: when it fails, SQLite undoes that statement alone
    // and the surrounding transaction carries on with the next row, unless the
    // store itself failed.
    QSqlQuery *q = m_statements.prepare(sql, binds, "BackupService cannot prepare:");
    if (!q) {
        *error = BackupService::tr("cannot prepare the statement");
        return Outcome::Failed;
    }
    if (!q->exec()) {
        const QSqlError failure = q->lastError();
        q->finish();
        *error = errorText(failure);
        return stops(failure) ? Outcome::Stopped : Outcome::Failed;
    }
    q->finish();
    return Outcome::Written;
}

bool BackupRestorer::stops(const QSqlError &error) const
{
    // A full disk or an I/O error ends the whole transaction inside SQLite:
    // writing on would commit rows one by one outside of it.
    return !DbTransaction::inTransaction(m_statements.database()) || isStoreFailure(error.nativeErrorCode().toInt());
}

bool BackupRestorer::run(const QString &sql)
{
    QSqlQuery q(m_statements.database());
    if (q.exec(sql))
        return true;
    m_failure = errorText(q.lastError());
    return false;
}

bool BackupRestorer::clearStore()
{
    // Templates are no part of a backup, but they refer to accounts.
    if (!run(QStringLiteral("DROP TABLE IF EXISTS temp.restore_templates")) ||
        !run(QStringLiteral("CREATE TEMP TABLE restore_templates AS SELECT * FROM main.transaction_templates")) ||
        !run(QStringLiteral("DELETE FROM main.transaction_templates")))
        return false;
    // The transactions leave the search index and the caches all at once.
    QSqlQuery count(m_statements.database());
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM main.transactions")) || !count.next()) {
        m_failure = errorText(count.lastError());
        return false;
    }
    BulkWrite bulk(m_statements.database(), count.value(0).toLongLong());
    count.finish();
    // Rows that refer to others go first.
    for (auto it = std::crbegin(BackupFormat::kTables); it != std::crend(BackupFormat::kTables); ++it) {
        const QString table = QLatin1String(it->table);
        if (table != kTransactions && !run(QStringLiteral("DELETE FROM main.%1").arg(table)))
            return false;
        if (table == kTransactions && !bulk.deleteAll()) {
            m_failure = bulk.error();
            return false;
        }
    }
    if (bulk.finish())
        return true;
    m_failure = BackupService::tr("the restored transactions cannot be indexed for search");
    return false;
}

bool BackupRestorer::putTemplatesBack()
{
    return run(QStringLiteral(
               "INSERT INTO main.transaction_templates (id, account_id, name, payee, amount, category_id, memo, "
               "check_number, is_payment, created_at, updated_at) SELECT id, account_id, name, payee, amount, "
               "CASE WHEN category_id IN (SELECT id FROM main.categories) THEN category_id END, memo, check_number, "
               "is_payment, created_at, updated_at FROM temp.restore_templates WHERE account_id IN "
               "(SELECT id FROM main.accounts)")) &&
        run(QStringLiteral("DROP TABLE temp.restore_templates"));
}
