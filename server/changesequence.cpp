#include "server/changesequence.h"
#include "server/store.h"

namespace QuilletServer {

ChangeSequences::ChangeSequences(Store &store)
    : m_store(store)
{
}

ChangeSequences::Counter *ChangeSequences::counter(const QString &userId, QString *error)
{
    auto it = m_counters.find(userId);
    if (it == m_counters.end()) {
        QString sql = QStringLiteral("SELECT change_seq FROM users WHERE id = ?");
        // SQLite's BEGIN IMMEDIATE already holds the write lock.
        if (m_store.dialect() == Dialect::Postgres)
            sql += QStringLiteral(" FOR UPDATE");
        Query q(m_store, sql);
        q.bind(userId);
        if (!q.exec(error))
            return nullptr;
        if (!q.next()) {
            *error = QStringLiteral("no such user");
            return nullptr;
        }
        const qint64 stored = q.value(0).toLongLong();
        it = m_counters.insert(userId, {stored, stored});
    }
    return &*it;
}

bool ChangeSequences::lock(const QString &userId, QString *error)
{
    return counter(userId, error) != nullptr;
}

bool ChangeSequences::next(const QString &userId, qint64 *seq, QString *error)
{
    Counter *c = counter(userId, error);
    if (!c)
        return false;
    *seq = ++c->last;
    return true;
}

bool ChangeSequences::save(QString *error)
{
    for (auto it = m_counters.begin(); it != m_counters.end(); ++it) {
        if (it->last == it->stored)
            continue;
        Query q(m_store, QStringLiteral("UPDATE users SET change_seq = ? WHERE id = ?"));
        q.bind(it->last).bind(it.key());
        if (!q.exec(error))
            return false;
        it->stored = it->last;
    }
    return true;
}

} // namespace QuilletServer
