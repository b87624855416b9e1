#include "server/accountshares.h"
#include "server/changesequence.h"
#include "server/familygroups.h"
#include "server/serverconfig.h"
#include "server/sharedfeed.h"
#include "server/store.h"

#include <algorithm>

namespace QuilletServer {

AccountShares::AccountShares(ServerContext &context, FamilyGroups &family)
    : m_context(context)
    , m_family(family)
{
}

bool AccountShares::isRole(const QString &role)
{
    return role == QLatin1String("viewer") || role == QLatin1String("editor");
}

AccountShares::Outcome AccountShares::ownedBy(const QString &callerId, const QString &serverId, RecordRef *out,
                                              QString *error, bool evenDeleted)
{
    bool found = false;
    bool deleted = false;
    if (!SharedFeed::findAccount(*m_context.store, serverId, out, &deleted, &found, error))
        return Outcome::Failed;
    if (!found || (deleted && !evenDeleted))
        return Outcome::NoAccount;
    return out->ownerId == callerId ? Outcome::Ok : Outcome::NotOwner;
}

bool AccountShares::touchOwnerRecord(const QString &serverId, const QString &ownerId, ChangeSequences &sequences,
                                     QString *error)
{
    qint64 seq = 0;
    if (!sequences.next(ownerId, &seq, error))
        return false;
    Query q(*m_context.store, QStringLiteral("UPDATE records SET seq = ? WHERE server_id = ?"));
    q.bind(seq).bind(serverId);
    return q.exec(error);
}

AccountShares::Outcome AccountShares::list(const QString &callerId, const QString &accountServerId, Listing *out,
                                           QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Read, error);
    if (!tx.isActive())
        return Outcome::Failed;
    RecordRef acc;
    const Outcome owned = ownedBy(callerId, accountServerId, &acc, error);
    if (owned == Outcome::Failed || owned == Outcome::NoAccount)
        return owned;
    *out = Listing();
    out->callerRole = QStringLiteral("owner");
    {
        Query q(*m_context.store, QStringLiteral("SELECT s.member_user_id, u.email, u.display_name, s.role, "
                                                 "s.created_at FROM account_shares s JOIN users u "
                                                 "ON u.id = s.member_user_id WHERE s.account_server_id = ? "
                                                 "ORDER BY s.created_at, u.email"));
        q.bind(accountServerId);
        if (!q.exec(error))
            return Outcome::Failed;
        while (q.next()) {
            out->members.append({{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()},
                                 q.value(3).toString(),
                                 q.value(4).toString()});
            if (out->members.last().person.userId == callerId)
                out->callerRole = out->members.last().role;
        }
    }
    // The owner and the members see who shares it; nobody else learns more
    // than that it is not theirs to see.
    if (owned == Outcome::NotOwner && out->callerRole == QLatin1String("owner"))
        return Outcome::NotShared;
    Query q(*m_context.store, QStringLiteral("SELECT email, display_name FROM users WHERE id = ?"));
    q.bind(acc.ownerId);
    if (!q.exec(error) || !q.next())
        return Outcome::Failed;
    out->owner = {acc.ownerId, q.value(0).toString(), q.value(1).toString()};
    return owned == Outcome::Ok && !candidates(callerId, out, error) ? Outcome::Failed : Outcome::Ok;
}

bool AccountShares::candidates(const QString &ownerId, Listing *listing, QString *error)
{
    FamilyGroup group;
    if (!m_family.groupOf(ownerId, &group, error))
        return error->isEmpty();
    QList<FamilyMember> members;
    if (!m_family.members(group.id, &members, error))
        return false;
    for (const FamilyMember &member : std::as_const(members)) {
        const bool sharing = std::any_of(listing->members.begin(), listing->members.end(),
                                         [&member](const Member &m) { return m.person.userId == member.userId; });
        if (member.userId != ownerId && !sharing)
            listing->candidates.append({member.userId, member.email, member.displayName});
    }
    return true;
}

