#pragma once

#include "server/router.h"
#include "server/sessions.h"

namespace QuilletServer {

class Backend;

// A handler that runs only for a valid bearer token; others get the 401.
using CallerHandler = std::function<HttpResponse(const Caller &, const HttpRequest &)>;
Router::Handler requireCaller(Backend &backend, CallerHandler handler);

// Each group of routes registers itself; handlers stay thin and leave the
// work to the backend.
void addSignInRoutes(Router &router, Backend &backend);    // HTML pages below "/<realm>"
void addTokenRoutes(Router &router, Backend &backend);     // "/auth/..."
void addAccountRoutes(Router &router, Backend &backend);   // "/account/v1/..."
void addSyncRoutes(Router &router, Backend &backend);      // "/quillet/v1/sync/..."
void addReleaseRoutes(Router &router, Backend &backend);   // "/downloads/..."
void addPortalRoutes(Router &router, Backend &backend);    // "/" and the account pages below "/account/"
void addShareRoutes(Router &router, Backend &backend);     // "/quillet/v1/accounts/..."

} // namespace QuilletServer
