#include "app/thememanager.h"
#include "data/clock.h"
#include "services/money.h"
#include "support/core/teststore.h"
#include "ui/register/registermodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>

namespace {

QString idAt(const RegisterModel &m, int row)
{
    const RegisterEntry *e = m.entryAt(row);
    return e ? e->transaction.id : QStringLiteral("<blank>");
}

QString text(const RegisterModel &m, int row, int column, int role = Qt::DisplayRole)
{
    return m.index(row, column).data(role).toString();
}

QColor colour(const RegisterModel &m, int row, int column, int role = Qt::ForegroundRole)
{
    return m.index(row, column).data(role).value<QColor>();
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC));
        QApplication::setPalette(ThemeManager::lightPalette());
    }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void blankRowAndStableSortRules()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("Checking"));
        // Same-day rows in creation order; two rows of the same payee on different days.
        const Transaction first = s.addTransaction(a.id, QDate(2024, 3, 5), QStringLiteral("Zeta"), -1000);
        const Transaction second = s.addTransaction(a.id, QDate(2024, 3, 5), QStringLiteral("Alpha"), 2500);
        const Transaction older = s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Grocer"), -300);
        const Transaction newer = s.addTransaction(a.id, QDate(2024, 4, 9), QStringLiteral("Grocer"), -700);

        RegisterModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setEntries(s.transactions->registerRows(a.id));
        QCOMPARE(m.rowCount(), 5);

        m.sort(RegisterModel::Date, Qt::AscendingOrder);
        QCOMPARE(m.blankRow(), 4);
        QCOMPARE(QStringList({idAt(m, 0), idAt(m, 1), idAt(m, 2), idAt(m, 3), idAt(m, 4)}),
                 QStringList({older.id, first.id, second.id, newer.id, QStringLiteral("<blank>")}));

        // Newest first: blank row on top, same-day rows still in creation order.
        m.sort(RegisterModel::Date, Qt::DescendingOrder);
        QCOMPARE(m.blankRow(), 0);
        QCOMPARE(QStringList({idAt(m, 1), idAt(m, 2), idAt(m, 3), idAt(m, 4)}),
                 QStringList({newer.id, first.id, second.id, older.id}));

        // Equal payees: the newer one first in both directions.
        m.sort(RegisterModel::Payee, Qt::AscendingOrder);
        QCOMPARE(QStringList({idAt(m, 0), idAt(m, 1), idAt(m, 2), idAt(m, 3)}),
                 QStringList({second.id, newer.id, older.id, first.id}));
        m.sort(RegisterModel::Payee, Qt::DescendingOrder);
        QCOMPARE(m.blankRow(), 4);
        QCOMPARE(QStringList({idAt(m, 0), idAt(m, 1), idAt(m, 2), idAt(m, 3)}),
                 QStringList({first.id, newer.id, older.id, second.id}));

        // Payment ascending: the deposit (key -1) before the smallest payment.
        m.sort(RegisterModel::Payment, Qt::AscendingOrder);
        QCOMPARE(QStringList({idAt(m, 0), idAt(m, 1), idAt(m, 2), idAt(m, 3)}),
                 QStringList({second.id, older.id, newer.id, first.id}));

        // A column out of range leaves the sort alone.
        m.sort(RegisterModel::kColumnCount, Qt::DescendingOrder);
        QCOMPARE(m.sortColumn(), int(RegisterModel::Payment));
    }

    void balancesFollowTheChronologyUnderEverySort()
    {
        TestStore s(true);
        const Account a = s.addAccount(QStringLiteral("Checking"), Currency::USD, 10000);
        const QString food = s.categories->findByName(QStringLiteral("Groceries"))->id;
        const QStringList payees = {QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("c"), QStringLiteral("a")};
        QHash<QString, qint64> expected;
        qint64 running = 10000;
        // Inserted out of date order: the balance is a matter of date, not of insertion.
        const int days[] = {40, 3, 17, 3, 29, 8, 17, 1};
        QList<Transaction> rows;
        for (int i = 0; i < 8; ++i) {
            Transaction t = s.addTransaction(a.id, QDate(2024, 1, 1).addDays(days[i]), payees[i % 4],
                                             (i % 3 == 0 ? 1 : -1) * (i + 1) * 1234, i % 2 ? food : QString());
            t.checkNumber = QString::number(100 - i);
            t.memo = QStringLiteral("m%1").arg(i % 3);
            t.cleared = i % 2;
            t.reconciled = i % 4 == 0;
            QVERIFY(s.transactions->update(t));
            rows.append(t);
        }
        std::stable_sort(rows.begin(), rows.end(), [](const Transaction &x, const Transaction &y) {
            return x.date < y.date || (x.date == y.date && x.createdAt < y.createdAt);
        });
        for (const Transaction &t : std::as_const(rows)) {
            running += t.amount;
            expected.insert(t.id, running);
        }

        RegisterModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setEntries(s.transactions->registerRows(a.id));
        for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
            for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                m.sort(column, order);
                QCOMPARE(m.rowCount(), 10);
                for (int row = 0; row < m.rowCount(); ++row) {
                    const RegisterEntry *e = m.entryAt(row);
                    if (!e)
                        continue;
                    const qint64 balance = e->isOpeningBalance ? 10000 : expected.value(e->transaction.id);
                    QCOMPARE(text(m, row, RegisterModel::Balance), Money::formatAmount(balance));
                }
                // Sorting twice changes nothing: the order is total.
                QStringList once;
                for (int row = 0; row < m.rowCount(); ++row)
                    once << idAt(m, row);
                m.sort(column, order);
                QStringList twice;
                for (int row = 0; row < m.rowCount(); ++row)
                    twice << idAt(m, row);
                QCOMPARE(twice, once);
            }
        }
    }

    void openingRowAndZeroAmount()
    {
        TestStore s;
        const Account empty = s.addAccount(QStringLiteral("Empty"));
        RegisterModel m;
        m.setEntries(s.transactions->registerRows(empty.id));
        QCOMPARE(m.rowCount(), 1);
        QVERIFY(m.isBlankRow(0));

        const Account opened = s.addAccount(QStringLiteral("Opened"), Currency::USD, 10000);
        m.setEntries(s.transactions->registerRows(opened.id));
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(text(m, 0, RegisterModel::Date), QStringLiteral("6/15/2024"));
        QCOMPARE(text(m, 0, RegisterModel::Payee), QStringLiteral("Opening Balance"));
        QCOMPARE(text(m, 0, RegisterModel::Cleared), QStringLiteral("R"));
        QCOMPARE(text(m, 0, RegisterModel::Balance), QStringLiteral("100.00"));
        // The opening row is the account's starting balance, not a stored row.
        m.beginEditingRow(0);
        QVERIFY(!(m.flags(m.index(0, RegisterModel::Payee)) & Qt::ItemIsEditable));

        s.addTransaction(opened.id, QDate(2024, 2, 1), QStringLiteral("Nothing"), 0);
        m.setEntries(s.transactions->registerRows(opened.id));
        QCOMPARE(text(m, 1, RegisterModel::Deposit), QStringLiteral("0.00"));
        QCOMPARE(text(m, 1, RegisterModel::Payment), QString());
    }

    void placeholdersColoursAndTint()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("Checking"));
        s.addTransaction(a.id, QDate(2024, 3, 1), QStringLiteral("Pay"), 5000);
        s.addTransaction(a.id, QDate(2024, 3, 2), QStringLiteral("Rent"), -9000);
        RegisterModel m;
        m.setEntries(s.transactions->registerRows(a.id));
        const int blank = m.blankRow();
        QCOMPARE(blank, 2);

        const QColor muted(QStringLiteral("#52705F"));  // the light theme's muted tone
        QCOMPARE(text(m, blank, RegisterModel::Payee), QStringLiteral("Payee"));
        QCOMPARE(text(m, blank, RegisterModel::Payee, Qt::EditRole), QString());
        QCOMPARE(colour(m, blank, RegisterModel::Payee), muted);
        QCOMPARE(text(m, blank, RegisterModel::Balance), QString());
        QCOMPARE(text(m, blank, RegisterModel::Date), QStringLiteral("6/15/2024"));
        QCOMPARE(colour(m, blank, RegisterModel::Date, Qt::BackgroundRole), QColor(QStringLiteral("#E8F5E9")));
        QCOMPARE(colour(m, 0, RegisterModel::Date, Qt::BackgroundRole), QColor());

        QVERIFY(m.setData(m.index(blank, RegisterModel::Payee), QStringLiteral("Cafe")));
        QCOMPARE(text(m, blank, RegisterModel::Payee), QStringLiteral("Cafe"));
        QVERIFY(m.isBufferDirty());
        // Only the row typed into takes text.
        QVERIFY(!m.setData(m.index(0, RegisterModel::Payee), QStringLiteral("x")));

        QCOMPARE(colour(m, 0, RegisterModel::Deposit), QColor(QStringLiteral("#2A7530")));
        QCOMPARE(colour(m, 1, RegisterModel::Payment), QColor(QStringLiteral("#C62828")));
        QCOMPARE(colour(m, 1, RegisterModel::Balance), QColor(QStringLiteral("#C62828")));
        QCOMPARE(colour(m, 0, RegisterModel::Memo), muted);
        QCOMPARE(m.index(0, RegisterModel::Balance).data(Qt::FontRole).value<QFont>().family(),
                 ThemeManager::fontForRole(ThemeManager::Mono).family());
        QApplication::setPalette(ThemeManager::darkPalette());
        QCOMPARE(colour(m, 0, RegisterModel::Deposit), QColor(QStringLiteral("#66BB6A")));
        QCOMPARE(colour(m, 1, RegisterModel::Payment), QColor(QStringLiteral("#FF8A80")));
        QCOMPARE(colour(m, blank, RegisterModel::Date, Qt::BackgroundRole), QColor(QStringLiteral("#1A2E28")));

        // Editing an entry: it takes the tint and the buffer; the blank row goes quiet.
        m.beginEditingRow(1);
        QCOMPARE(text(m, 1, RegisterModel::Payee), QStringLiteral("Rent"));
        QCOMPARE(text(m, 1, RegisterModel::Payment, Qt::EditRole), QStringLiteral("90.00"));
        QCOMPARE(text(m, blank, RegisterModel::Payee), QString());
        QCOMPARE(colour(m, 1, RegisterModel::Date, Qt::BackgroundRole), QColor(QStringLiteral("#1A2E28")));
        QVERIFY(m.flags(m.index(1, RegisterModel::Payment)) & Qt::ItemIsEditable);
        QVERIFY(!(m.flags(m.index(0, RegisterModel::Payment)) & Qt::ItemIsEditable));
        QVERIFY(!(m.flags(m.index(1, RegisterModel::Balance)) & Qt::ItemIsEditable));

        // No tint in two-line mode, and the payee header names the memo too.
        m.setTwoLine(true);
        QCOMPARE(colour(m, 1, RegisterModel::Date, Qt::BackgroundRole), QColor());
        QCOMPARE(m.headerData(RegisterModel::Payee, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    }

    void splitRowsAndCategoryNames()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("Checking"));
        const Category housing = s.addCategory(QStringLiteral("Housing"));
        const Category transport = s.addCategory(QStringLiteral("Transportation"));
        const Category houseFix = s.addCategory(QStringLiteral("Maintenance"), housing.id);
        const Category carFix = s.addCategory(QStringLiteral("Maintenance"), transport.id);
        const Category fuel = s.addCategory(QStringLiteral("Fuel"), transport.id);
        s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Roofer"), -100, houseFix.id);
        s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Garage"), -200, carFix.id);
        s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral("Shell"), -300, fuel.id);
        Transaction split = s.addTransaction(a.id, QDate(2024, 1, 4), QStringLiteral("Mart"), -400);
        split.isSplit = true;
        QVERIFY(s.transactions->update(split));

        RegisterModel m;
        m.setEntries(s.transactions->registerRows(a.id));
        QCOMPARE(text(m, 0, RegisterModel::Category), QStringLiteral("Housing > Maintenance"));
        QCOMPARE(text(m, 1, RegisterModel::Category), QStringLiteral("Transportation > Maintenance"));
        QCOMPARE(text(m, 2, RegisterModel::Category), QStringLiteral("Fuel"));
        QCOMPARE(text(m, 3, RegisterModel::Category), QStringLiteral("\u2014Split\u2014"));

        m.beginEditingRow(3);
        QCOMPARE(text(m, 3, RegisterModel::Category), QStringLiteral("\u2014Split\u2014"));
        for (int column : {int(RegisterModel::Category), int(RegisterModel::Payment), int(RegisterModel::Deposit)})
            QVERIFY(!(m.flags(m.index(3, column)) & Qt::ItemIsEditable));
        QVERIFY(m.flags(m.index(3, RegisterModel::Payee)) & Qt::ItemIsEditable);
    }

    void amountsUseTheAccountsDecimals()
    {
        TestStore s;
        const Account yen = s.addAccount(QStringLiteral("Yen"), Currency::JPY, 100000);
        s.addTransaction(yen.id, QDate(2024, 1, 1), QStringLiteral("Ramen"), -1500);
        RegisterModel m;
        m.setCurrency(Currency::JPY);
        m.setEntries(s.transactions->registerRows(yen.id));
        QCOMPARE(text(m, 1, RegisterModel::Payment), QStringLiteral("1,500"));
        QCOMPARE(text(m, 1, RegisterModel::Balance), QStringLiteral("98,500"));
        QCOMPARE(text(m, 0, RegisterModel::Deposit), QStringLiteral("100,000"));
    }

    void incrementalChangesMatchAFullLoad()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("Checking"), Currency::USD, 500);
        const Transaction x = s.addTransaction(a.id, QDate(2024, 3, 1), QStringLiteral("X"), -100);
        const Transaction y = s.addTransaction(a.id, QDate(2024, 3, 1), QStringLiteral("Y"), 250);
        Transaction z = s.addTransaction(a.id, QDate(2024, 4, 1), QStringLiteral("Z"), -75);
        RegisterModel m;
        m.sort(RegisterModel::Payee, Qt::DescendingOrder);
        m.setEntries(s.transactions->registerRows(a.id));

        // A row dated before everything (it moves the opening row's date), one
        // that changes its date, and one that goes away.
        const Transaction early = s.addTransaction(a.id, QDate(2023, 12, 24), QStringLiteral("Early"), -40);
        z.date = QDate(2024, 2, 1);
        QVERIFY(s.transactions->update(z));
        QVERIFY(s.transactions->softDelete(x.id));
        m.applyChanges({*s.transactions->registerEntry(early.id), *s.transactions->registerEntry(z.id)}, {x.id});

        RegisterModel full;
        full.sort(RegisterModel::Payee, Qt::DescendingOrder);
        full.setEntries(s.transactions->registerRows(a.id));
        QCOMPARE(m.rowCount(), full.rowCount());
        for (int row = 0; row < full.rowCount(); ++row) {
            for (int column = 0; column < RegisterModel::kColumnCount; ++column)
                QCOMPARE(text(m, row, column), text(full, row, column));
        }
        QCOMPARE(m.closingBalance(), 500 - 40 + 250 - 75);
        Q_UNUSED(y);
    }
};

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
