// quillet-shots: renders the main screens over the sample data into PNG files,
// in the light and the dark palette, for reviewing layouts and for the README.
//   quillet-shots OUTPUT_DIR [--scale=PERCENT] [--lang=CODE]
#include "app/application.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/statusbar.h"
#include "app/settingsscreen.h"
#include "app/thememanager.h"
#include "app/updatechecks.h"
#include "app/welcomescreen.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/logging.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/sharedaccess.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalue.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/reportcatalog.h"
#include "services/safetycopies.h"
#include "services/sampledata.h"
#include "ui/account/accountwindow.h"
#include "ui/appstyle.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/dialogs/shareaccountdialog.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/import/importwindow.h"
#include "ui/charts/chartview.h"
#include "ui/reports/reportpdf.h"
#include "ui/reports/reportsscreen.h"
#include "ui/reports/reporttablemodel.h"
#include "ui/update/updatewindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

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

// A window made here, at the size the main window opens it with: grown with
// the text's scale and to its content, within the screen.
void showAsOpened(QWidget *window, const QSize &size)
{
    window->resize(size.expandedTo(ThemeManager::openingSize(window, size, window->screen())));
    window->show();
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

    // The account form, new and over the current account.
    AccountFormDialog created(&main);
    created.show();
    save(&created, QStringLiteral("%1/account-form-new-%2.png").arg(dir, themeSuffix));
    created.close();
    if (const std::optional<Account> current = state.accounts()->findById(state.currentAccountId())) {
        AccountFormDialog edited(*current, &main);
        edited.setOpeningBalance(state.accountService()->openingBalance(current->id));
        edited.show();
        save(&edited, QStringLiteral("%1/account-form-edit-%2.png").arg(dir, themeSuffix));
        edited.close();
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
    details.close();

    // A paycheck whose tax withheld goes against it: a minus line in both
    // editors, nothing written to the store.
    const std::optional<Category> salary = state.categories()->findByName(QStringLiteral("Salary / Wages"));
    const std::optional<Category> taxes = state.categories()->findByName(QStringLiteral("State & Local Taxes"));
    if (!salary || !taxes)
        return;
    TransactionFormDialog paycheck(&state, accountId, &main);
    Transaction seed;
    seed.payee = QStringLiteral("Larkspire Design Co.");
    seed.amount = 215000;
    paycheck.prefill(seed);
    if (auto *splitButton = paycheck.findChild<QPushButton *>(QStringLiteral("splitButton")))
        splitButton->click();
    if (auto *lines = paycheck.findChild<SplitLinesWidget *>()) {
        lines->clearLines();
        lines->addLine(salary->id, 250000, QStringLiteral("Gross pay"));
        lines->addLine(taxes->id, -35000, QStringLiteral("Withheld"));
    }
    paycheck.show();
    save(&paycheck, QStringLiteral("%1/transaction-form-minus-line-%2.png").arg(dir, themeSuffix));
    paycheck.close();
    const QList<SplitLine> lines = {{QString(), QString(), salary->id, 250000, QStringLiteral("Gross pay"), {}, {}},
                                    {QString(), QString(), taxes->id, -35000, QStringLiteral("Withheld"), {}, {}}};
    SplitEditorDialog paycheckSplits(&state, 215000, lines, account ? account->currency : Currency::USD, &main);
    paycheckSplits.show();
    save(&paycheckSplits, QStringLiteral("%1/split-editor-minus-line-%2.png").arg(dir, themeSuffix));
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
    // The same at the window's smallest size, where larger text has the
    // least room.
    const QSize opened = screen->size();
    screen->resize(800, 600);
    for (int k = 0; k < kReportKindCount; ++k) {
        {
            const QSignalBlocker quiet(screen->reportList());
            screen->selectReport(ReportKind(k));
        }
        QTimer::singleShot(0, screen, &ReportsScreen::refresh);
        loop.exec();
        save(screen,
             QStringLiteral("%1/reports-800-%2-%3.png").arg(dir, ReportCatalog::code(ReportKind(k)), themeSuffix));
    }
    screen->resize(opened);
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

// Signed in as a made-up user, without asking the service.
void stageSignIn(LarkAccount::Client *client)
{
    client->signIn()->acceptTokens({{QStringLiteral("access_token"), QStringLiteral("shots")},
                                    {QStringLiteral("refresh_token"), QStringLiteral("shots")},
                                    {QStringLiteral("expires_in"), 900}},
                                   [](bool, const QString &) {});
    client->applyProfile({{QStringLiteral("email"), QStringLiteral("ann.lee@example.org")},
                          {QStringLiteral("display_name"), QStringLiteral("Ann Lee")}});
}

// The account window signed out, then signed in with a made-up account (no
// service is asked: its addresses point at a closed local port).
void saveAccountWindow(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    LarkAccount::Client *client = state.accountClient();
    AccountWindow window(client, &main);
    window.resize(600, 550);
    window.show();
    save(&window, QStringLiteral("%1/account-signed-out-%2.png").arg(dir, themeSuffix));
    stageSignIn(client);
    const QString seen = QDateTime::currentDateTimeUtc().addSecs(-3600).toString(Qt::ISODate);
    client->applyDevices({QJsonObject{{QStringLiteral("device_id"), QStringLiteral("laptop")},
                                      {QStringLiteral("name"), QStringLiteral("ann-laptop")},
                                      {QStringLiteral("platform"), QStringLiteral("windows")},
                                      {QStringLiteral("app_version"), QStringLiteral("1.1.0")},
                                      {QStringLiteral("last_seen_at"), seen}},
                          QJsonObject{{QStringLiteral("device_id"), LarkAccount::Client::deviceId()},
                                      {QStringLiteral("name"), QStringLiteral("kitchen-pc")},
                                      {QStringLiteral("platform"), QStringLiteral("linux")},
                                      {QStringLiteral("app_version"), QStringLiteral("1.1.1")},
                                      {QStringLiteral("last_seen_at"), seen}}});
    save(&window, QStringLiteral("%1/account-signed-in-%2.png").arg(dir, themeSuffix));
    save(&main, QStringLiteral("%1/main-signed-in-%2.png").arg(dir, themeSuffix));
    client->signIn()->signOut();
}

// The question the window asks when someone else signs in than the user this
// data last synced with. It is taken while open and closed unanswered (that
// is, cancelled; nobody is waiting for the answer here).
void saveSyncUserQuestion(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    QEventLoop loop;
    QTimer::singleShot(300, &main, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                save(box, QStringLiteral("%1/sync-different-account-%2.png").arg(dir, themeSuffix));
                box->close();
            }
        }
        loop.quit();
    });
    Q_EMIT state.newSyncUser(QStringLiteral("ann.lee@example.org"), QStringLiteral("sam.ortiz@example.org"));
    loop.exec();
}

