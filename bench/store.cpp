// Store-level figures: register query, bulk insert, search, sidebar balances.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"

#include "data/clock.h"
#include "data/dbtransaction.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

QString freshPath(const BenchOptions &o, const QString &name)
{
    const QString path = QDir(o.workDir).filePath(name);
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
    return path;
}

void registerRows(const BenchOptions &o, QTextStream &out)
{
    const int n = std::max(1000, int(100000 * o.scale));
    BenchStore store(freshPath(o, QStringLiteral("register-rows.db")));
    StoreGenerator gen;
    const QString account = gen.addAccount(store.connection(), QStringLiteral("Checking"));
    gen.addTransactions(store.connection(), account, n);

    int rows = 0;
    const double ours = medianMs(o.repeats, [&] { rows = int(store.transactions->registerRows(account).size()); });
    const double base =
        medianMs(o.repeats, [&] { rows = std::max(rows, bareRegisterQuery(store.connection(), account)); });
    out << QStringLiteral("register rows (%1 transactions): %2 ms, bare query %3 ms, ratio %4 (target <= 1.5x)\n")
               .arg(rows)
               .arg(ours, 0, 'f', 1)
               .arg(base, 0, 'f', 1)
               .arg(ratioText(ours, base));
}

void bulkInsert(const BenchOptions &o, QTextStream &out)
{
    const int n = std::max(1000, int(100000 * o.scale));
    StoreGenerator gen;
    QList<Transaction> rows;
    rows.reserve(n);
    const QDate from = Clock::today().addYears(-10);
    const QDateTime now = Clock::nowUtc();
    for (int i = 0; i < n; ++i) {
        const StoreGenerator::Row r = gen.nextRow(from, 3650);
        Transaction t;
        t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        t.date = r.date;
        t.payee = r.payee;
        t.memo = r.memo;
        t.amount = r.amount;
        t.checkNumber = r.checkNumber;
        t.cleared = r.cleared;
        t.createdAt = t.updatedAt = now.addSecs(i);
        rows.append(t);
    }

    QList<double> oursSamples, baseSamples;
    for (int rep = 0; rep < std::max(1, o.repeats / 2); ++rep) {
        {
            BenchStore store(freshPath(o, QStringLiteral("insert-ours.db")));
            const QString account = gen.addAccount(store.connection(), QStringLiteral("Checking"));
            const QSignalBlocker block(store.transactions);
            oursSamples.append(timeMs([&] {
                DbTransaction tx(store.connection());
                for (Transaction t : std::as_const(rows)) {
                    t.accountId = account;
                    store.transactions->insert(t);
                }
                tx.commit();
            }));
        }
        {
            BenchStore store(freshPath(o, QStringLiteral("insert-base.db")));
            const QString account = gen.addAccount(store.connection(), QStringLiteral("Checking"));
            baseSamples.append(timeMs([&] {
                QSqlDatabase db = store.connection();
                db.transaction();
                QSqlQuery q(db);
                q.prepare(QStringLiteral(
                    "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
                    "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
                    "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                    "?, ?, ?, ?, ?, ?)"));
                for (const Transaction &t : std::as_const(rows)) {
                    q.bindValue(0, t.id);
                    q.bindValue(1, account);
                    q.bindValue(2, t.date.toString(Qt::ISODate));
                    q.bindValue(3, t.payee);
                    q.bindValue(4, t.memo);
                    q.bindValue(5, t.amount);
                    q.bindValue(6, QVariant(QMetaType::fromType<QString>()));
                    q.bindValue(7, t.checkNumber);
                    q.bindValue(8, t.cleared ? 1 : 0);
                    q.bindValue(9, 0);
                    q.bindValue(10, QString());
                    q.bindValue(11, QString());
                    q.bindValue(12, 0);
                    q.bindValue(13, QString());
                    q.bindValue(14, 1);
                    q.bindValue(15, QStringLiteral("pending"));
                    q.bindValue(16, QString());
                    q.bindValue(17, t.createdAt.toString(Qt::ISODate));
                    q.bindValue(18, t.updatedAt.toString(Qt::ISODate));
                    q.exec();
                }
                db.commit();
            }));
        }
    }
    std::sort(oursSamples.begin(), oursSamples.end());
    std::sort(baseSamples.begin(), baseSamples.end());
    const double ours = oursSamples.at(oursSamples.size() / 2);
    const double base = baseSamples.at(baseSamples.size() / 2);
    out << QStringLiteral("insert %1 rows in one transaction: %2 rows/s through the repository, %3 rows/s bare "
                          "(%4% of baseline, target >= 70%)\n")
               .arg(n)
               .arg(qint64(n / (ours / 1000.0)))
               .arg(qint64(n / (base / 1000.0)))
               .arg(qRound(100.0 * base / ours));
}

// The search as one statement (full-text join, the filters, newest 200) through
// a bare prepared query without mapping rows to records: the baseline of search figures.
int bareSearchQuery(const QSqlDatabase &db, const TransactionSearch &s)
{
    QVariantList binds;
    const QString sql = TransactionRepository::plainSearchSql(s, &binds);
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant &b : std::as_const(binds))
        q.addBindValue(b);
    int rows = 0;
    if (q.exec()) {
        const int columns = q.record().count();
        while (q.next()) {
            for (int c = 0; c < columns; ++c)
                q.value(c);
            ++rows;
        }
    }
    return rows;
}

