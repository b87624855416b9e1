#pragma once

#include "data/records.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>

class AccountRepository;
class ChangeBatch;
class Database;
class RecurringRepository;
class TransactionRepository;

// Turns schedules into transactions: posts one occurrence (confirm), advances
// without posting (skip), posts everything due for the user, and runs the
// automatic pass the main window triggers at start-up and every hour. Posted
// rows get identifiers derived from the schedule and the due date, so an
// occurrence is posted only once on any machine that syncs the same data.
// Every call is one database transaction, and the repositories announce its
// changes once at the end.
class RecurringService : public QObject
{
    Q_OBJECT
public:
    // Occurrences of one schedule posted in one pass at most; posting the
    // kCatchUpCapMark-th marks the schedule as runaway.
    static constexpr int kCatchUpCap = 365;
    static constexpr int kCatchUpCapMark = 364;
    static constexpr int kMaxLeadDays = 60;

    RecurringService(Database *database, RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, QObject *parent = nullptr);

    // Tells which accounts are shared with the user to view only: nothing is
    // posted into them, since the service would refuse every such row.
    void setViewOnlyCheck(std::function<bool(const QString &accountId)> viewOnly) { m_viewOnly = std::move(viewOnly); }

    // Stores a schedule made by the user: a fresh id when it has none, created
    // and updated now, version 1, pending. storedId receives the id.
    bool addSchedule(RecurringTransaction schedule, QString *storedId = nullptr);
    // Writes the user's edit of a stored schedule: version + 1, updated now, pending.
    bool updateSchedule(const RecurringTransaction &edited);
    // Soft-deletes the schedule.
    bool deleteSchedule(const QString &scheduleId);

    // Posts the schedule's next occurrence, dated its due date, and advances
    // it. An occurrence whose row exists already (posted on another device,
    // or restored) is not posted again: the schedule only moves past it, and
    // alreadyPosted, when given, says so.
    bool confirm(const QString &scheduleId, bool *alreadyPosted = nullptr);
    // Advances the schedule by one step without posting.
    bool skip(const QString &scheduleId);
    // One confirm for each schedule due today; returns how many posted.
    int confirmAllDue();
    // Posts every occurrence of every active schedule up to and including last.
    int enterThrough(const QDate &last);
    // The automatic pass over auto-post schedules, with lead days, quarantine of
    // broken dates and the per-pass catch-up cap. Returns how many posted.
    int processDue();

    int pendingCount();
    QList<RecurringTransaction> allSchedules();

    // The due date after `from`, by calendar arithmetic; month steps clamp to
    // the end of a shorter month (31 Jan -> 28/29 Feb -> 28/29 Mar).
    static QDate nextDate(const QDate &from, Frequency frequency);
    // Invalid or before 2000-01-01.
    static bool isBrokenDate(const QDate &date);
    static int effectiveLeadDays(int leadDays);
    // Name-based id of the row posted for (schedule, due date); the destination
    // side of a transfer has its own.
    static QString occurrenceId(const QString &scheduleId, const QDate &due, bool destinationSide = false);

Q_SIGNALS:
    void pendingCountChanged(int count);

private:
    enum class CatchUp { Automatic, Manual };

    template <typename Work>
    auto inBatch(Work work) -> decltype(work());

    enum class Posting {
        Posted,        // the occurrence's rows were written and the schedule advanced
        AlreadyThere,  // its row existed already (live or deleted): advanced only
        Refused,       // nothing written, the schedule stays where it is
    };
    Posting postOccurrence(RecurringTransaction &schedule);
    static void endIfOver(RecurringTransaction &schedule);
    bool advance(RecurringTransaction &schedule);
    // Why a transfer occurrence cannot be posted (empty when it can).
    QString transferRefusal(const RecurringTransaction &schedule);
    int catchUp(const QString &scheduleId, const QDate &cutoff, CatchUp mode);
    void quarantine(const RecurringTransaction &schedule, const QString &reason);
    // Switched off, as stored and in schedule.
    void deactivate(RecurringTransaction &schedule);

    Database *m_database;
    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    ChangeBatch *m_batch = nullptr;  // the running call's batch
    std::function<bool(const QString &)> m_viewOnly;
};
