#include "services/categoryservice.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"

#include <QSet>
#include <QTest>

class TestCategoryService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seedsTheDefaultTree()
    {
        TestStore s;
        CategoryService service(s.categories);
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
        CategoryService(first.categories).seedDefaults();
        CategoryService(second.categories).seedDefaults();
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
        CategoryService service(s.categories);
        service.seedDefaultsIfEmpty();
        QCOMPARE(s.categories->liveCount(), 1);

        // All deleted counts as empty: seeding runs, every insert hits the old
        // ids, is logged and skipped, and nothing comes back.
        TestStore t;
        CategoryService seeded(t.categories);
        seeded.seedDefaultsIfEmpty();
        for (const Category &c : t.categories->list())
            QVERIFY(t.categories->softDelete(c.id));
        LogCapture log;
        seeded.seedDefaultsIfEmpty();
        QCOMPARE(t.categories->liveCount(), 0);
        QCOMPARE(t.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 56);
        QVERIFY(log.contains(QStringLiteral("CategoryRepository::insert failed:")));
    }
};

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
