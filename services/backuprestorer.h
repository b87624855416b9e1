#pragma once

#include "data/statementcache.h"
#include "services/backuparchive.h"
#include "services/backupcolumns.h"
#include "services/backupservice.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QSqlDatabase>

class QSqlError;

// Writes the row documents of a backup into the store, table by table, inside
// the caller's write transaction. The documents come from a file of unknown
// origin: only members named like a column of the table reach a statement
// (by the column's own name), each value must fit its column, and every value
// is bound.
class BackupRestorer
{
public:
    BackupRestorer(const QSqlDatabase &db, BackupMode mode, BackupImportResult *result);

    // Restores every table of the archive. A row that cannot be written is
    // skipped on its own. False when the store stopped taking writes at all
    // (locked, full, damaged): failure() says why, and the caller rolls back.
    bool restore(BackupArchive &archive);
    QString failure() const { return m_failure; }

private:
    enum class Outcome { Written, Skipped, Failed, Stopped };
    // A row checked and ready to bind: one value per column of the table,
    // with a bit set for each column the document holds.
    struct Row {
        QString path;
        QString id;
        quint64 present = 0;
        QVariantList values;
    };

    void restoreTable(BackupArchive &archive, const QString &folder, const QString &table);
    // The document as a row to write, or false (reported) when it is refused.
    bool accept(const BackupArchive::Document &document, Row *row);
    void refuse(const QString &error);
    // Rows of one id in two entries: both refused.
    QList<Row> withoutSharedIds(QList<Row> rows);
    // Categories whose parents come later in the archive: parents first.
    QList<Row> parentsFirst(const QList<Row> &rows) const;
    QVariant value(const Row &row, const QString &column) const;
    Outcome write(const Row &row, QString *error);
    // The INSERT (or UPDATE by id) of the given columns of the table.
    const QString &statement(quint64 columns, bool update);
    Outcome exec(const QString &sql, const QVariantList &binds, QString *error);
    // Whether error means the store as a whole refused the write.
    bool stops(const QSqlError &error) const;
    bool run(const QString &sql);

    // "Restore exactly": every table emptied first, the unbacked templates
    // kept aside and put back where their account returns.
    bool clearStore();
    bool putTemplatesBack();

    StatementCache m_statements;
    BackupMode m_mode;
    BackupImportResult *m_result;
    QString m_table;
    QList<BackupColumn> m_columns;
    QHash<QString, int> m_columnIndex;
    int m_idColumn = -1;
    bool m_tableWasEmpty = false;
    QString m_lookupSql;
    QHash<quint64, QString> m_inserts;
    QHash<quint64, QString> m_updates;
    QVariantList m_binds;
    // Transactions this restore wrote: their split lines become the backup's.
    QSet<QString> m_writtenTransactions;
    QString m_failure;
};
