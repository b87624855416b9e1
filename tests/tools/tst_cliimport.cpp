#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/ids.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/ofxreader.h"
#include "services/services.h"
#include "support/core/lockholder.h"
#include "support/core/smallfilesystem.h"
#include "support/core/testdata.h"

#include <QProcess>

#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class TestCliImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void usageErrors_data();
    void usageErrors();
    void unreadableFileFails();
    void createMissingTwiceImportsOnce();
    void mapIntoAndSkip();
    void unmappedSourcesAreReported();
    void fileWithoutAccountBlock();
    void abortExitsWithFailure();
    void csvImport();
    void dateOrder_data();
    void dateOrder();
    void heldLock_data();
    void heldLock();
    void twoImportsAtOnce();
    void fullDisk();
    void ofxByContent();

private:
    // Starts quillet-cli import over the store in m_dataDir.
    void start(QProcess *process, const QStringList &args) const;
    static CliRun finish(QProcess *process);
    CliRun run(const QStringList &args) const;
    QString storePath() const { return m_dataDir + QStringLiteral("/quillet.db"); }
    void addAccount(const QString &name);
    // Live accounts by name with their balances.
    QMap<QString, qint64> balances() const;
    // The dates of every transaction, in order.
    QStringList dates() const;
    // A QIF file of one account named Shared with `records` payments.
    QString writeQif(const QString &name, int records, const QByteArray &memo = QByteArray()) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dataDir;
};

void TestCliImport::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestCliImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dataDir = m_dir->path();
}

void TestCliImport::cleanup()
{
    m_dir.reset();
}

void TestCliImport::start(QProcess *process, const QStringList &args) const
{
    const QString cli = qEnvironmentVariableIsEmpty("QUILLET_CLI")
                            ? QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/quillet-cli")
                            : qEnvironmentVariable("QUILLET_CLI");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLET_DATA_DIR"), m_dataDir);
    env.remove(QStringLiteral("QUILLET_VERBOSE"));
    process->setProcessEnvironment(env);
    process->start(cli, QStringList{QStringLiteral("import")} + args);
}

CliRun TestCliImport::finish(QProcess *process)
{
    CliRun r;
    if (!process->waitForFinished(60000)) {
        qWarning() << "quillet-cli did not finish:" << process->program() << process->errorString();
        return r;
    }
    r.code = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    r.out = QString::fromUtf8(process->readAllStandardOutput());
    r.err = QString::fromUtf8(process->readAllStandardError());
    return r;
}

CliRun TestCliImport::run(const QStringList &args) const
{
    QProcess p;
    start(&p, args);
    return finish(&p);
}

void TestCliImport::addAccount(const QString &name)
{
    // The store as the command line leaves it, so that a run under a lock
    // has nothing to write before its import.
    Store store;
    QVERIFY(store.open(storePath()));
    Services services(store);
    services.categories()->seedDefaultsIfEmpty();
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    QVERIFY(store.accounts()->insert(a));
}

QMap<QString, qint64> TestCliImport::balances() const
{
    QMap<QString, qint64> result;
    Database db;
    if (!db.open(storePath()))
        return result;
    AccountRepository accounts(&db);
    TransactionRepository transactions(&db);
    const QList<Account> live = accounts.listLive();
    for (const Account &a : live)
        result.insert(a.name, transactions.balance(a.id));
    return result;
}

QStringList TestCliImport::dates() const
{
    QStringList result;
    Database db;
    if (!db.open(storePath()))
        return result;
    QSqlQuery q(db.connection());
    q.exec(QStringLiteral("SELECT date FROM transactions ORDER BY date"));
    while (q.next())
        result.append(q.value(0).toString());
    return result;
}

