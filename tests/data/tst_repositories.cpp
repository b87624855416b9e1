#include "data/clock.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// Accounts, categories, preferences, split lines, schedules and reconciliations.
class TestRepositories : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void accountsRoundTripAndOrder()
    {
        TestStore s;
        QVERIFY(s.isOpen());
        QSignalSpy changed(s.accounts, &AccountRepository::accountsChanged);

        Account a;
        a.id = Ids::newId();
        a.name = QStringLiteral("Zeta Savings");
        a.type = AccountType::Savings;
        a.currency = Currency::JPY;
        a.institution = QStringLiteral("First Bank");
        a.accountNumberLast4 = QStringLiteral("1234");
        a.startingBalance = -150000;
        a.isShared = true;
        a.version = 4;
        a.createdAt = a.updatedAt = Clock::nowUtc();
        QVERIFY(s.accounts->insert(a));
        const Account b = s.addAccount(QStringLiteral("Alpha Checking"));
        QCOMPARE(changed.count(), 2);

        const std::optional<Account> read = s.accounts->findById(a.id);
        QVERIFY(read);
        QCOMPARE(read->type, AccountType::Savings);
        QCOMPARE(read->currency, Currency::JPY);
        QCOMPARE(read->startingBalance, qint64(-150000));
        QCOMPARE(read->accountNumberLast4, QStringLiteral("1234"));
        QVERIFY(read->isShared);
        QCOMPARE(read->version, 4);
        QCOMPARE(read->createdAt, a.createdAt);
        QVERIFY(!read->isDeleted());

        // Equal sort orders list by name.
        const QList<Account> live = s.accounts->listLive();
        QCOMPARE(live.size(), 2);
        QCOMPARE(live.at(0).id, b.id);

        // Unknown codes read tolerantly.
        QVERIFY(s.exec(QStringLiteral("UPDATE accounts SET account_type = 'yacht', currency = 'XYZ' WHERE id = '%1'")
                           .arg(a.id)));
        QCOMPARE(s.accounts->findById(a.id)->type, AccountType::Other);
        QCOMPARE(s.accounts->findById(a.id)->currency, Currency::USD);
    }

    void accountSoftDeleteRestoreAndResync()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("Checking"));
        QVERIFY(s.accounts->markSynced(a.id, QStringLiteral("srv-1")));
        QCOMPARE(s.accounts->findById(a.id)->syncStatus, SyncStatus::Synced);

        QVERIFY(s.accounts->softDelete(a.id));
        QVERIFY(s.accounts->listLive().isEmpty());
        QCOMPARE(s.accounts->listDeleted().size(), 1);
        const std::optional<Account> deleted = s.accounts->findById(a.id);
        QVERIFY(deleted && deleted->isDeleted());
        QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
        QCOMPARE(deleted->deletedAt, Clock::nowUtc());
        QCOMPARE(s.accounts->pending().size(), 1);  // deletions reach the server

        QVERIFY(s.accounts->markSynced(a.id, QStringLiteral("srv-1")));
        QVERIFY(s.accounts->restore(a.id));
        QCOMPARE(s.accounts->listLive().size(), 1);
        QCOMPARE(s.accounts->findById(a.id)->syncStatus, SyncStatus::Pending);

        // Resync marks only live rows that are not pending already.
        const Account gone = s.addAccount(QStringLiteral("Gone"));
        QVERIFY(s.accounts->markSynced(a.id, QStringLiteral("srv-1")));
        QVERIFY(s.accounts->markSynced(gone.id, QStringLiteral("srv-2")));
        QVERIFY(s.accounts->softDelete(gone.id));
        QVERIFY(s.accounts->markSynced(gone.id, QStringLiteral("srv-2")));
        QCOMPARE(s.accounts->markAllPendingForResync(), 1);
        QCOMPARE(s.accounts->findById(gone.id)->syncStatus, SyncStatus::Synced);
    }

    void reorderIsAllOrNothing()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Account b = s.addAccount(QStringLiteral("B"));
        QSignalSpy changed(s.accounts, &AccountRepository::accountsChanged);
        QVERIFY(s.accounts->reorder({{b.id, 0}, {a.id, 1}}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.accounts->listLive().first().id, b.id);

        // A trigger makes the second update fail: the first must not stay.
        QVERIFY(s.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF sort_order ON accounts WHEN "
                                      "new.sort_order = 99 BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        LogCapture log;
        QVERIFY(!s.accounts->reorder({{a.id, 5}, {b.id, 99}}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.accounts->findById(a.id)->sortOrder, 1);
        QCOMPARE(s.accounts->findById(b.id)->sortOrder, 0);
        QVERIFY(log.contains(QStringLiteral("AccountRepository::reorder failed:")));
    }

    void failedWritesWarnAndStaySilent()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        QSignalSpy changed(s.accounts, &AccountRepository::accountsChanged);
        LogCapture log;
        QVERIFY(!s.accounts->insert(a));  // duplicate id
        QCOMPARE(changed.count(), 0);
        QVERIFY(log.contains(QStringLiteral("AccountRepository::insert failed:")));

        Category orphan;
        orphan.id = Ids::newId();
        orphan.name = QStringLiteral("Child");
        orphan.parentId = QStringLiteral("missing-parent");
        orphan.createdAt = orphan.updatedAt = Clock::nowUtc();
        QVERIFY(!s.categories->insert(orphan));
        QVERIFY(log.contains(QStringLiteral("CategoryRepository::insert failed:")));
    }

    void categories()
    {
        TestStore s;
        QSignalSpy changed(s.categories, &CategoryRepository::categoriesChanged);
        const Category top = s.addCategory(QStringLiteral("Housing"));
        const Category child = s.addCategory(QStringLiteral("Maintenance"), top.id);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.categories->liveCount(), 2);

        // An empty parent is stored as NULL.
        QCOMPARE(s.scalar(QStringLiteral("SELECT parent_id IS NULL FROM categories WHERE id = '%1'").arg(top.id)).toInt(),
                 1);
        QCOMPARE(s.categories->findById(child.id)->parentId, top.id);
        QCOMPARE(s.categories->findByName(QStringLiteral("Maintenance"))->id, child.id);

        // Deleting the parent leaves the child and its reference alone.
        QVERIFY(s.categories->softDelete(top.id));
        QCOMPARE(s.categories->liveCount(), 1);
        QVERIFY(!s.categories->findByName(QStringLiteral("Housing")));
        QVERIFY(s.categories->findById(top.id)->isDeleted());
        QCOMPARE(s.categories->findById(child.id)->parentId, top.id);
        QCOMPARE(s.categories->list().size(), 1);

        QVERIFY(s.exec(QStringLiteral("UPDATE categories SET category_type = 'weird' WHERE id = '%1'").arg(child.id)));
        QCOMPARE(s.categories->findById(child.id)->type, CategoryType::Expense);
    }

    void preferences()
    {
        TestStore s;
        QSignalSpy changed(s.preferences, &PreferencesRepository::changed);
        QCOMPARE(s.preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
        QVERIFY(!s.preferences->get(QStringLiteral("theme")));

        QVERIFY(s.preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
        QVERIFY(s.preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
        QCOMPARE(changed.count(), 2);  // the same value still announces
        QCOMPARE(changed.last().first().toString(), QStringLiteral("theme"));

        QVERIFY(s.preferences->remove(QStringLiteral("theme")));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));

        const QString key = QStringLiteral("registerTwoLine");
        QVERIFY(s.preferences->getBool(key, true));
        for (const char *stored : {"1", "true"}) {
            s.preferences->set(key, QString::fromLatin1(stored));
            QVERIFY(s.preferences->getBool(key, false));
        }
        for (const char *stored : {"0", "TRUE", "yes", ""}) {
            s.preferences->set(key, QString::fromLatin1(stored));
            QVERIFY(!s.preferences->getBool(key, true));
        }
        QVERIFY(s.preferences->setBool(key, true));
        QCOMPARE(*s.preferences->get(key), QStringLiteral("1"));
    }

    void splitLinesFollowTheirTransaction()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Category food = s.addCategory(QStringLiteral("Food"));
        const Transaction t = s.addTransaction(a.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -2500);
        auto line = [&](qint64 amount) {
            SplitLine l;
            l.id = Ids::newId();
            l.categoryId = food.id;
            l.amount = amount;
            l.createdAt = l.updatedAt = Clock::nowUtc();
            return l;
        };
        QVERIFY(s.splitLines->replaceLines(t.id, {line(-2000), line(-500)}));
        QCOMPARE(s.splitLines->linesOf(t.id).size(), 2);
        QVERIFY(s.splitLines->replaceLines(t.id, {line(-2500)}));
        const QList<SplitLine> lines = s.splitLines->linesOf(t.id);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().transactionId, t.id);
        QCOMPARE(lines.first().amount, qint64(-2500));

        // A failing line leaves the old lines in place.
        SplitLine bad = line(-1);
        bad.categoryId = QStringLiteral("no-such-category");
        LogCapture log;
        QVERIFY(!s.splitLines->replaceLines(t.id, {line(-1000), bad}));
        QCOMPARE(s.splitLines->linesOf(t.id).size(), 1);
        QCOMPARE(s.splitLines->linesOf(t.id).first().amount, qint64(-2500));
    }

    void recurringSchedules()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        QSignalSpy changed(s.recurring, &RecurringRepository::recurringChanged);
        auto schedule = [&](const QString &payee, const QDate &due, bool active = true) {
            RecurringTransaction r;
            r.id = Ids::newId();
            r.accountId = a.id;
            r.payee = payee;
            r.amount = -1000;
            r.frequency = Frequency::Weekly;
            r.startDate = due;
            r.nextDueDate = due;
            r.isActive = active;
            r.leadDays = 5;
            r.createdAt = r.updatedAt = Clock::nowUtc();
            return r;
        };
        const QDate today = Clock::today();
        RecurringTransaction dueToday = schedule(QStringLiteral("rent"), today);
        dueToday.endDate = today.addYears(1);
        QVERIFY(s.recurring->insert(dueToday));
        QVERIFY(s.recurring->insert(schedule(QStringLiteral("Tomorrow"), today.addDays(1))));
        QVERIFY(s.recurring->insert(schedule(QStringLiteral("Inactive"), today.addDays(-3), false)));
        RecurringTransaction deleted = schedule(QStringLiteral("Deleted"), today.addDays(-3));
        QVERIFY(s.recurring->insert(deleted));
        QVERIFY(s.recurring->softDelete(deleted.id));
        QCOMPARE(changed.count(), 5);

        const QList<RecurringTransaction> due = s.recurring->dueOn(today);
        QCOMPARE(due.size(), 1);
        QCOMPARE(due.first().id, dueToday.id);
        QCOMPARE(due.first().endDate, today.addYears(1));
        QCOMPARE(due.first().leadDays, 5);
        QCOMPARE(due.first().frequency, Frequency::Weekly);

        // Active first, then due date, then payee without regard to case.
        QStringList order;
        for (const RecurringTransaction &r : s.recurring->listAll())
            order.append(r.payee);
        QCOMPARE(order, (QStringList{"rent", "Tomorrow", "Inactive"}));
        QCOMPARE(s.recurring->pending().size(), 4);  // the deleted one too

        // No end date is stored as NULL and read back as none.
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE end_date IS NULL")).toInt(), 3);

        // A broken next due date is saved all the same, with a warning.
        LogCapture log;
        RecurringTransaction broken = schedule(QStringLiteral("Broken"), QDate(1999, 12, 31));
        QVERIFY(s.recurring->insert(broken));
        QVERIFY(log.contains(QStringLiteral("saving recurring with broken nextDueDate:")));
        QVERIFY(log.contains(QStringLiteral("RecurringRepository::insert")));
        QVERIFY(s.recurring->findById(broken.id));
    }

    void restoreByAccountHonoursTheThreshold()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Transaction early = s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Early"), -100);
        const Transaction cascade = s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Cascade"), -200);

        QVERIFY(s.transactions->softDelete(early.id));
        Clock::setFixedNow(Clock::nowUtc().addSecs(60));
        const QString cascadeTime = SqlValue::timestamp(Clock::nowUtc());
        int rows = 0;
        QVERIFY(s.transactions->softDeleteByAccount(a.id, &rows));
        QCOMPARE(rows, 1);

        const QString threshold = SqlValue::timestamp(Clock::nowUtc().addSecs(-10));
        QVERIFY(s.transactions->restoreByAccount(a.id, threshold, &rows));
        QCOMPARE(rows, 1);
        QVERIFY(s.transactions->getById(early.id)->isDeleted());
        QVERIFY(!s.transactions->getById(cascade.id)->isDeleted());

        // A threshold later than a row's deletion leaves it deleted (schedules and reconciliations alike).
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = a.id;
        r.statementDate = QDate(2024, 1, 31);
        r.completedAt = Clock::nowUtc();
        QVERIFY(s.reconciliations->insert(r));
        QCOMPARE(s.reconciliations->findById(r.id)->createdAt, Clock::nowUtc());  // filled in when missing
        QCOMPARE(s.reconciliations->softDeleteByAccount(a.id), 1);
        QCOMPARE(s.reconciliations->restoreByAccount(a.id, SqlValue::timestamp(Clock::nowUtc().addSecs(1))), 0);
        QVERIFY(!s.reconciliations->latestForAccount(a.id));
        QCOMPARE(s.reconciliations->restoreByAccount(a.id, cascadeTime), 1);
        QCOMPARE(s.reconciliations->latestForAccount(a.id)->id, r.id);
    }
};

QTEST_GUILESS_MAIN(TestRepositories)
#include "tst_repositories.moc"
