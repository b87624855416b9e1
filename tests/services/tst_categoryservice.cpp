#include "data/clock.h"
#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

class TestCategoryService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seedsTheDefaultTree()
    {
        TestStore s;
        CategoryService service(s);
        service.seedDefaultsIfEmpty();

        const QList<Category> all = s.categories->list();
        QCOMPARE(all.size(), 56);
        int expense = 0, income = 0, children = 0, taxed = 0;
        QSet<QString> ids;
        for (const Category &c : all) {
            ids.insert(c.id);
            expense += c.type == CategoryType::Expense;
            income += c.type == CategoryType::Income;
            children += !c.parentId.isEmpty();
            taxed += c.isTaxRelevant && !c.taxCategory.isEmpty();
            QVERIFY(c.isDefault);
            QCOMPARE(c.syncStatus, SyncStatus::Pending);
            QCOMPARE(c.id.size(), 36);
            QCOMPARE(c.id, c.id.toLower());
        }
        QCOMPARE(ids.size(), 56);
        QCOMPARE(expense, 48);
        QCOMPARE(income, 8);
        QCOMPARE(children, 27);
        QCOMPARE(taxed, 12);

        // Ids are UUID v5 (DNS namespace) of "type:parent:name".
        QCOMPARE(s.categories->findByName(QStringLiteral("Charitable Donations"))->id,
                 QStringLiteral("7f07774b-f677-5f76-9b37-c190c8a585bd"));
        const Category homeOffice = *s.categories->findByName(QStringLiteral("Home Office"));
        QCOMPARE(homeOffice.id, QStringLiteral("7ac27a40-d9d3-5c60-af4b-fc3c84e61133"));
        QCOMPARE(homeOffice.parentId, s.categories->findByName(QStringLiteral("Business Expenses"))->id);
        QCOMPARE(homeOffice.taxCategory, QStringLiteral("home_office"));
        QCOMPARE(s.categories->findByName(QStringLiteral("Salary / Wages"))->id,
                 CategoryService::defaultCategoryId(QStringLiteral("income"), QString(), QStringLiteral("Salary / Wages")));

        // The two "Maintenance" rows sit under different parents with different ids.
        QStringList maintenance;
        for (const Category &c : all) {
            if (c.name == QLatin1String("Maintenance"))
                maintenance.append(c.id);
        }
        QCOMPARE(maintenance.size(), 2);
        QVERIFY(maintenance.at(0) != maintenance.at(1));
        QVERIFY(maintenance.contains(CategoryService::defaultCategoryId(
            QStringLiteral("expense"), QStringLiteral("Transportation"), QStringLiteral("Maintenance"))));
    }

    void idsAreTheSameOnEveryMachine()
    {
        TestStore first, second;
        CategoryService(first).seedDefaults();
        CategoryService(second).seedDefaults();
        QStringList a, b;
        for (const Category &c : first.categories->list())
            a.append(c.id + c.parentId);
        for (const Category &c : second.categories->list())
            b.append(c.id + c.parentId);
        QCOMPARE(a, b);
    }

    void seedsOnlyAnEmptyStore()
    {
        TestStore s;
        s.addCategory(QStringLiteral("Mine"));
        CategoryService service(s);
        service.seedDefaultsIfEmpty();
        QCOMPARE(s.categories->liveCount(), 1);

        // All deleted counts as empty: seeding runs, every insert hits the old
        // ids, is logged and skipped, and nothing comes back.
        TestStore t;
        CategoryService seeded(t);
        seeded.seedDefaultsIfEmpty();
        for (const Category &c : t.categories->list())
            QVERIFY(t.categories->softDelete(c.id));
        LogCapture log;
        seeded.seedDefaultsIfEmpty();
        QCOMPARE(t.categories->liveCount(), 0);
        QCOMPARE(t.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 56);
        QVERIFY(log.contains(QStringLiteral("CategoryRepository::insert failed:")));
    }

    void deletedCategoryLeavesNoRowNamingIt_data()
    {
        QTest::addColumn<bool>("subcategory");
        QTest::addColumn<bool>("uncategorizedExists");
        QTest::newRow("top level; split lines make Uncategorized") << false << false;
        QTest::newRow("subcategory; split lines join Uncategorized") << true << true;
    }

    void deletedCategoryLeavesNoRowNamingIt()
    {
        QFETCH(bool, subcategory);
        QFETCH(bool, uncategorizedExists);
        TestStore s;
        const Category housing = s.addCategory(QStringLiteral("Housing"));
        const Category rent = s.addCategory(QStringLiteral("Rent"), housing.id);
        const Category deposit = s.addCategory(QStringLiteral("Deposit"), rent.id);
        const Category food = s.addCategory(QStringLiteral("Food"));
        const Category existing = uncategorizedExists ? s.addCategory(QStringLiteral("uncategorized")) : Category();
        const Category doomed = subcategory ? rent : housing;
        const Category child = subcategory ? deposit : rent;

        const Account a = s.addAccount(QStringLiteral("Checking"));
        const Transaction filed = s.addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Landlord"), -90000, doomed.id);
        const Transaction other = s.addTransaction(a.id, QDate(2025, 1, 3), QStringLiteral("Market"), -2000, food.id);
        Transaction split = Fixtures::newTransaction(a.id, QDate(2025, 1, 4), QStringLiteral("Mixed"), -3000);
        SplitLine mine, theirs;
        mine.categoryId = doomed.id;
        mine.amount = -1000;
        theirs.categoryId = food.id;
        theirs.amount = -2000;
        QString splitId;
        QVERIFY(s.services->transactions()->add(split, {mine, theirs}, &splitId));
        RecurringTransaction schedule;
        schedule.accountId = a.id;
        schedule.payee = QStringLiteral("Landlord");
        schedule.amount = -90000;
        schedule.categoryId = doomed.id;
        schedule.startDate = schedule.nextDueDate = QDate(2025, 2, 1);
        QString scheduleId;
        QVERIFY(s.services->recurring()->addSchedule(schedule, &scheduleId));

        const QDateTime now(QDate(2025, 6, 1), QTime(8, 0), Qt::UTC);
        Clock::setFixedNow(now);
        QSignalSpy categoriesChanged(s.categories, &CategoryRepository::categoriesChanged);
        QVERIFY(s.services->categories()->deleteCategory(doomed.id));
        Clock::setFixedNow(QDateTime());
        QCOMPARE(categoriesChanged.count(), 1);
        QVERIFY(s.categories->findById(doomed.id)->isDeleted());

        // Each changed row is an edit: a version up, stamped now, pending.
        const auto isEdit = [&](int version, const QDateTime &updated, SyncStatus status) {
            return version == 2 && updated == now && status == SyncStatus::Pending;
        };
        const Transaction filedAfter = *s.transactions->getById(filed.id);
        QVERIFY(filedAfter.categoryId.isEmpty());
        QVERIFY(isEdit(filedAfter.version, filedAfter.updatedAt, filedAfter.syncStatus));
        QCOMPARE(s.transactions->getById(other.id)->version, 1);

        const Transaction splitAfter = *s.transactions->getById(splitId);
        QVERIFY(isEdit(splitAfter.version, splitAfter.updatedAt, splitAfter.syncStatus));
        QStringList lineCategories;
        for (const SplitLine &line : s.splitLines->linesOf(splitId))
            lineCategories.append(line.categoryId);
        const std::optional<Category> uncategorized =
            uncategorizedExists ? existing : s.categories->findByName(QStringLiteral("Uncategorized"));
        QVERIFY(uncategorized && !uncategorized->isDeleted());
        QCOMPARE(lineCategories.size(), 2);
        QVERIFY(lineCategories.contains(uncategorized->id) && lineCategories.contains(food.id));

        const RecurringTransaction scheduleAfter = *s.recurring->findById(scheduleId);
        QVERIFY(scheduleAfter.categoryId.isEmpty());
        QVERIFY(isEdit(scheduleAfter.version, scheduleAfter.updatedAt, scheduleAfter.syncStatus));

        const Category childAfter = *s.categories->findById(child.id);
        QCOMPARE(childAfter.parentId, doomed.parentId);
        QVERIFY(isEdit(childAfter.version, childAfter.updatedAt, childAfter.syncStatus));

        // Neither the register nor a search shows the name any more.
        const QList<RegisterEntry> rows = s.transactions->registerRows(a.id);
        QList<RegisterEntry> found = s.transactions->search(TransactionSearch());
        QCOMPARE(found.size(), 3);
        for (const RegisterEntry &entry : rows + found)
            QVERIFY2(entry.categoryName != doomed.name, qPrintable(entry.transaction.payee));
    }

    void failedCategoryDeleteChangesNothing()
    {
        TestStore s;
        const Category housing = s.addCategory(QStringLiteral("Housing"));
        const Category rent = s.addCategory(QStringLiteral("Rent"), housing.id);
        const Account a = s.addAccount(QStringLiteral("Checking"));
        const Transaction filed = s.addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Landlord"), -900, housing.id);
        // The last write of the deletion fails.
        QVERIFY(s.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE OF deleted_at ON categories "
                                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        LogCapture log;
        QVERIFY(!s.services->categories()->deleteCategory(housing.id));
        QVERIFY(!s.categories->findById(housing.id)->isDeleted());
        QCOMPARE(s.categories->findById(rent.id)->parentId, housing.id);
        const Transaction after = *s.transactions->getById(filed.id);
        QCOMPARE(after.categoryId, housing.id);
        QCOMPARE(after.version, filed.version);
        QVERIFY(!s.services->categories()->deleteCategory(QStringLiteral("no-such-id")));
    }
};

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
