#include "server/familygroups.h"
#include "server/serverconfig.h"
#include "server/store.h"
#include "server/users.h"

#include <QUuid>

#include <algorithm>

namespace QuilletServer {

namespace {

using Result = FamilyGroups::Result;
using Outcome = FamilyGroups::Outcome;

Result refuse(Outcome outcome, const QString &message)
{
    return {outcome, message};
}

Result storeFailed(const char *what, const QString &error)
{
    qWarning("FamilyGroups: %s failed: %s", what, qPrintable(error));
    return {Outcome::Failed, QStringLiteral("The server could not store that. Try again later.")};
}

Result notInAGroup()
{
    return refuse(Outcome::NotFound, QStringLiteral("You are not in a family group."));
}

Result noSuchInvitation()
{
    return refuse(Outcome::NotFound, QStringLiteral("This invitation is no longer open."));
}

// Runs one statement with its values; false with *error.
bool run(Store &store, const QString &sql, const QVariantList &values, QString *error)
{
    Query q(store, sql);
    for (const QVariant &value : values)
        q.bind(value);
    return q.exec(error);
}

QString emailOf(Store &store, const QString &userId, QString *error)
{
    Query q(store, QStringLiteral("SELECT email FROM users WHERE id = ?"));
    q.bind(userId);
    if (!q.exec(error) || !q.next())
        return {};
    return q.value(0).toString();
}

} // namespace

FamilyGroups::FamilyGroups(ServerContext &context)
    : m_context(context)
{
}

bool FamilyGroups::groupOf(const QString &userId, FamilyGroup *out, QString *error)
{
    Query q(*m_context.store, QStringLiteral("SELECT g.id, g.name, g.owner_user_id, g.created_at FROM family_members m "
                                             "JOIN family_groups g ON g.id = m.group_id WHERE m.user_id = ?"));
    q.bind(userId);
    if (!q.exec(error) || !q.next())
        return false;
    *out = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
    return true;
}

bool FamilyGroups::members(const QString &groupId, QList<FamilyMember> *out, QString *error)
{
    out->clear();
    Query q(*m_context.store,
            QStringLiteral("SELECT m.user_id, u.email, u.display_name, m.joined_at, g.owner_user_id "
                           "FROM family_members m JOIN users u ON u.id = m.user_id "
                           "JOIN family_groups g ON g.id = m.group_id WHERE m.group_id = ? ORDER BY m.joined_at, u.email"));
    q.bind(groupId);
    if (!q.exec(error))
        return false;
    while (q.next()) {
        const QString userId = q.value(0).toString();
        out->append({userId, q.value(1).toString(), q.value(2).toString(), userId == q.value(4).toString(),
                     q.value(3).toString()});
    }
    std::stable_partition(out->begin(), out->end(), [](const FamilyMember &m) { return m.owner; });
    return true;
}

bool FamilyGroups::invitations(const QString &where, const QString &value, QList<FamilyInvitation> *out,
                               QString *error)
{
    out->clear();
    Query q(*m_context.store,
            QStringLiteral("SELECT i.id, i.group_id, g.name, i.email, i.invited_by, COALESCE(u.display_name, ''), "
                           "i.created_at FROM family_invitations i JOIN family_groups g ON g.id = i.group_id "
                           "LEFT JOIN users u ON u.id = i.invited_by WHERE i.status = 'pending' AND %1 "
                           "ORDER BY i.created_at, i.id")
                .arg(where));
    q.bind(value);
    if (!q.exec(error))
        return false;
    while (q.next()) {
        out->append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                     q.value(4).toString(), q.value(5).toString(), q.value(6).toString()});
    }
    return true;
}

bool FamilyGroups::invitationsSent(const QString &groupId, QList<FamilyInvitation> *out, QString *error)
{
    return invitations(QStringLiteral("i.group_id = ?"), groupId, out, error);
}

bool FamilyGroups::invitationsFor(const QString &userId, QList<FamilyInvitation> *out, QString *error)
{
    return invitations(QStringLiteral("i.email = (SELECT email FROM users WHERE id = ?)"), userId, out, error);
}

bool FamilyGroups::sameGroup(const QString &userA, const QString &userB, QString *error)
{
    Query q(*m_context.store, QStringLiteral("SELECT 1 FROM family_members a JOIN family_members b "
                                             "ON b.group_id = a.group_id WHERE a.user_id = ? AND b.user_id = ?"));
    q.bind(userA).bind(userB);
    error->clear();
    if (!q.exec(error)) {
        qWarning("FamilyGroups::sameGroup failed: %s", qPrintable(*error));
        return false;
    }
    return q.next();
}

