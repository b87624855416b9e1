#include "services/ofxreader.h"
#include "services/ofxtext.h"

#include <QtTest>

#include <ctime>

namespace {

QByteArray sgmlFile(const QByteArray &messages, const QByteArray &extraHeader = QByteArray())
{
    return "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\nCHARSET:1252\r\n"
           "COMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n<OFX>\r\n<SIGNONMSGSRSV1><SONRS><STATUS>"
           "<CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20240201120000<LANGUAGE>ENG"
        + extraHeader + "</SONRS></SIGNONMSGSRSV1>\r\n" + messages + "</OFX>\r\n";
}

QByteArray sgmlBank(const QByteArray &curdef, const QByteArray &rows, const QByteArray &ledger)
{
    return "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>\r\n<STMTRS><CURDEF>" + curdef
        + "\r\n<BANKACCTFROM><BANKID>121000248<ACCTID>000123456789<ACCTTYPE>CHECKING</BANKACCTFROM>\r\n"
          "<BANKTRANLIST><DTSTART>20240101<DTEND>20240131\r\n"
        + rows + "</BANKTRANLIST>\r\n" + ledger + "</STMTRS></STMTTRNRS></BANKMSGSRSV1>\r\n";
}

QByteArray sgmlRow(const QByteArray &posted, const QByteArray &amount, const QByteArray &fitid,
                   const QByteArray &rest)
{
    return "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>" + posted + "<TRNAMT>" + amount + "<FITID>" + fitid + rest
        + "</STMTTRN>\r\n";
}

QByteArray xmlFile(const QByteArray &messages)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\" "
           "SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n<OFX><SIGNONMSGSRSV1><SONRS><STATUS>"
           "<CODE>0</CODE><SEVERITY>INFO</SEVERITY></STATUS><DTSERVER>20240201</DTSERVER><LANGUAGE>ENG</LANGUAGE>"
           "</SONRS></SIGNONMSGSRSV1>\n"
        + messages + "</OFX>\n";
}

QByteArray xmlRow(const QByteArray &posted, const QByteArray &amount, const QByteArray &fitid, const QByteArray &rest)
{
    return "<STMTTRN><TRNTYPE>OTHER</TRNTYPE><DTPOSTED>" + posted + "</DTPOSTED><TRNAMT>" + amount
        + "</TRNAMT><FITID>" + fitid + "</FITID>" + rest + "</STMTTRN>\n";
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

// One line per row: date|amount|payee|memo|number|fitid|account number.
QStringList rowsOf(const OfxParseResult &result)
{
    QHash<QString, QString> numbers;
    for (const StatementAccount &a : result.accounts)
        numbers.insert(a.key, a.number);
    QStringList rows;
    for (const ParsedTransaction &t : result.transactions) {
        rows.append(QStringList{t.date.toString(Qt::ISODate), QString::number(t.amount), t.payee, t.memo, t.number,
                                t.fitid, numbers.value(t.sourceAccount)}
                        .join(QLatin1Char('|')));
    }
    return rows;
}

// One line per account: number|type|currency|first|last|records|ledger@date.
QStringList accountsOf(const OfxParseResult &result)
{
    QStringList accounts;
    for (const StatementAccount &a : result.accounts) {
        const QString ledger = a.hasLedgerBalance
            ? QString::number(a.ledgerBalance) + QLatin1Char('@') + a.ledgerDate.toString(Qt::ISODate)
            : QStringLiteral("-");
        accounts.append(QStringList{a.number, Codes::accountTypeCode(a.type), a.currencyCode,
                                    a.firstDate.toString(Qt::ISODate), a.lastDate.toString(Qt::ISODate),
                                    QString::number(a.records), ledger}
                            .join(QLatin1Char('|')));
    }
    return accounts;
}

} // namespace

class TestOfxReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void statements_data();
    void statements();
    void amountValues_data();
    void amountValues();
    void leavesNoTemporaryFiles();
};

void TestOfxReader::initTestCase()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    // Fourteen hours ahead of UTC: a time of day read through the wrong zone
    // lands on another date here.
    qputenv("TZ", "<+14>-14");
    tzset();
}

