#include "cloud/syncengine.h"

#include "cloud/apiclient.h"
#include "cloud/syncapply.h"
#include "cloud/syncchange.h"
#include "data/accountrepository.h"
#include "data/bulkwrite.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QHash>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

namespace {

// The synchronised kinds in the order in which rows that others refer to come first.
enum KindIndex { AccountKind, CategoryKind, RecurringKind, TransactionKind, ReconciliationKind, KindCount };
const char *const kEntityTypes[KindCount] = {"account", "category", "recurring", "transaction", "reconciliation"};

int kindOf(const QString &entityType)
{
    for (int k = 0; k < KindCount; ++k) {
        if (entityType == QLatin1String(kEntityTypes[k]))
            return k;
    }
    return -1;
}

// The record arrays of a pull reply.
const char *const kPageArrays[] = {"accounts", "categories", "recurring_transactions", "recurring", "transactions",
                                   "reconciliations"};

const QString kCursorKey = QStringLiteral("syncCursor");

const QString kLastSyncKey = QStringLiteral("lastSyncTimestamp");

// Whether a 2xx answer is the service's pull page at all, and not, say, a
// proxy's or a captive portal's page (which reads as an empty object).
bool isPullPage(const QJsonObject &body)
{
    if (body.contains(QStringLiteral("cursor")) || body.contains(QStringLiteral("has_more")))
        return true;
    return std::any_of(std::begin(kPageArrays), std::end(kPageArrays),
                       [&body](const char *key) { return body.contains(QLatin1String(key)); });
}

} // namespace