FamilyGroups::Result FamilyGroups::create(const QString &userId, const QString &nameText, FamilyGroup *out)
{
    QString name = nameText.simplified();
    if (name.size() > kMaxNameLength)
        return refuse(Outcome::Invalid, QStringLiteral("The name may have at most %1 characters.").arg(kMaxNameLength));
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed("creating a group", error);
    FamilyGroup existing;
    if (groupOf(userId, &existing, &error))
        return refuse(Outcome::Conflict, QStringLiteral("You are already in a family group. Leave it first."));
    if (!error.isEmpty())
        return storeFailed("creating a group", error);
    if (name.isEmpty()) {
        Query q(*m_context.store, QStringLiteral("SELECT display_name FROM users WHERE id = ?"));
        q.bind(userId);
        if (!q.exec(&error))
            return storeFailed("creating a group", error);
        if (!q.next())
            return refuse(Outcome::NotFound, QStringLiteral("The account is gone."));
        name = QStringLiteral("%1's family").arg(q.value(0).toString()).left(kMaxNameLength);
    }
    const FamilyGroup group{QUuid::createUuid().toString(QUuid::WithoutBraces), name, userId, m_context.nowIso()};
    if (!run(*m_context.store,
             QStringLiteral("INSERT INTO family_groups (id, owner_user_id, name, created_at) VALUES (?, ?, ?, ?)"),
             {group.id, userId, group.name, group.createdAt}, &error)
        || !run(*m_context.store, QStringLiteral("INSERT INTO family_members (group_id, user_id, joined_at) VALUES (?, ?, ?)"),
                {group.id, userId, group.createdAt}, &error)
        || !tx.commit(&error))
        return storeFailed("creating a group", error);
    if (out)
        *out = group;
    return {};
}

