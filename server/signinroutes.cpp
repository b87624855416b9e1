// The browser pages: sign-in and sign-up for the app's loopback sign-in, and
// the page where a person approves a device code.
#include "server/backend.h"
#include "server/browsersignin.h"
#include "server/pages.h"
#include "server/router.h"
#include "server/routes.h"
#include "server/serverconfig.h"

#include <QUrl>

namespace QuilletServer {

namespace {

SignInRequest readSignIn(const QHash<QString, QString> &f)
{
    return {f.value(QStringLiteral("client_id")), f.value(QStringLiteral("redirect_uri")),
            f.value(QStringLiteral("state")), f.value(QStringLiteral("code_challenge")),
            f.value(QStringLiteral("code_challenge_method"))};
}

QHash<QString, QString> queryFields(const HttpRequest &request)
{
    QHash<QString, QString> out;
    const auto items = request.query.queryItems(QUrl::FullyDecoded);
    for (const auto &item : items) {
        if (!out.contains(item.first))
            out.insert(item.first, item.second);
    }
    return out;
}

// Only the app on this very machine may receive a code: plain http on a
// loopback address, path "/callback".
bool isLoopbackCallback(const QString &uri)
{
    const QUrl url(uri, QUrl::StrictMode);
    const QString host = url.host();
    return url.isValid() && url.scheme() == QLatin1String("http") && url.userInfo().isEmpty() && !url.hasFragment()
        && url.path() == QLatin1String("/callback")
        && (host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost") || host == QLatin1String("::1"));
}

QString signInProblem(const ServerConfig &config, const SignInRequest &r)
{
    if (r.clientId.isEmpty())
        return QStringLiteral("It names no client_id.");
    if (!config.clientIds.contains(r.clientId))
        return QStringLiteral("The client_id is not known to this server.");
    if (!isLoopbackCallback(r.redirectUri))
        return QStringLiteral("The redirect_uri must be http://127.0.0.1:PORT/callback (or localhost, or [::1]).");
    if (r.state.isEmpty() || r.state.size() > 512)
        return QStringLiteral("The state is missing or too long.");
    if (r.codeChallengeMethod != QLatin1String("S256"))
        return QStringLiteral("The code_challenge_method must be S256.");
    if (!AuthCodes::isPkceText(r.codeChallenge))
        return QStringLiteral("The code_challenge is missing or malformed.");
    return {};
}

HttpResponse badLink(const ServerConfig &config, const QString &problem)
{
    return HttpResponse::html(Pages::notice(config, QStringLiteral("This sign-in link cannot be used"),
                                            problem + QStringLiteral(" Start the sign-in again from the app.")),
                              400);
}

HttpResponse redirectWithCode(const SignInRequest &r, const QString &code)
{
    const QByteArray separator = r.redirectUri.contains(QLatin1Char('?')) ? "&" : "?";
    return HttpResponse::seeOther(r.redirectUri.toUtf8() + separator + "code=" + QUrl::toPercentEncoding(code)
                                  + "&state=" + QUrl::toPercentEncoding(r.state));
}

// A posted form and the sign-in request its hidden fields carry; false with
// the error page when that request cannot be used.
bool readSignInForm(const ServerConfig &config, const HttpRequest &request, QHash<QString, QString> *fields,
                    SignInRequest *out, HttpResponse *refused)
{
    QString problem;
    request.fields(fields, &problem);
    *out = readSignIn(*fields);
    problem = signInProblem(config, *out);
    if (problem.isEmpty())
        return true;
    *refused = badLink(config, problem);
    return false;
}

// The code for the app; the browser that signed in is also signed in to the
// account pages, when the form came from a page this browser was given.
HttpResponse issueCode(Backend &backend, const HttpRequest &request, const QString &browserNonce,
                       const SignInRequest &r, const User &user)
{
    QString code, error;
    if (!backend.codes.create(user.id, r.clientId, r.redirectUri, r.codeChallenge, &code, &error)) {
        qWarning("sign-in: cannot store an authorization code: %s", qPrintable(error));
        return HttpResponse::html(Pages::notice(backend.context.config, QStringLiteral("Sign-in failed"),
                                                QStringLiteral("The server could not complete the sign-in. Try again.")),
                                  500);
    }
    HttpResponse response = redirectWithCode(r, code);
    Caller signedIn;
    const bool alreadyIn = BrowserSignIn::caller(backend, request, &signedIn) && signedIn.userId == user.id;
    if (!alreadyIn && BrowserSignIn::nonceMatches(request, browserNonce))
        BrowserSignIn::start(backend, user.id, &response);
    return response;
}

HttpResponse signInPost(Backend &backend, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    QHash<QString, QString> f;
    SignInRequest r;
    HttpResponse refused;
    if (!readSignInForm(config, request, &f, &r, &refused))
        return refused;
    Pages::FormState state;
    state.browserNonce = f.value(QStringLiteral("browser"));
    state.email = f.value(QStringLiteral("email"));
    User user;
    qint64 retryAfter = 0;
    switch (backend.checkCredentials(request, state.email, f.value(QStringLiteral("password")), &user, &retryAfter)) {
    case Backend::Checked::Throttled:
        state.error = Pages::throttledText(retryAfter);
        return HttpResponse::withRetryAfter(HttpResponse::html(Pages::signIn(config, r, state), 429), retryAfter);
    case Backend::Checked::Wrong:
        state.error = QStringLiteral("The email address or the password is not right.");
        return HttpResponse::html(Pages::signIn(config, r, state), 401);
    case Backend::Checked::Ok:
        break;
    }
    return issueCode(backend, request, state.browserNonce, r, user);
}

HttpResponse signUpPost(Backend &backend, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    QHash<QString, QString> f;
    SignInRequest r;
    HttpResponse refused;
    if (!readSignInForm(config, request, &f, &r, &refused))
        return refused;
    if (!config.allowSignUp)
        return HttpResponse::html(Pages::notice(config, QStringLiteral("Sign-up is closed"),
                                                QStringLiteral("Ask the person who runs this server for an account.")),
                                  403);
    Pages::FormState state;
    state.browserNonce = f.value(QStringLiteral("browser"));
    state.signUpError = true;
    state.email = f.value(QStringLiteral("email"));
    state.displayName = f.value(QStringLiteral("display_name"));
    User user;
    const Users::Created created = backend.users.create(state.email, state.displayName,
                                                        f.value(QStringLiteral("password")), &user, &state.error);
    switch (created) {
    case Users::Created::Ok:
        return issueCode(backend, request, state.browserNonce, r, user);
    case Users::Created::Invalid:
        return HttpResponse::html(Pages::signIn(config, r, state), 400);
    case Users::Created::Exists:
        return HttpResponse::html(Pages::signIn(config, r, state), 409);
    case Users::Created::Failed:
        break;
    }
    return HttpResponse::html(Pages::signIn(config, r, state), 500);
}

HttpResponse devicePost(Backend &backend, const HttpRequest &request)
{
    const ServerConfig &config = backend.context.config;
    QHash<QString, QString> f;
    QString problem;
    request.fields(&f, &problem);
    const QString userCode = f.value(QStringLiteral("user_code"));
    const QString email = f.value(QStringLiteral("email"));
    User user;
    qint64 retryAfter = 0;
    switch (backend.checkCredentials(request, email, f.value(QStringLiteral("password")), &user, &retryAfter)) {
    case Backend::Checked::Throttled:
        return HttpResponse::withRetryAfter(HttpResponse::html(Pages::device(config, userCode, Pages::throttledText(retryAfter), email), 429),
                              retryAfter);
    case Backend::Checked::Wrong:
        return HttpResponse::html(
            Pages::device(config, userCode, QStringLiteral("The email address or the password is not right."), email),
            401);
    case Backend::Checked::Ok:
        break;
    }
    const bool approve = f.value(QStringLiteral("action")) != QLatin1String("deny");
    switch (backend.deviceGrants.decide(userCode, user.id, approve)) {
    case DeviceGrants::Decided::Ok:
        return HttpResponse::html(
            approve ? Pages::notice(config, QStringLiteral("Device connected"),
                                    QStringLiteral("The program can now use your account. You can close this page."))
                    : Pages::notice(config, QStringLiteral("Request denied"),
                                    QStringLiteral("The program was not given access to your account.")));
    case DeviceGrants::Decided::Unknown:
        return HttpResponse::html(
            Pages::device(config, userCode, QStringLiteral("That code is unknown or has expired."), email), 400);
    case DeviceGrants::Decided::Failed:
        break;
    }
    return HttpResponse::html(Pages::device(config, userCode, QStringLiteral("The server could not store that. Try "
                                                                             "again."),
                                            email),
                              500);
}

} // namespace

void addSignInRoutes(Router &router, Backend &backend)
{
    const QString realm = QLatin1Char('/') + backend.context.config.realm;
    router.add("GET", realm + QStringLiteral("/account/login"), [&backend](const HttpRequest &request) {
        const ServerConfig &config = backend.context.config;
        const SignInRequest r = readSignIn(queryFields(request));
        const QString problem = signInProblem(config, r);
        if (!problem.isEmpty())
            return badLink(config, problem);
        Pages::FormState state;
        state.browserNonce = BrowserSignIn::nonceOf(request);
        HttpResponse response = HttpResponse::html(Pages::signIn(config, r, state));
        BrowserSignIn::keepNonce(config, state.browserNonce, &response);
        return response;
    });
    router.add("POST", realm + QStringLiteral("/account/login"),
               [&backend](const HttpRequest &request) { return signInPost(backend, request); });
    router.add("POST", realm + QStringLiteral("/account/register"),
               [&backend](const HttpRequest &request) { return signUpPost(backend, request); });
    router.add("GET", realm + QStringLiteral("/device"), [&backend](const HttpRequest &request) {
        return HttpResponse::html(Pages::device(backend.context.config,
                                                DeviceGrants::normaliseUserCode(request.queryValue(QStringLiteral("user_code"))),
                                                {}, {}));
    });
    router.add("POST", realm + QStringLiteral("/device"),
               [&backend](const HttpRequest &request) { return devicePost(backend, request); });
}

} // namespace QuilletServer
