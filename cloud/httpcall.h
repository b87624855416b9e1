#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QNetworkRequest;
class QUrl;

namespace LarkAccount {

// The answer to one request: ok for a 2xx status; status 0 when no HTTP
// answer came (no connection, time-out); the body when it was a JSON object.
struct HttpResult {
    bool ok = false;
    int status = 0;
    QJsonObject body;
    QString networkError;  // set when status is 0
    QByteArray data;       // the body as it came
    QString contentType;   // its Content-Type header

    // The service's own words for a failure ("message", "error_description"
    // or "error"), else the network error, else "HTTP <status>".
    QString errorText() const;
};

using HttpDone = std::function<void(const HttpResult &)>;
using FormFields = QList<QPair<QString, QString>>;

namespace Http {

// Sends the request and calls done exactly once, from the event loop; a
// request without an answer within timeoutMs ends with status 0.
void send(QNetworkAccessManager *manager, QNetworkRequest request, const QByteArray &verb, const QByteArray &body,
          int timeoutMs, QObject *context, HttpDone done);
// An application/x-www-form-urlencoded POST, as the sign-in endpoints take.
void postForm(QNetworkAccessManager *manager, const QUrl &url, const FormFields &fields, int timeoutMs,
              QObject *context, HttpDone done);

} // namespace Http
} // namespace LarkAccount
