#include "server/http.h"

#include <QJsonDocument>
#include <QJsonValue>

namespace QuilletServer {

bool HttpRequest::isJson() const
{
    return header("content-type").trimmed().toLower().startsWith("application/json");
}

QString HttpRequest::bearerToken() const
{
    const QByteArray value = header("authorization").trimmed();
    if (value.size() < 8 || value.left(7).toLower() != "bearer ")
        return {};
    return QString::fromLatin1(value.mid(7).trimmed());
}

QString HttpRequest::cookie(const QByteArray &name) const
{
    const QList<QByteArray> pairs = header("cookie").split(';');
    for (const QByteArray &pair : pairs) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0 && pair.left(equals).trimmed() == name)
            return QString::fromLatin1(pair.mid(equals + 1).trimmed());
    }
    return {};
}

bool HttpRequest::fields(QHash<QString, QString> *out, QString *problem) const
{
    out->clear();
    if (isJson()) {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(body, &parseError);
        if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
            *problem = QStringLiteral("the body is not a JSON object");
            return false;
        }
        const QJsonObject object = doc.object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!it.value().isString()) {
                *problem = QStringLiteral("%1 must be a string").arg(it.key());
                return false;
            }
            out->insert(it.key(), it.value().toString());
        }
        return true;
    }
    // In a form body "+" stands for a space; a real "+" arrives as %2B.
    QByteArray form = body;
    form.replace('+', ' ');
    const QUrlQuery formQuery(QString::fromUtf8(form));
    const auto items = formQuery.queryItems(QUrl::FullyDecoded);
    for (const auto &item : items) {
        if (!out->contains(item.first))
            out->insert(item.first, item.second);
    }
    return true;
}

HttpResponse HttpResponse::json(const QJsonObject &object, int status)
{
    HttpResponse r;
    r.status = status;
    r.contentType = "application/json";
    r.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return r;
}

HttpResponse HttpResponse::error(int status, const QString &code, const QString &message)
{
    return json({{QStringLiteral("error"), code}, {QStringLiteral("message"), message}}, status);
}

HttpResponse HttpResponse::html(const QString &page, int status)
{
    HttpResponse r;
    r.status = status;
    r.contentType = "text/html; charset=utf-8";
    r.body = page.toUtf8();
    // No scripts, no framing, nothing loaded from elsewhere.
    r.withHeader("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; frame-ancestors 'none'")
        .withHeader("X-Frame-Options", "DENY")
        .withHeader("Referrer-Policy", "no-referrer");
    return r;
}

HttpResponse HttpResponse::seeOther(const QByteArray &location)
{
    HttpResponse r;
    r.status = 303;
    r.contentType = "text/plain; charset=utf-8";
    r.withHeader("Location", location).withHeader("Referrer-Policy", "no-referrer");
    return r;
}

HttpResponse HttpResponse::withRetryAfter(HttpResponse response, qint64 seconds)
{
    response.withHeader("Retry-After", QByteArray::number(seconds));
    return response;
}

HttpResponse HttpResponse::later(std::shared_ptr<PendingReply> pending)
{
    HttpResponse r;
    r.pending = std::move(pending);
    return r;
}

void PendingReply::complete(const HttpResponse &response)
{
    if (m_deliver)
        m_deliver(response);
    else
        m_response = response;
}

void PendingReply::attach(Deliver deliver)
{
    if (m_response)
        deliver(*m_response);
    else
        m_deliver = std::move(deliver);
}

} // namespace QuilletServer
