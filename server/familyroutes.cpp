// The account pages' family group: create one, invite by email, answer an
// invitation, leave, and (for the owner) withdraw invitations and remove members.
#include "server/backend.h"
#include "server/pages.h"
#include "server/portal.h"
#include "server/serverconfig.h"

namespace QuilletServer::Portal {

namespace {

HttpResponse familyPage(Backend &backend, const PortalVisit &visit, int status = 200)
{
    FamilyView view;
    QString error;
    view.inGroup = backend.family.groupOf(visit.caller.userId, &view.group, &error);
    if (!error.isEmpty()
        || (view.inGroup
            && (!backend.family.members(view.group.id, &view.members, &error)
                || !backend.family.invitationsSent(view.group.id, &view.sent, &error)))
        || !backend.family.invitationsFor(visit.caller.userId, &view.received, &error))
        return storeFailed(backend, "showing the family group", error);
    return HttpResponse::html(PortalPages::family(backend.context.config, visit.view, view), status);
}

struct Action {
    const char *name;
    const char *done;
    std::function<FamilyGroups::Result(FamilyGroups &, const QString &userId, const QHash<QString, QString> &)> run;
};

QString value(const QHash<QString, QString> &fields, const char *name)
{
    return fields.value(QLatin1String(name));
}

const std::vector<Action> &actions()
{
    static const std::vector<Action> all = {
        {"create", "created", [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) { return f.create(u, value(v, "name")); }},
        {"invite", "invited", [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) { return f.invite(u, value(v, "email")); }},
        {"accept", "accepted",
         [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) { return f.accept(u, value(v, "invitation_id")); }},
        {"decline", "declined",
         [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) { return f.decline(u, value(v, "invitation_id")); }},
        {"cancel", "cancelled",
         [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) {
             return f.cancelInvitation(u, value(v, "invitation_id"));
         }},
        {"leave", "left", [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &) { return f.leave(u); }},
        {"remove", "removed",
         [](FamilyGroups &f, const QString &u, const QHash<QString, QString> &v) { return f.removeMember(u, value(v, "user_id")); }},
    };
    return all;
}

HttpResponse familyPost(Backend &backend, PortalVisit visit, const QString &actionName)
{
    for (const Action &action : actions()) {
        if (actionName != QLatin1String(action.name))
            continue;
        const FamilyGroups::Result result = action.run(backend.family, visit.caller.userId, visit.fields);
        if (result.ok())
            return done(QStringLiteral("family"), QLatin1String(action.done));
        visit.view.error = result.message;
        return familyPage(backend, visit, statusOf(result.outcome));
    }
    return HttpResponse::html(Pages::notice(backend.context.config, QStringLiteral("No such page"),
                              QStringLiteral("There is nothing to do at this address.")),
                404);
}

} // namespace

void addFamilyRoutes(Router &router, Backend &backend)
{
    router.add("GET", QStringLiteral("/account/family"),
               page(backend, [&backend](const PortalVisit &visit, const HttpRequest &) { return familyPage(backend, visit); }));
    router.add("POST", QStringLiteral("/account/family/{}"),
               post(backend, [&backend](const PortalVisit &visit, const HttpRequest &request) {
                   return familyPost(backend, visit, request.captures.value(0));
               }));
}

} // namespace QuilletServer::Portal