SyncEngine::SyncEngine(LarkAccount::ApiClient *api, const Repositories &repositories, QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_repos(repositories)
    , m_applier(std::make_unique<SyncApplier>(repositories))
    , m_periodic(new QTimer(this))
    , m_debounce(new QTimer(this))
{
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(kDebounceMs);
    connect(m_periodic, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounce, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_api, &LarkAccount::ApiClient::authenticationRequired, this, [this] {
        if (m_state != Error)
            setState(Error);
    });
}

SyncEngine::~SyncEngine() = default;

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle:
        return tr("Synced");
    case Syncing:
        return tr("Syncing...");
    case Error:
        return tr("Sync error");
    case Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

void SyncEngine::setState(SyncState state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void SyncEngine::syncNow()
{
    if (m_maySync && !m_maySync()) {
        m_resyncRequested = false;
        setState(Idle);
        return;
    }
    if (m_state == Syncing) {
        m_resyncRequested = true;
        return;
    }
    m_resyncRequested = false;
    setState(Syncing);
    startCycle();
}

void SyncEngine::scheduleSync()
{
    m_debounce->start();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_periodic->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_periodic->stop();
    m_debounce->stop();
}

bool SyncEngine::isAutoSyncActive() const
{
    return m_periodic->isActive();
}

void SyncEngine::stop()
{
    stopAutoSync();
    ++m_cycle;
    m_resyncRequested = false;
    m_queue.clear();
    m_batch.clear();
    m_pages.clear();
    if (m_state == Syncing)
        setState(Idle);
}

void SyncEngine::forceFullSync()
{
    int accounts = 0, categories = 0, transactions = 0, recurrings = 0, reconciliations = 0;
    {
        DbTransaction tx(m_repos.db->connection());
        accounts = m_repos.accounts->markAllPendingForResync();
        categories = m_repos.categories->markAllPendingForResync();
        transactions = m_repos.transactions->markAllPendingForResync();
        recurrings = m_repos.recurring->markAllPendingForResync();
        reconciliations = m_repos.reconciliations->markAllPendingForResync();
        m_repos.preferences->remove(kCursorKey);
        m_repos.preferences->remove(kLastSyncKey);
        tx.commit();
    }
    qInfo().noquote() << "Force Full Sync: marked pending \u2014"
                      << "accounts:" << accounts << "categories:" << categories << "transactions:" << transactions
                      << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    syncNow();
}

void SyncEngine::startCycle()
{
    m_counts = {};
    if (!m_gate) {
        sendChanges();
        return;
    }
    QPointer<SyncEngine> self(this);
    m_gate([self, cycle = m_cycle](bool go, const QString &why) {
        if (!self || cycle != self->m_cycle || self->m_state != Syncing)
            return;
        if (go) {
            self->sendChanges();
        } else if (!why.isEmpty()) {
            self->fail(why);
        } else {
            self->m_resyncRequested = false;
            self->setState(Idle);
        }
    });
}

void SyncEngine::sendChanges()
{
    collect();
    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    qInfo().noquote() << "Pushing" << m_queue.size() << "changes (in batches of" << kPushBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::collect()
{
    m_queue.clear();
    const QSqlDatabase db = m_repos.db->connection();
    // One snapshot for every table, so that a transfer's two sides or a
    // split and its lines are read as they stand together.
    DbTransaction snapshot(db, DbTransaction::Mode::Deferred);
    // Demonstration rows stay on this device: their ids are not UUIDs, and
    // the service refuses a whole batch for one of them. They are passed
    // over before their change (and a split's lines) is built.
    auto add = [this](int kind, const QString &id, const std::function<SyncChange()> &change) {
        if (!id.startsWith(QLatin1String("sample-")))
            m_queue.append({kind, id, change().toJson()});
    };
    for (const Account &a : m_repos.accounts->pending())
        add(AccountKind, a.id, [&] { return SyncChange::of(a); });
    for (const Category &c : m_repos.categories->pending())
        add(CategoryKind, c.id, [&] { return SyncChange::of(c); });
    for (const RecurringTransaction &r : m_repos.recurring->pending())
        add(RecurringKind, r.id, [&] { return SyncChange::of(r); });
    for (const Transaction &t : m_repos.transactions->pending())
        add(TransactionKind, t.id, [&] {
            return SyncChange::of(t, t.isSplit ? m_repos.splitLines->linesOf(t.id) : QList<SplitLine>());
        });
    for (const Reconciliation &r : m_repos.reconciliations->pending())
        add(ReconciliationKind, r.id, [&] { return SyncChange::of(r); });
    m_mark = SyncWrites::writeMark(db);
    snapshot.commit();
}

void SyncEngine::pushNextBatch()
{
    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    const qsizetype size = std::min<qsizetype>(kPushBatchSize, m_queue.size());
    m_batch = m_queue.mid(0, size);
    m_queue.remove(0, size);
    qInfo().noquote() << "Push batch:" << size << "changes," << m_queue.size() << "remaining";
    QByteArray body = "{\"changes\":[";
    for (qsizetype i = 0; i < m_batch.size(); ++i) {
        if (i > 0)
            body += ',';
        body += m_batch.at(i).json;
    }
    body += "]}";
    QPointer<SyncEngine> self(this);
    m_api->send("POST", QStringLiteral("/sync/push"), {}, body,
                [self, cycle = m_cycle](bool ok, int status, const QJsonObject &reply) {
                    if (self && cycle == self->m_cycle)
                        self->onPushReply(ok, status, reply);
                });
}

void SyncEngine::onPushReply(bool ok, int httpStatus, const QJsonObject &body)
{
    // Without its results, a 2xx answer is not the service's (see isPullPage).
    if (!ok || !body.value(QStringLiteral("results")).isArray()) {
        fail(tr("Push failed (HTTP %1)").arg(httpStatus));
        return;
    }
    markAccepted(body.value(QStringLiteral("results")).toArray());
    pushNextBatch();
}

QByteArray SyncEngine::currentJson(int kind, const QString &id)
{
    switch (kind) {
    case AccountKind:
        if (const auto a = m_repos.accounts->findById(id))
            return SyncChange::of(*a).toJson();
        break;
    case CategoryKind:
        if (const auto c = m_repos.categories->findById(id))
            return SyncChange::of(*c).toJson();
        break;
    case RecurringKind:
        if (const auto r = m_repos.recurring->findById(id))
            return SyncChange::of(*r).toJson();
        break;
    case TransactionKind:
        if (const auto t = m_repos.transactions->getById(id))
            return SyncChange::of(*t, t->isSplit ? m_repos.splitLines->linesOf(id) : QList<SplitLine>()).toJson();
        break;
    case ReconciliationKind:
        if (const auto r = m_repos.reconciliations->findById(id))
            return SyncChange::of(*r).toJson();
        break;
    }
    return {};
}

bool SyncEngine::markSynced(int kind, const QString &id, const QString &serverId)
{
    switch (kind) {
    case AccountKind:
        return m_repos.accounts->markSynced(id, serverId);
    case CategoryKind:
        return m_repos.categories->markSynced(id, serverId);
    case RecurringKind:
        return m_repos.recurring->markSynced(id, serverId);
    case TransactionKind:
        return m_repos.transactions->markSynced(id, serverId);
    case ReconciliationKind:
        return m_repos.reconciliations->markSynced(id, serverId);
    }
    return false;
}

void SyncEngine::markAccepted(const QJsonArray &results)
{
    const QSqlDatabase db = m_repos.db->connection();
    // Holding the write lock, nobody can change a row between the check and
    // the mark. A row written since the queue was read is marked only when it
    // still reads exactly as it was sent; otherwise the newer edit stays
    // pending for the next cycle.
    DbTransaction tx(db);
    const SyncWrites::WriteMark mark = SyncWrites::writeMark(db);
    const bool untouched = tx.isActive() && m_mark.ownChanges >= 0 && mark == m_mark;
    QHash<QString, const Queued *> sent;
    if (!untouched) {
        for (const Queued &q : std::as_const(m_batch))
            sent.insert(QString::fromLatin1(kEntityTypes[q.kind]) + QLatin1Char('/') + q.id, &q);
    }
    int accepted = 0;
    int errors = 0;
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString status = result.value(QStringLiteral("status")).toString();
        const QString entityType = result.value(QStringLiteral("entity_type")).toString();
        const QString entityId = result.value(QStringLiteral("entity_id")).toString();
        if (status != QLatin1String("ok")) {
            ++errors;
            if (status == QLatin1String("forbidden"))
                ++m_counts.forbidden;
            qWarning().noquote() << "Push result not ok \u2014 leaving record pending:" << entityType << entityId
                                 << "status=" << status
                                 << "message=" << result.value(QStringLiteral("message")).toString();
            continue;
        }
        ++accepted;
        const int kind = kindOf(entityType);
        if (kind < 0 || !tx.isActive())
            continue;
        if (!untouched) {
            const Queued *q = sent.value(entityType + QLatin1Char('/') + entityId);
            if (!q || currentJson(kind, entityId) != q->json)
                continue;
        }
        markSynced(kind, entityId, result.value(QStringLiteral("server_id")).toString());
    }
    if (errors > 0) {
        qWarning().noquote() << "Push batch:" << accepted << "ok," << errors
                             << "errors \u2014 failed records remain pending for next sync";
    }
    m_counts.pushed += accepted;
    m_counts.rejected += errors;
    tx.commit();
    m_mark = SyncWrites::writeMark(db);
}

void SyncEngine::startPull()
{
    m_pullPageCount = 0;
    m_pages.clear();
    m_pageRecords = 0;
    m_applier->reset();
    m_pullCursor = m_repos.preferences->get(kCursorKey, QString());
    pullChanges(m_pullCursor);
}

void SyncEngine::pullChanges(const QString &cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullLimit));
    QPointer<SyncEngine> self(this);
    m_api->get(
        QStringLiteral("/sync/pull"),
        [self, cycle = m_cycle](bool ok, int status, const QJsonObject &reply) {
            if (self && cycle == self->m_cycle)
                self->onPullReply(ok, status, reply);
        },
        query);
}

