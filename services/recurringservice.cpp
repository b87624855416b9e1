#include "services/recurringservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/changebatch.h"
#include "services/stamps.h"

#include <QDebug>

namespace {

const QDate kDateFloor(2000, 1, 1);
const QUuid kOccurrenceNamespace(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));

} // namespace

RecurringService::RecurringService(Database *database, RecurringRepository *recurring,
                                   TransactionRepository *transactions, AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QDate RecurringService::nextDate(const QDate &from, Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return from.addDays(1);
    case Frequency::Weekly:
        return from.addDays(7);
    case Frequency::Biweekly:
        return from.addDays(14);
    case Frequency::Quarterly:
        return from.addMonths(3);
    case Frequency::SemiAnnual:
        return from.addMonths(6);
    case Frequency::Annual:
        return from.addYears(1);
    case Frequency::Monthly:
        break;
    }
    return from.addMonths(1);
}

bool RecurringService::isBrokenDate(const QDate &date)
{
    return !date.isValid() || date < kDateFloor;
}

int RecurringService::effectiveLeadDays(int leadDays)
{
    return qBound(0, leadDays, kMaxLeadDays);
}

QString RecurringService::occurrenceId(const QString &scheduleId, const QDate &due, bool destinationSide)
{
    QString key = scheduleId + QLatin1Char(':') + SqlValue::date(due);
    if (destinationSide)
        key += QLatin1String(":dest");
    return Ids::nameBased(kOccurrenceNamespace, key);
}

// Runs work as one database transaction whose repository signals are held back
// and announced once when it committed. A call made while another one runs
// (confirmAllDue confirming each schedule) joins the running one.
template <typename Work>
auto RecurringService::inBatch(Work work) -> decltype(work())
{
    using Result = decltype(work());
    if (m_batch)
        return work();
    // A write of someone else's is open on the connection (an import lets the
    // event loop run between its rows): whatever we posted now would be
    // committed or rolled back with it, behind the user's back.
    if (DbTransaction::inTransaction(m_database->connection())) {
        qWarning() << "RecurringService: another write is in progress; nothing is posted now";
        return Result{};
    }

    ChangeBatch batch({nullptr, m_transactions, m_recurring, nullptr});
    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return Result{};
    m_batch = &batch;
    const Result result = work();
    m_batch = nullptr;
    if (!tx.commit())
        return Result{};

    const bool countMayHaveChanged = batch.recurringTouched();
    batch.publish();
    if (countMayHaveChanged)
        Q_EMIT pendingCountChanged(pendingCount());
    return result;
}

// A schedule whose next date is past its end has ended.
void RecurringService::endIfOver(RecurringTransaction &schedule)
{
    if (schedule.isOver())
        schedule.isActive = false;
}