// The data page signed in, a few minutes after a completed sync. No service
// is asked: the engine's cycles are held back while the page is taken.
void saveSyncedDataPage(AppState &state, const QString &dir, const QString &themeSuffix)
{
    LarkAccount::Client *client = state.accountClient();
    state.syncEngine()->setMaySync([] { return false; });
    stageSignIn(client);
    state.preferences()->set(QStringLiteral("lastSyncTimestamp"), SqlValue::timestamp(Clock::nowUtc().addSecs(-300)));
    {
        SettingsScreen settings(&state);
        settings.resize(QSize(500, 550).expandedTo(settings.sizeHint()));
        settings.show();
        settings.showPage(SettingsScreen::DataAndSync);
        save(&settings, QStringLiteral("%1/preferences-data-synced-%2.png").arg(dir, themeSuffix));
    }
    client->signIn()->signOut();
    state.preferences()->remove(QStringLiteral("lastSyncTimestamp"));
    state.syncEngine()->setMaySync([&state] { return state.isSignedIn(); });
}

// The import window over two QIF files: one whose dates cannot tell the day
// from the month, one that is plainly day first.
void saveImportWindow(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    QTemporaryDir files;
    const QList<QPair<QString, QByteArray>> contents = {
        {QStringLiteral("statement-march.qif"),
         "!Account\nNEveryday Checking\n^\n!Type:Bank\nD05/03/2024\nT-12.50\nPBakery\n^\n"
         "D07/03/2024\nT-84.12\nPCorner Market\n^\n"},
        {QStringLiteral("card-april.qif"),
         "!Account\nNVisa Card\n^\n!Type:CCard\nD02/04/2024\nT-45.00\nPFuel\n^\nD15/04/2024\nT-9.99\nPMusic\n^\n"},
    };
    QStringList paths;
    for (const auto &[name, content] : contents) {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(content);
        paths.append(file.fileName());
    }
    ImportWindow window(state, &main);
    window.setFiles(paths);
    showAsOpened(&window, QSize(650, 600));
    save(&window, QStringLiteral("%1/import-%2.png").arg(dir, themeSuffix));
}

