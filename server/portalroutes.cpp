// The account pages: the browser's sign-in, profile, password, sessions and
// devices. The family group's page is in familyroutes.cpp.
#include "server/backend.h"
#include "server/browsersignin.h"
#include "server/pages.h"
#include "server/portal.h"
#include "server/routes.h"
#include "server/serverconfig.h"
#include "server/store.h"

namespace QuilletServer {

namespace Portal {

namespace {

// Notices by the name a change puts in its redirect; nothing of the address
// is shown as it came.
QString noticeFor(const QString &done)
{
    static const QHash<QString, QString> notices = {
        {QStringLiteral("profile"), QStringLiteral("Your profile was saved.")},
        {QStringLiteral("password"), QStringLiteral("Your password was changed, and every other session was signed out.")},
        {QStringLiteral("session"), QStringLiteral("The session was signed out.")},
        {QStringLiteral("device"), QStringLiteral("The device was removed.")},
        {QStringLiteral("created"), QStringLiteral("Your family group was created. Invite the others below.")},
        {QStringLiteral("invited"), QStringLiteral("The invitation waits for them on this page.")},
        {QStringLiteral("accepted"), QStringLiteral("You joined the family group.")},
        {QStringLiteral("declined"), QStringLiteral("The invitation was declined.")},
        {QStringLiteral("cancelled"), QStringLiteral("The invitation was withdrawn.")},
        {QStringLiteral("left"), QStringLiteral("You left the family group.")},
        {QStringLiteral("removed"), QStringLiteral("The member was removed from the group.")},
    };
    return notices.value(done);
}

Router::Handler wrap(Backend &backend, Handler handler, bool isPost)
{
    return [&backend, handler = std::move(handler), isPost](const HttpRequest &request) {
        const ServerConfig &config = backend.context.config;
        PortalVisit visit;
        if (!BrowserSignIn::caller(backend, request, &visit.caller)
            || !backend.users.byId(visit.caller.userId, &visit.view.user)) {
            HttpResponse response = HttpResponse::seeOther("/");
            BrowserSignIn::forget(config, &response);
            return response;
        }
        visit.view.formToken = BrowserSignIn::formToken(request);
        if (!isPost) {
            visit.view.notice = noticeFor(request.queryValue(QStringLiteral("done")));
            return handler(visit, request);
        }
        QString problem;
        request.fields(&visit.fields, &problem);
        if (!Secrets::equalConstantTime(visit.fields.value(QStringLiteral("csrf")).toUtf8(), visit.view.formToken.toUtf8())) {
            return HttpResponse::html(Pages::notice(config, QStringLiteral("This form cannot be used"),
                                      QStringLiteral("Nothing was changed. The form did not come from your open account "
                                                     "page; open the page again and repeat the change.")),
                        403);
        }
        return handler(visit, request);
    };
}

} // namespace

Router::Handler page(Backend &backend, Handler handler)
{
    return wrap(backend, std::move(handler), false);
}

Router::Handler post(Backend &backend, Handler handler)
{
    return wrap(backend, std::move(handler), true);
}

HttpResponse done(const QString &page, const QString &doneName)
{
    return HttpResponse::seeOther("/account/" + page.toLatin1() + "?done=" + doneName.toLatin1());
}

HttpResponse storeFailed(const Backend &backend, const char *what, const QString &error)
{
    qWarning("account pages: %s failed: %s", what, qPrintable(error));
    return HttpResponse::html(Pages::notice(backend.context.config, QStringLiteral("Something went wrong"),
                              QStringLiteral("The server could not complete this. Nothing was changed; try again later.")),
                500);
}

int statusOf(FamilyGroups::Outcome outcome)
{
    switch (outcome) {
    case FamilyGroups::Outcome::Ok:
        return 200;
    case FamilyGroups::Outcome::Invalid:
        return 400;
    case FamilyGroups::Outcome::Forbidden:
        return 403;
    case FamilyGroups::Outcome::NotFound:
        return 404;
    case FamilyGroups::Outcome::Conflict:
        return 409;
    case FamilyGroups::Outcome::Failed:
        break;
    }
    return 500;
}

} // namespace Portal

namespace {

HttpResponse startPage(Backend &backend, const HttpRequest &request)
{
    Caller caller;
    if (BrowserSignIn::caller(backend, request, &caller))
        return HttpResponse::seeOther("/account/profile");
    const QString nonce = BrowserSignIn::nonceOf(request);
    HttpResponse response = HttpResponse::html(PortalPages::signIn(backend.context.config, nonce, {}, {}));
    BrowserSignIn::keepNonce(backend.context.config, nonce, &response);
    return response;
}

HttpResponse signInPost(Backend &backend, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    QHash<QString, QString> f;
    QString problem;
    request.fields(&f, &problem);
    const QString nonce = f.value(QStringLiteral("browser"));
    const QString email = f.value(QStringLiteral("email"));
    // A form another site made for this browser: refused, so that nobody is
    // signed in to an account they did not choose.
    if (!BrowserSignIn::nonceMatches(request, nonce)) {
        const QString fresh = BrowserSignIn::nonceOf(request);
        HttpResponse response = HttpResponse::html(PortalPages::signIn(config, fresh, email,
                                                         QStringLiteral("This sign-in form has expired. Sign in again.")),
                                     403);
        BrowserSignIn::keepNonce(config, fresh, &response);
        return response;
    }
    User user;
    qint64 retryAfter = 0;
    switch (backend.checkCredentials(request, email, f.value(QStringLiteral("password")), &user, &retryAfter)) {
    case Backend::Checked::Throttled:
        return HttpResponse::withRetryAfter(HttpResponse::html(PortalPages::signIn(config, nonce, email, Pages::throttledText(retryAfter)), 429),
                                            retryAfter);
    case Backend::Checked::Wrong:
        return HttpResponse::html(PortalPages::signIn(config, nonce, email, QStringLiteral("The email address or the password is not right.")),
                    401);
    case Backend::Checked::Ok:
        break;
    }
    HttpResponse response = HttpResponse::seeOther("/account/profile");
    if (!BrowserSignIn::start(backend, user.id, &response))
        return HttpResponse::html(PortalPages::signIn(config, nonce, email, QStringLiteral("The server could not sign you in. Try again.")), 500);
    return response;
}

HttpResponse signOutPost(Backend &backend, const PortalVisit &visit)
{
    QString error;
    if (!backend.sessions.revokeOwn(visit.caller.userId, visit.caller.sessionId, &error) && !error.isEmpty())
        return Portal::storeFailed(backend, "signing out", error);
    HttpResponse response = HttpResponse::seeOther("/");
    BrowserSignIn::forget(backend.context.config, &response);
    return response;
}

HttpResponse profilePost(Backend &backend, PortalVisit visit, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    const QString email = visit.fields.value(QStringLiteral("email"));
    const QString name = visit.fields.value(QStringLiteral("display_name"));
    const auto refuse = [&](const QString &why, int status) {
        visit.view.error = why;
        visit.view.user.displayName = name;
        visit.view.user.email = email;
        return HttpResponse::html(PortalPages::profile(config, visit.view), status);
    };
    // A new address is a new way into the account: it takes the password.
    if (Users::normaliseEmail(email) != visit.view.user.email) {
        User checked;
        qint64 retryAfter = 0;
        switch (backend.checkCredentials(request, visit.view.user.email,
                                         visit.fields.value(QStringLiteral("current_password")), &checked, &retryAfter)) {
        case Backend::Checked::Throttled:
            return HttpResponse::withRetryAfter(refuse(Pages::throttledText(retryAfter), 429), retryAfter);
        case Backend::Checked::Wrong:
            return refuse(QStringLiteral("Enter your current password to change your email address."), 400);
        case Backend::Checked::Ok:
            break;
        }
    }
    QString error;
    User updated;
    switch (backend.users.updateProfile(visit.caller.userId, name, email, &updated, &error)) {
    case Users::Created::Ok:
        return Portal::done(QStringLiteral("profile"), QStringLiteral("profile"));
    case Users::Created::Invalid:
        return refuse(error, 400);
    case Users::Created::Exists:
        return refuse(error, 409);
    case Users::Created::Failed:
        break;
    }
    return refuse(error, 500);
}

HttpResponse passwordPost(Backend &backend, PortalVisit visit, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    const auto refuse = [&](const QString &why, int status) {
        visit.view.error = why;
        return HttpResponse::html(PortalPages::password(config, visit.view), status);
    };
    User checked;
    qint64 retryAfter = 0;
    switch (backend.checkCredentials(request, visit.view.user.email, visit.fields.value(QStringLiteral("current_password")),
                                     &checked, &retryAfter)) {
    case Backend::Checked::Throttled:
        return HttpResponse::withRetryAfter(refuse(Pages::throttledText(retryAfter), 429), retryAfter);
    case Backend::Checked::Wrong:
        return refuse(QStringLiteral("The current password is not right."), 400);
    case Backend::Checked::Ok:
        break;
    }
    const QString fresh = visit.fields.value(QStringLiteral("new_password"));
    if (fresh != visit.fields.value(QStringLiteral("confirm_password")))
        return refuse(QStringLiteral("The two new passwords are not the same."), 400);
    const QString problem = Users::passwordProblem(fresh);
    if (!problem.isEmpty())
        return refuse(problem, 400);
    // The new password and the end of every other session land together,
    // with the sign-ins already approved but not yet turned into a session.
    QString error;
    StoreTransaction tx(*backend.context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive() || !backend.users.setPassword(visit.caller.userId, fresh, &error)
        || !backend.sessions.revokeAllBut(visit.caller.userId, visit.caller.sessionId, &error)
        || !backend.deviceGrants.withdrawApproved(visit.caller.userId, &error)
        || !backend.codes.spendUnused(visit.caller.userId, &error) || !tx.commit(&error))
        return Portal::storeFailed(backend, "changing a password", error);
    return Portal::done(QStringLiteral("password"), QStringLiteral("password"));
}

HttpResponse sessionsPage(Backend &backend, PortalVisit visit, int status = 200)
{
    QList<SessionInfo> list;
    QString error;
    if (!backend.sessions.list(visit.caller.userId, &list, &error))
        return Portal::storeFailed(backend, "listing sessions", error);
    return HttpResponse::html(PortalPages::sessions(backend.context.config, visit.view, list, visit.caller.sessionId), status);
}

HttpResponse sessionSignOutPost(Backend &backend, PortalVisit visit)
{
    const QString sessionId = visit.fields.value(QStringLiteral("session_id"));
    if (sessionId == visit.caller.sessionId)
        return signOutPost(backend, visit);
    QString error;
    if (backend.sessions.revokeOwn(visit.caller.userId, sessionId, &error))
        return Portal::done(QStringLiteral("sessions"), QStringLiteral("session"));
    if (!error.isEmpty())
        return Portal::storeFailed(backend, "signing out a session", error);
    visit.view.error = QStringLiteral("That session has already ended.");
    return sessionsPage(backend, visit, 404);
}

HttpResponse devicesPage(Backend &backend, PortalVisit visit, int status = 200)
{
    QJsonArray list;
    QString error;
    if (!backend.devices.list(visit.caller.userId, &list, &error))
        return Portal::storeFailed(backend, "listing devices", error);
    return HttpResponse::html(PortalPages::devices(backend.context.config, visit.view, list), status);
}

HttpResponse deviceRemovePost(Backend &backend, PortalVisit visit)
{
    QString error;
    if (backend.devices.remove(visit.caller.userId, visit.fields.value(QStringLiteral("device_id")), &error))
        return Portal::done(QStringLiteral("devices"), QStringLiteral("device"));
    if (!error.isEmpty())
        return Portal::storeFailed(backend, "removing a device", error);
    visit.view.error = QStringLiteral("That device is not registered to your account.");
    return devicesPage(backend, visit, 404);
}

} // namespace

void addPortalRoutes(Router &router, Backend &backend)
{
    const ServerConfig &config = backend.context.config;
    router.add("GET", QStringLiteral("/"), [&backend](const HttpRequest &request) { return startPage(backend, request); });
    router.add("POST", QStringLiteral("/account/signin"),
               [&backend](const HttpRequest &request) { return signInPost(backend, request); });
    router.add("POST", QStringLiteral("/account/signout"),
               Portal::post(backend, [&backend](const PortalVisit &visit, const HttpRequest &) { return signOutPost(backend, visit); }));
    router.add("GET", QStringLiteral("/account/profile"), Portal::page(backend, [&config](const PortalVisit &visit, const HttpRequest &) {
                   return HttpResponse::html(PortalPages::profile(config, visit.view));
               }));
    router.add("POST", QStringLiteral("/account/profile"),
               Portal::post(backend, [&backend](const PortalVisit &visit, const HttpRequest &request) {
                   return profilePost(backend, visit, request);
               }));
    router.add("GET", QStringLiteral("/account/password"), Portal::page(backend, [&config](const PortalVisit &visit, const HttpRequest &) {
                   return HttpResponse::html(PortalPages::password(config, visit.view));
               }));
    router.add("POST", QStringLiteral("/account/password"),
               Portal::post(backend, [&backend](const PortalVisit &visit, const HttpRequest &request) {
                   return passwordPost(backend, visit, request);
               }));
    router.add("GET", QStringLiteral("/account/sessions"),
               Portal::page(backend, [&backend](const PortalVisit &visit, const HttpRequest &) { return sessionsPage(backend, visit); }));
    router.add("POST", QStringLiteral("/account/sessions/signout"),
               Portal::post(backend, [&backend](const PortalVisit &visit, const HttpRequest &) {
                   return sessionSignOutPost(backend, visit);
               }));
    router.add("GET", QStringLiteral("/account/devices"),
               Portal::page(backend, [&backend](const PortalVisit &visit, const HttpRequest &) { return devicesPage(backend, visit); }));
    router.add("POST", QStringLiteral("/account/devices/remove"),
               Portal::post(backend, [&backend](const PortalVisit &visit, const HttpRequest &) {
                   return deviceRemovePost(backend, visit);
               }));
    Portal::addFamilyRoutes(router, backend);
}

} // namespace QuilletServer