QString TestCliImport::writeQif(const QString &name, int records, const QByteArray &memo) const
{
    QFile file(m_dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("!Account\nNShared\n^\n!Type:Bank\n");
    for (int i = 0; i < records; ++i)
        file.write(QStringLiteral("D1/1/2024\nT-%1\nPRow %1\nM").arg(i + 1).toUtf8() + memo + "\n^\n");
    return file.fileName();
}

void TestCliImport::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString qif = TestData::file("multi_account.qif");
    const QString csv = TestData::file("bank.csv");
    QTest::newRow("no file") << QStringList{} << "no file given";
    QTest::newRow("unknown option") << QStringList{qif, "--bogus"} << "bogus";
    QTest::newRow("unknown into account") << QStringList{qif, "--into", "Nowhere"} << "unknown account \"Nowhere\"";
    QTest::newRow("unknown map target")
        << QStringList{qif, "--map", "Visa Card=Amex"} << "unknown account \"Amex\"";
    QTest::newRow("map without target") << QStringList{qif, "--map", "Visa Card"} << "bad --map";
    QTest::newRow("unknown format") << QStringList{qif, "--format", "xls"} << "unknown format";
    QTest::newRow("mixed files") << QStringList{qif, csv} << "mixed";
    QTest::newRow("columns from zero")
        << QStringList{csv, "--into", "Checking", "--csv-columns", "date=0,amount=3"} << "bad --csv-columns";
    QTest::newRow("columns without amount")
        << QStringList{csv, "--into", "Checking", "--csv-columns", "date=1,payee=2"} << "needs date and amount";
    QTest::newRow("unknown date format")
        << QStringList{csv, "--into", "Checking", "--csv-date-format", "dd.MM.yyyy"} << "unknown date format";
    QTest::newRow("unknown date order")
        << QStringList{qif, "--date-order", "dym"} << "unknown date order \"dym\" (mdy, dmy or ymd)";
    QTest::newRow("date order for CSV")
        << QStringList{csv, "--into", "Checking", "--date-order", "dmy"} << "--date-order is for QIF files";
}

void TestCliImport::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    addAccount(QStringLiteral("Checking"));
    const CliRun r = run(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.err.contains(QLatin1String("usage: quillet-cli import FILE...")));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(balances().value(QStringLiteral("Checking")), qint64(0));
}

void TestCliImport::unreadableFileFails()
{
    const CliRun r = run({m_dir->filePath(QStringLiteral("missing.qif"))});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QLatin1String("cannot read")));
}

void TestCliImport::createMissingTwiceImportsOnce()
{
    const CliRun first = run({TestData::file("multi_account.qif"), QStringLiteral("--create-missing")});
    QCOMPARE(first.code, 0);
    QCOMPARE(first.out, QStringLiteral("6 transaction(s) imported\n1 transfer(s) linked across accounts\n"
                                       "1 metadata record(s) skipped\n"));
    const CliRun second = run({TestData::file("multi_account.qif"), QStringLiteral("--create-missing")});
    QCOMPARE(second.code, 0);
    QCOMPARE(second.out,
             QStringLiteral("0 transaction(s) imported\n6 duplicate(s) skipped\n1 metadata record(s) skipped\n"));
    const QMap<QString, qint64> b = balances();
    QCOMPARE(b.keys(), (QStringList{"Everyday Checking", "Holiday Savings", "Visa Card"}));
    QCOMPARE(b.value(QStringLiteral("Holiday Savings")), qint64(25000));
}

void TestCliImport::mapIntoAndSkip()
{
    addAccount(QStringLiteral("Checking"));
    addAccount(QStringLiteral("Savings"));
    const CliRun r = run({TestData::file("multi_account.qif"), QStringLiteral("--map"),
                          QStringLiteral("everyday checking=checking"), QStringLiteral("--map"),
                          QStringLiteral("Holiday Savings=__skip__"), QStringLiteral("--into"),
                          QStringLiteral("Savings")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1String("5 transaction(s) imported\n")), qPrintable(r.out));
    QVERIFY(r.out.contains(QLatin1String("1 record(s) skipped (unmapped source account)\n")));
    const QMap<QString, qint64> b = balances();
    QCOMPARE(b.value(QStringLiteral("Checking")), qint64(-8412 - 25000 + 240000 - 123456));
    QCOMPARE(b.value(QStringLiteral("Savings")), qint64(-4500));
    QCOMPARE(b.size(), 2);
}

void TestCliImport::unmappedSourcesAreReported()
{
    const CliRun r = run({TestData::file("multi_account.qif")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QLatin1String("0 transaction(s) imported\n")));
    QVERIFY(r.out.contains(QLatin1String("6 record(s) skipped (unmapped source account)\n")));
    QVERIFY(r.err.contains(QLatin1String("Visa Card is not mapped")));
}

