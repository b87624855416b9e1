#include "services/qifreader.h"
#include "support/core/testdata.h"

#include <QtTest>

namespace {

QifParseResult parseFile(const char *name)
{
    bool ok = false;
    QifParseResult result = QifReader::parseFile(TestData::file(name), &ok);
    if (!ok)
        qWarning() << "cannot open" << TestData::file(name);
    return result;
}

QifParseResult parse(const char *text)
{
    return QifReader::parse(QString::fromUtf8(text));
}

} // namespace

class TestQifReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void amounts_data();
    void amounts();
    void dates_data();
    void dates();
    void dateOrderIsDetectedPerFile_data();
    void dateOrderIsDetectedPerFile();
    void clearedState_data();
    void clearedState();
    void categoryAndTransferValues_data();
    void categoryAndTransferValues();
    void typeHeadersGiveSourceTypes_data();
    void typeHeadersGiveSourceTypes();
    void recordsWithoutDateOrAmountAreUnparseable();
    void autoSwitchAccountListThenTransactions();
    void splitsWithDollarLines();
    void investmentRecords();
    void memorizedAndOtherMetadataSections();
    void lineEndingsBomAndMissingTrailer();
    void windows1252File();
    void sourceAccountsMergeWithoutCase();
    void recordsBeforeAnyAccountBlock();
    void categoryList();
    void unreadableFile();
};

void TestQifReader::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestQifReader::amounts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("cents");

    QTest::newRow("grouped dot decimal") << "1,234.56" << true << qint64(123456);
    QTest::newRow("grouped comma decimal") << "1.234,56" << true << qint64(123456);
    QTest::newRow("parentheses") << "(12.00)" << true << qint64(-1200);
    QTest::newRow("minus and parentheses cancel") << "-(5)" << true << qint64(500);
    QTest::newRow("decimal comma") << "1,23" << true << qint64(123);
    QTest::newRow("comma with four digits") << "1,2345" << false << qint64(0);
    QTest::newRow("plain negative") << "-84.12" << true << qint64(-8412);
    QTest::newRow("plus sign") << "+7" << true << qint64(700);
    QTest::newRow("currency symbols and spaces") << " $ 1 234.50 " << true << qint64(123450);
    QTest::newRow("euro grouped") << "\u20ac1.234.567,8" << true << qint64(123456780);
    QTest::newRow("three digits after a dot group") << "12.345" << true << qint64(1234500);
    QTest::newRow("two groups") << "1,234,567" << true << qint64(123456700);
    QTest::newRow("bad group") << "12,34,567" << false << qint64(0);
    QTest::newRow("leading separator is a decimal point") << ".5" << true << qint64(50);
    QTest::newRow("dot with three digits groups") << "-1.234" << true << qint64(-123400);
    QTest::newRow("double minus") << "--5" << false << qint64(0);
    QTest::newRow("exponent") << "1e5" << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("dot alone") << "." << false << qint64(0);
    QTest::newRow("empty") << "   " << false << qint64(0);
    QTest::newRow("too large for cents") << "999999999999999999999" << false << qint64(0);
}

void TestQifReader::amounts()
{
    QFETCH(QString, value);
    QFETCH(bool, ok);
    QFETCH(qint64, cents);
    qint64 result = -1;
    QCOMPARE(QifReader::parseAmount(value, &result), ok);
    if (ok)
        QCOMPARE(result, cents);
}

