#include "data/bulkwrite.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/csvmapping.h"
#include "data/sharedaccess.h"
#include "services/importservice.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"
#include "services/safetycopies.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/core/lockholder.h"
#include "support/core/logcapture.h"
#include "support/core/testdata.h"
#include "support/core/smallfilesystem.h"
#include "support/core/teststore.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <limits>

namespace {

// Every row of every table, so a test can tell that nothing at all changed.
QStringList dump(const TestStore &store)
{
    QStringList rows;
    for (const char *table : {"accounts", "categories", "transactions", "split_lines", "import_ids", "preferences"}) {
        QSqlQuery q(store.connection());
        q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table)));
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields.append(q.value(i).toString());
            rows.append(fields.join(QLatin1Char('|')));
        }
    }
    return rows;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return f.fileName();
}

int scalar(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
}

// `count` payments of 1.00, 2.00, ... on one day, each with the memo given.
QByteArray payments(int count, const QByteArray &memo = QByteArray())
{
    QByteArray text("!Type:Bank\n");
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("D1/1/2024\nT-%1\nPRow %1\n").arg(i + 1).toUtf8();
        if (!memo.isEmpty())
            text += "M" + memo + "\n";
        text += "^\n";
    }
    return text;
}

// One payment split into `lines` lines of 1 cent.
QByteArray centLines(int lines, const char *total)
{
    QByteArray text = "!Type:Bank\nD1/2/2024\nPShop\nT" + QByteArray(total) + "\n";
    for (int i = 0; i < lines; ++i)
        text += "SFood\n$-0.01\n";
    return text + "^\n";
}

// Two accounts' sections of `records` records each: payees and memos to
// search for, check numbers, splits, and transfers whose counter-entries are
// linked after both were written.
QByteArray transfersAndSplits(int records)
{
    QByteArray text;
    for (const char *account : {"Everyday Checking", "Holiday Savings"}) {
        const bool checking = account[0] == 'E';
        text += QByteArray("!Account\nN") + account + "\nTBank\n^\n!Type:Bank\n";
        for (int i = 0; i < records; ++i) {
            text += QStringLiteral("D%1/%2/2023\n").arg(i % 12 + 1).arg(i % 28 + 1).toUtf8();
            if (i % 10 == 0) {
                text += QStringLiteral("T%1%2.00\nL[%3]\n^\n")
                            .arg(checking ? QStringLiteral("-") : QString())
                            .arg(i + 1)
                            .arg(checking ? QStringLiteral("Holiday Savings") : QStringLiteral("Everyday Checking"))
                            .toUtf8();
                continue;
            }
            text += QStringLiteral("T-%1.%2\nPStore %3 %4\nMweekly %5 shopping\nN%6\n")
                        .arg(i)
                        .arg(i % 100, 2, 10, QLatin1Char('0'))
                        .arg(QLatin1String(checking ? "Corner" : "Harbour"))
                        .arg(i % 7)
                        .arg(i % 3 ? QStringLiteral("grocery") : QStringLiteral("hardware"))
                        .arg(1000 + i)
                        .toUtf8();
            text += i % 5 == 1 ? QStringLiteral("SGroceries\n$-%1.00\nSHome\n$-0.%2\n^\n")
                                     .arg(i)
                                     .arg(i % 100, 2, 10, QLatin1Char('0'))
                                     .toUtf8()
                               : QByteArray("LGroceries\n^\n");
        }
    }
    return text;
}

// An OFX 1.x statement of checking account ...6789, one payment a day from
// first to last: FITID "F-MMDD", payee "Shop MMDD", MMDD cents. extra rows
// come after them, and the balance is the bank's as of last.
QByteArray statement(const QDate &first, const QDate &last, const QByteArray &extra = QByteArray(),
                     const QByteArray &balance = "0")
{
    QByteArray rows;
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const QByteArray mmdd = d.toString(QStringLiteral("MMdd")).toLatin1();
        rows += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" + d.toString(QStringLiteral("yyyyMMdd")).toLatin1()
            + "120000[-5:EST]<TRNAMT>-" + QByteArray::number(mmdd.toInt() / 100.0, 'f', 2) + "<FITID>F-" + mmdd
            + "<NAME>Shop " + mmdd + "</STMTTRN>\n";
    }
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
           "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>121000248<ACCTID>000123456789<ACCTTYPE>"
           "CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>"
        + first.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "<DTEND>"
        + last.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "\n" + rows + extra
        + "</BANKTRANLIST><LEDGERBAL><BALAMT>" + balance + "<DTASOF>" + last.toString(QStringLiteral("yyyyMMdd")).toLatin1()
        + "</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

QByteArray ofxRow(const char *date, const char *amount, const char *fitid, const char *name)
{
    QByteArray row = "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" + QByteArray(date) + "<TRNAMT>" + amount;
    if (*fitid)
        row += "<FITID>" + QByteArray(fitid);
    return row + "<NAME>" + name + "</STMTTRN>\n";
}

} // namespace

class TestImportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void importsMappedAccountsAndLinksTransfers();
    void secondImportInsertsNothing();
    void twinsInOneFileBothArrive();
    void fileListedTwiceImportsOnce();
    void heldRowsCountAgainstTwins();
    void unmappedAndSkippedSourcesAreCounted();
    void headerlessFileMapsByPath();
    void transferPartnerRules();
    void categoriesAreMatchedOrCreated();
    void splitLinesAlwaysNameACategory();
    void payeeFallbacks();
    void abortRollsBackEverything();
    void failedInsertIsCountedAndImportGoesOn();
    void cancelRollsBack();
    void signalsComeOncePerKindAfterTheImport();
    void csvImportIntoOneAccount();
    void windows1252FileImports();
    void qifAmountsGoIntoYenAccountsInYen();
    void csvFromSpreadsheetUnicodeText();
    void announcesWhileItRuns();
    void ofxOverlappingDownloadsBringOnlyNewRows();
    void ofxDeletedRowIsNotBroughtBack();
    void aViewOnlyAccountTakesNoRows_data();
    void aViewOnlyAccountTakesNoRows();
    void ofxRowsWithoutAnIdMeetTheAccountsRows_data();
    void ofxRowsWithoutAnIdMeetTheAccountsRows();
    void ofxAbortLeavesTheStoreAsItWas();
    void safetyCopyComesFirst_data();
    void safetyCopyComesFirst();
    void anotherWriterIsWaitedForOrFailsTheWholeImport_data();
    void anotherWriterIsWaitedForOrFailsTheWholeImport();
    void fullDiskKeepsNothingAndSaysSo();
    void boundedInput_data();
    void boundedInput();
    void bulkImportSearchesAsRowByRow_data();
    void bulkImportSearchesAsRowByRow();

