#include "data/clock.h"
#include "services/datetext.h"
#include "services/money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("plain");

        QTest::newRow("minus five cents") << qint64(-5) << 0 << "-$0.05" << "-0.05";
        QTest::newRow("zero") << qint64(0) << 0 << "$0.00" << "0.00";
        QTest::newRow("seven cents") << qint64(7) << 0 << "$0.07" << "0.07";
        QTest::newRow("millions") << qint64(123456789) << 0 << "$1,234,567.89" << "1,234,567.89";
        QTest::newRow("exact thousand") << qint64(100000) << 0 << "$1,000.00" << "1,000.00";
        QTest::newRow("euro negative") << qint64(-100000) << 1 << "-\u20ac1,000.00" << "-1,000.00";
        QTest::newRow("pound") << qint64(123405) << 2 << "\u00a31,234.05" << "1,234.05";
        QTest::newRow("yen") << qint64(1500) << 5 << "\u00a51,500" << "1,500";
        QTest::newRow("yen negative") << qint64(-1500) << 5 << "-\u00a51,500" << "-1,500";
        QTest::newRow("unknown currency") << qint64(250) << 42 << "$2.50" << "2.50";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << 0 << "$92,233,720,368,547,758.07"
                                 << "92,233,720,368,547,758.07";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << 0 << "-$92,233,720,368,547,758.08"
                                  << "-92,233,720,368,547,758.08";
    }

    void format()
    {
        QFETCH(qint64, amount);
        QFETCH(int, currency);
        QFETCH(QString, money);
        QFETCH(QString, plain);
        QCOMPARE(Money::formatMoney(amount, currency), money);
        QCOMPARE(Money::formatAmount(amount, currency), plain);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("expected");

        QTest::newRow("symbol and grouping") << "$1,234.56" << 0 << qint64(123456);
        QTest::newRow("minus before symbol") << "-$5" << 0 << qint64(-500);
        QTest::newRow("minus after symbol") << "$-5" << 0 << qint64(-500);
        QTest::newRow("accounting parentheses") << "(5.00)" << 0 << qint64(0);
        QTest::newRow("blanks") << "   " << 0 << qint64(0);
        QTest::newRow("empty") << "" << 0 << qint64(0);
        QTest::newRow("symbol only") << "$" << 0 << qint64(0);
        QTest::newRow("half away from zero") << "12.345" << 0 << qint64(1235);
        QTest::newRow("just below the half") << "1.005" << 0 << qint64(100);
        QTest::newRow("negative half") << "-12.345" << 0 << qint64(-1235);
        QTest::newRow("plain") << "12.50" << 0 << qint64(1250);
        QTest::newRow("surrounding spaces") << "  7.1 " << 0 << qint64(710);
        QTest::newRow("letters") << "12abc" << 0 << qint64(0);
        QTest::newRow("double minus") << "--5" << 0 << qint64(0);
        QTest::newRow("infinity") << "inf" << 0 << qint64(0);
        QTest::newRow("not a number") << "nan" << 0 << qint64(0);
        QTest::newRow("too large to hold exactly") << "100000000000000" << 0 << qint64(0);
        QTest::newRow("large but exact") << "90071992547409.91" << 0 << qint64(9007199254740991);
        QTest::newRow("euro symbol") << "\u20ac3.20" << 1 << qint64(320);
        QTest::newRow("dollar text in euro stays unreadable") << "$3.20" << 1 << qint64(0);
        QTest::newRow("yen grouped") << "1,500" << 5 << qint64(1500);
        QTest::newRow("yen with symbol") << "\u00a5-1,500" << 5 << qint64(-1500);
        QTest::newRow("yen fraction") << "15.5" << 5 << qint64(0);
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, currency);
        QFETCH(qint64, expected);
        QCOMPARE(Money::parseMoney(text, currency), expected);
    }

    void roundTripsThroughText()
    {
        for (qint64 v : {qint64(0), qint64(1), qint64(-1), qint64(99), qint64(-100), qint64(123456789),
                         qint64(-987654321)}) {
            QCOMPARE(Money::parseMoney(Money::formatMoney(v, 0), 0), v);
            QCOMPARE(Money::parseMoney(Money::formatAmount(v, 0), 0), v);
            QCOMPARE(Money::parseMoney(Money::formatMoney(v, 5), 5), v);
        }
    }

    void minorUnits()
    {
        QCOMPARE(Money::toMinorUnits(-0.01, 0), qint64(-1));
        QCOMPARE(Money::toMinorUnits(-250.0, 0), qint64(-25000));
        QCOMPARE(Money::toMinorUnits(0.125, 0), qint64(13));
        QCOMPARE(Money::toMinorUnits(-0.125, 0), qint64(-13));
        QCOMPARE(Money::toMinorUnits(1500.0, 5), qint64(1500));
        QCOMPARE(Money::toMinorUnits(99999999.99, 0), qint64(9999999999));
        QCOMPARE(Money::toMajorUnits(1500, 5), 1500.0);
        QCOMPARE(Money::toMajorUnits(-1, 0), -0.01);
        QCOMPARE(Money::decimals(5), 0);
        QCOMPARE(Money::decimals(3), 2);
    }

    void typedDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("thisYear");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("M/d/yyyy") << "3/5/2024" << 2026 << QDate(2024, 3, 5);
        QTest::newRow("MM/dd/yyyy") << "03/05/2024" << 2026 << QDate(2024, 3, 5);
        QTest::newRow("two-digit year this century") << "1/5/24" << 2026 << QDate(2024, 1, 5);
        QTest::newRow("19 years ahead is the latest") << "1/5/45" << 2026 << QDate(2045, 1, 5);
        QTest::newRow("80 years back is the earliest") << "1/5/46" << 2026 << QDate(1946, 1, 5);
        QTest::newRow("MM/dd/yy") << "12/31/99" << 2026 << QDate(1999, 12, 31);
        QTest::newRow("leap day of 2000") << "2/29/00" << 2026 << QDate(2000, 2, 29);
        QTest::newRow("the window moves with the year") << "1/5/05" << 2090 << QDate(2105, 1, 5);
        QTest::newRow("three-digit year does not read") << "1/5/224" << 2026 << QDate();
        QTest::newRow("day-first does not read") << "13/1/2024" << 2026 << QDate();
        QTest::newRow("not a date") << "soon" << 2026 << QDate();
        QTest::newRow("iso does not read") << "2024-03-05" << 2026 << QDate();
        QTest::newRow("surrounding spaces") << " 2/29/2024 " << 2026 << QDate(2024, 2, 29);
        QTest::newRow("impossible day") << "2/30/2024" << 2026 << QDate();
    }

    void typedDates()
    {
        QFETCH(QString, text);
        QFETCH(int, thisYear);
        QFETCH(QDate, expected);
        Clock::setFixedNow(QDateTime(QDate(thisYear, 6, 1), QTime(12, 0), Qt::UTC));
        const QDate read = DateText::parseTyped(text);
        Clock::setFixedNow(QDateTime());
        QCOMPARE(read, expected);
    }

    void shownDates()
    {
        QCOMPARE(DateText::formatShort(QDate(2024, 3, 5)), QStringLiteral("3/5/2024"));
        QCOMPARE(DateText::formatShort(QDate()), QString());
        QCOMPARE(DateText::formatLong(QDate(2024, 3, 5)), QStringLiteral("Mar 5, 2024"));
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
