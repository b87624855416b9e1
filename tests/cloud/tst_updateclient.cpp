// The update checker against the real server's releases folder on a loopback
// port: what each manifest leads to, and how versions are ordered.
#include "cloud/updateclient.h"
#include "testserver.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using LarkUpdate::Release;
using LarkUpdate::Version;

namespace {

const QString kSha = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");

QJsonObject artifact(const QString &url, const QJsonValue &size = 48213504, const QJsonValue &sha = kSha)
{
    return {{QStringLiteral("url"), url}, {QStringLiteral("size"), size}, {QStringLiteral("sha256"), sha}};
}

QByteArray manifest(const QString &version, const QJsonObject &artifacts, const QJsonObject &extra = {})
{
    QJsonObject m = extra;
    m.insert(QStringLiteral("version"), version);
    m.insert(QStringLiteral("date"), QStringLiteral("2026-11-30"));
    m.insert(QStringLiteral("artifacts"), artifacts);
    return QJsonDocument(m).toJson();
}

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_releases;
    TestServer m_server;

    void writeRelease(const QString &name, const QByteArray &content)
    {
        const QString dir = m_releases.filePath(QStringLiteral("quillet/stable"));
        QDir().mkpath(dir);
        QFile file(dir + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    LarkUpdate::Config config(const QString &running) const
    {
        LarkUpdate::Config c;
        c.product = QStringLiteral("quillet");
        c.channel = QStringLiteral("stable");
        c.manifestBaseUrl = QUrl(m_server.baseUrl().toString() + QStringLiteral("/downloads/quillet/stable/"));
        c.currentVersion = running;
        return c;
    }

    QString serverUrl(const QString &name) const
    {
        return m_server.baseUrl().toString() + QStringLiteral("/downloads/quillet/stable/") + name;
    }

private Q_SLOTS:
    void init()
    {
        QuilletServer::ServerConfig serverConfig = TestServer::testConfig();
        serverConfig.releasesDir = m_releases.path();
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why, serverConfig), qPrintable(why));
        QDir(m_releases.filePath(QStringLiteral("quillet"))).removeRecursively();
    }

