#include "server/httpserver.h"
#include "server/router.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

Q_LOGGING_CATEGORY(lcServerHttp, "quillet.server.http")

namespace QuilletServer {

namespace {

// Counts the bytes of the request that is being read on each connection. It
// sees every chunk before the HTTP parser does, which keeps the whole
// unfinished request in memory until it is complete.
class GuardedTcpServer : public QTcpServer
{
public:
    GuardedTcpServer(qint64 connectionLimit, QObject *parent)
        : QTcpServer(parent)
        , m_limit(connectionLimit)
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        auto received = std::make_shared<qint64>(0);
        const qint64 limit = m_limit;
        connect(socket, &QTcpSocket::readyRead, socket, [socket, received, limit] {
            // The parser reads inside a socket transaction until a request is
            // complete, so no transaction means a new request starts here.
            if (!socket->isTransactionStarted())
                *received = 0;
            *received += socket->bytesAvailable();
            if (*received > limit)
                refuse(socket, limit);
        });
        addPendingConnection(socket);
    }

private:
    static void refuse(QTcpSocket *socket, qint64 limit)
    {
        qCWarning(lcServerHttp, "closing a connection from %s: request over %lld bytes",
                  qPrintable(socket->peerAddress().toString()), static_cast<long long>(limit));
        QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
        if (socket->isTransactionStarted())
            socket->commitTransaction();
        socket->readAll();
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("error"), QStringLiteral("bad_request")},
                                                          {QStringLiteral("message"),
                                                           QStringLiteral("the request body is larger than allowed")}})
                                    .toJson(QJsonDocument::Compact);
        socket->write("HTTP/1.1 400 Bad Request\r\nContent-Type: application/json\r\nConnection: close\r\n"
                      "Content-Length: "
                      + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    qint64 m_limit;
};

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    default:
        return "OTHER";
    }
}

} // namespace

HttpServer::HttpServer(const Router &router, qint64 maxBodyBytes, const QList<QHostAddress> &trustedProxies,
                       QObject *parent)
    : QAbstractHttpServer(parent)
    , m_router(router)
    , m_maxBody(maxBodyBytes)
    , m_trustedProxies(trustedProxies)
{
}

quint16 HttpServer::listenOn(const QHostAddress &address, quint16 port, QString *error)
{
    auto *tcp = new GuardedTcpServer(2 * m_maxBody, this);
    if (!tcp->listen(address, port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(address.toString()).arg(port).arg(tcp->errorString());
        delete tcp;
        return 0;
    }
    bind(tcp);
    return tcp->serverPort();
}

bool HttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QElapsedTimer timer;
    timer.start();
    HttpRequest req;
    req.method = methodName(request.method());
    req.path = request.url().path();
    req.query = request.query();
    const auto headers = request.headers();
    for (const auto &h : headers)
        req.headers.insert(h.first.toLower(), h.second);
    req.peer = request.remoteAddress();
    // Behind a proxy every request comes from the proxy; the client is the
    // last address the proxy added.
    if (m_trustedProxies.contains(req.peer)) {
        const QByteArrayList forwarded = req.header("x-forwarded-for").split(',');
        const QHostAddress client(QString::fromLatin1(forwarded.last().trimmed()));
        if (!client.isNull())
            req.peer = client;
    }

    HttpResponse response;
    if (request.body().size() > m_maxBody) {
        response = HttpResponse::error(400, QStringLiteral("bad_request"),
                                       QStringLiteral("the request body is larger than %1 MiB").arg(m_maxBody >> 20));
    } else {
        req.body = request.body();
        response = m_router.dispatch(req);
    }

    if (!response.pending) {
        QHttpServerResponder responder = makeResponder(request, socket);
        writeResponse(responder, response);
        logRequest(req.method, req.path, response.status, timer);
        return true;
    }
    // The socket may be gone by the time the answer is ready.
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    QPointer<QTcpSocket> alive(socket);
    response.pending->attach([responder, alive, method = req.method, path = req.path, timer](const HttpResponse &later) {
        if (alive && alive->state() == QAbstractSocket::ConnectedState)
            writeResponse(*responder, later);
        logRequest(method, path, later.status, timer);
    });
    return true;
}

void HttpServer::writeResponse(QHttpServerResponder &responder, const HttpResponse &response)
{
    responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(response.status));
    if (!response.contentType.isEmpty())
        responder.writeHeader("Content-Type", response.contentType);
    responder.writeHeader("Content-Length", QByteArray::number(response.body.size()));
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Cache-Control", "no-store");
    for (const auto &h : std::as_const(response.headers))
        responder.writeHeader(h.first, h.second);
    responder.writeBody(response.body);
}

void HttpServer::logRequest(const QByteArray &method, const QString &path, int status, const QElapsedTimer &timer)
{
    // The path only: query strings carry sign-in state and codes.
    qCInfo(lcServerHttp, "%s %s %d %lld ms", method.constData(), qPrintable(path), status,
           static_cast<long long>(timer.elapsed()));
}

void HttpServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.write(QJsonDocument(QJsonObject{{QStringLiteral("error"), QStringLiteral("not_found")}}),
                    QHttpServerResponder::StatusCode::NotFound);
}

} // namespace QuilletServer
