#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/thememanager.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "support/core/fixtures.h"
#include "support/gui/dialogdriver.h"
#include "ui/charts/chartview.h"
#include "services/reportcatalog.h"
#include "services/reportservice.h"
#include "ui/prompt.h"
#include "ui/reports/reportrowswindow.h"
#include "ui/reports/reportsscreen.h"
#include "ui/reports/reporttablemodel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

// The clock stands at 2024-06-20: "Last Month" is May 2024.
class TestReportsScreen : public DialogTestCase
{
    Q_OBJECT

    Account m_checking;

    void add(const QDate &date, const QString &payee, qint64 amount, const QString &category = QString())
    {
        Transaction t = Fixtures::newTransaction(m_checking.id, date, payee, amount);
        t.categoryId = category;
        state()->transactions()->insert(t);
    }

    static bool waitForReport(ReportsScreen &screen)
    {
        QSignalSpy shown(&screen, &ReportsScreen::reportShown);
        return shown.wait(10000);
    }

    // Picks the entry with the keyboard, as a user does, and waits for the report.
    static bool chooseFromList(ReportsScreen &screen, ReportKind kind)
    {
        screen.reportList()->setFocus();
        QSignalSpy shown(&screen, &ReportsScreen::reportShown);
        QTest::keyClick(screen.reportList(), Qt::Key_Home);
        for (int i = 0; i < int(kind); ++i)
            QTest::keyClick(screen.reportList(), Qt::Key_Down);
        return screen.reportList()->currentRow() == int(kind) && (shown.count() > 0 || shown.wait(10000));
    }

    static bool choosePeriod(ReportsScreen &screen, ReportPeriod period)
    {
        QSignalSpy shown(&screen, &ReportsScreen::reportShown);
        QComboBox *box = screen.periodCombo();
        box->setFocus();
        const int target = box->findData(int(period));
        const int from = box->currentIndex();
        for (int i = from; i != target; i += target > from ? 1 : -1)
            QTest::keyClick(box, target > from ? Qt::Key_Down : Qt::Key_Up);
        return box->currentIndex() == target && (from == target || shown.wait(10000));
    }

    static QStringList firstColumn(const ReportsScreen &screen)
    {
        QStringList texts;
        for (int r = 0; r < screen.model()->rowCount(); ++r)
            texts.append(screen.model()->index(r, 0).data().toString().trimmed());
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(start());
        Prompt::setTestMode(true);
        Prompt::clear();
        m_checking = addAccount(QStringLiteral("Checking"));
        add(QDate(2024, 5, 2), QStringLiteral("Fresh Mart"), -4000, categoryId(QStringLiteral("Groceries")));
        add(QDate(2024, 5, 9), QStringLiteral("Fresh Mart"), -2000, categoryId(QStringLiteral("Groceries")));
        add(QDate(2024, 5, 20), QStringLiteral("City Power"), -9000);
        add(QDate(2024, 6, 3), QStringLiteral("Acme Corp"), 250000);
    }
    void cleanup()
    {
        state()->themeManager()->setFontScale(100);
        stop();
    }

    void choosingAReportAndAPeriodFillsTheTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("period");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("chart");
        QTest::newRow("payees last month") << int(ReportKind::PayeeSummary) << int(ReportPeriod::LastMonth)
                                           << QStringList{"City Power", "Fresh Mart", "Total"} << true;
        QTest::newRow("payees this month") << int(ReportKind::PayeeSummary) << int(ReportPeriod::ThisMonth)
                                           << QStringList{"Acme Corp", "Total"} << false;
        QTest::newRow("transactions this quarter") << int(ReportKind::Transactions) << int(ReportPeriod::ThisQuarter)
                                                   << QStringList{"5/2/2024", "5/9/2024", "5/20/2024", "6/3/2024", "Total"}
                                                   << false;
        QTest::newRow("accounts last year") << int(ReportKind::AccountSummary) << int(ReportPeriod::LastYear)
                                            << QStringList{"Checking", "Total"} << false;
    }

    void choosingAReportAndAPeriodFillsTheTable()
    {
        QFETCH(int, kind);
        QFETCH(int, period);
        QFETCH(QStringList, rows);
        QFETCH(bool, chart);
        ReportsScreen screen(state());
        QAbstractItemModelTester tester(screen.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        screen.resize(800, 600);
        screen.show();
        QVERIFY(waitForReport(screen));
        QVERIFY(choosePeriod(screen, ReportPeriod(period)));
        QVERIFY(chooseFromList(screen, ReportKind(kind)));
        QCOMPARE(firstColumn(screen), rows);
        QCOMPARE(screen.chartView()->isVisible(), chart);
    }

    // The widest reports fit the narrowest window at large text: nothing to
    // scroll sideways, and every figure whole.
    void wideReportsFitTheWindow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("scale");
        for (const int scale : {100, 150, 160}) {
            for (const ReportKind kind : {ReportKind::AccountSummary, ReportKind::Transactions,
                                          ReportKind::YearOverYear, ReportKind::CashFlow})
                QTest::addRow("%s at %d %%", qPrintable(ReportCatalog::code(kind)), scale) << int(kind) << scale;
        }
    }

    void wideReportsFitTheWindow()
    {
        QFETCH(int, kind);
        QFETCH(int, scale);
        add(QDate(2024, 5, 30), QStringLiteral("Larkspire Design Company Limited"), 123456789);
        state()->themeManager()->setFontScale(scale);
        ReportsScreen screen(state());
        screen.resize(800, 600);
        screen.show();
        QVERIFY(waitForReport(screen));
        QVERIFY(chooseFromList(screen, ReportKind(kind)));
        QTableView *table = screen.table();
        QTRY_COMPARE(table->horizontalScrollBar()->maximum(), 0);
        const ReportTableModel *model = screen.model();
        QVERIFY(model->rowCount() > 0);
        const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        for (int c = 0; c < model->columnCount(); ++c) {
            if (table->isColumnHidden(c) || !model->headerData(c, Qt::Horizontal, ReportTableModel::FigureRole).toBool())
                continue;
            for (int r = 0; r < model->rowCount(); ++r) {
                if (table->columnSpan(r, 0) > c)
                    continue;
                QFont font = table->font();
                font.setBold(model->rowAt(r)->total);
                const QString text = model->index(r, c).data().toString();
                QVERIFY2(table->columnWidth(c) >= QFontMetrics(font).horizontalAdvance(text) + margins, qPrintable(text));
            }
        }
    }

    // A total opens the transactions it sums; one of those opens for editing.
    void doubleClickOpensTheRows()
    {
        ReportsScreen screen(state());
        screen.resize(800, 600);
        // The first report may be shown while the window becomes active.
        QSignalSpy firstShown(&screen, &ReportsScreen::reportShown);
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QVERIFY(firstShown.count() > 0 || firstShown.wait(10000));
        QVERIFY(choosePeriod(screen, ReportPeriod::LastMonth));
        QVERIFY(chooseFromList(screen, ReportKind::PayeeSummary));
        const int freshMart = firstColumn(screen).indexOf(QStringLiteral("Fresh Mart"));
        QVERIFY(freshMart >= 0);
        QTableView *table = screen.table();
        const QRect cell = table->visualRect(screen.model()->index(freshMart, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        auto *rows = screen.findChild<ReportRowsWindow *>();
        QVERIFY(rows);
        QSignalSpy shown(rows, &ReportRowsWindow::rowsShown);
        QVERIFY(shown.wait(10000));
        const ReportTableModel *model = rows->model();
        QCOMPARE(model->rowCount(), 3);  // two payments and their total
        QCOMPARE(model->rowAt(2)->cells.value(5).toLongLong(), qint64(-6000));

        QSignalSpy edit(rows, &ReportRowsWindow::editTransactionRequested);
        const QPoint first = rows->table()->visualRect(model->index(0, 2)).center();
        QTest::mouseClick(rows->table()->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(rows->table()->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toString(), model->rowAt(0)->transactionId);
        rows->close();
    }

    void exportsWriteTheirFiles()
    {
        ReportsScreen screen(state());
        screen.show();
        QVERIFY(waitForReport(screen));
        QVERIFY(choosePeriod(screen, ReportPeriod::LastMonth));
        const QString csv = state()->dataDirectory() + QStringLiteral("/spending.csv");
        Prompt::queueText(csv);
        QSignalSpy done(state()->reportService(), &ReportService::csvExported);
        QTest::mouseClick(DialogDriver::button(&screen, QStringLiteral("Export CSV")), Qt::LeftButton);
        QVERIFY(done.wait(10000));
        QVERIFY(done.at(0).at(1).toBool());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), QByteArray("Category,Spending,Share,Currency\r\n"));
        QVERIFY(file.readAll().contains("Groceries,60.00,"));
        QVERIFY(Prompt::records().first().text.endsWith(QStringLiteral("/category_spending.csv")));

        const QString pdf = state()->dataDirectory() + QStringLiteral("/spending.pdf");
        Prompt::queueText(pdf);
        QTest::mouseClick(DialogDriver::button(&screen, QStringLiteral("Export PDF")), Qt::LeftButton);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
    }

    // A list longer than the window shows: its newest rows come first, then
    // the total over every row below them, the rows shown left as they were.
    void longListsShowTheirRowsBeforeTheirTotals()
    {
        // 5,010 more payments of 1.00 in May, in one statement.
        QSqlQuery q(state()->database()->connection());
        QVERIFY(q.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5010) "
            "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
            "SELECT 'bulk-' || i, '%1', '2024-05-15', 'Meter', -100, '2024-05-15T10:00:00Z', '2024-05-15T10:00:00Z' "
            "FROM n").arg(m_checking.id)));
        ReportsScreen screen(state());
        screen.resize(800, 600);
        screen.show();
        QVERIFY(waitForReport(screen));
        QVERIFY(choosePeriod(screen, ReportPeriod::ThisQuarter));
        QSignalSpy completed(&screen, &ReportsScreen::reportCompleted);
        QVERIFY(chooseFromList(screen, ReportKind::Transactions));
        const auto totals = [&] {
            int count = 0;
            for (int r = 0; r < screen.model()->rowCount(); ++r)
                count += screen.model()->rowAt(r)->total ? 1 : 0;
            return count;
        };
        if (completed.isEmpty()) {
            QCOMPARE(screen.model()->rowCount(), ReportsScreen::kShownRows);
            QCOMPARE(totals(), 0);
            QVERIFY(screen.isBusy());
            QVERIFY(completed.wait(10000));
        }
        QVERIFY(!screen.isBusy());
        QCOMPARE(screen.model()->rowCount(), ReportsScreen::kShownRows + 1);
        QCOMPARE(totals(), 1);
        const ReportRow *total = screen.model()->rowAt(ReportsScreen::kShownRows);
        // The four rows of init() (235,000) and the 5,010 payments.
        QCOMPARE(total->cells.value(5).toLongLong(), qint64(235000 - 501000));
        QVERIFY2(screen.statusLabel()->text().contains(QLocale().toString(5014)), qPrintable(screen.statusLabel()->text()));
    }

    void ctrl2OpensOneReportsWindow()
    {
        MainWindow window(state());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), Qt::Key_2, Qt::ControlModifier);
        auto *reports = window.findChild<ReportsScreen *>();
        QVERIFY(reports);
        QCOMPARE(reports->windowTitle(), QStringLiteral("Reports"));
        QCOMPARE(reports->size(), QSize(800, 600));
        reports->close();
        window.action(QStringLiteral("actionReports"))->trigger();
        QCOMPARE(window.findChildren<ReportsScreen *>().size(), 1);
        QVERIFY(reports->isVisible());
    }
};

QTEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
