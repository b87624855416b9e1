#include "httpclient.h"

#include <QBuffer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

QJsonObject HttpReply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

HttpClient::HttpClient(const QUrl &base)
    : m_base(base)
{
}

HttpReply HttpClient::send(const QByteArray &method, const QString &pathAndQuery, const QByteArray &body,
                           const QByteArray &contentType, const QString &bearer)
{
    QNetworkRequest request(m_base.resolved(QUrl(pathAndQuery)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!contentType.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    if (!bearer.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + bearer.toUtf8());
    for (auto it = m_headers.cbegin(); it != m_headers.cend(); ++it)
        request.setRawHeader(it.key(), it.value());
    QBuffer *buffer = nullptr;
    if (!body.isEmpty() || method == "POST") {
        buffer = new QBuffer;
        buffer->setData(body);
        buffer->open(QIODevice::ReadOnly);
    }
    QNetworkReply *reply = m_manager.sendCustomRequest(request, method, buffer);
    if (buffer)
        buffer->setParent(reply);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    HttpReply out;
    out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.body = reply->readAll();
    const auto pairs = reply->rawHeaderPairs();
    for (const auto &pair : pairs)
        out.headers.insert(pair.first.toLower(), pair.second);
    reply->deleteLater();
    return out;
}

HttpReply HttpClient::get(const QString &pathAndQuery, const QString &bearer)
{
    return send("GET", pathAndQuery, {}, {}, bearer);
}

HttpReply HttpClient::postJson(const QString &path, const QJsonObject &body, const QString &bearer)
{
    return send("POST", path, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json", bearer);
}

HttpReply HttpClient::postForm(const QString &path, const FormFields &fields, const QString &bearer)
{
    return send("POST", path, formBody(fields), "application/x-www-form-urlencoded", bearer);
}

QByteArray HttpClient::formBody(const FormFields &fields)
{
    QByteArrayList parts;
    for (const auto &field : fields)
        parts.append(QUrl::toPercentEncoding(field.first) + '=' + QUrl::toPercentEncoding(field.second));
    return parts.join('&');
}