void TestQifReader::dates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("date");

    const int detect = QifReader::DetectOrder;
    QTest::newRow("apostrophe year") << "1/15'24" << detect << QDate(2024, 1, 15);
    QTest::newRow("spaced apostrophe year") << " 2/ 1' 4" << detect << QDate(2004, 2, 1);
    QTest::newRow("year first") << "2024-01-15" << detect << QDate(2024, 1, 15);
    QTest::newRow("day above 12 without order") << "15/01/2024" << detect << QDate(2024, 1, 15);
    QTest::newRow("month first") << "01/02/2024" << int(QifReader::MonthFirst) << QDate(2024, 1, 2);
    QTest::newRow("day first") << "01/02/2024" << int(QifReader::DayFirst) << QDate(2024, 2, 1);
    QTest::newRow("dots") << "31.12.1999" << detect << QDate(1999, 12, 31);
    QTest::newRow("two-digit year 98") << "1/15/98" << detect << QDate(1998, 1, 15);
    QTest::newRow("two-digit year below 32") << "1/15/31" << detect << QDate(2031, 1, 15);
    QTest::newRow("four-digit short year") << "1/15/0069" << detect << QDate(2069, 1, 15);
    QTest::newRow("four-digit year 70") << "1/15/0070" << detect << QDate(1970, 1, 15);
    QTest::newRow("extra parts ignored") << "1/15/2024/x" << detect << QDate(2024, 1, 15);
    QTest::newRow("no calendar date") << "2/30/2024" << detect << QDate();
    QTest::newRow("month 13 day first") << "1/13/2024" << int(QifReader::DayFirst) << QDate();
    QTest::newRow("two parts") << "1/15" << detect << QDate();
    QTest::newRow("letters") << "Jan/15/2024" << detect << QDate();
    QTest::newRow("five-digit year") << "1/15/20245" << detect << QDate();
    QTest::newRow("year first, two digits") << "24/05/03" << int(QifReader::YearFirst) << QDate(2024, 5, 3);
    QTest::newRow("year first chosen, year last written") << "05/03/2024" << int(QifReader::YearFirst) << QDate();
    QTest::newRow("four digits first are the year in any order")
        << "2024-05-03" << int(QifReader::DayFirst) << QDate(2024, 5, 3);
    QTest::newRow("huge number") << "1/15/99999999999999" << detect << QDate();
}

void TestQifReader::dates()
{
    QFETCH(QString, value);
    QFETCH(int, order);
    QFETCH(QDate, date);
    QCOMPARE(QifReader::parseDate(value, order), date);
}

void TestQifReader::dateOrderIsDetectedPerFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("firstDate");
    QTest::addColumn<bool>("ambiguous");
    QTest::addColumn<QString>("sample");

    const int mdy = QifReader::MonthFirst;
    QTest::newRow("a later day above 12 makes the file day-first")
        << "!Type:Bank\nD01/02/2024\nT1\n^\nD15/01/2024\nT1\n^\n" << int(QifReader::DayFirst) << QDate(2024, 2, 1)
        << false << "01/02/2024";
    QTest::newRow("no day above 12: month-first, but ambiguous")
        << "!Type:Bank\nD01/02/2024\nT1\n^\nD12/01/2024\nT1\n^\n" << mdy << QDate(2024, 1, 2) << true << "01/02/2024";
    QTest::newRow("day-first file with no day above 12")
        << "!Type:Bank\nD05/03/2024\nT1\n^\nD07/04/2024\nT1\n^\n" << mdy << QDate(2024, 5, 3) << true << "05/03/2024";
    QTest::newRow("a day above 12 in second place makes month-first certain")
        << "!Type:Bank\nD05/03/2024\nT1\n^\nD01/15/2024\nT1\n^\n" << mdy << QDate(2024, 5, 3) << false << "05/03/2024";
    QTest::newRow("the same day and month read alike")
        << "!Type:Bank\nD01/01/2024\nT1\n^\nD3/3'24\nT1\n^\n" << mdy << QDate(2024, 1, 1) << false << "01/01/2024";
    QTest::newRow("year-first file")
        << "!Type:Bank\nD2024-05-03\nT1\n^\nD2024-06-01\nT1\n^\n" << int(QifReader::YearFirst) << QDate(2024, 5, 3)
        << false << "2024-05-03";
    QTest::newRow("year-first dates do not count")
        << "!Type:Bank\nD2024/13/01\nT1\n^\nD01/02/2024\nT1\n^\n" << mdy << QDate() << true << "01/02/2024";
    QTest::newRow("category descriptions are no date lines")
        << "!Type:Cat\nNFood\nD13/01 budget\n^\n!Type:Bank\nD01/02/2024\nT1\n^\n" << mdy << QDate(2024, 1, 2) << true
        << "01/02/2024";
}

