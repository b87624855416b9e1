#include "cloud/syncapply.h"

#include "cloud/syncchange.h"
#include "cloud/syncrecord.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/reconciliationrepository.h"
#include "data/sharedaccess.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncwrites.h"
#include "data/transactionrepository.h"

#include <QJsonObject>

#include <functional>
#include <optional>

namespace {

const QDate kEarliest(2000, 1, 1);

bool brokenDate(const QDate &date)
{
    return !date.isValid() || date < kEarliest;
}

template <typename Row>
QByteArray jsonOf(const Row &row)
{
    return SyncChange::of(row).toJson();
}

QByteArray jsonOf(const Transaction &t)
{
    return SyncChange::of(t, {}).toJson();
}

// How one kind of record is read, found, written and compared.
template <typename Row>
struct Kind {
    QString table;
    std::function<Row(const QJsonObject &)> read;
    std::function<std::optional<Row>(const QString &)> find;
    std::function<bool(const Row &)> insert;
    std::function<bool(const Row &)> update;
    // True (after a warning) for a record that must not be applied.
    std::function<bool(const Row &)> broken = [](const Row &) { return false; };
    // Fills in what the record may leave out, from the local row.
    std::function<void(Row &, const std::optional<Row> &)> complete = [](Row &, const std::optional<Row> &) {};
    // Whether the local row already is what the record says.
    std::function<bool(const Row &local, const Row &pulled)> same = [](const Row &local, const Row &pulled) {
        return jsonOf(local) == jsonOf(pulled);
    };
    // Whether more is written with the row (see rest).
    std::function<bool(const Row &pulled, const std::optional<Row> &local)> together =
        [](const Row &, const std::optional<Row> &) { return false; };
    // Writes, when together says so, what goes with the row once it is
    // written (a split row's lines); false when that failed.
    std::function<bool(const Row &, const std::optional<Row> &)> rest = [](const Row &, const std::optional<Row> &) {
        return true;
    };
};

} // namespace

SyncApplier::SyncApplier(const Repositories &repositories)
    : m_repos(repositories)
{
}

void SyncApplier::reset()
{
    m_serverIds.clear();
    m_applied = 0;
}

QString SyncApplier::localId(const QString &table, const QString &clientId, const QString &serverId,
                             bool clientExists)
{
    if (clientExists)
        return clientId;
    if (serverId.isEmpty())
        return {};
    // One read of the table's server ids per cycle, kept up to date as rows
    // are added, rather than a scan of the table per record.
    auto it = m_serverIds.find(table);
    if (it == m_serverIds.end())
        it = m_serverIds.insert(table, SyncWrites::serverIds(m_repos.db->connection(), table));
    return it->value(serverId);
}