AccountShares::Outcome AccountShares::share(const QString &callerId, const QString &accountServerId,
                                            const QString &memberId, const QString &role, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return Outcome::Failed;
    RecordRef record;
    const Outcome owned = ownedBy(callerId, accountServerId, &record, error);
    if (owned != Outcome::Ok)
        return owned;
    if (!m_family.sameGroup(callerId, memberId, error))
        return error->isEmpty() ? Outcome::NotInGroup : Outcome::Failed;
    ChangeSequences sequences(*m_context.store);
    SharedFeed feed(*m_context.store, sequences, m_context.nowIso());
    QString current;
    {
        Query q(*m_context.store, QStringLiteral("SELECT role FROM account_shares "
                                                 "WHERE account_server_id = ? AND member_user_id = ?"));
        q.bind(accountServerId).bind(memberId);
        if (!q.exec(error))
            return Outcome::Failed;
        if (q.next())
            current = q.value(0).toString();
    }
    if (current == role)
        return Outcome::Ok;
    if (current.isEmpty()) {
        Query q(*m_context.store, QStringLiteral("INSERT INTO account_shares (account_server_id, owner_user_id, "
                                                 "member_user_id, role, created_at) VALUES (?, ?, ?, ?, ?)"));
        q.bind(accountServerId).bind(callerId).bind(memberId).bind(role).bind(m_context.nowIso());
        if (!q.exec(error) || !feed.accountShared(record, memberId, error))
            return Outcome::Failed;
    } else {
        Query q(*m_context.store, QStringLiteral("UPDATE account_shares SET role = ? "
                                                 "WHERE account_server_id = ? AND member_user_id = ?"));
        q.bind(role).bind(accountServerId).bind(memberId);
        if (!q.exec(error) || !feed.roleChanged(record, memberId, error))
            return Outcome::Failed;
    }
    if (!touchOwnerRecord(accountServerId, callerId, sequences, error) || !sequences.save(error)
        || !tx.commit(error))
        return Outcome::Failed;
    return Outcome::Ok;
}

bool AccountShares::removeShare(const RecordRef &account, const QString &memberId, bool *removed, QString *error)
{
    Query q(*m_context.store, QStringLiteral("DELETE FROM account_shares WHERE account_server_id = ? "
                                             "AND member_user_id = ?"));
    q.bind(account.serverId).bind(memberId);
    if (!q.exec(error))
        return false;
    *removed = q.rowsAffected() > 0;
    if (!*removed)
        return true;
    ChangeSequences sequences(*m_context.store);
    SharedFeed feed(*m_context.store, sequences, m_context.nowIso());
    return feed.accountUnshared(account, memberId, error)
           && touchOwnerRecord(account.serverId, account.ownerId, sequences, error) && sequences.save(error);
}

AccountShares::Outcome AccountShares::unshare(const QString &callerId, const QString &accountServerId,
                                              const QString &memberId, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return Outcome::Failed;
    RecordRef acc;
    // A deleted account can still be unshared: it would come back shared.
    const Outcome owned = ownedBy(callerId, accountServerId, &acc, error, true);
    if (owned != Outcome::Ok)
        return owned;
    bool removed = false;
    if (!removeShare(acc, memberId, &removed, error) || !tx.commit(error))
        return Outcome::Failed;
    return removed ? Outcome::Ok : Outcome::NoSuchMember;
}

bool AccountShares::endSharesOf(const QString &userId, QString *error)
{
    QList<QString> accounts;
    QList<QString> members;
    {
        Query q(*m_context.store, QStringLiteral("SELECT account_server_id, member_user_id FROM account_shares "
                                                 "WHERE owner_user_id = ? OR member_user_id = ?"));
        q.bind(userId).bind(userId);
        if (!q.exec(error))
            return false;
        while (q.next()) {
            accounts.append(q.value(0).toString());
            members.append(q.value(1).toString());
        }
    }
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        RecordRef account;
        const Outcome found = ownedBy(QString(), accounts.at(i), &account, error, true);
        if (found == Outcome::Failed)
            return false;
        bool removed = false;
        if (found != Outcome::NoAccount && !removeShare(account, members.at(i), &removed, error))
            return false;
    }
    return true;
}

} // namespace QuilletServer
