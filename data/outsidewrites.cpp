#include "data/outsidewrites.h"

#include "data/database.h"
#include "data/dbtransaction.h"

#include <QSqlQuery>
#include <QTimer>

OutsideWrites::OutsideWrites(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &OutsideWrites::check);
    m_version = readVersion();
}

void OutsideWrites::start()
{
    m_timer->start();
}

bool OutsideWrites::check()
{
    // Inside a transaction of ours the value is that of our own snapshot;
    // the next tick sees the truth.
    if (DbTransaction::inTransaction(m_database->connection()))
        return false;
    const qint64 version = readVersion();
    if (version < 0 || version == m_version)
        return false;
    const bool first = m_version < 0;
    m_version = version;
    if (first)
        return false;
    Q_EMIT changed();
    return true;
}

qint64 OutsideWrites::readVersion() const
{
    QSqlQuery q(m_database->connection());
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}
