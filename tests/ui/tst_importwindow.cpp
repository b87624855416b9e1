#include "data/sharedaccess.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"
#include "support/core/fixtures.h"
#include "support/core/testdata.h"
#include "support/gui/screenshots.h"
#include "support/gui/testapp.h"
#include "ui/import/csvmappingpanel.h"
#include "ui/import/dateorderrows.h"
#include "ui/import/importwindow.h"
#include "ui/import/ofxmappingpanel.h"
#include "ui/import/qifmappingpanel.h"
#include "ui/prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QtTest>

namespace {

QAbstractButton *buttonWithText(QWidget *root, const QString &text)
{
    const QList<QAbstractButton *> buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void screenshot(QWidget *w, const QString &name)
{
    QVERIFY(Screenshots::saveLightAndDark(w, name));
}

Account addAccount(AppState *state, const QString &name)
{
    return Fixtures::addAccount(state->accounts(), name);
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void qifSourcesAreMappedAndImported();
    void fileWithoutAccountHeaderGoesToCurrentAccount();
    void abortShowsRollbackMessage();
    void csvPreviewFollowsMapping();
    void cancelDuringImportRollsBack();
    void csvWithThousandsOfColumnsStaysUsable();
    void csvIntoNewAccountTwiceMakesOneAccount();
    void controlsAreNamedAndEscapeCloses();
    void dateOrderIsShownAndCanBeChosen();
    void ofxStatementIsPreviewedImportedAndReconciled();

private:
    void choose(ImportWindow &window, const QString &paths);
    int transactionCount() const;

    std::unique_ptr<TestApp> m_app;
};

void TestImportWindow::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestImportWindow::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
}

void TestImportWindow::cleanup()
{
    m_app.reset();
}

void TestImportWindow::choose(ImportWindow &window, const QString &paths)
{
    Prompt::queueText(paths);
    QTest::mouseClick(buttonWithText(&window, QStringLiteral("&Choose Files...")), Qt::LeftButton);
}

int TestImportWindow::transactionCount() const
{
    QSqlQuery q(m_app->state()->database()->connection());
    q.exec(QStringLiteral("SELECT COUNT(*) FROM transactions"));
    return q.next() ? q.value(0).toInt() : -1;
}

void TestImportWindow::qifSourcesAreMappedAndImported()
{
    const Account checking = addAccount(m_app->state(), QStringLiteral("Everyday checking"));
    addAccount(m_app->state(), QStringLiteral("Brokerage"));
    // Shared with the user to view only: not offered, though its name matches.
    const Account shared = addAccount(m_app->state(), QStringLiteral("Holiday Savings"));
    QVERIFY(SharedAccess(m_app->state()->preferences()).set(shared.id, SharedAccess::Access{QStringLiteral("viewer"), {}, {}}));
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, TestData::file("multi_account.qif") + QLatin1Char('\n') + TestData::file("investment.qif"));
    QCOMPARE(window.format(), ImportWindow::Qif);
    QifMappingPanel *panel = window.qifPanel();
    QCOMPARE(panel->sourceCount(), 4);
    // Same name: the existing account; otherwise a new account.
    QCOMPARE(panel->choiceFor(QStringLiteral("everyday checking"))->currentData().toString(), checking.id);
    QCOMPARE(panel->choiceFor(QStringLiteral("holiday savings"))->currentData().toString(),
             ImportService::createMarker());
    QCOMPARE(panel->choiceFor(QStringLiteral("holiday savings"))->findData(shared.id), -1);
    QCOMPARE(panel->choiceFor(QStringLiteral("visa card"))->currentText(), QStringLiteral("New account (Credit Card)"));
    screenshot(&window, QStringLiteral("import_qif"));

    // An account made elsewhere meanwhile is offered too; the choices stay.
    const Account amex = addAccount(m_app->state(), QStringLiteral("Amex"));
    QTRY_VERIFY(panel->choiceFor(QStringLiteral("visa card"))->findData(amex.id) >= 0);
    QCOMPARE(panel->choiceFor(QStringLiteral("everyday checking"))->currentData().toString(), checking.id);

    QComboBox *visa = panel->choiceFor(QStringLiteral("visa card"));
    visa->setFocus();
    QTest::keyClick(visa, Qt::Key_End);  // the last choice: skip
    QCOMPARE(visa->currentData().toString(), ImportService::skipMarker());
    QTest::mouseClick(window.importButton(), Qt::LeftButton);

