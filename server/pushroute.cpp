#include "server/pushroute.h"
#include "server/store.h"
#include "server/syncchanges.h"

namespace QuilletServer {

namespace {

StoredRecord storedFrom(const Query &q, int first)
{
    return {true,
            q.value(first).toString(),
            q.value(first + 1).toString(),
            q.value(first + 2).toLongLong(),
            q.value(first + 3).toInt() != 0,
            q.value(first + 4).toString().toUtf8(),
            q.value(first + 5).toString()};
}

} // namespace

bool findRecord(Store &store, const QString &userId, const Change &change, StoredRecord *out, QString *error)
{
    const QString serverId = change.payload.value(QStringLiteral("server_id")).toString();
    const std::pair<QString, QString> lookups[] = {{QStringLiteral("client_id = ?"), change.entityId},
                                                   {QStringLiteral("server_id = ?"), serverId}};
    *out = StoredRecord();
    for (const auto &lookup : lookups) {
        if (lookup.second.isEmpty())
            continue;
        Query q(store, QStringLiteral("SELECT client_id, server_id, version, deleted, payload, account_id FROM records "
                                      "WHERE user_id = ? AND entity_type = ? AND ")
                           + lookup.first);
        q.bind(userId).bind(entityType(change.entity)).bind(lookup.second);
        if (!q.exec(error))
            return false;
        if (q.next()) {
            *out = storedFrom(q, 0);
            return true;
        }
    }
    return true;
}

PushRouter::PushRouter(Store &store)
    : m_store(store)
{
}

bool PushRouter::load(const QString &pusherId, QString *error)
{
    m_pusher = pusherId;
    if (!SharedFeed::sharedWith(m_store, pusherId, &m_shared, error))
        return false;
    // Someone whose shares ended still has entries, revoked: their devices
    // may yet send changes of those records. An owner given a member's
    // category has nothing to route: categories always stay with the pusher.
    m_receives = !m_shared.isEmpty();
    return m_receives || SharedFeed::receivesAny(m_store, pusherId, &m_receives, error, true);
}

QString PushRouter::refusalFor(const QString &ownerId, const QString &accountClientId) const
{
    const auto account = m_shared.constFind(accountClientId);
    if (account == m_shared.constEnd() || account->ownerId != ownerId)
        return QStringLiteral("a row cannot move between a shared account and another account");
    if (account->role != QLatin1String("editor"))
        return QStringLiteral("this account is shared with you to view only");
    return {};
}

bool PushRouter::ownsAccount(const QString &clientId, bool *owns, QString *error)
{
    Query q(m_store, QStringLiteral("SELECT 1 FROM records WHERE user_id = ? AND entity_type = 'account' "
                                    "AND client_id = ?"));
    q.bind(m_pusher).bind(clientId);
    if (!q.exec(error))
        return false;
    *owns = q.next();
    return true;
}

bool PushRouter::findShared(const Change &change, StoredRecord *out, QString *ownerId, bool *revoked, QString *error)
{
    const QString serverId = change.payload.value(QStringLiteral("server_id")).toString();
    const std::pair<QString, QString> lookups[] = {{QStringLiteral("d.server_id = ?"), serverId},
                                                   {QStringLiteral("d.client_id = ?"), change.entityId}};
    *out = StoredRecord();
    for (const auto &lookup : lookups) {
        if (lookup.second.isEmpty())
            continue;
        Query q(m_store, QStringLiteral("SELECT r.user_id, d.revoked, r.client_id, r.server_id, r.version, r.deleted, "
                                        "r.payload, r.account_id FROM shared_records d "
                                        "JOIN records r ON r.server_id = d.server_id "
                                        "WHERE d.user_id = ? AND d.entity_type = ? AND ")
                             + lookup.first);
        q.bind(m_pusher).bind(entityType(change.entity)).bind(lookup.second);
        if (!q.exec(error))
            return false;
        if (q.next()) {
            *ownerId = q.value(0).toString();
            *revoked = q.value(1).toInt() != 0;
            *out = storedFrom(q, 2);
            return true;
        }
    }
    return true;
}

bool PushRouter::route(const Change &change, PushTarget *out, QString *error)
{
    *out = PushTarget();
    out->ownerId = m_pusher;
    const bool shareable =
        change.entity == kAccountKind || change.entity == kTransactionKind || change.entity == kReconciliationKind;
    if (!m_receives || !shareable)
        return true;
    const QString accountId = change.entity == kAccountKind
                                  ? change.entityId
                                  : change.payload.value(QStringLiteral("account_id")).toString();
    const bool intoShared = change.entity != kAccountKind && m_shared.contains(accountId);

    if (!findRecord(m_store, m_pusher, change, &out->stored, error))
        return false;
    out->looked = true;
    if (out->stored.exists) {
        // The pusher's own row: it stays theirs, and the owner's account is
        // no place for it.
        bool owns = true;
        if (intoShared && !ownsAccount(accountId, &owns, error))
            return false;
        if (!owns)
            out->refusal = QStringLiteral("a row cannot move between a shared account and another account");
        return true;
    }

    QString ownerId;
    bool revoked = false;
    StoredRecord shared;
    if (!findShared(change, &shared, &ownerId, &revoked, error))
        return false;
    if (shared.exists) {
        out->stored = shared;
        if (revoked) {
            // The member's device lets go of a row it may no longer see: done.
            if (change.isDelete)
                out->acknowledged = true;
            else
                out->refusal = QStringLiteral("this account is no longer shared with you");
            return true;
        }
        out->ownerId = ownerId;
        if (change.entity == kAccountKind) {
            out->refusal = refusalFor(ownerId, shared.clientId);
            if (out->refusal.isEmpty() && change.isDelete)
                out->refusal = QStringLiteral("only the owner can delete a shared account");
            return true;
        }
        out->refusal = refusalFor(ownerId, shared.accountId);
        if (out->refusal.isEmpty() && accountId != shared.accountId)
            out->refusal = refusalFor(ownerId, accountId);
        return true;
    }

    // A new row: into an account shared with the pusher, unless they have an
    // account of the same local id themselves.
    if (!intoShared)
        return true;
    bool owns = false;
    if (!ownsAccount(accountId, &owns, error))
        return false;
    if (owns)
        return true;
    const SharedAccount &account = m_shared.value(accountId);
    out->ownerId = account.ownerId;
    out->stored = StoredRecord();
    out->looked = false;
    out->refusal = refusalFor(account.ownerId, accountId);
    return true;
}

} // namespace QuilletServer
