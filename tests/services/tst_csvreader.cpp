#include "services/csvmapping.h"
#include "services/csvreader.h"
#include "support/core/testdata.h"

#include <QtTest>

namespace {

CsvTable table(const QStringList &dates)
{
    CsvTable t;
    t.rows.append({QStringLiteral("Date"), QStringLiteral("Amount")});
    for (const QString &d : dates)
        t.rows.append({d, QStringLiteral("1")});
    return t;
}

} // namespace

class TestCsvReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void quotingFollowsRfc4180();
    void separatorIsDetected_data();
    void separatorIsDetected();
    void fileWithBomAndWindows1252();
    void dateFormats_data();
    void dateFormats();
    void dateFormatDetection_data();
    void dateFormatDetection();
    void amounts_data();
    void amounts();
    void convertReadsMappedColumns();
    void debitAndCreditColumns();
    void mappingIsGuessedFromHeaders();
};

void TestCsvReader::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestCsvReader::quotingFollowsRfc4180()
{
    const CsvTable t = CsvReader::parse(QStringLiteral("a,\"b, c\",\"say \"\"hi\"\"\"\r\n"
                                                       "\"line\r\nbreak\",,x\r\n"
                                                       "\r\n"
                                                       "  \"padded\" ,last"));
    QCOMPARE(t.separator, QLatin1Char(','));
    QCOMPARE(t.rows.size(), 3);
    QCOMPARE(t.rows.at(0), (QStringList{"a", "b, c", "say \"hi\""}));
    QCOMPARE(t.rows.at(1), (QStringList{"line\nbreak", "", "x"}));
    QCOMPARE(t.rows.at(2).first().trimmed(), QStringLiteral("padded"));
    QCOMPARE(t.rows.at(2).last(), QStringLiteral("last"));

    // An unterminated quote runs to the end of the text instead of failing.
    const CsvTable open = CsvReader::parse(QStringLiteral("x,\"never closed\nstill"), QLatin1Char(','));
    QCOMPARE(open.rows.size(), 1);
    QCOMPARE(open.rows.first().last(), QStringLiteral("never closed\nstill"));
}

void TestCsvReader::separatorIsDetected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("comma") << "Date,Payee,Amount\n1/2/2024,A,1\n" << QChar(QLatin1Char(','));
    QTest::newRow("semicolon with decimal commas")
        << "Datum;Empfaenger;Betrag\n15.01.2024;Baecker;-12,50\n16.01.2024;Markt;-3,10\n" << QChar(QLatin1Char(';'));
    QTest::newRow("tab") << "Date\tPayee\tAmount\n1/2/2024\tA, Inc\t1\n" << QChar(QLatin1Char('\t'));
    QTest::newRow("commas inside quotes only") << "\"a,b\";c\n\"d,e\";f\n" << QChar(QLatin1Char(';'));
    QTest::newRow("single column") << "x\ny\n" << QChar(QLatin1Char(','));
}

void TestCsvReader::separatorIsDetected()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QCOMPARE(CsvReader::detectSeparator(text), separator);
}

void TestCsvReader::fileWithBomAndWindows1252()
{
    bool ok = false;
    const CsvTable t = CsvReader::parseFile(TestData::file("debitcredit_semicolon.csv"), &ok);
    QVERIFY(ok);
    QCOMPARE(t.separator, QLatin1Char(';'));
    QCOMPARE(t.rows.first().first(), QStringLiteral("Buchungstag"));
    QCOMPARE(t.rows.at(1).at(1), QStringLiteral("B\u00e4ckerei"));

    const QByteArray cp1252("Date,Payee,Amount\n1/2/2024,Caf\xe9,1\n");
    QCOMPARE(CsvReader::parse(QString::fromUtf8(cp1252)).rows.size(), 2);  // garbled but not lost
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("x.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cp1252);
    file.close();
    QCOMPARE(CsvReader::parseFile(file.fileName()).rows.at(1).at(1), QStringLiteral("Caf\u00e9"));
}

void TestCsvReader::dateFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDate>("date");
    QTest::newRow("iso") << "2024-01-05" << "yyyy-MM-dd" << QDate(2024, 1, 5);
    QTest::newRow("compact") << "20240105" << "yyyyMMdd" << QDate(2024, 1, 5);
    QTest::newRow("padded month first") << "01/05/2024" << "MM/dd/yyyy" << QDate(2024, 1, 5);
    QTest::newRow("padded format needs padding") << "1/5/2024" << "MM/dd/yyyy" << QDate();
    QTest::newRow("short month first") << "1/15/2024" << "M/d/yyyy" << QDate(2024, 1, 15);
    QTest::newRow("short format takes two digits") << "11/15/2024" << "M/d/yyyy" << QDate(2024, 11, 15);
    QTest::newRow("day first") << "15/01/2024" << "dd/MM/yyyy" << QDate(2024, 1, 15);
    QTest::newRow("two-digit year 20xx") << "01/05/24" << "MM/dd/yy" << QDate(2024, 1, 5);
    QTest::newRow("two-digit year 19xx") << "1/5/85" << "M/d/yy" << QDate(1985, 1, 5);
    QTest::newRow("four digits for yy") << "1/5/2024" << "M/d/yy" << QDate();
    QTest::newRow("slashes year first") << "2024/01/05" << "yyyy/MM/dd" << QDate(2024, 1, 5);
    QTest::newRow("month name") << "January 5, 2024" << "MMMM d, yyyy" << QDate(2024, 1, 5);
    QTest::newRow("month abbreviation") << "sep 30, 2023" << "MMM d, yyyy" << QDate(2023, 9, 30);
    QTest::newRow("abbreviation is no full name") << "Sep 30, 2023" << "MMMM d, yyyy" << QDate();
    QTest::newRow("no calendar date") << "02/30/2024" << "MM/dd/yyyy" << QDate();
    QTest::newRow("trailing text") << "2024-01-05 extra" << "yyyy-MM-dd" << QDate();
}

