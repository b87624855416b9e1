// The account pages over real HTTP, a browser played by a client that keeps
// cookies: sign-in, the form token on every post, the password change that
// ends other sessions, and the family group's pages. SQLite and PostgreSQL.
#include "signin.h"
#include "storetest.h"

#include "server/backend.h"

#include <QNetworkCookie>
#include <QRegularExpression>
#include <QSqlQuery>

#include <memory>

using namespace QuilletServer;

namespace {

const QString kPassword = QStringLiteral("correct horse");

QString formTokenOf(const HttpReply &page)
{
    static const QRegularExpression pattern(QStringLiteral("name=\"csrf\" value=\"([^\"]+)\""));
    return pattern.match(QString::fromUtf8(page.body)).captured(1);
}

QString hiddenValue(const HttpReply &page, const QString &name)
{
    const QRegularExpression pattern(QStringLiteral("name=\"%1\" value=\"([^\"]*)\"").arg(name));
    return pattern.match(QString::fromUtf8(page.body)).captured(1);
}

QString location(const HttpReply &reply)
{
    return QString::fromUtf8(reply.header("location"));
}

} // namespace

class TstServerPortal : public StoreTest
{
    Q_OBJECT

private:
    // A browser of its own: its client keeps the cookies it is given.
    std::unique_ptr<HttpClient> browser() { return std::make_unique<HttpClient>(m_server.baseUrl()); }

    // Signs a browser in through the start page's form; the reply of the post.
    HttpReply signIn(HttpClient &b, const QString &email, const QString &password = kPassword)
    {
        const HttpReply start = b.get(QStringLiteral("/"));
        return b.postForm(QStringLiteral("/account/signin"), {{QStringLiteral("browser"), hiddenValue(start, QStringLiteral("browser"))},
                                                              {QStringLiteral("email"), email},
                                                              {QStringLiteral("password"), password}});
    }

    std::unique_ptr<HttpClient> signedIn(const QString &email)
    {
        auto b = browser();
        const HttpReply reply = signIn(*b, email);
        if (reply.status != 303)
            qWarning("signing in %s: HTTP %d", qPrintable(email), reply.status);
        return b;
    }

    QString formToken(HttpClient &b) { return formTokenOf(b.get(QStringLiteral("/account/profile"))); }

    HttpReply submit(HttpClient &b, const QString &path, FormFields fields)
    {
        fields.prepend({QStringLiteral("csrf"), formToken(b)});
        return b.postForm(path, fields);
    }

    Backend &backend() { return m_server.server().backend(); }

    // Everything a form can change, as one text.
    QString fingerprint()
    {
        QStringList parts;
        for (const char *sql : {"SELECT email || display_name || password_hash FROM users ORDER BY email",
                                "SELECT id FROM sessions WHERE revoked_at IS NULL ORDER BY id",
                                "SELECT device_id FROM devices ORDER BY device_id",
                                "SELECT id || name FROM family_groups ORDER BY id",
                                "SELECT group_id || user_id FROM family_members ORDER BY user_id",
                                "SELECT id || status FROM family_invitations ORDER BY id"}) {
            QSqlQuery q(m_server.server().context().store->db());
            if (!q.exec(QString::fromLatin1(sql)))
                return QStringLiteral("query failed");
            while (q.next())
                parts.append(q.value(0).toString());
            parts.append(QStringLiteral("|"));
        }
        return parts.join(QLatin1Char(','));
    }

    HttpReply me(const QString &access) { return client().get(QStringLiteral("/account/v1/me"), access); }
    HttpClient &client() { return m_server.client(); }

private Q_SLOTS:
    void initTestCase() { SKIP_WITHOUT_STORE(); }
    void init() { START_SERVER(); }

