#include "data/dbtransaction.h"

#include "data/statementcache.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

int g_savepointCounter = 0;

bool run(const QSqlDatabase &db, const QString &sql, QString *error = nullptr)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    Sql::noteFailure(q.lastError());
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace

DbTransaction::DbTransaction(const QSqlDatabase &db, Mode mode)
    : m_db(db)
{
    if (inTransaction(m_db)) {
        m_savepoint = QStringLiteral("sp_%1").arg(++g_savepointCounter);
        m_active = run(m_db, QStringLiteral("SAVEPOINT %1").arg(m_savepoint), &m_error);
    } else {
        m_active = run(m_db, mode == Mode::Write ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"),
                       &m_error);
    }
    if (!m_active)
        qWarning().noquote() << "DbTransaction: cannot begin:" << m_error;
}

DbTransaction::~DbTransaction()
{
    if (m_active)
        rollback();
}

bool DbTransaction::isActive() const
{
    return m_active && inTransaction(m_db);
}

bool DbTransaction::commit()
{
    if (!m_active)
        return false;
    if (!inTransaction(m_db)) {
        // SQLite already rolled everything back (a full disk, an I/O error).
        m_active = false;
        m_error = QStringLiteral("the transaction was ended by the database");
        qWarning().noquote() << "DbTransaction: commit failed:" << m_error;
        return false;
    }
    const QString sql =
        m_savepoint.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE SAVEPOINT %1").arg(m_savepoint);
    if (!run(m_db, sql, &m_error)) {
        qWarning().noquote() << "DbTransaction: commit failed:" << m_error;
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void DbTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    if (!inTransaction(m_db))
        return;
    QString error;
    if (m_savepoint.isEmpty()) {
        if (!run(m_db, QStringLiteral("ROLLBACK"), &error))
            qWarning().noquote() << "DbTransaction: rollback failed:" << error;
        return;
    }
    if (!run(m_db, QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(m_savepoint), &error))
        qWarning().noquote() << "DbTransaction: rollback failed:" << error;
    run(m_db, QStringLiteral("RELEASE SAVEPOINT %1").arg(m_savepoint));
}

bool DbTransaction::inTransaction(const QSqlDatabase &db)
{
    sqlite3 *connection = handle(db);
    return connection && sqlite3_get_autocommit(connection) == 0;
}

sqlite3 *DbTransaction::handle(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}
