#include "data/database.h"

#include "data/dbtransaction.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The app's one connection goes by the toolkit's default name. A second
// Database in the same process (a test opening the store as another program
// would) gets a name of its own instead of taking the first one's over.
QString freeConnectionName()
{
    const QString standard = QString::fromLatin1(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(standard))
        return standard;
    static int next = 1;
    QString name;
    do {
        name = QStringLiteral("quillet-%1").arg(++next);
    } while (QSqlDatabase::contains(name));
    return name;
}

} // namespace

Database::Database(QObject *parent)
    : QObject(parent)
    , m_connectionName(freeConnectionName())
    , m_migrations(defaultMigrations())
{
}

Database::~Database()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QList<Database::Migration> Database::defaultMigrations()
{
    return {
        {1, QStringLiteral("initial"), QStringLiteral(":/sql/sql/migrations/001_initial.sql")},
        {2, QStringLiteral("recon_sync"), QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")},
        {3, QStringLiteral("recurring_lead_days"), QStringLiteral(":/sql/sql/migrations/003_recurring_lead_days.sql")},
        {4, QStringLiteral("import_ids"), QStringLiteral(":/sql/sql/migrations/004_import_ids.sql")},
    };
}

bool Database::open(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    if (!db.open()) {
        qCritical() << "Failed to open database:" << db.lastError().text();
        return false;
    }
    m_path = path;
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    return true;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

int Database::schemaVersion() const
{
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next())
        return 0;
    return q.value(0).isNull() ? 0 : q.value(0).toInt();
}

QStringList Database::splitStatements(const QString &script)
{
    QStringList statements;
    QString buffer;
    int depth = 0;

    auto flush = [&]() {
        QString statement = buffer.trimmed();
        buffer.clear();
        if (statement == QLatin1String(";"))
            return;
        if (statement.endsWith(QLatin1Char(';')))
            statement.chop(1);
        statement = statement.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    };

    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');

        const QString upper = t.toUpper();
        const bool hasBegin = upper.contains(QLatin1String("BEGIN"));
        if (upper.startsWith(QLatin1String("END")) && (depth > 0 || hasBegin))
            --depth;
        if (hasBegin)
            ++depth;

        if (depth == 0 && t.endsWith(QLatin1Char(';')))
            flush();
    }
    flush();
    return statements;
}

bool Database::runMigrations()
{
    QSqlDatabase db = connection();
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
            "applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCritical() << "Failed to create schema_version table:" << create.lastError().text();
        return false;
    }

    const int current = schemaVersion();
    for (const Migration &migration : std::as_const(m_migrations)) {
        if (migration.version <= current)
            continue;
        QFile file(migration.resource);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(migration.resource);
            qCritical().noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration, splitStatements(script)))
            return false;
    }
    return true;
}

bool Database::applyMigration(const Migration &migration, const QStringList &statements)
{
    QSqlDatabase db = connection();
    auto fail = [&](const QString &error) {
        Q_EMIT migrationError(migration.version, error);
        return false;
    };
    DbTransaction tx(db);
    if (!tx.isActive()) {
        qCritical() << "Migration" << migration.version << "failed:" << tx.error();
        return fail(tx.error());
    }
    for (const QString &statement : statements) {
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            const QString error = q.lastError().text();
            qCritical() << "Migration" << migration.version << "failed:" << error << "\nStatement:"
                        << statement.left(200);
            q.finish();
            return fail(error);
        }
        // A full disk or an I/O error ends the transaction without failing
        // the statement that happened to be last; the rest must not run on
        // in autocommit and leave half a schema behind.
        if (!tx.isActive())
            return fail(QStringLiteral("the database ended the migration's transaction"));
    }
    QSqlQuery record(db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(migration.version);
    record.addBindValue(migration.name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        record.finish();
        return fail(error);
    }
    record.finish();
    if (!tx.commit()) {
        qCritical() << "Migration" << migration.version << "failed:" << tx.error();
        return fail(tx.error());
    }
    qInfo() << "Applied migration" << migration.version << migration.name;
    Q_EMIT migrationApplied(migration.version, migration.name);
    return true;
}