    void theStartPageSignsABrowserIn()
    {
        SignIn::signUp(client(), QStringLiteral("ada@example.org"));
        auto b = browser();
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 303);
        const HttpReply start = b->get(QStringLiteral("/"));
        QCOMPARE(start.status, 200);
        QVERIFY(start.body.contains("<label for=\"signin-email\">"));

        QCOMPARE(signIn(*b, QStringLiteral("ada@example.org"), QStringLiteral("wrong password")).status, 401);
        // A sign-in form made elsewhere, without this browser's nonce, signs nobody in.
        const HttpReply forged = b->postForm(QStringLiteral("/account/signin"),
                                             {{QStringLiteral("email"), QStringLiteral("ada@example.org")},
                                              {QStringLiteral("password"), kPassword}});
        QCOMPARE(forged.status, 403);
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 303);

        const HttpReply in = signIn(*b, QStringLiteral("ADA@example.org"));
        QCOMPARE(in.status, 303);
        QCOMPARE(location(in), QStringLiteral("/account/profile"));
        const QByteArray cookie = in.header("set-cookie");
        QVERIFY(cookie.contains("HttpOnly"));
        QVERIFY(cookie.contains("SameSite=Lax"));
        QCOMPARE(location(b->get(QStringLiteral("/"))), QStringLiteral("/account/profile"));
        const HttpReply profile = b->get(QStringLiteral("/account/profile"));
        QCOMPARE(profile.status, 200);
        QVERIFY(profile.body.contains("value=\"ada@example.org\""));
        // The hourly sweep keeps a browser's session, which has no refresh token.
        backend().purgeExpired();
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 200);

        // Signing out ends the session, not just the cookie.
        const QString token = formToken(*b);
        QCOMPARE(b->postForm(QStringLiteral("/account/signout"), {{QStringLiteral("csrf"), token}}).status, 303);
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 303);
        QSqlQuery live(m_server.server().context().store->db());
        QVERIFY(live.exec(QStringLiteral("SELECT COUNT(*) FROM sessions WHERE client_id = 'browser' AND revoked_at IS NULL")));
        QVERIFY(live.next());
        QCOMPARE(live.value(0).toInt(), 0);

        // A browser's sign-in lasts a week.
        QCOMPARE(signIn(*b, QStringLiteral("ada@example.org")).status, 303);
        m_server.advanceClock(Sessions::kBrowserLifetimeSecs + 1);
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 303);
    }

    // The app's sign-in page leaves the browser signed in to the account
    // pages, which is where the app's "manage account" button leads.
    void theAppsSignInAlsoSignsTheBrowserIn()
    {
        auto b = browser();
        const QString login = SignIn::loginPath(SignIn::requestFields());
        const QString nonce = hiddenValue(b->get(login), QStringLiteral("browser"));
        QVERIFY(!nonce.isEmpty());
        FormFields fields = SignIn::requestFields();
        fields += {{QStringLiteral("browser"), nonce}, {QStringLiteral("email"), QStringLiteral("ben@example.org")},
                   {QStringLiteral("display_name"), QStringLiteral("Ben")}, {QStringLiteral("password"), kPassword}};
        QCOMPARE(b->postForm(QStringLiteral("/larkspire/account/register"), fields).status, 303);
        QCOMPARE(b->get(QStringLiteral("/")).status, 303);
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 200);

        // The same form without the nonce still gives the app its code, but
        // the browser that posted it stays signed out.
        auto other = browser();
        const HttpReply code = other->postForm(QStringLiteral("/larkspire/account/login"),
                                               fields.mid(0, fields.size() - 4)
                                                   + FormFields{{QStringLiteral("email"), QStringLiteral("ben@example.org")},
                                                                {QStringLiteral("password"), kPassword}});
        QVERIFY(!SignIn::codeOf(code).isEmpty());
        QCOMPARE(other->get(QStringLiteral("/account/profile")).status, 303);
    }

    void everyFormWorksAndRefusesAForgedPost_data()
    {
        QTest::addColumn<QString>("actor");
        QTest::addColumn<QString>("path");
        QTest::addColumn<FormFields>("fields");  // "{invitation}", "{ben}", "{appSession}" are filled in

        const QString ada = QStringLiteral("ada@example.org"), ben = QStringLiteral("ben@example.org"),
                      cy = QStringLiteral("cy@example.org");
        QTest::newRow("profile") << ada << QStringLiteral("/account/profile")
                                 << FormFields{{QStringLiteral("display_name"), QStringLiteral("Ada King")},
                                               {QStringLiteral("email"), ada}};
        QTest::newRow("password") << ada << QStringLiteral("/account/password")
                                  << FormFields{{QStringLiteral("current_password"), kPassword},
                                                {QStringLiteral("new_password"), QStringLiteral("battery staple")},
                                                {QStringLiteral("confirm_password"), QStringLiteral("battery staple")}};
        QTest::newRow("sign out a session") << ada << QStringLiteral("/account/sessions/signout")
                                            << FormFields{{QStringLiteral("session_id"), QStringLiteral("{appSession}")}};
        QTest::newRow("sign out") << ada << QStringLiteral("/account/signout") << FormFields{};
        QTest::newRow("remove a device") << ada << QStringLiteral("/account/devices/remove")
                                         << FormFields{{QStringLiteral("device_id"), QStringLiteral("kitchen")}};
        QTest::newRow("create a group") << cy << QStringLiteral("/account/family/create")
                                        << FormFields{{QStringLiteral("name"), QStringLiteral("Young family")}};
        QTest::newRow("invite") << ada << QStringLiteral("/account/family/invite")
                                << FormFields{{QStringLiteral("email"), QStringLiteral("dee@example.org")}};
        QTest::newRow("accept") << cy << QStringLiteral("/account/family/accept")
                                << FormFields{{QStringLiteral("invitation_id"), QStringLiteral("{invitation}")}};
        QTest::newRow("decline") << cy << QStringLiteral("/account/family/decline")
                                 << FormFields{{QStringLiteral("invitation_id"), QStringLiteral("{invitation}")}};
        QTest::newRow("withdraw") << ada << QStringLiteral("/account/family/cancel")
                                  << FormFields{{QStringLiteral("invitation_id"), QStringLiteral("{invitation}")}};
        QTest::newRow("leave") << ben << QStringLiteral("/account/family/leave") << FormFields{};
        QTest::newRow("remove a member") << ada << QStringLiteral("/account/family/remove")
                                         << FormFields{{QStringLiteral("user_id"), QStringLiteral("{ben}")}};
    }

    // Ada owns a group with Ben, has invited Cy, uses the app and one device:
    // each form would change something, so a refused one must change nothing.
    void everyFormWorksAndRefusesAForgedPost()
    {
        QFETCH(QString, actor);
        QFETCH(QString, path);
        QFETCH(FormFields, fields);
        const Tokens app = SignIn::signUp(client(), QStringLiteral("ada@example.org"));
        SignIn::signUp(client(), QStringLiteral("ben@example.org"));
        SignIn::signUp(client(), QStringLiteral("cy@example.org"));
        QCOMPARE(client().postJson(QStringLiteral("/account/v1/devices/register"), {{QStringLiteral("device_id"), QStringLiteral("kitchen")}},
                                   app.access).status,
                 200);
        const QString ada = m_server.userId(QStringLiteral("ada@example.org")), ben = m_server.userId(QStringLiteral("ben@example.org"));
        FamilyInvitation invitation;
        QVERIFY(backend().family.create(ada, QStringLiteral("Lovelace")).ok());
        QVERIFY(backend().family.invite(ada, QStringLiteral("ben@example.org"), &invitation).ok());
        QVERIFY(backend().family.accept(ben, invitation.id).ok());
        QVERIFY(backend().family.invite(ada, QStringLiteral("cy@example.org"), &invitation).ok());
        const QString appSession = backend().sessions.sessionOf(app.refresh);
        for (auto &f : fields) {
            f.second.replace(QStringLiteral("{invitation}"), invitation.id)
                .replace(QStringLiteral("{ben}"), ben)
                .replace(QStringLiteral("{appSession}"), appSession);
        }

        auto b = signedIn(actor);
        auto second = signedIn(actor);
        const QString before = fingerprint();
        // No token, and the token of another session of the same person.
        QCOMPARE(b->postForm(path, fields).status, 403);
        QCOMPARE(fingerprint(), before);
        QCOMPARE(b->postForm(path, FormFields{{QStringLiteral("csrf"), formToken(*second)}} + fields).status, 403);
        QCOMPARE(fingerprint(), before);

        const HttpReply done = submit(*b, path, fields);
        QCOMPARE(done.status, 303);
        QVERIFY(fingerprint() != before);
        if (location(done) != QLatin1String("/")) {
            const HttpReply shown = b->get(location(done));
            QCOMPARE(shown.status, 200);
            QVERIFY2(shown.body.contains("class=\"notice\""), location(done).toUtf8().constData());
        }
    }

    void aNewPasswordEndsTheOtherSessions_data()
    {
        QTest::addColumn<FormFields>("fields");
        QTest::addColumn<int>("status");
        const auto change = [](const QString &current, const QString &fresh, const QString &again) {
            return FormFields{{QStringLiteral("current_password"), current},
                              {QStringLiteral("new_password"), fresh},
                              {QStringLiteral("confirm_password"), again}};
        };
        const QString fresh = QStringLiteral("battery staple");
        QTest::newRow("changed") << change(kPassword, fresh, fresh) << 303;
        QTest::newRow("wrong current password") << change(QStringLiteral("not it at all"), fresh, fresh) << 400;
        QTest::newRow("confirmation differs") << change(kPassword, fresh, QStringLiteral("battery stapler")) << 400;
        QTest::newRow("too short") << change(kPassword, QStringLiteral("short"), QStringLiteral("short")) << 400;
    }

    void aNewPasswordEndsTheOtherSessions()
    {
        QFETCH(FormFields, fields);
        QFETCH(int, status);
        const Tokens app = SignIn::signUp(client(), QStringLiteral("ada@example.org"));
        auto b = signedIn(QStringLiteral("ada@example.org"));
        auto other = signedIn(QStringLiteral("ada@example.org"));
        // Two sign-ins with the old password, approved but not collected yet.
        const FormFields oldPassword = {{QStringLiteral("email"), QStringLiteral("ada@example.org")},
                                        {QStringLiteral("password"), kPassword}};
        const QString code = SignIn::codeOf(
            client().postForm(QStringLiteral("/larkspire/account/login"), SignIn::requestFields() + oldPassword));
        QVERIFY(!code.isEmpty());
        const QJsonObject grant =
            client().postForm(QStringLiteral("/auth/device"), {{QStringLiteral("client_id"), SignIn::kClientId}}).json();
        const QString deviceCode = grant.value(QStringLiteral("device_code")).toString();
        QCOMPARE(client()
                     .postForm(QStringLiteral("/larkspire/device"),
                               FormFields{{QStringLiteral("user_code"), grant.value(QStringLiteral("user_code")).toString()},
                                          {QStringLiteral("action"), QStringLiteral("approve")}}
                                   + oldPassword)
                     .status,
                 200);
        QCOMPARE(submit(*b, QStringLiteral("/account/password"), fields).status, status);

        const bool changed = status == 303;
        QCOMPARE(me(app.access).status, changed ? 401 : 200);
        QCOMPARE(client().postForm(QStringLiteral("/auth/token/refresh"), {{QStringLiteral("refresh_token"), app.refresh}}).status,
                 changed ? 400 : 200);
        QCOMPARE(other->get(QStringLiteral("/account/profile")).status, changed ? 303 : 200);
        QCOMPARE(b->get(QStringLiteral("/account/profile")).status, 200);
        QCOMPARE(SignIn::exchange(client(), code).status, changed ? 400 : 200);
        const HttpReply polled =
            client().postForm(QStringLiteral("/auth/token"),
                              {{QStringLiteral("grant_type"), QStringLiteral("urn:ietf:params:oauth:grant-type:device_code")},
                               {QStringLiteral("device_code"), deviceCode},
                               {QStringLiteral("client_id"), SignIn::kClientId}});
        QCOMPARE(polled.status, changed ? 400 : 200);
        const QString fresh = fields.value(1).second;
        QCOMPARE(signIn(*browser(), QStringLiteral("ada@example.org"), fresh).status, changed ? 303 : 401);
        QCOMPARE(signIn(*browser(), QStringLiteral("ada@example.org"), kPassword).status, changed ? 401 : 303);
    }

    void profileChanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stored");  // "email name" afterwards

        QTest::newRow("name only, no password needed") << QStringLiteral("  Ada   King ") << QStringLiteral("ada@example.org") << QString()
                                                       << 303 << QStringLiteral("ada@example.org Ada King");
        QTest::newRow("new address with the password") << QStringLiteral("Ada") << QStringLiteral(" Ada@Lovelace.ORG ") << kPassword
                                                       << 303 << QStringLiteral("ada@lovelace.org Ada");
        QTest::newRow("new address without the password") << QStringLiteral("Ada") << QStringLiteral("ada@lovelace.org") << QString()
                                                          << 400 << QStringLiteral("ada@example.org Ada");
        QTest::newRow("an address in use") << QStringLiteral("Ada") << QStringLiteral("ben@example.org") << kPassword << 409
                                           << QStringLiteral("ada@example.org Ada");
        QTest::newRow("not an address") << QStringLiteral("Ada") << QStringLiteral("ada at home") << kPassword << 400
                                        << QStringLiteral("ada@example.org Ada");
        QTest::newRow("an overlong name") << QString(101, QLatin1Char('x')) << QStringLiteral("ada@example.org") << QString() << 400
                                          << QStringLiteral("ada@example.org Ada");
    }

    void profileChanges()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(int, status);
        QFETCH(QString, stored);
        const Tokens app = SignIn::signUp(client(), QStringLiteral("ada@example.org"));
        SignIn::signUp(client(), QStringLiteral("ben@example.org"));
        User ada;
        QString error;
        QCOMPARE(backend().users.updateProfile(m_server.userId(QStringLiteral("ada@example.org")), QStringLiteral("Ada"),
                                               QStringLiteral("ada@example.org"), &ada, &error),
                 Users::Created::Ok);
        auto b = signedIn(QStringLiteral("ada@example.org"));
        const HttpReply reply = submit(*b, QStringLiteral("/account/profile"),
                                       {{QStringLiteral("display_name"), name},
                                        {QStringLiteral("email"), email},
                                        {QStringLiteral("current_password"), password}});
        QCOMPARE(reply.status, status);
        if (status != 303)
            QVERIFY(reply.body.contains("role=\"alert\""));
        const QJsonObject profile = me(app.access).json();
        QCOMPARE(profile.value(QStringLiteral("email")).toString() + QLatin1Char(' ')
                     + profile.value(QStringLiteral("display_name")).toString(),
                 stored);
    }

    // Someone else's session or device is out of reach, even by its id.
    void othersSessionsAndDevicesAreOutOfReach()
    {
        const Tokens ben = SignIn::signUp(client(), QStringLiteral("ben@example.org"));
        SignIn::signUp(client(), QStringLiteral("ada@example.org"));
        QCOMPARE(client().postJson(QStringLiteral("/account/v1/devices/register"), {{QStringLiteral("device_id"), QStringLiteral("bens")}},
                                   ben.access).status,
                 200);
        auto b = signedIn(QStringLiteral("ada@example.org"));
        const HttpReply sessions = b->get(QStringLiteral("/account/sessions"));
        QCOMPARE(sessions.status, 200);
        QVERIFY(sessions.body.contains("This browser"));
        QVERIFY(sessions.body.contains("Larkspire Quillet app"));

        const QString before = fingerprint();
        QCOMPARE(submit(*b, QStringLiteral("/account/sessions/signout"),
                        {{QStringLiteral("session_id"), backend().sessions.sessionOf(ben.refresh)}})
                     .status,
                 404);
        QCOMPARE(submit(*b, QStringLiteral("/account/devices/remove"), {{QStringLiteral("device_id"), QStringLiteral("bens")}}).status,
                 404);
        QCOMPARE(fingerprint(), before);
        QCOMPARE(me(ben.access).status, 200);
    }

    // Two people through their own browsers: invite, see it, answer, remove.
    void theFamilyPagesCarryTheInvitationFlow()
    {
        for (const char *email : {"ada@example.org", "ben@example.org"})
            SignIn::signUp(client(), QString::fromLatin1(email));
        auto ada = signedIn(QStringLiteral("ada@example.org"));
        auto ben = signedIn(QStringLiteral("ben@example.org"));
        const QString family = QStringLiteral("/account/family");

        QCOMPARE(submit(*ada, QStringLiteral("/account/family/create"), {{QStringLiteral("name"), QStringLiteral("<b>Lovelace</b>")}}).status,
                 303);
        QCOMPARE(submit(*ada, QStringLiteral("/account/family/invite"), {{QStringLiteral("email"), QStringLiteral("ben@example.org")}}).status,
                 303);
        const HttpReply again = submit(*ada, QStringLiteral("/account/family/invite"), {{QStringLiteral("email"), QStringLiteral("ben@example.org")}});
        QCOMPARE(again.status, 409);
        QVERIFY(again.body.contains("has already been invited"));

        HttpReply page = ben->get(family);
        QVERIFY(page.body.contains("&lt;b&gt;Lovelace&lt;/b&gt;"));
        QVERIFY(!page.body.contains("<b>Lovelace"));
        const QString invitation = hiddenValue(page, QStringLiteral("invitation_id"));
        QVERIFY(!invitation.isEmpty());
        // Ada cannot answer Ben's invitation for him.
        QCOMPARE(submit(*ada, QStringLiteral("/account/family/accept"), {{QStringLiteral("invitation_id"), invitation}}).status, 404);
        QCOMPARE(submit(*ben, QStringLiteral("/account/family/accept"), {{QStringLiteral("invitation_id"), invitation}}).status, 303);

        page = ada->get(family);
        QVERIFY(page.body.contains("ben@example.org"));
        QVERIFY(page.body.contains("Remove"));
        QVERIFY(!page.body.contains("Leave group"));
        page = ben->get(family);
        QVERIFY(page.body.contains("Family group: &lt;b&gt;Lovelace"));
        QVERIFY(!page.body.contains("action=\"/account/family/remove\""));
        QCOMPARE(submit(*ben, QStringLiteral("/account/family/remove"), {{QStringLiteral("user_id"), m_server.userId(QStringLiteral("ada@example.org"))}}).status,
                 403);

        QCOMPARE(submit(*ada, QStringLiteral("/account/family/remove"), {{QStringLiteral("user_id"), m_server.userId(QStringLiteral("ben@example.org"))}}).status,
                 303);
        QVERIFY(ben->get(family).body.contains("Start a group"));
        QString error;
        QVERIFY(!backend().family.sameGroup(m_server.userId(QStringLiteral("ada@example.org")), m_server.userId(QStringLiteral("ben@example.org")), &error));
        QVERIFY(error.isEmpty());
    }
};

STORE_TEST_MAIN(TstServerPortal)
#include "tst_serverportal.moc"