void SyncEngine::onPullReply(bool ok, int httpStatus, const QJsonObject &body)
{
    if (!ok || !isPullPage(body)) {
        m_pages.clear();
        fail(tr("Pull failed (HTTP %1)").arg(httpStatus));
        return;
    }
    ++m_pullPageCount;
    const bool hasMore = body.value(QStringLiteral("has_more")).toBool();
    const bool more = hasMore && m_pullPageCount < kMaxPullPages;
    const QString cursor = body.value(QStringLiteral("cursor")).toString();
    if (!cursor.isEmpty())
        m_pullCursor = cursor;
    m_pages.append(body);
    for (const char *key : kPageArrays)
        m_pageRecords += body.value(QLatin1String(key)).toArray().size();
    // Pages are written a few at a time: one database transaction, and one
    // pass over the search index, for about kApplyRecords records.
    if (more && m_pageRecords < kApplyRecords) {
        pullChanges(m_pullCursor);
        return;
    }
    // Those pages are kept whole or not at all, with the cursor that follows
    // the last of them: after a failure the same pages come again.
    if (!applyPages()) {
        fail(tr("Could not save the pulled changes"));
        return;
    }
    if (more) {
        pullChanges(m_pullCursor);
        return;
    }
    // Transfer pairs are judged once everything the service holds is here.
    m_counts.caughtUp = !hasMore;
    // Pairs can only have come apart when this cycle wrote something. More
    // than a cycle's pages, or mended pairs to send: the views show what
    // came so far, and the next cycle follows at once rather than at the next
    // timer tick.
    if (hasMore || (m_applier->applied() > 0 && m_applier->mendTransfers() > 0))
        m_resyncRequested = true;
    complete();
}

