#pragma once

#include <QSemaphore>
#include <QString>
#include <QThread>

// A second connection to a store file, as another program would have it,
// that takes the write lock on a thread of its own and keeps it for a while.
class LockHolder : public QThread
{
public:
    LockHolder(const QString &path, int holdMs);
    ~LockHolder() override;

    // Starts the thread; true once the lock is held.
    bool hold();

protected:
    void run() override;

private:
    QString m_path;
    int m_holdMs;
    QSemaphore m_held;
};
