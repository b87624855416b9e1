#include "server/router.h"

namespace QuilletServer {

namespace {

QStringList splitPath(const QString &path)
{
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

void Router::add(const QByteArray &method, const QString &pattern, Handler handler)
{
    m_routes.push_back({method, splitPath(pattern), std::move(handler)});
}

bool Router::matches(const Route &route, const QStringList &segments, QStringList *captures)
{
    if (route.segments.size() != segments.size())
        return false;
    captures->clear();
    for (int i = 0; i < segments.size(); ++i) {
        if (route.segments.at(i) == QLatin1String("{}"))
            captures->append(segments.at(i));
        else if (route.segments.at(i) != segments.at(i))
            return false;
    }
    return true;
}

HttpResponse Router::dispatch(HttpRequest &request) const
{
    const QStringList segments = splitPath(request.path);
    QByteArrayList allowed;
    for (const Route &route : m_routes) {
        QStringList captures;
        if (!matches(route, segments, &captures))
            continue;
        if (route.method != request.method) {
            allowed.append(route.method);
            continue;
        }
        request.captures = captures;
        return route.handler(request);
    }
    if (!allowed.isEmpty()) {
        return HttpResponse::error(405, QStringLiteral("method_not_allowed"),
                                   QStringLiteral("%1 is not allowed here").arg(QString::fromLatin1(request.method)))
            .withHeader("Allow", allowed.join(", "));
    }
    return HttpResponse::error(404, QStringLiteral("not_found"), QStringLiteral("no such resource"));
}

} // namespace QuilletServer
