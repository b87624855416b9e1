#pragma once

#include "data/store.h"
#include "data/syncwrites.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class SyncApplier;

namespace LarkAccount {
class ApiClient;
}

// Keeps the store and the online service in step. A cycle pushes every
// pending row of the five synchronised tables ("/sync/push", in batches),
// marks what the service accepted as synced, then pulls what changed on the
// service since the stored cursor ("/sync/pull", page by page) and writes it
// into the local tables, a few pages at a time. Everything runs on the GUI thread; requests within a
// cycle are strictly one after another.
class SyncEngine : public QObject
{
    Q_OBJECT
public:
    enum SyncState { Idle, Syncing, Error, Offline };
    Q_ENUM(SyncState)

    static constexpr int kPushBatchSize = 500;
    static constexpr int kPullLimit = 200;
    static constexpr int kMaxPullPages = 50;
    // Pulled pages are written together once they hold this many records.
    static constexpr int kApplyRecords = 1000;
    static constexpr int kDebounceMs = 2000;
    static constexpr int kAutoSyncIntervalMs = 300000;

    // What the last cycle did, for the command line and the settings page.
    struct CycleCounts {
        int pushed = 0;    // changes the service accepted
        int rejected = 0;  // changes it refused; they stay pending
        // Of those, changes to accounts others share with the user that they
        // may not make (a viewer's edits): they stay pending until allowed.
        int forbidden = 0;
        int pulled = 0;    // records received
        int applied = 0;   // of those, records that changed a local row
        bool caughtUp = false;  // the pull reached the service's last change
    };

    SyncEngine(LarkAccount::ApiClient *api, const Repositories &repositories, QObject *parent = nullptr);
    ~SyncEngine() override;

    SyncState state() const { return m_state; }
    static QString stateText(SyncState state);
    QString lastError() const { return m_lastError; }
    const CycleCounts &lastCycle() const { return m_counts; }

    // Asked before every cycle; without one, sync is always allowed.
    void setMaySync(std::function<bool()> check) { m_maySync = std::move(check); }
    // Asked at the start of every cycle, before anything is sent, and may
    // answer later: answer(true) lets the cycle go on, answer(false) ends it
    // quietly, answer(false, why) ends it as failed.
    using Answer = std::function<void(bool go, const QString &why)>;
    void setGate(std::function<void(Answer answer)> gate) { m_gate = std::move(gate); }

    // Starts a cycle now, or notes that another is wanted after the running one.
    void syncNow();
    // (Re)starts the debounce: calls within kDebounceMs of each other give one cycle.
    void scheduleSync();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    bool isAutoSyncActive() const;
    // Stops the timers and drops the running cycle: the answers still on
    // their way are not acted on, and nothing more of it is sent.
    void stop();

    // Marks every live row pending, forgets the cursor and the last sync time,
    // and syncs, so that everything goes up and comes down again.
    void forceFullSync();

    // The request steps of a cycle.
    void pushNextBatch();
    void pullChanges(const QString &cursor);

    // The apply steps, each for the array of one kind from a pull reply.
    void applyAccounts(const QJsonArray &records);
    void applyCategories(const QJsonArray &records);
    void applyRecurring(const QJsonArray &records);
    void applyTransactionChange(const QJsonArray &records);
    void applyReconciliation(const QJsonArray &records);

Q_SIGNALS:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    // Right after syncCompleted: views reload from the repositories.
    void dataChanged();

private:
    // One pending row, written out as the service receives it.
    struct Queued {
        int kind = 0;
        QString id;
        QByteArray json;
    };

    void setState(SyncState state);
    void startCycle();
    void sendChanges();
    void collect();
    void onPushReply(bool ok, int httpStatus, const QJsonObject &body);
    void markAccepted(const QJsonArray &results);
    bool markSynced(int kind, const QString &id, const QString &serverId);
    QByteArray currentJson(int kind, const QString &id);
    void startPull();
    void onPullReply(bool ok, int httpStatus, const QJsonObject &body);
    // Writes the pages pulled since the last write; false when nothing of
    // them could be kept.
    bool applyPages();
    void applyPage(const QJsonObject &body);
    void integrityCheck(const QJsonObject &integrity);
    void complete();
    void fail(const QString &error);

    LarkAccount::ApiClient *m_api;
    Repositories m_repos;
    std::unique_ptr<SyncApplier> m_applier;
    SyncState m_state = Idle;
    QString m_lastError;
    int m_pullPageCount = 0;
    QList<QJsonObject> m_pages;  // pulled, not yet written
    qsizetype m_pageRecords = 0;
    QString m_pullCursor;  // where the next pull starts
    bool m_resyncRequested = false;
    std::function<bool()> m_maySync;
    std::function<void(Answer)> m_gate;
    // Bumped by stop(): an answer for an older cycle is dropped.
    int m_cycle = 0;
    QList<Queued> m_queue;
    QList<Queued> m_batch;  // the batch in flight
    SyncWrites::WriteMark m_mark;  // the store as the queue was read from it
    CycleCounts m_counts;
    QTimer *m_periodic;
    QTimer *m_debounce;
};
