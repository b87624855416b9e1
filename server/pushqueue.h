#pragma once

#include "server/syncchanges.h"

#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

namespace QuilletServer {

class PendingReply;
class SyncStore;

// Pushes that arrive while the store is busy wait for the event loop's next
// turn and are then stored together: one savepoint each, one commit for all.
// On SQLite that commit is one flush to disk, which is most of a small push's
// time, so twenty devices pushing at once share it instead of queueing for it.
class PushQueue
{
public:
    explicit PushQueue(SyncStore &store);

    void enqueue(const QString &userId, QList<Change> changes, std::shared_ptr<PendingReply> reply);

private:
    void flush();

    struct Waiting {
        QString userId;
        QList<Change> changes;
        std::shared_ptr<PendingReply> reply;
    };
    SyncStore &m_store;
    std::vector<Waiting> m_waiting;
    QTimer m_timer;
};

} // namespace QuilletServer
