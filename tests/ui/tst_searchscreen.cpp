#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/sampledata.h"
#include "support/core/fixtures.h"
#include "support/core/logcapture.h"
#include "support/gui/dialogdriver.h"
#include "support/gui/screenshots.h"
#include "ui/editors/datefield.h"
#include "ui/register/registermodel.h"
#include "app/thememanager.h"
#include "ui/screens/searchscreen.h"

#include <QAbstractItemModelTester>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

class TestSearchScreen : public DialogTestCase
{
    Q_OBJECT

    Account m_checking, m_savings;
    int m_serial = 0;

    Transaction add(const Account &account, const QDate &date, const QString &payee, qint64 amount = -1000,
                    const QString &memo = QString(), const QString &categoryId = QString(), bool cleared = false)
    {
        Transaction t = Fixtures::newTransaction(account.id, date, payee, amount);
        t.memo = memo;
        t.categoryId = categoryId;
        t.cleared = cleared;
        // Creation order breaks ties between rows of one day.
        t.createdAt = t.updatedAt = Clock::nowUtc().addSecs(++m_serial);
        state()->transactions()->insert(t);
        return t;
    }

    // The ids shown, top row first.
    static QStringList shownIds(const SearchScreen &screen)
    {
        QStringList ids;
        for (int row = 0; row < screen.model()->rowCount(); ++row)
            ids.append(screen.model()->entryAt(row)->transaction.id);
        return ids;
    }

    static QStringList shownPayees(const SearchScreen &screen)
    {
        QStringList payees;
        for (int row = 0; row < screen.model()->rowCount(); ++row)
            payees.append(screen.model()->entryAt(row)->transaction.payee);
        return payees;
    }

    static void choose(QComboBox *box, const QString &id)
    {
        const int index = box->findData(id);
        QVERIFY(index > 0);
        box->setCurrentIndex(index);
    }

    // Types the text and presses Return, which searches without waiting.
    static void searchFor(SearchScreen &screen, const QString &text)
    {
        screen.searchEdit()->clear();
        screen.searchEdit()->insert(text);
        QTest::keyClick(screen.searchEdit(), Qt::Key_Return);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(start());
        m_checking = addAccount(QStringLiteral("Checking"));
        m_savings = addAccount(QStringLiteral("Savings"));
    }

    void cleanup() { stop(); }

    void defaultsShowTheNewest200OfEveryAccount()
    {
        QList<Transaction> live;
        QString deletedId;
        {
            DbTransaction tx(state()->database()->connection());
            const QSignalBlocker quiet(state()->transactions());
            for (int i = 0; i < 230; ++i) {
                // Two rows per day, alternating accounts, so ties are broken by creation.
                const Transaction t = add(i % 2 ? m_savings : m_checking, QDate(2023, 1, 1).addDays(i / 2),
                                          QStringLiteral("Payee %1").arg(i));
                if (i == 225) {
                    QVERIFY(state()->transactions()->softDelete(t.id));
                    deletedId = t.id;
                } else {
                    live.append(t);
                }
            }
            QVERIFY(tx.commit());
        }

        SearchScreen screen(state());
        QAbstractItemModelTester tester(screen.model());
        screen.show();
        // The 200 newest, shown as the register shows them: newest day first,
        // the rows of one day in the order they were entered.
        QList<Transaction> newest = live.mid(live.size() - 200);
        std::stable_sort(newest.begin(), newest.end(),
                         [](const Transaction &a, const Transaction &b) { return a.date > b.date; });
        QStringList expected;
        for (const Transaction &t : std::as_const(newest))
            expected.append(t.id);
        QCOMPARE(shownIds(screen), expected);
        QVERIFY(!shownIds(screen).contains(deletedId));
        QVERIFY(screen.statusLabel()->text().contains(QLatin1String("200")));

        // Every filter at its default: all accounts, all categories, no dates.
        QCOMPARE(screen.accountCombo()->currentText(), QStringLiteral("All Accounts"));
        QCOMPARE(screen.categoryCombo()->currentText(), QStringLiteral("All Categories"));
        QVERIFY(!screen.fromDateEdit()->isEnabled());
        QVERIFY(!screen.toDateEdit()->isEnabled());
        QCOMPARE(screen.fromDateEdit()->date(), QDate(2024, 5, 20));
        QCOMPARE(screen.toDateEdit()->date(), QDate(2024, 6, 20));
        // A running balance means nothing across accounts; no blank entry row either.
        QVERIFY(screen.table()->isColumnHidden(RegisterModel::Balance));
        QCOMPARE(screen.model()->rowCount(), 200);
        QCOMPARE(screen.model()->data(screen.model()->index(0, RegisterModel::Payee), Qt::ToolTipRole).toString(),
                 QStringLiteral("Account: Checking"));
    }

