#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "services/accountservice.h"
#include "services/recurringservice.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const QDate kToday(2025, 6, 15);

// A fresh store with one USD account and the service over it.
struct Fixture {
    TestStore store;
    RecurringService service{store.db, store.recurring, store.transactions, store.accounts};
    Account checking = store.addAccount(QStringLiteral("Checking"));

    RecurringTransaction add(const QDate &nextDue, Frequency frequency,
                             const std::function<void(RecurringTransaction &)> &adjust = {})
    {
        RecurringTransaction r;
        r.id = Ids::newId();
        r.accountId = checking.id;
        r.payee = QStringLiteral("Rent");
        r.amount = -120000;
        r.frequency = frequency;
        r.startDate = nextDue;
        r.nextDueDate = nextDue;
        r.createdAt = r.updatedAt = Clock::nowUtc().addDays(-400);
        if (adjust)
            adjust(r);
        store.recurring->insert(r);
        return r;
    }

    RecurringTransaction reload(const QString &id) { return store.recurring->findById(id).value(); }

    QList<Transaction> posted(const QString &scheduleId)
    {
        QList<Transaction> rows;
        const QList<Account> accounts = store.accounts->listLive();
        for (const Account &a : accounts) {
            for (const Transaction &t : store.transactions->listByAccount(a.id)) {
                if (t.recurringId == scheduleId)
                    rows.append(t);
            }
        }
        std::sort(rows.begin(), rows.end(), [](const Transaction &a, const Transaction &b) {
            return a.date != b.date ? a.date < b.date : a.amount < b.amount;
        });
        return rows;
    }

    int transactionCount() { return store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(); }
};

// How a schedule meets its end date in a test.
enum class Through { Confirm, WhenDue, Saved };

