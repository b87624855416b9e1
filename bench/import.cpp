// A whole QIF import against plain inserts of the rows it writes, and the
// peak memory of an import in a process of its own.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"
#include "data/bulkwrite.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "services/importservice.h"
#include "services/qifreader.h"
#include "services/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>

#include <limits>
#include <memory>

namespace {

const char *const kChildVariable = "QUILLET_BENCH_IMPORT_CHILD";
constexpr int kRecords = 100000;
constexpr int kLargeStore = 1000000;

struct SourceDef {
    const char *name;
    const char *type;
};
const SourceDef kSources[] = {
    {"Checking", "Bank"}, {"Savings", "Bank"}, {"Visa", "CCard"}, {"Wallet", "Cash"}, {"House", "Oth A"},
};
constexpr int kSourceCount = int(sizeof(kSources) / sizeof(kSources[0]));

struct Counts {
    int records = 0;
    int transfers = 0;
    int splits = 0;
};

// A QIF export of five accounts as a finance program writes it: a category
// list, then one section per account. About one record in ten is a side of
// a transfer (its other side is in the other account's section) and one in
// ten is split over two or three categories.
Counts writeQif(const QString &path, int records)
{
    QRandomGenerator random(20240615);
    QStringList categories;
    for (const char *name : {"Groceries", "Dining", "Fuel", "Rent", "Salary", "Utilities", "Insurance", "Gifts"}) {
        for (int sub = 0; sub < 5; ++sub)
            categories.append(QStringLiteral("%1:%2").arg(QLatin1String(name)).arg(sub + 1));
    }
    QStringList payees;
    for (int i = 0; i < 300; ++i)
        payees.append(QStringLiteral("Payee %1").arg(i));

    QList<QStringList> sections(kSourceCount);
    Counts counts;
    const QDate start(2000, 1, 1);
    while (counts.records < records) {
        const int account = int(random.bounded(kSourceCount));
        const QDate date = start.addDays(random.bounded(9000));
        const QString d = QStringLiteral("D%1/%2'%3\n").arg(date.month()).arg(date.day()).arg(date.year() % 100, 2, 10,
                                                                                                  QLatin1Char('0'));
        const qint64 cents = -qint64(random.bounded(1, 50000));
        const int kind = int(random.bounded(10));
        if (kind == 0 && counts.records + 2 <= records) {
            const int other = (account + 1 + int(random.bounded(kSourceCount - 1))) % kSourceCount;
            sections[account].append(d + QStringLiteral("T%1\nCX\nL[%2]\n^\n")
                                              .arg(amountText(cents), QLatin1String(kSources[other].name)));
            sections[other].append(d + QStringLiteral("T%1\nCX\nL[%2]\n^\n")
                                            .arg(amountText(-cents), QLatin1String(kSources[account].name)));
            counts.records += 2;
            ++counts.transfers;
            continue;
        }
        QString record = d + QStringLiteral("T%1\nN%2\nP%3\nM%4\n")
                                 .arg(amountText(cents))
                                 .arg(random.bounded(1000, 9999))
                                 .arg(payees.at(int(random.bounded(payees.size()))))
                                 .arg(QStringLiteral("Memo %1").arg(counts.records));
        if (kind == 1) {
            const qint64 first = cents / 3;
            record += QStringLiteral("S%1\n$%2\nS%3\n$%4\n")
                          .arg(categories.at(int(random.bounded(categories.size()))), amountText(first),
                               categories.at(int(random.bounded(categories.size()))), amountText(cents - first));
            ++counts.splits;
        } else {
            record += QStringLiteral("L%1\n").arg(categories.at(int(random.bounded(categories.size()))));
        }
        sections[account].append(record + QStringLiteral("^\n"));
        ++counts.records;
    }

    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QString head = QStringLiteral("!Type:Cat\n");
    for (const QString &c : std::as_const(categories))
        head += QStringLiteral("N%1\nE\n^\n").arg(c);
    file.write(head.toUtf8());
    for (int a = 0; a < kSourceCount; ++a) {
        file.write(QStringLiteral("!Account\nN%1\nT%2\n^\n!Type:%2\n")
                       .arg(QLatin1String(kSources[a].name), QLatin1String(kSources[a].type))
                       .toUtf8());
        file.write(sections.at(a).join(QString()).toUtf8());
    }
    return counts;
}

// A fresh store as the app opens it, with the five accounts; mapping holds
// their ids by lower-cased name.
struct ImportStore {
    std::unique_ptr<BenchStore> store;
    QHash<QString, QString> mapping;

    // The store at path starts empty, or as a copy of the store at from.
    void reset(const QString &path, const QString &from = QString())
    {
        store.reset();  // one connection at a time
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(path + suffix);
        if (!from.isEmpty() && !QFile::copy(from, path))
            qFatal("bench: cannot copy the large store");
        store = std::make_unique<BenchStore>(path);
        mapping.clear();
        for (int a = 0; a < kSourceCount; ++a) {
            const Account account =
                ImportService::accountForSource(QLatin1String(kSources[a].name), QifReader::Bank, a);
            store->accounts->insert(account);
            mapping.insert(account.name.toLower(), account.id);
        }
    }
};

// The parsed rows through one bare prepared statement in one transaction.
void insertBaseline(const QifParseResult &parsed, const ImportStore &target)
{
    QSqlDatabase connection = target.store->connection();
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    connection.transaction();
    QSqlQuery q(connection);
    q.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                             "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
                             "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const ParsedTransaction &t : parsed.transactions) {
        const QVariantList values{Ids::newId(), target.mapping.value(t.sourceAccount.toLower()),
                                  SqlValue::date(t.date), t.payee, t.memo, t.amount,
                                  QVariant(QMetaType::fromType<QString>()), t.number, t.cleared ? 1 : 0,
                                  t.reconciled ? 1 : 0, QString(), QString(), t.splits.isEmpty() ? 0 : 1, QString(), 1,
                                  QStringLiteral("pending"), QString(), now, now};
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        q.exec();
    }
    connection.commit();
}

