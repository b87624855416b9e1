// The eight reports over All Time on a large store, each against the one bare
// aggregate query that answers it, measured in the same run; then the
// reports window making each of them while the event loop is watched for
// stalls.
#include "bench/generator.h"
#include "bench/scenario.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "services/reportcatalog.h"
#include "services/reportservice.h"
#include "ui/reports/reportsscreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include <ctime>

namespace {

const QString kStoreKey = QStringLiteral("benchReportsStore");

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
void generate(AppState &state, int total, QTextStream &out)
{
    out << QStringLiteral("generating the reports store (%1 transactions); later runs reuse it\n").arg(total);
    out.flush();
    const QSqlDatabase db = state.database()->connection();
    StoreGenerator gen;
    constexpr int kAccounts = 8;
    for (int a = 0; a < kAccounts; ++a) {
        const QString id = gen.addAccount(db, QStringLiteral("Account %1").arg(a + 1),
                                          a == kAccounts - 1 ? QStringLiteral("JPY") : QStringLiteral("USD"));
        gen.addTransactions(db, id, total / kAccounts + (a == 0 ? total % kAccounts : 0));
    }
    QSqlQuery q(db);
    exec(q, QStringLiteral("BEGIN"));
    exec(q, QStringLiteral("UPDATE transactions SET is_split = 1, category_id = NULL WHERE rowid % 50 = 0"));
    for (const char *half : {"'a'", "'b'"}) {
        exec(q, QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                               "updated_at) SELECT t.id || %1, t.id, (SELECT id FROM categories ORDER BY "
                               "abs(random()) % 7 LIMIT 1), t.amount / 2 + (CASE WHEN %1 = 'a' THEN t.amount % 2 "
                               "ELSE 0 END), '', t.created_at, t.updated_at FROM transactions t WHERE t.is_split = 1")
                 .arg(QLatin1String(half)));
    }
    exec(q, QStringLiteral("UPDATE transactions SET deleted_at = updated_at WHERE rowid % 1000 = 7"));
    exec(q, QStringLiteral("COMMIT"));
    exec(q, QStringLiteral("ANALYZE"));
    state.preferences()->set(kStoreKey, QString::number(total));
}

void useStore(const BenchOptions &o, QTextStream &out)
{
    const int total = sizeFor(o);
    const QString dir = QDir(o.workDir).filePath(QStringLiteral("reports-%1").arg(total));
    qputenv("QUILLET_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (state.initialize() && state.preferences()->get(kStoreKey, QString()) == QString::number(total))
            return;
    }
    QDir(dir).removeRecursively();
    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the store in %s", qPrintable(dir));
    generate(state, total, out);
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

// CPU time of the calling thread so far.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void reports(const BenchOptions &o, QTextStream &out)
{
    useStore(o, out);
    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the reports store");
    const QSqlDatabase db = state.database()->connection();
    ReportService *service = state.reportService();
    out << QStringLiteral("All Time over %1 transactions; ours is ReportService::run, the window's rows for "
                          "Transactions (%2 shown)\n")
               .arg(sizeFor(o))
               .arg(ReportsScreen::kShownRows);
    for (int k = 0; k < kReportKindCount; ++k) {
        const auto kind = ReportKind(k);
        const ReportRequest request{kind, {}};
        const int limit = kind == ReportKind::Transactions ? ReportsScreen::kShownRows : -1;
        int rows = 0;
        const Paired p = pairedMedians(
            o.repeats, [&] { rows = int(service->run(request, limit).rows.size()); },
            [&] { bare(db, bareQuery(kind)); });
        out << QStringLiteral("%1: %2 ms (%3 rows), bare query %4 ms, ratio %5 (target <= 1.5)\n")
                   .arg(ReportCatalog::name(kind).leftJustified(19))
                   .arg(p.ours, 7, 'f', 1)
                   .arg(rows)
                   .arg(p.base, 7, 'f', 1)
                   .arg(ratioText(p.ours, p.base));
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
    QObject::connect(&screen, &ReportsScreen::reportShown, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::connect(&screen, &ReportsScreen::reportShown, &screen, [&] { showCpu = threadCpuMs() - arrivedCpu; });
    QElapsedTimer sinceTick;
    double longest = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });
    for (int k = 0; k < kReportKindCount; ++k) {
        QElapsedTimer shown;
        shown.start();
        sinceTick.start();
        longest = 0;
        ticker.start();
        {
            const QSignalBlocker quiet(screen.reportList());
            screen.reportList()->setCurrentRow(k);
        }
        screen.refresh();
        loop.exec();
        ticker.stop();
        const double ms = double(shown.nsecsElapsed()) / 1e6;
        out << QStringLiteral("window, %1: shown after %2 ms; longest event-loop wait %3 ms (target < 100); "
                              "showing took the GUI thread %4 ms of CPU\n")
                   .arg(ReportCatalog::name(ReportKind(k)).leftJustified(19))
                   .arg(ms, 7, 'f', 1)
                   .arg(longest, 5, 'f', 1)
                   .arg(showCpu, 5, 'f', 1);
        out.flush();
    }
}

const BenchScenario::Registrar reportsScenario(
    "reports", "the eight reports over All Time against their bare aggregate queries; the window's stalls", reports);

} // namespace
