// Release downloads: the update checker's "latest.json" and whatever it points at.
#include "server/backend.h"
#include "server/router.h"
#include "server/routes.h"
#include "server/serverconfig.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace QuilletServer {

namespace {

constexpr qint64 kMaxServedFile = 64 * 1024 * 1024;

bool isPlainName(const QString &segment)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,127}$"));
    return pattern.match(segment).hasMatch() && !segment.contains(QStringLiteral(".."));
}

// Release notes beside a manifest are read by the app as text; installers
// and anything else go out as bytes.
QByteArray contentTypeOf(const QString &name)
{
    const QString suffix = name.section(QLatin1Char('.'), -1).toLower();
    if (suffix == QLatin1String("md"))
        return "text/markdown; charset=utf-8";
    if (suffix == QLatin1String("txt"))
        return "text/plain; charset=utf-8";
    if (suffix == QLatin1String("html"))
        return "text/html; charset=utf-8";
    if (suffix == QLatin1String("json"))
        return "application/json";
    return "application/octet-stream";
}

HttpResponse notFound()
{
    return HttpResponse::error(404, QStringLiteral("not_found"), QStringLiteral("no such release file"));
}

HttpResponse download(const ServerConfig &config, const HttpRequest &request)
{
    if (config.releasesDir.isEmpty())
        return notFound();
    for (const QString &segment : request.captures) {
        if (!isPlainName(segment))
            return notFound();
    }
    const QString path = QDir(config.releasesDir).filePath(request.captures.join(QLatin1Char('/')));
    QFile file(path);
    if (!file.exists())
        return notFound();
    if (file.size() > kMaxServedFile || !file.open(QIODevice::ReadOnly)) {
        qWarning("releases: cannot serve %s (unreadable or over 64 MiB)", qPrintable(path));
        return notFound();
    }
    HttpResponse response;
    response.body = file.readAll();
    if (request.captures.last() != QLatin1String("latest.json")) {
        response.contentType = contentTypeOf(request.captures.last());
        return response;
    }
    // A broken manifest is the operator's mistake: say so instead of handing
    // every app something it cannot read.
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(response.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()
        || !doc.object().value(QStringLiteral("version")).isString()) {
        qWarning("releases: %s is not a manifest (a JSON object with a \"version\")", qPrintable(path));
        return HttpResponse::error(500, QStringLiteral("manifest_invalid"),
                                   QStringLiteral("the release manifest on this server is broken"));
    }
    response.contentType = "application/json";
    return response;
}

} // namespace

void addReleaseRoutes(Router &router, Backend &backend)
{
    router.add("GET", QStringLiteral("/downloads/{}/{}/{}"), [&backend](const HttpRequest &request) {
        return download(backend.context.config, request);
    });
}

} // namespace QuilletServer
