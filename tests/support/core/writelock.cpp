#include "support/core/writelock.h"

#include <QSqlDatabase>
#include <QSqlQuery>

WriteLock::WriteLock(const QString &path, int holdMs)
    : m_path(path)
    , m_holdMs(holdMs)
{
}

WriteLock::~WriteLock()
{
    wait();
}

bool WriteLock::hold()
{
    start();
    return m_held.tryAcquire(1, 10000) && m_ok;
}

void WriteLock::run()
{
    const QString name = QStringLiteral("write-lock-%1").arg(quintptr(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        if (db.open()) {
            QSqlQuery q(db);
            m_ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
            m_held.release();
            if (m_ok) {
                QThread::msleep(m_holdMs);
                q.exec(QStringLiteral("ROLLBACK"));
            }
        } else {
            m_held.release();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
