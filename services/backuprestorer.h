#pragma once

#include "data/statementcache.h"
#include "services/backupservice.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Writes the row documents of a backup into one table. The documents come from
// a file of unknown origin, so only members whose name is a column of the table
// reach a statement (by the column's own name), and every value is bound.
class BackupRestorer {
public:
    BackupRestorer(const QSqlDatabase &db, BackupMode mode, BackupImportResult *result);

    // Starts on table (one of ours, never a name from the archive).
    void beginTable(const QString &table);
    // Restores one row document; path names it in error messages.
    void addRow(const QString &path, QJsonObject row);
    // Retries the rows that failed while others of the table were still coming
    // (a category stored before its parent), then reports what still fails.
    void finishTable();

private:
    enum class Outcome { Written, Skipped, Failed };
    struct PendingRow {
        QString path;
        QString id;
        QJsonObject row;
        QString error;
    };

    Outcome write(PendingRow &pending);
    Outcome exec(const QString &sql, const QVariantList &binds, PendingRow &pending);
    void count(Outcome outcome);
    QVariantList bindValues(const QStringList &columns, const QJsonObject &row) const;

    StatementCache m_statements;
    BackupMode m_mode;
    BackupImportResult *m_result;
    QString m_table;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex;
    QList<PendingRow> m_failed;
};
