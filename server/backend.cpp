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

Backend::Checked Backend::checkCredentials(const HttpRequest &request, const QString &email, const QString &password,
                                           User *user, qint64 *retryAfter)
{
    const QString normalised = Users::normaliseEmail(email);
    QStringList keys = {QStringLiteral("address:") + request.peer.toString()};
    // No account has an address that is none, however long: its failures
    // count against the caller's address alone, and nothing keeps its text.
    QString accountKey;
    if (Users::emailProblem(normalised).isEmpty()) {
        accountKey = QStringLiteral("account:") + normalised;
        keys.append(accountKey);
    }
    const qint64 now = context.nowSecs();
    *retryAfter = throttle.retryAfter(keys, now);
    if (*retryAfter > 0)
        return Checked::Throttled;
    if (!users.verify(email, password, user)) {
        throttle.recordFailure(keys, now);
        return Checked::Wrong;
    }
    throttle.forget(accountKey);
    return Checked::Ok;
}

void Backend::purgeExpired()
{
    sessions.purgeExpired();
    codes.purgeExpired();
    deviceGrants.purgeExpired();
    throttle.purge(context.nowSecs());
}

} // namespace QuilletServer