void TestQifReader::dateOrderIsDetectedPerFile()
{
    QFETCH(QString, text);
    QFETCH(int, order);
    QFETCH(QDate, firstDate);
    QFETCH(bool, ambiguous);
    QFETCH(QString, sample);
    const QifParseResult r = QifReader::parse(text);
    QCOMPARE(r.dateOrder, order);
    QCOMPARE(r.dateEvidence.detected, order);
    QCOMPARE(r.dateEvidence.ambiguous, ambiguous);
    QCOMPARE(r.dateEvidence.sample, sample);
    QCOMPARE(QifReader::detectDateOrder(text), order);
    if (firstDate.isValid())
        QCOMPARE(r.transactions.first().date, firstDate);
    else
        QCOMPARE(r.unparseableCount, 1);
}

void TestQifReader::clearedState_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::newRow("X") << "X" << true << false;
    QTest::newRow("x") << "x" << true << false;
    QTest::newRow("star") << "*" << true << false;
    QTest::newRow("c") << "c" << true << false;
    QTest::newRow("R") << "R" << true << true;
    QTest::newRow("other") << "?" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestQifReader::clearedState()
{
    QFETCH(QString, value);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    const QifParseResult r = QifReader::parse(QStringLiteral("!Type:Bank\nD1/1/2024\nT1\nC%1\n^\n").arg(value));
    QCOMPARE(r.transactions.size(), 1);
    QCOMPARE(r.transactions.first().cleared, cleared);
    QCOMPARE(r.transactions.first().reconciled, reconciled);
}

void TestQifReader::categoryAndTransferValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("transfer");
    QTest::newRow("transfer") << "[Savings]" << "" << "Savings";
    QTest::newRow("transfer with spaces and class") << "[ Holiday Savings ]/Trip" << "" << "Holiday Savings";
    QTest::newRow("class dropped") << "Food/Business" << "Food" << "";
    QTest::newRow("subcategory kept") << "Auto:Fuel" << "Auto:Fuel" << "";
    QTest::newRow("class only") << "/Business" << "" << "";
}

void TestQifReader::categoryAndTransferValues()
{
    QFETCH(QString, value);
    QFETCH(QString, category);
    QFETCH(QString, transfer);
    const QifParseResult r =
        QifReader::parse(QStringLiteral("!Type:Bank\nD1/1/2024\nT1\nL%1\nSX\nS%1\n$1\n^\n").arg(value));
    QCOMPARE(r.transactions.size(), 1);
    const ParsedTransaction &t = r.transactions.first();
    QCOMPARE(t.category, category);
    QCOMPARE(t.transferAccount, transfer);
    QCOMPARE(t.splits.size(), 2);
    QCOMPARE(t.splits.at(1).category, category);
    QCOMPARE(t.splits.at(1).transferAccount, transfer);
}

void TestQifReader::typeHeadersGiveSourceTypes_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("type");
    QTest::newRow("bank") << "!Type:Bank" << int(QifReader::Bank);
    QTest::newRow("ccard") << "!Type:CCard" << int(QifReader::CreditCard);
    QTest::newRow("invst") << "!Type:Invst" << int(QifReader::Investment);
    QTest::newRow("cash lower case") << "!type:cash" << int(QifReader::Cash);
    QTest::newRow("other asset") << "!Type:Oth A" << int(QifReader::OtherAsset);
    QTest::newRow("other liability") << "!Type:Oth L " << int(QifReader::OtherLiability);
    QTest::newRow("unknown type") << "!Type:Invoice" << int(QifReader::Bank);
}

void TestQifReader::typeHeadersGiveSourceTypes()
{
    QFETCH(QString, header);
    QFETCH(int, type);
    const QifParseResult r = QifReader::parse(QStringLiteral("!Account\nNWallet\n^\n%1\nD1/1/2024\nT1\n^\n").arg(header));
    QCOMPARE(r.sourceAccounts.size(), 1);
    QCOMPARE(r.sourceAccounts.first().name, QStringLiteral("Wallet"));
    QCOMPARE(r.sourceAccounts.first().typeCode, type);
}