private:
    // Maps "visa card" to a new account instead of the existing one.
    NewAccounts createVisa(QHash<QString, QString> *mapping) const;

    std::unique_ptr<TestStore> m_store;
    ImportService *m_service = nullptr;
    Account m_checking;
    Account m_savings;
    Account m_visa;
    QHash<QString, QString> m_mapping;
};

void TestImportService::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestImportService::init()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC));
    m_store = std::make_unique<TestStore>(true);
    QVERIFY(m_store->isOpen());
    m_service = m_store->services->import();
    m_checking = m_store->addAccount(QStringLiteral("Checking"));
    m_savings = m_store->addAccount(QStringLiteral("Savings"));
    m_visa = m_store->addAccount(QStringLiteral("Visa"));
    m_mapping = {{QStringLiteral("everyday checking"), m_checking.id},
                 {QStringLiteral("holiday savings"), m_savings.id},
                 {QStringLiteral("visa card"), m_visa.id}};
}

void TestImportService::cleanup()
{
    m_service = nullptr;
    m_store.reset();
    Clock::setFixedNow(QDateTime());
}

NewAccounts TestImportService::createVisa(QHash<QString, QString> *mapping) const
{
    NewAccounts created;
    created.repository = m_store->accounts;
    created.bySourceKey.insert(QStringLiteral("visa card"),
                               ImportService::accountForSource(QStringLiteral("Visa Card"), QifReader::CreditCard, 9));
    mapping->insert(QStringLiteral("visa card"), ImportService::createMarker());
    return created;
}

void TestImportService::importsMappedAccountsAndLinksTransfers()
{
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    QVERIFY(!r.rolledBack());
    QCOMPARE(r.imported, 6);
    QCOMPARE(r.transfersLinked, 1);
    QCOMPARE(r.metadata, 1);
    QCOMPARE(r.unparseable, 0);
    QCOMPARE(m_store->transactions->balance(m_checking.id), qint64(-8412 - 25000 + 240000 - 123456));

    const QList<Transaction> checking = m_store->transactions->listByAccount(m_checking.id);
    const QList<Transaction> savings = m_store->transactions->listByAccount(m_savings.id);
    QCOMPARE(savings.size(), 1);
    const Transaction &in = savings.first();
    const auto out = std::find_if(checking.cbegin(), checking.cend(),
                                  [](const Transaction &t) { return t.amount == -25000; });
    QVERIFY(out != checking.cend());
    QCOMPARE(in.transferLinkId, out->id);
    QCOMPARE(in.transferDestAccountId, m_checking.id);
    QCOMPARE(out->transferLinkId, in.id);
    QCOMPARE(out->transferDestAccountId, m_savings.id);
    QCOMPARE(in.payee, QStringLiteral("Everyday Checking"));  // no payee: the transfer account's name

    const auto rent = std::find_if(checking.cbegin(), checking.cend(),
                                   [](const Transaction &t) { return t.payee == QLatin1String("Landlord"); });
    QVERIFY(rent->cleared && rent->reconciled);
    QCOMPARE(rent->syncStatus, SyncStatus::Pending);
    QCOMPARE(rent->createdAt, Clock::nowUtc());
}

void TestImportService::secondImportInsertsNothing()
{
    QCOMPARE(m_service->importQif({TestData::file("multi_account.qif")}, m_mapping).imported, 6);
    const QStringList before = dump(*m_store);
    const ImportResult again = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 6);
    QCOMPARE(again.transfersLinked, 0);
    QCOMPARE(dump(*m_store), before);
}

void TestImportService::twinsInOneFileBothArrive()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("twins.qif"),
                                   "!Type:Bank\nD1/5/2024\nT-3.50\nPBus fare\n^\nD1/5/2024\nT-3.50\nPBus fare\n^\n");
    const QHash<QString, QString> mapping{{ImportService::sourceKey(QString(), path), m_checking.id}};
    const ImportResult first = m_service->importQif({path}, mapping);
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.duplicates, 0);
    const ImportResult second = m_service->importQif({path}, mapping);
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, 2);
    QCOMPARE(m_store->transactions->listByAccount(m_checking.id).size(), 2);
}

void TestImportService::fileListedTwiceImportsOnce()
{
    const ImportResult r =
        m_service->importQif({TestData::file("multi_account.qif"), TestData::file("multi_account.qif")}, m_mapping);
    QCOMPARE(r.imported, 6);
    QCOMPARE(r.duplicates, 6);
    QCOMPARE(r.transfersLinked, 1);
}

void TestImportService::heldRowsCountAgainstTwins()
{
    m_store->addTransaction(m_checking.id, QDate(2024, 1, 5), QStringLiteral("Bus fare"), -350);
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("twins.qif"),
                  "!Type:Bank\nD1/5/2024\nT-3.50\nPBus fare\n^\nD1/5/2024\nT-3.50\nPBus fare\n^\n"
                  "D1/5/2024\nT-3.50\nPbus fare\n^\n");
    const ImportResult r = m_service->importQif({path}, {{ImportService::sourceKey(QString(), path), m_checking.id}});
    // One of the twins was already held; the payee in other case is another key.
    QCOMPARE(r.duplicates, 1);
    QCOMPARE(r.imported, 2);
}

void TestImportService::unmappedAndSkippedSourcesAreCounted()
{
    QHash<QString, QString> mapping = m_mapping;
    mapping.remove(QStringLiteral("visa card"));
    mapping.insert(QStringLiteral("holiday savings"), ImportService::skipMarker());
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, mapping);
    QCOMPARE(r.imported, 4);
    QCOMPARE(r.unmapped, 2);
    QCOMPARE(r.transfersLinked, 0);
    // The transfer whose other side was skipped stays a plain row.
    const QList<Transaction> checking = m_store->transactions->listByAccount(m_checking.id);
    for (const Transaction &t : checking)
        QVERIFY(t.transferLinkId.isEmpty() && t.transferDestAccountId.isEmpty());
    QVERIFY(ImportService::resultLines(r).contains(QStringLiteral("2 record(s) skipped (unmapped source account)")));
}

