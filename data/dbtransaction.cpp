#include "data/dbtransaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
int g_savepointCounter = 0;
}

DbTransaction::DbTransaction(const QSqlDatabase &db)
    : m_db(db)
    , m_name(QStringLiteral("sp_%1").arg(++g_savepointCounter))
{
    QSqlQuery q(m_db);
    m_active = q.exec(QStringLiteral("SAVEPOINT %1").arg(m_name));
    if (!m_active)
        qWarning() << "DbTransaction: cannot begin:" << q.lastError().text();
}

DbTransaction::~DbTransaction()
{
    if (m_active)
        rollback();
}

bool DbTransaction::commit()
{
    if (!m_active)
        return false;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name))) {
        qWarning() << "DbTransaction: commit failed:" << q.lastError().text();
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
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(m_name)))
        qWarning() << "DbTransaction: rollback failed:" << q.lastError().text();
    q.exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name));
}
