#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

#include <functional>
#include <memory>
#include <optional>

namespace QuilletServer {

// A request as the routes see it: header names in lower case, the path
// decoded, captures filled by the router for "{}" segments.
struct HttpRequest {
    QByteArray method;
    QString path;
    QUrlQuery query;
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;
    QHostAddress peer;
    QStringList captures;

    QByteArray header(const QByteArray &lowerName) const { return headers.value(lowerName); }
    QString queryValue(const QString &key) const { return query.queryItemValue(key, QUrl::FullyDecoded); }
    bool isJson() const;
    // The token of "Authorization: Bearer <token>", or empty.
    QString bearerToken() const;
    // The value of a cookie the browser sent, or empty.
    QString cookie(const QByteArray &name) const;
    // The fields of a form post (application/x-www-form-urlencoded) or of a
    // JSON object whose members are all strings. False with the first problem.
    bool fields(QHash<QString, QString> *out, QString *problem) const;
};

class PendingReply;

struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    // Set when the answer comes later, through this object.
    std::shared_ptr<PendingReply> pending;

    static HttpResponse later(std::shared_ptr<PendingReply> pending);

    static HttpResponse json(const QJsonObject &object, int status = 200);
    // {"error": code, "message": message}: every failure of the JSON endpoints.
    static HttpResponse error(int status, const QString &code, const QString &message);
    static HttpResponse html(const QString &page, int status = 200);
    static HttpResponse seeOther(const QByteArray &location);
    static HttpResponse withRetryAfter(HttpResponse response, qint64 seconds);

    HttpResponse &withHeader(const QByteArray &name, const QByteArray &value)
    {
        headers.append({name, value});
        return *this;
    }
};

// An answer a route gives later, from the event loop. The HTTP front says
// where it goes; whichever of the two comes second sends it.
class PendingReply
{
public:
    using Deliver = std::function<void(const HttpResponse &)>;
    void complete(const HttpResponse &response);
    void attach(Deliver deliver);

private:
    std::optional<HttpResponse> m_response;
    Deliver m_deliver;
};

} // namespace QuilletServer