void TestImportService::headerlessFileMapsByPath()
{
    const QString path = TestData::file("dayfirst_crlf.qif");
    const ImportResult r = m_service->importQif({path}, {{path.toLower(), m_checking.id}});
    QCOMPARE(r.imported, 2);
    QCOMPARE(m_store->transactions->balance(m_checking.id), qint64(-1000 - 123456));
}

// An account shared with the user to view only takes no rows, whatever the
// mapping says: the service would refuse every one of them.
void TestImportService::aViewOnlyAccountTakesNoRows_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("imported");
    QTest::newRow("viewer") << QStringLiteral("viewer") << 3;
    QTest::newRow("editor") << QStringLiteral("editor") << 5;
}

void TestImportService::aViewOnlyAccountTakesNoRows()
{
    QFETCH(QString, role);
    QFETCH(int, imported);
    QVERIFY(SharedAccess(m_store->preferences).set(m_savings.id, SharedAccess::Access{role, QString(), QString()}));
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("t.qif"),
                                   "!Account\nNEveryday Checking\n^\n!Type:Bank\n"
                                   "D3/1/2024\nT-10\nL[Holiday Savings]\nPOut\n^\n"
                                   "D3/2/2024\nT-20\nPShop\n^\n"
                                   "D3/3/2024\nT-30\nPFuel\n^\n"
                                   "!Account\nNHoliday Savings\n^\n!Type:Bank\n"
                                   "D3/1/2024\nT10\nL[Everyday Checking]\nPIn\n^\n"
                                   "D3/4/2024\nT5\nPInterest\n^\n");
    const ImportResult r = m_service->importQif({path}, m_mapping);
    QCOMPARE(r.imported, imported);
    QCOMPARE(r.unmapped, 5 - imported);
    QCOMPARE(m_store->transactions->listByAccount(m_savings.id).size(), imported - 3);
    QCOMPARE(r.transfersLinked, imported == 5 ? 1 : 0);
}

void TestImportService::transferPartnerRules()
{
    QTemporaryDir dir;
    // Checking sends 10 twice on the same day; savings receives twice, plus
    // an entry of another amount and one pointing elsewhere. Each receipt
    // links the earliest unlinked matching send.
    const QString path = writeFile(dir, QStringLiteral("t.qif"),
                                   "!Account\nNEveryday Checking\n^\n!Type:Bank\n"
                                   "D3/1/2024\nT-10\nL[Holiday Savings]\nPFirst\n^\n"
                                   "D3/1/2024\nT-10\nL[Holiday Savings]\nPSecond\n^\n"
                                   "D3/1/2024\nT-10\nL[Everyday Checking]\nPSelf\n^\n"
                                   "!Account\nNHoliday Savings\n^\n!Type:Bank\n"
                                   "D3/1/2024\nT10\nL[Everyday Checking]\nPIn 1\n^\n"
                                   "D3/1/2024\nT10\nL[Visa Card]\nPFrom visa\n^\n"
                                   "D3/1/2024\nT11\nL[Everyday Checking]\nPOther amount\n^\n"
                                   "D3/2/2024\nT10\nL[Everyday Checking]\nPOther day\n^\n"
                                   "D3/1/2024\nT10\nL[Everyday Checking]\nPIn 2\n^\n");
    const ImportResult r = m_service->importQif({path}, m_mapping);
    QCOMPARE(r.imported, 8);
    QCOMPARE(r.transfersLinked, 2);

    QHash<QString, Transaction> byPayee;
    for (const Account &a : {m_checking, m_savings}) {
        const QList<Transaction> rows = m_store->transactions->listByAccount(a.id);
        for (const Transaction &t : rows)
            byPayee.insert(t.payee, t);
    }
    QCOMPARE(byPayee.value(QStringLiteral("In 1")).transferLinkId, byPayee.value(QStringLiteral("First")).id);
    QCOMPARE(byPayee.value(QStringLiteral("First")).transferLinkId, byPayee.value(QStringLiteral("In 1")).id);
    QCOMPARE(byPayee.value(QStringLiteral("In 2")).transferLinkId, byPayee.value(QStringLiteral("Second")).id);
    QCOMPARE(byPayee.value(QStringLiteral("Second")).transferDestAccountId, m_savings.id);
    for (const char *plain : {"Self", "From visa", "Other amount", "Other day"})
        QVERIFY2(byPayee.value(QLatin1String(plain)).transferLinkId.isEmpty(), plain);
}

void TestImportService::categoriesAreMatchedOrCreated()
{
    const int before = m_store->categories->liveCount();
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    // "Groceries" is a default category; "Salary" and "Auto:Fuel" come from
    // the list, "Taxes" and "Rent" from records.
    QCOMPARE(r.categoriesCreated, 4);
    QCOMPARE(m_store->categories->liveCount(), before + 4);
    QCOMPARE(m_store->categories->findByName(QStringLiteral("Salary"))->type, CategoryType::Income);
    const QString groceries = m_store->categories->findByName(QStringLiteral("Groceries"))->id;
    const QList<Transaction> checking = m_store->transactions->listByAccount(m_checking.id);
    const auto market = std::find_if(checking.cbegin(), checking.cend(),
                                     [](const Transaction &t) { return t.payee == QLatin1String("Corner Market"); });
    QCOMPARE(market->categoryId, groceries);

    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("c.qif"), "!Type:Bank\nD1/1/2024\nT-1\nLGROCERIES\n^\n");
    QCOMPARE(m_service->importQif({path}, {{path.toLower(), m_checking.id}}).categoriesCreated, 0);
}

void TestImportService::splitLinesAlwaysNameACategory()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("s.qif"),
                                   "!Type:Bank\nD1/31/2024\nT1,800.00\nLSalary\nPAcme\n"
                                   "SSalary\n$2,000.00\nS[401k]\n$-150.00\nEPension\nS\n$-50.00\n^\n");
    const ImportResult r = m_service->importQif({path}, {{path.toLower(), m_checking.id}});
    QCOMPARE(r.imported, 1);
    QCOMPARE(r.databaseErrors, 0);
    const Transaction t = m_store->transactions->listByAccount(m_checking.id).first();
    QVERIFY(t.isSplit);
    QVERIFY(t.categoryId.isEmpty());
    const QList<SplitLine> lines = m_store->splitLines->linesOf(t.id);
    QCOMPARE(lines.size(), 3);
    QStringList names;
    qint64 sum = 0;
    for (const SplitLine &line : lines) {
        names.append(m_store->categories->findById(line.categoryId)->name);
        sum += line.amount;
    }
    names.sort();
    QCOMPARE(names, (QStringList{"Salary", "Uncategorized", "[401k]"}));
    QCOMPARE(sum, t.amount);
    QCOMPARE(m_store->categories->findByName(QStringLiteral("[401k]"))->type, CategoryType::Transfer);
}