QList<QDate> datesOf(const QList<Transaction> &rows)
{
    QList<QDate> dates;
    for (const Transaction &t : rows)
        dates.append(t.date);
    return dates;
}

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(kToday, QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void calendarStepping_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<QList<QDate>>("expected");  // posted dates, then the next due date
        QTest::newRow("31 Jan monthly, common year")
            << QDate(2025, 1, 31) << int(Frequency::Monthly)
            << QList<QDate>{QDate(2025, 1, 31), QDate(2025, 2, 28), QDate(2025, 3, 28), QDate(2025, 4, 28)};
        QTest::newRow("31 Jan monthly, leap year")
            << QDate(2024, 1, 31) << int(Frequency::Monthly)
            << QList<QDate>{QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2024, 3, 29), QDate(2024, 4, 29)};
        QTest::newRow("29 Feb annual")
            << QDate(2020, 2, 29) << int(Frequency::Annual)
            << QList<QDate>{QDate(2020, 2, 29), QDate(2021, 2, 28), QDate(2022, 2, 28), QDate(2023, 2, 28)};
        QTest::newRow("30 Nov quarterly")
            << QDate(2023, 11, 30) << int(Frequency::Quarterly)
            << QList<QDate>{QDate(2023, 11, 30), QDate(2024, 2, 29), QDate(2024, 5, 29), QDate(2024, 8, 29)};
        QTest::newRow("31 Aug semi-annual")
            << QDate(2024, 8, 31) << int(Frequency::SemiAnnual)
            << QList<QDate>{QDate(2024, 8, 31), QDate(2025, 2, 28), QDate(2025, 8, 28), QDate(2026, 2, 28)};
        QTest::newRow("biweekly across the year end")
            << QDate(2024, 12, 20) << int(Frequency::Biweekly)
            << QList<QDate>{QDate(2024, 12, 20), QDate(2025, 1, 3), QDate(2025, 1, 17), QDate(2025, 1, 31)};
    }

    void calendarStepping()
    {
        QFETCH(QDate, first);
        QFETCH(int, frequency);
        QFETCH(QList<QDate>, expected);
        Fixture f;
        const RecurringTransaction r = f.add(first, Frequency(frequency));
        for (int i = 0; i < 3; ++i)
            QVERIFY(f.service.confirm(r.id));
        QCOMPARE(datesOf(f.posted(r.id)), expected.mid(0, 3));
        QCOMPARE(f.reload(r.id).nextDueDate, expected.at(3));
    }

    void postedRowCarriesTheSchedule()
    {
        Fixture f;
        const Category food = f.store.addCategory(QStringLiteral("Food"));
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [&](RecurringTransaction &s) {
            s.memo = QStringLiteral("June");
            s.categoryId = food.id;
            s.syncStatus = SyncStatus::Synced;
        });
        QVERIFY(f.service.confirm(r.id));
        const QList<Transaction> rows = f.posted(r.id);
        QCOMPARE(rows.size(), 1);
        const Transaction &t = rows.first();
        QCOMPARE(t.id, RecurringService::occurrenceId(r.id, kToday));
        QCOMPARE(t.accountId, f.checking.id);
        QCOMPARE(t.payee, QStringLiteral("Rent"));
        QCOMPARE(t.memo, QStringLiteral("June"));
        QCOMPARE(t.amount, qint64(-120000));
        QCOMPARE(t.categoryId, food.id);
        QVERIFY(!t.cleared && !t.reconciled && !t.isSplit && !t.isTransfer());
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        const RecurringTransaction after = f.reload(r.id);
        QCOMPARE(after.syncStatus, SyncStatus::Pending);
        QCOMPARE(after.updatedAt, Clock::nowUtc());
    }

    void occurrenceIdsAreStableAcrossStores()
    {
        // The name-based ids are what lets two devices post the same occurrence
        // without duplicating it, so they must not depend on anything local.
        QCOMPARE(RecurringService::occurrenceId(QStringLiteral("sched-1"), QDate(2025, 3, 31)),
                 QStringLiteral("89104be2-8f6b-585a-a994-061b74c5141f"));
        QCOMPARE(RecurringService::occurrenceId(QStringLiteral("sched-1"), QDate(2025, 3, 31), true),
                 QStringLiteral("3a82a6c1-fa48-5236-98a4-6022eb3eb54f"));

        auto postInFreshStore = [] {
            Fixture f;
            Account savings = f.store.addAccount(QStringLiteral("Savings"));
            f.add(QDate(2024, 2, 29), Frequency::Monthly, [&](RecurringTransaction &s) {
                s.id = QStringLiteral("3f0c2a9e-4b7d-4c1e-9a55-0d6c2b1e7f10");
                s.transferDestAccountId = savings.id;
            });
            f.service.enterThrough(QDate(2024, 6, 1));
            QStringList ids;
            QSqlQuery q(f.store.connection());
            q.exec(QStringLiteral("SELECT id FROM transactions ORDER BY id"));
            while (q.next())
                ids.append(q.value(0).toString());
            return ids;
        };
        const QStringList first = postInFreshStore();
        QCOMPARE(first.size(), 8);
        QVERIFY(first.contains(QStringLiteral("654549ed-5a88-5618-a28f-1d3585214aa3")));
        QCOMPARE(postInFreshStore(), first);
    }

    void catchUpCap_data()
    {
        QTest::addColumn<int>("daysBehind");  // occurrences needed to reach today
        QTest::addColumn<int>("expectedPosted");
        QTest::addColumn<bool>("quarantined");
        QTest::newRow("363 behind: caught up, stays active") << 363 << 363 << false;
        QTest::newRow("exactly 364: caught up, then deactivated") << 364 << 364 << true;
        QTest::newRow("400 behind: 365 posted, then deactivated") << 400 << 365 << true;
    }

    void catchUpCap()
    {
        QFETCH(int, daysBehind);
        QFETCH(int, expectedPosted);
        QFETCH(bool, quarantined);
        Fixture f;
        const QDate first = kToday.addDays(-(daysBehind - 1));
        const RecurringTransaction r =
            f.add(first, Frequency::Daily, [](RecurringTransaction &s) { s.autoPost = true; });

        LogCapture log;
        QCOMPARE(f.service.processDue(), expectedPosted);
        const QList<Transaction> rows = f.posted(r.id);
        QCOMPARE(rows.size(), expectedPosted);
        QCOMPARE(rows.first().date, first);
        QCOMPARE(rows.last().date, first.addDays(expectedPosted - 1));
        const RecurringTransaction after = f.reload(r.id);
        QCOMPARE(after.nextDueDate, first.addDays(expectedPosted));
        QCOMPARE(after.isActive, !quarantined);
        QCOMPARE(log.contains(QStringLiteral("hit catchup cap in single tick")), quarantined);
    }

    void leadDays_data()
    {
        QTest::addColumn<int>("leadDays");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<QDate>("nextDue");
        QTest::addColumn<QDate>("lastPosted");  // invalid: nothing posted
        const int daily = int(Frequency::Daily);
        const int monthly = int(Frequency::Monthly);
        QTest::newRow("3 days lead, due in 2") << 3 << monthly << kToday.addDays(2) << kToday.addDays(2);
        QTest::newRow("3 days lead, daily due in 2") << 3 << daily << kToday.addDays(2) << kToday.addDays(3);
        QTest::newRow("3 days lead, due in 4") << 3 << monthly << kToday.addDays(4) << QDate();
        QTest::newRow("100 counts as 60") << 100 << daily << kToday << kToday.addDays(60);
        QTest::newRow("negative counts as 0") << -5 << daily << kToday.addDays(1) << QDate();
    }

    void leadDays()
    {
        QFETCH(int, leadDays);
        QFETCH(int, frequency);
        QFETCH(QDate, nextDue);
        QFETCH(QDate, lastPosted);
        Fixture f;
        const RecurringTransaction r = f.add(nextDue, Frequency(frequency), [&](RecurringTransaction &s) {
            s.autoPost = true;
            s.leadDays = leadDays;
        });
        f.service.processDue();
        const QList<Transaction> rows = f.posted(r.id);
        if (!lastPosted.isValid()) {
            QVERIFY(rows.isEmpty());
            QCOMPARE(f.reload(r.id).nextDueDate, nextDue);
            return;
        }
        QCOMPARE(rows.first().date, nextDue);  // dated the due date, not the day it was posted
        QCOMPARE(rows.last().date, lastPosted);
        QCOMPARE(f.reload(r.id).nextDueDate, RecurringService::nextDate(lastPosted, Frequency(frequency)));
    }

    void passSkipsWhatIsNotAutomatic()
    {
        Fixture f;
        const RecurringTransaction manual = f.add(kToday, Frequency::Monthly);
        const RecurringTransaction inactive = f.add(kToday, Frequency::Monthly, [](RecurringTransaction &s) {
            s.autoPost = true;
            s.isActive = false;
        });
        QCOMPARE(f.service.processDue(), 0);
        QCOMPARE(f.transactionCount(), 0);
        QCOMPARE(f.reload(manual.id).nextDueDate, kToday);
        QCOMPARE(f.reload(inactive.id).nextDueDate, kToday);
    }

    // An occurrence whose row exists already (posted by another device and
    // synced here, or brought back by a restore; live or deleted since) is
    // stepped over: nothing is inserted, and the schedule moves on instead
    // of staying due for good.
    void occurrencePostedAlreadyIsSteppedOver_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("automatic");
        QTest::newRow("live row, confirmed") << false << false;
        QTest::newRow("deleted row, confirmed") << true << false;
        QTest::newRow("live row, automatic pass") << false << true;
        QTest::newRow("deleted row, automatic pass") << true << true;
    }

    void occurrencePostedAlreadyIsSteppedOver()
    {
        QFETCH(bool, deleted);
        QFETCH(bool, automatic);
        Fixture f;
        const RecurringTransaction r =
            f.add(kToday.addDays(-7), Frequency::Weekly, [](RecurringTransaction &s) { s.autoPost = true; });
        Transaction elsewhere;
        elsewhere.id = RecurringService::occurrenceId(r.id, kToday.addDays(-7));
        elsewhere.accountId = f.checking.id;
        elsewhere.date = kToday.addDays(-7);
        elsewhere.payee = QStringLiteral("Rent");
        elsewhere.amount = -120000;
        elsewhere.recurringId = r.id;
        elsewhere.createdAt = elsewhere.updatedAt = Clock::nowUtc();
        QVERIFY(f.store.transactions->insert(elsewhere));
        if (deleted)
            QVERIFY(f.store.transactions->softDelete(elsewhere.id));

        if (automatic) {
            QCOMPARE(f.service.processDue(), 1);  // today's occurrence only
            QCOMPARE(f.reload(r.id).nextDueDate, kToday.addDays(7));
        } else {
            QVERIFY(f.service.confirm(r.id));
            QCOMPARE(f.reload(r.id).nextDueDate, kToday);
            QCOMPARE(f.service.pendingCount(), 1);
        }
        QCOMPARE(f.transactionCount(), automatic ? 2 : 1);
        QCOMPARE(f.store.transactions->getById(elsewhere.id)->isDeleted(), deleted);
    }

    void endDate_data()
    {
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<Through>("through");
        QTest::addColumn<int>("posted");
        QTest::addColumn<QDate>("nextDue");
        QTest::addColumn<bool>("activeAfter");
        const QDate first(2025, 3, 31);
        const QDate second(2025, 4, 30);
        QTest::newRow("next due after the end") << first << Through::Confirm << 1 << second << false;
        QTest::newRow("end equals the new next due") << second << Through::Confirm << 1 << second << true;
        QTest::newRow("no end date") << QDate() << Through::Confirm << 1 << second << true;
        // The end moved before a date not posted yet: the schedule is over.
        QTest::newRow("end before the next due, confirmed") << first.addDays(-1) << Through::Confirm << 0 << first << false;
        QTest::newRow("end before the next due, when due") << first.addDays(-1) << Through::WhenDue << 0 << first << false;
        QTest::newRow("end before the next due, saved") << first.addDays(-1) << Through::Saved << 0 << first << false;
    }

    void endDate()
    {
        QFETCH(QDate, endDate);
        QFETCH(Through, through);
        QFETCH(int, posted);
        QFETCH(QDate, nextDue);
        QFETCH(bool, activeAfter);
        Fixture f;
        RecurringTransaction r = f.add(QDate(2025, 3, 31), Frequency::Monthly, [&](RecurringTransaction &s) {
            s.autoPost = true;
            s.endDate = through == Through::Saved ? QDate() : endDate;
        });
        switch (through) {
        case Through::Confirm:
            QCOMPARE(f.service.confirm(r.id), posted > 0);
            break;
        case Through::WhenDue:
            QCOMPARE(f.service.processDue(), posted);
            break;
        case Through::Saved:
            r.endDate = endDate;
            QVERIFY(f.service.updateSchedule(r));
            QCOMPARE(f.service.processDue(), posted);
            break;
        }
        const RecurringTransaction after = f.reload(r.id);
        QCOMPARE(after.nextDueDate, nextDue);
        QCOMPARE(after.isActive, activeAfter);
        QCOMPARE(f.posted(r.id).size(), posted);
    }

    void transferPostsALinkedPair()
    {
        Fixture f;
        const Account savings = f.store.addAccount(QStringLiteral("Savings"));
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [&](RecurringTransaction &s) {
            s.amount = -50000;
            s.transferDestAccountId = savings.id;
        });
        QVERIFY(f.service.confirm(r.id));
        const QList<Transaction> rows = f.posted(r.id);
        QCOMPARE(rows.size(), 2);
        const Transaction &source = rows.at(0);  // -50000 sorts first
        const Transaction &destination = rows.at(1);
        QCOMPARE(source.accountId, f.checking.id);
        QCOMPARE(source.amount, qint64(-50000));
        QCOMPARE(destination.accountId, savings.id);
        QCOMPARE(destination.amount, qint64(50000));
        QCOMPARE(destination.id, RecurringService::occurrenceId(r.id, kToday, true));
        QCOMPARE(source.transferLinkId, destination.id);
        QCOMPARE(destination.transferLinkId, source.id);
        QCOMPARE(source.transferDestAccountId, savings.id);
        QCOMPARE(destination.transferDestAccountId, f.checking.id);
        QCOMPARE(destination.date, kToday);
        QCOMPARE(destination.payee, source.payee);
    }

    void transferBetweenCurrenciesPostsNothing()
    {
        Fixture f;
        const Account euros = f.store.addAccount(QStringLiteral("Euro savings"), Currency::EUR);
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [&](RecurringTransaction &s) {
            s.autoPost = true;
            s.transferDestAccountId = euros.id;
        });
        const RecurringTransaction before = f.reload(r.id);
        LogCapture log;
        QVERIFY(!f.service.confirm(r.id));
        QCOMPARE(f.service.processDue(), 0);
        QVERIFY(log.contains(QStringLiteral("source and destination currencies differ")));
        QCOMPARE(f.transactionCount(), 0);
        const RecurringTransaction after = f.reload(r.id);
        QCOMPARE(after.nextDueDate, before.nextDueDate);
        QCOMPARE(after.isActive, before.isActive);
        QCOMPARE(after.updatedAt, before.updatedAt);

        // Once the accounts agree, the same occurrence can still be posted.
        Account fixed = euros;
        fixed.currency = Currency::USD;
        QVERIFY(f.store.accounts->update(fixed));
        QVERIFY(f.service.confirm(r.id));
        QCOMPARE(f.transactionCount(), 2);
    }

    void failedSecondHalfLeavesNothingPosted()
    {
        Fixture f;
        // The destination account does not exist, so its half cannot be stored.
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [](RecurringTransaction &s) {
            s.transferDestAccountId = QStringLiteral("no-such-account");
        });
        QVERIFY(!f.service.confirm(r.id));
        QCOMPARE(f.transactionCount(), 0);
        QCOMPARE(f.reload(r.id).nextDueDate, kToday);
    }

    // Money must not keep landing in an account the user deleted.
    void transferIntoADeletedAccount()
    {
        Fixture f;
        const Account savings = f.store.addAccount(QStringLiteral("Savings"));
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [&](RecurringTransaction &s) {
            s.autoPost = true;
            s.amount = -50000;
            s.transferDestAccountId = savings.id;
        });
        QVERIFY(f.store.services->accounts()->deleteAccount(savings.id));
        QVERIFY(!f.reload(r.id).isActive);
        QCOMPARE(f.service.processDue(), 0);
        QCOMPARE(f.transactionCount(), 0);

        // Restoring the account does not switch the schedule back on.
        QVERIFY(f.store.services->accounts()->restoreAccount(savings.id));
        QVERIFY(!f.reload(r.id).isActive);

        // A schedule still active towards a deleted account (as a sync or a
        // restore may leave it) is refused and stays where it is.
        QVERIFY(f.store.services->accounts()->deleteAccount(savings.id));
        RecurringTransaction stale = f.reload(r.id);
        stale.isActive = true;
        QVERIFY(f.store.recurring->update(stale));
        LogCapture log;
        QVERIFY(!f.service.confirm(r.id));
        QCOMPARE(f.service.processDue(), 0);
        QVERIFY(log.contains(QStringLiteral("destination account is deleted")));
        QCOMPARE(f.transactionCount(), 0);
        QCOMPARE(f.reload(r.id).nextDueDate, kToday);
    }

    // Nothing is posted into an account shared with the user to view only:
    // the service would refuse every such row. The schedule waits.
    void nothingIsPostedIntoAViewOnlyAccount_data()
    {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<QString>("viewOnly");
        QTest::addColumn<int>("posted");
        QTest::newRow("own account") << false << QString() << 1;
        QTest::newRow("its account view only") << false << QStringLiteral("Checking") << 0;
        QTest::newRow("transfer out of a view-only account") << true << QStringLiteral("Checking") << 0;
        QTest::newRow("transfer into a view-only account") << true << QStringLiteral("Joint") << 0;
        QTest::newRow("transfer, another account view only") << true << QStringLiteral("Other") << 1;
    }

    void nothingIsPostedIntoAViewOnlyAccount()
    {
        QFETCH(bool, transfer);
        QFETCH(QString, viewOnly);
        QFETCH(int, posted);
        Fixture f;
        const Account joint = f.store.addAccount(QStringLiteral("Joint"));
        const Account other = f.store.addAccount(QStringLiteral("Other"));
        const QHash<QString, QString> ids{{QStringLiteral("Checking"), f.checking.id},
                                          {QStringLiteral("Joint"), joint.id},
                                          {QStringLiteral("Other"), other.id}};
        const QString shared = ids.value(viewOnly);
        f.service.setViewOnlyCheck([shared](const QString &accountId) { return accountId == shared; });
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly, [&](RecurringTransaction &s) {
            s.autoPost = true;
            if (transfer)
                s.transferDestAccountId = joint.id;
        });
        QCOMPARE(f.service.processDue(), posted);
        if (!posted)
            QVERIFY(!f.service.confirm(r.id));
        QCOMPARE(f.transactionCount(), posted * (transfer ? 2 : 1));
        QCOMPARE(f.reload(r.id).nextDueDate, posted ? kToday.addMonths(1) : kToday);
    }

    // The import lets the event loop run between its rows; a posting pass
    // that ran then would be committed or rolled back with the import.
    void nothingIsPostedInsideAnotherWrite()
    {
        Fixture f;
        f.add(kToday, Frequency::Monthly, [](RecurringTransaction &s) { s.autoPost = true; });
        {
            DbTransaction someoneElses(f.store.connection());
            QVERIFY(someoneElses.isActive());
            QCOMPARE(f.service.processDue(), 0);
            QCOMPARE(f.service.confirmAllDue(), 0);
        }
        QCOMPARE(f.transactionCount(), 0);
        QCOMPARE(f.service.processDue(), 1);
        QCOMPARE(f.transactionCount(), 1);
    }

    void brokenDatesAreQuarantined()
    {
        Fixture f;
        const RecurringTransaction automatic = f.add(QDate(1999, 12, 31), Frequency::Monthly,
                                                     [](RecurringTransaction &s) { s.autoPost = true; });
        const RecurringTransaction manual = f.add(QDate(1970, 1, 1), Frequency::Monthly);
        LogCapture log;
        QCOMPARE(f.service.processDue(), 0);
        QVERIFY(!f.service.confirm(manual.id));
        QCOMPARE(f.transactionCount(), 0);
        QVERIFY(log.contains(QStringLiteral("Reason: broken next_due_date")));
        QVERIFY(log.contains(QStringLiteral("RecurringService::confirm refusing record with broken date:")));
        for (const QString &id : {automatic.id, manual.id}) {
            const RecurringTransaction after = f.reload(id);
            QVERIFY(!after.isActive);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
        }
        // enterThrough leaves broken schedules alone rather than posting 1970.
        QCOMPARE(f.service.enterThrough(kToday), 0);
    }

    void enterNextSevenDays()
    {
        Fixture f;
        const RecurringTransaction r = f.add(kToday.addDays(-1), Frequency::Weekly);
        QCOMPARE(f.service.enterThrough(kToday.addDays(7)), 2);
        QCOMPARE(datesOf(f.posted(r.id)), (QList<QDate>{kToday.addDays(-1), kToday.addDays(6)}));
        QCOMPARE(f.reload(r.id).nextDueDate, kToday.addDays(13));
    }

    void confirmAllDueAndPendingCount()
    {
        Fixture f;
        const RecurringTransaction behind = f.add(kToday.addDays(-14), Frequency::Weekly);
        f.add(kToday, Frequency::Monthly);
        f.add(kToday.addDays(1), Frequency::Monthly);
        QCOMPARE(f.service.pendingCount(), 2);
        QSignalSpy count(&f.service, &RecurringService::pendingCountChanged);
        QCOMPARE(f.service.confirmAllDue(), 2);
        // One step each: the schedule two weeks behind is still due.
        QCOMPARE(f.service.pendingCount(), 1);
        QCOMPARE(f.reload(behind.id).nextDueDate, kToday.addDays(-7));
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.first().first().toInt(), 1);
    }

    void skipAdvancesWithoutPosting()
    {
        Fixture f;
        const RecurringTransaction r = f.add(kToday, Frequency::Monthly);
        QVERIFY(f.service.skip(r.id));
        QCOMPARE(f.transactionCount(), 0);
        QCOMPARE(f.reload(r.id).nextDueDate, kToday.addMonths(1));
        QVERIFY(!f.service.skip(QStringLiteral("unknown")));
        QVERIFY(!f.service.confirm(QStringLiteral("unknown")));
    }

    void passAnnouncesOncePerAccount()
    {
        Fixture f;
        const Account savings = f.store.addAccount(QStringLiteral("Savings"));
        for (int i = 0; i < 3; ++i)
            f.add(kToday.addDays(-9), Frequency::Daily, [](RecurringTransaction &s) { s.autoPost = true; });
        f.add(kToday.addDays(-9), Frequency::Daily, [&](RecurringTransaction &s) {
            s.autoPost = true;
            s.accountId = savings.id;
        });
        QSignalSpy transactions(f.store.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy recurring(f.store.recurring, &RecurringRepository::recurringChanged);
        QSignalSpy count(&f.service, &RecurringService::pendingCountChanged);

        QCOMPARE(f.service.processDue(), 40);
        QCOMPARE(transactions.count(), 2);
        QStringList accounts = {transactions.at(0).at(0).toString(), transactions.at(1).at(0).toString()};
        accounts.sort();
        QStringList expected = {f.checking.id, savings.id};
        expected.sort();
        QCOMPARE(accounts, expected);
        QCOMPARE(recurring.count(), 1);
        QCOMPARE(count.count(), 1);
        QVERIFY(!f.store.transactions->signalsBlocked());

        // A pass with nothing to do stays quiet.
        QCOMPARE(f.service.processDue(), 0);
        QCOMPARE(transactions.count(), 2);
        QCOMPARE(recurring.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
