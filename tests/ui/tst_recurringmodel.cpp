#include "data/clock.h"
#include "ui/screens/recurringmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>

#include "app/thememanager.h"

namespace {

const QDate kToday(2025, 6, 15);

RecurringTransaction schedule(const QString &id, const QString &payee, qint64 amount, const QDate &due,
                              bool active = true)
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = QStringLiteral("acc");
    r.payee = payee;
    r.amount = amount;
    r.nextDueDate = due;
    r.isActive = active;
    return r;
}

QStringList idsInViewOrder(const RecurringModel &m)
{
    QStringList ids;
    for (int row = 0; row < m.rowCount(); ++row)
        ids.append(m.scheduleAt(row)->id);
    return ids;
}

} // namespace

class TestRecurringModel : public QObject
{
    Q_OBJECT

    QHash<QString, Account> accounts() const
    {
        Account a;
        a.id = QStringLiteral("acc");
        a.name = QStringLiteral("Checking");
        Account yen;
        yen.id = QStringLiteral("yen");
        yen.name = QStringLiteral("Wallet");
        yen.currency = Currency::JPY;
        return {{a.id, a}, {yen.id, yen}};
    }

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(kToday, QTime(12, 0), Qt::UTC)); }
    void cleanup()
    {
        Clock::setFixedNow(QDateTime());
        QApplication::setPalette(ThemeManager::lightPalette());
    }

    void displaysEveryColumn()
    {
        RecurringModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        RecurringTransaction rent = schedule(QStringLiteral("r"), QStringLiteral("Rent"), -120000, kToday);
        rent.frequency = Frequency::Biweekly;
        rent.autoPost = true;
        RecurringTransaction yen = schedule(QStringLiteral("y"), QStringLiteral("Allowance"), 1500, kToday.addDays(1));
        yen.accountId = QStringLiteral("yen");
        const RecurringTransaction old = schedule(QStringLiteral("o"), QStringLiteral("Gym"), -3000, kToday.addDays(-5),
                                                  false);
        m.setSchedules({rent, yen, old}, accounts());
        QCOMPARE(m.columnCount(), 7);
        const QStringList headers = {QStringLiteral("Account"), QStringLiteral("Payee"), QStringLiteral("Amount"),
                                     QStringLiteral("Frequency"), QStringLiteral("Next Due"), QStringLiteral("Auto"),
                                     QStringLiteral("Status")};
        for (int c = 0; c < headers.size(); ++c)
            QCOMPARE(m.headerData(c, Qt::Horizontal).toString(), headers.at(c));

        const auto text = [&](int row, int column) { return m.index(row, column).data().toString(); };
        QCOMPARE(text(0, RecurringModel::AccountColumn), QStringLiteral("Checking"));
        QCOMPARE(text(0, RecurringModel::AmountColumn), QStringLiteral("-$1,200.00"));
        QCOMPARE(text(1, RecurringModel::AmountColumn), QStringLiteral("\u00a51,500"));
        QCOMPARE(text(0, RecurringModel::FrequencyColumn), QStringLiteral("Bi-weekly"));
        QCOMPARE(text(0, RecurringModel::NextDueColumn), QStringLiteral("6/15/2025"));  // as the register shows dates
        QCOMPARE(text(0, RecurringModel::AutoColumn), QStringLiteral("Yes"));
        QCOMPARE(text(1, RecurringModel::AutoColumn), QStringLiteral("No"));
        QCOMPARE(text(2, RecurringModel::StatusColumn), QStringLiteral("Inactive"));
        QCOMPARE(m.index(0, RecurringModel::AmountColumn).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));

        const auto colour = [&](int row, int column) {
            return m.index(row, column).data(Qt::ForegroundRole).value<QColor>();
        };
        QCOMPARE(colour(0, RecurringModel::AmountColumn), QColor(QStringLiteral("#C62828")));
        QVERIFY(!m.index(1, RecurringModel::AmountColumn).data(Qt::ForegroundRole).isValid());
        QCOMPARE(colour(0, RecurringModel::NextDueColumn), QColor(0, 136, 0));  // due today
        QVERIFY(!m.index(1, RecurringModel::NextDueColumn).data(Qt::ForegroundRole).isValid());  // tomorrow
        QVERIFY(!m.index(2, RecurringModel::NextDueColumn).data(Qt::ForegroundRole).isValid());  // inactive: never due
        QCOMPARE(colour(2, RecurringModel::StatusColumn), QColor(Qt::gray));
        QApplication::setPalette(ThemeManager::darkPalette());
        QCOMPARE(colour(0, RecurringModel::AmountColumn), QColor(QStringLiteral("#FF8A80")));
    }

    void sortIsStableAndDescendingReversesAscending()
    {
        RecurringModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QList<RecurringTransaction> rows = {
            schedule(QStringLiteral("a"), QStringLiteral("power"), -5000, kToday.addDays(3)),
            schedule(QStringLiteral("b"), QStringLiteral("Power"), -700, kToday.addDays(1)),
            schedule(QStringLiteral("c"), QStringLiteral("Apple"), -5000, kToday.addDays(2)),
            schedule(QStringLiteral("d"), QStringLiteral("Zoo"), 250, kToday.addDays(1)),
        };
        m.setSchedules(rows, accounts());
        QCOMPARE(idsInViewOrder(m), (QStringList{"a", "b", "c", "d"}));

        m.sort(RecurringModel::AmountColumn, Qt::AscendingOrder);
        QCOMPARE(idsInViewOrder(m), (QStringList{"a", "c", "b", "d"}));
        m.sort(RecurringModel::AmountColumn, Qt::DescendingOrder);
        QCOMPARE(idsInViewOrder(m), (QStringList{"d", "b", "c", "a"}));

        // Text without case: power and Power tie and keep the list's order.
        m.sort(RecurringModel::PayeeColumn, Qt::AscendingOrder);
        QCOMPARE(idsInViewOrder(m), (QStringList{"c", "a", "b", "d"}));
        m.sort(RecurringModel::NextDueColumn, Qt::AscendingOrder);
        QCOMPARE(idsInViewOrder(m), (QStringList{"b", "d", "c", "a"}));

        // A reload keeps the chosen sort.
        m.setSchedules(rows.mid(1), accounts());
        QCOMPARE(idsInViewOrder(m), (QStringList{"b", "d", "c"}));
        m.sort(-1);
        QCOMPARE(idsInViewOrder(m), (QStringList{"b", "c", "d"}));
    }
};

QTEST_MAIN(TestRecurringModel)
#include "tst_recurringmodel.moc"