    void filtersNarrowTheResults()
    {
        const QString groceries = categoryId(QStringLiteral("Groceries"));
        const Transaction market =
            add(m_checking, QDate(2024, 1, 10), QStringLiteral("Grocery Mart"), -2500, QString(), groceries, true);
        const Transaction coffee = add(m_savings, QDate(2024, 3, 5), QStringLiteral("Corner Coffee"), -450);
        const Transaction paint = add(m_checking, QDate(2024, 6, 1), QStringLiteral("Hardware Barn"), -999,
                                      QStringLiteral("paint for the mart sign"), QString(), true);
        const Transaction rent = add(m_savings, QDate(2024, 6, 2), QStringLiteral("Maple Street Rent"), -120000,
                                     QString(), QString(), true);

        SearchScreen screen(state());
        QAbstractItemModelTester tester(screen.model());
        screen.show();
        QSignalSpy searches(screen.model(), &QAbstractItemModel::modelReset);
        QCOMPARE(shownIds(screen), (QStringList{rent.id, paint.id, coffee.id, market.id}));
        // Each row names its account, beside the date; no running balance.
        const int accountColumn = RegisterModel::kColumnCount;
        QCOMPARE(screen.model()->headerData(accountColumn, Qt::Horizontal).toString(), QStringLiteral("Account"));
        QCOMPARE(screen.table()->horizontalHeader()->visualIndex(accountColumn), RegisterModel::Date + 1);
        QStringList accounts;
        for (int row = 0; row < screen.model()->rowCount(); ++row)
            accounts.append(screen.model()->index(row, accountColumn).data().toString());
        QCOMPARE(accounts, (QStringList{QStringLiteral("Savings"), QStringLiteral("Checking"), QStringLiteral("Savings"),
                                        QStringLiteral("Checking")}));
        QVERIFY(screen.table()->isColumnHidden(RegisterModel::Balance));

        choose(screen.accountCombo(), m_checking.id);  // searches at once
        QCOMPARE(shownIds(screen), (QStringList{paint.id, market.id}));
        searchFor(screen, QStringLiteral("mart"));      // payee or memo
        QCOMPARE(shownIds(screen), (QStringList{paint.id, market.id}));
        choose(screen.categoryCombo(), groceries);
        QCOMPARE(shownIds(screen), QStringList{market.id});

        screen.categoryCombo()->setCurrentIndex(0);
        screen.accountCombo()->setCurrentIndex(0);
        screen.searchEdit()->clear();
        QTest::keyClick(screen.searchEdit(), Qt::Key_Return);
        QCOMPARE(shownIds(screen).size(), 4);

        // The dates count only while "Date range:" is checked, and moving one
        // then searches at once.
        const int before = int(searches.count());
        screen.fromDateEdit()->setDate(QDate(2024, 3, 1));
        screen.toDateEdit()->setDate(QDate(2024, 6, 1));
        QCOMPARE(searches.count(), before);
        QCOMPARE(shownIds(screen).size(), 4);
        screen.dateRangeCheck()->setFocus();
        QTest::keyClick(screen.dateRangeCheck(), Qt::Key_Space);
        QVERIFY(screen.fromDateEdit()->isEnabled() && screen.toDateEdit()->isEnabled());
        QCOMPARE(shownIds(screen), (QStringList{paint.id, coffee.id}));  // both ends included
        DialogDriver::typeInto(screen.toDateEdit(), QStringLiteral("5/31/2024"));
        QTest::keyClick(screen.toDateEdit(), Qt::Key_Return);
        QCOMPARE(shownIds(screen), QStringList{coffee.id});

        QTest::keyClick(screen.dateRangeCheck(), Qt::Key_Space);
        QVERIFY(!screen.fromDateEdit()->isEnabled());
        screen.clearedOnlyCheck()->setFocus();
        QTest::keyClick(screen.clearedOnlyCheck(), Qt::Key_Space);
        QCOMPARE(shownIds(screen), (QStringList{rent.id, paint.id, market.id}));
        choose(screen.accountCombo(), m_savings.id);
        QCOMPARE(shownIds(screen), QStringList{rent.id});
    }

