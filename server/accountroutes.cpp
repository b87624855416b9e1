// The account API: who is signed in, and the app installations they use.
#include "server/backend.h"
#include "server/router.h"
#include "server/routes.h"

#include <QJsonDocument>

namespace QuilletServer {

namespace {

HttpResponse internalError(const char *what, const QString &error)
{
    qWarning("%s failed: %s", what, qPrintable(error));
    return HttpResponse::error(500, QStringLiteral("server_error"), QStringLiteral("the server could not complete this"));
}

// The JSON object of a request body, or the 400 naming what is wrong.
bool jsonBody(const HttpRequest &request, QJsonObject *out, HttpResponse *refused)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(request.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        *refused = HttpResponse::error(400, QStringLiteral("bad_request"), QStringLiteral("the body must be a JSON object"));
        return false;
    }
    *out = doc.object();
    return true;
}

HttpResponse registerDevice(Backend &backend, const Caller &caller, const HttpRequest &request)
{
    QJsonObject body;
    HttpResponse refused;
    if (!jsonBody(request, &body, &refused))
        return refused;
    AppDevices::Device device;
    const std::pair<const char *, QString *> fields[] = {{"device_id", &device.deviceId},
                                                         {"name", &device.name},
                                                         {"platform", &device.platform},
                                                         {"app_version", &device.appVersion}};
    for (const auto &field : fields) {
        const QString key = QString::fromLatin1(field.first);
        const QJsonValue value = body.value(key);
        if (!value.isUndefined() && !value.isString())
            return HttpResponse::error(400, QStringLiteral("bad_request"), QStringLiteral("%1 must be a string").arg(key));
        if (value.toString().size() > 200)
            return HttpResponse::error(400, QStringLiteral("bad_request"),
                                       QStringLiteral("%1 is longer than 200 characters").arg(key));
        *field.second = value.toString();
    }
    if (device.deviceId.isEmpty())
        return HttpResponse::error(400, QStringLiteral("bad_request"), QStringLiteral("device_id is missing"));
    QJsonObject stored;
    QString error;
    if (!backend.devices.upsert(caller.userId, device, &stored, &error))
        return internalError("registering a device", error);
    return HttpResponse::json(stored);
}

} // namespace

Router::Handler requireCaller(Backend &backend, CallerHandler handler)
{
    return [&backend, handler = std::move(handler)](const HttpRequest &request) {
        Caller caller;
        HttpResponse denied;
        if (!backend.authorize(request, &caller, &denied))
            return denied;
        return handler(caller, request);
    };
}

void addAccountRoutes(Router &router, Backend &backend)
{
    const QString base = QStringLiteral("/account/v1");
    router.add("GET", base + QStringLiteral("/me"), requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &) {
                   User user;
                   if (!backend.users.byId(caller.userId, &user))
                       return HttpResponse::error(401, QStringLiteral("unauthorized"), QStringLiteral("the account is gone"));
                   return HttpResponse::json({{QStringLiteral("id"), user.id},
                                              {QStringLiteral("email"), user.email},
                                              {QStringLiteral("display_name"), user.displayName},
                                              {QStringLiteral("created_at"), user.createdAt}});
               }));
    router.add("POST", base + QStringLiteral("/devices/register"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return registerDevice(backend, caller, request);
               }));
    router.add("GET", base + QStringLiteral("/devices"), requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &) {
                   QJsonArray list;
                   QString error;
                   if (!backend.devices.list(caller.userId, &list, &error))
                       return internalError("listing devices", error);
                   return HttpResponse::json({{QStringLiteral("devices"), list}});
               }));
    router.add("DELETE", base + QStringLiteral("/devices/{}"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   QString error;
                   if (backend.devices.remove(caller.userId, request.captures.value(0), &error))
                       return HttpResponse::json({{QStringLiteral("deleted"), true}});
                   if (!error.isEmpty())
                       return internalError("removing a device", error);
                   return HttpResponse::error(404, QStringLiteral("not_found"), QStringLiteral("no such device"));
               }));
}

} // namespace QuilletServer