void search(const BenchOptions &o, QTextStream &out)
{
    const int n = std::max(2000, int(1000000 * o.scale));
    const int accountsCount = 10;
    BenchStore store(freshPath(o, QStringLiteral("search.db")));
    StoreGenerator gen;
    QStringList accounts;
    for (int a = 0; a < accountsCount; ++a) {
        accounts.append(gen.addAccount(store.connection(), QStringLiteral("Account %1").arg(a + 1)));
        gen.addTransactions(store.connection(), accounts.last(), n / accountsCount);
    }
    QStringList categories;
    for (const Category &c : store.categories->list())
        categories.append(c.id);

    // 50 varied queries: words, two-word phrases, filters, date ranges, cleared-only, no text.
    QList<TransactionSearch> queries;
    const QStringList words = StoreGenerator::searchWords();
    QRandomGenerator rnd(7);
    for (int i = 0; i < 50; ++i) {
        TransactionSearch s;
        switch (i % 5) {
        case 0:
            s.text = words.at(rnd.bounded(words.size()));
            break;
        case 1:
            s.text = words.at(rnd.bounded(words.size())) + QLatin1Char(' ') + words.at(rnd.bounded(words.size()));
            break;
        case 2:
            s.text = words.at(rnd.bounded(words.size()));
            s.accountId = accounts.at(rnd.bounded(accounts.size()));
            break;
        case 3:
            s.accountId = accounts.at(rnd.bounded(accounts.size()));
            s.categoryId = categories.at(rnd.bounded(categories.size()));
            s.from = Clock::today().addYears(-2);
            s.to = Clock::today().addYears(-1);
            break;
        default:
            s.clearedOnly = rnd.bounded(2) == 0;
            if (rnd.bounded(2) == 0)
                s.text = words.at(rnd.bounded(words.size())).left(3);
            break;
        }
        queries.append(s);
    }
    QList<double> times;
    QList<double> bareTimes;
    int maxRows = 0;
    for (const TransactionSearch &s : std::as_const(queries)) {
        times.append(timeMs([&] { maxRows = std::max(maxRows, int(store.transactions->search(s).size())); }));
        bareTimes.append(timeMs([&] { bareSearchQuery(store.connection(), s); }));
    }
    std::sort(times.begin(), times.end());
    std::sort(bareTimes.begin(), bareTimes.end());
    const double median = times.at(times.size() / 2);
    const double bareMedian = bareTimes.at(bareTimes.size() / 2);
    out << QStringLiteral("search over %1 transactions, 50 queries: median %2 ms, slowest %3 ms (target median < 50 "
                          "ms); largest result %4 rows (limit 200); one-statement bare query median %5 ms, "
                          "ratio %6\n")
               .arg(n)
               .arg(median, 0, 'f', 1)
               .arg(times.last(), 0, 'f', 1)
               .arg(maxRows)
               .arg(bareMedian, 0, 'f', 1)
               .arg(ratioText(median, bareMedian));

    // The payee list that completion asks for after every register write.
    int payeeCount = 0;
    const double bareList = timeMs([&] {
        QSqlQuery q(store.connection());
        q.exec(QStringLiteral(
            "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"));
        while (q.next())
            ++payeeCount;
    });
    const double firstList = timeMs([&] { store.transactions->payees(); });
    writePayment(*store.transactions, accounts.first(), QStringLiteral("Bench payee"), -100);
    const double laterList = medianMs(o.repeats, [&] { store.transactions->payees(); });
    out << QStringLiteral("payee list (%1 payees): first call %2 ms, after a write %3 ms; bare DISTINCT query %4 ms, "
                          "ratio %5\n")
               .arg(payeeCount)
               .arg(firstList, 0, 'f', 1)
               .arg(laterList, 0, 'f', 2)
               .arg(bareList, 0, 'f', 1)
               .arg(ratioText(laterList, bareList));
}

