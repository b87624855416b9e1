#pragma once

#include "server/sharedfeed.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace QuilletServer {

class Store;
struct Change;

// A stored record as a push finds it.
struct StoredRecord {
    bool exists = false;
    QString clientId;
    QString serverId;
    qint64 version = 0;
    bool deleted = false;
    QByteArray payload;
    QString accountId;
};

// The user's record a change names: by its client id, else by the server id
// its payload carries (a device that learnt the record under another local id).
bool findRecord(Store &store, const QString &userId, const Change &change, StoredRecord *out, QString *error);

// Where one change of a push goes.
struct PushTarget {
    QString ownerId;             // whose records it changes
    StoredRecord stored;         // the record, when the routing already looked it up
    bool looked = false;         // stored holds the answer of that lookup
    QString refusal;             // not empty: refused with status "forbidden" for this reason
    bool acknowledged = false;   // answered "ok" with nothing stored
};

// Sends the changes of a member of shared accounts where they belong: a row
// of an account shared with them goes to the owner's records, as an editor;
// a viewer's change is refused. Changes of anyone else go to their own
// records, as always.
class PushRouter
{
public:
    explicit PushRouter(Store &store);

    // Reads what is shared with the pusher, once per push.
    bool load(const QString &pusherId, QString *error);
    bool route(const Change &change, PushTarget *out, QString *error);

private:
    bool findShared(const Change &change, StoredRecord *out, QString *ownerId, bool *revoked, QString *error);
    bool ownsAccount(const QString &clientId, bool *owns, QString *error);
    // Whether the pusher may write into the owner's account, else why not.
    QString refusalFor(const QString &ownerId, const QString &accountClientId) const;

    Store &m_store;
    QString m_pusher;
    QHash<QString, SharedAccount> m_shared;
    bool m_receives = false;
};

} // namespace QuilletServer
