#pragma once

#include "server/http.h"

#include <functional>
#include <vector>

namespace QuilletServer {

// Method and path to handler. A "{}" segment in a pattern matches any one
// non-empty segment and is handed to the handler in request.captures.
class Router
{
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    void add(const QByteArray &method, const QString &pattern, Handler handler);
    // 404 for an unknown path, 405 (with Allow) for a known path and another method.
    HttpResponse dispatch(HttpRequest &request) const;

private:
    struct Route {
        QByteArray method;
        QStringList segments;
        Handler handler;
    };
    static bool matches(const Route &route, const QStringList &segments, QStringList *captures);
    std::vector<Route> m_routes;
};

} // namespace QuilletServer
