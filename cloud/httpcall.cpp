#include "cloud/httpcall.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace LarkAccount {

QString HttpResult::errorText() const
{
    for (const char *key : {"message", "error_description", "error"}) {
        const QString text = body.value(QLatin1String(key)).toString();
        if (!text.isEmpty())
            return text;
    }
    if (status == 0)
        return networkError.isEmpty() ? QStringLiteral("no answer from the server") : networkError;
    return QStringLiteral("HTTP %1").arg(status);
}

namespace {

// The connection failed (refused, dropped, timed out, cancelled, proxy
// trouble), as opposed to an HTTP answer with an error status.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    return error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

} // namespace

namespace Http {

void send(QNetworkAccessManager *manager, QNetworkRequest request, const QByteArray &verb, const QByteArray &body,
          int timeoutMs, QObject *context, HttpDone done)
{
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = body.isEmpty() && verb != "POST" && verb != "PUT" && verb != "PATCH"
                               ? manager->sendCustomRequest(request, verb)
                               : manager->sendCustomRequest(request, verb, body);
    // The whole exchange has timeoutMs, not each pause in it: a server that
    // trickles its answer is cut off as surely as a silent one.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply] {
        reply->setProperty("larkTimedOut", true);
        reply->abort();
    });
    deadline->start(timeoutMs);
    const QPointer<QObject> guard(context);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, guard, done = std::move(done)] {
        reply->deleteLater();
        if (!guard)
            return;
        HttpResult result;
        const bool timedOut = reply->property("larkTimedOut").toBool();
        // An answer cut off part-way is no answer, whatever its status line said.
        if (!timedOut && !isTransportFailure(reply->error()))
            result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (result.status != 0) {
            result.data = reply->readAll();
            result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
            const QJsonDocument doc = QJsonDocument::fromJson(result.data);
            if (doc.isObject())
                result.body = doc.object();
        } else {
            result.networkError = timedOut ? QStringLiteral("the server did not answer in time") : reply->errorString();
        }
        result.ok = result.status >= 200 && result.status < 300;
        done(result);
    });
}

void postForm(QNetworkAccessManager *manager, const QUrl &url, const FormFields &fields, int timeoutMs,
              QObject *context, HttpDone done)
{
    QByteArrayList parts;
    for (const auto &field : fields)
        parts.append(QUrl::toPercentEncoding(field.first) + '=' + QUrl::toPercentEncoding(field.second));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Accept", "application/json");
    send(manager, request, "POST", parts.join('&'), timeoutMs, context, std::move(done));
}

} // namespace Http
} // namespace LarkAccount