    QCOMPARE(transactionCount(), 5 + 3);
    const QStringList lines = window.resultText().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("8 transaction(s) imported"));
    QVERIFY(lines.contains(QStringLiteral("1 transfer(s) linked across accounts")));
    QVERIFY(lines.contains(QStringLiteral("1 record(s) skipped (unmapped source account)")));
    QStringList names;
    const QList<Account> accounts = m_app->state()->accounts()->listLive();
    for (const Account &a : accounts)
        names.append(a.name);
    names.sort();
    QCOMPARE(names, (QStringList{"Amex", "Brokerage", "Everyday checking", "Holiday Savings", "Holiday Savings"}));
    screenshot(&window, QStringLiteral("import_qif_done"));
    // The created account is offered now; the skipped source stays skipped.
    QCOMPARE(panel->choiceFor(QStringLiteral("holiday savings"))->currentText(), QStringLiteral("Holiday Savings"));
    QCOMPARE(panel->choiceFor(QStringLiteral("holiday savings"))->findData(shared.id), -1);
    QCOMPARE(panel->choiceFor(QStringLiteral("visa card"))->currentData().toString(), ImportService::skipMarker());
}

void TestImportWindow::fileWithoutAccountHeaderGoesToCurrentAccount()
{
    addAccount(m_app->state(), QStringLiteral("Other"));
    const Account current = addAccount(m_app->state(), QStringLiteral("Joint"));
    m_app->state()->setCurrentAccountId(current.id);
    ImportWindow window(*m_app->state());
    window.show();
    const QString path = TestData::file("dayfirst_crlf.qif");
    choose(window, path);
    QComboBox *choice = window.qifPanel()->choiceFor(path.toLower());
    QVERIFY(choice);
    QCOMPARE(choice->currentData().toString(), current.id);
    const QList<QLabel *> labels = window.qifPanel()->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel *l) {
        return l->text() == QLatin1String("dayfirst_crlf.qif (no account header)");
    }));
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(m_app->state()->transactions()->balance(current.id), qint64(-1000 - 123456));
}

void TestImportWindow::abortShowsRollbackMessage()
{
    QSqlQuery q(m_app->state()->database()->connection());
    QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER no_links BEFORE UPDATE OF transfer_link_id ON transactions BEGIN "
                                  "SELECT RAISE(ABORT, 'links refused'); END")));
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, TestData::file("multi_account.qif"));
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(window.resultText(), QStringLiteral("A database error stopped the import and all changes were rolled "
                                                 "back. No transactions were added."));
    QCOMPARE(transactionCount(), 0);
    QVERIFY(m_app->state()->accounts()->listLive().isEmpty());
    screenshot(&window, QStringLiteral("import_rollback"));
}

void TestImportWindow::csvPreviewFollowsMapping()
{
    const Account checking = addAccount(m_app->state(), QStringLiteral("Checking"));
    m_app->state()->setCurrentAccountId(checking.id);
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, TestData::file("bank.csv"));
    QCOMPARE(window.format(), ImportWindow::Csv);
    QTableWidget *preview = window.csvPanel()->preview();
    QCOMPARE(preview->rowCount(), 3);
    QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("1/15/2024"));
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Corner Market, Inc."));
    QCOMPARE(preview->item(2, 2)->text(), QStringLiteral("2,400.00"));
    screenshot(&window, QStringLiteral("import_csv"));

    QCheckBox *header = window.findChild<QCheckBox *>();
    QVERIFY(header && header->isChecked());
    QTest::mouseClick(header, Qt::LeftButton);
    QCOMPARE(preview->rowCount(), 4);
    QVERIFY(preview->item(0, 0)->text().startsWith(QLatin1String("Skipped: Unreadable date")));
    screenshot(&window, QStringLiteral("import_csv_noheader"));
    QTest::mouseClick(header, Qt::LeftButton);

    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(window.resultText(), QStringLiteral("3 transaction(s) imported"));
    QCOMPARE(m_app->state()->transactions()->balance(checking.id), qint64(-8412 - 450 + 240000));
}

