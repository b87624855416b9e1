#include "server/pushqueue.h"
#include "server/http.h"
#include "server/syncstore.h"

namespace QuilletServer {

PushQueue::PushQueue(SyncStore &store)
    : m_store(store)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { flush(); });
}

void PushQueue::enqueue(const QString &userId, QList<Change> changes, std::shared_ptr<PendingReply> reply)
{
    m_waiting.push_back({userId, std::move(changes), std::move(reply)});
    if (!m_timer.isActive())
        m_timer.start();
}

void PushQueue::flush()
{
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    std::vector<SyncStore::Job> jobs;
    jobs.reserve(waiting.size());
    for (Waiting &w : waiting)
        jobs.push_back({w.userId, std::move(w.changes), {}, {}});
    QString error;
    const bool committed = m_store.pushAll(jobs, &error);
    for (size_t i = 0; i < jobs.size(); ++i) {
        const QString failure = committed ? jobs[i].error : error;
        if (failure.isEmpty()) {
            waiting[i].reply->complete(HttpResponse::json({{QStringLiteral("results"), jobs[i].results}}));
            continue;
        }
        qWarning("push failed: %s", qPrintable(failure));
        waiting[i].reply->complete(HttpResponse::error(
            503, QStringLiteral("store_unavailable"),
            QStringLiteral("the server could not store the changes; nothing was kept, try again later")));
    }
}

} // namespace QuilletServer