void TestImportService::payeeFallbacks()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("p.qif"),
                                   "!Type:Invst\nD1/1/2024\nNBuy\nYACME\nT5\n^\nD1/2/2024\nYACME\nT6\n^\n"
                                   "D1/3/2024\nNDiv\nT7\n^\nD1/4/2024\nT8\nL[Elsewhere]\n^\nD1/5/2024\nT9\n^\n");
    QCOMPARE(m_service->importQif({path}, {{path.toLower(), m_checking.id}}).imported, 5);
    QStringList payees;
    const QList<Transaction> rows = m_store->transactions->listByAccount(m_checking.id);
    for (const Transaction &t : rows)
        payees.prepend(t.payee);
    QCOMPARE(payees, (QStringList{"ACME: Buy", "ACME", "Div", "Elsewhere", "Imported transaction"}));
}

void TestImportService::abortRollsBackEverything()
{
    m_store->addTransaction(m_checking.id, QDate(2023, 12, 1), QStringLiteral("Before"), -100);
    QVERIFY(m_store->exec(QStringLiteral("CREATE TRIGGER no_links BEFORE UPDATE OF transfer_link_id ON transactions "
                                         "BEGIN SELECT RAISE(ABORT, 'links refused'); END")));
    const QStringList before = dump(*m_store);

    QHash<QString, QString> mapping = m_mapping;
    const NewAccounts created = createVisa(&mapping);

    LogCapture log;
    const ImportResult r = m_service->importFiles({ImportService::readQif(TestData::file("multi_account.qif"))}, mapping,
                                                  created);
    QVERIFY(r.aborted);
    QCOMPARE(r.imported, 0);
    QCOMPARE(r.accountsCreated, 0);
    QVERIFY(log.contains(QStringLiteral("QIF import aborted: failed to update retroactive partner")));
    QCOMPARE(dump(*m_store), before);
    QCOMPARE(ImportService::resultLines(r).last(), ImportService::rollbackMessage());
}

void TestImportService::failedInsertIsCountedAndImportGoesOn()
{
    QVERIFY(m_store->exec(QStringLiteral("CREATE TRIGGER no_rent BEFORE INSERT ON transactions WHEN new.payee = "
                                         "'Landlord' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    LogCapture log;
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    QVERIFY(!r.aborted);
    QCOMPARE(r.databaseErrors, 1);
    QCOMPARE(r.imported, 5);
    QVERIFY(log.contains(QStringLiteral("QIF import: insert failed for 2024-02-01 Landlord amount -123456 account")));
    QVERIFY(ImportService::resultLines(r).contains(
        QStringLiteral("1 record(s) skipped (database error \u2014 see log)")));
}

void TestImportService::cancelRollsBack()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("many.qif"), payments(450));
    const QStringList before = dump(*m_store);
    QList<int> reported;
    const QMetaObject::Connection canceller =
        connect(m_service, &ImportService::progress, this, [&](int done, int total) {
        QCOMPARE(total, 450);
        reported.append(done);
        if (done == 200)
            m_service->cancel();
    });
    const ImportResult r = m_service->importQif({path}, {{path.toLower(), m_checking.id}});
    QVERIFY(r.cancelled);
    QCOMPARE(reported, (QList<int>{100, 200, 450}));
    QCOMPARE(dump(*m_store), before);

    // The next import starts afresh.
    disconnect(canceller);
    QCOMPARE(m_service->importQif({path}, {{path.toLower(), m_checking.id}}).imported, 450);
}

void TestImportService::signalsComeOncePerKindAfterTheImport()
{
    QSignalSpy transactions(m_store->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy categories(m_store->categories, &CategoryRepository::categoriesChanged);
    QSignalSpy accounts(m_store->accounts, &AccountRepository::accountsChanged);
    QHash<QString, QString> mapping = m_mapping;
    const NewAccounts created = createVisa(&mapping);

    const ImportResult r = m_service->importFiles({ImportService::readQif(TestData::file("multi_account.qif"))}, mapping,
                                                  created);
    QCOMPARE(r.accountsCreated, 1);
    QCOMPARE(accounts.count(), 1);
    QCOMPARE(categories.count(), 1);
    QCOMPARE(transactions.count(), 3);
    QStringList touched;
    for (const QList<QVariant> &args : std::as_const(transactions))
        touched.append(args.first().toString());
    touched.sort();
    const QString visaId = created.bySourceKey.value(QStringLiteral("visa card")).id;
    QStringList expected{m_checking.id, m_savings.id, visaId};
    expected.sort();
    QCOMPARE(touched, expected);
    QCOMPARE(m_store->accounts->findById(visaId)->type, AccountType::CreditCard);
}

void TestImportService::csvImportIntoOneAccount()
{
    const CsvMapping mapping = CsvConverter::guessMapping(CsvReader::parseFile(TestData::file("bank.csv")));
    const ImportResult r = m_service->importCsv({TestData::file("bank.csv")}, mapping, m_checking.id, 0);
    QCOMPARE(r.imported, 3);
    QCOMPARE(m_store->transactions->balance(m_checking.id), qint64(-8412 - 450 + 240000));
    QVERIFY(m_store->categories->findByName(QStringLiteral("Dining")));
    QCOMPARE(m_service->importCsv({TestData::file("bank.csv")}, mapping, m_checking.id, 0).duplicates, 3);
}

void TestImportService::windows1252FileImports()
{
    const QString path = TestData::file("windows1252.qif");
    QCOMPARE(m_service->importQif({path}, {{path.toLower(), m_checking.id}}).imported, 1);
    QCOMPARE(m_store->transactions->listByAccount(m_checking.id).first().payee, QStringLiteral("Caf\u00e9 M\u00fcller"));
}

void TestImportService::qifAmountsGoIntoYenAccountsInYen()
{
    // QIF amounts carry no currency: "1,500" is 1,500 of the account's money,
    // which is 1500 minor units in a yen account, not 150000.
    const Account yen = m_store->addAccount(QStringLiteral("Tokyo"), Currency::JPY);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("yen.qif"),
                                   "!Account\nNTokyo\n^\n!Type:Bank\n"
                                   "D4/1/2024\nT-1,500\nPRamen\n^\n"
                                   "D4/2/2024\nT-2000.50\nPMarket\nSFood\n$-1000.25\nSHome\n$-1000.25\n^\n"
                                   "D4/3/2024\nT-10\nL[Everyday Checking]\n^\n"
                                   "!Account\nNEveryday Checking\n^\n!Type:Bank\n"
                                   "D4/3/2024\nT10\nL[Tokyo]\n^\n");
    QHash<QString, QString> mapping = m_mapping;
    mapping.insert(QStringLiteral("tokyo"), yen.id);
    const ImportResult r = m_service->importQif({path}, mapping);
    QCOMPARE(r.imported, 4);
    QCOMPARE(r.transfersLinked, 0);  // a dollar side and a yen side are no pair
    QCOMPARE(m_store->transactions->balance(yen.id), qint64(-1500 - 2001 - 10));
    QCOMPARE(m_store->transactions->balance(m_checking.id), qint64(1000));
    const QList<Transaction> rows = m_store->transactions->listByAccount(yen.id);
    const auto market = std::find_if(rows.cbegin(), rows.cend(),
                                     [](const Transaction &t) { return t.payee == QLatin1String("Market"); });
    QVERIFY(market != rows.cend());
    const QList<SplitLine> lines = m_store->splitLines->linesOf(market->id);
    QCOMPARE(lines.size(), 2);
    // Rounded line by line the halves would give -1000 + -1000 against a total
    // of -2001; the lines must still add up to the transaction.
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, market->amount);
    QCOMPARE(market->amount, qint64(-2001));

    const ImportResult again = m_service->importQif({path}, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 4);
}

