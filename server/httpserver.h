#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QList>

class QElapsedTimer;
class QHttpServerResponder;

namespace QuilletServer {

class Router;
struct HttpResponse;

// The HTTP front: turns Qt's requests into HttpRequest, asks the router, and
// writes the answer. Bodies over the limit are refused before any route sees
// them; a connection that keeps sending past twice the limit for one request
// is answered and closed, so that nobody can fill the server's memory.
class HttpServer : public QAbstractHttpServer
{
public:
    HttpServer(const Router &router, qint64 maxBodyBytes, const QList<QHostAddress> &trustedProxies,
               QObject *parent = nullptr);

    // The port listened on (the chosen one when asked for 0), or 0 with *error.
    quint16 listenOn(const QHostAddress &address, quint16 port, QString *error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    static void writeResponse(QHttpServerResponder &responder, const HttpResponse &response);
    static void logRequest(const QByteArray &method, const QString &path, int status, const QElapsedTimer &timer);
    const Router &m_router;
    qint64 m_maxBody;
    QList<QHostAddress> m_trustedProxies;
};

} // namespace QuilletServer
