#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away PostgreSQL cluster from Debian's postgresql package: initdb and
// pg_ctl run as the "postgres" user when the tests run as root, on a unix
// socket in a temporary folder, with no TCP port. Stopped and removed when
// the object goes.
class PgCluster
{
public:
    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster &) = delete;
    PgCluster &operator=(const PgCluster &) = delete;

    // False with the reason (no PostgreSQL installed, initdb failed, ...).
    bool start(QString *why);
    // postgresql://postgres@/quillet_test?host=<socket folder>&port=<port>
    QString databaseUrl() const;
    // Drops and recreates the test database's schema: a clean store.
    bool reset(QString *why);

private:
    bool run(const QString &program, const QStringList &args, QString *why, int timeoutMs = 60000);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    int m_port = 55432;
    bool m_running = false;
};
