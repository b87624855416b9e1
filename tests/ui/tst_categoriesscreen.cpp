#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "support/gui/modaldriver.h"
#include "support/gui/testapp.h"
#include "ui/dialogs/categoryformdialog.h"
#include "ui/prompt.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/categorytreemodel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTreeView>

namespace {

Category make(const QString &id, const QString &name, const QString &parentId = QString(),
              CategoryType type = CategoryType::Expense)
{
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    c.type = type;
    c.createdAt = c.updatedAt = Clock::nowUtc();
    return c;
}

void fillAndAccept(CategoryFormDialog *d, const QString &name)
{
    auto *edit = d->findChild<QLineEdit *>(QStringLiteral("categoryName"));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    d->accept();
}

} // namespace

class TestCategoriesScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;
    AppState *state() const { return m_app->state(); }
    int liveCount() const { return state()->categories()->liveCount(); }

    QModelIndex viewIndexOf(CategoriesScreen &screen, const QString &id)
    {
        return screen.proxy()->mapFromSource(screen.model()->indexOfId(id));
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2025, 6, 15), QTime(12, 0), Qt::UTC));
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        // Start from a known small tree instead of the seeded defaults.
        const QList<Category> seeded = state()->categories()->list();
        for (const Category &c : seeded)
            state()->categories()->softDelete(c.id);
        state()->categories()->insert(make(QStringLiteral("home"), QStringLiteral("Housing")));
        state()->categories()->insert(make(QStringLiteral("rent"), QStringLiteral("Rent"), QStringLiteral("home")));
        state()->categories()->insert(make(QStringLiteral("salary"), QStringLiteral("Salary"), QString(),
                                           CategoryType::Income));
    }
    void cleanup()
    {
        m_app.reset();
        Clock::setFixedNow(QDateTime());
    }

    void treeFromFlatList()
    {
        CategoryTreeModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        Category tax = make(QStringLiteral("gift"), QStringLiteral("Gifts"), QStringLiteral("home"));
        tax.isTaxRelevant = true;
        tax.taxCategory = QStringLiteral("charitable_contributions");
        Category notTax = make(QStringLiteral("util"), QStringLiteral("Utilities"), QStringLiteral("home"));
        notTax.taxCategory = QStringLiteral("ignored_when_not_relevant");
        model.setCategories({make(QStringLiteral("home"), QStringLiteral("Housing")), tax,
                             make(QStringLiteral("orphan"), QStringLiteral("Orphan"), QStringLiteral("deleted-parent")),
                             make(QStringLiteral("pay"), QStringLiteral("Pay"), QString(), CategoryType::Income),
                             notTax,
                             // Parents that name each other must not vanish from the tree.
                             make(QStringLiteral("loopA"), QStringLiteral("Loop A"), QStringLiteral("loopB")),
                             make(QStringLiteral("loopB"), QStringLiteral("Loop B"), QStringLiteral("loopA"))});

        QCOMPARE(model.rowCount(), 5);  // Housing, Orphan, Pay and the two loop members
        const QModelIndex home = model.indexOfId(QStringLiteral("home"));
        QCOMPARE(model.rowCount(home), 2);
        QCOMPARE(model.index(0, 0, home).data().toString(), QStringLiteral("Gifts"));
        QCOMPARE(model.index(0, CategoryTreeModel::TaxCode, home).data().toString(),
                 QStringLiteral("charitable_contributions"));
        QCOMPARE(model.index(1, CategoryTreeModel::TaxCode, home).data().toString(), QString());
        QVERIFY(!model.indexOfId(QStringLiteral("orphan")).parent().isValid());
        QVERIFY(model.indexOfId(QStringLiteral("loopA")).isValid());
        QVERIFY(model.indexOfId(QStringLiteral("loopB")).isValid());
        QCOMPARE(model.indexOfId(QStringLiteral("gift")).parent(), home);
        QVERIFY(!model.indexOfId(QString()).isValid());
        QVERIFY(!model.indexOfId(QStringLiteral("nope")).isValid());

        QVERIFY(home.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model.indexOfId(QStringLiteral("pay")).data(Qt::FontRole).isValid());
        const QModelIndex payType = model.indexOfId(QStringLiteral("pay")).siblingAtColumn(CategoryTreeModel::Type);
        QCOMPARE(payType.data().toString(), QStringLiteral("income"));
        QCOMPARE(payType.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 136, 0));
        QCOMPARE(home.siblingAtColumn(CategoryTreeModel::Type).data().toString(), QStringLiteral("expense"));
    }

    void subcategoryOfDeletedParentShowsAtTop()
    {
        state()->categories()->softDelete(QStringLiteral("home"));
        CategoriesScreen screen(state());
        const QModelIndex rent = viewIndexOf(screen, QStringLiteral("rent"));
        QVERIFY(rent.isValid());
        QVERIFY(!rent.parent().isValid());
    }

    void filterKeepsParentsAndIgnoresCase()
    {
        CategoriesScreen screen(state());
        QAbstractItemModelTester tester(screen.proxy(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto *filter = screen.findChild<QLineEdit *>(QStringLiteral("categoryFilter"));
        QTest::keyClicks(filter, QStringLiteral("rEN"));
        QCOMPARE(screen.proxy()->rowCount(), 1);
        const QModelIndex parent = screen.proxy()->index(0, 0);
        QCOMPARE(parent.data().toString(), QStringLiteral("Housing"));
        QCOMPARE(screen.proxy()->rowCount(parent), 1);
        QCOMPARE(screen.proxy()->index(0, 0, parent).data().toString(), QStringLiteral("Rent"));
    }

    void contextMenuDependsOnRow()
    {
        CategoriesScreen screen(state());
        std::unique_ptr<QMenu> empty(screen.createContextMenu(QModelIndex(), &screen));
        QCOMPARE(ModalDriver::actionTexts(empty.get()), QStringList{QStringLiteral("&New Category")});
        std::unique_ptr<QMenu> top(screen.createContextMenu(viewIndexOf(screen, QStringLiteral("home")), &screen));
        QCOMPARE(ModalDriver::actionTexts(top.get()), (QStringList{QStringLiteral("&New Category"), QStringLiteral("Add &Subcategory"),
                                                      QStringLiteral("&Edit"), QStringLiteral("&Delete")}));
        std::unique_ptr<QMenu> sub(screen.createContextMenu(viewIndexOf(screen, QStringLiteral("rent")), &screen));
        QCOMPARE(ModalDriver::actionTexts(sub.get()),
                 (QStringList{QStringLiteral("&New Category"), QStringLiteral("&Edit"), QStringLiteral("&Delete")}));
    }

    void blankNameStoresNothing()
    {
        CategoriesScreen screen(state());
        const int before = liveCount();
        auto ran = ModalDriver::onNext<CategoryFormDialog>([](CategoryFormDialog *d) { fillAndAccept(d, "   "); });
        screen.onCreateCategory();
        QVERIFY(*ran);
        QCOMPARE(liveCount(), before);

        screen.tree()->setCurrentIndex(viewIndexOf(screen, QStringLiteral("salary")));
        ran = ModalDriver::onNext<CategoryFormDialog>([](CategoryFormDialog *d) { fillAndAccept(d, QString()); });
        screen.onEditCategory();
        QVERIFY(*ran);
        QCOMPARE(state()->categories()->findById(QStringLiteral("salary"))->name, QStringLiteral("Salary"));
    }

    void subcategoryFromMenuIsStoredUnderParentAndExpanded()
    {
        CategoriesScreen screen(state());
        screen.show();
        std::unique_ptr<QMenu> menu(screen.createContextMenu(viewIndexOf(screen, QStringLiteral("salary")), &screen));
        QAction *add = menu->actions().at(1);
        QCOMPARE(add->text(), QStringLiteral("Add &Subcategory"));
        QString title, parentShown;
        auto ran = ModalDriver::onNext<CategoryFormDialog>([&](CategoryFormDialog *d) {
            title = d->windowTitle();
            parentShown = d->findChild<QLabel *>(QStringLiteral("categoryParent"))->text();
            auto *type = d->findChild<QComboBox *>(QStringLiteral("categoryType"));
            type->setCurrentIndex(type->findData(QStringLiteral("income")));
            fillAndAccept(d, QStringLiteral("  Bonus  "));
        });
        add->trigger();
        QVERIFY(*ran);
        QCOMPARE(title, QStringLiteral("New Subcategory"));
        QCOMPARE(parentShown, QStringLiteral("Salary"));
        const std::optional<Category> bonus = state()->categories()->findByName(QStringLiteral("Bonus"));
        QVERIFY(bonus);
        QCOMPARE(bonus->parentId, QStringLiteral("salary"));
        QCOMPARE(bonus->type, CategoryType::Income);
        QCOMPARE(bonus->createdAt, Clock::nowUtc());
        QCOMPARE(bonus->syncStatus, SyncStatus::Pending);
        QVERIFY(screen.tree()->isExpanded(viewIndexOf(screen, QStringLiteral("salary"))));
    }

    void expandedRowsSurviveAnEdit()
    {
        CategoriesScreen screen(state());
        screen.show();
        screen.tree()->expand(viewIndexOf(screen, QStringLiteral("home")));
        screen.tree()->setCurrentIndex(viewIndexOf(screen, QStringLiteral("rent")));
        auto ran = ModalDriver::onNext<CategoryFormDialog>([](CategoryFormDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Edit Category"));
            fillAndAccept(d, QStringLiteral("Rent & Lease"));
        });
        screen.onEditCategory();
        QVERIFY(*ran);
        const Category rent = *state()->categories()->findById(QStringLiteral("rent"));
        QCOMPARE(rent.name, QStringLiteral("Rent & Lease"));
        QCOMPARE(rent.parentId, QStringLiteral("home"));
        QVERIFY(screen.tree()->isExpanded(viewIndexOf(screen, QStringLiteral("home"))));
    }

    void deleteAsksFirst()
    {
        CategoriesScreen screen(state());
        screen.tree()->setCurrentIndex(viewIndexOf(screen, QStringLiteral("salary")));
        Prompt::queueAnswer(QMessageBox::No);
        screen.onDeleteCategory();
        QCOMPARE(Prompt::records().last().text,
                 QStringLiteral("Delete \"Salary\"? Transactions using this category will become uncategorized."));
        QVERIFY(viewIndexOf(screen, QStringLiteral("salary")).isValid());
        Prompt::queueAnswer(QMessageBox::Yes);
        screen.onDeleteCategory();
        QVERIFY(state()->categories()->findById(QStringLiteral("salary"))->isDeleted());
        QVERIFY(!viewIndexOf(screen, QStringLiteral("salary")).isValid());
    }

    void formTaxCodeFollowsCheckBoxAndKeepsTransferType()
    {
        CategoryFormDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Category"));
        auto *relevant = dialog.findChild<QCheckBox *>(QStringLiteral("categoryTaxRelevant"));
        auto *code = dialog.findChild<QLineEdit *>(QStringLiteral("categoryTaxCode"));
        QVERIFY(!code->isEnabled());
        relevant->setChecked(true);
        QVERIFY(code->isEnabled());
        code->setText(QStringLiteral(" mortgage_interest "));
        QCOMPARE(dialog.category().taxCategory, QStringLiteral("mortgage_interest"));
        relevant->setChecked(false);
        QVERIFY(!code->isEnabled());
        QCOMPARE(dialog.category().taxCategory, QString());

        CategoryFormDialog edit;
        Category transfer = make(QStringLiteral("xfer"), QStringLiteral("Transfers"));
        transfer.type = CategoryType::Transfer;
        transfer.version = 4;
        edit.setCategory(transfer);
        const Category built = edit.category();
        QCOMPARE(built.type, CategoryType::Transfer);
        QCOMPARE(built.id, QStringLiteral("xfer"));
        QCOMPARE(built.version, 4);
    }
};

QTEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
