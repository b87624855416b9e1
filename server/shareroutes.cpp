// Sharing an account: who shares it, add or change a member, remove one.
// The account is named by its server id.
#include "server/backend.h"
#include "server/router.h"
#include "server/routes.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace QuilletServer {

namespace {

QJsonObject personJson(const AccountShares::Person &person)
{
    return {{QStringLiteral("user_id"), person.userId},
            {QStringLiteral("email"), person.email},
            {QStringLiteral("display_name"), person.displayName}};
}

QJsonObject listingJson(const AccountShares::Listing &listing)
{
    QJsonArray members;
    for (const AccountShares::Member &member : listing.members) {
        QJsonObject m = personJson(member.person);
        m.insert(QStringLiteral("role"), member.role);
        m.insert(QStringLiteral("created_at"), member.createdAt);
        members.append(m);
    }
    QJsonArray candidates;
    for (const AccountShares::Person &person : listing.candidates)
        candidates.append(personJson(person));
    return {{QStringLiteral("members"), members},
            {QStringLiteral("owner"), personJson(listing.owner)},
            {QStringLiteral("role"), listing.callerRole},
            {QStringLiteral("candidates"), candidates}};
}

HttpResponse refusal(AccountShares::Outcome outcome, const QString &error)
{
    using O = AccountShares::Outcome;
    switch (outcome) {
    case O::Ok:
        break;
    case O::NoAccount:
        return HttpResponse::error(404, QStringLiteral("not_found"), QStringLiteral("no such account"));
    case O::NotOwner:
        return HttpResponse::error(403, QStringLiteral("forbidden"),
                                   QStringLiteral("only the account's owner can share it or end a share"));
    case O::NotShared:
        return HttpResponse::error(403, QStringLiteral("forbidden"),
                                   QStringLiteral("this account is not shared with you"));
    case O::NotInGroup:
        return HttpResponse::error(403, QStringLiteral("forbidden"),
                                   QStringLiteral("only members of your family group can be added"));
    case O::NoSuchMember:
        return HttpResponse::error(404, QStringLiteral("not_found"),
                                   QStringLiteral("the account is not shared with that user"));
    case O::Failed:
        break;
    }
    qWarning("sharing failed: %s", qPrintable(error));
    return HttpResponse::error(503, QStringLiteral("store_unavailable"),
                               QStringLiteral("the server could not complete this; try again later"));
}

// The listing after a change, as GET answers it.
HttpResponse listing(Backend &backend, const Caller &caller, const QString &account)
{
    AccountShares::Listing out;
    QString error;
    const AccountShares::Outcome outcome = backend.shares.list(caller.userId, account, &out, &error);
    if (outcome != AccountShares::Outcome::Ok)
        return refusal(outcome, error);
    return HttpResponse::json(listingJson(out));
}

HttpResponse share(Backend &backend, const Caller &caller, const HttpRequest &request)
{
    const QJsonDocument doc = QJsonDocument::fromJson(request.body);
    if (!doc.isObject())
        return HttpResponse::error(400, QStringLiteral("bad_request"), QStringLiteral("the body must be a JSON object"));
    const QJsonObject body = doc.object();
    const QString memberId = body.value(QStringLiteral("user_id")).toString();
    const QString role = body.value(QStringLiteral("role")).toString();
    if (memberId.isEmpty())
        return HttpResponse::error(400, QStringLiteral("bad_request"), QStringLiteral("user_id is missing"));
    if (!AccountShares::isRole(role))
        return HttpResponse::error(400, QStringLiteral("bad_request"),
                                   QStringLiteral("role must be \"viewer\" or \"editor\""));
    if (memberId == caller.userId)
        return HttpResponse::error(400, QStringLiteral("bad_request"),
                                   QStringLiteral("an account cannot be shared with its owner"));
    const QString account = request.captures.value(0);
    QString error;
    const AccountShares::Outcome outcome = backend.shares.share(caller.userId, account, memberId, role, &error);
    if (outcome != AccountShares::Outcome::Ok)
        return refusal(outcome, error);
    return listing(backend, caller, account);
}

HttpResponse unshare(Backend &backend, const Caller &caller, const HttpRequest &request)
{
    const QString account = request.captures.value(0);
    QString error;
    const AccountShares::Outcome outcome =
        backend.shares.unshare(caller.userId, account, request.captures.value(1), &error);
    if (outcome != AccountShares::Outcome::Ok)
        return refusal(outcome, error);
    return listing(backend, caller, account);
}

} // namespace

void addShareRoutes(Router &router, Backend &backend)
{
    const QString base = QStringLiteral("/quillet/v1/accounts/{}");
    router.add("GET", base + QStringLiteral("/members"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return listing(backend, caller, request.captures.value(0));
               }));
    router.add("POST", base + QStringLiteral("/share"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return share(backend, caller, request);
               }));
    router.add("DELETE", base + QStringLiteral("/share/{}"),
               requireCaller(backend, [&backend](const Caller &caller, const HttpRequest &request) {
                   return unshare(backend, caller, request);
               }));
}

} // namespace QuilletServer
