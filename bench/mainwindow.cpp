// Start-up to a shown main window, and sidebar rebuilds, over 20 large accounts.
#include "bench/generator.h"
#include "bench/scenario.h"

#include "app/appstate.h"
#include "app/mainwindow.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

void startup(const BenchOptions &o, QTextStream &out)
{
    const int perAccount = std::max(500, int(50000 * o.scale));
    const QString dir = QDir(o.workDir).filePath(QStringLiteral("startup"));
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    qputenv("QUILLET_DATA_DIR", dir.toUtf8());
    QStringList accounts;
    {
        AppState state;
        if (!state.initialize())
            return;
        StoreGenerator gen;
        for (int a = 0; a < 20; ++a) {
            accounts.append(gen.addAccount(state.database()->connection(), QStringLiteral("Account %1").arg(a + 1)));
            gen.addTransactions(state.database()->connection(), accounts.last(), perAccount);
        }
        state.setCurrentAccountId(accounts.first());
    }

    // Each round is a fresh start: a new connection, so no cached sums.
    QList<double> starts;
    for (int i = 0; i < o.repeats; ++i) {
        starts.append(timeMs([&] {
            AppState state;
            state.initialize();
            MainWindow window(&state);
            window.show();
            QCoreApplication::processEvents();
        }));
    }
    std::sort(starts.begin(), starts.end());

    AppState state;
    state.initialize();
    MainWindow window(&state);
    window.show();
    QCoreApplication::processEvents();
    const double rebuild = medianMs(o.repeats, [&] { window.onAccountsChanged(); }, [&] {
        writePayment(*state.transactions(), accounts.at(3), QStringLiteral("Corner Coffee"), -450);
        QCoreApplication::processEvents();
    });
    // Baseline: the bare aggregate the sidebar would otherwise run for every account.
    const double bare = medianMs(o.repeats, [&] { bareAccountSums(state.database()->connection(), accounts); });
    out << QStringLiteral("start-up to a shown main window, 20 accounts x %1 transactions: median %2 ms, slowest %3 ms "
                          "(target < 1000 ms)\n")
               .arg(perAccount)
               .arg(starts.at(starts.size() / 2), 0, 'f', 1)
               .arg(starts.last(), 0, 'f', 1);
    out << QStringLiteral("sidebar rebuild after a change: %1 ms (target < 50 ms); bare SUM per account %2 ms\n")
               .arg(rebuild, 0, 'f', 2)
               .arg(bare, 0, 'f', 1);
    qunsetenv("QUILLET_DATA_DIR");
}

const BenchScenario::Registrar r("startup", "start-up to a shown main window and sidebar rebuilds", startup);

} // namespace
