#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class AccountRepository;

namespace LarkAccount {
class Client;
}

// Sharing an account with members of the user's family group, through the
// service's sharing requests ("/accounts/%1/members", "/accounts/%1/share",
// "/accounts/%1/share/%2", relative to the sync API). The service knows the
// account by its server id, so only an account that has been synced can be
// shared. Every request completes once, from the event loop.
class AccountSharingService : public QObject
{
    Q_OBJECT
public:
    struct Person {
        QString userId;
        QString email;
        QString displayName;
        // The name, with the address when there is one to tell people apart.
        QString label() const;
    };
    struct Member {
        Person person;
        QString role;  // "viewer" or "editor"
        QDateTime createdAt;
    };
    // One account's sharing as the service tells it.
    struct Sharing {
        Person owner;
        QString myRole;  // "owner", "editor" or "viewer"
        QList<Member> members;
        QList<Person> candidates;  // group members the owner may add
        bool isOwner() const { return myRole == QLatin1String("owner"); }
    };
    // ok false: error says why, in words for the user.
    using Done = std::function<void(bool ok, const QString &error, const Sharing &sharing)>;

    AccountSharingService(LarkAccount::Client *client, AccountRepository *accounts, QObject *parent = nullptr);

    // Empty when the account can be shared now, else why not: signed out,
    // or not synced yet.
    QString unavailableReason(const QString &accountId) const;

    void members(const QString &accountId, Done done);
    // Adds a member, or changes the member's role.
    void share(const QString &accountId, const QString &userId, const QString &role, Done done);
    void unshare(const QString &accountId, const QString &userId, Done done);

    static Sharing sharingFrom(const QJsonObject &reply);

Q_SIGNALS:
    // A share was added, changed or ended: a sync brings the account's new state.
    void sharingChanged(const QString &accountId);

private:
    void request(const QByteArray &verb, const QString &accountId, const QString &pathTail, const QJsonObject &body,
                 bool changes, Done done);

    LarkAccount::Client *m_client;
    AccountRepository *m_accounts;
};