void TestOfxReader::statements_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<int>("investment");
    QTest::addColumn<bool>("truncated");

    const QByteArray ledger = "<LEDGERBAL><BALAMT>2345.67<DTASOF>20240131235959.000[-8:PST]</LEDGERBAL>";
    const QByteArray sgmlRows =
        sgmlRow("20240115220000.000[-5:EST]", "-42.17", "A1", "<NAME>Grocery Mart<MEMO>card 1234\r\n")
        + sgmlRow("20240116", "-100.00", "A2", "<CHECKNUM>1001<NAME>Landlord\r\n")
        + sgmlRow("20240120000000", "+1500.5", "A3",
                  "<PAYEE><NAME>Employer Inc<ADDR1>1 Main St<CITY>Springfield<STATE>IL<POSTALCODE>62701"
                  "<PHONE>555</PAYEE>\r\n")
        + sgmlRow("20240101003000.000[+9:JST]", "-3,50", "A4", "<NAME>Corner Coffee</NAME>\r\n");
    QTest::newRow("1.x SGML, unclosed tags, payee aggregate, time zones")
        << sgmlFile(sgmlBank("USD", sgmlRows, ledger))
        << texts({"2024-01-15|-4217|Grocery Mart|card 1234||A1|000123456789",
                       "2024-01-16|-10000|Landlord||1001|A2|000123456789",
                       "2024-01-20|150050|Employer Inc|||A3|000123456789",
                       "2024-01-01|-350|Corner Coffee|||A4|000123456789"})
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|4|234567@2024-01-31"}) << 0 << 0 << false;

    const QByteArray xmlRows = xmlRow("20240105", "-19.99", "X1", "<NAME>Caf\xc3\xa9 \xc3\x9cmlaut</NAME>")
        + xmlRow("20240106120000[-5:EST]", "250.00", "X2", "<NAME>Refund</NAME><MEMO>store credit</MEMO>")
        + xmlRow("20240107", "-5", "X3", "<PAYEE><NAME>Paid Out</NAME><ADDR1>x</ADDR1></PAYEE>");
    QTest::newRow("2.x XML, negative and positive amounts")
        << xmlFile("<BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY>"
                   "</STATUS><STMTRS><CURDEF>EUR</CURDEF><BANKACCTFROM><BANKID>100</BANKID><ACCTID>DE0011</ACCTID>"
                   "<ACCTTYPE>SAVINGS</ACCTTYPE></BANKACCTFROM><BANKTRANLIST>"
                   + xmlRows
                   + "</BANKTRANLIST><LEDGERBAL><BALAMT>1000.00</BALAMT><DTASOF>20240110</DTASOF></LEDGERBAL>"
                     "</STMTRS></STMTTRNRS></BANKMSGSRSV1>")
        << texts({"2024-01-05|-1999|Caf\u00e9 \u00dcmlaut|||X1|DE0011", "2024-01-06|25000|Refund|store credit||X2|DE0011",
                       "2024-01-07|-500|Paid Out|||X3|DE0011"})
        << texts({"DE0011|savings|EUR|2024-01-05|2024-01-07|3|100000@2024-01-10"}) << 0 << 0 << false;

    QTest::newRow("QFX with the bank's sign-on id")
        << sgmlFile(sgmlBank("USD", sgmlRow("20240110", "-12.00", "Q1", "<NAME>Web Connect\r\n"), QByteArray()),
                    "<INTU.BID>3000<INTU.USERID>someone")
        << texts({"2024-01-10|-1200|Web Connect|||Q1|000123456789"})
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|1|-"}) << 0 << 0 << false;

    QTest::newRow("credit card statement")
        << sgmlFile("<CREDITCARDMSGSRSV1><CCSTMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><CCSTMTRS>"
                    "<CURDEF>USD<CCACCTFROM><ACCTID>4111111111115678</CCACCTFROM><BANKTRANLIST>"
                    + sgmlRow("20240203", "-64.10", "C1", "<NAME>Book Shop") + sgmlRow("20240205", "64.10", "C2",
                                                                                     "<NAME>Payment thank you")
                    + "</BANKTRANLIST><LEDGERBAL><BALAMT>-0<DTASOF>20240205</LEDGERBAL></CCSTMTRS></CCSTMTTRNRS>"
                      "</CREDITCARDMSGSRSV1>")
        << texts({"2024-02-03|-6410|Book Shop|||C1|4111111111115678",
                       "2024-02-05|6410|Payment thank you|||C2|4111111111115678"})
        << texts({"4111111111115678|credit_card|USD|2024-02-03|2024-02-05|2|0@2024-02-05"}) << 0 << 0 << false;

    QTest::newRow("JPY in whole yen")
        << sgmlFile(sgmlBank("JPY", sgmlRow("20240112", "-1500", "J1", "<NAME>Ramen") + sgmlRow("20240113", "980.5",
                                                                                               "J2", "<NAME>Rebate"),
                             "<LEDGERBAL><BALAMT>123456<DTASOF>20240131</LEDGERBAL>"))
        << texts({"2024-01-12|-1500|Ramen|||J1|000123456789", "2024-01-13|981|Rebate|||J2|000123456789"})
        << texts({"000123456789|checking|JPY|2024-01-01|2024-01-31|2|123456@2024-01-31"}) << 0 << 0 << false;

    QTest::newRow("one FITID twice, both rows read")
        << sgmlFile(sgmlBank("USD", sgmlRow("20240110", "-5.00", "T1", "<NAME>Twin") + sgmlRow("20240111", "-7.00", "T1",
                                                                                              "<NAME>Twin"),
                             QByteArray()))
        << texts({"2024-01-10|-500|Twin|||T1|000123456789", "2024-01-11|-700|Twin|||T1|000123456789"})
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|2|-"}) << 0 << 0 << false;

    QTest::newRow("bad date and bad amounts are unreadable rows")
        << sgmlFile(sgmlBank("USD",
                             sgmlRow("20241301", "-5.00", "B1", "<NAME>No such month")
                                 + sgmlRow("20240110", "12.3.4", "B2", "<NAME>Two points")
                                 + sgmlRow("20240110", "1234567890123456", "B3", "<NAME>Too many digits")
                                 + sgmlRow("20240111", "abc", "B4", "<NAME>Letters")
                                 + sgmlRow("20240112", "1,234.56", "B5", "<NAME>Grouped")
                                 + "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>20240113<FITID>B6<NAME>No amount</STMTTRN>",
                             QByteArray()))
        << texts({"2024-01-12|123456|Grouped|||B5|000123456789"})
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|1|-"}) << 5 << 0 << false;

    // Cut inside the last row's amount: "1500.5" would read as 15.
    const QByteArray whole = sgmlFile(sgmlBank("USD", sgmlRows, ledger));
    QTest::newRow("truncated in a row")
        << whole.left(whole.indexOf("1500.5") + 2)
        << texts({"2024-01-15|-4217|Grocery Mart|card 1234||A1|000123456789",
                       "2024-01-16|-10000|Landlord||1001|A2|000123456789"})
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|2|-"}) << 1 << 0 << true;

    // Longer than the library reads at a time, in two statements: every row
    // once, in order, and each statement's balance.
    QByteArray first;
    QByteArray second;
    QStringList longRows;
    for (int i = 0; i < 2 * OfxReader::kRowsPerPiece + 500; ++i) {
        const QByteArray fitid = "L" + QByteArray::number(i);
        const QByteArray row = sgmlRow("20240110", "-" + QByteArray::number(i + 1), fitid, "<NAME>Row");
        const bool inFirst = i < OfxReader::kRowsPerPiece + 500;
        (inFirst ? first : second) += row;
        longRows.append(QStringLiteral("2024-01-10|%1|Row|||%2|%3")
                            .arg(-100 * (i + 1))
                            .arg(QString::fromLatin1(fitid), inFirst ? QStringLiteral("000123456789")
                                                                     : QStringLiteral("4111111111115678")));
    }
    QTest::newRow("long statements, read in pieces")
        << sgmlFile(sgmlBank("USD", first, "<LEDGERBAL><BALAMT>1<DTASOF>20240131</LEDGERBAL>")
                    + "<CREDITCARDMSGSRSV1><CCSTMTTRNRS><TRNUID>2<STATUS><CODE>0<SEVERITY>INFO</STATUS><CCSTMTRS>"
                      "<CURDEF>USD<CCACCTFROM><ACCTID>4111111111115678</CCACCTFROM><BANKTRANLIST>"
                    + second
                    + "</BANKTRANLIST><LEDGERBAL><BALAMT>2<DTASOF>20240131</LEDGERBAL></CCSTMTRS></CCSTMTTRNRS>"
                      "</CREDITCARDMSGSRSV1>")
        << longRows
        << texts({"000123456789|checking|USD|2024-01-01|2024-01-31|1500|100@2024-01-31",
                       "4111111111115678|credit_card|USD|2024-01-10|2024-01-10|1000|200@2024-01-31"})
        << 0 << 0 << false;

    QTest::newRow("investment statement, counted and not read")
        << sgmlFile("<INVSTMTMSGSRSV1><INVSTMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><INVSTMTRS>"
                    "<DTASOF>20240131<CURDEF>USD<INVACCTFROM><BROKERID>broker.example<ACCTID>777</INVACCTFROM>"
                    "<INVTRANLIST><DTSTART>20240101<DTEND>20240131<INVBANKTRAN><STMTTRN><TRNTYPE>CREDIT"
                    "<DTPOSTED>20240105<TRNAMT>100.00<FITID>I1<NAME>Cash in</STMTTRN><SUBACCTFUND>CASH"
                    "</INVBANKTRAN></INVTRANLIST></INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1>")
        << QStringList() << QStringList() << 0 << 1 << false;

    QTest::newRow("statement in a currency the app does not keep")
        << sgmlFile(sgmlBank("CHF", sgmlRow("20240110", "-5.00", "F1", "<NAME>Franc"), QByteArray()))
        << QStringList() << QStringList() << 0 << 0 << false;
}