void TestQifReader::recordsWithoutDateOrAmountAreUnparseable()
{
    const QifParseResult r = parse("!Type:Bank\n"
                                   "PNo date\nT-1\n^\n"
                                   "D1/2/2024\nPNo amount\n^\n"
                                   "D1/2/2024\nTabc\nPBad amount\n^\n"
                                   "D2/30/2024\nT1\nPBad date\n^\n"
                                   "AOnly an address line\n^\n"
                                   "^\n"
                                   "D1/3/2024\nT-2\nPGood\n^\n");
    QCOMPARE(r.unparseableCount, 4);
    QCOMPARE(r.transactions.size(), 1);
    QCOMPARE(r.transactions.first().payee, QStringLiteral("Good"));
}

void TestQifReader::autoSwitchAccountListThenTransactions()
{
    const QifParseResult r = parseFile("multi_account.qif");
    QVERIFY(r.hasAccountBlock);
    QCOMPARE(r.dateOrder, int(QifReader::MonthFirst));
    QCOMPARE(r.metadataCount, 1);  // the class record
    QCOMPARE(r.unparseableCount, 0);
    QCOMPARE(r.sourceAccounts.size(), 3);
    QCOMPARE(r.sourceAccounts.at(0).name, QStringLiteral("Everyday Checking"));
    QCOMPARE(r.sourceAccounts.at(0).records, 4);
    QCOMPARE(r.sourceAccounts.at(1).name, QStringLiteral("Holiday Savings"));
    QCOMPARE(r.sourceAccounts.at(2).name, QStringLiteral("Visa Card"));
    QCOMPARE(r.sourceAccounts.at(2).typeCode, int(QifReader::CreditCard));

    QCOMPARE(r.transactions.size(), 6);
    const ParsedTransaction &first = r.transactions.at(0);
    QCOMPARE(first.date, QDate(2024, 1, 15));
    QCOMPARE(first.amount, qint64(-8412));
    QCOMPARE(first.number, QStringLiteral("1041"));
    QCOMPARE(first.payee, QStringLiteral("Corner Market"));
    QCOMPARE(first.memo, QStringLiteral("Weekly shop"));
    QCOMPARE(first.category, QStringLiteral("Groceries"));
    QVERIFY(first.cleared && !first.reconciled);
    QCOMPARE(r.transactions.at(1).transferAccount, QStringLiteral("Holiday Savings"));
    const ParsedTransaction &rent = r.transactions.at(3);
    QCOMPARE(rent.date, QDate(2024, 2, 1));
    QCOMPARE(rent.amount, qint64(-123456));
    QVERIFY(rent.cleared && rent.reconciled);
    QCOMPARE(r.transactions.at(4).sourceAccount, QStringLiteral("Holiday Savings"));
    QCOMPARE(r.transactions.at(5).date, QDate(2024, 1, 20));
}

void TestQifReader::splitsWithDollarLines()
{
    const QifParseResult r = parseFile("multi_account.qif");
    QCOMPARE(r.transactions.size(), 6);
    const ParsedTransaction &pay = r.transactions.at(2);
    QCOMPARE(pay.amount, qint64(240000));
    QCOMPARE(pay.splits.size(), 2);
    QCOMPARE(pay.splits.at(0).category, QStringLiteral("Salary"));
    QCOMPARE(pay.splits.at(0).amount, qint64(300000));
    QCOMPARE(pay.splits.at(0).memo, QStringLiteral("Gross pay"));
    QCOMPARE(pay.splits.at(1).category, QStringLiteral("Taxes"));
    QCOMPARE(pay.splits.at(1).amount, qint64(-60000));

    // "E" before any "S" is no split memo and no content; "$" before "S" is the amount.
    const QifParseResult loose = parse("!Type:Bank\nD1/1/2024\nEloose\n$5\n^\n");
    QCOMPARE(loose.transactions.size(), 1);
    QCOMPARE(loose.transactions.first().amount, qint64(500));
    QVERIFY(loose.transactions.first().splits.isEmpty());
    QVERIFY(loose.transactions.first().memo.isEmpty());
}

