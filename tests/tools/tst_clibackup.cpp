#include "data/store.h"
#include "support/core/storedamage.h"
#include "support/core/lockholder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs quillet-cli over the data directory dataDir.
Run cli(const QString &dataDir, const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLET_DATA_DIR"), dataDir);
    env.remove(QStringLiteral("QUILLET_VERBOSE"));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/quillet-cli"), args);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Runs sql on the store of dataDir (created and migrated when missing).
bool execIn(const QString &dataDir, const QString &sql)
{
    Store store;
    QDir().mkpath(dataDir);
    return store.open(QDir(dataDir).filePath(QStringLiteral("quillet.db"))) && QSqlQuery(store.connection()).exec(sql);
}

int countIn(const QString &dataDir, const QString &table)
{
    Store store;
    if (!store.open(QDir(dataDir).filePath(QStringLiteral("quillet.db"))))
        return -1;
    QSqlQuery q(store.connection());
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && q.next() ? q.value(0).toInt() : -1;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kAccountRow = QStringLiteral(
    "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('later', 'Opened later', "
    "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");

} // namespace

class TestCliBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportThenImportElsewhere()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a"));
        const QString target = dir.filePath(QStringLiteral("b"));
        const QString file = dir.filePath(QStringLiteral("backup.zip"));

        const Run exported = cli(source, {QStringLiteral("backup"), QStringLiteral("export"), file});
        QCOMPARE(exported.code, 0);
        QVERIFY(QFile::exists(file));
        QVERIFY(exported.out.startsWith(QStringLiteral("file: ") + file + QLatin1Char('\n')));
        QVERIFY(exported.out.contains(QStringLiteral("\naccountCount: 0\n")));
        QVERIFY(!exported.out.contains(QStringLiteral("categoryCount: 0")));  // the seeded defaults
        QVERIFY(exported.out.contains(QStringLiteral("\nreconciliationCount: 0\n")));

        // The other store seeded the same default categories (same ids): all skipped.
        const Run skipped = cli(target,
                                {QStringLiteral("backup"), QStringLiteral("import"), file, QStringLiteral("--mode"),
                                 QStringLiteral("skip")});
        QCOMPARE(skipped.code, 0);
        QVERIFY2(skipped.out.startsWith(QStringLiteral("Imported 0 items, skipped ")), qPrintable(skipped.out));
        QVERIFY(skipped.err.isEmpty());

        const Run replaced = cli(target, {QStringLiteral("backup"), QStringLiteral("import"), file});
        QCOMPARE(replaced.code, 0);
        QVERIFY2(replaced.out.endsWith(QStringLiteral(" items, skipped 0.\n")), qPrintable(replaced.out));
        QVERIFY(!replaced.out.startsWith(QStringLiteral("Imported 0 ")));
    }

    void failuresAndUsage()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString junk = dir.filePath(QStringLiteral("junk.zip"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a zip archive");
        f.close();

        const Run notZip = cli(data, {QStringLiteral("backup"), QStringLiteral("import"), junk});
        QCOMPARE(notZip.code, 1);
        QCOMPARE(notZip.err, QStringLiteral("Failed to open ZIP archive\n"));
        QVERIFY(notZip.out.isEmpty());

        const Run missing =
            cli(data, {QStringLiteral("backup"), QStringLiteral("import"), dir.filePath(QStringLiteral("none.zip"))});
        QCOMPARE(missing.code, 1);

        QCOMPARE(cli(data, {QStringLiteral("backup")}).code, 2);
        QCOMPARE(cli(data, {QStringLiteral("backup"), QStringLiteral("export")}).code, 2);
        QCOMPARE(cli(data,
                     {QStringLiteral("backup"), QStringLiteral("import"), junk, QStringLiteral("--mode"),
                      QStringLiteral("merge")})
                     .code,
                 2);
        QCOMPARE(cli(data, {QStringLiteral("backup"), QStringLiteral("restore"), junk}).code, 2);
        QCOMPARE(cli(data, {QStringLiteral("backup"), QStringLiteral("list"), junk}).code, 2);
        QCOMPARE(cli(data, {QStringLiteral("backup"), QStringLiteral("restore-copy")}).code, 2);
    }

    // "--mode exact" makes the store the backup after a safety copy, which
    // "backup list" shows and "backup restore-copy" puts back.
    void exactRestoreAndSafetyCopies()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a"));
        const QString target = dir.filePath(QStringLiteral("b"));
        const QString file = dir.filePath(QStringLiteral("backup.zip"));
        QCOMPARE(cli(source, {QStringLiteral("backup"), QStringLiteral("export"), file}).code, 0);
        QVERIFY(execIn(target, kAccountRow));

        const Run exact = cli(target, {QStringLiteral("backup"), QStringLiteral("import"), file,
                                       QStringLiteral("--mode"), QStringLiteral("exact")});
        QCOMPARE(exact.code, 0);
        const QString prefix = QStringLiteral("safety copy: ") + QDir(target).filePath(QStringLiteral("Backups/quillet-"));
        QVERIFY2(exact.out.contains(QLatin1Char('\n') + prefix), qPrintable(exact.out));
        QVERIFY(exact.out.endsWith(QStringLiteral("-before-exact-restore.db\n")));
        QCOMPARE(countIn(target, QStringLiteral("accounts")), 0);

        const Run list = cli(target, {QStringLiteral("backup"), QStringLiteral("list")});
        QCOMPARE(list.code, 0);
        const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("folder: ") + QDir(target).filePath(QStringLiteral("Backups")));
        const QString name = lines.at(1).section(QLatin1Char(' '), 0, 0);
        QVERIFY2(name.endsWith(QStringLiteral("-before-exact-restore.db")), qPrintable(lines.at(1)));
        QVERIFY(lines.at(1).endsWith(QStringLiteral(" bytes")));

        const Run restored = cli(target, {QStringLiteral("backup"), QStringLiteral("restore-copy"), name});
        QCOMPARE(restored.code, 0);
        QVERIFY2(restored.out.startsWith(QStringLiteral("Restored %1.\nsafety copy: ").arg(name)), qPrintable(restored.out));
        QCOMPARE(countIn(target, QStringLiteral("accounts")), 1);

        const Run missing = cli(target, {QStringLiteral("backup"), QStringLiteral("restore-copy"), QStringLiteral("nope.db")});
        QCOMPARE(missing.code, 1);
        QCOMPARE(missing.err, QStringLiteral("quillet-cli: There is no safety copy named nope.db.\n"));
    }

    // A damaged store is not exported over a good older backup.
    void damagedStoreKeepsTheOlderBackup()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString file = dir.filePath(QStringLiteral("backup.zip"));
        {
            Store store;
            QVERIFY(QDir().mkpath(data));
            QVERIFY(store.open(QDir(data).filePath(QStringLiteral("quillet.db"))) && fillForDamage(store.connection()));
        }
        QVERIFY(damageStoreFile(QDir(data).filePath(QStringLiteral("quillet.db"))));
        QFile older(file);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("the older backup");
        older.close();

        const Run exported = cli(data, {QStringLiteral("backup"), QStringLiteral("export"), file});
        QCOMPARE(exported.code, 1);
        QVERIFY2(exported.err.startsWith(QStringLiteral("quillet-cli: The store is damaged (")), qPrintable(exported.err));
        QVERIFY(exported.err.contains(QStringLiteral("(quillet-cli backup list)")));
        QVERIFY(exported.out.isEmpty());
        QCOMPARE(contentOf(file), QByteArray("the older backup"));
    }

    // A restore waits for another program's write; when that outlasts the
    // wait, nothing is written and the exit code says so.
    void importWhileAnotherProgramWrites()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a"));
        const QString target = dir.filePath(QStringLiteral("b"));
        const QString file = dir.filePath(QStringLiteral("backup.zip"));
        QVERIFY(execIn(source, kAccountRow));
        QCOMPARE(cli(source, {QStringLiteral("backup"), QStringLiteral("export"), file}).code, 0);
        // Opened once, so that the store is migrated and seeded before the lock.
        QCOMPARE(cli(target, {QStringLiteral("info")}).code, 0);

        LockHolder lock(QDir(target).filePath(QStringLiteral("quillet.db")), 7000);
        QVERIFY(lock.hold());
        const Run locked = cli(target, {QStringLiteral("backup"), QStringLiteral("import"), file});
        QCOMPARE(locked.code, 1);
        QVERIFY2(locked.err.contains(QStringLiteral("database is locked")), qPrintable(locked.err));
        QVERIFY(locked.out.isEmpty());
        lock.wait();
        QCOMPARE(countIn(target, QStringLiteral("accounts")), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliBackup)
#include "tst_clibackup.moc"