void TestImportService::csvFromSpreadsheetUnicodeText()
{
    // "Unicode text" from a spreadsheet: UTF-16 with a byte-order mark, tabs.
    const QString text = QStringLiteral("Date\tPayee\tAmount\r\n01/15/2024\tB\u00e4ckerei\t-12.50\r\n");
    QByteArray bytes("\xff\xfe");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("unicode.txt"), bytes);
    const CsvTable table = CsvReader::parseFile(path);
    QCOMPARE(table.separator, QLatin1Char('\t'));
    const CsvMapping mapping = CsvConverter::guessMapping(table);
    const ImportResult r = m_service->importCsv({path}, mapping, m_checking.id, 0);
    QCOMPARE(r.imported, 1);
    QCOMPARE(m_store->transactions->listByAccount(m_checking.id).first().payee, QStringLiteral("B\u00e4ckerei"));
    QCOMPARE(m_store->transactions->balance(m_checking.id), qint64(-1250));
}

void TestImportService::announcesWhileItRuns()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("many.qif"), payments(150));

    // A timer that writes (the recurring posting pass) holds from true to
    // false; by false the import's rows are committed and no transaction is open.
    QList<bool> heard;
    int rowsAtEnd = -1;
    bool openAtEnd = true;
    connect(m_service, &ImportService::runningChanged, this, [&](bool running) {
        heard.append(running);
        if (!running) {
            openAtEnd = DbTransaction::inTransaction(m_store->connection());
            rowsAtEnd = scalar(m_store->connection(), QStringLiteral("SELECT COUNT(*) FROM transactions"));
        }
    });
    bool runningDuringProgress = false;
    connect(m_service, &ImportService::progress, this, [&](int done) {
        if (done == 100)
            runningDuringProgress = m_service->isRunning() && heard == QList<bool>{true};
    });
    QCOMPARE(m_service->importQif({path}, {{path.toLower(), m_checking.id}}).imported, 150);
    QVERIFY(runningDuringProgress);
    QCOMPARE(heard, (QList<bool>{true, false}));
    QVERIFY(!openAtEnd);
    QCOMPARE(rowsAtEnd, 150);
    QVERIFY(!m_service->isRunning());
}

void TestImportService::ofxOverlappingDownloadsBringOnlyNewRows()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    QTemporaryDir dir;
    const QString january = writeFile(dir, QStringLiteral("january.qfx"), statement(QDate(2024, 1, 1), QDate(2024, 1, 31)));
    // Ten days of overlap. In them the bank moved one row by a day, and a
    // row typed in by hand before (no FITID) is in the download as well.
    // After them: one id given to two different rows, and a row without an id.
    const QByteArray later = ofxRow("20240225", "-9.99", "F-0225", "Twin") + ofxRow("20240226", "-8.88", "F-0225", "Twin")
        + ofxRow("20240227", "-7.77", "", "No id");
    QByteArray second = statement(QDate(2024, 1, 22), QDate(2024, 2, 20), later, "-1234.56");
    second.replace("<DTPOSTED>20240125", "<DTPOSTED>20240126");
    const QString february = writeFile(dir, QStringLiteral("february.ofx"), second);

    ImportFile first = ImportService::readOfx(january);
    QCOMPARE(first.statements.size(), 1);
    const StatementAccount account = first.statements.first();
    const QString key = ImportService::sourceKey(account.key, january);
    NewAccounts created;
    created.repository = m_store->accounts;
    created.bySourceKey.insert(key, ImportService::accountForStatement(account, 9));
    const ImportResult r1 = m_service->importFiles({first}, {{key, ImportService::createMarker()}}, created);
    QVERIFY(!r1.rolledBack());
    QCOMPARE(r1.imported, 31);
    const QString target = created.bySourceKey.value(key).id;
    const std::optional<Account> made = m_store->accounts->findById(target);
    QVERIFY(made);
    QCOMPARE(made->type, AccountType::Checking);
    QCOMPARE(made->currency, Currency::USD);
    QCOMPARE(made->accountNumberLast4, QStringLiteral("6789"));
    // Next time the statement account is offered the same account.
    QCOMPARE(m_service->suggestedAccount(account, m_store->accounts->listLive()), target);

    m_store->addTransaction(target, QDate(2024, 2, 3), QStringLiteral("Shop 0203"), -203);
    // Reconciled once and its cleared mark taken off since: the bank has it.
    Transaction reconciled = m_store->addTransaction(target, QDate(2024, 2, 4), QStringLiteral("Fee"), -404);
    reconciled.reconciled = true;
    QVERIFY(m_store->transactions->update(reconciled));

    const ImportResult r2 = m_service->importFiles({ImportService::readOfx(february)}, {{key, target}});
    QVERIFY(!r2.rolledBack());
    // 1 to 20 February less the one typed in, both twins, the row without an id.
    QCOMPARE(r2.imported, 19 + 2 + 1);
    QCOMPARE(r2.duplicates, 10 + 1);
    QCOMPARE(m_store->transactions->listByAccount(target).size(), 31 + 2 + 22);
    QCOMPARE(scalar(m_store->connection(), QStringLiteral("SELECT COUNT(*) FROM import_ids")), 31 + 20 + 1);
    QCOMPARE(r2.balances.size(), 1);
    const StatementBalance balance = r2.balances.first();
    QCOMPARE(balance.accountId, target);
    QCOMPARE(balance.date, QDate(2024, 2, 20));
    QCOMPARE(balance.bank, qint64(-123456));
    // Every row up to 20 February, cleared, and the reconciled one; the
    // typed one was not cleared.
    qint64 cleared = 0;
    for (QDate d(2024, 1, 1); d <= QDate(2024, 2, 20); d = d.addDays(1))
        cleared -= d.toString(QStringLiteral("MMdd")).toInt();
    QCOMPARE(balance.cleared, cleared + 203 - 404);
    QVERIFY(ImportService::resultLines(r2).last().contains(QStringLiteral("They differ by")));

    // The same download once more brings nothing.
    const QStringList before = dump(*m_store);
    const ImportResult r3 = m_service->importFiles({ImportService::readOfx(february)}, {{key, target}});
    QCOMPARE(r3.imported, 0);
    QCOMPARE(r3.duplicates, 30 + 3);
    QCOMPARE(dump(*m_store), before);
}

