#pragma once

#include <QList>
#include <QString>

namespace QuilletServer {

class ChangeSequences;
class FamilyGroups;
struct RecordRef;
struct ServerContext;

// Sharing an account with members of the owner's family group, as "viewer"
// or "editor". Only the owner shares and unshares; the owner and the
// members may see who shares it. What a share lets a member pull and push is
// the sync store's (SharedFeed, PushRouter).
class AccountShares
{
public:
    struct Person {
        QString userId;
        QString email;
        QString displayName;
    };
    struct Member {
        Person person;
        QString role;
        QString createdAt;
    };
    struct Listing {
        Person owner;
        QString callerRole;  // "owner", "editor" or "viewer"
        QList<Member> members;
        // For the owner: the group's other members, who may be added.
        QList<Person> candidates;
    };

    enum class Outcome { Ok, NoAccount, NotOwner, NotShared, NotInGroup, NoSuchMember, Failed };

    AccountShares(ServerContext &context, FamilyGroups &family);

    static bool isRole(const QString &role);

    Outcome list(const QString &callerId, const QString &accountServerId, Listing *out, QString *error);
    // Adds the share, or changes its role.
    Outcome share(const QString &callerId, const QString &accountServerId, const QString &memberId,
                  const QString &role, QString *error);
    Outcome unshare(const QString &callerId, const QString &accountServerId, const QString &memberId,
                    QString *error);
    // Ends every share the user has, either way, inside the caller's write
    // transaction: they are leaving their family group.
    bool endSharesOf(const QString &userId, QString *error);

private:
    // Ok when the caller owns the account, else why not; out is filled
    // whenever the account exists.
    Outcome ownedBy(const QString &callerId, const QString &serverId, RecordRef *out, QString *error,
                    bool evenDeleted = false);
    // Moves the owner's account record on, so that the owner's devices learn
    // whether it is shared.
    bool touchOwnerRecord(const QString &serverId, const QString &ownerId, ChangeSequences &sequences,
                          QString *error);
    bool candidates(const QString &ownerId, Listing *listing, QString *error);
    bool removeShare(const RecordRef &account, const QString &memberId, bool *removed, QString *error);

    ServerContext &m_context;
    FamilyGroups &m_family;
};

} // namespace QuilletServer
