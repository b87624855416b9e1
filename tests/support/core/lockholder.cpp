#include "support/core/lockholder.h"

#include <QSqlDatabase>
#include <QSqlQuery>

LockHolder::LockHolder(const QString &path, int holdMs, const QString &sql)
    : m_path(path)
    , m_holdMs(holdMs)
    , m_sql(sql)
{
}

LockHolder::~LockHolder()
{
    wait();
}

bool LockHolder::hold()
{
    start();
    return waitUntilHeld();
}

bool LockHolder::waitUntilHeld()
{
    return m_held.tryAcquire(1, 10000) && m_locked;
}

void LockHolder::run()
{
    const QString name = QStringLiteral("lock-holder-%1").arg(quintptr(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        if (db.open()) {
            QSqlQuery q(db);
            const bool locked = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
            m_locked = locked;
            if (locked && !m_sql.isEmpty())
                q.exec(m_sql);
            m_held.release();
            QThread::msleep(m_holdMs);
            if (locked)
                q.exec(QStringLiteral("COMMIT"));
        } else {
            m_held.release();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