void TestQifReader::investmentRecords()
{
    const QifParseResult r = parseFile("investment.qif");
    QCOMPARE(r.sourceAccounts.size(), 1);
    QCOMPARE(r.sourceAccounts.first().typeCode, int(QifReader::Investment));
    QCOMPARE(r.transactions.size(), 3);
    const ParsedTransaction &buy = r.transactions.at(0);
    QCOMPARE(buy.number, QStringLiteral("Buy"));
    QCOMPARE(buy.security, QStringLiteral("ACME Fund"));
    QCOMPARE(buy.amount, qint64(105000));
    QVERIFY(buy.payee.isEmpty());
    // Price, quantity and commission lines are not read.
    QCOMPARE(r.transactions.at(1).amount, qint64(1234));
    // Outside a split "$" is the amount: the transferred sum replaces T.
    QCOMPARE(r.transactions.at(2).amount, qint64(10000));
    QCOMPARE(r.transactions.at(2).transferAccount, QStringLiteral("Everyday Checking"));
}

void TestQifReader::memorizedAndOtherMetadataSections()
{
    QCOMPARE(parseFile("memorized.qif").metadataCount, 2);
    QCOMPARE(parseFile("memorized.qif").transactions.size(), 1);

    const QifParseResult r = parse("!Option:AutoSwitch\n!Account\nNA\n^\nNB\n^\n!Clear:AutoSwitch\n"
                                   "!Type:Security\nNACME\nSACM\n^\nNOther\n^\n"
                                   "!Type:Prices\n\"ACM\",12.5,\"1/2/24\"\n^\n"
                                   "!Type:Tag\nNtrip\n^\n^\n"
                                   "!Type:Budget\nNGroceries\nB400.00\n^\nNRent\nB1,200.00\n^\n"
                                   "!Type:Payee\nNCorner Market\nA12 Main St\n^\n"
                                   "!Type:Bank\nD1/1/2024\nT1\n^\n");
    // Budget amounts and payee names are lists, not transactions.
    QCOMPARE(r.metadataCount, 7);
    QCOMPARE(r.unparseableCount, 0);
    QCOMPARE(r.transactions.size(), 1);
    QCOMPARE(r.transactions.first().sourceAccount, QStringLiteral("B"));
}

void TestQifReader::lineEndingsBomAndMissingTrailer()
{
    const QifParseResult crlf = parseFile("dayfirst_crlf.qif");
    QCOMPARE(crlf.dateOrder, int(QifReader::DayFirst));
    QCOMPARE(crlf.transactions.size(), 2);
    QCOMPARE(crlf.transactions.at(0).date, QDate(2024, 1, 15));
    QCOMPARE(crlf.transactions.at(0).amount, qint64(-1000));
    QCOMPARE(crlf.transactions.at(1).date, QDate(2024, 2, 3));
    QCOMPARE(crlf.transactions.at(1).amount, qint64(-123456));
    QCOMPARE(crlf.transactions.at(1).payee, QStringLiteral("Loyer"));

    const QifParseResult cr = parseFile("bom_lonecr_notrailer.qif");
    QCOMPARE(cr.transactions.size(), 2);
    QCOMPARE(cr.transactions.at(1).payee, QStringLiteral("Tea"));
    QCOMPARE(cr.transactions.at(1).amount, qint64(-600));

    // Byte-order marks at the start of any line, as left by joined files.
    const QifParseResult joined =
        QifReader::parse(QStringLiteral("\uFEFF!Type:Bank\nD1/1/2024\nT1\n^\n\uFEFF\uFEFF!Type:Cat\nNFood\n^\n"));
    QCOMPARE(joined.transactions.size(), 1);
    QCOMPARE(joined.categories.size(), 1);
}

