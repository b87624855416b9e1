// Sign-in, tokens, sign-out, the device grant, the throttle and the account
// API, over real HTTP against the in-process server, on SQLite and PostgreSQL.
#include "signin.h"
#include "storetest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QSqlQuery>
#include <QUrlQuery>

#include "server/backend.h"
#include "server/store.h"

using namespace SignIn;

namespace {

const QString kPassword = QStringLiteral("correct horse");

FormFields with(FormFields fields, const QString &name, const QString &value)
{
    for (auto &f : fields) {
        if (f.first == name) {
            f.second = value;
            return fields;
        }
    }
    if (!value.isNull())
        fields.append({name, value});
    return fields;
}

FormFields without(FormFields fields, const QString &name)
{
    fields.erase(std::remove_if(fields.begin(), fields.end(), [&](const auto &f) { return f.first == name; }),
                 fields.end());
    return fields;
}

FormFields credentials(FormFields fields, const QString &email, const QString &password = kPassword)
{
    return fields + FormFields{{QStringLiteral("email"), email}, {QStringLiteral("password"), password}};
}

QString errorCode(const HttpReply &reply)
{
    return reply.json().value(QStringLiteral("error")).toString();
}

} // namespace

class TstServerAuth : public StoreTest
{
    Q_OBJECT

private:
    HttpClient &client() { return m_server.client(); }
    HttpReply refresh(const QString &token)
    {
        return client().postForm(QStringLiteral("/auth/token/refresh"), {{QStringLiteral("refresh_token"), token}});
    }
    HttpReply me(const QString &access) { return client().get(QStringLiteral("/account/v1/me"), access); }
    HttpReply pollDevice(const QString &deviceCode)
    {
        return client().postForm(QStringLiteral("/auth/token"),
                                 {{QStringLiteral("grant_type"), QStringLiteral("urn:ietf:params:oauth:grant-type:device_code")},
                                  {QStringLiteral("device_code"), deviceCode},
                                  {QStringLiteral("client_id"), kClientId}});
    }
    QJsonObject startDeviceGrant()
    {
        return client().postForm(QStringLiteral("/auth/device"), {{QStringLiteral("client_id"), kClientId}}).json();
    }

private slots:
    void initTestCase() { SKIP_WITHOUT_STORE(); }
    void init() { START_SERVER(); }

    void signUpThenSignInWithPkce()
    {
        const HttpReply page = client().get(loginPath(requestFields(QStringLiteral("xyz"))));
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("name=\"state\" value=\"xyz\""));
        QVERIFY(page.body.contains("<label for=\"signin-email\">"));

        FormFields signUp = requestFields(QStringLiteral("xyz"));
        signUp += {{QStringLiteral("email"), QStringLiteral("  Ada@Example.ORG ")},
                   {QStringLiteral("display_name"), QStringLiteral("Ada")},
                   {QStringLiteral("password"), kPassword}};
        const HttpReply created = client().postForm(QStringLiteral("/larkspire/account/register"), signUp);
        QCOMPARE(created.status, 303);
        const QUrl location(QString::fromUtf8(created.header("location")));
        QCOMPARE(location.toString(QUrl::RemoveQuery), kRedirect);
        QCOMPARE(QUrlQuery(location).queryItemValue(QStringLiteral("state")), QStringLiteral("xyz"));

        const HttpReply tokens = exchange(client(), codeOf(created));
        QCOMPARE(tokens.status, 200);
        const QJsonObject t = tokens.json();
        QCOMPARE(t.value(QStringLiteral("token_type")).toString(), QStringLiteral("Bearer"));
        QCOMPARE(t.value(QStringLiteral("expires_in")).toInt(), 900);
        const QString access = t.value(QStringLiteral("access_token")).toString();
        QVERIFY(access.size() >= 43);
        QVERIFY(t.value(QStringLiteral("refresh_token")).toString().size() >= 43);

        const QJsonObject profile = me(access).json();
        QCOMPARE(profile.value(QStringLiteral("email")).toString(), QStringLiteral("ada@example.org"));
        QCOMPARE(profile.value(QStringLiteral("display_name")).toString(), QStringLiteral("Ada"));
        QVERIFY(!profile.value(QStringLiteral("id")).toString().isEmpty());
        QVERIFY(!profile.value(QStringLiteral("created_at")).toString().isEmpty());

