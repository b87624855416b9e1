#include "pgcluster.h"

#include <QDir>
#include <QUrl>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kAdminConnection = QStringLiteral("pgcluster-admin");

QString newestPostgresBin()
{
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &v : std::as_const(versions)) {
        const QString bin = root.filePath(v + QStringLiteral("/bin"));
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")) && QFileInfo::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return {};
}

} // namespace

PgCluster::PgCluster() = default;

PgCluster::~PgCluster()
{
    if (QSqlDatabase::contains(kAdminConnection)) {
        QSqlDatabase::database(kAdminConnection, false).close();
        QSqlDatabase::removeDatabase(kAdminConnection);
    }
    if (m_running) {
        QString ignored;
        run(m_bin + QStringLiteral("/pg_ctl"),
            {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"), QStringLiteral("immediate"),
             QStringLiteral("-w"), QStringLiteral("stop")},
            &ignored);
    }
}

bool PgCluster::run(const QString &program, const QStringList &args, QString *why, int timeoutMs)
{
    QProcess process;
    QStringList fullArgs = args;
    QString exe = program;
    // initdb refuses to run as root: hand the cluster to the postgres user.
    if (geteuid() == 0) {
        fullArgs = QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + args;
        exe = QStringLiteral("runuser");
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir->path());
    process.start(exe, fullArgs);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *why = QStringLiteral("%1 failed: %2").arg(QFileInfo(program).fileName(),
                                                   QString::fromLocal8Bit(process.readAll()).trimmed().right(400));
        return false;
    }
    return true;
}

bool PgCluster::start(QString *why)
{
    m_bin = newestPostgresBin();
    if (m_bin.isEmpty()) {
        *why = QStringLiteral("PostgreSQL is not installed (no initdb under /usr/lib/postgresql/*/bin)");
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *why = QStringLiteral("the Qt PostgreSQL driver (libqt6sql6-psql) is not installed");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qpg-XXXXXX"));
    if (!m_dir->isValid()) {
        *why = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    if (geteuid() == 0) {
        const passwd *pg = getpwnam("postgres");
        if (!pg || chown(QFile::encodeName(m_dir->path()).constData(), pg->pw_uid, pg->pw_gid) != 0) {
            *why = QStringLiteral("there is no postgres user to run the cluster as");
            return false;
        }
    }
    const QString data = m_dir->filePath(QStringLiteral("data"));
    if (!run(m_bin + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-A"),
              QStringLiteral("trust"), QStringLiteral("--no-sync"), QStringLiteral("-E"), QStringLiteral("UTF8")},
             why))
        return false;
    m_port = 55000 + int(getpid() % 900);
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off -c synchronous_commit=off "
                                           "-c full_page_writes=off")
                                .arg(m_dir->path())
                                .arg(m_port);
    if (!run(m_bin + QStringLiteral("/pg_ctl"),
             {QStringLiteral("-D"), data, QStringLiteral("-o"), options, QStringLiteral("-l"),
              m_dir->filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("start")},
             why))
        return false;
    m_running = true;
    QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kAdminConnection);
    admin.setHostName(m_dir->path());
    admin.setPort(m_port);
    admin.setUserName(QStringLiteral("postgres"));
    admin.setDatabaseName(QStringLiteral("postgres"));
    if (!admin.open()) {
        *why = QStringLiteral("cannot connect to the test cluster: %1").arg(admin.lastError().text());
        return false;
    }
    QSqlQuery create(admin);
    if (!create.exec(QStringLiteral("CREATE DATABASE quillet_test"))) {
        *why = create.lastError().text();
        return false;
    }
    admin.close();
    admin.setDatabaseName(QStringLiteral("quillet_test"));
    if (!admin.open()) {
        *why = admin.lastError().text();
        return false;
    }
    return true;
}

QString PgCluster::databaseUrl() const
{
    return QStringLiteral("postgresql://postgres@localhost/quillet_test?host=%1&port=%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(m_dir->path())), QString::number(m_port));
}

bool PgCluster::reset(QString *why)
{
    QSqlQuery q(QSqlDatabase::database(kAdminConnection));
    for (const char *sql : {"SET client_min_messages TO WARNING", "DROP SCHEMA public CASCADE", "CREATE SCHEMA public"}) {
        if (!q.exec(QString::fromLatin1(sql))) {
            *why = q.lastError().text();
            return false;
        }
    }
    return true;
}