void TestImportService::ofxDeletedRowIsNotBroughtBack()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("march.ofx"), statement(QDate(2024, 3, 1), QDate(2024, 3, 10)));
    const ImportFile file = ImportService::readOfx(path);
    const QHash<QString, QString> mapping{{ImportService::sourceKey(file.statements.first().key, path), m_checking.id}};
    QCOMPARE(m_service->importFiles({file}, mapping).imported, 10);
    const QList<Transaction> rows = m_store->transactions->listByAccount(m_checking.id);
    const auto fifth = std::find_if(rows.cbegin(), rows.cend(), [](const Transaction &t) {
        return t.payee == QLatin1String("Shop 0305");
    });
    QVERIFY(fifth != rows.cend());
    QVERIFY(m_store->services->transactions()->deleteWithPartner(fifth->id));

    const ImportResult again = m_service->importFiles({ImportService::readOfx(path)}, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 10);
    QCOMPARE(m_store->transactions->listByAccount(m_checking.id).size(), 9);
}

// A row without a FITID goes by the QIF rule against what the account held
// before its file, however many rows with ids came before it.
void TestImportService::ofxRowsWithoutAnIdMeetTheAccountsRows_data()
{
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("duplicates");
    // Typed in before the import: 10 January, "Typed", -5.00.
    const QByteArray typed = ofxRow("20240110", "-5.00", "", "Typed");
    QTest::newRow("second file of one import, row typed in before")
        << QList<QByteArray>{statement(QDate(2024, 1, 1), QDate(2024, 1, 5)),
                             statement(QDate(2024, 1, 6), QDate(2024, 1, 6), typed)}
        << 5 + 1 << 1;
    QTest::newRow("twin of a row with an id earlier in the file")
        << QList<QByteArray>{statement(QDate(2024, 1, 1), QDate(2024, 1, 2), ofxRow("20240102", "-1.02", "", "Shop 0102"))}
        << 3 << 0;
    QTest::newRow("twin in the second file of a row with an id in the first")
        << QList<QByteArray>{statement(QDate(2024, 1, 1), QDate(2024, 1, 2)),
                             statement(QDate(2024, 1, 3), QDate(2024, 1, 3), ofxRow("20240102", "-1.02", "", "Shop 0102"))}
        << 3 << 1;
}

void TestImportService::ofxRowsWithoutAnIdMeetTheAccountsRows()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    QFETCH(QList<QByteArray>, files);
    QFETCH(int, imported);
    QFETCH(int, duplicates);
    m_store->addTransaction(m_checking.id, QDate(2024, 1, 10), QStringLiteral("Typed"), -500);
    QTemporaryDir dir;
    QList<ImportFile> read;
    QHash<QString, QString> mapping;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = writeFile(dir, QStringLiteral("%1.ofx").arg(i), files.at(i));
        read.append(ImportService::readOfx(path));
        QCOMPARE(read.last().statements.size(), 1);
        mapping.insert(ImportService::sourceKey(read.last().statements.first().key, path), m_checking.id);
    }
    const ImportResult result = m_service->importFiles(read, mapping);
    QVERIFY(!result.rolledBack());
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.duplicates, duplicates);
    QCOMPARE(m_store->transactions->listByAccount(m_checking.id).size(), 1 + imported);
}

void TestImportService::ofxAbortLeavesTheStoreAsItWas()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("april.ofx"), statement(QDate(2024, 4, 1), QDate(2024, 4, 30)));
    m_store->addTransaction(m_checking.id, QDate(2024, 3, 1), QStringLiteral("Before"), -100);
    QVERIFY(m_store->preferences->set(ImportService::statementMapKey(), QStringLiteral("{}")));
    // Half-way through, the database gives up the whole transaction.
    QVERIFY(m_store->exec(QStringLiteral("CREATE TRIGGER stop_half_way BEFORE INSERT ON import_ids WHEN new.fitid = "
                                         "'F-0415' BEGIN SELECT RAISE(ROLLBACK, 'stopped'); END")));
    const QStringList before = dump(*m_store);

    const ImportFile file = ImportService::readOfx(path);
    const QString key = ImportService::sourceKey(file.statements.first().key, path);
    NewAccounts created;
    created.repository = m_store->accounts;
    created.bySourceKey.insert(key, ImportService::accountForStatement(file.statements.first(), 9));
    LogCapture log;
    const ImportResult r = m_service->importFiles({file}, {{key, ImportService::createMarker()}}, created);
    QVERIFY(r.aborted);
    QCOMPARE(r.imported, 0);
    QCOMPARE(r.accountsCreated, 0);
    QVERIFY(r.balances.isEmpty());
    QCOMPARE(dump(*m_store), before);
    QVERIFY(!DbTransaction::inTransaction(m_store->connection()));
}

void TestImportService::safetyCopyComesFirst_data()
{
    QTest::addColumn<bool>("roomForCopy");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("copies");
    QTest::newRow("a copy, then the import") << true << 6 << 1;
    // A file where the folder should be: the copy cannot be written.
    QTest::newRow("no copy, no import") << false << 0 << 0;
}

