#pragma once

#include "server/familygroups.h"
#include "server/portalpages.h"
#include "server/router.h"

#include <QHash>

namespace QuilletServer {

class Backend;

// A signed-in browser's request to an account page.
struct PortalVisit {
    Caller caller;
    PortalView view;                 // the user and the form token
    QHash<QString, QString> fields;  // a post's form
};

// The account pages' routes wrap their handlers: a browser without a live
// session is sent to the sign-in page, and a post without the session's form
// token is refused with 403 before the handler runs.
namespace Portal {

using Handler = std::function<HttpResponse(const PortalVisit &, const HttpRequest &)>;
Router::Handler page(Backend &backend, Handler handler);
Router::Handler post(Backend &backend, Handler handler);

// After a change: 303 to the page, which then shows the notice named by done.
HttpResponse done(const QString &page, const QString &done);
HttpResponse storeFailed(const Backend &backend, const char *what, const QString &error);
int statusOf(FamilyGroups::Outcome outcome);

void addFamilyRoutes(Router &router, Backend &backend);

} // namespace Portal
} // namespace QuilletServer