void balances(const BenchOptions &o, QTextStream &out)
{
    const int perAccount = std::max(500, int(50000 * o.scale));
    BenchStore store(freshPath(o, QStringLiteral("balances.db")));
    StoreGenerator gen;
    QStringList accounts;
    for (int a = 0; a < 20; ++a) {
        accounts.append(gen.addAccount(store.connection(), QStringLiteral("Account %1").arg(a + 1)));
        gen.addTransactions(store.connection(), accounts.last(), perAccount);
    }
    qint64 total = 0;
    auto sumAll = [&] {
        total = 0;
        for (const QString &id : std::as_const(accounts))
            total += store.transactions->balance(id);
    };
    // Cold: the first build after start-up computes every account's sum.
    const double cold = medianMs(o.repeats, sumAll, [&] {
        QSqlQuery(store.connection()).exec(QStringLiteral("DELETE FROM temp.account_totals"));
    });
    // Warm: every later rebuild, here right after a new transaction was written.
    const double warm = medianMs(o.repeats, sumAll, [&] {
        writePayment(*store.transactions, accounts.first(), QStringLiteral("Corner Coffee"), -450);
    });
    const double bare = medianMs(o.repeats, [&] { bareAccountSums(store.connection(), accounts); });
    qint64 check = 0;
    for (const QString &id : std::as_const(accounts)) {
        const QList<RegisterEntry> rows = store.transactions->registerRows(id);
        check += rows.isEmpty() ? 0 : rows.last().balance;
    }
    out << QStringLiteral("balances of 20 accounts x %1 transactions: rebuild %2 ms (target < 50 ms), first build "
                          "after start %3 ms, bare SUM per account %4 ms; matches the last running balances: %5\n")
               .arg(perAccount)
               .arg(warm, 0, 'f', 2)
               .arg(cold, 0, 'f', 1)
               .arg(bare, 0, 'f', 1)
               .arg(total == check ? QStringLiteral("yes") : QStringLiteral("NO"));
}

const BenchScenario::Registrar r1("store-register", "register rows of one account vs the bare query", registerRows);
const BenchScenario::Registrar r2("store-insert", "bulk insert through the repository vs a bare statement", bulkInsert);
const BenchScenario::Registrar r3("store-search", "search over a large store", search);
const BenchScenario::Registrar r4("store-balances", "sidebar balances of 20 large accounts", balances);

} // namespace