void TestCsvReader::dateFormats()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QDate, date);
    QVERIFY(CsvConverter::dateFormats().contains(format));
    QCOMPARE(CsvConverter::parseDate(text, format), date);
}

void TestCsvReader::dateFormatDetection_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("format");
    QTest::newRow("ambiguous prefers month first") << QStringList{"01/02/2024", "03/04/2024"} << "MM/dd/yyyy";
    QTest::newRow("one day-first value decides")
        << QStringList{"01/02/2024", "13/04/2024", "05/06/2024"} << "dd/MM/yyyy";
    QTest::newRow("unpadded day first") << QStringList{"1/2/2024", "25/4/2024"} << "d/M/yyyy";
    QTest::newRow("mixed padding") << QStringList{"01/02/2024", "1/15/2024"} << "M/d/yyyy";
    QTest::newRow("iso") << QStringList{"2024-01-02", ""} << "yyyy-MM-dd";
    QTest::newRow("two-digit years") << QStringList{"01/02/24", "12/31/23"} << "MM/dd/yy";
    QTest::newRow("names") << QStringList{"May 1, 2024", "June 2, 2024"} << "MMMM d, yyyy";
    QTest::newRow("best effort") << QStringList{"2024-01-02", "2024-01-03", "garbage"} << "yyyy-MM-dd";
}

void TestCsvReader::dateFormatDetection()
{
    QFETCH(QStringList, dates);
    QFETCH(QString, format);
    CsvMapping m;
    m.date = 0;
    m.amount = 1;
    QCOMPARE(CsvConverter::detectDateFormat(table(dates), m), format);
}

void TestCsvReader::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currency");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("grouped") << "$1,234.56" << 0 << true << qint64(123456);
    QTest::newRow("negative") << "-84.12" << 0 << true << qint64(-8412);
    QTest::newRow("parentheses") << "(12.00)" << 0 << true << qint64(-1200);
    QTest::newRow("trailing minus") << "12.00-" << 0 << true << qint64(-1200);
    QTest::newRow("decimal comma") << "-12,50" << 1 << true << qint64(-1250);
    QTest::newRow("grouped decimal comma") << "2.500,00" << 1 << true << qint64(250000);
    QTest::newRow("comma groups stay groups") << "1,234" << 0 << true << qint64(123400);
    QTest::newRow("comma with four digits") << "1,2345" << 0 << false << qint64(0);
    QTest::newRow("zero") << "0.00" << 0 << true << qint64(0);
    QTest::newRow("yen") << "\u00a51,500" << 5 << true << qint64(1500);
    QTest::newRow("yen fraction") << "15.5" << 5 << false << qint64(0);
    QTest::newRow("text") << "n/a" << 0 << false << qint64(0);
    QTest::newRow("empty") << "" << 0 << false << qint64(0);
}

void TestCsvReader::amounts()
{
    QFETCH(QString, text);
    QFETCH(int, currency);
    QFETCH(bool, ok);
    QFETCH(qint64, amount);
    qint64 result = -1;
    QCOMPARE(CsvConverter::parseAmount(text, currency, &result), ok);
    if (ok)
        QCOMPARE(result, amount);
}

void TestCsvReader::convertReadsMappedColumns()
{
    const CsvTable t = CsvReader::parseFile(TestData::file("bank.csv"));
    CsvMapping m;
    m.date = 0;
    m.payee = 1;
    m.amount = 2;
    m.memo = 3;
    m.category = 4;
    const CsvConversion c = CsvConverter::convert(t, m, 0);
    QCOMPARE(c.dateFormat, QStringLiteral("MM/dd/yyyy"));
    QCOMPARE(c.unparseable, 0);
    QCOMPARE(c.transactions.size(), 3);
    QCOMPARE(c.transactions.at(0).payee, QStringLiteral("Corner Market, Inc."));
    QCOMPARE(c.transactions.at(0).category, QStringLiteral("Groceries"));
    QCOMPARE(c.transactions.at(1).payee, QStringLiteral("The \"Best\" Cafe"));
    QCOMPARE(c.transactions.at(1).memo, QStringLiteral("two\nlines"));
    QCOMPARE(c.transactions.at(2).amount, qint64(240000));
    QCOMPARE(c.transactions.at(2).date, QDate(2024, 2, 1));

    // Without the header flag the header row is one unreadable row.
    m.firstRowIsHeader = false;
    m.dateFormat = QStringLiteral("MM/dd/yyyy");
    const CsvConversion all = CsvConverter::convert(t, m, 0);
    QCOMPARE(all.unparseable, 1);
    QCOMPARE(all.transactions.size(), 3);

    const CsvRowResult bad = CsvConverter::readRow({"01/02/2024", "X", "lots"}, m, m.dateFormat, 0);
    QVERIFY(!bad.ok);
    QVERIFY(bad.problem.contains(QLatin1String("lots")));
}

