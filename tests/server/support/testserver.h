#pragma once

#include "httpclient.h"

#include "server/server.h"
#include "server/store.h"

#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class PgCluster;

enum class StoreKind { Sqlite, Postgres };

// The real server in this process on 127.0.0.1 and a port of its choosing,
// over a fresh store: a new SQLite file, or the test cluster's emptied
// database. Its clock can be moved forward.
class TestServer
{
public:
    static QuilletServer::ServerConfig testConfig();

    bool start(StoreKind kind, PgCluster *pg, QString *why, const QuilletServer::ServerConfig &config = testConfig());
    void advanceClock(qint64 seconds) { m_offsetMs += seconds * 1000; }
    // Takes the server down (the port stops answering) and brings it back
    // on the same port over the same store.
    void stop() { m_server.reset(); }
    bool resume(QString *why);

    QuilletServer::Server &server() { return *m_server; }
    HttpClient &client() { return *m_client; }
    QUrl baseUrl() const { return m_base; }
    // Rows in a table of the store, for checking that nothing was written.
    int rowCount(const QString &table);
    // Runs one statement on the store, for breaking it in a test.
    bool exec(const QString &sql);
    // The id of the user with that email; empty when there is none.
    QString userId(const QString &email);
    // Points the app's endpoint variables (AUTH_BASE_URL and the rest) at
    // this server, as the lines it prints at start say.
    void exportEnvironment() const;

private:
    bool serve(const QuilletServer::DatabaseTarget &target, quint16 port, QString *why);

    QTemporaryDir m_dir;
    QuilletServer::DatabaseTarget m_target;
    QuilletServer::ServerConfig m_config;
    std::unique_ptr<QuilletServer::Server> m_server;
    std::unique_ptr<HttpClient> m_client;
    QUrl m_base;
    qint64 m_offsetMs = 0;
};
