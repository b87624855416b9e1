#include "services/backuprestorer.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace {

const QString kId = QStringLiteral("id");
const QString kUpdatedAt = QStringLiteral("updated_at");

QVariant boundValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double: {
        const QVariant exact = value.toVariant();
        if (exact.typeId() == QMetaType::LongLong)
            return exact;
        // A number written with a fraction or exponent; the store keeps whole
        // numbers, so an integral one goes in as an integer.
        const double d = value.toDouble();
        if (std::trunc(d) == d && std::fabs(d) < 9.0e18)
            return qint64(d);
        return d;
    }
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool();
    default:
        return QVariant();
    }
}

} // namespace

BackupRestorer::BackupRestorer(const QSqlDatabase &db, BackupMode mode, BackupImportResult *result)
    : m_statements(db)
    , m_mode(mode)
    , m_result(result)
{
}

void BackupRestorer::beginTable(const QString &table)
{
    m_table = table;
    m_columns.clear();
    m_columnIndex.clear();
    QSqlQuery q(m_statements.database());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        qWarning().noquote() << "BackupService cannot read the columns of" << table << q.lastError().text();
    while (q.next()) {
        m_columnIndex.insert(q.value(1).toString(), int(m_columns.size()));
        m_columns.append(q.value(1).toString());
    }
}

void BackupRestorer::addRow(const QString &path, QJsonObject row)
{
    for (auto it = row.begin(); it != row.end();) {
        if (!m_columnIndex.contains(it.key())) {
            m_result->errors.append(BackupService::tr("%1: unknown column %2").arg(path, it.key()));
            it = row.erase(it);
            continue;
        }
        if (it->isArray() || it->isObject()) {
            m_result->errors.append(BackupService::tr("%1: unsupported value for %2").arg(path, it.key()));
            ++m_result->skipped;
            return;
        }
        ++it;
    }

    // Restored rows go up to the service again as new versions. Split lines
    // carry no sync marks, so only the columns the table has are set.
    if (m_columnIndex.contains(QStringLiteral("sync_status")))
        row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    if (m_columnIndex.contains(QStringLiteral("server_id")))
        row.insert(QStringLiteral("server_id"), QJsonValue::Null);
    if (m_columnIndex.contains(QStringLiteral("version")))
        row.insert(QStringLiteral("version"), 1);

    PendingRow pending{path, row.value(kId).toString(), row, QString()};
    if (pending.id.isEmpty()) {
        ++m_result->skipped;
        return;
    }
    const Outcome outcome = write(pending);
    if (outcome == Outcome::Failed)
        m_failed.append(pending);
    else
        count(outcome);
}

void BackupRestorer::finishTable()
{
    // Each pass retries what failed before; it ends when a pass writes nothing.
    bool progress = true;
    while (!m_failed.isEmpty() && progress) {
        progress = false;
        QList<PendingRow> stillFailing;
        for (PendingRow &pending : m_failed) {
            const Outcome outcome = write(pending);
            if (outcome == Outcome::Failed) {
                stillFailing.append(pending);
            } else {
                count(outcome);
                progress = true;
            }
        }
        m_failed.swap(stillFailing);
    }
    for (const PendingRow &pending : std::as_const(m_failed)) {
        ++m_result->skipped;
        m_result->errors.append(QStringLiteral("%1: %2").arg(pending.path, pending.error));
    }
    m_failed.clear();
}

BackupRestorer::Outcome BackupRestorer::write(PendingRow &pending)
{
    QSqlQuery *lookup = m_statements.prepare(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(m_table),
                                             {pending.id}, "BackupService lookup failed:");
    if (!lookup || !lookup->exec()) {
        pending.error = lookup ? lookup->lastError().text() : BackupService::tr("the table cannot be read");
        return Outcome::Failed;
    }
    const bool found = lookup->next();
    const QString localUpdatedAt = found ? lookup->value(1).toString() : QString();
    lookup->finish();

    // Every member left is a column: its SQL name is the one the table reported.
    QStringList columns;
    for (auto it = pending.row.constBegin(); it != pending.row.constEnd(); ++it)
        columns.append(m_columns.at(m_columnIndex.value(it.key())));

    if (!found) {
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(m_table, columns.join(QStringLiteral(", ")),
                                     QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
        return exec(sql, bindValues(columns, pending.row), pending);
    }

    if (m_mode == BackupMode::Skip)
        return Outcome::Skipped;
    if (m_mode == BackupMode::KeepNewer) {
        const QJsonValue backupUpdatedAt = pending.row.value(kUpdatedAt);
        const bool hasUpdatedAt = !backupUpdatedAt.isUndefined() && !backupUpdatedAt.isNull();
        if (hasUpdatedAt && !(backupUpdatedAt.toString() > localUpdatedAt))
            return Outcome::Skipped;
    }
    columns.removeAll(kId);
    if (columns.isEmpty())
        return Outcome::Skipped;
    QStringList assignments;
    assignments.reserve(columns.size());
    for (const QString &column : std::as_const(columns))
        assignments.append(column + QStringLiteral(" = ?"));
    QVariantList binds = bindValues(columns, pending.row);
    binds.append(pending.id);
    return exec(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(m_table, assignments.join(QStringLiteral(", "))),
                binds, pending);
}

BackupRestorer::Outcome BackupRestorer::exec(const QString &sql, const QVariantList &binds, PendingRow &pending)
{
    // One statement per row: when it fails, SQLite undoes that statement alone
    // and the surrounding transaction carries on with the next row.
    QSqlQuery *q = m_statements.prepare(sql, binds, "BackupService cannot prepare:");
    if (!q) {
        pending.error = BackupService::tr("cannot prepare the statement");
        return Outcome::Failed;
    }
    if (!q->exec()) {
        const QSqlError error = q->lastError();
        pending.error = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        q->finish();
        return Outcome::Failed;
    }
    q->finish();
    return Outcome::Written;
}

void BackupRestorer::count(Outcome outcome)
{
    if (outcome == Outcome::Written)
        ++m_result->imported;
    else
        ++m_result->skipped;
}

QVariantList BackupRestorer::bindValues(const QStringList &columns, const QJsonObject &row) const
{
    QVariantList values;
    values.reserve(columns.size() + 1);
    for (const QString &column : columns)
        values.append(boundValue(row.value(column)));
    return values;
}
