#pragma once

#include <QSemaphore>
#include <QString>
#include <QThread>

// A second connection to a store file, as another program would have it,
// that takes the write lock and keeps it for holdMs on its own thread.
class WriteLock : public QThread
{
public:
    WriteLock(const QString &path, int holdMs);
    ~WriteLock() override;

    // Starts the thread and waits until the lock is held; false when it could not be taken.
    bool hold();

protected:
    void run() override;

private:
    QString m_path;
    int m_holdMs;
    QSemaphore m_held;
    bool m_ok = false;
};
