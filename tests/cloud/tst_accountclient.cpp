// The online-account client against the real server on a loopback port: the
// browser sign-in (the test plays the browser), the token store, refresh,
// refusal and sign-out.
#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/signinclient.h"
#include "data/clock.h"
#include "signin.h"
#include "testserver.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

using LarkAccount::ApiClient;
using LarkAccount::Client;
using LarkAccount::SignInClient;

class TestAccountClient : public QObject
{
    Q_OBJECT

    TestServer m_server;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<Client> m_client;
    QUrl m_browserUrl;

    QString tokenFile() const { return m_data->filePath(QStringLiteral("signin-tokens.json")); }

    QJsonObject storedTokens() const
    {
        QFile file(tokenFile());
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }

    void newClient()
    {
        m_client = std::make_unique<Client>(LarkAccount::Config::fromEnvironment(), m_data->path());
        m_client->signIn()->setBrowserOpener([this](const QUrl &url) {
            m_browserUrl = url;
            return true;
        });
    }

    // Starts a sign-in and plays the browser through it.
    HttpReply signInThroughBrowser(const QString &email = QStringLiteral("ann@example.org"),
                                   const std::function<QUrl(const QUrl &)> &tamper = {})
    {
        m_browserUrl.clear();
        m_client->signIn()->signIn();
        return SignIn::playBrowser(m_server.client(), m_browserUrl, email, tamper);
    }

    // Signs the stored session out on the service, as another device would.
    int endStoredSessionOnService()
    {
        return m_server.client()
            .postForm(QStringLiteral("/auth/logout"),
                      {{QStringLiteral("refresh_token"),
                        storedTokens().value(QStringLiteral("larkspire_refresh_token")).toString()}})
            .status;
    }