void TestCliImport::fileWithoutAccountBlock()
{
    addAccount(QStringLiteral("Checking"));
    const QString path = TestData::file("dayfirst_crlf.qif");
    const CliRun mapped = run({path, QStringLiteral("--map"), path + QStringLiteral("=Checking")});
    QCOMPARE(mapped.code, 0);
    QVERIFY(mapped.out.startsWith(QLatin1String("2 transaction(s) imported\n")));

    const CliRun created = run({path, QStringLiteral("--create-missing")});
    QCOMPARE(created.code, 0);
    QCOMPARE(balances().value(QStringLiteral("dayfirst_crlf")), qint64(-1000 - 123456));
}

void TestCliImport::abortExitsWithFailure()
{
    addAccount(QStringLiteral("Checking"));
    {
        Database db;
        QVERIFY(db.open(m_dir->filePath(QStringLiteral("quillet.db"))));
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER no_links BEFORE UPDATE OF transfer_link_id ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'links refused'); END")));
    }
    const CliRun r = run({TestData::file("multi_account.qif"), QStringLiteral("--create-missing")});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.out.trimmed(), ImportService::rollbackMessage());
    QVERIFY(r.err.contains(QLatin1String("QIF import aborted: failed to update retroactive partner")));
    QCOMPARE(balances().keys(), QStringList{QStringLiteral("Checking")});
}

void TestCliImport::csvImport()
{
    addAccount(QStringLiteral("Checking"));
    const QStringList columns{TestData::file("bank.csv"), QStringLiteral("--into"), QStringLiteral("Checking"),
                              QStringLiteral("--csv-columns"), QStringLiteral("date=1,payee=2,amount=3,memo=4")};
    const CliRun noHeader = run(columns);
    QCOMPARE(noHeader.code, 0);
    QCOMPARE(noHeader.out, QStringLiteral("3 transaction(s) imported\n1 record(s) skipped (unparseable)\n"));

    const CliRun withHeader = run(columns + QStringList{QStringLiteral("--csv-header")});
    QCOMPARE(withHeader.out, QStringLiteral("0 transaction(s) imported\n3 duplicate(s) skipped\n"));

    // Read day first, the January dates are no dates at all.
    const CliRun dayFirst = run(columns + QStringList{QStringLiteral("--csv-header"),
                                                      QStringLiteral("--csv-date-format"), QStringLiteral("dd/MM/yyyy")});
    QVERIFY(dayFirst.out.contains(QLatin1String("2 record(s) skipped (unparseable)")));
    QCOMPARE(balances().value(QStringLiteral("Checking")), qint64(-8412 - 450 + 240000 + 240000));
}

void TestCliImport::dateOrder_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("warned");
    // No day above 12: the file itself cannot say.
    QTest::newRow("guessed month first, with a warning") << QStringList{} << QStringList{"2024-05-03", "2024-07-04"}
                                                         << true;
    QTest::newRow("dmy") << QStringList{"--date-order", "dmy"} << QStringList{"2024-03-05", "2024-04-07"} << false;
    QTest::newRow("mdy") << QStringList{"--date-order", "MDY"} << QStringList{"2024-05-03", "2024-07-04"} << false;
    QTest::newRow("ymd: no such dates") << QStringList{"--date-order", "ymd"} << QStringList{} << false;
}

void TestCliImport::dateOrder()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, stored);
    QFETCH(bool, warned);
    addAccount(QStringLiteral("Checking"));
    const QString path = m_dir->filePath(QStringLiteral("dayfirst.qif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("!Type:Bank\nD05/03/2024\nT-1\nPA\n^\nD07/04/2024\nT-2\nPB\n^\n");
    file.close();
    const CliRun r = run(QStringList{path, QStringLiteral("--into"), QStringLiteral("Checking")} + args);
    QCOMPARE(r.code, 0);
    QCOMPARE(dates(), stored);
    QCOMPARE(r.err.contains(QLatin1String(": no date shows whether the day or the month comes first; read month first "
                                          "(05/03/2024 is 2024-05-03, not 2024-03-05). Pass --date-order dmy to read "
                                          "it day first.")),
             warned);
}

void TestCliImport::heldLock_data()
{
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("accounts");
    QTest::newRow("released within the wait") << 800 << 0 << "200 transaction(s) imported\n"
                                              << QStringList{"Checking", "Shared"};
    // Longer than the five seconds the store waits for a lock.
    QTest::newRow("held past the wait")
        << 6500 << 1
        << "Another program is writing to the data file and did not finish in time. Nothing was imported; try again "
           "when it is done.\n"
        << QStringList{"Checking"};
}

void TestCliImport::heldLock()
{
    QFETCH(int, holdMs);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QStringList, accounts);
    addAccount(QStringLiteral("Checking"));
    const QString path = writeQif(QStringLiteral("shared.qif"), 200);
    LockHolder other(storePath(), holdMs);
    QVERIFY(other.hold());
    const CliRun r = run({path, QStringLiteral("--create-missing")});
    QCOMPARE(r.out, out);
    QCOMPARE(r.code, code);
    QCOMPARE(balances().keys(), accounts);
    QCOMPARE(dates().size(), code == 0 ? 200 : 0);
}