bool RecurringService::addSchedule(RecurringTransaction schedule, QString *storedId)
{
    endIfOver(schedule);
    Stamps::asNew(schedule, Clock::nowUtc());
    if (!m_recurring->insert(schedule))
        return false;
    if (storedId)
        *storedId = schedule.id;
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::updateSchedule(const RecurringTransaction &edited)
{
    const std::optional<RecurringTransaction> stored = m_recurring->findById(edited.id);
    if (!stored || stored->isDeleted())
        return false;
    RecurringTransaction schedule = edited;
    endIfOver(schedule);
    Stamps::asEdit(schedule, *stored, Clock::nowUtc());
    if (!m_recurring->update(schedule))
        return false;
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::deleteSchedule(const QString &scheduleId)
{
    if (!m_recurring->softDelete(scheduleId))
        return false;
    Q_EMIT pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::confirm(const QString &scheduleId, bool *alreadyPosted)
{
    if (alreadyPosted)
        *alreadyPosted = false;
    return inBatch([&] {
        std::optional<RecurringTransaction> schedule = m_recurring->findById(scheduleId);
        if (!schedule || schedule->isDeleted())
            return false;
        const Posting result = postOccurrence(*schedule);
        if (alreadyPosted)
            *alreadyPosted = result == Posting::AlreadyThere;
        return result != Posting::Refused;
    });
}

bool RecurringService::skip(const QString &scheduleId)
{
    return inBatch([&] {
        std::optional<RecurringTransaction> schedule = m_recurring->findById(scheduleId);
        if (!schedule || schedule->isDeleted())
            return false;
        if (!advance(*schedule))
            return false;
        m_batch->touchRecurring();
        return true;
    });
}

int RecurringService::confirmAllDue()
{
    return inBatch([this] {
        int posted = 0;
        const QList<RecurringTransaction> due = m_recurring->dueOn(Clock::today());
        for (const RecurringTransaction &schedule : due) {
            if (confirm(schedule.id))
                ++posted;
        }
        return posted;
    });
}

int RecurringService::enterThrough(const QDate &last)
{
    return inBatch([&] {
        int posted = 0;
        const QList<RecurringTransaction> schedules = m_recurring->listAll();
        for (const RecurringTransaction &schedule : schedules) {
            if (schedule.isActive && !isBrokenDate(schedule.nextDueDate))
                posted += catchUp(schedule.id, last, CatchUp::Manual);
        }
        return posted;
    });
}

int RecurringService::processDue()
{
    return inBatch([this] {
        int posted = 0;
        const QDate today = Clock::today();
        const QList<RecurringTransaction> schedules = m_recurring->listAll();
        for (const RecurringTransaction &schedule : schedules) {
            if (!schedule.isActive || !schedule.autoPost)
                continue;
            if (isBrokenDate(schedule.nextDueDate)) {
                quarantine(schedule, QStringLiteral("broken next_due_date"));
                continue;
            }
            posted += catchUp(schedule.id, today.addDays(effectiveLeadDays(schedule.leadDays)), CatchUp::Automatic);
        }
        return posted;
    });
}

int RecurringService::pendingCount()
{
    return int(m_recurring->dueOn(Clock::today()).size());
}

QList<RecurringTransaction> RecurringService::allSchedules()
{
    return m_recurring->listAll();
}

// Posts occurrences of one schedule while they fall on or before cutoff. The
// schedule is read once; after that the copy advanced by each posting is the
// stored state, so there is no need to read it back every time.
int RecurringService::catchUp(const QString &scheduleId, const QDate &cutoff, CatchUp mode)
{
    std::optional<RecurringTransaction> schedule = m_recurring->findById(scheduleId);
    int posted = 0;
    QDate last;
    bool capHit = false;
    // Occurrences already posted (by another device, or before a restore)
    // are stepped over without counting; the bound keeps a pass finite.
    for (int steps = 0; schedule && schedule->isActive && !schedule->isDeleted() && steps < 10 * kCatchUpCap;
         ++steps) {
        const QDate due = schedule->nextDueDate;
        if (!due.isValid())
            break;
        if (due < kDateFloor) {
            if (mode == CatchUp::Automatic)
                quarantine(*schedule, QStringLiteral("advanced to broken date during catchup"));
            break;
        }
        if (due > cutoff || due == last)
            break;
        last = due;
        const Posting result = postOccurrence(*schedule);
        if (result == Posting::Refused)
            break;
        if (result == Posting::AlreadyThere)
            continue;
        ++posted;
        if (mode == CatchUp::Automatic && posted == kCatchUpCapMark)
            capHit = true;
        if (posted >= kCatchUpCap)
            break;
    }
    if (capHit) {
        if (const std::optional<RecurringTransaction> again = m_recurring->findById(scheduleId))
            quarantine(*again, QStringLiteral("hit catchup cap in single tick"));
    }
    return posted;
}

QString RecurringService::transferRefusal(const RecurringTransaction &schedule)
{
    const std::optional<Account> destination = m_accounts->findById(schedule.transferDestAccountId);
    // Money must not land where the user cannot see it.
    if (!destination || destination->isDeleted())
        return QStringLiteral("destination account is deleted");
    const std::optional<Account> source = m_accounts->findById(schedule.accountId);
    if (source && source->currency != destination->currency)
        return QStringLiteral("source and destination currencies differ");
    return QString();
}

// One occurrence: the posted row (for a transfer both linked rows) and the
// advanced schedule are written together or not at all. On success `schedule`
// holds the stored, advanced state.
RecurringService::Posting RecurringService::postOccurrence(RecurringTransaction &schedule)
{
    if (isBrokenDate(schedule.nextDueDate)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << schedule.id
                             << schedule.payee << SqlValue::date(schedule.nextDueDate)
                             << "— quarantining (deactivating)";
        deactivate(schedule);
        return Posting::Refused;
    }
    // An end date moved before the next date (or set so from the start) ends
    // the schedule there: nothing is posted past it.
    if (schedule.isOver()) {
        qWarning().noquote() << "RecurringService: ending" << schedule.id << schedule.payee
                             << "— its next date" << SqlValue::date(schedule.nextDueDate) << "is after its end date";
        deactivate(schedule);
        return Posting::Refused;
    }

    // Checked before anything is written: a transfer between currencies would
    // leave one half posted and the occurrence blocked for good.
    const bool transfer = !schedule.transferDestAccountId.isEmpty();
    if (m_viewOnly && (m_viewOnly(schedule.accountId) || (transfer && m_viewOnly(schedule.transferDestAccountId)))) {
        qWarning().noquote() << "RecurringService: not posting" << schedule.id
                             << "— an account of it is shared with you to view only";
        return Posting::Refused;
    }
    if (transfer) {
        const QString refusal = transferRefusal(schedule);
        if (!refusal.isEmpty()) {
            qWarning().noquote() << "RecurringService: skipping transfer post for" << schedule.id << "—" << refusal;
            return Posting::Refused;
        }
    }

    const QDateTime now = Clock::nowUtc();
    const QDate due = schedule.nextDueDate;
    Transaction source;
    source.id = occurrenceId(schedule.id, due);
    source.accountId = schedule.accountId;
    source.date = due;
    source.payee = schedule.payee;
    source.memo = schedule.memo;
    source.amount = schedule.amount;
    source.categoryId = schedule.categoryId;
    source.recurringId = schedule.id;
    source.createdAt = now;
    source.updatedAt = now;

    Transaction destination;
    if (transfer) {
        destination = source;
        destination.id = occurrenceId(schedule.id, due, true);
        destination.accountId = schedule.transferDestAccountId;
        destination.amount = -schedule.amount;
        destination.transferLinkId = source.id;
        destination.transferDestAccountId = schedule.accountId;
        source.transferLinkId = destination.id;
        source.transferDestAccountId = schedule.transferDestAccountId;
    }

    DbTransaction tx(m_database->connection());
    if (!tx.isActive())
        return Posting::Refused;
    // The occurrence was posted before, here or on another device, and may
    // have been deleted since: the schedule moves past it instead of trying
    // the same date for ever.
    const bool alreadyThere = m_transactions->getById(source.id).has_value();
    if (!alreadyThere) {
        if (!m_transactions->insert(source))
            return Posting::Refused;
        if (transfer && !m_transactions->insert(destination))
            return Posting::Refused;
    }
    RecurringTransaction advanced = schedule;
    if (!advance(advanced) || !tx.commit())
        return Posting::Refused;

    schedule = advanced;
    m_batch->touchRecurring();
    if (alreadyThere)
        return Posting::AlreadyThere;
    m_batch->touchTransactions(source.accountId);
    if (transfer)
        m_batch->touchTransactions(destination.accountId);
    return Posting::Posted;
}

bool RecurringService::advance(RecurringTransaction &schedule)
{
    schedule.nextDueDate = nextDate(schedule.nextDueDate, schedule.frequency);
    schedule.updatedAt = Clock::nowUtc();
    schedule.syncStatus = SyncStatus::Pending;
    endIfOver(schedule);
    return m_recurring->update(schedule);
}

void RecurringService::quarantine(const RecurringTransaction &schedule, const QString &reason)
{
    qWarning().noquote() << "Quarantining recurring" << schedule.id << schedule.payee
                         << "— auto-deactivating. Reason:" << reason
                         << "nextDueDate=" << SqlValue::date(schedule.nextDueDate);
    std::optional<RecurringTransaction> stored = m_recurring->findById(schedule.id);
    if (stored)
        deactivate(*stored);
}

void RecurringService::deactivate(RecurringTransaction &schedule)
{
    schedule.isActive = false;
    schedule.updatedAt = Clock::nowUtc();
    schedule.syncStatus = SyncStatus::Pending;
    if (m_recurring->update(schedule))
        m_batch->touchRecurring();
}