void TestImportWindow::cancelDuringImportRollsBack()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("long.qif")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("!Account\nNLong\n^\n!Type:Bank\n");
    for (int i = 0; i < 1000; ++i)
        file.write(QStringLiteral("D1/1/2024\nT-%1\nPRow %1\n^\n").arg(i + 1).toUtf8());
    file.close();

    ImportWindow window(*m_app->state());
    window.show();
    choose(window, file.fileName());
    QAbstractButton *cancel = buttonWithText(&window, QStringLiteral("Cancel Import"));
    QWidget mainWindow;  // another window of the app, which must stay while the import runs
    mainWindow.show();
    bool sawProgress = false;
    bool otherClosed = true;
    connect(m_app->state()->importService(), &ImportService::progress, this, [&](int done, int total) {
        if (done == 300 && total == 1000) {
            otherClosed = mainWindow.close();
            sawProgress = cancel->isVisible();
            screenshot(&window, QStringLiteral("import_progress"));
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QVERIFY(sawProgress);
    QVERIFY(!otherClosed);
    QVERIFY(mainWindow.isVisible());
    QCOMPARE(window.resultText(), ImportService::cancelledMessage());
    QCOMPARE(transactionCount(), 0);
    QVERIFY(m_app->state()->accounts()->listLive().isEmpty());
    QVERIFY(!cancel->isVisible());
}

void TestImportWindow::csvWithThousandsOfColumnsStaysUsable()
{
    // Not a statement at all: one line cut into 20,000 fields.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("wide.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2024-01-02,Shop,-5.00" + QByteArray(20000, ',') + "\n");
    file.close();
    addAccount(m_app->state(), QStringLiteral("Checking"));
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, file.fileName());
    const QList<QComboBox *> boxes = window.csvPanel()->findChildren<QComboBox *>();
    for (const QComboBox *box : boxes)
        QVERIFY2(box->count() <= 110, qPrintable(QString::number(box->count())));
    QCOMPARE(window.csvPanel()->preview()->rowCount(), 1);
    QVERIFY(window.importButton()->isEnabled());
}

void TestImportWindow::csvIntoNewAccountTwiceMakesOneAccount()
{
    addAccount(m_app->state(), QStringLiteral("Checking"));
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, TestData::file("bank.csv"));
    QComboBox *target = nullptr;
    const QList<QComboBox *> boxes = window.csvPanel()->findChildren<QComboBox *>();
    for (QComboBox *box : boxes) {
        if (box->findData(ImportService::createMarker()) >= 0)
            target = box;
    }
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_End);
    QCOMPARE(target->currentText(), QStringLiteral("New account \"bank\""));
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(window.resultText(), QStringLiteral("3 transaction(s) imported"));

    // The account just made is the target now: the same file again adds nothing.
    QCOMPARE(target->currentText(), QStringLiteral("bank"));
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(window.resultText(), QStringLiteral("0 transaction(s) imported\n3 duplicate(s) skipped"));
    QCOMPARE(m_app->state()->accounts()->listLive().size(), 2);
    QCOMPARE(transactionCount(), 3);
}

