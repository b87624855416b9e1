// The automatic posting pass against plain inserts of the rows it posts.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"

#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "services/recurringservice.h"
#include "services/services.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <memory>

namespace {

constexpr int kSchedules = 1000;
constexpr int kDaysBehind = 30;
constexpr int kAccounts = 20;

struct PassStore {
    std::unique_ptr<BenchStore> store;
    QList<RecurringTransaction> schedules;

    // A new store with the accounts and daily auto-post schedules kDaysBehind
    // days behind; the schedules are stored only when `stored` is set.
    void reset(const BenchOptions &o, const QString &name, int count, bool stored)
    {
        store.reset();  // one connection at a time
        const QString path = QDir(o.workDir).filePath(name);
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(path + suffix);
        store = std::make_unique<BenchStore>(path);

        StoreGenerator gen;
        QStringList accounts;
        for (int i = 0; i < kAccounts; ++i)
            accounts.append(gen.addAccount(store->connection(), QStringLiteral("Account %1").arg(i)));
        schedules.clear();
        DbTransaction tx(store->connection());
        for (int i = 0; i < count; ++i) {
            const StoreGenerator::Row row = gen.nextRow(Clock::today(), 1);
            RecurringTransaction r;
            r.id = Ids::newId();
            r.accountId = accounts.at(i % kAccounts);
            r.payee = row.payee;
            r.memo = row.memo;
            r.amount = row.amount;
            r.frequency = Frequency::Daily;
            r.startDate = r.nextDueDate = Clock::today().addDays(-(kDaysBehind - 1));
            r.autoPost = true;
            r.createdAt = r.updatedAt = Clock::nowUtc();
            if (stored)
                store->recurring->insert(r);
            schedules.append(r);
        }
        tx.commit();
    }

    // The rows the pass posts for the schedules, built the same way.
    QList<Transaction> postings() const
    {
        QList<Transaction> rows;
        rows.reserve(schedules.size() * kDaysBehind);
        const QDateTime now = Clock::nowUtc();
        for (const RecurringTransaction &r : schedules) {
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

void bareInsert(const QSqlDatabase &db, const QList<Transaction> &rows)
{
    QSqlQuery q(db);
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

void recurringPass(const BenchOptions &o, QTextStream &out)
{
    const int count = std::max(1, int(kSchedules * o.scale));
    const int expected = count * kDaysBehind;
    PassStore s;
    QList<Transaction> rows;
    auto prepareInsert = [&] {
        s.reset(o, QStringLiteral("recurring-insert.db"), count, false);
        rows = s.postings();
    };

    const double bareMs = medianMs(o.repeats, [&] {
        DbTransaction tx(s.store->connection());
        bareInsert(s.store->connection(), rows);
        tx.commit();
    }, prepareInsert);
    const double insertMs = medianMs(o.repeats, [&] {
        DbTransaction tx(s.store->connection());
        for (const Transaction &t : std::as_const(rows))
            s.store->transactions->insert(t);
        tx.commit();
    }, prepareInsert);

    int posted = 0;
    const double passMs = medianMs(o.repeats, [&] { posted = s.store->services->recurring()->processDue(); },
                                   [&] { s.reset(o, QStringLiteral("recurring-pass.db"), count, true); });
    s.store.reset();
    if (posted != expected)
        out << "WARNING: the pass posted " << posted << " rows instead of " << expected << "\n";

    auto perSecond = [&](double ms) { return qint64(expected / (ms / 1000.0)); };
    out << QStringLiteral("posting pass over %1 daily schedules %2 days behind (%3 rows): %4 postings/s; "
                          "repository insert of the same rows %5 rows/s, bare insert %6 rows/s\n")
               .arg(count)
               .arg(kDaysBehind)
               .arg(expected)
               .arg(perSecond(passMs))
               .arg(perSecond(insertMs))
               .arg(perSecond(bareMs));
    out << QStringLiteral("  pass / repository insert %1 (target >= 0.33), pass / bare insert %2\n")
               .arg(ratioText(insertMs, passMs), ratioText(bareMs, passMs));
}

const BenchScenario::Registrar registrar("recurring",
                                         "automatic posting pass vs plain inserts of the same rows", recurringPass);

} // namespace
