#pragma once

#include "server/syncchanges.h"
#include "server/synccursor.h"

#include <QJsonArray>
#include <QJsonObject>

#include <vector>

namespace QuilletServer {

class ChangeSequences;
struct ServerContext;

// Each user's synchronised records with their own change sequence. A record
// is stored once per (kind, client id); each accepted change moves it to the
// end of the sequence, which is what pulls walk along.
class SyncStore
{
public:
    static constexpr int kDefaultPullLimit = 200;
    static constexpr int kMaxPullLimit = 500;

    explicit SyncStore(ServerContext &context);

    // Stores a push in one database transaction: the "results" array, one
    // element per change, or false with the database's reason and nothing kept.
    bool push(const QString &userId, const QList<Change> &changes, QJsonArray *results, QString *error);

    // Several pushes under one commit, each in a savepoint of its own: a push
    // whose statements fail is undone alone (its job says why). False when
    // the commit itself failed and nothing at all was kept.
    struct Job {
        QString userId;
        QList<Change> changes;
        QJsonArray results;
        QString error;  // empty when stored
    };
    bool pushAll(std::vector<Job> &jobs, QString *error);

    // One page after the cursor: the five arrays, "has_more", "cursor", and
    // on the last page "integrity".
    bool pull(const QString &userId, const SyncCursor &cursor, int limit, QJsonObject *reply, QString *error);

private:
    bool pushOne(Job &job);
    // Adds a new record; *inserted is false when the client id is taken.
    bool insert(const QString &userId, const Change &change, const QString &clientId, const QString &serverId,
                ChangeSequences &sequences, const QString &now, bool *inserted, QString *error);
    bool integrity(const QString &userId, bool receives, QJsonObject *out, QString *error);
    bool userSequence(const QString &userId, bool forUpdate, qint64 *seq, QString *error);
    ServerContext &m_context;
};

} // namespace QuilletServer