void TestOfxReader::statements()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, accounts);
    QFETCH(int, unparseable);
    QFETCH(int, investment);
    QFETCH(bool, truncated);

    QVERIFY(OfxText::looksLikeOfx(file));
    const OfxParseResult result = OfxReader::parse(file);
    QVERIFY(result.readable);
    QCOMPARE(rowsOf(result), rows);
    // A row of a bank's statement has cleared the bank.
    for (const ParsedTransaction &t : result.transactions)
        QVERIFY(t.cleared && !t.reconciled);
    QCOMPARE(accountsOf(result), accounts);
    QCOMPARE(result.unparseableCount, unparseable);
    QCOMPARE(result.investmentStatements, investment);
    QCOMPARE(result.truncated, truncated);
    QCOMPARE(result.otherCurrencyStatements, file.contains("<CURDEF>CHF") ? 1 : 0);
}

void TestOfxReader::amountValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("units");

    QTest::newRow("cents") << QByteArray("-42.17") << 2 << true << qint64(-4217);
    QTest::newRow("decimal comma") << QByteArray("3,5") << 2 << true << qint64(350);
    QTest::newRow("half a cent away from zero") << QByteArray("1.005") << 2 << true << qint64(101);
    QTest::newRow("negative half a cent") << QByteArray("-2.675") << 2 << true << qint64(-268);
    QTest::newRow("yen rounded") << QByteArray("980.5") << 0 << true << qint64(981);
    QTest::newRow("fifteen digits") << QByteArray("9999999999999.99") << 2 << true << qint64(999999999999999);
    QTest::newRow("sixteen digits") << QByteArray("99999999999999.99") << 2 << false << qint64(0);
    QTest::newRow("leading zeros do not count") << QByteArray("0000000000000012.5") << 2 << true << qint64(1250);
    QTest::newRow("plus sign") << QByteArray("+7") << 2 << true << qint64(700);
    QTest::newRow("lone point") << QByteArray(".") << 2 << false << qint64(0);
    QTest::newRow("two commas") << QByteArray("1,234,567") << 2 << false << qint64(0);
    QTest::newRow("inner space") << QByteArray("12 34") << 2 << false << qint64(0);
    QTest::newRow("empty") << QByteArray("") << 2 << false << qint64(0);
}

