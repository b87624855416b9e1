#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/ids.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
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

private:
    CliRun run(const QStringList &args) const;
    void addAccount(const QString &name);
    // Live accounts by name with their balances.
    QMap<QString, qint64> balances() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliImport::initTestCase()
{
    QVERIFY2(TestData::problem().isEmpty(), qPrintable(TestData::problem()));
}

void TestCliImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCliImport::cleanup()
{
    m_dir.reset();
}

CliRun TestCliImport::run(const QStringList &args) const
{
    const QString cli = qEnvironmentVariableIsEmpty("QUILLET_CLI")
                            ? QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/quillet-cli")
                            : qEnvironmentVariable("QUILLET_CLI");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLET_DATA_DIR"), m_dir->path());
    env.remove(QStringLiteral("QUILLET_VERBOSE"));
    p.setProcessEnvironment(env);
    p.start(cli, QStringList{QStringLiteral("import")} + args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        qWarning() << "quillet-cli did not finish:" << cli << p.errorString();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestCliImport::addAccount(const QString &name)
{
    Database db;
    QVERIFY(db.open(m_dir->filePath(QStringLiteral("quillet.db"))) && db.runMigrations());
    AccountRepository accounts(&db);
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    QVERIFY(accounts.insert(a));
}

QMap<QString, qint64> TestCliImport::balances() const
{
    QMap<QString, qint64> result;
    Database db;
    if (!db.open(m_dir->filePath(QStringLiteral("quillet.db"))))
        return result;
    AccountRepository accounts(&db);
    TransactionRepository transactions(&db);
    const QList<Account> live = accounts.listLive();
    for (const Account &a : live)
        result.insert(a.name, transactions.balance(a.id));
    return result;
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
    QTest::newRow("unknown format") << QStringList{qif, "--format", "ofx"} << "unknown format";
    QTest::newRow("mixed files") << QStringList{qif, csv} << "mixed";
    QTest::newRow("columns from zero")
        << QStringList{csv, "--into", "Checking", "--csv-columns", "date=0,amount=3"} << "bad --csv-columns";
    QTest::newRow("columns without amount")
        << QStringList{csv, "--into", "Checking", "--csv-columns", "date=1,payee=2"} << "needs date and amount";
    QTest::newRow("unknown date format")
        << QStringList{csv, "--into", "Checking", "--csv-date-format", "dd.MM.yyyy"} << "unknown date format";
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

QTEST_GUILESS_MAIN(TestCliImport)
#include "tst_cliimport.moc"
