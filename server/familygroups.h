#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace QuilletServer {

struct ServerContext;

struct FamilyGroup {
    QString id;
    QString name;
    QString ownerUserId;
    QString createdAt;
};

struct FamilyMember {
    QString userId;
    QString email;
    QString displayName;
    bool owner = false;
    QString joinedAt;
};

struct FamilyInvitation {
    QString id;
    QString groupId;
    QString groupName;
    QString email;           // the invited address, trimmed and in lower case
    QString invitedBy;       // user id
    QString invitedByName;   // display name, for the invitee's page
    QString createdAt;
};

// A household's members: one owner, who invites by email and may remove
// others; a user belongs to at most one group. Every change is one write
// transaction of its own, so none of these may be called inside another.
class FamilyGroups
{
public:
    enum class Outcome {
        Ok,
        Invalid,    // the input is unusable (a bad address, inviting oneself)
        Forbidden,  // the caller may not do this (not the owner, not the invitee)
        NotFound,   // no such group, member or pending invitation for the caller
        Conflict,   // already in a group, already a member or already invited
        Failed,     // the store failed; nothing changed
    };
    struct Result {
        Outcome outcome = Outcome::Ok;
        QString message;  // for the person, when not Ok
        bool ok() const { return outcome == Outcome::Ok; }
    };

    // Runs inside the write transaction whenever a user stops being a member
    // (leaving, removed, or the group dissolved); false with *error rolls the
    // whole change back. For whatever depends on membership, like shares.
    using MemberLeaving = std::function<bool(const QString &groupId, const QString &userId, QString *error)>;

    static constexpr int kMaxNameLength = 100;

    explicit FamilyGroups(ServerContext &context);

    void setMemberLeaving(MemberLeaving hook) { m_memberLeaving = std::move(hook); }

    // False when the user is in no group; a store failure also sets *error.
    bool groupOf(const QString &userId, FamilyGroup *out, QString *error);
    // Owner first, then by joining time.
    bool members(const QString &groupId, QList<FamilyMember> *out, QString *error);
    // Pending invitations sent by a group, oldest first.
    bool invitationsSent(const QString &groupId, QList<FamilyInvitation> *out, QString *error);
    // Pending invitations addressed to the user's email, oldest first.
    bool invitationsFor(const QString &userId, QList<FamilyInvitation> *out, QString *error);
    // True only when both users are members of one group; false with an
    // error when the store could not tell.
    bool sameGroup(const QString &userA, const QString &userB, QString *error);

    // A new group with the user as owner; an empty name becomes "<name>'s family".
    Result create(const QString &userId, const QString &name = {}, FamilyGroup *out = nullptr);
    // The owner invites an address that is not yet a member nor invited.
    Result invite(const QString &userId, const QString &email, FamilyInvitation *out = nullptr);
    // The invitee (by the account's address) answers; accepting needs no group yet.
    Result accept(const QString &userId, const QString &invitationId);
    Result decline(const QString &userId, const QString &invitationId);
    // The owner withdraws a pending invitation.
    Result cancelInvitation(const QString &userId, const QString &invitationId);
    // A member leaves. The owner may leave only when alone, which dissolves the group.
    Result leave(const QString &userId);
    // The owner removes another member.
    Result removeMember(const QString &ownerUserId, const QString &memberUserId);

private:
    Result answerInvitation(const QString &userId, const QString &invitationId, bool accept);
    bool pendingInvitation(const QString &invitationId, FamilyInvitation *out, QString *error);
    bool invitations(const QString &where, const QString &value, QList<FamilyInvitation> *out, QString *error);
    bool dropMember(const QString &groupId, const QString &userId, QString *error);
    ServerContext &m_context;
    MemberLeaving m_memberLeaving;
};

} // namespace QuilletServer
