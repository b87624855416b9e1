#pragma once

#include <QHash>
#include <QString>

namespace QuilletServer {

class Store;

// Hands out the next numbers of users' change sequences inside one write
// transaction. A push may move records of several users (an editor writing
// into a shared account) and tell several members about them; each user's
// counter is read once (on PostgreSQL, locked), and save() writes back the
// last number handed out.
class ChangeSequences
{
public:
    explicit ChangeSequences(Store &store);

    // Reads (and locks) the user's counter now rather than at its first use,
    // so that what the caller reads next cannot change under it.
    bool lock(const QString &userId, QString *error);
    bool next(const QString &userId, qint64 *seq, QString *error);
    bool save(QString *error);

private:
    struct Counter {
        qint64 stored = 0;
        qint64 last = 0;
    };
    Counter *counter(const QString &userId, QString *error);
    Store &m_store;
    QHash<QString, Counter> m_counters;
};

} // namespace QuilletServer
