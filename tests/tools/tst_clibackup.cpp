#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
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
    }
};

QTEST_GUILESS_MAIN(TestCliBackup)
#include "tst_clibackup.moc"
