// Backup export and restore against bare inserts of the same rows.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"

#include "data/bulkwrite.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "services/backupservice.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>
#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr int kTransactions = 100000;
constexpr int kSplitLines = 20000;
constexpr int kAccounts = 10;
const char *const kTables[] = {"accounts",       "categories", "transactions", "split_lines", "recurring_transactions",
                               "reconciliations"};

struct TableRows {
    QString table;
    QStringList columns;
    QList<QVariantList> rows;
};

QString removeStore(const BenchOptions &o, const QString &name)
{
    const QString path = QDir(o.workDir).filePath(name);
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    return path;
}

// A migrated store with nothing in it (no default categories).
std::unique_ptr<Database> emptyStore(const BenchOptions &o, const QString &name)
{
    auto db = std::make_unique<Database>();
    if (!db->open(removeStore(o, name)) || !db->runMigrations())
        qFatal("bench: cannot open an empty store");
    return db;
}

QList<TableRows> readAll(const QSqlDatabase &db)
{
    QList<TableRows> all;
    for (const char *table : kTables) {
        TableRows t{QString::fromLatin1(table), {}, {}};
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM %1").arg(t.table));
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            t.columns.append(record.fieldName(i));
        while (q.next()) {
            QVariantList values;
            for (int i = 0; i < record.count(); ++i)
                values.append(q.value(i));
            t.rows.append(values);
        }
        all.append(t);
    }
    return all;
}

// The baseline: every row through one bare prepared INSERT per table, in one transaction.
void bareInsert(const QSqlDatabase &db, const QList<TableRows> &all)
{
    DbTransaction tx(db);
    for (const TableRows &t : all) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(t.table, t.columns.join(QStringLiteral(", ")),
                           QStringList(t.columns.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
        for (const QVariantList &values : t.rows) {
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values.at(i));
            q.exec();
        }
    }
    tx.commit();
}

// The baseline of a restore over a store that holds rows: every table
// emptied with a bare DELETE, then the bare inserts, in one transaction.
void bareReplace(const QSqlDatabase &db, const QList<TableRows> &all)
{
    DbTransaction tx(db);
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        QSqlQuery(db).exec(QStringLiteral("DELETE FROM %1").arg(it->table));
    bareInsert(db, all);
    tx.commit();
}

void backupScenario(const BenchOptions &o, QTextStream &out)
{
    const int transactions = std::max(10, int(kTransactions * o.scale));
    const int splitLines = std::max(2, int(kSplitLines * o.scale));

    QByteArray archive;
    QList<TableRows> rows;
    double exportMs = 0;
    {
        BenchStore source(removeStore(o, QStringLiteral("backup-source.db")));
        fillWithSplits(source, kAccounts, transactions, splitLines);
        rows = readAll(source.connection());
        BackupService service(source.db);
        exportMs = medianMs(o.repeats, [&] { archive = service.exportBackup(); });
    }
    qsizetype total = 0;
    for (const TableRows &t : std::as_const(rows))
        total += t.rows.size();

    std::unique_ptr<Database> target;
    const double bareMs = medianMs(
        o.repeats, [&] { bareInsert(target->connection(), rows); },
        [&] {
            target.reset();
            target = emptyStore(o, QStringLiteral("backup-bare.db"));
        });

    BackupImportResult result;
    const auto emptyTarget = [&] {
        target.reset();
        target = emptyStore(o, QStringLiteral("backup-restore.db"));
    };
    // A restore row by row, then as it runs (in bulk), each on a store made by before.
    const auto rowByRowAndBulk = [&](BackupMode mode, const std::function<void()> &before) {
        const auto restore = [&] { result = BackupService(target.get()).importBackup(archive, mode); };
        BulkWrite::setMinRows(std::numeric_limits<qsizetype>::max());
        const double rowByRow = medianMs(o.repeats, restore, before);
        BulkWrite::setMinRows(BulkWrite::kMinRows);
        return std::make_pair(rowByRow, medianMs(o.repeats, restore, before));
    };
    const auto [rowByRowMs, restoreMs] = rowByRowAndBulk(BackupMode::Replace, emptyTarget);

    // "Restore exactly" over a store that holds the same rows: they all go first.
    const auto fullTarget = [&] {
        emptyTarget();
        bareInsert(target->connection(), rows);
    };
    const double bareReplaceMs = medianMs(o.repeats, [&] { bareReplace(target->connection(), rows); }, fullTarget);
    const auto [exactRowByRowMs, exactMs] = rowByRowAndBulk(BackupMode::Exact, fullTarget);
    target.reset();
    if (result.imported != total || !result.errors.isEmpty())
        out << "WARNING: restored " << result.imported << " of " << total << " rows, " << result.errors.size()
            << " errors\n";

    out << QStringLiteral("store: %1 transactions, %2 split lines, %3 rows in all\n")
               .arg(transactions)
               .arg(splitLines)
               .arg(total);
    out << QStringLiteral("export: %1 ms, archive %2 MiB (%3 bytes/row)\n")
               .arg(exportMs, 0, 'f', 0)
               .arg(double(archive.size()) / (1024.0 * 1024.0), 0, 'f', 1)
               .arg(archive.size() / std::max<qsizetype>(1, total));
    out << QStringLiteral("restore into an empty store: %1 ms; bare insert of the same rows %2 ms; "
                          "restore / bare insert %3 (target <= 0.80x)\n")
               .arg(restoreMs, 0, 'f', 0)
               .arg(bareMs, 0, 'f', 0)
               .arg(ratioText(restoreMs, bareMs));
    out << QStringLiteral("restore row by row (before): %1 ms; / bare insert %2\n")
               .arg(rowByRowMs, 0, 'f', 0)
               .arg(ratioText(rowByRowMs, bareMs));
    out << QStringLiteral("restore exactly over a store of the same rows: %1 ms; / bare insert %2 (target <= 0.80x); "
                          "bare delete and insert of the same rows %3 ms; / that %4\n")
               .arg(exactMs, 0, 'f', 0)
               .arg(ratioText(exactMs, bareMs))
               .arg(bareReplaceMs, 0, 'f', 0)
               .arg(ratioText(exactMs, bareReplaceMs));
    out << QStringLiteral("restore exactly row by row (before): %1 ms; / bare insert %2\n")
               .arg(exactRowByRowMs, 0, 'f', 0)
               .arg(ratioText(exactRowByRowMs, bareMs));
}

const BenchScenario::Registrar registrar("backup", "backup export and restore vs bare inserts of the same rows",
                                         backupScenario);

} // namespace