void TestOfxReader::amountValues()
{
    QFETCH(QByteArray, value);
    QFETCH(int, decimals);
    QFETCH(bool, ok);
    QFETCH(qint64, units);

    QByteArray canonical;
    QCOMPARE(OfxText::canonicalAmount(value, &canonical), ok);
    if (!ok)
        return;
    // Read back as the library reads it: a double.
    qint64 read = 0;
    QVERIFY(OfxText::minorUnits(canonical.toDouble(), decimals, &read));
    QCOMPARE(read, units);
}

void TestOfxReader::leavesNoTemporaryFiles()
{
    QTemporaryDir tmp;
    const QByteArray old = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QByteArray file = sgmlFile(sgmlBank("USD", sgmlRow("20240110", "-5.00", "F1", "<NAME>x"), QByteArray()));
    const OfxParseResult result = OfxReader::parse(file);
    const QByteArray after = qgetenv("TMPDIR");
    qputenv("TMPDIR", old);
    QCOMPARE(result.transactions.size(), 1);
    QCOMPARE(after, QFile::encodeName(tmp.path()));
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // Not OFX at all.
    QVERIFY(!OfxText::looksLikeOfx("!Type:Bank\nD1/2/2024\nT-5\n^\n"));
    QVERIFY(!OfxReader::parse("!Type:Bank\nD1/2/2024\nT-5\n^\n").readable);
}

QTEST_GUILESS_MAIN(TestOfxReader)
#include "tst_ofxreader.moc"