    void hostileTextIsTakenLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("payees");
        const QStringList none;
        QTest::newRow("percent") << "%" << QStringList{"50% Off Sale"};
        QTest::newRow("underscore") << "_" << QStringList{"snake_case Shop"};
        QTest::newRow("ampersand between words") << "power & light" << QStringList{"City Power & Light"};
        QTest::newRow("lone quote") << "\"" << QStringList{"The \"Quote\" Co"};
        QTest::newRow("unbalanced quote") << "\"grocery" << QStringList{"Grocery Mart"};
        QTest::newRow("quoted words") << "\"quote\" co" << QStringList{"The \"Quote\" Co"};
        QTest::newRow("quote star") << "\"*" << none;
        QTest::newRow("star") << "*" << none;
        QTest::newRow("prefix star") << "mart*" << QStringList{"Grocery Mart"};
        QTest::newRow("AND") << "AND" << QStringList{"AND Partners"};
        QTest::newRow("OR NOT") << "OR NOT" << none;
        QTest::newRow("NEAR") << "NEAR(grocery mart)" << none;
        QTest::newRow("column filter") << "payee:grocery" << none;
        QTest::newRow("injection") << "'; DROP TABLE transactions; --" << none;
        QTest::newRow("like wildcards") << "gro%mart" << none;
        QTest::newRow("caret and braces") << "^{payee}" << none;
        QTest::newRow("backslash") << "\\" << none;
        QTest::newRow("many punctuation words") << "! @ # $ ^ ( ) - + = [ ] { } | ; : , . < > ? / ~ `" << none;
        // Control characters part words, as a space would.
        QTest::newRow("control characters") << QStringLiteral("gro") + QChar(0) + QChar(7) + QStringLiteral("mart")
                                            << QStringList{"Grocery Mart"};
        QTest::newRow("lone control character") << QString(QChar(0)) << QStringList{"50% Off Sale", "AND Partners",
            "City Power & Light", "Corner Coffee", "Grocery Mart", "The \"Quote\" Co", "snake_case Shop"};
        QTest::newRow("broken surrogates")
            << QChar(0xDC00) + QStringLiteral("gro") + QChar(0xD800) + QStringLiteral("mart")
                                           << QStringList{"Grocery Mart"};
        QTest::newRow("emoji") << QStringLiteral("\U0001F355") << none;
        QTest::newRow("very long") << QString(5000, QLatin1Char('x')) << none;
        QTest::newRow("very long words") << QStringLiteral("grocery ").repeated(400) << QStringList{"Grocery Mart"};
    }

    void hostileTextIsTakenLiterally()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, payees);
        for (const char *payee : {"50% Off Sale", "snake_case Shop", "City Power & Light", "The \"Quote\" Co",
                                  "Grocery Mart", "AND Partners", "Corner Coffee"})
            add(m_checking, QDate(2024, 5, 1), QString::fromUtf8(payee));

        SearchScreen screen(state());
        screen.show();
        LogCapture log;
        searchFor(screen, text);
        QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join(QLatin1Char('\n'))));
        QStringList shown = shownPayees(screen);
        shown.sort();
        QCOMPARE(shown, payees);

        // The repository takes what the box would cut short just as calmly.
        TransactionSearch filters;
        filters.text = text.repeated(20);
        state()->transactions()->search(filters);
        QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join(QLatin1Char('\n'))));
        QSqlQuery count(state()->database()->connection());
        QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM transactions")) && count.next());
        QCOMPARE(count.value(0).toInt(), 7);
    }

    void typingSearchesOnceAfterAPause()
    {
        add(m_checking, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"));
        add(m_checking, QDate(2024, 5, 2), QStringLiteral("Green Valley Market"));
        add(m_checking, QDate(2024, 5, 3), QStringLiteral("Corner Coffee"));
        SearchScreen screen(state());
        screen.show();
        QCOMPARE(screen.model()->rowCount(), 3);
        QSignalSpy searches(screen.model(), &QAbstractItemModel::modelReset);

        screen.searchEdit()->setFocus();
        QTest::keyClicks(screen.searchEdit(), QStringLiteral("groc"));
        QCOMPARE(searches.count(), 0);  // nothing until typing pauses
        QTRY_COMPARE(searches.count(), 1);
        QCOMPARE(shownPayees(screen), QStringList{QStringLiteral("Grocery Mart")});
        QTest::qWait(400);
        QCOMPARE(searches.count(), 1);

        // Deleting back to "gr" is typing too: one more search, after the pause.
        QTest::keyClick(screen.searchEdit(), Qt::Key_Backspace);
        QTest::keyClick(screen.searchEdit(), Qt::Key_Backspace);
        QCOMPARE(searches.count(), 1);
        QTRY_COMPARE(searches.count(), 2);
        QCOMPARE(shownPayees(screen),
                 (QStringList{QStringLiteral("Green Valley Market"), QStringLiteral("Grocery Mart")}));

        // Return does not wait, and the pending pause then searches no more.
        QTest::keyClicks(screen.searchEdit(), QStringLiteral("een"));
        QTest::keyClick(screen.searchEdit(), Qt::Key_Return);
        QCOMPARE(searches.count(), 3);
        QCOMPARE(shownPayees(screen), QStringList{QStringLiteral("Green Valley Market")});
        QTest::qWait(400);
        QCOMPARE(searches.count(), 3);
    }

    void doubleClickOrEnterAsksToEditThatTransaction()
    {
        const Transaction older = add(m_checking, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"));
        const Transaction newer = add(m_savings, QDate(2024, 5, 2), QStringLiteral("Corner Coffee"));
        SearchScreen screen(state());
        screen.resize(800, 550);
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QSignalSpy requested(&screen, &SearchScreen::editTransactionRequested);

        const int row = screen.model()->rowOfTransaction(older.id);
        QCOMPARE(row, 1);
        const QRect cell = screen.table()->visualRect(screen.model()->index(row, RegisterModel::Payee));
        QTest::mouseClick(screen.table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(screen.table()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().first().toString(), older.id);

        // From the keyboard: Down from the search text into the results, Enter.
        screen.searchEdit()->setFocus();
        QTest::keyClick(screen.searchEdit(), Qt::Key_Down);
        QVERIFY(screen.table()->hasFocus());
        screen.table()->setCurrentIndex(screen.model()->index(0, RegisterModel::Payee));
        QTest::keyClick(screen.table(), Qt::Key_Return);
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested.last().first().toString(), newer.id);
    }

    // The memo gives way first when the window is too narrow for four
    // readable text columns, and comes back when there is room again.
    void memoGivesWayInNarrowWindows_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("memoShown");
        QTest::newRow("800 at 100 %") << 800 << 100 << true;
        QTest::newRow("1280 at 160 %") << 1280 << 160 << true;
        QTest::newRow("800 at 160 %") << 800 << 160 << false;
        QTest::newRow("560 at 100 %") << 560 << 100 << false;
    }
    void memoGivesWayInNarrowWindows()
    {
        QFETCH(int, width);
        QFETCH(int, scale);
        QFETCH(bool, memoShown);
        add(m_checking, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"));
        state()->themeManager()->setFontScale(scale);
        SearchScreen screen(state());
        screen.resize(1280, 600);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.resize(width, 600);
        QTRY_COMPARE(!screen.table()->isColumnHidden(RegisterModel::Memo), memoShown);
        screen.resize(1280, 600);
        QTRY_VERIFY(!screen.table()->isColumnHidden(RegisterModel::Memo));
        state()->themeManager()->setFontScale(100);
    }

    void listsFollowTheStore()
    {
        const Transaction coffee = add(m_savings, QDate(2024, 5, 2), QStringLiteral("Corner Coffee"));
        SearchScreen screen(state());
        screen.show();
        choose(screen.accountCombo(), m_savings.id);

        // Refilled on request (the main window does it each time it opens the
        // search), "All" first, the choice kept.
        const Account brokerage = addAccount(QStringLiteral("Brokerage"));
        screen.refreshFilters();
        QCOMPARE(screen.accountCombo()->itemText(0), QStringLiteral("All Accounts"));
        QVERIFY(screen.accountCombo()->findData(brokerage.id) > 0);
        QCOMPARE(screen.accountCombo()->currentData().toString(), m_savings.id);
        QCOMPARE(screen.categoryCombo()->itemText(0), QStringLiteral("All Categories"));
        // Two live categories share the name "Maintenance": each shows its parent.
        QVERIFY(screen.categoryCombo()->findText(QStringLiteral("Housing > Maintenance")) > 0);
        QVERIFY(screen.categoryCombo()->findText(QStringLiteral("Transportation > Maintenance")) > 0);

        // An edit made elsewhere shows while the window is open.
        const Transaction later = add(m_savings, QDate(2024, 6, 1), QStringLiteral("Corner Coffee"));
        QTRY_COMPARE(shownIds(screen), (QStringList{later.id, coffee.id}));

        // The chosen account disappears: the search widens to every account.
        QVERIFY(state()->accounts()->softDelete(m_savings.id));
        const Transaction checking = add(m_checking, QDate(2024, 6, 2), QStringLiteral("Grocery Mart"));
        QTRY_COMPARE(screen.accountCombo()->currentIndex(), 0);
        QTRY_VERIFY(shownIds(screen).contains(checking.id));
    }

    void everyControlIsNamedAndReachable()
    {
        SearchScreen screen(state());
        screen.show();
        QSet<QWidget *> chain;
        for (QWidget *w = screen.nextInFocusChain(); w != &screen; w = w->nextInFocusChain())
            chain.insert(w);
        const QList<QWidget *> widgets = screen.findChildren<QWidget *>();
        int checked = 0;
        for (QWidget *w : widgets) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&screen))
                continue;
            if (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QComboBox *>(w->parentWidget()))
                continue;
            const QByteArray what = QByteArray(w->metaObject()->className()) + ' ' + w->objectName().toLatin1();
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(iface && !iface->text(QAccessible::Name).trimmed().isEmpty(), what.constData());
            QVERIFY2(chain.contains(w), what.constData());
            ++checked;
        }
        QVERIFY(checked >= 8);
    }

    void renderLightAndDark()
    {
        if (Screenshots::directory().isEmpty())
            QSKIP("set QUILLET_SHOT_DIR to render the screen");
        DialogDriver::releaseClock();
        SampleData sample(state()->store()->repositories());
        QCOMPARE(sample.load(), SampleData::Result::Loaded);
        SearchScreen screen(state());
        screen.resize(800, 550);
        screen.show();
        QVERIFY(Screenshots::saveLightAndDark(&screen, QStringLiteral("search")));
        screen.searchEdit()->setText(QStringLiteral("gro"));
        screen.dateRangeCheck()->setChecked(true);
        QTest::keyClick(screen.searchEdit(), Qt::Key_Return);
        screen.table()->selectRow(1);
        QVERIFY(Screenshots::saveLightAndDark(&screen, QStringLiteral("search-filtered")));
    }
};

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