    void versionOrdering_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");  // -1: a older, 0: the same, 1: a newer
        QTest::newRow("patch") << "1.1.2" << "1.1.1" << 1;
        QTest::newRow("numeric, not text") << "1.10.0" << "1.9.9" << 1;
        QTest::newRow("major outweighs the rest") << "2.0.0" << "1.99.99" << 1;
        QTest::newRow("equal") << "1.1.1" << "1.1.1" << 0;
        QTest::newRow("leading zeros") << "01.02.003" << "1.2.3" << 0;
        QTest::newRow("surrounding blanks") << " 1.2.3\n" << "1.2.3" << 0;
        QTest::newRow("empty is 0.0.0") << "" << "0.0.0" << 0;
        QTest::newRow("text is 0.0.0") << "latest" << "0.0.1" << -1;
        QTest::newRow("two fields unparsable") << "1.2" << "0.0.0" << 0;
        QTest::newRow("four fields unparsable") << "1.2.3.4" << "0.0.0" << 0;
        QTest::newRow("suffix unparsable") << "1.2.0-beta" << "0.0.0" << 0;
        QTest::newRow("negative unparsable") << "1.-2.0" << "0.0.0" << 0;
        QTest::newRow("overflowing field unparsable") << "1.0.99999999999" << "0.0.0" << 0;
        QTest::newRow("widest field") << "1.0.999999999" << "1.0.999999998" << 1;
    }

    void versionOrdering()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const Version va = Version::parse(a);
        const Version vb = Version::parse(b);
        QCOMPARE(va > vb, order > 0);
        QCOMPARE(va < vb, order < 0);
        QCOMPARE(va == vb, order == 0);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("latest");  // empty: no manifest on the server
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("outcome");    // "offer", "current" or "failed"
        QTest::addColumn<QString>("notes");      // expected notes of an offer

        const QString here = LarkUpdate::platformKey();
        const QString other = here == QLatin1String("windows-x64") ? QStringLiteral("linux-x64")
                                                                    : QStringLiteral("windows-x64");
        const QJsonObject both{{here, artifact(QStringLiteral("https://example.org/Quillet-1.2.0-here.bin"))},
                               {other, artifact(QStringLiteral("https://example.org/Quillet-1.2.0-other.bin"))}};
        const QJsonObject notes{{QStringLiteral("notes"), QStringLiteral("## Faster sync\n\n- Pulls in pages")}};

        QTest::newRow("no manifest: 404") << QByteArray() << "1.1.1" << "current" << QString();
        QTest::newRow("newer") << manifest(QStringLiteral("1.2.0"), both, notes) << "1.1.1" << "offer"
                               << "## Faster sync\n\n- Pulls in pages";
        QTest::newRow("the running one") << manifest(QStringLiteral("1.1.1"), both) << "1.1.1" << "current" << QString();
        QTest::newRow("older: no downgrade") << manifest(QStringLiteral("1.0.9"), both) << "1.1.1" << "current"
                                             << QString();
        QTest::newRow("no build for here") << manifest(QStringLiteral("1.2.0"), {{other, both.value(other)}}) << "1.1.1"
                                           << "current" << QString();
        QTest::newRow("not JSON") << QByteArray("{\"version\": \"1.2.0\",") << "1.1.1" << "failed" << QString();
        QTest::newRow("JSON array") << QByteArray("[{\"version\": \"1.2.0\"}]") << "1.1.1" << "failed" << QString();
        QTest::newRow("version not dotted") << manifest(QStringLiteral("next"), both) << "1.1.1" << "failed"
                                            << QString();
        QTest::newRow("no artifacts") << QByteArray("{\"version\": \"1.2.0\"}") << "1.1.1" << "failed" << QString();
        QTest::newRow("plain http elsewhere")
            << manifest(QStringLiteral("1.2.0"), {{here, artifact(QStringLiteral("http://example.org/q.bin"))}}) << "1.1.1"
            << "failed" << QString();
        QTest::newRow("no url") << manifest(QStringLiteral("1.2.0"), {{here, artifact(QString())}}) << "1.1.1" << "failed"
                                << QString();
        QTest::newRow("file url")
            << manifest(QStringLiteral("1.2.0"), {{here, artifact(QStringLiteral("file:///tmp/q.bin"))}}) << "1.1.1"
            << "failed" << QString();
        QTest::newRow("short sha256")
            << manifest(QStringLiteral("1.2.0"),
                        {{here, artifact(QStringLiteral("https://example.org/q.bin"), 10, QStringLiteral("abc123"))}})
            << "1.1.1" << "failed" << QString();
        QTest::newRow("size as text")
            << manifest(QStringLiteral("1.2.0"), {{here, artifact(QStringLiteral("https://example.org/q.bin"), "10")}})
            << "1.1.1" << "failed" << QString();
        QTest::newRow("size zero")
            << manifest(QStringLiteral("1.2.0"), {{here, artifact(QStringLiteral("https://example.org/q.bin"), 0)}})
            << "1.1.1" << "failed" << QString();
        QTest::newRow("broken artifact for another platform is not ours")
            << manifest(QStringLiteral("1.2.0"),
                        {{here, both.value(here)}, {other, artifact(QStringLiteral("ftp://example.org/q"))}}, notes)
            << "1.1.1" << "offer" << "## Faster sync\n\n- Pulls in pages";
        QTest::newRow("unparsable running version takes anything newer")
            << manifest(QStringLiteral("0.0.1"), both) << "dev" << "offer" << QString();
    }

    void check()
    {
        QFETCH(QByteArray, latest);
        QFETCH(QString, running);
        QFETCH(QString, outcome);
        QFETCH(QString, notes);
        if (!latest.isEmpty())
            writeRelease(QStringLiteral("latest.json"), latest);

        LarkUpdate::Client client(config(running));
        QSignalSpy offered(&client, &LarkUpdate::Client::updateAvailable);
        QSignalSpy current(&client, &LarkUpdate::Client::upToDate);
        QSignalSpy failed(&client, &LarkUpdate::Client::checkFailed);
        QVERIFY(client.check());
        QTRY_COMPARE(offered.size() + current.size() + failed.size(), 1);
        QTest::qWait(50);  // and nothing after it
        QCOMPARE(offered.size() + current.size() + failed.size(), 1);
        QCOMPARE(offered.size(), outcome == QLatin1String("offer") ? 1 : 0);
        QCOMPARE(current.size(), outcome == QLatin1String("current") ? 1 : 0);
        if (!failed.isEmpty())
            QVERIFY(!failed.first().first().toString().isEmpty());
        if (offered.isEmpty())
            return;
        const Release release = offered.first().first().value<Release>();
        QCOMPARE(release.platform, LarkUpdate::platformKey());
        QVERIFY(release.url.toString().endsWith(QLatin1String("-here.bin")));
        QCOMPARE(release.size, 48213504);
        QCOMPARE(release.sha256, kSha);
        QCOMPARE(release.date, QStringLiteral("2026-11-30"));
        QCOMPARE(release.notes, notes);
    }

    // Notes kept beside the manifest are fetched when the manifest only points at them.
    void notesFromTheirUrl_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pointedAt");
        QTest::addColumn<QString>("notes");
        QTest::newRow("markdown beside the manifest") << "1.2.0.md" << "1.2.0.md" << "# 1.2.0\n\n- Caf\u00e9 payees\n";
        QTest::newRow("a web page is linked, not shown") << "1.2.0.html" << "1.2.0.html" << QString();
        QTest::newRow("missing notes still offer") << QString() << "gone.md" << QString();
    }

    void notesFromTheirUrl()
    {
        QFETCH(QString, file);
        QFETCH(QString, pointedAt);
        QFETCH(QString, notes);
        if (!file.isEmpty())
            writeRelease(file, file.endsWith(QLatin1String(".md")) ? notes.toUtf8() : QByteArray("<html>notes</html>"));
        const QString url = serverUrl(pointedAt);
        writeRelease(QStringLiteral("latest.json"),
                     manifest(QStringLiteral("1.2.0"),
                              {{LarkUpdate::platformKey(), artifact(QStringLiteral("https://example.org/q-here.bin"))}},
                              {{QStringLiteral("notes_url"), url}}));
        LarkUpdate::Client client(config(QStringLiteral("1.1.1")));
        QSignalSpy offered(&client, &LarkUpdate::Client::updateAvailable);
        client.check();
        QTRY_COMPARE(offered.size(), 1);
        const Release release = offered.first().first().value<Release>();
        QCOMPARE(release.notes, notes);
        QCOMPARE(release.notesUrl, QUrl(url));
    }

    void noServerFailsTheCheck()
    {
        QTcpServer probe;  // a port nobody listens on once closed
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        LarkUpdate::Config c = config(QStringLiteral("1.1.1"));
        c.manifestBaseUrl = QUrl(QStringLiteral("http://127.0.0.1:%1/downloads/quillet/stable").arg(port));
        LarkUpdate::Client client(c);
        QCOMPARE(client.manifestUrl().path(), QStringLiteral("/downloads/quillet/stable/latest.json"));
        QSignalSpy failed(&client, &LarkUpdate::Client::checkFailed);
        QVERIFY(client.check());
        QVERIFY(!client.check());  // one at a time
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(client.check());  // and again once it ended
        QTRY_COMPARE(failed.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