void TestImportService::safetyCopyComesFirst()
{
    QFETCH(bool, roomForCopy);
    QFETCH(int, imported);
    QFETCH(int, copies);
    m_store->addTransaction(m_checking.id, QDate(2023, 12, 1), QStringLiteral("Before"), -100);
    SafetyCopies *safety = m_store->services->safetyCopies();
    if (!roomForCopy)
        writeFile(m_store->m_dir, QStringLiteral("Backups"), "not a folder");
    const QStringList before = dump(*m_store);

    QSignalSpy running(m_service, &ImportService::runningChanged);
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    QCOMPARE(r.imported, imported);
    QCOMPARE(safety->list().size(), copies);
    QCOMPARE(running.count(), 2);
    if (!roomForCopy) {
        QVERIFY(r.aborted);
        QCOMPARE(r.stop, ImportResult::Stop::NoSafetyCopy);
        QCOMPARE(dump(*m_store), before);
        QVERIFY2(ImportService::resultLines(r).last().startsWith(
                     QLatin1String("Nothing was imported: no safety copy of the data could be made first (")),
                 qPrintable(ImportService::resultLines(r).last()));
        return;
    }
    // The copy is the store as it was: the row before, none of the import.
    const SafetyCopies::Copy copy = safety->list().first();
    QCOMPARE(copy.reason, QStringLiteral("before-import"));
    QCOMPARE(copy.path, r.safetyCopy);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(copy.path);
        QVERIFY(db.open());
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    QCOMPARE(scalar(m_store->connection(), QStringLiteral("SELECT COUNT(*) FROM transactions")), 1 + 6);
}

void TestImportService::anotherWriterIsWaitedForOrFailsTheWholeImport_data()
{
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<int>("busyTimeoutMs");
    QTest::addColumn<int>("imported");
    QTest::addColumn<QString>("message");
    QTest::newRow("lock released within the wait") << 800 << 5000 << 6 << "6 transaction(s) imported";
    QTest::newRow("lock held past the wait")
        << 1500 << 300 << 0
        << "Another program is writing to the data file and did not finish in time. Nothing was imported; try "
           "again when it is done.";
}

void TestImportService::anotherWriterIsWaitedForOrFailsTheWholeImport()
{
    QFETCH(int, holdMs);
    QFETCH(int, busyTimeoutMs);
    QFETCH(int, imported);
    QFETCH(QString, message);
    QVERIFY(m_store->exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs)));
    const QStringList before = dump(*m_store);

    LockHolder other(m_store->path(), holdMs);
    QVERIFY(other.hold());
    QElapsedTimer waited;
    waited.start();
    const ImportResult r = m_service->importQif({TestData::file("multi_account.qif")}, m_mapping);
    QVERIFY2(waited.elapsed() >= qMin(holdMs, busyTimeoutMs) - 100, qPrintable(QString::number(waited.elapsed())));
    QCOMPARE(ImportService::resultLines(r).first(), message);
    QCOMPARE(r.imported, imported);
    QCOMPARE(r.databaseErrors, 0);  // never a row skipped for the lock
    if (imported == 0) {
        QCOMPARE(r.stop, ImportResult::Stop::StoreBusy);
        QCOMPARE(dump(*m_store), before);
    } else {
        QCOMPARE(scalar(m_store->connection(), QStringLiteral("SELECT COUNT(*) FROM transactions")), imported);
    }
}

void TestImportService::fullDiskKeepsNothingAndSaysSo()
{
    SmallFileSystem fs(4);
    if (!fs.isValid())
        QSKIP(qPrintable(fs.reason()));
    // One store per process: its connection is the default one.
    m_service = nullptr;
    m_store.reset();
    Store store;
    QVERIFY(store.open(fs.filePath(QStringLiteral("quillet.db"))));
    Services services(store);
    const Account checking = Fixtures::addAccount(store.accounts(), QStringLiteral("Checking"));
    QVERIFY(store.transactions()->insert(
        Fixtures::newTransaction(checking.id, QDate(2023, 12, 1), QStringLiteral("Before"), -100)));

    // Four megabytes of rows, written from outside the small disk.
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("big.qif"), payments(4000, QByteArray(900, 'm')));

    // Room for the safety copy of the store, not for the import.
    const QString probe = services.safetyCopies()->make(QStringLiteral("probe"));
    QVERIFY(!probe.isEmpty());
    QVERIFY(fs.fill(QFileInfo(probe).size() + 256 * 1024));

    LogCapture log;
    const ImportResult r = services.import()->importQif({path}, {{path.toLower(), checking.id}});
    fs.drain();
    QVERIFY(!DbTransaction::inTransaction(store.connection()));
    QVERIFY(r.aborted);
    QCOMPARE(r.stop, ImportResult::Stop::DiskFull);
    QCOMPARE(ImportService::resultLines(r),
             QStringList{QStringLiteral("The disk is full. The import was stopped and all changes were rolled back. "
                                        "No transactions were added.")});
    QVERIFY(!log.contains(QStringLiteral("no such savepoint")));
    QCOMPARE(scalar(store.connection(), QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
    QCOMPARE(scalar(store.connection(), QStringLiteral("SELECT COUNT(*) FROM split_lines")), 0);
}

void TestImportService::boundedInput_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("imported");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("longest");  // the longest text stored

    const QString notAddingUp = QStringLiteral("1 split transaction(s) skipped (the lines do not add up to the amount)");
    const QString tooLong = QStringLiteral("1 split transaction(s) skipped (more than 1,000 lines)");
    const QString oneCut = QStringLiteral("1 text(s) longer than 4,000 characters cut short");
    QTest::newRow("split lines add up")
        << "qif" << QByteArray("!Type:Bank\nD1/2/2024\nT-10.00\nPShop\nSFood\n$-6.00\nSHome\n$-4.00\n^\n") << 1
        << "1 transaction(s) imported" << 4;
    QTest::newRow("split lines that do not add up")
        << "qif" << QByteArray("!Type:Bank\nD1/2/2024\nT-10.00\nPShop\nSFood\n$-6.00\nSHome\n$-3.00\n^\n") << 0
        << notAddingUp << 0;
    QTest::newRow("split lines without amounts")
        << "qif" << QByteArray("!Type:Bank\nD1/2/2024\nT-10.00\nPShop\nSFood\nSHome\n^\n") << 0 << notAddingUp << 0;
    QTest::newRow("-10.00 in 200,000 lines of -0.01") << "qif" << centLines(200000, "-10.00") << 0 << tooLong << 0;
    QTest::newRow("1,000 lines") << "qif" << centLines(1000, "-10.00") << 1 << "1 transaction(s) imported" << 4;
    QTest::newRow("1,001 lines") << "qif" << centLines(1001, "-10.01") << 0 << tooLong << 0;
    QTest::newRow("a 10 MB payee")
        << "qif" << "!Type:Bank\nD1/2/2024\nT-1\nP" + QByteArray(10000000, 'p') + "\n^\n" << 1 << oneCut << 4000;
    QTest::newRow("memo, number and category")
        << "qif"
        << "!Type:Bank\nD1/2/2024\nT-1\nPShop\nM" + QByteArray(4001, 'm') + "\nN" + QByteArray(5000, '1') + "\nL"
               + QByteArray(6000, 'c') + "\n^\n"
        << 1 << "3 text(s) longer than 4,000 characters cut short" << 4000;
    QTest::newRow("4,000 characters stay whole")
        << "qif" << "!Type:Bank\nD1/2/2024\nT-1\nP" + QByteArray(4000, 'p') + "\n^\n" << 1
        << "1 transaction(s) imported" << 4000;
    QTest::newRow("a CSV payee")
        << "csv" << "Date,Payee,Amount\n2024-01-02," + QByteArray(5000, 'p') + ",-5.00\n" << 1 << oneCut << 4000;
}

