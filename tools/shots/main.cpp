// quillet-shots: renders the main screens over the sample data into PNG files,
// in the light and the dark palette, for reviewing layouts and for the README.
//   quillet-shots OUTPUT_DIR [--scale=PERCENT]
#include "app/application.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/settingsscreen.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/logging.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/reportcatalog.h"
#include "services/sampledata.h"
#include "ui/appstyle.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/charts/chartview.h"
#include "ui/reports/reportpdf.h"
#include "ui/reports/reportsscreen.h"
#include "ui/reports/reporttablemodel.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void save(QWidget *w, const QString &path)
{
    settle();
    w->grab().save(path);
    QTextStream(stdout) << path << "\n";
}

// The window the action opened, found by the start of its title.
QWidget *openedWindow(MainWindow &main, const QString &actionName, const QString &titleStart)
{
    main.action(actionName)->trigger();
    settle();
    for (QWidget *w : main.findChildren<QWidget *>()) {
        if (w->isWindow() && w->isVisible() && w->windowTitle().startsWith(titleStart))
            return w;
    }
    return nullptr;
}

void saveScreens(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    const QList<QPair<QString, QString>> windows = {
        {QStringLiteral("actionRecurring"), QStringLiteral("Recurring Transactions")},
        {QStringLiteral("actionCategories"), QStringLiteral("Categories")},
        {QStringLiteral("actionRenamePayees"), QStringLiteral("Payee Management")},
        {QStringLiteral("actionReconcile"), QStringLiteral("Reconcile")},
        {QStringLiteral("actionReconciliationHistory"), QStringLiteral("Reconciliation History")},
        {QStringLiteral("actionFind"), QStringLiteral("Search Transactions")},
    };
    for (const auto &[actionName, title] : windows) {
        QWidget *w = openedWindow(main, actionName, title);
        if (!w)
            continue;
        const QString name = actionName.mid(6).toLower();
        save(w, QStringLiteral("%1/%2-%3.png").arg(dir, name, themeSuffix));
        w->close();
        settle();
    }

    // The register's dialogs over the first split payment of the store.
    std::optional<Transaction> split;
    for (const Account &a : state.accounts()->listLive()) {
        for (const Transaction &t : state.transactions()->listByAccount(a.id)) {
            if (t.isSplit && !split)
                split = t;
        }
    }
    if (!split)
        return;
    const QString accountId = split->accountId;
    TransactionFormDialog form(&state, accountId, &main);
    form.setTransaction(*split);
    form.show();
    save(&form, QStringLiteral("%1/transaction-form-%2.png").arg(dir, themeSuffix));
    form.close();
    const std::optional<Account> account = state.accounts()->findById(accountId);
    SplitEditorDialog splits(&state, split->amount, state.splitLines()->linesOf(split->id),
                             account ? account->currency : Currency::USD, &main);
    splits.show();
    save(&splits, QStringLiteral("%1/split-editor-%2.png").arg(dir, themeSuffix));
    splits.close();
    TransactionDetailsDialog details(&state, *split, &main);
    details.show();
    save(&details, QStringLiteral("%1/transaction-details-%2.png").arg(dir, themeSuffix));
}

// Each report over the last twelve months, with its chart; and the first as PDF.
void saveReports(MainWindow &main, const QString &dir, const QString &themeSuffix)
{
    main.action(QStringLiteral("actionReports"))->trigger();
    auto *screen = main.findChild<ReportsScreen *>();
    if (!screen)
        return;
    QEventLoop loop;
    QObject::connect(screen, &ReportsScreen::reportShown, &loop, &QEventLoop::quit);
    QTimer::singleShot(0, screen, [screen] {
        screen->selectPeriod(ReportPeriod::Last12Months);
        screen->refresh();
    });
    loop.exec();
    for (int k = 0; k < kReportKindCount; ++k) {
        {
            const QSignalBlocker quiet(screen->reportList());
            screen->selectReport(ReportKind(k));
        }
        QTimer::singleShot(0, screen, &ReportsScreen::refresh);
        loop.exec();
        save(screen, QStringLiteral("%1/reports-%2-%3.png").arg(dir, ReportCatalog::code(ReportKind(k)), themeSuffix));
    }
    screen->selectReport(ReportKind::CategorySpending);
    QTimer::singleShot(0, screen, &ReportsScreen::refresh);
    loop.exec();
    const QString pdf = QStringLiteral("%1/report-%2.pdf").arg(dir, themeSuffix);
    QString error;
    if (ReportPdf::write(screen->model()->report(), screen->chartView()->hasChart() ? &screen->chartView()->chart() : nullptr,
                         pdf, &error, QPageSize::A4))
        QTextStream(stdout) << pdf << "\n";
    screen->close();
    settle();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Logging::installMessageFilter();
    AppStyle::install();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: quillet-shots OUTPUT_DIR [--scale=PERCENT]\n";
        return 2;
    }
    const QString out = args.at(1);
    QDir().mkpath(out);
    int scale = 100;
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--scale=")))
            scale = a.mid(8).toInt();
    }

    QTemporaryDir data;
    qputenv("QUILLET_DATA_DIR", data.path().toUtf8());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, data.path());
    Application::setIdentity();
    app.loadTranslations();
    app.loadAssets();

    AppState state;
    if (!state.initialize())
        return 1;
    state.themeManager()->setFontScale(scale);
    const QString suffix = scale == 100 ? QString() : QStringLiteral("-%1").arg(scale);

    for (const QString &theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->applyTheme(theme);
        {
            MainWindow window(&state);
            window.resize(1280, 820);
            window.show();
            save(&window, QStringLiteral("%1/welcome-%2%3.png").arg(out, theme, suffix));
            window.welcomePage()->setMode(WelcomeScreen::Mode::Returning);
            window.welcomePage()->setSignInAvailable(true);
            save(&window, QStringLiteral("%1/welcome-returning-%2%3.png").arg(out, theme, suffix));
            window.pages()->setCurrentWidget(window.emptyStatePage());
            save(&window, QStringLiteral("%1/empty-state-%2%3.png").arg(out, theme, suffix));
        }
        SampleData sample(state.store()->repositories());
        sample.load();
        state.setCurrentAccountId(QStringLiteral("sample-acct-checking"));
        {
            MainWindow window(&state);
            window.resize(1500, 860);  // wide enough for the register's default columns
            window.show();
            save(&window, QStringLiteral("%1/main-%2%3.png").arg(out, theme, suffix));
            state.preferences()->setBool(QStringLiteral("registerTwoLine"), true);
            save(&window, QStringLiteral("%1/main-two-line-%2%3.png").arg(out, theme, suffix));
            state.preferences()->setBool(QStringLiteral("registerTwoLine"), false);
            saveScreens(window, state, out, theme + suffix);
            saveReports(window, out, theme + suffix);
            SettingsScreen settings(&state);
            settings.resize(560, 560);
            settings.show();
            const char *pages[] = {"general", "register", "data", "about"};
            for (int i = 0; i < 4; ++i) {
                settings.showPage(SettingsScreen::Page(i));
                save(&settings, QStringLiteral("%1/preferences-%2-%3%4.png").arg(out, QLatin1String(pages[i]), theme, suffix));
            }
        }
        sample.clear();
        state.setCurrentAccountId(QString());
    }
    return 0;
}
