#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace QuilletServer {

// Failed sign-ins counted per account and per address: after `limit`
// failures within `window` seconds under any of a request's keys, further
// attempts are refused until the oldest of them leaves the window. Kept in
// memory: a restart forgives, which is fine for a household server.
class Throttle
{
public:
    explicit Throttle(int limit = 5, qint64 windowSecs = 300);

    // Seconds until an attempt under these keys is allowed again; 0 when it is.
    qint64 retryAfter(const QStringList &keys, qint64 nowSecs);
    void recordFailure(const QStringList &keys, qint64 nowSecs);
    void forget(const QString &key);
    // Drops keys whose failures have all left the window.
    void purge(qint64 nowSecs);
    // How many keys are held now.
    qsizetype keyCount() const { return m_failures.size(); }

private:
    void prune(QList<qint64> &times, qint64 nowSecs) const;
    int m_limit;
    qint64 m_window;
    QHash<QString, QList<qint64>> m_failures;
};

} // namespace QuilletServer
