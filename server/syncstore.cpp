#include "server/syncstore.h"
#include "server/serverconfig.h"
#include "server/store.h"

#include <QJsonDocument>
#include <QUuid>

namespace QuilletServer {

struct SyncStore::Stored {
    bool exists = false;
    QString clientId;
    QString serverId;
    qint64 version = 0;
    bool deleted = false;
    QByteArray payload;
};

namespace {

const QString kFindColumns =
    QStringLiteral("SELECT client_id, server_id, version, deleted, payload FROM records "
                   "WHERE user_id = ? AND entity_type = ? AND ");

// What the store keeps of a change's payload: the record's own client id, no
// server id (the record has its own), and "deleted_at" exactly when deleted.
QByteArray storedPayload(const Change &change, const QString &clientId, const QString &now)
{
    QJsonObject payload = change.payload;
    payload.remove(QStringLiteral("server_id"));
    payload.insert(QStringLiteral("client_id"), clientId);
    if (!change.isDelete)
        payload.remove(QStringLiteral("deleted_at"));
    else if (payload.value(QStringLiteral("deleted_at")).toString().isEmpty())
        payload.insert(QStringLiteral("deleted_at"), now);
    return QJsonDocument(payload).toJson(QJsonDocument::Compact);
}

QJsonObject result(const Change &change, const QString &status, const QString &serverId)
{
    return {{QStringLiteral("entity_type"), QString::fromLatin1(entityKinds().at(size_t(change.entity)).type)},
            {QStringLiteral("entity_id"), change.entityId},
            {QStringLiteral("status"), status},
            {QStringLiteral("server_id"), serverId}};
}

} // namespace

SyncStore::SyncStore(ServerContext &context)
    : m_context(context)
{
}

bool SyncStore::userSequence(const QString &userId, bool forUpdate, qint64 *seq, QString *error)
{
    QString sql = QStringLiteral("SELECT change_seq FROM users WHERE id = ?");
    // SQLite's BEGIN IMMEDIATE already holds the write lock.
    if (forUpdate && m_context.store->dialect() == Dialect::Postgres)
        sql += QStringLiteral(" FOR UPDATE");
    Query q(*m_context.store, sql);
    q.bind(userId);
    if (!q.exec(error))
        return false;
    if (!q.next()) {
        *error = QStringLiteral("no such user");
        return false;
    }
    *seq = q.value(0).toLongLong();
    return true;
}

bool SyncStore::find(const QString &userId, const Change &change, Stored *out, QString *error)
{
    const QString type = QString::fromLatin1(entityKinds().at(size_t(change.entity)).type);
    // A device that learnt the record under another local id sends the
    // server id it was given; that names the same record.
    const QString serverId = change.payload.value(QStringLiteral("server_id")).toString();
    const std::pair<QString, QString> lookups[] = {{QStringLiteral("client_id = ?"), change.entityId},
                                                   {QStringLiteral("server_id = ?"), serverId}};
    *out = Stored();
    for (const auto &lookup : lookups) {
        if (lookup.second.isEmpty())
            continue;
        Query q(*m_context.store, kFindColumns + lookup.first);
        q.bind(userId).bind(type).bind(lookup.second);
        if (!q.exec(error))
            return false;
        if (q.next()) {
            *out = {true,
                    q.value(0).toString(),
                    q.value(1).toString(),
                    q.value(2).toLongLong(),
                    q.value(3).toInt() != 0,
                    q.value(4).toString().toUtf8()};
            return true;
        }
    }
    return true;
}

bool SyncStore::insert(const QString &userId, const Change &change, const QString &clientId, const QString &serverId,
                       qint64 seq, const QString &now, bool *inserted, QString *error)
{
    Query q(*m_context.store,
            QStringLiteral("INSERT INTO records (user_id, entity_type, client_id, server_id, version, seq, deleted, "
                           "account_id, payload, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                           "ON CONFLICT (user_id, entity_type, client_id) DO NOTHING"));
    q.bind(userId).bind(QString::fromLatin1(entityKinds().at(size_t(change.entity)).type)).bind(clientId);
    q.bind(serverId).bind(change.version).bind(seq).bind(change.isDelete ? 1 : 0);
    q.bind(change.payload.value(QStringLiteral("account_id")).toString());
    q.bind(QString::fromUtf8(storedPayload(change, clientId, now))).bind(now);
    if (!q.exec(error))
        return false;
    *inserted = q.rowsAffected() == 1;
    return true;
}

bool SyncStore::push(const QString &userId, const QList<Change> &changes, QJsonArray *results, QString *error)
{
    std::vector<Job> jobs{{userId, changes, {}, {}}};
    if (!pushAll(jobs, error))
        return false;
    if (!jobs.front().error.isEmpty()) {
        *error = jobs.front().error;
        return false;
    }
    *results = jobs.front().results;
    return true;
}

bool SyncStore::pushAll(std::vector<Job> &jobs, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return false;
    for (Job &job : jobs) {
        if (!m_context.store->execute(QStringLiteral("SAVEPOINT push"), error))
            return false;
        if (pushOne(job)) {
            if (!m_context.store->execute(QStringLiteral("RELEASE SAVEPOINT push"), error))
                return false;
            continue;
        }
        job.results = {};
        // A full disk or an I/O error can end the whole transaction; then the
        // savepoint is gone too and nothing of this group may be committed.
        if (!m_context.store->execute(QStringLiteral("ROLLBACK TO SAVEPOINT push"), error)
            || !m_context.store->execute(QStringLiteral("RELEASE SAVEPOINT push"), error))
            return false;
    }
    return tx.commit(error);
}

bool SyncStore::pushOne(Job &job)
{
    const QString &userId = job.userId;
    QString *error = &job.error;
    qint64 seq = 0;
    if (!userSequence(userId, true, &seq, error))
        return false;
    const qint64 firstSeq = seq;
    const QString now = m_context.nowIso();
    QJsonArray out;
    for (const Change &change : job.changes) {
        // Most changes of a big push are new records: try the insert first.
        if (change.payload.value(QStringLiteral("server_id")).toString().isEmpty()) {
            const QString serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
            bool inserted = false;
            if (!insert(userId, change, change.entityId, serverId, seq + 1, now, &inserted, error))
                return false;
            if (inserted) {
                ++seq;
                out.append(result(change, QStringLiteral("ok"), serverId));
                continue;
            }
        }
        Stored stored;
        if (!find(userId, change, &stored, error))
            return false;
        if (stored.exists && change.version < stored.version) {
            QJsonObject conflict = result(change, QStringLiteral("conflict"), stored.serverId);
            conflict.insert(QStringLiteral("message"),
                            QStringLiteral("version %1 is older than the stored version %2")
                                .arg(change.version)
                                .arg(stored.version));
            conflict.insert(QStringLiteral("server_version"), stored.version);
            out.append(conflict);
            continue;
        }
        const QString clientId = stored.exists ? stored.clientId : change.entityId;
        const QByteArray payload = storedPayload(change, clientId, now);
        // The same change again is already stored: nothing to hand out anew.
        if (stored.exists && stored.version == change.version && stored.deleted == change.isDelete
            && stored.payload == payload) {
            out.append(result(change, QStringLiteral("ok"), stored.serverId));
            continue;
        }
        const QString serverId =
            stored.exists ? stored.serverId : QUuid::createUuid().toString(QUuid::WithoutBraces);
        ++seq;
        if (stored.exists) {
            Query q(*m_context.store, QStringLiteral("UPDATE records SET version = ?, seq = ?, deleted = ?, "
                                                     "account_id = ?, payload = ?, updated_at = ? "
                                                     "WHERE user_id = ? AND entity_type = ? AND client_id = ?"));
            q.bind(change.version).bind(seq).bind(change.isDelete ? 1 : 0);
            q.bind(change.payload.value(QStringLiteral("account_id")).toString());
            q.bind(QString::fromUtf8(payload)).bind(now).bind(userId);
            q.bind(QString::fromLatin1(entityKinds().at(size_t(change.entity)).type)).bind(clientId);
            if (!q.exec(error))
                return false;
        } else {
            bool inserted = false;
            if (!insert(userId, change, clientId, serverId, seq, now, &inserted, error))
                return false;
        }
        out.append(result(change, QStringLiteral("ok"), serverId));
    }
    if (seq != firstSeq) {
        Query q(*m_context.store, QStringLiteral("UPDATE users SET change_seq = ? WHERE id = ?"));
        q.bind(seq).bind(userId);
        if (!q.exec(error))
            return false;
    }
    job.results = out;
    return true;
}

bool SyncStore::pull(const QString &userId, const SyncCursor &from, int limit, QJsonObject *reply, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Read, error);
    if (!tx.isActive())
        return false;
    qint64 latest = 0;
    if (!userSequence(userId, false, &latest, error))
        return false;
    SyncCursor cursor = from;
    // A cursor past the end means the server's data was restored from an
    // older copy: start again from the beginning rather than miss records.
    for (const qint64 s : cursor.seq) {
        if (s > latest)
            cursor = SyncCursor();
    }
    QJsonObject out;
    bool hasMore = false;
    for (int e = 0; e < kEntityCount; ++e) {
        QJsonArray records;
        // Later kinds wait until every earlier one is sent, so that no record
        // arrives before one it refers to.
        if (!hasMore) {
            Query q(*m_context.store, QStringLiteral("SELECT client_id, server_id, version, payload, seq FROM records "
                                                     "WHERE user_id = ? AND entity_type = ? AND seq > ? "
                                                     "ORDER BY seq LIMIT ?"));
            q.bind(userId).bind(QString::fromLatin1(entityKinds().at(size_t(e)).type));
            q.bind(cursor.seq[size_t(e)]).bind(limit + 1);
            if (!q.exec(error))
                return false;
            while (q.next()) {
                if (records.size() == limit) {
                    hasMore = true;
                    break;
                }
                QJsonObject record = QJsonDocument::fromJson(q.value(3).toString().toUtf8()).object();
                record.insert(QStringLiteral("id"), q.value(1).toString());
                record.insert(QStringLiteral("client_id"), q.value(0).toString());
                record.insert(QStringLiteral("version"), q.value(2).toLongLong());
                records.append(record);
                cursor.seq[size_t(e)] = q.value(4).toLongLong();
            }
        }
        out.insert(QString::fromLatin1(entityKinds().at(size_t(e)).arrayKey), records);
    }
    out.insert(QStringLiteral("has_more"), hasMore);
    out.insert(QStringLiteral("cursor"), cursor.toText());
    if (!hasMore) {
        QJsonObject counts;
        if (!integrity(userId, &counts, error))
            return false;
        out.insert(QStringLiteral("integrity"), counts);
    }
    if (!tx.commit(error))
        return false;
    *reply = out;
    return true;
}

bool SyncStore::integrity(const QString &userId, QJsonObject *out, QString *error)
{
    qint64 categories = 0;
    {
        Query q(*m_context.store, QStringLiteral("SELECT COUNT(*) FROM records WHERE user_id = ? AND "
                                                 "entity_type = 'category' AND deleted = 0"));
        q.bind(userId);
        if (!q.exec(error) || !q.next())
            return false;
        categories = q.value(0).toLongLong();
    }
    QJsonObject accounts;
    {
        Query q(*m_context.store, QStringLiteral("SELECT client_id FROM records WHERE user_id = ? AND "
                                                 "entity_type = 'account' AND deleted = 0"));
        q.bind(userId);
        if (!q.exec(error))
            return false;
        while (q.next())
            accounts.insert(q.value(0).toString(), QJsonObject{{QStringLiteral("count"), 0}});
    }
    Query q(*m_context.store, QStringLiteral("SELECT account_id, COUNT(*) FROM records WHERE user_id = ? AND "
                                             "entity_type = 'transaction' AND deleted = 0 GROUP BY account_id"));
    q.bind(userId);
    if (!q.exec(error))
        return false;
    while (q.next())
        accounts.insert(q.value(0).toString(), QJsonObject{{QStringLiteral("count"), q.value(1).toLongLong()}});
    *out = {{QStringLiteral("category_count"), categories}, {QStringLiteral("accounts"), accounts}};
    return true;
}

} // namespace QuilletServer