ImportResult import(const QString &qifPath, const ImportStore &target)
{
    return target.store->services->import()->importQif({qifPath}, target.mapping);
}

// A store holding `rows` transactions in an account of their own, written in
// one statement and indexed at the end, closed so the file stands alone.
void writeLargeStore(const QString &path, int rows)
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    BenchStore store(path);
    StoreGenerator gen;
    const QString account = gen.addAccount(store.connection(), QStringLiteral("History"));
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    DbTransaction tx(store.connection());
    BulkWrite bulk(store.connection(), rows);
    QSqlQuery q(store.connection());
    q.prepare(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) INSERT INTO transactions (id, "
        "account_id, date, payee, memo, amount, check_number, cleared, reconciled, is_split, version, sync_status, "
        "created_at, updated_at) SELECT printf('history-%08d', i), ?, date('2000-01-01', '+' || (i % 9000) || ' "
        "days'), 'Payee ' || (i % 300), 'Memo ' || i, -(i % 50000), CAST(1000 + i % 9000 AS TEXT), 1, 0, 0, 1, "
        "'synced', ?, ? FROM n"));
    q.addBindValue(rows);
    q.addBindValue(account);
    q.addBindValue(now);
    q.addBindValue(now);
    if (!q.exec() || !bulk.finish() || !tx.commit())
        qFatal("bench: cannot write the large store");
}

// The three figures on a store made fresh before each run: bare inserts,
// the import row by row (each row through the store's triggers) and the
// import as it runs, which writes in bulk.
void measure(const BenchOptions &options, QTextStream &out, const QString &label, const QifParseResult &parsed,
             const QString &qifPath, const QString &dbPath, const QString &from)
{
    ImportStore target;
    const auto fresh = [&]() { target.reset(dbPath, from); };
    const double baseline = medianMs(options.repeats, [&]() { insertBaseline(parsed, target); }, fresh);
    ImportResult result;
    BulkWrite::setMinRows(std::numeric_limits<qsizetype>::max());
    const double rowByRow = medianMs(options.repeats, [&]() { result = import(qifPath, target); }, fresh);
    BulkWrite::setMinRows(BulkWrite::kMinRows);
    const double whole = medianMs(options.repeats, [&]() { result = import(qifPath, target); }, fresh);
    target.store.reset();
    out << label << ":\n";
    out << "  baseline, bare prepared INSERT of the same rows: " << qRound64(baseline) << " ms\n";
    out << "  import row by row (before): " << qRound64(rowByRow) << " ms, ratio " << ratioText(rowByRow, baseline)
        << "\n";
    out << "  import (read, parse, duplicates, categories, transfers, splits, insert, index): " << qRound64(whole)
        << " ms, ratio " << ratioText(whole, baseline) << "\n";
    out << "  imported " << result.imported << ", linked " << result.transfersLinked << ", categories created "
        << result.categoriesCreated << ", duplicates " << result.duplicates << "\n";
}

void run(const BenchOptions &options, QTextStream &out)
{
    const QString dbPath = QDir(options.workDir).filePath(QStringLiteral("import-bench.db"));
    ImportStore target;

    if (qEnvironmentVariableIsSet(kChildVariable)) {
        // The child run: one import in a process of its own, for its peak memory.
        target.reset(dbPath);
        const ImportResult result = import(qEnvironmentVariable(kChildVariable), target);
        out << "child_imported " << result.imported << "\n";
        out << "child_peak_rss_kb " << peakRssKb() << "\n";
        return;
    }

    const int records = std::max(10, int(kRecords * options.scale));
    const QString qifPath = QDir(options.workDir).filePath(QStringLiteral("import-bench.qif"));
    const Counts counts = writeQif(qifPath, records);
    const QifParseResult parsed = QifReader::parseFile(qifPath);
    out << "records: " << counts.records << " over " << kSourceCount << " accounts (" << counts.transfers
        << " transfers, " << counts.splits << " split records, " << parsed.categories.size() << " categories listed)\n";

    measure(options, out, QStringLiteral("into an empty store (import at most 0.80x)"), parsed, qifPath, dbPath,
            QString());
    const int large = std::max(1000, int(kLargeStore * options.scale));
    const QString largePath = QDir(options.workDir).filePath(QStringLiteral("import-bench-large.db"));
    writeLargeStore(largePath, large);
    measure(options, out, QStringLiteral("into a store of %1 transactions (import at most 1.00x)").arg(large), parsed,
            qifPath, dbPath, largePath);
    if (!options.keep)
        QFile::remove(largePath);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), qifPath);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("import"), QStringLiteral("--repeats=1"), QStringLiteral("--dir=") + options.workDir});
    child.waitForFinished(600000);
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("child_peak_rss_kb "))
            out << "peak RSS of an import in its own process: " << line.mid(18).toLongLong() / 1024
                << " MB (under 300 MB)\n";
    }
    if (!options.keep)
        QFile::remove(qifPath);
}

const BenchScenario::Registrar registrar("import",
                                         "QIF import of 100,000 records over five accounts into an empty store",
                                         run);

} // namespace
