#pragma once

#include <QSemaphore>
#include <QString>
#include <QThread>

// A second connection to the same store file, as another program would have
// it, that takes the write lock on its own thread and keeps it for holdMs.
// sql, when given, runs inside that transaction and is committed with it.
class LockHolder : public QThread
{
public:
    LockHolder(const QString &path, int holdMs, const QString &sql = QString());
    ~LockHolder() override;

    // Blocks until the lock is taken; false when it could not be taken or
    // that did not happen in 10 s.
    bool waitUntilHeld();
    // Starts the thread and waits for the lock.
    bool hold();

protected:
    void run() override;

private:
    QString m_path;
    int m_holdMs;
    QString m_sql;
    QSemaphore m_held;
    bool m_locked = false;
};
