// quillet-cli login, account and logout against the real server in this
// process; the test approves the device code over HTTP as a person would in
// a browser.
#include "signin.h"
#include "support/core/testdata.h"
#include "testserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestCliLogin : public QObject
{
    Q_OBJECT

    TestServer m_server;
    QTemporaryDir m_home;

    // The server runs on this thread, so the tool is waited for with the event loop running.
    void start(QProcess &process, const QStringList &args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLET_DATA_DIR"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QUILLET_TOKEN_STORE"), QStringLiteral("file"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("QUILLET_VERBOSE"));
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/quillet-cli"), args);
    }

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList &args)
    {
        QProcess process;
        QSignalSpy finished(&process, &QProcess::finished);
        start(process, args);
        Run result;
        if (!finished.wait(30000))
            return result;
        result.code = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // login, the test approving the device code as email would in a browser.
    Run login(const QString &email)
    {
        QProcess login;
        QSignalSpy finished(&login, &QProcess::finished);
        start(login, {QStringLiteral("login")});
        Run result;
        const QRegularExpression codeLine(QStringLiteral("enter the code ([A-Z]{4}-[A-Z]{4})"));
        if (!QTest::qWaitFor([&] { return (result.out += QString::fromUtf8(login.readAllStandardOutput()),
                                           codeLine.match(result.out).hasMatch()); },
                             20000))
            return result;
        const HttpReply approved = m_server.client().postForm(
            QStringLiteral("/larkspire/device"), {{QStringLiteral("user_code"), codeLine.match(result.out).captured(1)},
                                                 {QStringLiteral("email"), email},
                                                 {QStringLiteral("password"), QStringLiteral("correct horse")},
                                                 {QStringLiteral("action"), QStringLiteral("approve")}});
        if (approved.status != 200 || !finished.wait(20000))
            return result;
        result.code = login.exitCode();
        result.out += QString::fromUtf8(login.readAllStandardOutput());
        result.err = QString::fromUtf8(login.readAllStandardError());
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
        SignIn::signUp(m_server.client(), QStringLiteral("cli@example.org"));
    }

    void loginAccountLogout()
    {
        QCOMPARE(run({QStringLiteral("account")}).out, QStringLiteral("Not signed in.\n"));

        const Run signedIn = login(QStringLiteral("cli@example.org"));
        QVERIFY(signedIn.out.contains(m_server.baseUrl().toString() + QStringLiteral("/larkspire/device")));
        QCOMPARE(signedIn.code, 0);
        QVERIFY2(signedIn.out.endsWith(QStringLiteral("Signed in as cli@example.org.\n")), qPrintable(signedIn.out));
        const QString tokens = m_home.filePath(QStringLiteral("data/signin-tokens.json"));
        QCOMPARE(QFile::permissions(tokens) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);

        const Run account = run({QStringLiteral("account")});
        QCOMPARE(account.code, 0);
        QVERIFY2(account.out.startsWith(QStringLiteral("email: cli@example.org\nname: Test\ndevices: 1\n")),
                 qPrintable(account.out));
        QVERIFY(account.out.contains(QStringLiteral("\tlinux\t1.1.1\t")));
        QVERIFY(account.out.contains(QStringLiteral("(this device)")));

        // One cycle sends the whole store; the next has nothing to send and
        // reads back only what the first one stored.
        QCOMPARE(run({QStringLiteral("import"), TestData::file("multi_account.qif"), QStringLiteral("--create-missing")})
                     .code,
                 0);
        // Demonstration rows are kept out of the push rather than spoil it.
        QCOMPARE(run({QStringLiteral("sample"), QStringLiteral("load")}).code, 0);
        const QRegularExpression counts(QStringLiteral("^Pushed (\\d+) change\\(s\\); pulled (\\d+) record\\(s\\), (\\d+) applied\\.\n$"));
        const Run first = run({QStringLiteral("sync")});
        QVERIFY2(first.code == 0, qPrintable(first.out + first.err));
        const QRegularExpressionMatch firstCounts = counts.match(first.out);
        QVERIFY2(firstCounts.hasMatch(), qPrintable(first.out));
        QVERIFY(firstCounts.captured(1).toInt() > 50);  // the default categories, accounts and rows
        const Run second = run({QStringLiteral("sync")});
        QCOMPARE(second.code, 0);
        const QRegularExpressionMatch secondCounts = counts.match(second.out);
        QVERIFY2(secondCounts.hasMatch(), qPrintable(second.out));
        QCOMPARE(secondCounts.captured(1).toInt(), 0);

        const Run logout = run({QStringLiteral("logout")});
        QCOMPARE(logout.code, 0);
        QCOMPARE(logout.out, QStringLiteral("Signed out.\n"));
        QVERIFY(!QFile::exists(tokens));
        const Run after = run({QStringLiteral("account")});
        QCOMPARE(after.code, 1);
        QCOMPARE(after.out, QStringLiteral("Not signed in.\n"));
        QCOMPARE(run({QStringLiteral("sync")}).code, 1);
    }

    // A sign-in that could not be kept is not reported as done.
    void loginThatCannotBeKeptFails()
    {
        const QString tokens = m_home.filePath(QStringLiteral("data/signin-tokens.json"));
        QVERIFY(QDir().mkpath(tokens));
        const Run failed = login(QStringLiteral("cli@example.org"));
        QVERIFY(QDir(tokens).removeRecursively());
        QCOMPARE(failed.code, 1);
        QVERIFY2(failed.err.contains(QStringLiteral("sign-in failed: the sign-in could not be kept on this computer")),
                 qPrintable(failed.err));
        QVERIFY(!failed.out.contains(QStringLiteral("Signed in")));
        QCOMPARE(run({QStringLiteral("account")}).out, QStringLiteral("Not signed in.\n"));
    }

    // The store synced with cli@example.org above: another user's sign-in
    // does not sync into their account until the flag says so.
    void syncIntoAnotherUsersAccountNeedsTheFlag()
    {
        const QString other = QStringLiteral("other@example.org");
        SignIn::signUp(m_server.client(), other);
        const Run signedIn = login(other);
        QVERIFY2(signedIn.code == 0, qPrintable(signedIn.out + signedIn.err));
        const int serverRecords = m_server.rowCount(QStringLiteral("records"));

        const Run refused = run({QStringLiteral("sync")});
        QCOMPARE(refused.code, 1);
        QCOMPARE(refused.out, QString());
        QVERIFY2(refused.err.contains(QStringLiteral("this data was last synced with cli@example.org, not with "
                                                     "other@example.org")),
                 qPrintable(refused.err));
        QVERIFY(refused.err.contains(QStringLiteral("quillet-cli sync --add-to-account")));
        QCOMPARE(m_server.rowCount(QStringLiteral("records")), serverRecords);
        QCOMPARE(run({QStringLiteral("sync"), QStringLiteral("--add")}).code, 2);

        const Run added = run({QStringLiteral("sync"), QStringLiteral("--add-to-account")});
        QVERIFY2(added.code == 0, qPrintable(added.out + added.err));
        QVERIFY(m_server.rowCount(QStringLiteral("records")) > serverRecords);
        // The store now syncs with the new user, flag or not.
        const Run again = run({QStringLiteral("sync")});
        QVERIFY2(again.code == 0, qPrintable(again.out + again.err));
        QVERIFY2(again.out.startsWith(QStringLiteral("Pushed 0 change(s)")), qPrintable(again.out));
        QCOMPARE(run({QStringLiteral("logout")}).code, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliLogin)
#include "tst_clilogin.moc"
