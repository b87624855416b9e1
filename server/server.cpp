#include "server/server.h"
#include "server/backend.h"
#include "server/httpserver.h"
#include "server/router.h"
#include "server/routes.h"
#include "server/store.h"

#include <atomic>

namespace QuilletServer {

namespace {
QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quillet-server-%1").arg(++counter);
}
} // namespace

Server::Server(const ServerConfig &config, QObject *parent)
    : QObject(parent)
{
    m_context.config = config;
}

Server::~Server()
{
    delete m_http;
    m_router.reset();
    m_backend.reset();
    m_store.reset();
}

bool Server::open(const DatabaseTarget &target, QString *error)
{
    if (!Secrets::initialise()) {
        *error = QStringLiteral("libsodium could not be initialised");
        return false;
    }
    m_store = std::make_unique<Store>(nextConnectionName());
    if (!m_store->open(target, error) || !m_store->migrate(error))
        return false;
    m_context.store = m_store.get();
    m_backend = std::make_unique<Backend>(m_context);
    m_router = std::make_unique<Router>();
    addSignInRoutes(*m_router, *m_backend);
    addTokenRoutes(*m_router, *m_backend);
    addAccountRoutes(*m_router, *m_backend);
    addSyncRoutes(*m_router, *m_backend);
    addShareRoutes(*m_router, *m_backend);
    addReleaseRoutes(*m_router, *m_backend);
    addPortalRoutes(*m_router, *m_backend);
    // Expired tokens, codes and grants are swept out once an hour.
    m_maintenance.setInterval(3600 * 1000);
    connect(&m_maintenance, &QTimer::timeout, this, [this] { m_backend->purgeExpired(); });
    m_maintenance.start();
    return true;
}

quint16 Server::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (!m_router) {
        *error = QStringLiteral("the store is not open");
        return 0;
    }
    if (!m_http)
        m_http = new HttpServer(*m_router, m_context.config.maxBodyBytes, m_context.config.trustedProxies, this);
    return m_http->listenOn(address, port, error);
}

QStringList Server::environmentLines(const QString &baseUrl, const ServerConfig &config)
{
    return {QStringLiteral("AUTH_BASE_URL=%1").arg(baseUrl),
            QStringLiteral("ACCOUNT_API_URL=%1/account/v1").arg(baseUrl),
            QStringLiteral("SYNC_API_URL=%1/quillet/v1").arg(baseUrl),
            QStringLiteral("ACCOUNT_PORTAL_URL=%1/").arg(baseUrl),
            QStringLiteral("DOWNLOADS_URL=%1/downloads").arg(baseUrl),
            QStringLiteral("AUTH_REALM_SLUG=%1").arg(config.realm),
            QStringLiteral("AUTH_CLIENT_ID=%1").arg(config.clientIds.value(0))};
}

} // namespace QuilletServer
