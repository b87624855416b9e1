#include "testserver.h"
#include "pgcluster.h"

#include "server/backend.h"
#include "server/store.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

using namespace QuilletServer;

ServerConfig TestServer::testConfig()
{
    ServerConfig config;
    config.passwordCost = PasswordCost::minimum();
    return config;
}

bool TestServer::start(StoreKind kind, PgCluster *pg, QString *why, const ServerConfig &config)
{
    QLoggingCategory::setFilterRules(QStringLiteral("quillet.server.http.info=false"));
    m_client.reset();
    m_server.reset();
    DatabaseTarget target;
    if (kind == StoreKind::Sqlite) {
        static int counter = 0;
        target = DatabaseTarget::sqlite(m_dir.filePath(QStringLiteral("store-%1.db").arg(++counter)));
    } else {
        if (!pg || !pg->reset(why) || !DatabaseTarget::fromUrl(pg->databaseUrl(), &target, why))
            return false;
    }
    m_config = config;
    m_target = target;
    if (!serve(target, 0, why))
        return false;
    m_client = std::make_unique<HttpClient>(m_base);
    return true;
}

bool TestServer::serve(const DatabaseTarget &target, quint16 port, QString *why)
{
    m_server = std::make_unique<Server>(m_config);
    m_server->context().clockMs = [this] { return QDateTime::currentMSecsSinceEpoch() + m_offsetMs; };
    if (!m_server->open(target, why))
        return false;
    port = m_server->listen(QHostAddress::LocalHost, port, why);
    if (port == 0)
        return false;
    m_base = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
    return true;
}

bool TestServer::resume(QString *why)
{
    return serve(m_target, quint16(m_base.port()), why);
}

int TestServer::rowCount(const QString &table)
{
    QSqlQuery q(m_server->context().store->db());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool TestServer::exec(const QString &sql)
{
    QSqlQuery q(m_server->context().store->db());
    if (q.exec(sql))
        return true;
    qWarning().noquote() << "TestServer::exec:" << q.lastError().text();
    return false;
}

QString TestServer::userId(const QString &email)
{
    QSqlQuery q(m_server->context().store->db());
    q.prepare(QStringLiteral("SELECT id FROM users WHERE email = ?"));
    q.addBindValue(email);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

void TestServer::exportEnvironment() const
{
    const QStringList lines = Server::environmentLines(m_base.toString(), m_server->context().config);
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        qputenv(line.left(equals).toLatin1().constData(), line.mid(equals + 1).toUtf8());
    }
}