bool SyncEngine::applyPages()
{
    const QList<QJsonObject> pages = std::exchange(m_pages, {});
    m_pageRecords = 0;
    // Listeners hear of the changes once, when the cycle is complete.
    const QSignalBlocker accounts(m_repos.accounts);
    const QSignalBlocker categories(m_repos.categories);
    const QSignalBlocker recurring(m_repos.recurring);
    const QSignalBlocker transactions(m_repos.transactions);
    const QSignalBlocker reconciliations(m_repos.reconciliations);
    const QSignalBlocker preferences(m_repos.preferences);
    const QSqlDatabase db = m_repos.db->connection();
    DbTransaction tx(db);
    if (!tx.isActive())
        return false;
    // Many transactions are indexed for search, and counted in the balance
    // and payee caches, once at the end rather than row by row.
    qsizetype rows = 0;
    for (const QJsonObject &body : pages)
        rows += body.value(QStringLiteral("transactions")).toArray().size();
    BulkWrite bulk(db, rows);
    for (const QJsonObject &body : pages)
        applyPage(body);
    // SQLite ends the transaction itself on a full disk, an I/O error or a
    // trigger's ROLLBACK; then nothing of the pages is kept.
    if (!tx.isActive())
        return false;
    if (!m_pullCursor.isEmpty() && !m_repos.preferences->set(kCursorKey, m_pullCursor))
        return false;
    if (!bulk.finish() || !tx.commit())
        return false;
    for (const QJsonObject &body : pages) {
        if (body.contains(QStringLiteral("integrity")))
            integrityCheck(body.value(QStringLiteral("integrity")).toObject());
    }
    return true;
}

void SyncEngine::applyPage(const QJsonObject &body)
{
    auto array = [&body, this](const char *key) {
        const QJsonArray records = body.value(QLatin1String(key)).toArray();
        m_counts.pulled += int(records.size());
        return records;
    };
    if (body.contains(QStringLiteral("accounts")))
        applyAccounts(array("accounts"));
    if (body.contains(QStringLiteral("categories")))
        applyCategories(array("categories"));
    if (body.contains(QStringLiteral("recurring_transactions")))
        applyRecurring(array("recurring_transactions"));
    else if (body.contains(QStringLiteral("recurring")))
        applyRecurring(array("recurring"));
    if (body.contains(QStringLiteral("transactions")))
        applyTransactionChange(array("transactions"));
    if (body.contains(QStringLiteral("reconciliations")))
        applyReconciliation(array("reconciliations"));
}

void SyncEngine::applyAccounts(const QJsonArray &records)
{
    m_applier->applyAccounts(records);
}

void SyncEngine::applyCategories(const QJsonArray &records)
{
    m_applier->applyCategories(records);
}

void SyncEngine::applyRecurring(const QJsonArray &records)
{
    m_applier->applyRecurring(records);
}

void SyncEngine::applyTransactionChange(const QJsonArray &records)
{
    m_applier->applyTransactions(records);
}

void SyncEngine::applyReconciliation(const QJsonArray &records)
{
    m_applier->applyReconciliations(records);
}

void SyncEngine::integrityCheck(const QJsonObject &integrity)
{
    const qint64 serverCount = qint64(integrity.value(QStringLiteral("category_count")).toDouble());
    const QJsonObject perAccount = integrity.value(QStringLiteral("accounts")).toObject();
    Q_UNUSED(perAccount)
    if (serverCount <= 0)
        return;
    const int localCount = m_repos.categories->liveCount();
    if (localCount != serverCount) {
        qWarning().noquote() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                             << "(informational only \u2014 use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::complete()
{
    m_repos.preferences->set(kLastSyncKey, SqlValue::timestamp(Clock::nowUtc()));
    m_counts.applied = m_applier->applied();
    setState(Idle);
    Q_EMIT syncCompleted();
    Q_EMIT dataChanged();
    if (m_resyncRequested) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}

void SyncEngine::fail(const QString &error)
{
    m_queue.clear();
    m_batch.clear();
    m_lastError = error;
    setState(Error);
    Q_EMIT syncFailed(error);
}