void TestCliImport::twoImportsAtOnce()
{
    addAccount(QStringLiteral("Checking"));
    const QString path = writeQif(QStringLiteral("shared.qif"), 4000);
    QProcess first;
    QProcess second;
    start(&first, {path, QStringLiteral("--create-missing")});
    start(&second, {path, QStringLiteral("--create-missing")});
    const CliRun a = finish(&first);
    const CliRun b = finish(&second);
    // One waits for the other, then finds every row there already.
    QVERIFY2(a.code == 0, qPrintable(a.out + a.err));
    QVERIFY2(b.code == 0, qPrintable(b.out + b.err));
    QStringList outs{a.out, b.out};
    outs.sort();
    QCOMPARE(outs, (QStringList{"0 transaction(s) imported\n4000 duplicate(s) skipped\n",
                                "4000 transaction(s) imported\n"}));
    QCOMPARE(balances().keys(), (QStringList{"Checking", "Shared"}));
    QCOMPARE(dates().size(), 4000);
}

void TestCliImport::fullDisk()
{
    SmallFileSystem fs(4);
    if (!fs.isValid())
        QSKIP(qPrintable(fs.reason()));
    m_dataDir = fs.path();
    addAccount(QStringLiteral("Checking"));
    // Four megabytes of rows, from outside the small disk.
    const QString path = writeQif(QStringLiteral("big.qif"), 4000, QByteArray(900, 'm'));
    // Room for the safety copy, not for the import.
    QVERIFY(fs.fill(2 * QFileInfo(storePath()).size() + 256 * 1024));
    const CliRun r = run({path, QStringLiteral("--into"), QStringLiteral("Checking")});
    fs.drain();
    QCOMPARE(r.out, QStringLiteral("The disk is full. The import was stopped and all changes were rolled back. No "
                                   "transactions were added.\n"));
    QCOMPARE(r.code, 1);
    QVERIFY2(!r.err.contains(QLatin1String("no such savepoint")), qPrintable(r.err));
    QCOMPARE(dates().size(), 0);
}

// An OFX download under a QIF file's name is read as OFX, into the account
// made for it; the next run finds that account by itself.
void TestCliImport::ofxByContent()
{
    if (!OfxReader::isAvailable())
        QSKIP("built without libofx");
    QFile file(m_dir->filePath(QStringLiteral("download.qif")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
               "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>55554321<ACCTTYPE>SAVINGS"
               "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
               "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240105<TRNAMT>100.00<FITID>S1<NAME>Deposit</STMTTRN>\n"
               "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240106<TRNAMT>-25.50<FITID>S2<NAME>Fee</STMTTRN>\n"
               "</BANKTRANLIST><LEDGERBAL><BALAMT>74.50<DTASOF>20240131</LEDGERBAL></STMTRS></STMTTRNRS>"
               "</BANKMSGSRSV1></OFX>\n");
    file.close();
    const QString balance = QStringLiteral("Savings \u20264321: the bank's balance on 1/31/2024 is $74.50; the cleared "
                                           "balance here is $74.50.\n");
    const CliRun first = run({file.fileName(), QStringLiteral("--create-missing")});
    QCOMPARE(first.code, 0);
    QCOMPARE(first.out, QStringLiteral("2 transaction(s) imported\n") + balance);
    const CliRun second = run({file.fileName()});
    QCOMPARE(second.code, 0);
    QCOMPARE(second.out, QStringLiteral("0 transaction(s) imported\n2 duplicate(s) skipped\n") + balance);
    QCOMPARE(balances(), (QMap<QString, qint64>{{QStringLiteral("Savings \u20264321"), 7450}}));
}

QTEST_GUILESS_MAIN(TestCliImport)
#include "tst_cliimport.moc"
