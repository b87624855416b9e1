#include "server/backend.h"
#include "server/http.h"
#include "server/serverconfig.h"

namespace QuilletServer {

Backend::Backend(ServerContext &ctx)
    : context(ctx)
    , users(ctx)
    , sessions(ctx)
    , codes(ctx, sessions)
    , deviceGrants(ctx)
    , devices(ctx)
    , family(ctx)
    , sync(ctx)
    , shares(ctx, family)
    , pushes(sync)
{
    // Shares live within a family group: whoever leaves it ends theirs.
    family.setMemberLeaving([this](const QString &, const QString &userId, QString *error) {
        return shares.endSharesOf(userId, error);
    });
}

bool Backend::authorize(const HttpRequest &request, Caller *caller, HttpResponse *denied)
{
    if (sessions.authenticate(request.bearerToken(), caller))
        return true;
    *denied = HttpResponse::error(401, QStringLiteral("unauthorized"),
                                  request.bearerToken().isEmpty()
                                      ? QStringLiteral("an Authorization: Bearer token is required")
                                      : QStringLiteral("the access token is not valid or has expired"));
    denied->withHeader("WWW-Authenticate", "Bearer realm=\"" + context.config.realm.toUtf8() + "\"");
    return false;
}

void Backend::purgeExpired()
{
    sessions.purgeExpired();
    codes.purgeExpired();
    deviceGrants.purgeExpired();
    throttle.purge(context.nowSecs());
}

} // namespace QuilletServer
