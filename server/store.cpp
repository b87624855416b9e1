#include "server/store.h"
#include "server/migrations.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

namespace QuilletServer {

DatabaseTarget DatabaseTarget::sqlite(const QString &path)
{
    DatabaseTarget t;
    t.dialect = Dialect::Sqlite;
    t.sqlitePath = path;
    return t;
}

bool DatabaseTarget::fromUrl(const QString &text, DatabaseTarget *out, QString *error)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres"))) {
        *error = QStringLiteral("the database URL must look like postgresql://user@host:port/dbname");
        return false;
    }
    DatabaseTarget t;
    t.dialect = Dialect::Postgres;
    t.user = url.userName();
    t.password = url.password();
    t.host = url.host();
    t.port = url.port(5432);
    t.name = url.path().mid(1);
    // libpq's own spelling for a socket folder: ?host=/run/postgresql
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        t.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("port")))
        t.port = query.queryItemValue(QStringLiteral("port")).toInt();
    if (t.name.isEmpty() || t.name.contains(QLatin1Char('/'))) {
        *error = QStringLiteral("the database URL names no database: postgresql://user@host:port/dbname");
        return false;
    }
    if (t.port <= 0 || t.port > 65535) {
        *error = QStringLiteral("the database URL has no valid port");
        return false;
    }
    *out = t;
    return true;
}

QString DatabaseTarget::describe() const
{
    if (dialect == Dialect::Sqlite)
        return QStringLiteral("SQLite %1").arg(sqlitePath);
    return QStringLiteral("PostgreSQL %1@%2:%3/%4").arg(user, host.isEmpty() ? QStringLiteral("localhost") : host)
        .arg(port)
        .arg(name);
}

Store::Store(const QString &connectionName)
    : m_connection(connectionName)
{
}

Store::~Store()
{
    m_statements.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QSqlDatabase Store::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Store::open(const DatabaseTarget &target, QString *error)
{
    m_dialect = target.dialect;
    QSqlDatabase db;
    if (target.dialect == Dialect::Sqlite) {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
            *error = QStringLiteral("the Qt SQLite driver is not installed");
            return false;
        }
        QDir().mkpath(QFileInfo(target.sqlitePath).absolutePath());
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(target.sqlitePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            *error = QStringLiteral("the Qt PostgreSQL driver is not installed (Debian: libqt6sql6-psql)");
            return false;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        db.setHostName(target.host);
        db.setPort(target.port);
        db.setUserName(target.user);
        db.setPassword(target.password);
        db.setDatabaseName(target.name);
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    }
    if (!db.open()) {
        *error = QStringLiteral("cannot open %1: %2").arg(target.describe(), db.lastError().text());
        return false;
    }
    if (m_dialect == Dialect::Sqlite) {
        // FULL keeps an acknowledged push on disk even through a power cut: a
        // client marks its rows synced as soon as it has the answer. The
        // records' indexes are keyed by random ids, so a big cache (64 MiB)
        // keeps large pushes from waiting on the disk.
        QSqlQuery pragma(db);
        for (const char *sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON",
                                "PRAGMA cache_size=-65536"}) {
            if (!pragma.exec(QString::fromLatin1(sql))) {
                *error = QStringLiteral("cannot set up %1: %2").arg(target.describe(), pragma.lastError().text());
                return false;
            }
        }
    } else {
        QSqlQuery setup(db);
        if (!setup.exec(QStringLiteral("SET client_min_messages TO WARNING"))) {
            *error = setup.lastError().text();
            return false;
        }
    }
    return true;
}

bool Store::migrate(QString *error)
{
    return Migrations::run(*this, error);
}

int Store::schemaVersion()
{
    return Migrations::currentVersion(*this);
}

QSqlQuery *Store::prepared(const QString &sql, QString *error)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        auto query = std::make_unique<QSqlQuery>(db());
        if (!query->prepare(sql)) {
            *error = query->lastError().text();
            return nullptr;
        }
        it = m_statements.emplace(sql, std::move(query)).first;
    }
    return it->second.get();
}

bool Store::execute(const QString &sql, QString *error)
{
    QSqlQuery q(db());
    if (q.exec(sql))
        return true;
    *error = QStringLiteral("%1 failed: %2").arg(sql, q.lastError().text());
    return false;
}

Query::Query(Store &store, const QString &sql)
    : m_sql(sql)
{
    m_query = store.prepared(sql, &m_prepareError);
}

Query::~Query()
{
    if (m_query)
        m_query->finish();
}

Query &Query::bind(const QVariant &value)
{
    if (!m_query)
        return *this;
    // A null QString is SQL NULL to the drivers; texts here are never NULL.
    if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
        m_query->bindValue(m_bound++, QStringLiteral(""));
    else
        m_query->bindValue(m_bound++, value);
    return *this;
}

bool Query::exec(QString *error)
{
    if (!m_query) {
        *error = QStringLiteral("cannot prepare \"%1\": %2").arg(m_sql.left(60), m_prepareError);
        return false;
    }
    if (!m_query->exec()) {
        *error = QStringLiteral("\"%1\" failed: %2").arg(m_sql.left(60), m_query->lastError().text());
        return false;
    }
    return true;
}

bool Query::next()
{
    return m_query && m_query->next();
}

QVariant Query::value(int column) const
{
    return m_query ? m_query->value(column) : QVariant();
}

int Query::rowsAffected() const
{
    return m_query ? m_query->numRowsAffected() : 0;
}

StoreTransaction::StoreTransaction(Store &store, Kind kind, QString *error)
    : m_store(store)
{
    QString begin = QStringLiteral("BEGIN");
    if (store.dialect() == Dialect::Sqlite && kind == Kind::Write)
        begin = QStringLiteral("BEGIN IMMEDIATE");
    else if (store.dialect() == Dialect::Postgres && kind == Kind::Read)
        begin = QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
    m_active = run(begin, error);
}

StoreTransaction::~StoreTransaction()
{
    if (m_active) {
        QString ignored;
        run(QStringLiteral("ROLLBACK"), &ignored);
    }
}

bool StoreTransaction::commit(QString *error)
{
    if (!m_active) {
        *error = QStringLiteral("no open transaction to commit");
        return false;
    }
    m_active = false;
    if (run(QStringLiteral("COMMIT"), error))
        return true;
    QString ignored;
    run(QStringLiteral("ROLLBACK"), &ignored);
    return false;
}

bool StoreTransaction::run(const QString &sql, QString *error)
{
    return m_store.execute(sql, error);
}

} // namespace QuilletServer
