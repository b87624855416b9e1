#include "support/core/lockholder.h"

#include <QSqlDatabase>
#include <QSqlQuery>

LockHolder::LockHolder(const QString &path, int holdMs)
    : m_path(path)
    , m_holdMs(holdMs)
{
}

LockHolder::~LockHolder()
{
    wait();
}

bool LockHolder::hold()
{
    start();
    return m_held.tryAcquire(1, 5000);
}

void LockHolder::run()
{
    const QString name = QStringLiteral("lock-holder-%1").arg(quintptr(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
                m_held.release();
                QThread::msleep(m_holdMs);
                q.exec(QStringLiteral("COMMIT"));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