void TestImportWindow::controlsAreNamedAndEscapeCloses()
{
    addAccount(m_app->state(), QStringLiteral("Checking"));
    ImportWindow window(*m_app->state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char *file : {"multi_account.qif", "bank.csv"}) {
        choose(window, TestData::file(file));
        QSet<const QWidget *> buddies;
        const QList<QLabel *> labels = window.findChildren<QLabel *>();
        for (const QLabel *l : labels) {
            if (l->buddy())
                buddies.insert(l->buddy());
        }
        const QList<QWidget *> widgets = window.findChildren<QWidget *>();
        for (const QWidget *w : widgets) {
            if (!w->isVisibleTo(&window) || !(w->focusPolicy() & Qt::TabFocus) || qobject_cast<const QLabel *>(w))
                continue;
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            const bool named = !w->accessibleName().isEmpty() || buddies.contains(w)
                               || (button && !button->text().isEmpty());
            QVERIFY2(named, qPrintable(QStringLiteral("%1 in %2").arg(QLatin1String(w->metaObject()->className()),
                                                                      QLatin1String(file))));
        }
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestImportWindow::dateOrderIsShownAndCanBeChosen()
{
    const Account checking = addAccount(m_app->state(), QStringLiteral("Checking"));
    m_app->state()->setCurrentAccountId(checking.id);
    // Day first, but no day above 12 says so.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("dayfirst.qif")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("!Type:Bank\nD05/03/2024\nT-1\nPBakery\n^\nD07/04/2024\nT-2\nPButcher\n^\n");
    file.close();
    ImportWindow window(*m_app->state());
    window.show();
    choose(window, file.fileName());

    QComboBox *order = window.qifPanel()->dateOrders()->choiceFor(file.fileName());
    QVERIFY(order);
    QCOMPARE(order->currentText(), QStringLiteral("Month/Day/Year (guessed)"));
    QCOMPARE(order->accessibleName(), QStringLiteral("Date order of dayfirst.qif"));
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel *l) {
        return l->isVisible()
               && l->text() == QLatin1String("Ambiguous: 05/03/2024 is May 3, 2024 (month first) or Mar 5, 2024 (day "
                                             "first)");
    }));
    screenshot(&window, QStringLiteral("import_date_order"));

    order->setFocus();
    QTest::keyClick(order, Qt::Key_Down);
    QCOMPARE(order->currentText(), QStringLiteral("Day/Month/Year"));
    QVERIFY(window.qifPanel()->dateOrders()->choiceFor(file.fileName()) == order);
    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(window.resultText(), QStringLiteral("2 transaction(s) imported"));
    QStringList dates;
    QSqlQuery q(m_app->state()->database()->connection());
    QVERIFY(q.exec(QStringLiteral("SELECT date FROM transactions ORDER BY date")));
    while (q.next())
        dates.append(q.value(0).toString());
    QCOMPARE(dates, (QStringList{"2024-03-05", "2024-04-07"}));
    QCOMPARE(order->currentData().toInt(), int(QifReader::DayFirst));
}

// A bank download under a QIF file's name: read as OFX, its account found by
// its last four digits, imported, and its balance offered to reconcile to.
void TestImportWindow::ofxStatementIsPreviewedImportedAndReconciled()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    Account everyday = addAccount(m_app->state(), QStringLiteral("Everyday"));
    everyday.accountNumberLast4 = QStringLiteral("6789");
    QVERIFY(m_app->state()->accounts()->update(everyday));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("download.qif")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
               "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>000123456789<ACCTTYPE>"
               "CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
               "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-20.00<FITID>1<NAME>Bakery</STMTTRN>\n"
               "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240109<TRNAMT>-80.00<FITID>2<NAME>Fuel</STMTTRN>\n"
               "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240115<TRNAMT>500.00<FITID>3<NAME>Payroll</STMTTRN>\n"
               "</BANKTRANLIST><LEDGERBAL><BALAMT>450.00<DTASOF>20240131</LEDGERBAL></STMTRS></STMTTRNRS>"
               "</BANKMSGSRSV1></OFX>\n");
    file.close();

    ImportWindow window(*m_app->state());
    window.show();
    choose(window, file.fileName());
    QCOMPARE(window.format(), ImportWindow::Ofx);
    QCOMPARE(window.ofxPanel()->statementCount(), 1);
    QCOMPARE(window.ofxPanel()->choiceAt(0)->currentData().toString(), everyday.id);
    QStringList shown;
    const QList<QLabel *> labels = window.ofxPanel()->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        shown.append(label->text());
    QVERIFY2(shown.contains(QStringLiteral("1/1/2024 \u2013 1/31/2024")), qPrintable(shown.join(QLatin1Char('|'))));
    QVERIFY(shown.contains(QStringLiteral("3")));
    screenshot(&window, QStringLiteral("import_ofx"));

    QTest::mouseClick(window.importButton(), Qt::LeftButton);
    QCOMPARE(transactionCount(), 3);
    QCOMPARE(window.resultText(),
             QStringLiteral("3 transaction(s) imported\nEveryday: the bank's balance on 1/31/2024 is $450.00; the "
                            "cleared balance here is $400.00. They differ by $50.00."));
    screenshot(&window, QStringLiteral("import_ofx_done"));
    QCOMPARE(window.reconcileButtons().size(), 1);
    QSignalSpy reconcile(&window, &ImportWindow::reconcileRequested);
    QTest::mouseClick(window.reconcileButtons().first(), Qt::LeftButton);
    QCOMPARE(reconcile.count(), 1);
    QCOMPARE(reconcile.first().at(0).toString(), everyday.id);
    QCOMPARE(reconcile.first().at(1).toDate(), QDate(2024, 1, 31));
    QCOMPARE(reconcile.first().at(2).toLongLong(), qint64(45000));
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
