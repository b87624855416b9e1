#include "bench/scenario.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr int kSchedules = 1000;
constexpr int kDaysBehind = 30;
constexpr int kAccounts = 20;

// One generated store: accounts, and (for the pass) the schedules.
struct Store {
    std::unique_ptr<Database> db;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<RecurringRepository> recurring;
    QStringList accountIds;
    QString path;

    Store(const QString &file, int scheduleCount)
        : path(file)
    {
        QFile::remove(path);
        db = std::make_unique<Database>();
        if (!db->open(path) || !db->runMigrations())
            qFatal("bench: cannot create %s", qPrintable(path));
        accounts = std::make_unique<AccountRepository>(db.get());
        transactions = std::make_unique<TransactionRepository>(db.get());
        recurring = std::make_unique<RecurringRepository>(db.get());
        DbTransaction tx(db->connection());
        for (int i = 0; i < kAccounts; ++i) {
            Account a;
            a.id = QStringLiteral("bench-account-%1").arg(i);
            a.name = QStringLiteral("Account %1").arg(i);
            a.createdAt = a.updatedAt = Clock::nowUtc();
            accounts->insert(a);
            accountIds.append(a.id);
        }
        for (int i = 0; i < scheduleCount; ++i)
            recurring->insert(schedule(i));
        tx.commit();
    }

    ~Store()
    {
        recurring.reset();
        transactions.reset();
        accounts.reset();
        db.reset();
    }

    RecurringTransaction schedule(int i) const
    {
        RecurringTransaction r;
        r.id = QStringLiteral("bench-schedule-%1").arg(i);
        r.accountId = accountIds.at(i % kAccounts);
        r.payee = QStringLiteral("Payee %1").arg(i % 97);
        r.memo = QStringLiteral("generated");
        r.amount = -(1000 + i % 5000);
        r.frequency = Frequency::Daily;
        r.startDate = r.nextDueDate = Clock::today().addDays(-(kDaysBehind - 1));
        r.autoPost = true;
        r.createdAt = r.updatedAt = Clock::nowUtc();
        return r;
    }

    // The rows a pass posts, built the same way.
    QList<Transaction> postings(int scheduleCount) const
    {
        QList<Transaction> rows;
        rows.reserve(scheduleCount * kDaysBehind);
        const QDateTime now = Clock::nowUtc();
        for (int i = 0; i < scheduleCount; ++i) {
            const RecurringTransaction r = schedule(i);
            for (int d = 0; d < kDaysBehind; ++d) {
                Transaction t;
                t.date = r.nextDueDate.addDays(d);
                t.id = RecurringService::occurrenceId(r.id, t.date);
                t.accountId = r.accountId;
                t.payee = r.payee;
                t.memo = r.memo;
                t.amount = r.amount;
                t.recurringId = r.id;
                t.createdAt = t.updatedAt = now;
                rows.append(t);
            }
        }
        return rows;
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = int(values.size());
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

using InsertAll = std::function<void(Store &, const QList<Transaction> &)>;

// Rows per second of insertAll storing the pass's rows in one transaction.
double insertRate(const QString &path, int scheduleCount, const InsertAll &insertAll)
{
    Store store(path, 0);
    const QList<Transaction> rows = store.postings(scheduleCount);
    QElapsedTimer timer;
    timer.start();
    DbTransaction tx(store.db->connection());
    insertAll(store, rows);
    tx.commit();
    return rows.size() / (timer.nsecsElapsed() / 1e9);
}

void repositoryInsert(Store &store, const QList<Transaction> &rows)
{
    for (const Transaction &t : rows)
        store.transactions->insert(t);
}

void bareInsert(Store &store, const QList<Transaction> &rows)
{
    QSqlQuery q(store.db->connection());
    q.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Transaction &t : rows) {
        const QVariantList values = {t.id, t.accountId, SqlValue::date(t.date), t.payee, t.memo, t.amount,
                                     SqlValue::nullable(t.categoryId), t.checkNumber, 0, 0, QString(), QString(), 0,
                                     t.recurringId, 1, QStringLiteral("pending"), QString(),
                                     SqlValue::timestamp(t.createdAt), SqlValue::timestamp(t.updatedAt)};
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        q.exec();
    }
}

double passRate(const QString &path, int scheduleCount, int *posted)
{
    Store store(path, scheduleCount);
    RecurringService service(store.db.get(), store.recurring.get(), store.transactions.get(), store.accounts.get());
    QElapsedTimer timer;
    timer.start();
    *posted = service.processDue();
    return *posted / (timer.nsecsElapsed() / 1e9);
}

void run(const BenchOptions &options, QTextStream &out)
{
    const int schedules = std::max(1, int(std::lround(kSchedules * options.scale)));
    const int expected = schedules * kDaysBehind;
    const QString path = options.workDir + QStringLiteral("/recurring.db");
    out << "  " << schedules << " daily auto-post schedules, " << kDaysBehind << " days behind: " << expected
        << " postings; median of " << options.repeats << "\n";

    QList<double> bare, repository, pass;
    for (int i = 0; i < options.repeats; ++i) {
        bare.append(insertRate(path, schedules, bareInsert));
        repository.append(insertRate(path, schedules, repositoryInsert));
        int posted = 0;
        pass.append(passRate(path, schedules, &posted));
        if (posted != expected)
            out << "  WARNING: the pass posted " << posted << " instead of " << expected << "\n";
    }
    if (!options.keep)
        QFile::remove(path);

    const double bareRate = median(bare), repositoryRate = median(repository), passRateValue = median(pass);
    out << QStringLiteral("  baseline bare QSqlQuery insert       %1 rows/s\n").arg(bareRate, 10, 'f', 0);
    out << QStringLiteral("  baseline TransactionRepository insert %1 rows/s\n").arg(repositoryRate, 9, 'f', 0);
    out << QStringLiteral("  processDue                           %1 postings/s\n").arg(passRateValue, 10, 'f', 0);
    out << QStringLiteral("  ratio pass / repository insert: %1 (at least 0.33 wanted)\n")
               .arg(passRateValue / repositoryRate, 0, 'f', 2);
    out << QStringLiteral("  ratio pass / bare insert:       %1\n").arg(passRateValue / bareRate, 0, 'f', 2);
}

const BenchScenario::Registrar registrar("recurring",
                                         "automatic posting pass against plain inserts of the same rows", run);

} // namespace
