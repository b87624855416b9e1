#pragma once

#include "server/accountshares.h"
#include "server/appdevices.h"
#include "server/authcodes.h"
#include "server/devicegrants.h"
#include "server/familygroups.h"
#include "server/pushqueue.h"
#include "server/sessions.h"
#include "server/syncstore.h"
#include "server/throttle.h"
#include "server/users.h"

namespace QuilletServer {

struct HttpRequest;
struct HttpResponse;
struct ServerContext;

// Everything the routes work with, over one store.
class Backend
{
public:
    explicit Backend(ServerContext &context);

    ServerContext &context;
    Users users;
    Sessions sessions;
    AuthCodes codes;
    DeviceGrants deviceGrants;
    AppDevices devices;
    FamilyGroups family;
    SyncStore sync;
    AccountShares shares;
    PushQueue pushes;
    Throttle throttle;

    // For the API routes: true with the caller of a valid bearer token,
    // otherwise false with the 401 answer in *denied.
    bool authorize(const HttpRequest &request, Caller *caller, HttpResponse *denied);

    enum class Checked { Ok, Wrong, Throttled };
    // A password check of the browser pages, counted by the failed-sign-in
    // throttle under the account and the caller's address.
    Checked checkCredentials(const HttpRequest &request, const QString &email, const QString &password, User *user,
                             qint64 *retryAfter);
    void purgeExpired();
};

} // namespace QuilletServer
