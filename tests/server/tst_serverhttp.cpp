// The server as an operator meets it: the command line, the start-up lines,
// release manifests, and answers to paths and methods it does not serve.
#include "signin.h"
#include "testserver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

class TstServerHttp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_releases;
    TestServer m_server;

    void writeFile(const QString &relative, const QByteArray &content)
    {
        const QString path = m_releases.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void init()
    {
        QuilletServer::ServerConfig config = TestServer::testConfig();
        config.releasesDir = m_releases.path();
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why, config), qPrintable(why));
    }

    void releaseManifests_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        const QJsonObject artifact{{QStringLiteral("url"), QStringLiteral("https://example.org/q.msi")},
                                   {QStringLiteral("size"), 123},
                                   {QStringLiteral("sha256"), QStringLiteral("00")}};
        const QByteArray manifest = QJsonDocument(QJsonObject{{QStringLiteral("version"), QStringLiteral("1.2.0")},
                                                               {QStringLiteral("date"), QStringLiteral("2025-02-01")},
                                                               {QStringLiteral("notes"), QStringLiteral("Faster sync.")},
                                                               {QStringLiteral("artifacts"),
                                                                QJsonObject{{QStringLiteral("windows-x64"), artifact}}}})
                                        .toJson();
        const QString latest = QStringLiteral("/downloads/quillet/stable/latest.json");
        QTest::newRow("served") << "quillet/stable/latest.json" << manifest << latest << 200;
        QTest::newRow("none yet") << QString() << QByteArray() << latest << 404;
        QTest::newRow("other channel") << "quillet/beta/latest.json" << manifest << latest << 404;
        QTest::newRow("broken manifest") << "quillet/stable/latest.json" << QByteArray("{\"version\":") << latest << 500;
        QTest::newRow("dot dot") << "secret.txt" << QByteArray("x") << "/downloads/quillet/%2E%2E/secret.txt" << 404;
        QTest::newRow("hidden file") << "quillet/stable/.env" << QByteArray("x") << "/downloads/quillet/stable/.env" << 404;
    }

    void releaseManifests()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, path);
        QFETCH(int, status);
        if (!file.isEmpty())
            writeFile(file, content);
        const HttpReply reply = m_server.client().get(path);
        QCOMPARE(reply.status, status);
        if (status == 200) {
            QCOMPARE(reply.body, content);
            QVERIFY(reply.header("content-type").startsWith("application/json"));
        } else {
            QVERIFY(!reply.json().value(QStringLiteral("error")).toString().isEmpty());
        }
        QFile::remove(m_releases.filePath(file));
    }

    void unknownPathsAndMethods()
    {
        const HttpReply missing = m_server.client().get(QStringLiteral("/no/such/thing"));
        QCOMPARE(missing.status, 404);
        QCOMPARE(missing.json().value(QStringLiteral("error")).toString(), QStringLiteral("not_found"));
        const HttpReply wrongMethod = m_server.client().send("DELETE", QStringLiteral("/auth/token"));
        QCOMPARE(wrongMethod.status, 405);
        QCOMPARE(wrongMethod.header("allow"), QByteArray("POST"));
    }

    void throttleSeesClientsBehindATrustedProxy()
    {
        QuilletServer::ServerConfig config = TestServer::testConfig();
        config.trustedProxies = {QHostAddress::LocalHost};
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why, config), qPrintable(why));
        HttpClient &client = m_server.client();
        for (const QString &email : {QStringLiteral("a@example.org"), QStringLiteral("b@example.org")})
            SignIn::signUp(client, email);
        auto signIn = [&](const QByteArray &forwardedFor, const QString &email, const QString &password) {
            client.setHeader("X-Forwarded-For", forwardedFor);
            FormFields fields = SignIn::requestFields();
            fields += {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}};
            return client.postForm(QStringLiteral("/larkspire/account/login"), fields).status;
        };
        for (int i = 0; i < 5; ++i)
            QCOMPARE(signIn("192.0.2.7, 192.0.2.1", QStringLiteral("nobody@example.org"), QStringLiteral("guessing")), 401);
        // The guesser's address is throttled, another client behind the same proxy is not.
        QCOMPARE(signIn("192.0.2.1", QStringLiteral("a@example.org"), QStringLiteral("correct horse")), 429);
        QCOMPARE(signIn("192.0.2.2", QStringLiteral("b@example.org"), QStringLiteral("correct horse")), 303);
    }

    void commandLineAddsUsersAndServes()
    {
        QTemporaryDir data;
        QProcess add;
        add.start(QStringLiteral(QUILLET_SERVER_BIN),
                  {QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("Kim@Example.org"), QStringLiteral("--name"),
                   QStringLiteral("Kim"), QStringLiteral("--data"), data.path()});
        QVERIFY(add.waitForStarted());
        add.write("a long password\n");
        add.closeWriteChannel();
        QVERIFY(add.waitForFinished(30000));
        QCOMPARE(add.exitCode(), 0);
        QVERIFY(add.readAllStandardOutput().contains("added kim@example.org"));

        QTcpServer probe; // a free port for the child
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        QProcess serve;
        serve.start(QStringLiteral(QUILLET_SERVER_BIN),
                    {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("--data"), data.path()});
        QByteArray banner;
        QTRY_VERIFY_WITH_TIMEOUT((banner += serve.readAllStandardOutput()).contains("AUTH_CLIENT_ID="), 20000);
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(port);
        for (const QString &line : {QStringLiteral("AUTH_BASE_URL=") + base, QStringLiteral("ACCOUNT_API_URL=") + base + QStringLiteral("/account/v1"),
                                    QStringLiteral("SYNC_API_URL=") + base + QStringLiteral("/quillet/v1"),
                                    QStringLiteral("ACCOUNT_PORTAL_URL=") + base + QStringLiteral("/"), QStringLiteral("AUTH_REALM_SLUG=larkspire"),
                                    QStringLiteral("AUTH_CLIENT_ID=5e0f3a9d27c84b61a0d9e3f4b8c21a7e")})
            QVERIFY2(banner.contains(line.toUtf8()), banner.constData());

        // The user added on the command line signs in through the page.
        HttpClient client{QUrl(base)};
        FormFields fields = SignIn::requestFields();
        fields += {{QStringLiteral("email"), QStringLiteral("kim@example.org")}, {QStringLiteral("password"), QStringLiteral("a long password")}};
        const HttpReply signedIn = client.postForm(QStringLiteral("/larkspire/account/login"), fields);
        QCOMPARE(signedIn.status, 303);
        QCOMPARE(SignIn::exchange(client, SignIn::codeOf(signedIn)).status, 200);

        serve.terminate(); // SIGTERM: a clean stop
        QVERIFY(serve.waitForFinished(10000));
        QCOMPARE(serve.exitStatus(), QProcess::NormalExit);
        QCOMPARE(serve.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TstServerHttp)
#include "tst_serverhttp.moc"