// The Share dialog signed out, refused by the service (its address is a
// closed local port) and as an owner sees it; then the register of an
// account shared with the user to view, beside one they share themselves.
void saveSharing(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    const QString checkingId = QStringLiteral("sample-acct-checking");
    const QString savingsId = QStringLiteral("sample-acct-savings");
    std::optional<Account> checking = state.accounts()->findById(checkingId);
    std::optional<Account> savings = state.accounts()->findById(savingsId);
    if (!checking || !savings)
        return;
    auto take = [&](const QString &name, const std::function<void(ShareAccountDialog &)> &stage) {
        ShareAccountDialog dialog(state.accountSharingService(), checkingId, checking->name, &main);
        showAsOpened(&dialog, QSize(560, 420));
        QEventLoop wait;
        QTimer::singleShot(5000, &wait, &QEventLoop::quit);
        QObject::connect(&dialog, &ShareAccountDialog::answered, &wait, &QEventLoop::quit);
        if (dialog.isBusy())
            wait.exec();
        if (stage)
            stage(dialog);
        save(&dialog, QStringLiteral("%1/%2-%3.png").arg(dir, name, themeSuffix));
    };
    take(QStringLiteral("share-signed-out"), {});

    state.syncEngine()->setMaySync([] { return false; });
    stageSignIn(state.accountClient());
    const Account plainChecking = *checking;
    checking->serverId = QStringLiteral("0f6f3c3e-7a59-4b8e-9d6c-2b1e8f9a4c10");
    checking->isShared = true;
    state.accounts()->update(*checking);
    take(QStringLiteral("share-failed"), {});
    take(QStringLiteral("share"), [](ShareAccountDialog &dialog) {
        AccountSharingService::Sharing sharing;
        sharing.myRole = QStringLiteral("owner");
        sharing.owner = {QStringLiteral("u1"), QStringLiteral("ann.lee@example.org"), QStringLiteral("Ann Lee")};
        sharing.members = {{{QStringLiteral("u2"), QStringLiteral("ben.lee@example.org"), QStringLiteral("Ben Lee")},
                            QStringLiteral("editor"), Clock::nowUtc().addDays(-12)}};
        sharing.candidates = {{QStringLiteral("u3"), QStringLiteral("maya.lee@example.org"), QStringLiteral("Maya Lee")}};
        dialog.showSharing(sharing);
        dialog.memberList()->setCurrentItem(dialog.memberList()->topLevelItem(1));
    });

    const Account plainSavings = *savings;
    savings->isShared = true;
    state.accounts()->update(*savings);
    SharedAccess access(state.preferences());
    access.set(savingsId, SharedAccess::Access{QStringLiteral("viewer"), QStringLiteral("Ben Lee"),
                                               QStringLiteral("ben.lee@example.org")});
    main.selectAccount(savingsId);
    save(&main, QStringLiteral("%1/register-view-only-%2.png").arg(dir, themeSuffix));
    // The recurring form over a schedule of that account, and over a
    // transfer into it being memorized.
    RecurringTransaction schedule;
    schedule.accountId = savingsId;
    schedule.payee = QStringLiteral("Interest");
    schedule.amount = 125;
    schedule.startDate = schedule.nextDueDate = Clock::today();
    for (const auto &[mode, name] : {std::pair{RecurringFormDialog::Edit, QStringLiteral("recurring-form-view-only")},
                                     std::pair{RecurringFormDialog::Memorize,
                                               QStringLiteral("recurring-form-transfer-view-only")}}) {
        if (mode == RecurringFormDialog::Memorize) {
            schedule.accountId = checkingId;
            schedule.transferDestAccountId = savingsId;
            schedule.payee = QStringLiteral("Transfer to Savings");
            schedule.amount = -20000;
        }
        RecurringFormDialog form(&state, mode, &main);
        form.setRecurring(schedule);
        form.show();
        save(&form, QStringLiteral("%1/%2-%3.png").arg(dir, name, themeSuffix));
    }

    access.set(savingsId, std::nullopt);
    state.accounts()->update(plainSavings);
    state.accounts()->update(plainChecking);
    main.selectAccount(checkingId);
    state.accountClient()->signIn()->signOut();
    state.syncEngine()->setMaySync([&state] { return state.isSignedIn(); });
}

