#include "server/syncstore.h"
#include "server/changesequence.h"
#include "server/pushroute.h"
#include "server/sharedfeed.h"
#include "server/sharedpull.h"
#include "server/serverconfig.h"
#include "server/store.h"

#include <QJsonDocument>
#include <QUuid>

namespace QuilletServer {

namespace {

// What the store keeps of a change's payload: the record's own client id, no
// server id (the record has its own), and "deleted_at" exactly when deleted.
QByteArray storedPayload(const Change &change, const QString &clientId, const QString &now)
{
    QJsonObject payload = change.payload;
    payload.remove(QStringLiteral("server_id"));
    payload.insert(QStringLiteral("client_id"), clientId);
    // Whether and how an account is shared is the server's to say, in each
    // pull; a device may send back what it was told.
    if (change.entity == kAccountKind) {
        for (const char *key : {"is_shared", "shared_role", "owner_email", "owner_display_name", "access_revoked"})
            payload.remove(QLatin1String(key));
    }
    if (!change.isDelete)
        payload.remove(QStringLiteral("deleted_at"));
    else if (payload.value(QStringLiteral("deleted_at")).toString().isEmpty())
        payload.insert(QStringLiteral("deleted_at"), now);
    return QJsonDocument(payload).toJson(QJsonDocument::Compact);
}

QJsonObject result(const Change &change, const QString &status, const QString &serverId)
{
    return {{QStringLiteral("entity_type"), entityType(change.entity)},
            {QStringLiteral("entity_id"), change.entityId},
            {QStringLiteral("status"), status},
            {QStringLiteral("server_id"), serverId}};
}

const QString kOwnPageSql = QStringLiteral("SELECT client_id, server_id, version, payload, seq FROM records "
                                          "WHERE user_id = ? AND entity_type = ? AND seq > ? ORDER BY seq LIMIT ?");

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

bool SyncStore::insert(const QString &userId, const Change &change, const QString &clientId, const QString &serverId,
                       ChangeSequences &sequences, const QString &now, bool *inserted, QString *error)
{
    qint64 seq = 0;
    if (!sequences.next(userId, &seq, error))
        return false;
    Query q(*m_context.store,
            QStringLiteral("INSERT INTO records (user_id, entity_type, client_id, server_id, version, seq, deleted, "
                           "account_id, payload, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                           "ON CONFLICT (user_id, entity_type, client_id) DO NOTHING"));
    q.bind(userId).bind(entityType(change.entity)).bind(clientId);
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
    Store &store = *m_context.store;
    ChangeSequences sequences(store);
    if (!sequences.lock(userId, error))
        return false;
    const QString now = m_context.nowIso();
    SharedFeed feed(store, sequences, now);
    PushRouter router(store);
    if (!router.load(userId, error))
        return false;
    QJsonArray out;
    for (const Change &change : job.changes) {
        PushTarget target;
        if (!router.route(change, &target, error))
            return false;
        const QString &owner = target.ownerId;
        StoredRecord stored = target.stored;
        if (target.acknowledged) {
            out.append(result(change, QStringLiteral("ok"), stored.serverId));
            continue;
        }
        QString serverId;
        QString clientId = change.entityId;
        bool written = false;
        // Most changes of a big push are new records: try the insert first.
        if (!target.looked && target.refusal.isEmpty()
            && change.payload.value(QStringLiteral("server_id")).toString().isEmpty()) {
            serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
            if (!insert(owner, change, clientId, serverId, sequences, now, &written, error))
                return false;
        }
        if (!written) {
            if (!target.looked && !findRecord(store, owner, change, &stored, error))
                return false;
            clientId = stored.exists ? stored.clientId : change.entityId;
            const QByteArray payload = storedPayload(change, clientId, now);
            // The same change again is already stored: nothing to hand out
            // anew, whoever sends it.
            if (stored.exists && stored.version == change.version && stored.deleted == change.isDelete
                && stored.payload == payload) {
                out.append(result(change, QStringLiteral("ok"), stored.serverId));
                continue;
            }
            if (!target.refusal.isEmpty()) {
                QJsonObject refused = result(change, QStringLiteral("forbidden"), stored.serverId);
                refused.insert(QStringLiteral("message"), target.refusal);
                out.append(refused);
                continue;
            }
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
            serverId = stored.exists ? stored.serverId : QUuid::createUuid().toString(QUuid::WithoutBraces);
            if (stored.exists) {
                qint64 seq = 0;
                if (!sequences.next(owner, &seq, error))
                    return false;
                Query q(store, QStringLiteral("UPDATE records SET version = ?, seq = ?, deleted = ?, "
                                              "account_id = ?, payload = ?, updated_at = ? "
                                              "WHERE user_id = ? AND entity_type = ? AND client_id = ?"));
                q.bind(change.version).bind(seq).bind(change.isDelete ? 1 : 0);
                q.bind(change.payload.value(QStringLiteral("account_id")).toString());
                q.bind(QString::fromUtf8(payload)).bind(now).bind(owner);
                q.bind(entityType(change.entity)).bind(clientId);
                if (!q.exec(error))
                    return false;
            } else if (!insert(owner, change, clientId, serverId, sequences, now, &written, error)) {
                return false;
            }
        }
        const RecordRef record{owner, change.entity, clientId, serverId,
                               change.payload.value(QStringLiteral("account_id")).toString(), change.payload};
        if (!feed.recordChanged(record, error))
            return false;
        out.append(result(change, QStringLiteral("ok"), serverId));
    }
    if (!sequences.save(error))
        return false;
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
    // Most users have nothing shared with them: their pull reads their own
    // records alone.
    bool receives = false;
    if (!SharedFeed::receivesAny(*m_context.store, userId, &receives, error))
        return false;
    SharedPull shares(*m_context.store, userId);
    QJsonObject out;
    bool hasMore = false;
    for (int e = 0; e < kEntityCount; ++e) {
        QJsonArray records;
        // Later kinds wait until every earlier one is sent, so that no record
        // arrives before one it refers to.
        if (!hasMore) {
            Query q(*m_context.store, receives ? SharedPull::pageSql() : kOwnPageSql);
            q.bind(userId).bind(entityType(e));
            q.bind(cursor.seq[size_t(e)]);
            if (receives) {
                q.bind(userId).bind(entityType(e));
                q.bind(cursor.seq[size_t(e)]);
            }
            q.bind(limit + 1);
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
                if (receives)
                    shares.note(record, q.value(5).toInt() != 0, q.value(6).toString(), q.value(7).toString());
                records.append(record);
                cursor.seq[size_t(e)] = q.value(4).toLongLong();
            }
        }
        if (e == 0 && !shares.decorateAccounts(&records, error))
            return false;
        out.insert(QString::fromLatin1(entityKinds().at(size_t(e)).arrayKey), records);
    }
    out.insert(QStringLiteral("has_more"), hasMore);
    out.insert(QStringLiteral("cursor"), cursor.toText());
    if (!hasMore) {
        QJsonObject counts;
        if (!integrity(userId, receives, &counts, error))
            return false;
        out.insert(QStringLiteral("integrity"), counts);
    }
    if (!tx.commit(error))
        return false;
    *reply = out;
    return true;
}

bool SyncStore::integrity(const QString &userId, bool receives, QJsonObject *out, QString *error)
{
    // The live rows the user's devices hold: their own, and those shared
    // with them.
    QStringList sources = {QStringLiteral("FROM records r WHERE r.user_id = ? AND r.entity_type = '%1' "
                                          "AND r.deleted = 0")};
    if (receives) {
        sources.append(QStringLiteral("FROM shared_records d JOIN records r ON r.server_id = d.server_id "
                                      "WHERE d.user_id = ? AND d.entity_type = '%1' AND d.revoked = 0 "
                                      "AND r.deleted = 0 AND ")
                       + SharedPull::ownCopyAbsent());
    }
    qint64 categories = 0;
    QJsonObject accounts;
    for (const QString &from : std::as_const(sources)) {
        Query count(*m_context.store, QStringLiteral("SELECT COUNT(*) ") + from.arg(QLatin1String("category")));
        count.bind(userId);
        if (!count.exec(error) || !count.next())
            return false;
        categories += count.value(0).toLongLong();
        Query live(*m_context.store, QStringLiteral("SELECT r.client_id ") + from.arg(QLatin1String("account")));
        live.bind(userId);
        if (!live.exec(error))
            return false;
        while (live.next())
            accounts.insert(live.value(0).toString(), QJsonObject{{QStringLiteral("count"), 0}});
    }
    for (const QString &from : std::as_const(sources)) {
        Query q(*m_context.store, QStringLiteral("SELECT r.account_id, COUNT(*) ")
                                      + from.arg(QLatin1String("transaction"))
                                      + QStringLiteral(" GROUP BY r.account_id"));
        q.bind(userId);
        if (!q.exec(error))
            return false;
        // The user's own rows and the shared ones can name one account id
        // (two people's accounts may carry the same local id): both count.
        while (q.next()) {
            const QString account = q.value(0).toString();
            const qint64 before = accounts.value(account).toObject().value(QStringLiteral("count")).toInteger();
            accounts.insert(account, QJsonObject{{QStringLiteral("count"), before + q.value(1).toLongLong()}});
        }
    }
    *out = {{QStringLiteral("category_count"), categories}, {QStringLiteral("accounts"), accounts}};
    return true;
}

} // namespace QuilletServer