FamilyGroups::Result FamilyGroups::invite(const QString &userId, const QString &emailText, FamilyInvitation *out)
{
    const QString email = Users::normaliseEmail(emailText);
    if (!Users::emailProblem(email).isEmpty())
        return refuse(Outcome::Invalid, Users::emailProblem(email));
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed("inviting", error);
    FamilyGroup group;
    if (!groupOf(userId, &group, &error))
        return error.isEmpty() ? notInAGroup() : storeFailed("inviting", error);
    if (group.ownerUserId != userId)
        return refuse(Outcome::Forbidden, QStringLiteral("Only the group's owner can invite people."));
    const QString own = emailOf(*m_context.store, userId, &error);
    if (!error.isEmpty())
        return storeFailed("inviting", error);
    if (email == own)
        return refuse(Outcome::Invalid, QStringLiteral("That is your own address."));
    {
        Query member(*m_context.store, QStringLiteral("SELECT 1 FROM family_members m JOIN users u ON u.id = m.user_id "
                                                      "WHERE m.group_id = ? AND u.email = ?"));
        member.bind(group.id).bind(email);
        if (!member.exec(&error))
            return storeFailed("inviting", error);
        if (member.next())
            return refuse(Outcome::Conflict, QStringLiteral("%1 is already in your family group.").arg(email));
    }
    {
        Query pending(*m_context.store, QStringLiteral("SELECT 1 FROM family_invitations "
                                                       "WHERE group_id = ? AND email = ? AND status = 'pending'"));
        pending.bind(group.id).bind(email);
        if (!pending.exec(&error))
            return storeFailed("inviting", error);
        if (pending.next())
            return refuse(Outcome::Conflict, QStringLiteral("%1 has already been invited.").arg(email));
    }
    const FamilyInvitation invitation{QUuid::createUuid().toString(QUuid::WithoutBraces), group.id, group.name, email,
                                      userId, QString(), m_context.nowIso()};
    if (!run(*m_context.store,
             QStringLiteral("INSERT INTO family_invitations (id, group_id, email, invited_by, created_at) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {invitation.id, group.id, email, userId, invitation.createdAt}, &error)
        || !tx.commit(&error))
        return storeFailed("inviting", error);
    if (out)
        *out = invitation;
    return {};
}

bool FamilyGroups::pendingInvitation(const QString &invitationId, FamilyInvitation *out, QString *error)
{
    Query q(*m_context.store, QStringLiteral("SELECT group_id, email, invited_by, created_at FROM family_invitations "
                                             "WHERE id = ? AND status = 'pending'"));
    q.bind(invitationId);
    if (!q.exec(error) || !q.next())
        return false;
    *out = {invitationId, q.value(0).toString(), QString(), q.value(1).toString(), q.value(2).toString(),
            QString(), q.value(3).toString()};
    return true;
}

FamilyGroups::Result FamilyGroups::answerInvitation(const QString &userId, const QString &invitationId, bool accept)
{
    const char *what = accept ? "accepting an invitation" : "declining an invitation";
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed(what, error);
    FamilyInvitation invitation;
    // Someone else's invitation looks the same as none at all.
    if (!pendingInvitation(invitationId, &invitation, &error) || invitation.email != emailOf(*m_context.store, userId, &error))
        return error.isEmpty() ? noSuchInvitation() : storeFailed(what, error);
    if (accept) {
        FamilyGroup current;
        if (groupOf(userId, &current, &error))
            return refuse(Outcome::Conflict, QStringLiteral("Leave your family group before joining another."));
        if (!error.isEmpty()
            || !run(*m_context.store, QStringLiteral("INSERT INTO family_members (group_id, user_id, joined_at) VALUES (?, ?, ?)"),
                    {invitation.groupId, userId, m_context.nowIso()}, &error))
            return storeFailed(what, error);
    }
    if (!run(*m_context.store, QStringLiteral("UPDATE family_invitations SET status = ? WHERE id = ?"),
             {accept ? QStringLiteral("accepted") : QStringLiteral("declined"), invitationId}, &error)
        || !tx.commit(&error))
        return storeFailed(what, error);
    return {};
}

FamilyGroups::Result FamilyGroups::accept(const QString &userId, const QString &invitationId)
{
    return answerInvitation(userId, invitationId, true);
}

FamilyGroups::Result FamilyGroups::decline(const QString &userId, const QString &invitationId)
{
    return answerInvitation(userId, invitationId, false);
}

FamilyGroups::Result FamilyGroups::cancelInvitation(const QString &userId, const QString &invitationId)
{
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed("withdrawing an invitation", error);
    FamilyInvitation invitation;
    FamilyGroup group;
    if (!pendingInvitation(invitationId, &invitation, &error) || !groupOf(userId, &group, &error)
        || group.id != invitation.groupId)
        return error.isEmpty() ? noSuchInvitation() : storeFailed("withdrawing an invitation", error);
    if (group.ownerUserId != userId)
        return refuse(Outcome::Forbidden, QStringLiteral("Only the group's owner can withdraw invitations."));
    if (!run(*m_context.store, QStringLiteral("UPDATE family_invitations SET status = ? WHERE id = ?"),
             {QStringLiteral("cancelled"), invitationId}, &error)
        || !tx.commit(&error))
        return storeFailed("withdrawing an invitation", error);
    return {};
}

bool FamilyGroups::dropMember(const QString &groupId, const QString &userId, QString *error)
{
    if (m_memberLeaving && !m_memberLeaving(groupId, userId, error))
        return false;
    return run(*m_context.store, QStringLiteral("DELETE FROM family_members WHERE group_id = ? AND user_id = ?"),
               {groupId, userId}, error);
}

FamilyGroups::Result FamilyGroups::leave(const QString &userId)
{
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed("leaving a group", error);
    FamilyGroup group;
    if (!groupOf(userId, &group, &error))
        return error.isEmpty() ? notInAGroup() : storeFailed("leaving a group", error);
    if (group.ownerUserId == userId) {
        QList<FamilyMember> all;
        if (!members(group.id, &all, &error))
            return storeFailed("leaving a group", error);
        if (all.size() > 1)
            return refuse(Outcome::Conflict,
                          QStringLiteral("Remove the other members first: a family group cannot be left without its owner."));
    }
    if (!dropMember(group.id, userId, &error))
        return storeFailed("leaving a group", error);
    // The owner was the last member: the group and its open invitations go.
    if (group.ownerUserId == userId
        && (!run(*m_context.store, QStringLiteral("DELETE FROM family_invitations WHERE group_id = ?"), {group.id}, &error)
            || !run(*m_context.store, QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {group.id}, &error)))
        return storeFailed("leaving a group", error);
    if (!tx.commit(&error))
        return storeFailed("leaving a group", error);
    return {};
}

FamilyGroups::Result FamilyGroups::removeMember(const QString &ownerUserId, const QString &memberUserId)
{
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return storeFailed("removing a member", error);
    FamilyGroup group;
    if (!groupOf(ownerUserId, &group, &error))
        return error.isEmpty() ? notInAGroup() : storeFailed("removing a member", error);
    if (group.ownerUserId != ownerUserId)
        return refuse(Outcome::Forbidden, QStringLiteral("Only the group's owner can remove members."));
    if (memberUserId == ownerUserId)
        return refuse(Outcome::Invalid, QStringLiteral("The owner cannot be removed; leave the group instead."));
    FamilyGroup theirs;
    if (!groupOf(memberUserId, &theirs, &error) || theirs.id != group.id)
        return error.isEmpty() ? refuse(Outcome::NotFound, QStringLiteral("That person is not in your family group."))
                               : storeFailed("removing a member", error);
    if (!dropMember(group.id, memberUserId, &error) || !tx.commit(&error))
        return storeFailed("removing a member", error);
    return {};
}

} // namespace QuilletServer
