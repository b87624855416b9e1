#pragma once

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace QuilletServer {

class Store;

// How a pull shows shared accounts. A member's page merges their own
// records with their entries for records shared with them, in the one
// sequence (a member's own record of the same local id wins). A revoked
// entry arrives as a deletion marked "access_revoked". Every account says
// whether it is shared ("is_shared"); one shared with the user also says in
// which role ("shared_role") and whose it is ("owner_email",
// "owner_display_name").
class SharedPull
{
public:
    SharedPull(Store &store, const QString &userId);

    // One page of one kind for a user with entries; bound as user, type,
    // cursor, user, type, cursor, limit. Columns: client_id, server_id,
    // version, payload, seq, revoked, owner, changed_at.
    static QString pageSql();
    // The condition that leaves out a shared entry (alias d) when the member
    // holds a record of that type and local id of their own: theirs wins.
    static QString ownCopyAbsent();

    // A record read by pageSql().
    void note(QJsonObject &record, bool revoked, const QString &ownerId, const QString &changedAt);
    bool decorateAccounts(QJsonArray *records, QString *error);

private:
    Store &m_store;
    QString m_userId;
    QHash<QString, QString> m_delivered;  // server id -> owner, for live entries
};

} // namespace QuilletServer