template <typename Row, typename K>
void SyncApplier::apply(const QJsonArray &records, K &kind)
{
    const QSqlDatabase db = m_repos.db->connection();
    // Which records have their row here already, asked once for the page:
    // on a first download, none has.
    QStringList ids;
    ids.reserve(records.size());
    for (const QJsonValue &value : records)
        ids.append(SyncRecord::clientId(value.toObject()));
    QSet<QString> held;
    const bool known = SyncWrites::existingIds(db, kind.table, ids, &held);
    enum class Outcome { Done, Failed };
    const auto applyOne = [&](const QJsonObject &object) {
        Row pulled = kind.read(object);
        std::optional<Row> local;
        if (!pulled.id.isEmpty() && (!known || held.contains(pulled.id)))
            local = kind.find(pulled.id);
        if (!local) {
            const QString id = localId(kind.table, pulled.id, pulled.serverId, false);
            if (!id.isEmpty())
                local = kind.find(id);
        }
        // A row of an account no longer shared with the user leaves, whatever
        // its version and whatever was typed into it here: it is not theirs.
        if (object.value(QStringLiteral("access_revoked")).toBool()) {
            if (local && revoke(*local, pulled.deletedAt, kind))
                ++m_applied;
            return Outcome::Done;
        }
        if (kind.broken(pulled))
            return Outcome::Done;
        if (local)
            pulled.id = local->id;
        else if (pulled.id.isEmpty())
            pulled.id = Ids::newId();
        kind.complete(pulled, local);

        if (local) {
            if (pulled.version < local->version)
                return Outcome::Done;
            // An edit made here after the push went out has the same version:
            // it goes out in the next cycle instead of being overwritten.
            if (local->syncStatus == SyncStatus::Pending && pulled.version == local->version)
                return Outcome::Done;
            // Mostly the service handing back what this device just pushed.
            if (local->syncStatus == SyncStatus::Synced && kind.same(*local, pulled))
                return Outcome::Done;
        } else if (pulled.isDeleted()) {
            return Outcome::Done;
        }
        // A row written in more than one statement is written whole or not
        // at all.
        const bool more = kind.together(pulled, local);
        std::optional<DbTransaction> whole;
        if (more)
            whole.emplace(db);
        if (local) {
            if (!kind.update(pulled))
                return Outcome::Failed;
            // The update leaves both stamps alone: a deletion, a restore or
            // the creation time from another device arrive as they are there.
            if (local->createdAt != pulled.createdAt || local->deletedAt != pulled.deletedAt)
                SyncWrites::setStamps(db, kind.table, pulled.id, pulled.createdAt, pulled.deletedAt);
        } else if (!kind.insert(pulled)) {
            return Outcome::Failed;
        }
        if (more && (!kind.rest(pulled, local) || !whole->commit()))
            return Outcome::Failed;
        if (!local) {
            held.insert(pulled.id);
            const auto map = m_serverIds.find(kind.table);
            if (map != m_serverIds.end() && !pulled.serverId.isEmpty())
                map->insert(pulled.serverId, pulled.id);
        }
        ++m_applied;
        return Outcome::Done;
    };
    // A record can refer to one of its kind that comes after it: a category
    // to its parent, changed since and so sent later. What could not be
    // written is tried again after the rest, as long as that brings rows in.
    QList<QJsonObject> pending;
    pending.reserve(records.size());
    for (const QJsonValue &value : records)
        pending.append(value.toObject());
    while (!pending.isEmpty()) {
        QList<QJsonObject> failed;
        for (const QJsonObject &object : std::as_const(pending)) {
            // A write that failed may have ended the caller's transaction (a
            // full disk, an I/O error): the rest would be written outside it.
            if (!DbTransaction::inTransaction(db))
                return;
            if (applyOne(object) == Outcome::Failed)
                failed.append(object);
        }
        if (failed.size() == pending.size())
            break;
        pending = std::move(failed);
    }
}

template <typename Row, typename K>
bool SyncApplier::revoke(const Row &local, const QDateTime &deletedAt, K &kind)
{
    if (local.isDeleted() && local.syncStatus == SyncStatus::Synced)
        return false;
    Row row = local;
    row.syncStatus = SyncStatus::Synced;
    if (!kind.update(row))
        return false;
    const QDateTime gone = local.isDeleted() ? local.deletedAt : deletedAt.isValid() ? deletedAt : Clock::nowUtc();
    return SyncWrites::setStamps(m_repos.db->connection(), kind.table, row.id, local.createdAt, gone);
}

void SyncApplier::applyAccounts(const QJsonArray &records)
{
    AccountRepository *repo = m_repos.accounts;
    Kind<Account> kind{QStringLiteral("accounts"), &SyncRecord::account,
                       [repo](const QString &id) { return repo->findById(id); },
                       [repo](const Account &a) { return repo->insert(a); },
                       [repo](const Account &a) { return repo->update(a); }};
    apply<Account>(records, kind);
    // What the user may do in an account shared with them is the service's
    // latest word, whatever the account's version.
    SharedAccess access(m_repos.preferences);
    for (const QJsonValue &value : records) {
        const QJsonObject record = value.toObject();
        const QString clientId = record.value(QStringLiteral("client_id")).toString();
        const QString id = localId(kind.table, clientId, record.value(QStringLiteral("id")).toString(),
                                   !clientId.isEmpty() && repo->findById(clientId).has_value());
        if (id.isEmpty())
            continue;
        std::optional<SharedAccess::Access> granted;
        const QString role = record.value(QStringLiteral("shared_role")).toString();
        if (!role.isEmpty() && !record.value(QStringLiteral("access_revoked")).toBool())
            granted = SharedAccess::Access{role, record.value(QStringLiteral("owner_display_name")).toString(),
                                           record.value(QStringLiteral("owner_email")).toString()};
        if (access.set(id, granted))
            ++m_applied;
    }
}

void SyncApplier::applyCategories(const QJsonArray &records)
{
    CategoryRepository *repo = m_repos.categories;
    Kind<Category> kind{QStringLiteral("categories"), &SyncRecord::category,
                        [repo](const QString &id) { return repo->findById(id); },
                        [repo](const Category &c) { return repo->insert(c); },
                        [repo](const Category &c) { return repo->update(c); }};
    apply<Category>(records, kind);
}

