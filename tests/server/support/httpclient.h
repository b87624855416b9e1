#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <QUrl>

struct HttpReply {
    int status = 0;
    QByteArray body;
    QHash<QByteArray, QByteArray> headers;  // lower-case names

    QJsonObject json() const;
    QByteArray header(const QByteArray &lowerName) const { return headers.value(lowerName); }
};

using FormFields = QList<QPair<QString, QString>>;

// Real HTTP requests through QNetworkAccessManager. Each call waits for its
// reply in a local event loop, which also runs the in-process server.
// Redirects are not followed, so a test sees the 303 itself.
class HttpClient
{
public:
    explicit HttpClient(const QUrl &base);

    HttpReply send(const QByteArray &method, const QString &pathAndQuery, const QByteArray &body = {},
                   const QByteArray &contentType = {}, const QString &bearer = {});
    HttpReply get(const QString &pathAndQuery, const QString &bearer = {});
    HttpReply postJson(const QString &path, const QJsonObject &body, const QString &bearer = {});
    HttpReply postForm(const QString &path, const FormFields &fields, const QString &bearer = {});

    // Sent with every later request.
    void setHeader(const QByteArray &name, const QByteArray &value) { m_headers.insert(name, value); }

    static QByteArray formBody(const FormFields &fields);
    QUrl base() const { return m_base; }

private:
    QUrl m_base;
    QNetworkAccessManager m_manager;
    QHash<QByteArray, QByteArray> m_headers;
};