void TestCsvReader::debitAndCreditColumns()
{
    const CsvTable t = CsvReader::parseFile(TestData::file("debitcredit_semicolon.csv"));
    CsvMapping m;
    m.date = 0;
    m.payee = 1;
    m.amount = 2;  // ignored once debit and credit are both set
    m.debit = 2;
    m.credit = 3;
    const CsvConversion c = CsvConverter::convert(t, m, 1);
    QCOMPARE(c.dateFormat, QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(c.transactions.size(), 2);
    QCOMPARE(c.transactions.at(0).amount, qint64(-1250));
    QCOMPARE(c.transactions.at(1).amount, qint64(250000));
    QCOMPARE(c.transactions.at(1).date, QDate(2024, 2, 13));
}

void TestCsvReader::mappingIsGuessedFromHeaders()
{
    const CsvMapping m = CsvConverter::guessMapping(CsvReader::parseFile(TestData::file("bank.csv")));
    QVERIFY(m.firstRowIsHeader);
    QCOMPARE(m.date, 0);
    QCOMPARE(m.payee, 1);
    QCOMPARE(m.amount, 2);
    QCOMPARE(m.memo, 3);
    QCOMPARE(m.category, 4);

    const CsvMapping split = CsvConverter::guessMapping(
        CsvReader::parse(QStringLiteral("Posted Date,Description,Debit,Credit\n1/2/2024,A,5,\n")));
    QVERIFY(split.usesDebitCredit());
    QCOMPARE(split.debit, 2);

    const CsvMapping bare = CsvConverter::guessMapping(CsvReader::parse(QStringLiteral("2024-01-02,Shop,-5.00\n")));
    QVERIFY(!bare.firstRowIsHeader);
    QCOMPARE(bare.date, 0);
    QCOMPARE(bare.payee, 1);
    QCOMPARE(bare.amount, 2);

    // Headers in words it does not know: the second row tells the columns,
    // and two number columns never filled together are debit and credit.
    const CsvTable german = CsvReader::parseFile(TestData::file("debitcredit_semicolon.csv"));
    const CsvMapping guessed = CsvConverter::guessMapping(german);
    QVERIFY(guessed.firstRowIsHeader);
    QCOMPARE(guessed.date, 0);
    QCOMPARE(guessed.payee, 1);
    QVERIFY(guessed.usesDebitCredit());
    QCOMPARE(guessed.debit, 2);
    QCOMPARE(guessed.credit, 3);
    const CsvConversion read = CsvConverter::convert(german, guessed, 1);
    QCOMPARE(read.transactions.size(), 2);
    QCOMPARE(read.transactions.at(0).amount, qint64(-1250));
    QCOMPARE(read.transactions.at(1).amount, qint64(250000));

    // The credit filled first; an amount beside a balance stays one amount.
    const CsvMapping creditFirst = CsvConverter::guessMapping(
        CsvReader::parse(QStringLiteral("2024-01-02,Pay,,100.00\n2024-01-03,Shop,5.00,\n")));
    QVERIFY(creditFirst.usesDebitCredit());
    QCOMPARE(creditFirst.debit, 2);
    const CsvMapping balance = CsvConverter::guessMapping(
        CsvReader::parse(QStringLiteral("2024-01-02,Pay,100.00,1100.00\n2024-01-03,Shop,-5.00,1095.00\n")));
    QVERIFY(!balance.usesDebitCredit());
    QCOMPARE(balance.amount, 2);

    // A value date is a date, however much "value" sounds like the amount.
    const CsvMapping valueDate = CsvConverter::guessMapping(CsvReader::parse(
        QStringLiteral("Booking Date,Value Date,Description,Amount\n2024-01-05,2024-01-06,Shop,-5.00\n")));
    QCOMPARE(valueDate.date, 0);
    QCOMPARE(valueDate.amount, 3);
    const CsvMapping valueDateFirst = CsvConverter::guessMapping(
        CsvReader::parse(QStringLiteral("Value Date,Description,Debit,Credit\n2024-01-06,Shop,5.00,\n")));
    QCOMPARE(valueDateFirst.date, 0);
    QVERIFY(valueDateFirst.usesDebitCredit());
    QCOMPARE(valueDateFirst.debit, 2);
}

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