void SyncApplier::applyRecurring(const QJsonArray &records)
{
    RecurringRepository *repo = m_repos.recurring;
    bool hasLeadDays = false;
    Kind<RecurringTransaction> kind{
        QStringLiteral("recurring_transactions"),
        [&hasLeadDays](const QJsonObject &record) { return SyncRecord::recurring(record, &hasLeadDays); },
        [repo](const QString &id) { return repo->findById(id); },
        [repo](const RecurringTransaction &r) { return repo->insert(r); },
        [repo](const RecurringTransaction &r) { return repo->update(r); }};
    kind.broken = [](const RecurringTransaction &r) {
        if (!brokenDate(r.nextDueDate))
            return false;
        qWarning().noquote() << "applyRecurring: skipping server record with broken nextDueDate:" << r.id
                             << r.serverId << r.nextDueDate.toString(Qt::ISODate);
        return true;
    };
    kind.complete = [&hasLeadDays](RecurringTransaction &r, const std::optional<RecurringTransaction> &local) {
        if (!hasLeadDays)
            r.leadDays = local ? local->leadDays : 0;
    };
    apply<RecurringTransaction>(records, kind);
}

void SyncApplier::applyTransactions(const QJsonArray &records)
{
    TransactionRepository *repo = m_repos.transactions;
    SplitLineRepository *lines = m_repos.splitLines;
    QList<SplitLine> pulledLines;
    Kind<Transaction> kind{
        QStringLiteral("transactions"),
        [&pulledLines](const QJsonObject &record) { return SyncRecord::transaction(record, &pulledLines); },
        [repo](const QString &id) { return repo->getById(id); },
        [repo](const Transaction &t) { return repo->insert(t); },
        [repo](const Transaction &t) { return repo->update(t); }};
    kind.broken = [](const Transaction &t) {
        if (!brokenDate(t.date))
            return false;
        qWarning().noquote() << "applyTransactionChange: skipping server record with broken date:" << t.id
                             << t.serverId << t.date.toString(Qt::ISODate);
        return true;
    };
    kind.same = [&pulledLines, lines](const Transaction &local, const Transaction &pulled) {
        const QList<SplitLine> localLines = local.isSplit ? lines->linesOf(local.id) : QList<SplitLine>();
        return SyncChange::of(local, localLines).toJson() == SyncChange::of(pulled, pulledLines).toJson();
    };
    // A split row and its lines change together or not at all.
    kind.together = [](const Transaction &t, const std::optional<Transaction> &local) {
        return t.isSplit || (local && local->isSplit);
    };
    kind.rest = [&pulledLines, lines](const Transaction &t, const std::optional<Transaction> &) {
        return lines->replaceLines(t.id, t.isSplit ? pulledLines : QList<SplitLine>());
    };
    apply<Transaction>(records, kind);
}

void SyncApplier::applyReconciliations(const QJsonArray &records)
{
    ReconciliationRepository *repo = m_repos.reconciliations;
    Kind<Reconciliation> kind{QStringLiteral("reconciliations"), &SyncRecord::reconciliation,
                              [repo](const QString &id) { return repo->findById(id); },
                              [repo](const Reconciliation &r) { return repo->insert(r); },
                              [repo](const Reconciliation &r) { return repo->update(r); }};
    kind.broken = [](const Reconciliation &r) {
        if (!brokenDate(r.statementDate))
            return false;
        qWarning().noquote() << "applyReconciliation: skipping server record with broken statementDate:" << r.id
                             << r.statementDate.toString(Qt::ISODate);
        return true;
    };
    apply<Reconciliation>(records, kind);
}

int SyncApplier::mendTransfers()
{
    const QSqlDatabase db = m_repos.db->connection();
    const QList<QPair<QString, QString>> pairs = SyncWrites::splitTransfers(db);
    int mended = 0;
    for (const auto &[deletedId, liveId] : pairs) {
        const std::optional<Transaction> deleted = m_repos.transactions->getById(deletedId);
        std::optional<Transaction> live = m_repos.transactions->getById(liveId);
        if (!deleted || !live)
            continue;
        qInfo().noquote() << "Sync: deleting the other side of transfer" << live->id << "as well";
        // Stamped from the deleted side, so that every device that mends the
        // pair writes the very same row.
        live->updatedAt = deleted->deletedAt;
        live->syncStatus = SyncStatus::Pending;
        DbTransaction tx(db);
        if (m_repos.transactions->update(*live)
            && SyncWrites::setStamps(db, QStringLiteral("transactions"), live->id, live->createdAt, deleted->deletedAt)
            && tx.commit())
            ++mended;
    }
    return mended;
}