// The import window over a bank's OFX download: its account, dates and
// rows; then the outcome, with the bank's balance beside the account's.
void saveOfxImportWindow(MainWindow &main, AppState &state, const QString &dir, const QString &themeSuffix)
{
    QTemporaryDir files;
    QFile file(files.filePath(QStringLiteral("download.qfx")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    // An account of its own for every picture, so each one imports afresh.
    const QByteArray number = "00012345" + QByteArray::number(qHash(themeSuffix) % 9000 + 1000);
    QByteArray rows;
    const struct {
        const char *date;
        const char *amount;
        const char *name;
    } payments[] = {{"20240302", "-54.20", "Corner Market"}, {"20240305", "-1200.00", "Maple Street Rentals"},
                    {"20240308", "2450.00", "Payroll Northwind"}, {"20240311", "-23.75", "City Water"},
                    {"20240315", "-8.99", "Streaming Service"}};
    int id = 0;
    for (const auto &p : payments) {
        rows += QByteArray("<STMTTRN><TRNTYPE>OTHER<DTPOSTED>") + p.date + "<TRNAMT>" + p.amount + "<FITID>"
            + QByteArray::number(++id) + "<NAME>" + p.name + "</STMTTRN>\n";
    }
    file.write("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
               "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>121000248<ACCTID>"
               + number + "<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20240301<DTEND>20240315\n" + rows
               + "</BANKTRANLIST><LEDGERBAL><BALAMT>1213.06<DTASOF>20240315</LEDGERBAL></STMTRS></STMTTRNRS>"
                 "</BANKMSGSRSV1></OFX>\n");
    file.close();
    ImportWindow window(state, &main);
    window.setFiles({file.fileName()});
    showAsOpened(&window, QSize(650, 600));
    save(&window, QStringLiteral("%1/import-ofx-%2.png").arg(dir, themeSuffix));
    window.startImport();
    save(&window, QStringLiteral("%1/import-ofx-done-%2.png").arg(dir, themeSuffix));
}

// The about box, the what's-new window and an offer of a newer version with notes.
void saveUpdateWindows(MainWindow &main, const QString &dir, const QString &themeSuffix)
{
    if (QWidget *about = openedWindow(main, QStringLiteral("actionAbout"), QStringLiteral("About"))) {
        save(about, QStringLiteral("%1/about-%2.png").arg(dir, themeSuffix));
        about->close();
    }
    if (QWidget *whatsNew = openedWindow(main, QStringLiteral("actionWhatsNew"), QStringLiteral("What's New"))) {
        save(whatsNew, QStringLiteral("%1/whats-new-%2.png").arg(dir, themeSuffix));
        whatsNew->close();
    }
    LarkUpdate::Release release;
    release.version = QStringLiteral("1.2.0");
    release.date = QStringLiteral("2026-12-01");
    release.notes = QStringLiteral(
        "## Budgets\n\nSet a monthly amount for any category and see at a glance how much is left.\n\n"
        "## Improvements\n\n- Sync pulls large registers in pages, so the first sync of a new device is quicker.\n"
        "- The **Cash Flow** report can start on any day of the month.\n- Reconcile remembers the last statement date.\n\n"
        "## Fixes\n\n- Split lines keep their memos when a transaction moves to another account.\n");
    release.notesUrl = QUrl(QStringLiteral("https://larkspire.app/quillet/releases/1.2.0"));
    release.platform = LarkUpdate::platformKey();
    release.url = QUrl(QStringLiteral("https://larkspire.app/downloads/quillet/Quillet-1.2.0-x64.msi"));
    release.size = 48213504;
    release.sha256 = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");
    UpdateWindow offer(release, UpdateChecks::runningVersion(), QStringLiteral("Larkspire Quillet"), &main);
    showAsOpened(&offer, QSize(560, 520));
    save(&offer, QStringLiteral("%1/update-%2.png").arg(dir, themeSuffix));
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
        QTextStream(stderr) << "usage: quillet-shots OUTPUT_DIR [--scale=PERCENT] [--lang=CODE]\n";
        return 2;
    }
    const QString out = args.at(1);
    QDir().mkpath(out);
    int scale = 100;
    QString lang;
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--scale=")))
            scale = a.mid(8).toInt();
        else if (a.startsWith(QLatin1String("--lang=")))
            lang = a.mid(7);
    }

    QTemporaryDir data;
    qputenv("QUILLET_DATA_DIR", data.path().toUtf8());
    qputenv("QUILLET_TOKEN_STORE", "file");
    for (const char *endpoint : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "DOWNLOADS_URL"})
        qputenv(endpoint, "http://127.0.0.1:9");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, data.path());
    Application::setIdentity();
    if (!lang.isEmpty())
        Application::setLanguage(lang);
    app.loadTranslations();
    app.loadAssets();

    AppState state;
    if (!state.initialize())
        return 1;
    state.themeManager()->setFontScale(scale);
    QString suffix = scale == 100 ? QString() : QStringLiteral("-%1").arg(scale);
    if (!lang.isEmpty())
        suffix += QLatin1Char('-') + lang;

    for (const QString &theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->applyTheme(theme);
        {
            MainWindow window(&state);
            window.resize(1280, 820);
            window.show();
            save(&window, QStringLiteral("%1/welcome-%2%3.png").arg(out, theme, suffix));
            window.welcomePage()->setMode(WelcomeScreen::Mode::Returning);
            save(&window, QStringLiteral("%1/welcome-returning-%2%3.png").arg(out, theme, suffix));
            window.pages()->setCurrentWidget(window.emptyStatePage());
            save(&window, QStringLiteral("%1/empty-state-%2%3.png").arg(out, theme, suffix));
        }
        SampleData sample(state.store()->repositories());
        sample.load();
        state.setCurrentAccountId(QStringLiteral("sample-acct-checking"));
        {
            MainWindow window(&state);
            window.resize(1280, 900);
            window.show();
            save(&window, QStringLiteral("%1/main-%2%3.png").arg(out, theme, suffix));
            // A message has the status bar to itself while it shows.
            window.mainStatusBar()->showTransient(QStringLiteral("Auto-posted 1 recurring transaction"), 60000);
            save(&window, QStringLiteral("%1/main-message-%2%3.png").arg(out, theme, suffix));
            window.mainStatusBar()->clearMessage();
            state.preferences()->setBool(QStringLiteral("registerTwoLine"), true);
            save(&window, QStringLiteral("%1/main-two-line-%2%3.png").arg(out, theme, suffix));
            state.preferences()->setBool(QStringLiteral("registerTwoLine"), false);
            saveScreens(window, state, out, theme + suffix);
            saveReports(window, out, theme + suffix);
            saveAccountWindow(window, state, out, theme + suffix);
            saveSyncUserQuestion(window, state, out, theme + suffix);
            saveSharing(window, state, out, theme + suffix);
            saveImportWindow(window, state, out, theme + suffix);
            saveOfxImportWindow(window, state, out, theme + suffix);
            saveUpdateWindows(window, out, theme + suffix);
            // Safety copies, for the data page's list.
            SafetyCopies *copies = state.backupService()->safetyCopies();
            copies->make(QStringLiteral("before-import"));
            copies->make(QStringLiteral("before-restore"));
            copies->makeDailyIfDue();
            SettingsScreen settings(&state);
            // Sized as the main window opens it: its own size, grown to its content.
            settings.resize(QSize(500, 550).expandedTo(settings.sizeHint()));
            settings.show();
            const char *pages[] = {"general", "register", "data", "about"};
            for (int i = 0; i < 4; ++i) {
                settings.showPage(SettingsScreen::Page(i));
                save(&settings, QStringLiteral("%1/preferences-%2-%3%4.png").arg(out, QLatin1String(pages[i]), theme, suffix));
            }
            settings.close();
            saveSyncedDataPage(state, out, theme + suffix);
        }
        sample.clear();
        state.setCurrentAccountId(QString());
    }
    return 0;
}