void TestImportService::boundedInput()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, content);
    QFETCH(int, imported);
    QFETCH(QString, line);
    QFETCH(int, longest);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("input.") + suffix, content);
    const ImportResult r =
        suffix == QLatin1String("csv")
            ? m_service->importCsv({path}, CsvConverter::guessMapping(CsvReader::parseFile(path)), m_checking.id, 0)
            : m_service->importQif({path}, {{path.toLower(), m_checking.id}});
    QCOMPARE(r.imported, imported);
    const QStringList lines = ImportService::resultLines(r);
    QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1String(" | "))));
    if (!line.contains(QLatin1String("cut short")))
        QCOMPARE(r.textsCut, 0);
    const QSqlDatabase db = m_store->connection();
    const int stored = qMax(scalar(db, QStringLiteral("SELECT MAX(IFNULL(MAX(LENGTH(payee)), 0), IFNULL(MAX(LENGTH(memo)), "
                                                      "0), IFNULL(MAX(LENGTH(check_number)), 0)) FROM transactions")),
                            scalar(db, QStringLiteral("SELECT IFNULL(MAX(LENGTH(name)), 0) FROM categories "
                                                      "WHERE LENGTH(name) > 100")));
    QCOMPARE(stored, longest);
    // What was imported adds up.
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions t WHERE is_split = 1 AND amount <> "
                                       "(SELECT SUM(amount) FROM split_lines WHERE transaction_id = t.id)")),
             0);
}

// An import large enough to write in bulk leaves the store searching, and
// counting balances and payees, exactly as the same import row by row.
void TestImportService::bulkImportSearchesAsRowByRow_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("rowsHeldBefore");
    QTest::newRow("transfers and splits, empty store") << transfersAndSplits(300) << false;
    QTest::newRow("transfers and splits, rows held") << transfersAndSplits(300) << true;
    QFile sample(TestData::file("multi_account.qif"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QTest::newRow("sample file, rows held") << sample.readAll() << true;
}

void TestImportService::bulkImportSearchesAsRowByRow()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, rowsHeldBefore);
    const QStringList words{QStringLiteral("store"), QStringLiteral("corner"), QStringLiteral("weekly grocery"),
                            QStringLiteral("hardware"), QStringLiteral("1017"), QStringLiteral("holiday"),
                            QStringLiteral("landlord"), QStringLiteral("older")};
    QStringList outcome[2];
    for (const bool bulk : {false, true}) {
        BulkWrite::setMinRows(bulk ? 1 : std::numeric_limits<qsizetype>::max());
        TestStore store(true);
        QVERIFY(store.isOpen());
        const Account checking = store.addAccount(QStringLiteral("Checking"));
        const Account savings = store.addAccount(QStringLiteral("Savings"));
        if (rowsHeldBefore) {
            for (int i = 0; i < 30; ++i)
                store.addTransaction(i % 2 ? checking.id : savings.id, QDate(2020, 1, i + 1),
                                     QStringLiteral("Older store %1").arg(i), -100 * i);
        }
        store.transactions->payees();  // the caches are in use when the import starts
        store.transactions->balance(checking.id);
        QTemporaryDir dir;
        const ImportResult r = store.services->import()->importQif(
            {writeFile(dir, QStringLiteral("import.qif"), file)},
            {{QStringLiteral("everyday checking"), checking.id}, {QStringLiteral("holiday savings"), savings.id}});
        QVERIFY(!r.rolledBack());
        QVERIFY(r.imported > 0);
        QStringList &seen = outcome[bulk];
        seen.append(QStringLiteral("imported %1 linked %2").arg(r.imported).arg(r.transfersLinked));
        for (const QString &word : words) {
            TransactionSearch search;
            search.text = word;
            for (const RegisterEntry &e : store.transactions->search(search)) {
                const Transaction &t = e.transaction;
                seen.append(QStringList{word, SqlValue::date(t.date), t.payee, t.memo, QString::number(t.amount),
                                        t.checkNumber, t.accountId == checking.id ? QStringLiteral("checking")
                                                                                  : QStringLiteral("savings"),
                                        t.transferLinkId.isEmpty() ? QString() : QStringLiteral("linked"),
                                        e.categoryName}
                                .join(QLatin1Char('|')));
            }
        }
        seen.append(QString::number(store.transactions->balance(checking.id)));
        seen.append(QString::number(store.transactions->balance(savings.id)));
        seen.append(store.transactions->payees().join(QLatin1Char('|')));
        QCOMPARE(scalar(store.connection(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = "
                                                           "'trigger'")),
                 3);
    }
    BulkWrite::setMinRows(BulkWrite::kMinRows);
    // Rows of one date may come in either order; which rows, and what they hold, may not differ.
    outcome[0].sort();
    outcome[1].sort();
    QCOMPARE(outcome[1], outcome[0]);
}

QTEST_GUILESS_MAIN(TestImportService)
#include "tst_importservice.moc"
