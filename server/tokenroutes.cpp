// The OAuth endpoints the app and the command-line tool talk to: code and
// device grants, refresh with rotation, sign-out, device authorization.
#include "server/backend.h"
#include "server/router.h"
#include "server/routes.h"
#include "server/serverconfig.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace QuilletServer {

namespace {

const QString kDeviceGrantType = QStringLiteral("urn:ietf:params:oauth:grant-type:device_code");

// RFC 6749 5.2: "error" is the code; "message" is there as on every other endpoint.
HttpResponse oauthError(int status, const QString &code, const QString &description)
{
    return HttpResponse::json({{QStringLiteral("error"), code},
                               {QStringLiteral("error_description"), description},
                               {QStringLiteral("message"), description}},
                              status);
}

HttpResponse tokenReply(const TokenPair &pair)
{
    return HttpResponse::json({{QStringLiteral("access_token"), pair.accessToken},
                               {QStringLiteral("refresh_token"), pair.refreshToken},
                               {QStringLiteral("expires_in"), pair.expiresIn},
                               {QStringLiteral("token_type"), QStringLiteral("Bearer")}});
}

HttpResponse serverError(const char *what, const QString &error)
{
    qWarning("%s failed: %s", what, qPrintable(error));
    return oauthError(500, QStringLiteral("server_error"), QStringLiteral("the server could not complete this"));
}

// The fields of the request, or the 400 naming the first missing one.
bool requireFields(const HttpRequest &request, const QStringList &names, QHash<QString, QString> *fields,
                   HttpResponse *refused)
{
    QString problem;
    if (!request.fields(fields, &problem)) {
        *refused = oauthError(400, QStringLiteral("invalid_request"), problem);
        return false;
    }
    for (const QString &name : names) {
        if (fields->value(name).isEmpty()) {
            *refused = oauthError(400, QStringLiteral("invalid_request"), QStringLiteral("%1 is missing").arg(name));
            return false;
        }
    }
    return true;
}

bool knownClient(const Backend &backend, const QString &clientId, HttpResponse *refused)
{
    if (backend.context.config.clientIds.contains(clientId))
        return true;
    *refused = oauthError(401, QStringLiteral("invalid_client"), QStringLiteral("client_id is not known"));
    return false;
}

HttpResponse startSession(Backend &backend, const QString &userId, const QString &clientId, const QString &code = {})
{
    TokenPair pair;
    QString error;
    if (!backend.sessions.start(userId, clientId, &pair, &error))
        return serverError("starting a session", error);
    if (!code.isEmpty())
        backend.codes.attachSession(code, pair.sessionId);
    return tokenReply(pair);
}

HttpResponse codeGrant(Backend &backend, const HttpRequest &request)
{
    QHash<QString, QString> f;
    HttpResponse refused;
    const QStringList required = {QStringLiteral("code"), QStringLiteral("code_verifier"),
                                  QStringLiteral("redirect_uri"), QStringLiteral("client_id")};
    if (!requireFields(request, required, &f, &refused) || !knownClient(backend, f.value(QStringLiteral("client_id")), &refused))
        return refused;
    QString userId, problem;
    const QString code = f.value(QStringLiteral("code"));
    switch (backend.codes.redeem(code, f.value(QStringLiteral("code_verifier")), f.value(QStringLiteral("redirect_uri")),
                                 f.value(QStringLiteral("client_id")), &userId, &problem)) {
    case AuthCodes::Redeemed::Ok:
        return startSession(backend, userId, f.value(QStringLiteral("client_id")), code);
    case AuthCodes::Redeemed::Invalid:
        return oauthError(400, QStringLiteral("invalid_grant"), problem);
    case AuthCodes::Redeemed::Failed:
        break;
    }
    return serverError("redeeming a code", problem);
}

HttpResponse refreshGrant(Backend &backend, const HttpRequest &request)
{
    QHash<QString, QString> f;
    HttpResponse refused;
    if (!requireFields(request, {QStringLiteral("refresh_token")}, &f, &refused))
        return refused;
    if (f.contains(QStringLiteral("client_id")) && !knownClient(backend, f.value(QStringLiteral("client_id")), &refused))
        return refused;
    TokenPair pair;
    QString error;
    switch (backend.sessions.refresh(f.value(QStringLiteral("refresh_token")), &pair, &error)) {
    case Sessions::Refreshed::Ok:
        return tokenReply(pair);
    case Sessions::Refreshed::Invalid:
    case Sessions::Refreshed::Reused:
        return oauthError(400, QStringLiteral("invalid_grant"), error);
    case Sessions::Refreshed::Failed:
        break;
    }
    return serverError("refreshing a token", error);
}

HttpResponse deviceGrant(Backend &backend, const HttpRequest &request)
{
    QHash<QString, QString> f;
    HttpResponse refused;
    if (!requireFields(request, {QStringLiteral("device_code"), QStringLiteral("client_id")}, &f, &refused)
        || !knownClient(backend, f.value(QStringLiteral("client_id")), &refused))
        return refused;
    QString userId;
    switch (backend.deviceGrants.poll(f.value(QStringLiteral("device_code")), f.value(QStringLiteral("client_id")),
                                      &userId)) {
    case DeviceGrants::Polled::Approved:
        return startSession(backend, userId, f.value(QStringLiteral("client_id")));
    case DeviceGrants::Polled::Pending:
        return oauthError(400, QStringLiteral("authorization_pending"), QStringLiteral("not approved yet"));
    case DeviceGrants::Polled::SlowDown:
        return oauthError(400, QStringLiteral("slow_down"), QStringLiteral("polling too fast; wait 5 seconds longer"));
    case DeviceGrants::Polled::Denied:
        return oauthError(400, QStringLiteral("access_denied"), QStringLiteral("the request was denied"));
    case DeviceGrants::Polled::Expired:
        return oauthError(400, QStringLiteral("expired_token"), QStringLiteral("the device code has expired"));
    case DeviceGrants::Polled::Invalid:
        return oauthError(400, QStringLiteral("invalid_grant"), QStringLiteral("unknown or spent device code"));
    case DeviceGrants::Polled::Failed:
        break;
    }
    return serverError("polling a device code", QStringLiteral("database error"));
}

// Where people reach this server: the configured address, else the Host the
// request came in on, if it looks like a host name.
QString publicBase(const Backend &backend, const HttpRequest &request)
{
    if (!backend.context.config.publicUrl.isEmpty())
        return backend.context.config.publicUrl;
    static const QRegularExpression hostPattern(QStringLiteral("^[A-Za-z0-9.\\-]+(:[0-9]{1,5})?$|^\\[[0-9A-Fa-f:.]+\\](:[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(request.header("host"));
    return QStringLiteral("http://") + (hostPattern.match(host).hasMatch() ? host : QStringLiteral("127.0.0.1"));
}

HttpResponse deviceAuthorization(Backend &backend, const HttpRequest &request)
{
    QHash<QString, QString> f;
    HttpResponse refused;
    if (!requireFields(request, {QStringLiteral("client_id")}, &f, &refused)
        || !knownClient(backend, f.value(QStringLiteral("client_id")), &refused))
        return refused;
    DeviceGrants::Started started;
    QString error;
    if (!backend.deviceGrants.start(f.value(QStringLiteral("client_id")), &started, &error))
        return serverError("starting a device grant", error);
    const QString uri = publicBase(backend, request) + QLatin1Char('/') + backend.context.config.realm
        + QStringLiteral("/device");
    return HttpResponse::json({{QStringLiteral("device_code"), started.deviceCode},
                               {QStringLiteral("user_code"), started.userCode},
                               {QStringLiteral("verification_uri"), uri},
                               {QStringLiteral("verification_uri_complete"),
                                uri + QStringLiteral("?user_code=") + started.userCode},
                               {QStringLiteral("expires_in"), started.expiresIn},
                               {QStringLiteral("interval"), started.interval}});
}

HttpResponse logout(Backend &backend, const HttpRequest &request)
{
    QHash<QString, QString> f;
    QString problem;
    if (!request.fields(&f, &problem) && !request.body.isEmpty())
        return oauthError(400, QStringLiteral("invalid_request"), problem);
    const QStringList tokens = {f.value(QStringLiteral("refresh_token")), request.bearerToken()};
    bool named = false;
    for (const QString &token : tokens) {
        if (token.isEmpty())
            continue;
        named = true;
        const QString session = backend.sessions.sessionOf(token);
        QString error;
        if (!session.isEmpty() && !backend.sessions.revoke(session, &error))
            return serverError("signing out", error);
    }
    if (!named)
        return oauthError(400, QStringLiteral("invalid_request"),
                          QStringLiteral("refresh_token or an Authorization: Bearer token is required"));
    // Unknown or already ended sessions are signed out too (RFC 7009 2.2).
    return HttpResponse::json({{QStringLiteral("status"), QStringLiteral("signed_out")}});
}

} // namespace

void addTokenRoutes(Router &router, Backend &backend)
{
    router.add("POST", QStringLiteral("/auth/token"), [&backend](const HttpRequest &request) {
        QHash<QString, QString> f;
        QString problem;
        if (!request.fields(&f, &problem))
            return oauthError(400, QStringLiteral("invalid_request"), problem);
        const QString grant = f.value(QStringLiteral("grant_type"));
        if (grant == QLatin1String("authorization_code"))
            return codeGrant(backend, request);
        if (grant == QLatin1String("refresh_token"))
            return refreshGrant(backend, request);
        if (grant == kDeviceGrantType)
            return deviceGrant(backend, request);
        return oauthError(400, QStringLiteral("unsupported_grant_type"),
                          grant.isEmpty() ? QStringLiteral("grant_type is missing")
                                          : QStringLiteral("grant_type is not supported"));
    });
    router.add("POST", QStringLiteral("/auth/token/refresh"),
               [&backend](const HttpRequest &request) { return refreshGrant(backend, request); });
    router.add("POST", QStringLiteral("/auth/logout"),
               [&backend](const HttpRequest &request) { return logout(backend, request); });
    router.add("POST", QStringLiteral("/auth/device"),
               [&backend](const HttpRequest &request) { return deviceAuthorization(backend, request); });
}

} // namespace QuilletServer
