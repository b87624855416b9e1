#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>

namespace QuilletServer {

class Router;

// The HTTP front: turns Qt's requests into HttpRequest, asks the router, and
// writes the answer. Bodies over the limit are refused before any route sees
// them; a connection that keeps sending past twice the limit for one request
// is answered and closed, so that nobody can fill the server's memory.
class HttpServer : public QAbstractHttpServer
{
public:
    HttpServer(const Router &router, qint64 maxBodyBytes, QObject *parent = nullptr);

    // The port listened on (the chosen one when asked for 0), or 0 with *error.
    quint16 listenOn(const QHostAddress &address, quint16 port, QString *error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    const Router &m_router;
    qint64 m_maxBody;
};

} // namespace QuilletServer
