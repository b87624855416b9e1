#pragma once

#include "data/store.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QString>

#include <optional>

// Writes the records of pulled pages into the local tables. For each record:
// find the local row (by its client id, else by the service's id), keep the
// local row when the record is older, or when the row holds an edit of the
// same version not yet pushed, else make the row what the record says, and
// insert records that are new here unless they are deletions. The caller
// wraps the pages in one database transaction; once that has ended (a failed
// write may end it), nothing more is written.
class SyncApplier
{
public:
    explicit SyncApplier(const Repositories &repositories);

    // Forgets what it learnt of the tables (before the pull of a cycle).
    void reset();

    void applyAccounts(const QJsonArray &records);
    void applyCategories(const QJsonArray &records);
    void applyRecurring(const QJsonArray &records);
    void applyTransactions(const QJsonArray &records);
    void applyReconciliations(const QJsonArray &records);

    // Records that changed a local row since the last reset.
    int applied() const { return m_applied; }

    // Two sides of a transfer whose accounts are both live must both be live
    // or both deleted. Per-record rules alone can split a pair when two
    // devices changed it at once (one deleted it or its account, the other
    // edited it or the account); the deletion wins, the same way on every
    // device, and goes out as a pending change. Returns the rows changed.
    int mendTransfers();

private:
    template <typename Row, typename Kind>
    void apply(const QJsonArray &records, Kind &kind);
    // Marks the row deleted and synced, so that nothing of it goes out again.
    template <typename Row, typename Kind>
    bool revoke(const Row &local, const QDateTime &deletedAt, Kind &kind);
    // The local id of the record: its client id when such a row exists, else
    // the row that bears its server id, else empty.
    QString localId(const QString &table, const QString &clientId, const QString &serverId, bool clientExists);

    Repositories m_repos;
    QHash<QString, QHash<QString, QString>> m_serverIds;  // per table, built on first need
    int m_applied = 0;
};
