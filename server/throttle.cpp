#include "server/throttle.h"

#include <algorithm>

namespace QuilletServer {

Throttle::Throttle(int limit, qint64 windowSecs)
    : m_limit(limit)
    , m_window(windowSecs)
{
}

void Throttle::prune(QList<qint64> &times, qint64 nowSecs) const
{
    times.erase(std::remove_if(times.begin(), times.end(), [&](qint64 t) { return t <= nowSecs - m_window; }),
                times.end());
}

qint64 Throttle::retryAfter(const QStringList &keys, qint64 nowSecs)
{
    qint64 wait = 0;
    for (const QString &key : keys) {
        auto it = m_failures.find(key);
        if (it == m_failures.end())
            continue;
        prune(*it, nowSecs);
        if (it->isEmpty()) {
            m_failures.erase(it);
            continue;
        }
        if (it->size() >= m_limit) {
            // The attempt is allowed again once enough failures have aged out.
            const qint64 freedAt = it->at(it->size() - m_limit) + m_window;
            wait = std::max(wait, std::max<qint64>(1, freedAt - nowSecs));
        }
    }
    return wait;
}

void Throttle::recordFailure(const QStringList &keys, qint64 nowSecs)
{
    for (const QString &key : keys) {
        QList<qint64> &times = m_failures[key];
        prune(times, nowSecs);
        times.append(nowSecs);
    }
}

void Throttle::forget(const QString &key)
{
    m_failures.remove(key);
}

void Throttle::purge(qint64 nowSecs)
{
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        prune(*it, nowSecs);
        it = it->isEmpty() ? m_failures.erase(it) : std::next(it);
    }
}

} // namespace QuilletServer
