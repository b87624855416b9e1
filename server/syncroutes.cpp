// The sync API: push a batch of changes, pull what changed after a cursor.
#include "server/backend.h"
#include "server/router.h"
#include "server/routes.h"

namespace QuilletServer {

namespace {

HttpResponse badRequest(const QString &problem)
{
    return HttpResponse::error(400, QStringLiteral("bad_request"), problem);
}

HttpResponse storeFailure(const char *what, const QString &error)
{
    qWarning("%s failed: %s", what, qPrintable(error));
    return HttpResponse::error(503, QStringLiteral("store_unavailable"),
                               QStringLiteral("the server could not read the changes; try again later"));
}

HttpResponse push(Backend &backend, const Caller &caller, const HttpRequest &request)
{
    QList<Change> changes;
    QString problem;
    if (!parsePushRequest(request.body, &changes, &problem))
        return badRequest(problem);
    auto reply = std::make_shared<PendingReply>();
    backend.pushes.enqueue(caller.userId, std::move(changes), reply);
    return HttpResponse::later(reply);
}

HttpResponse pull(Backend &backend, const Caller &caller, const HttpRequest &request)
{
    SyncCursor cursor;
    if (!SyncCursor::fromText(request.queryValue(QStringLiteral("cursor")), &cursor))
        return badRequest(QStringLiteral("cursor is not one this server handed out"));
    int limit = SyncStore::kDefaultPullLimit;
    if (request.query.hasQueryItem(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.queryValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit < 1)
            return badRequest(QStringLiteral("limit must be a whole number of at least 1"));
        limit = std::min(limit, int(SyncStore::kMaxPullLimit));
    }
    QJsonObject reply;
    QString error;
    if (!backend.sync.pull(caller.userId, cursor, limit, &reply, &error))
        return storeFailure("pull", error);
    return HttpResponse::json(reply);
}

} // namespace

void addSyncRoutes(Router &router, Backend &backend)
{
    const QString base = QStringLiteral("/quillet/v1/sync");
    router.add("POST", base + QStringLiteral("/push"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return push(backend, caller, request);
               }));
    router.add("GET", base + QStringLiteral("/pull"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return pull(backend, caller, request);
               }));
}

} // namespace QuilletServer