    // The result of one API request, waited for.
    struct Answer {
        int calls = 0;
        bool ok = false;
        int status = -1;
        QJsonObject body;
    };
    static ApiClient::Done recorder(std::shared_ptr<Answer> answer)
    {
        return [answer](bool ok, int status, const QJsonObject &body) {
            ++answer->calls;
            answer->ok = ok;
            answer->status = status;
            answer->body = body;
        };
    }

private Q_SLOTS:
    void init()
    {
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("QUILLET_TOKEN_STORE", "file");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_data->filePath(QStringLiteral("settings")));
        newClient();
    }

    void cleanup()
    {
        m_client.reset();
        Clock::setFixedNow({});
    }

    void signInThroughTheBrowser()
    {
        QSignalSpy succeeded(m_client->signIn(), &SignInClient::loginSucceeded);
        const HttpReply page = signInThroughBrowser();
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("You are signed in"));
        QCOMPARE(succeeded.size(), 1);
        QVERIFY(m_client->isAuthenticated());
        QVERIFY(!m_client->signIn()->isSignInPending());

        // The address carried a PKCE S256 challenge and a loopback redirect.
        const QUrlQuery asked(m_browserUrl);
        QCOMPARE(asked.queryItemValue(QStringLiteral("code_challenge_method")), QStringLiteral("S256"));
        QVERIFY(asked.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded)
                    .startsWith(QLatin1String("http://127.0.0.1:")));

        const QJsonObject stored = storedTokens();
        QCOMPARE(stored.value(QStringLiteral("larkspire_refresh_token")).toString().size(), 43);
        QCOMPARE(QFile::permissions(tokenFile()) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);

        auto me = std::make_shared<Answer>();
        m_client->accountApi()->get(QStringLiteral("/me"), recorder(me));
        QTRY_COMPARE(me->calls, 1);
        QCOMPARE(me->status, 200);
        QCOMPARE(me->body.value(QStringLiteral("email")).toString(), QStringLiteral("ann@example.org"));

        // The listener has stopped: a second visit finds nobody.
        const HttpReply again = m_server.client().get(QUrlQuery(m_browserUrl)
                                                          .queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
        QCOMPARE(again.status, 0);
    }

    void refusedSignIns_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("state mismatch") << QStringLiteral("state");
        QTest::newRow("error answer") << QStringLiteral("error");
        QTest::newRow("time-out") << QStringLiteral("timeout");
        QTest::newRow("cancelled") << QStringLiteral("cancel");
        QTest::newRow("tokens not kept") << QStringLiteral("unkept");
    }
    void refusedSignIns()
    {
        QFETCH(QString, how);
        QSignalSpy failed(m_client->signIn(), &SignInClient::loginFailed);
        QSignalSpy succeeded(m_client->signIn(), &SignInClient::loginSucceeded);
        if (how == QLatin1String("timeout") || how == QLatin1String("cancel")) {
            m_client->signIn()->setSignInTimeout(how == QLatin1String("timeout") ? 100 : 60000);
            m_client->signIn()->signIn();
            QVERIFY(m_client->signIn()->isSignInPending());
            if (how == QLatin1String("cancel"))
                m_client->signIn()->cancelSignIn();
            QTRY_COMPARE(failed.size(), 1);
        } else if (how == QLatin1String("unkept")) {
            // The token file cannot be written: a directory stands in its way.
            QVERIFY(QDir().mkpath(tokenFile()));
            const HttpReply page = signInThroughBrowser();
            QVERIFY(QDir(tokenFile()).removeRecursively());
            QCOMPARE(page.status, 400);
            QCOMPARE(failed.size(), 1);
            QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("the sign-in could not be kept on this computer"));
            QVERIFY(m_client->signIn()->accessToken().isEmpty());
        } else {
            const HttpReply page = signInThroughBrowser(QStringLiteral("ann@example.org"), [how](const QUrl &callback) {
                QUrl changed = callback;
                QUrlQuery query(callback);
                if (how == QLatin1String("state")) {
                    query.removeQueryItem(QStringLiteral("state"));
                    query.addQueryItem(QStringLiteral("state"), QStringLiteral("forged"));
                } else {
                    query = QUrlQuery(QStringLiteral("error=access_denied&error_description=The+user+said+no"));
                }
                changed.setQuery(query);
                return changed;
            });
            QCOMPARE(page.status, 400);
            QVERIFY(page.body.contains("Sign-in did not complete"));
            QCOMPARE(failed.size(), 1);
            if (how == QLatin1String("error"))
                QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("The user said no"));
        }
        QCOMPARE(succeeded.size(), 0);
        QVERIFY(!m_client->isAuthenticated());
        QVERIFY(!m_client->signIn()->isSignInPending());
        QVERIFY(!QFile::exists(tokenFile()));
    }

    void aSecondSignInReplacesTheFirst()
    {
        QSignalSpy failed(m_client->signIn(), &SignInClient::loginFailed);
        m_client->signIn()->signIn();
        const QUrl first = m_browserUrl;
        QSignalSpy succeeded(m_client->signIn(), &SignInClient::loginSucceeded);
        QCOMPARE(signInThroughBrowser().status, 200);
        QCOMPARE(succeeded.size(), 1);
        // The first sign-in's listener is gone.
        QCOMPARE(SignIn::playBrowser(m_server.client(), first, QStringLiteral("ann@example.org")).status, 0);
        QCOMPARE(failed.size(), 0);
    }

    void refreshesBeforeExpiry()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        const QString firstRefresh = storedTokens().value(QStringLiteral("larkspire_refresh_token")).toString();
        const QString firstAccess = m_client->signIn()->accessToken();

        // Nothing to refresh yet.
        auto early = std::make_shared<Answer>();
        m_client->accountApi()->get(QStringLiteral("/me"), recorder(early));
        QTRY_COMPARE(early->calls, 1);
        QCOMPARE(m_client->signIn()->accessToken(), firstAccess);

        // 30 s before the 15 minutes are up, three requests at once share one refresh:
        // a second refresh with the spent token would end the session.
        Clock::setFixedNow(QDateTime::currentDateTimeUtc().addSecs(15 * 60 - 30));
        QVERIFY(m_client->signIn()->accessTokenExpiring());
        QList<std::shared_ptr<Answer>> answers;
        for (int i = 0; i < 3; ++i) {
            answers.append(std::make_shared<Answer>());
            m_client->accountApi()->get(QStringLiteral("/me"), recorder(answers.last()));
        }
        for (const auto &answer : std::as_const(answers)) {
            QTRY_COMPARE(answer->calls, 1);
            QCOMPARE(answer->status, 200);
        }
        QVERIFY(m_client->signIn()->accessToken() != firstAccess);
        const QString secondRefresh = storedTokens().value(QStringLiteral("larkspire_refresh_token")).toString();
        QVERIFY(!secondRefresh.isEmpty() && secondRefresh != firstRefresh);
        QVERIFY(m_client->isAuthenticated());
    }

    // The app and quillet-cli keep one stored sign-in. Each refreshes with
    // the newest refresh token kept, not the spent one it loaded at start: a
    // token used twice ends the session on the service for both. Taking the
    // other's tokens starts a session of its own (they might be another
    // user's), so the requests waiting for that refresh are refused once.
    void programsSharingTheStoredSignInKeepIt()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        Client other(LarkAccount::Config::fromEnvironment(), m_data->path());
        other.start();
        QVERIFY(other.isAuthenticated());
        auto ask = [](Client *client) {
            auto me = std::make_shared<Answer>();
            client->accountApi()->get(QStringLiteral("/me"), recorder(me));
            return QTest::qWaitFor([me] { return me->calls == 1; }, 10000) ? me->status : -1;
        };
        const QDateTime start = QDateTime::currentDateTimeUtc();
        Clock::setFixedNow(start.addSecs(15 * 60 - 30));
        QCOMPARE(ask(m_client.get()), 200);
        QCOMPARE(ask(&other), 401);
        QVERIFY(other.isAuthenticated());
        QCOMPARE(ask(&other), 200);
        Clock::setFixedNow(start.addSecs(2 * 15 * 60));
        QCOMPARE(ask(m_client.get()), 401);
        QCOMPARE(ask(m_client.get()), 200);
        QCOMPARE(ask(&other), 401);
        QCOMPARE(ask(&other), 200);
        QVERIFY(m_client->isAuthenticated() && other.isAuthenticated());
    }

    void refusedTokensAskForSignIn()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        // The session ends on the service (signed out elsewhere).
        QCOMPARE(endStoredSessionOnService(), 200);
        QSignalSpy required(m_client->api(), &ApiClient::authenticationRequired);
        QSignalSpy ended(m_client->signIn(), &SignInClient::logoutCompleted);
        auto pull = std::make_shared<Answer>();
        m_client->api()->get(QStringLiteral("/sync/pull"), recorder(pull));
        QTRY_COMPARE(pull->calls, 1);
        QCOMPARE(pull->ok, false);
        QCOMPARE(pull->status, 401);
        QCOMPARE(required.size(), 1);
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_client->isAuthenticated());
        QVERIFY(!QFile::exists(tokenFile()));
        QTest::qWait(50);
        QCOMPARE(pull->calls, 1);
    }

    // A request refused under one user's session is not sent again with the
    // token of whoever signed in since.
    void aRefusedRequestIsNotRetriedForTheNextUser()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        const Tokens bea = SignIn::signUp(m_server.client(), QStringLiteral("bea@example.org"));
        QCOMPARE(endStoredSessionOnService(), 200);
        auto me = std::make_shared<Answer>();
        m_client->accountApi()->get(QStringLiteral("/me"), recorder(me));
        bool accepted = false;
        m_client->signIn()->acceptTokens({{QStringLiteral("access_token"), bea.access},
                                          {QStringLiteral("refresh_token"), bea.refresh},
                                          {QStringLiteral("expires_in"), 900}},
                                         [&accepted](bool ok, const QString &) { accepted = ok; });
        QVERIFY(accepted);
        QTRY_COMPARE(me->calls, 1);
        QCOMPARE(me->ok, false);
        QCOMPARE(me->status, 401);
        QVERIFY(!me->body.contains(QStringLiteral("email")));
        QTest::qWait(50);
        QCOMPARE(me->calls, 1);
        QVERIFY(m_client->isAuthenticated());
        QCOMPARE(m_client->signIn()->accessToken(), bea.access);
    }

    void signOutClearsTheTokens()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        const QString access = m_client->signIn()->accessToken();
        QSignalSpy ended(m_client->signIn(), &SignInClient::logoutCompleted);
        bool answered = false;
        m_client->signIn()->signOut([&answered] { answered = true; });
        QCOMPARE(ended.size(), 1);
        QVERIFY(!m_client->isAuthenticated());
        QVERIFY(!QFile::exists(tokenFile()));
        QTRY_VERIFY(answered);
        // The service ended the session too.
        QCOMPARE(m_server.client().get(QStringLiteral("/account/v1/me"), access).status, 401);

        // A new client over the same folder finds nobody signed in.
        newClient();
        QSignalSpy restored(m_client->signIn(), &SignInClient::sessionRestored);
        m_client->start();
        QCOMPARE(restored.size(), 0);
        QVERIFY(!m_client->isAuthenticated());
    }

    void aServerThatDoesNotFinishTimesOut_data()
    {
        QTest::addColumn<bool>("trickles");
        QTest::newRow("silent") << false;
        // A 200 whose body never completes is no success.
        QTest::newRow("trickling") << true;
    }
    void aServerThatDoesNotFinishTimesOut()
    {
        QFETCH(bool, trickles);
        QCOMPARE(signInThroughBrowser().status, 200);
        QTcpServer slow;
        QVERIFY(slow.listen(QHostAddress::LocalHost, 0));
        QTimer drip;
        connect(&slow, &QTcpServer::newConnection, this, [&] {
            QTcpSocket *socket = slow.nextPendingConnection();
            if (!trickles)
                return;
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 1000\r\n\r\n{");
            connect(&drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip.start(50);
        });
        m_client->api()->setBaseUrl(QStringLiteral("http://127.0.0.1:%1").arg(slow.serverPort()));
        m_client->api()->setTimeout(300);
        auto answer = std::make_shared<Answer>();
        m_client->api()->post(QStringLiteral("/sync/push"), {}, recorder(answer));
        QTRY_COMPARE_WITH_TIMEOUT(answer->calls, 1, 2000);
        QCOMPARE(answer->ok, false);
        QCOMPARE(answer->status, 0);
        QTest::qWait(400);
        QCOMPARE(answer->calls, 1);
        QVERIFY(m_client->isAuthenticated());
    }

    void requestsCarryTheAppHeaders()
    {
        QCOMPARE(signInThroughBrowser().status, 200);
        QTcpServer echo;
        QVERIFY(echo.listen(QHostAddress::LocalHost, 0));
        QByteArray head;
        connect(&echo, &QTcpServer::newConnection, this, [&] {
            QTcpSocket *socket = echo.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&head, socket] {
                head += socket->readAll();
                if (head.contains("\r\n\r\n"))
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 2\r\n\r\n{}");
            });
        });
        m_client->api()->setBaseUrl(QStringLiteral("http://127.0.0.1:%1/quillet/v1").arg(echo.serverPort()));
        auto answer = std::make_shared<Answer>();
        m_client->api()->patch(QStringLiteral("/things/1"), {{QStringLiteral("a"), 1}}, recorder(answer));
        QTRY_COMPARE(answer->calls, 1);
        QCOMPARE(answer->status, 200);
        const QByteArray lower = head.toLower();
        QVERIFY(head.startsWith("PATCH /quillet/v1/things/1 HTTP/1.1\r\n"));
        for (const char *header : {"accept: application/json", "content-type: application/json",
                                   "x-app-id: app.larkspire.quillet", "x-app-version: 1.1.1", "x-platform: linux"})
            QVERIFY2(lower.contains(header), header);
        QVERIFY(head.contains("Authorization: Bearer " + m_client->signIn()->accessToken().toLatin1()));
    }
};

QTEST_GUILESS_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