void TestQifReader::windows1252File()
{
    const QifParseResult r = parseFile("windows1252.qif");
    QCOMPARE(r.transactions.size(), 1);
    QCOMPARE(r.transactions.first().payee, QStringLiteral("Caf\u00e9 M\u00fcller"));
    QCOMPARE(r.transactions.first().memo, QStringLiteral("\u201cFr\u00fchst\u00fcck\u201d \u20ac 12"));

    // A UTF-8 byte-order mark before Windows-1252 bytes: the header on the
    // first line is still read, so the card stays a card.
    QTemporaryDir dir;
    QFile marked(dir.filePath(QStringLiteral("marked.qif")));
    QVERIFY(marked.open(QIODevice::WriteOnly));
    marked.write("\xEF\xBB\xBF!Type:CCard\nD1/2/2024\nT-5.00\nPCaf\xE9\n^\n");
    marked.close();
    bool ok = false;
    const QifParseResult card = QifReader::parseFile(marked.fileName(), &ok);
    QVERIFY(ok);
    QCOMPARE(card.sourceAccounts.size(), 1);
    QCOMPARE(card.sourceAccounts.first().typeCode, int(QifReader::CreditCard));
    QCOMPARE(card.transactions.size(), 1);
    QCOMPARE(card.transactions.first().payee, QStringLiteral("Caf\u00e9"));
}

void TestQifReader::sourceAccountsMergeWithoutCase()
{
    const QifParseResult r = parse("!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT1\n^\n"
                                   "!Account\nNCHECKING\n^\n!Type:CCard\nD1/2/2024\nT2\n^\n"
                                   "!Account\n^\n!Type:Bank\nD1/3/2024\nT3\n^\n");
    QCOMPARE(r.sourceAccounts.size(), 1);
    QCOMPARE(r.sourceAccounts.first().name, QStringLiteral("Checking"));
    QCOMPARE(r.sourceAccounts.first().typeCode, int(QifReader::Bank));
    QCOMPARE(r.sourceAccounts.first().records, 3);
    // An account block without a name keeps the current account.
    QCOMPARE(r.transactions.at(2).sourceAccount, QStringLiteral("CHECKING"));
}

void TestQifReader::recordsBeforeAnyAccountBlock()
{
    const QifParseResult r = parse("D1/1/2024\nT1\n^\n!Account\nNCash Box\n^\n!Type:Cash\nD1/2/2024\nT2\n^\n");
    QVERIFY(r.hasAccountBlock);
    QCOMPARE(r.transactions.size(), 2);
    QVERIFY(r.transactions.at(0).sourceAccount.isEmpty());
    QCOMPARE(r.sourceAccounts.size(), 2);
    QVERIFY(r.sourceAccounts.at(0).name.isEmpty());
    QCOMPARE(r.sourceAccounts.at(1).typeCode, int(QifReader::Cash));

    const QifParseResult plain = parse("!Type:Bank\nD1/1/2024\nT1\n^\n");
    QVERIFY(!plain.hasAccountBlock);
}

void TestQifReader::categoryList()
{
    const QifParseResult r = parseFile("multi_account.qif");
    QCOMPARE(r.categories.size(), 3);
    QCOMPARE(r.categories.at(0).name, QStringLiteral("Groceries"));
    QCOMPARE(r.categories.at(0).description, QStringLiteral("Food and supplies"));
    QVERIFY(!r.categories.at(0).income);
    QVERIFY(r.categories.at(1).income);
    QCOMPARE(r.categories.at(2).name, QStringLiteral("Auto:Fuel"));

    const QifParseResult flags = parse("!Type:Cat\nNRefund\nI\nE\n^\nDNo name\n^\n");
    QCOMPARE(flags.categories.size(), 1);
    QVERIFY(!flags.categories.first().income);
}

void TestQifReader::unreadableFile()
{
    bool ok = true;
    const QifParseResult r = QifReader::parseFile(TestData::file("does-not-exist.qif"), &ok);
    QVERIFY(!ok);
    QVERIFY(r.transactions.isEmpty());
}

QTEST_GUILESS_MAIN(TestQifReader)
#include "tst_qifreader.moc"