        // The store keeps only the token's SHA-256.
        QSqlQuery q(m_server.server().context().store->db());
        q.prepare(QStringLiteral("SELECT token_hash FROM access_tokens"));
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(),
                 QString::fromLatin1(QCryptographicHash::hash(access.toUtf8(), QCryptographicHash::Sha256).toHex()));

        // Later sign-ins go through the sign-in form, the address in any case.
        const HttpReply again = client().postForm(QStringLiteral("/larkspire/account/login"),
                                                  credentials(requestFields(), QStringLiteral("ADA@example.org")));
        QCOMPARE(exchange(client(), codeOf(again)).status, 200);
    }

    void badSignInRequestsGetAnErrorPage_data()
    {
        QTest::addColumn<FormFields>("fields");
        const FormFields good = requestFields();
        QTest::newRow("foreign host") << with(good, QStringLiteral("redirect_uri"), QStringLiteral("http://attacker.example/callback"));
        QTest::newRow("https") << with(good, QStringLiteral("redirect_uri"), QStringLiteral("https://127.0.0.1:53682/callback"));
        QTest::newRow("other path") << with(good, QStringLiteral("redirect_uri"), QStringLiteral("http://127.0.0.1:53682/steal"));
        QTest::newRow("user info") << with(good, QStringLiteral("redirect_uri"), QStringLiteral("http://x@127.0.0.1:53682/callback"));
        QTest::newRow("missing state") << without(good, QStringLiteral("state"));
        QTest::newRow("unknown client") << with(good, QStringLiteral("client_id"), QStringLiteral("0123456789abcdef0123456789abcdef"));
        QTest::newRow("missing challenge") << without(good, QStringLiteral("code_challenge"));
        QTest::newRow("plain method") << with(good, QStringLiteral("code_challenge_method"), QStringLiteral("plain"));
    }

    void badSignInRequestsGetAnErrorPage()
    {
        QFETCH(FormFields, fields);
        signUp(client(), QStringLiteral("bob@example.org"));
        const HttpReply page = client().get(loginPath(fields));
        QCOMPARE(page.status, 400);
        QVERIFY(page.header("location").isEmpty());
        // Even the right password gets no code sent anywhere.
        const HttpReply post = client().postForm(QStringLiteral("/larkspire/account/login"),
                                                 credentials(fields, QStringLiteral("bob@example.org")));
        QCOMPARE(post.status, 400);
        QVERIFY(post.header("location").isEmpty());
    }

    void codeExchangeRefusals_data()
    {
        QTest::addColumn<QString>("verifier");
        QTest::addColumn<QString>("redirect");
        QTest::addColumn<int>("waitSecs");
        QTest::addColumn<QString>("error");
        QTest::newRow("wrong verifier") << QStringLiteral("x").repeated(43) << kRedirect << 0 << "invalid_grant";
        QTest::newRow("short verifier") << QStringLiteral("abc") << kRedirect << 0 << "invalid_grant";
        QTest::newRow("other redirect") << kVerifier << QStringLiteral("http://127.0.0.1:9999/callback") << 0 << "invalid_grant";
        QTest::newRow("expired") << kVerifier << kRedirect << 61 << "invalid_grant";
        QTest::newRow("missing verifier") << QString() << kRedirect << 0 << "invalid_request";
    }

    void codeExchangeRefusals()
    {
        QFETCH(QString, verifier);
        QFETCH(QString, redirect);
        QFETCH(int, waitSecs);
        QFETCH(QString, error);
        signUp(client(), QStringLiteral("bob@example.org"));
        const QString code = codeOf(client().postForm(QStringLiteral("/larkspire/account/login"),
                                                      credentials(requestFields(), QStringLiteral("bob@example.org"))));
        QVERIFY(!code.isEmpty());
        m_server.advanceClock(waitSecs);
        const HttpReply refused = exchange(client(), code, verifier, redirect);
        QCOMPARE(refused.status, 400);
        QCOMPARE(errorCode(refused), error);
        QVERIFY(!refused.json().value(QStringLiteral("error_description")).toString().isEmpty());
        if (error == QLatin1String("invalid_grant")) // a failed attempt spends the code
            QCOMPARE(exchange(client(), code).status, 400);
    }

    void reusedCodeEndsTheSessionItStarted()
    {
        signUp(client(), QStringLiteral("bob@example.org"));
        const QString code = codeOf(client().postForm(QStringLiteral("/larkspire/account/login"),
                                                      credentials(requestFields(), QStringLiteral("bob@example.org"))));
        const QString access = exchange(client(), code).json().value(QStringLiteral("access_token")).toString();
        QCOMPARE(me(access).status, 200);
        const HttpReply replay = exchange(client(), code);
        QCOMPARE(replay.status, 400);
        QCOMPARE(errorCode(replay), QStringLiteral("invalid_grant"));
        QCOMPARE(me(access).status, 401);
    }

    void refreshRotatesAndReuseEndsTheSession()
    {
        const Tokens first = signUp(client(), QStringLiteral("eve@example.org"));
        const HttpReply rotated = refresh(first.refresh);
        QCOMPARE(rotated.status, 200);
        const QString access = rotated.json().value(QStringLiteral("access_token")).toString();
        const QString next = rotated.json().value(QStringLiteral("refresh_token")).toString();
        QVERIFY(next != first.refresh);
        QCOMPARE(me(access).status, 200);

        // The old refresh token again: someone copied it. The session ends.
        const HttpReply reuse = refresh(first.refresh);
        QCOMPARE(reuse.status, 400);
        QCOMPARE(errorCode(reuse), QStringLiteral("invalid_grant"));
        QCOMPARE(me(access).status, 401);
        QCOMPARE(refresh(next).status, 400);

        // Other sessions of the same user are untouched.
        const Tokens other = signUp(client(), QStringLiteral("eve@example.org"));
        QCOMPARE(me(other.access).status, 200);
        // The grant_type spelling of /auth/token works too.
        const HttpReply viaToken = client().postForm(QStringLiteral("/auth/token"),
                                                     {{QStringLiteral("grant_type"), QStringLiteral("refresh_token")},
                                                      {QStringLiteral("refresh_token"), other.refresh}});
        QCOMPARE(viaToken.status, 200);
    }

    void signOutEndsTheSession()
    {
        const Tokens t = signUp(client(), QStringLiteral("sam@example.org"));
        const HttpReply out = client().postJson(QStringLiteral("/auth/logout"),
                                                {{QStringLiteral("refresh_token"), t.refresh}});
        QCOMPARE(out.status, 200);
        QCOMPARE(me(t.access).status, 401);
        QCOMPARE(refresh(t.refresh).status, 400);
        // Signing out twice, or with only the access token, is not an error.
        QCOMPARE(client().send("POST", QStringLiteral("/auth/logout"), {}, {}, t.access).status, 200);
        QCOMPARE(client().send("POST", QStringLiteral("/auth/logout")).status, 400);
    }

    void apiNeedsAValidToken_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("token");
        const std::pair<QByteArray, QString> endpoints[] = {
            {"GET", QStringLiteral("/account/v1/me")},           {"GET", QStringLiteral("/account/v1/devices")},
            {"POST", QStringLiteral("/account/v1/devices/register")}, {"DELETE", QStringLiteral("/account/v1/devices/d1")},
            {"POST", QStringLiteral("/quillet/v1/sync/push")},   {"GET", QStringLiteral("/quillet/v1/sync/pull")}};
        for (const auto &e : endpoints) {
            for (const char *token : {"none", "garbage", "expired"})
                QTest::addRow("%s %s %s", e.first.constData(), qPrintable(e.second), token)
                    << e.first << e.second << QString::fromLatin1(token);
        }
    }

    void apiNeedsAValidToken()
    {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QString, token);
        QString bearer;
        if (token == QLatin1String("garbage"))
            bearer = QStringLiteral("not-a-token");
        if (token == QLatin1String("expired")) {
            bearer = signUp(client(), QStringLiteral("old@example.org")).access;
            m_server.advanceClock(15 * 60 + 1);
        }
        const HttpReply reply = client().send(method, path, "{\"changes\":[]}", "application/json", bearer);
        QCOMPARE(reply.status, 401);
        QCOMPARE(errorCode(reply), QStringLiteral("unauthorized"));
        QVERIFY(reply.header("www-authenticate").startsWith("Bearer"));
    }

    void failedSignInsAreThrottled()
    {
        signUp(client(), QStringLiteral("ann@example.org"));
        signUp(client(), QStringLiteral("ben@example.org"));
        const QString path = QStringLiteral("/larkspire/account/login");
        for (int i = 0; i < 5; ++i)
            QCOMPARE(client().postForm(path, credentials(requestFields(), QStringLiteral("ann@example.org"), QStringLiteral("wrong password"))).status, 401);
        // Now even the right password waits, for this account and this address.
        const HttpReply locked = client().postForm(path, credentials(requestFields(), QStringLiteral("ann@example.org")));
        QCOMPARE(locked.status, 429);
        const int retryAfter = locked.header("retry-after").toInt();
        QVERIFY2(retryAfter > 0 && retryAfter <= 300, locked.header("retry-after").constData());
        QCOMPARE(client().postForm(path, credentials(requestFields(), QStringLiteral("ben@example.org"))).status, 429);
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"),
                                   credentials({{QStringLiteral("user_code"), QStringLiteral("BCDF-GHJK")}},
                                               QStringLiteral("ben@example.org")))
                     .status,
                 429);
        m_server.advanceClock(retryAfter);
        QCOMPARE(client().postForm(path, credentials(requestFields(), QStringLiteral("ann@example.org"))).status, 303);
    }

    void failuresKeepNoTextOfAnAddressNoAccountCanHave_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("keys");
        QTest::newRow("an address nobody has") << QStringLiteral("nobody@example.org") << 2;
        QTest::newRow("no address at all") << QStringLiteral("not an address") << 1;
        QTest::newRow("megabytes of it") << QString(4 * 1024 * 1024, QLatin1Char('a')) + QStringLiteral("@example.org") << 1;
    }

    void failuresKeepNoTextOfAnAddressNoAccountCanHave()
    {
        QFETCH(QString, email);
        QFETCH(int, keys);
        const QuilletServer::Throttle &throttle = m_server.server().backend().throttle;
        const qsizetype before = throttle.keyCount();
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"),
                                   credentials({{QStringLiteral("user_code"), QStringLiteral("BCDF-GHJK")}}, email,
                                               QStringLiteral("wrong password")))
                     .status,
                 401);
        QCOMPARE(throttle.keyCount() - before, keys);
    }

    void deviceGrantFollowsRfc8628()
    {
        signUp(client(), QStringLiteral("cli@example.org"));
        const QJsonObject grant = startDeviceGrant();
        const QString deviceCode = grant.value(QStringLiteral("device_code")).toString();
        const QString userCode = grant.value(QStringLiteral("user_code")).toString();
        QVERIFY(deviceCode.size() >= 43);
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Z]{4}-[A-Z]{4}$")).match(userCode).hasMatch());
        QCOMPARE(grant.value(QStringLiteral("interval")).toInt(), 5);
        QCOMPARE(grant.value(QStringLiteral("expires_in")).toInt(), 600);
        QVERIFY(grant.value(QStringLiteral("verification_uri")).toString().endsWith(QLatin1String("/larkspire/device")));

        QCOMPARE(errorCode(pollDevice(deviceCode)), QStringLiteral("authorization_pending"));
        QCOMPARE(errorCode(pollDevice(deviceCode)), QStringLiteral("slow_down"));

        const HttpReply page = client().get(QStringLiteral("/larkspire/device?user_code=") + userCode.toLower());
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains(userCode.toUtf8()));
        const FormFields approve = {{QStringLiteral("user_code"), userCode.toLower().remove(QLatin1Char('-'))},
                                    {QStringLiteral("action"), QStringLiteral("approve")}};
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"),
                                   credentials(approve, QStringLiteral("cli@example.org"), QStringLiteral("bad password")))
                     .status,
                 401);
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"), credentials(approve, QStringLiteral("cli@example.org"))).status,
                 200);

        m_server.advanceClock(10); // the interval grew to 10 s after slow_down
        const HttpReply tokens = pollDevice(deviceCode);
        QCOMPARE(tokens.status, 200);
        QCOMPARE(me(tokens.json().value(QStringLiteral("access_token")).toString()).status, 200);
        m_server.advanceClock(10);
        QCOMPARE(errorCode(pollDevice(deviceCode)), QStringLiteral("invalid_grant"));
    }

    void deviceGrantDeniedOrExpired()
    {
        signUp(client(), QStringLiteral("cli@example.org"));
        const QJsonObject denied = startDeviceGrant();
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"),
                                   credentials({{QStringLiteral("user_code"), denied.value(QStringLiteral("user_code")).toString()},
                                                {QStringLiteral("action"), QStringLiteral("deny")}},
                                               QStringLiteral("cli@example.org")))
                     .status,
                 200);
        QCOMPARE(errorCode(pollDevice(denied.value(QStringLiteral("device_code")).toString())), QStringLiteral("access_denied"));

        const QJsonObject late = startDeviceGrant();
        m_server.advanceClock(601);
        QCOMPARE(errorCode(pollDevice(late.value(QStringLiteral("device_code")).toString())), QStringLiteral("expired_token"));
        QCOMPARE(client().postForm(QStringLiteral("/larkspire/device"),
                                   credentials({{QStringLiteral("user_code"), late.value(QStringLiteral("user_code")).toString()}},
                                               QStringLiteral("cli@example.org")))
                     .status,
                 400);
    }

    void devicesAreRegisteredOncePerDeviceId()
    {
        const QString a = signUp(client(), QStringLiteral("a@example.org")).access;
        const QString b = signUp(client(), QStringLiteral("b@example.org")).access;
        auto registerDevice = [&](const QString &token, const QString &id, const QString &name) {
            return client().postJson(QStringLiteral("/account/v1/devices/register"),
                                     {{QStringLiteral("device_id"), id},
                                      {QStringLiteral("name"), name},
                                      {QStringLiteral("platform"), QStringLiteral("windows-x64")},
                                      {QStringLiteral("app_version"), QStringLiteral("1.1.1")}},
                                     token);
        };
        QCOMPARE(registerDevice(a, QStringLiteral("pc-1"), QStringLiteral("Desk")).status, 200);
        const HttpReply renamed = registerDevice(a, QStringLiteral("pc-1"), QStringLiteral("Study"));
        QCOMPARE(renamed.json().value(QStringLiteral("name")).toString(), QStringLiteral("Study"));
        QCOMPARE(registerDevice(a, QStringLiteral("pc-2"), QStringLiteral("Laptop")).status, 200);
        QCOMPARE(registerDevice(b, QStringLiteral("pc-1"), QStringLiteral("B's")).status, 200);
        QCOMPARE(registerDevice(a, QString(), QStringLiteral("x")).status, 400);

        const QJsonArray listed = client().get(QStringLiteral("/account/v1/devices"), a).json().value(QStringLiteral("devices")).toArray();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Study"));
        QCOMPARE(client().send("DELETE", QStringLiteral("/account/v1/devices/pc-1"), {}, {}, a).status, 200);
        QCOMPARE(client().send("DELETE", QStringLiteral("/account/v1/devices/pc-1"), {}, {}, a).status, 404);
        // B's device of the same id is B's own.
        QCOMPARE(client().get(QStringLiteral("/account/v1/devices"), b).json().value(QStringLiteral("devices")).toArray().size(), 1);
    }

    void signUpProblemsAreShownOnThePage_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("status");
        QTest::newRow("no at sign") << "ann.example.org" << kPassword << 400;
        QTest::newRow("short password") << "new@example.org" << "short" << 400;
        QTest::newRow("taken, other case") << "ANN@example.org" << kPassword << 409;
    }

    void signUpProblemsAreShownOnThePage()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(int, status);
        signUp(client(), QStringLiteral("ann@example.org"));
        FormFields fields = requestFields();
        fields += {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}};
        const HttpReply page = client().postForm(QStringLiteral("/larkspire/account/register"), fields);
        QCOMPARE(page.status, status);
        QVERIFY(page.body.contains("role=\"alert\""));
        QCOMPARE(m_server.rowCount(QStringLiteral("users")), 1);
    }

    void reflectedInputIsEscaped()
    {
        const QString hostile = QStringLiteral("\"><script>alert(1)</script>");
        const HttpReply page = client().get(loginPath(with(requestFields(), QStringLiteral("state"), hostile)));
        QCOMPARE(page.status, 200);
        QVERIFY(!page.body.contains("<script>"));
        QVERIFY(page.body.contains("&quot;&gt;&lt;script&gt;"));
        QVERIFY(page.header("content-security-policy").contains("default-src 'none'"));
    }
};

STORE_TEST_MAIN(TstServerAuth)
#include "tst_serverauth.moc"
