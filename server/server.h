#pragma once

#include "server/serverconfig.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <memory>

namespace QuilletServer {

class Backend;
class HttpServer;
class Router;
class Store;
struct DatabaseTarget;

// The whole service in one object: store, backend, routes and the HTTP
// front, all on the thread's event loop.
class Server : public QObject
{
public:
    explicit Server(const ServerConfig &config, QObject *parent = nullptr);
    ~Server() override;

    // Opens the store and brings its schema up to date.
    bool open(const DatabaseTarget &target, QString *error);
    // The port listened on (the chosen one for 0), or 0 with *error.
    quint16 listen(const QHostAddress &address, quint16 port, QString *error);

    ServerContext &context() { return m_context; }
    Backend &backend() { return *m_backend; }

    // The environment lines that point the app at a server with this base URL.
    static QStringList environmentLines(const QString &baseUrl, const ServerConfig &config);

private:
    ServerContext m_context;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<Backend> m_backend;
    std::unique_ptr<Router> m_router;
    HttpServer *m_http = nullptr;
    QTimer m_maintenance;
};

} // namespace QuilletServer
