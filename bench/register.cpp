// The register screen over one large account: opening it, re-sorting it and
// saving a typed row, each against the bare register query of the same run.
#include "bench/generator.h"
#include "bench/scenario.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <memory>

namespace {

void printFigure(QTextStream &out, const QString &what, const Paired &figure, double targetMs)
{
    const double ours = figure.ours;
    const double base = figure.base;
    out << QStringLiteral("%1: %2 ms (target < %3 ms), bare register query %4 ms, ratio %5\n")
               .arg(what)
               .arg(ours, 0, 'f', 1)
               .arg(targetMs, 0, 'f', 0)
               .arg(base, 0, 'f', 1)
               .arg(ratioText(ours, base));
    out.flush();
}

void registerScreen(const BenchOptions &o, QTextStream &out)
{
    const int n = std::max(1000, int(100000 * o.scale));
    const QString dir = QDir(o.workDir).filePath(QStringLiteral("register-screen"));
    QDir(dir).removeRecursively();
    qputenv("QUILLET_DATA_DIR", dir.toUtf8());
    QSettings().remove(QStringLiteral("register"));

    AppState state;
    if (!state.initialize())
        qFatal("bench: cannot open the store in %s", qPrintable(dir));
    state.preferences()->setBool(QStringLiteral("registerNewestFirst"), true);
    StoreGenerator gen;
    const QSqlDatabase db = state.database()->connection();
    const QString account = gen.addAccount(db, QStringLiteral("Checking"));
    gen.addTransactions(db, account, n);

    int rows = 0;
    const auto bare = [&] { rows = bareRegisterQuery(db, account); };
    std::unique_ptr<RegisterScreen> screen;
    const auto fresh = [&] {
        screen.reset();
        screen = std::make_unique<RegisterScreen>(&state);
        screen->resize(1280, 800);
    };
    const Paired open = pairedMedians(
        o.repeats,
        [&] {
            screen->setAccount(account);
            screen->grab();
        },
        bare, fresh);
    printFigure(out, QStringLiteral("open register (%1 transactions)").arg(rows), open, 500);

    const Paired sort = pairedMedians(
        o.repeats,
        [&] {
            screen->table()->sortByColumn(RegisterModel::Payee, Qt::AscendingOrder);
            screen->table()->viewport()->grab();
        },
        bare, [&] { screen->table()->sortByColumn(RegisterModel::Date, Qt::DescendingOrder); });
    printFigure(out, QStringLiteral("re-sort by payee"), sort, 300);

    screen->table()->sortByColumn(RegisterModel::Date, Qt::DescendingOrder);
    int serial = 0;
    const Paired commit = pairedMedians(
        o.repeats,
        [&] {
            screen->commitCurrentRow();
            QCoreApplication::processEvents();
            screen->table()->viewport()->grab();
        },
        bare,
        [&] {
            RegisterModel *model = screen->model();
            model->setBufferText(RegisterModel::Payee, QStringLiteral("Bench payee %1").arg(++serial));
            model->setBufferText(RegisterModel::Payment, QStringLiteral("12.34"));
        });
    const int shown = screen->model()->rowCount() - 1;
    printFigure(out, QStringLiteral("commit a new row (%1 rows shown after)").arg(shown), commit, 300);
    screen.reset();
    QSettings().remove(QStringLiteral("register"));
}

const BenchScenario::Registrar registrar("register",
                                         "register screen: open, re-sort by payee, commit a row (vs bare query)",
                                         registerScreen);

} // namespace
