// The eight reports over All Time on a large store, each against the one bare
// aggregate query that answers it, measured in the same run; then the
// reports window making each of them while the event loop is watched for
// stalls.
#include "bench/generator.h"
#include "bench/scenario.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "services/reportbuilder.h"
#include "services/reportcatalog.h"
#include "services/reportservice.h"
#include "ui/reports/reportsscreen.h"
#include "ui/reports/reporttablemodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>


namespace {

const QString kStoreKey = QStringLiteral("benchReportsStore");
// How long the window's event loop runs on after a report is complete.
constexpr int kSettleMs = 500;
// Stores made by an older generator are made again.
const QString kStoreVersion = QStringLiteral("2");

int sizeFor(const BenchOptions &o)
{
    return std::max(5000, int(1000000 * o.scale));
}

void exec(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        qFatal("bench: %s failed: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

// Eight accounts, one in yen; one payment in fifty split over two
// categories; one row in a thousand deleted.
void generate(AppState &state, int total, const QString &dir, QTextStream &out)
{
    // A million rows take minutes on a loaded machine: each step says so,
    // so that a run cut short shows how far it came.
    out << QStringLiteral("generating the reports store (%1 transactions) in %2; runs with the same --dir reuse it\n")
               .arg(total)
               .arg(dir);
    out.flush();
    QElapsedTimer took;
    took.start();
    const QSqlDatabase db = state.database()->connection();
    StoreGenerator gen;
    constexpr int kAccounts = 8;
    for (int a = 0; a < kAccounts; ++a) {
        const QString id = gen.addAccount(db, QStringLiteral("Account %1").arg(a + 1),
                                          a == kAccounts - 1 ? QStringLiteral("JPY") : QStringLiteral("USD"));
        gen.addTransactions(db, id, total / kAccounts + (a == 0 ? total % kAccounts : 0));
        out << QStringLiteral("  account %1 of %2 written, %3 s\n").arg(a + 1).arg(kAccounts).arg(took.elapsed() / 1000);
        out.flush();
    }
    QSqlQuery q(db);
    exec(q, QStringLiteral("BEGIN"));
    exec(q, QStringLiteral("UPDATE transactions SET is_split = 1, category_id = NULL WHERE rowid % 50 = 0"));
    // Each line in a category of its own drawing: the sub-select names t so
    // that SQLite makes it again for every row rather than once.
    for (const char *half : {"'a'", "'b'"}) {
        exec(q, QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                               "updated_at) SELECT t.id || %1, t.id, (SELECT id FROM categories WHERE t.rowid > 0 "
                               "ORDER BY random() LIMIT 1), t.amount / 2 + (CASE WHEN %1 = 'a' THEN t.amount % 2 "
                               "ELSE 0 END), '', t.created_at, t.updated_at FROM transactions t WHERE t.is_split = 1")
                 .arg(QLatin1String(half)));
    }
    exec(q, QStringLiteral("UPDATE transactions SET deleted_at = updated_at WHERE rowid % 1000 = 7"));
    exec(q, QStringLiteral("COMMIT"));
    exec(q, QStringLiteral("ANALYZE"));
    state.preferences()->set(kStoreKey, QString::number(total) + QLatin1Char('/') + kStoreVersion);
    out << QStringLiteral("  splits, deletions and statistics done, %1 s\n").arg(took.elapsed() / 1000);
    out.flush();
}

void useStore(const BenchOptions &o, QTextStream &out)
{
    const int total = sizeFor(o);
    const QString dir = QDir(o.workDir).filePath(QStringLiteral("reports-%1").arg(total));
    qputenv("QUILLET_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (state.initialize()
            && state.preferences()->get(kStoreKey, QString()) == QString::number(total) + QLatin1Char('/') + kStoreVersion)
            return;
    }
    QDir(dir).removeRecursively();
    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the store in %s", qPrintable(dir));
    generate(state, total, dir, out);
}

// The one plain query a person would write for each report, read to the end.
QString bareQuery(ReportKind kind)
{
    switch (kind) {
    case ReportKind::CategorySpending:
        return QStringLiteral("SELECT category_id, SUM(amount) FROM transactions WHERE deleted_at IS NULL AND "
                              "amount < 0 GROUP BY category_id");
    case ReportKind::PayeeSummary:
        return QStringLiteral("SELECT payee, COUNT(*), SUM(amount) FROM transactions WHERE deleted_at IS NULL "
                              "GROUP BY payee");
    case ReportKind::TaxReport:
        return QStringLiteral("SELECT t.date, t.payee, t.memo, t.amount, c.tax_category FROM transactions t JOIN "
                              "categories c ON c.id = t.category_id WHERE c.is_tax_relevant = 1 AND t.deleted_at "
                              "IS NULL ORDER BY c.tax_category, t.date");
    case ReportKind::IncomeVsExpenses:
    case ReportKind::CashFlow:
        return QStringLiteral("SELECT substr(date, 1, 7), SUM(CASE WHEN amount > 0 THEN amount ELSE 0 END), "
                              "SUM(CASE WHEN amount < 0 THEN amount ELSE 0 END) FROM transactions WHERE "
                              "deleted_at IS NULL GROUP BY 1");
    case ReportKind::YearOverYear:
        return QStringLiteral("SELECT category_id, substr(date, 1, 7), SUM(amount) FROM transactions WHERE "
                              "deleted_at IS NULL GROUP BY 1, 2");
    case ReportKind::AccountSummary:
        return QStringLiteral("SELECT account_id, SUM(CASE WHEN amount > 0 THEN amount ELSE 0 END), "
                              "SUM(CASE WHEN amount < 0 THEN amount ELSE 0 END), SUM(CASE WHEN cleared = 1 THEN "
                              "amount ELSE 0 END) FROM transactions WHERE deleted_at IS NULL GROUP BY account_id");
    case ReportKind::Transactions:
        return QStringLiteral("SELECT id, account_id, date, payee, memo, amount, category_id FROM transactions "
                              "WHERE deleted_at IS NULL ORDER BY date DESC LIMIT %1")
            .arg(ReportsScreen::kShownRows);
    }
    return {};
}

void bare(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        qFatal("bench: %s failed: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    while (q.next())
        q.value(0);
}

// Medians of wall time and of the calling thread's CPU time. On a machine
// shared with other work the CPU times are the steadier figures: the wall
// times also count the time the thread waited for a processor.
struct Timing {
    QList<double> wall;
    QList<double> cpu;

    void add(double wallMs, double cpuMs)
    {
        wall.append(wallMs);
        cpu.append(cpuMs);
    }
    double wallMedian() const { return median(wall); }
    double cpuMedian() const { return median(cpu); }
};

// Times work on this thread, wall and CPU, into timing.
void timeInto(Timing &timing, const std::function<void()> &work)
{
    QElapsedTimer wall;
    const double cpu = threadCpuMs();
    wall.start();
    work();
    timing.add(double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu);
}

QString figures(const Timing &ours, const Timing &base)
{
    return QStringLiteral("%1 ms (CPU %2), bare query %3 ms (CPU %4): ratio %5, CPU ratio %6")
        .arg(ours.wallMedian(), 7, 'f', 1)
        .arg(ours.cpuMedian(), 7, 'f', 1)
        .arg(base.wallMedian(), 7, 'f', 1)
        .arg(base.cpuMedian(), 7, 'f', 1)
        .arg(ratioText(ours.wallMedian(), base.wallMedian()), ratioText(ours.cpuMedian(), base.cpuMedian()));
}

void reports(const BenchOptions &o, QTextStream &out)
{
    QElapsedTimer run;
    run.start();
    useStore(o, out);
    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the reports store");
    const QSqlDatabase db = state.database()->connection();
    ReportService *service = state.reportService();
    out << QStringLiteral("All Time over %1 transactions, %2 runs each, ours and the bare query in turn on the "
                          "store's connection (target: ratio <= 1.5). Transactions: ours until its newest %3 rows "
                          "are made, as the window shows them before the totals.\n")
               .arg(sizeFor(o))
               .arg(o.repeats)
               .arg(ReportsScreen::kShownRows);
    // QUILLET_BENCH_REPORTS=tax_report,transactions measures only those.
    const QStringList only = qEnvironmentVariable("QUILLET_BENCH_REPORTS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int k = 0; k < kReportKindCount; ++k) {
        const auto kind = ReportKind(k);
        if (!only.isEmpty() && !only.contains(ReportCatalog::code(kind)))
            continue;
        const ReportRequest request{kind, {}};
        const bool list = kind == ReportKind::Transactions;
        Timing ours;
        Timing base;
        Timing whole;  // the list of transactions with its totals
        Timing freed;  // letting a report go, once it has appeared
        int rows = 0;
        for (int i = 0; i < o.repeats; ++i) {
            timeInto(base, [&] { bare(db, bareQuery(kind)); });
            if (!list) {
                // A report has appeared once it is made; the window lets
                // it go only when another one replaces it.
                Report made;
                timeInto(ours, [&] { made = service->run(request); });
                rows = int(made.rows.size());
                timeInto(freed, [&] { made = Report(); });
                continue;
            }
            QElapsedTimer wall;
            double cpu = threadCpuMs();
            wall.start();
            timeInto(whole, [&] {
                const auto rowsMade = [&](const Report &made) {
                    ours.add(double(wall.nsecsElapsed()) / 1e6, threadCpuMs() - cpu);
                    rows = int(made.rows.size());
                };
                ReportBuilder(db).build(request, ReportsScreen::kShownRows, rowsMade);
            });
        }
        out << QStringLiteral("%1: %2 (%3 rows)\n")
                   .arg(ReportCatalog::name(kind).leftJustified(19), figures(ours, base))
                   .arg(rows);
        if (!list)
            out << QStringLiteral("%1  letting it go afterwards: %2 ms (CPU %3)\n")
                       .arg(QString().leftJustified(19))
                       .arg(freed.wallMedian(), 7, 'f', 1)
                       .arg(freed.cpuMedian(), 7, 'f', 1);
        if (list)
            out << QStringLiteral("%1  with the totals over every row: %2 ms (CPU %3)\n")
                       .arg(QString().leftJustified(19))
                       .arg(whole.wallMedian(), 7, 'f', 1)
                       .arg(whole.cpuMedian(), 7, 'f', 1);
        out.flush();
    }

    // The window: each report chosen in turn, timed until it is on screen,
    // with a 5 ms timer measuring the longest wait of the event loop.
    // The GUI thread's own work on an answer, from its arrival until it is
    // on screen, in CPU time of that thread: on a busy machine the waits
    // below also count the time the thread was not given a processor. Made
    // before the window, so that it runs before the window's own slot.
    double showCpu = 0;
    double arrivedCpu = 0;
    QObject::connect(service, &ReportService::reportReady, service, [&] { arrivedCpu = threadCpuMs(); });
    ReportsScreen screen(&state);
    screen.resize(800, 600);
    screen.selectPeriod(ReportPeriod::AllTime);
    screen.show();
    QEventLoop loop;
    QObject::connect(&screen, &ReportsScreen::reportCompleted, &loop, &QEventLoop::quit);
    loop.exec();
    QElapsedTimer shown;
    double shownMs = 0;
    bool totalsLater = false;
    QObject::connect(&screen, &ReportsScreen::reportShown, &screen, [&] {
        showCpu = threadCpuMs() - arrivedCpu;
        shownMs = double(shown.nsecsElapsed()) / 1e6;
        totalsLater = screen.isBusy();
    });
    // Between two ticks, the wait on the clock and the GUI thread's own
    // work in CPU time: on a loaded machine the first also counts the time
    // the thread was not given a processor, the second only our work.
    QElapsedTimer sinceTick;
    double longest = 0;
    double tickCpu = 0;
    double longestWork = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        const double cpu = threadCpuMs();
        longestWork = std::max(longestWork, cpu - tickCpu);
        tickCpu = cpu;
    });
    const auto choose = [&](int k) {
        const QSignalBlocker quiet(screen.reportList());
        screen.reportList()->setCurrentRow(k);
        screen.refresh();
    };
    for (int k = 0; k < kReportKindCount; ++k) {
        if (!only.isEmpty() && !only.contains(ReportCatalog::code(ReportKind(k))))
            continue;
        shown.start();
        sinceTick.start();
        longest = 0;
        longestWork = 0;
        tickCpu = threadCpuMs();
        ticker.start();
        choose(k);
        loop.exec();
        const double completedMs = double(shown.nsecsElapsed()) / 1e6;
        // The work a report leaves for the event loop once it is in (the
        // table laid out and painted, the rows of the one before let go) is
        // its own: the loop runs on a while before the next is chosen, and
        // the wait since the last tick counts too.
        QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
        loop.exec();
        ticker.stop();
        longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6);
        longestWork = std::max(longestWork, threadCpuMs() - tickCpu);
        out << QStringLiteral("window, %1: shown after %2 ms; longest event-loop wait %3 ms, of it GUI-thread "
                              "work %4 ms of CPU (target < 100); showing took %5 ms of CPU\n")
                   .arg(ReportCatalog::name(ReportKind(k)).leftJustified(19))
                   .arg(shownMs, 7, 'f', 1)
                   .arg(longest, 5, 'f', 1)
                   .arg(longestWork, 5, 'f', 1)
                   .arg(showCpu, 5, 'f', 1);
        if (totalsLater)
            out << QStringLiteral("window, %1  its totals after %2 ms\n")
                       .arg(QString().leftJustified(19))
                       .arg(completedMs, 7, 'f', 1);
        out.flush();
    }

    // Choosing another report while one is made calls the first off: the
    // second shows about as soon as it would alone.
    const int slow = int(ReportKind::YearOverYear);
    const int quick = int(ReportKind::AccountSummary);
    QList<double> alone;
    QList<double> after;
    const auto waitFor = [&](int k) {
        while (screen.isBusy() || screen.model()->report().kind != ReportKind(k))
            loop.exec();
    };
    for (int i = 0; i < o.repeats; ++i) {
        shown.start();
        choose(quick);
        waitFor(quick);
        alone.append(double(shown.nsecsElapsed()) / 1e6);
        choose(slow);
        QTimer::singleShot(50, &loop, [&] {
            shown.start();
            choose(quick);
        });
        waitFor(quick);
        after.append(double(shown.nsecsElapsed()) / 1e6);
    }
    out << QStringLiteral("window, %1 chosen while %2 is made: shown after %3 ms, alone %4 ms: ratio %5\n")
               .arg(ReportCatalog::name(ReportKind(quick)), ReportCatalog::name(ReportKind(slow)))
               .arg(median(after), 0, 'f', 1)
               .arg(median(alone), 0, 'f', 1)
               .arg(ratioText(median(after), median(alone)));
    out << QStringLiteral("the scenario took %1 s\n").arg(run.elapsed() / 1000);
    out.flush();
}

const BenchScenario::Registrar reportsScenario(
    "reports", "the eight reports over All Time against their bare aggregate queries; the window's stalls", reports);

} // namespace
