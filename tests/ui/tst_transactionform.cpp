#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/gui/dialogdriver.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

// Drives the dialogs through their widgets, found by object name, and checks
// what they hand back and what the store then holds.
using namespace DialogDriver;

class TransactionFormTest : public DialogTestCase
{
    Q_OBJECT


    static QTableWidget *table(QWidget *lines) { return lines->findChild<QTableWidget *>(); }
    static QComboBox *lineCategory(QWidget *lines, int row)
    {
        return static_cast<QComboBox *>(table(lines)->cellWidget(row, 0));
    }
    static SmartAmountField *lineAmount(QWidget *lines, int row)
    {
        return static_cast<SmartAmountField *>(table(lines)->cellWidget(row, 1));
    }

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void splitPaymentStoresSignedLines()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        TransactionFormDialog form(state(), checking.id);
        QCOMPARE(form.windowTitle(), QStringLiteral("New Transaction"));
        typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("Grocery Mart"));
        auto *amount = child<SmartAmountField>(&form, "amountField");
        QCOMPARE(amount->prefix(), QStringLiteral("$ "));
        typeAmount(amount, QStringLiteral("25.00"));
        auto *category = child<QComboBox>(&form, "categoryCombo");
        typeCategory(category, QStringLiteral("Groceries"));

        QTest::mouseClick(child<QPushButton>(&form, "splitButton"), Qt::LeftButton);
        auto *lines = child<SplitLinesWidget>(&form, "splitLines");
        QVERIFY(form.isSplitMode());
        QVERIFY(!category->isEnabled());
        QCOMPARE(category->currentText(), QStringLiteral("\u2014Split\u2014"));
        QVERIFY(!amount->isEnabled());
        // Split starts with the chosen category and the whole amount.
        QCOMPARE(lines->rowCount(), 1);
        QCOMPARE(lineCategory(lines, 0)->currentText(), QStringLiteral("Groceries"));
        QCOMPARE(lineAmount(lines, 0)->minorUnits(), qint64(2500));

        typeAmount(lineAmount(lines, 0), QStringLiteral("20.00"));
        QTest::mouseClick(button(lines, QStringLiteral("+ Add Line")), Qt::LeftButton);
        typeCategory(lineCategory(lines, 1), QStringLiteral("Shopping > Household"));
        typeAmount(lineAmount(lines, 1), QStringLiteral("5"));
        QTest::mouseClick(button(lines, QStringLiteral("+ Add Line")), Qt::LeftButton);  // stays at 0.00
        QCOMPARE(amount->minorUnits(), qint64(2500));  // the amount box follows the lines

        form.accept();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const Transaction t = form.transaction();
        const QList<SplitLine> split = form.splitLines();
        QCOMPARE(t.amount, qint64(-2500));
        QVERIFY(t.isSplit);
        QVERIFY(t.categoryId.isEmpty());
        QCOMPARE(split.size(), 2);
        QCOMPARE(split.at(0).amount, qint64(-2000));
        QCOMPARE(split.at(0).categoryId, categoryId(QStringLiteral("Groceries")));
        QCOMPARE(split.at(1).amount, qint64(-500));
        QCOMPARE(split.at(1).categoryId, categoryId(QStringLiteral("Household")));

        QString id;
        QVERIFY(state()->transactionService()->add(t, split, &id));
        QCOMPARE(state()->splitLines()->linesOf(id).size(), 2);
        QCOMPARE(state()->transactions()->getById(id)->amount, qint64(-2500));
    }

    void useSingleCategoryLeavesSplitMode()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        TransactionFormDialog form(state(), checking.id);
        typeAmount(child<SmartAmountField>(&form, "amountField"), QStringLiteral("12.34"));
        auto *category = child<QComboBox>(&form, "categoryCombo");
        typeCategory(category, QStringLiteral("Groceries"));
        QTest::mouseClick(child<QPushButton>(&form, "splitButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&form, "singleCategoryButton"), Qt::LeftButton);

        QVERIFY(!form.isSplitMode());
        QVERIFY(category->isEnabled());
        QVERIFY(child<SmartAmountField>(&form, "amountField")->isEnabled());
        const Transaction t = form.transaction();
        QVERIFY(!t.isSplit);
        QCOMPARE(t.amount, qint64(-1234));
        QCOMPARE(t.categoryId, categoryId(QStringLiteral("Groceries")));
        QVERIFY(form.splitLines().isEmpty());
    }

    void lineWithoutCategoryKeepsTheDialogOpen()
    {
        // The store refuses a line without a category, and with it the whole
        // transaction; the dialog asks for one instead of losing the entry.
        const Account checking = addAccount(QStringLiteral("Checking"));
        TransactionFormDialog form(state(), checking.id);
        typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("Hardware"));
        typeAmount(child<SmartAmountField>(&form, "amountField"), QStringLiteral("5"));
        QTest::mouseClick(child<QPushButton>(&form, "splitButton"), Qt::LeftButton);  // "(none)" line of 5.00
        Prompt::clear();
        form.accept();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(Prompt::records().size(), 1);
        QCOMPARE(Prompt::records().first().kind, QStringLiteral("warning"));
        QVERIFY(!state()->transactionService()->add(form.transaction(), form.splitLines()));
        QVERIFY(state()->transactions()->listByAccount(checking.id).isEmpty());

        // A zero line without category is simply dropped.
        auto *lines = child<SplitLinesWidget>(&form, "splitLines");
        typeCategory(lineCategory(lines, 0), QStringLiteral("Groceries"));
        QTest::mouseClick(button(lines, QStringLiteral("+ Add Line")), Qt::LeftButton);
        form.accept();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.splitLines().size(), 1);
    }

    void newFormTakesTheLastAcceptedDate()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        {
            TransactionFormDialog first(state(), checking.id);
            typeInto(child<DateField>(&first, "dateField"), QStringLiteral("3/5/2021"));
            first.accept();
            QCOMPARE(first.transaction().date, QDate(2021, 3, 5));
        }
        TransactionFormDialog second(state(), checking.id);
        QCOMPARE(child<DateField>(&second, "dateField")->date(), QDate(2021, 3, 5));
        {
            // A cancelled form does not move it.
            TransactionFormDialog cancelled(state(), checking.id);
            typeInto(child<DateField>(&cancelled, "dateField"), QStringLiteral("4/1/2022"));
            cancelled.reject();
        }
        TransactionFormDialog third(state(), checking.id);
        QCOMPARE(third.transaction().date, QDate(2021, 3, 5));
    }

    void categoryTextMustMatchAnItemExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("category");
        QTest::newRow("exact") << "Groceries" << "Groceries";
        QTest::newRow("child label") << "Shopping > Household" << "Household";
        QTest::newRow("partial") << "Grocer" << "";
        QTest::newRow("other case") << "groceries" << "";
        QTest::newRow("none item") << "(none)" << "";
    }

    void categoryTextMustMatchAnItemExactly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, category);
        const Account checking = addAccount(QStringLiteral("Checking"));
        TransactionFormDialog form(state(), checking.id);
        typeCategory(child<QComboBox>(&form, "categoryCombo"), typed);
        QCOMPARE(form.transaction().categoryId, category.isEmpty() ? QString() : categoryId(category));
    }

    void editLoadsEverythingAndKeepsIdentity()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        Transaction t = Fixtures::newTransaction(checking.id, QDate(2024, 2, 29), QStringLiteral("Market"), -4210);
        t.isSplit = true;
        t.memo = QStringLiteral("week");
        t.checkNumber = QStringLiteral("1001");
        t.cleared = true;
        t.createdAt = t.updatedAt = QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
        const QList<SplitLine> stored = {
            {Ids::newId(), t.id, categoryId(QStringLiteral("Groceries")), -4000, QStringLiteral("food"), t.createdAt, t.createdAt},
            {Ids::newId(), t.id, categoryId(QStringLiteral("Household")), -210, QString(), t.createdAt, t.createdAt}};
        QVERIFY(state()->transactionService()->add(t, stored));

        TransactionFormDialog form(state(), checking.id);
        form.setTransaction(t);
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Transaction"));
        QVERIFY(form.isSplitMode());
        QVERIFY(child<QRadioButton>(&form, "paymentRadio")->isChecked());
        QCOMPARE(child<SmartAmountField>(&form, "amountField")->minorUnits(), qint64(4210));
        QCOMPARE(child<SplitLinesWidget>(&form, "splitLines")->rowCount(), 2);

        typeInto(child<QLineEdit>(&form, "memoEdit"), QStringLiteral("  month  "));
        const Transaction edited = form.transaction();
        QCOMPARE(edited.id, t.id);
        QCOMPARE(edited.createdAt, t.createdAt);
        QCOMPARE(edited.date, t.date);
        QCOMPARE(edited.amount, qint64(-4210));
        QCOMPARE(edited.memo, QStringLiteral("month"));
        QCOMPARE(edited.checkNumber, QStringLiteral("1001"));
        QVERIFY(edited.cleared);
        QCOMPARE(edited.syncStatus, SyncStatus::Pending);
        QCOMPARE(form.splitLines().size(), 2);
        QCOMPARE(form.splitLines().at(0).memo, QStringLiteral("food"));
    }

    // A split whose lines go both ways (tax withheld from a paycheck, a refund
    // inside a purchase) keeps each line's own sign through both editors: a
    // line against the transaction's way shows negative, and saving what was
    // opened gives back exactly what was stored.
    void splitLinesKeepTheirSignsThroughBothEditors_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QList<qint64>>("stored");
        QTest::addColumn<QList<qint64>>("shown");
        QTest::addColumn<int>("changedLine");  // -1: saved untouched
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("savedAmount");
        QTest::addColumn<QList<qint64>>("saved");
        using L = QList<qint64>;
        QTest::newRow("paycheck with tax, untouched")
            << qint64(80000) << L{100000, -20000} << L{100000, -20000} << -1 << QString() << qint64(80000)
            << L{100000, -20000};
        QTest::newRow("paycheck with tax, tax changed")
            << qint64(80000) << L{100000, -20000} << L{100000, -20000} << 1 << "-250" << qint64(75000)
            << L{100000, -25000};
        QTest::newRow("purchase with refund, untouched")
            << qint64(-5000) << L{-6000, 1000} << L{6000, -1000} << -1 << QString() << qint64(-5000) << L{-6000, 1000};
        QTest::newRow("purchase with refund, refund changed")
            << qint64(-5000) << L{-6000, 1000} << L{6000, -1000} << 1 << "-15" << qint64(-4500) << L{-6000, 1500};
        QTest::newRow("refund outweighing the purchase")
            << qint64(-5000) << L{-6000, 1000} << L{6000, -1000} << 1 << "-70" << qint64(1000) << L{-6000, 7000};
        QTest::newRow("ordinary split, untouched")
            << qint64(-4210) << L{-4000, -210} << L{4000, 210} << -1 << QString() << qint64(-4210) << L{-4000, -210};
        QTest::newRow("ordinary split, line changed")
            << qint64(-4210) << L{-4000, -210} << L{4000, 210} << 0 << "30" << qint64(-3210) << L{-3000, -210};
        QTest::newRow("ordinary deposit split, untouched")
            << qint64(1500) << L{1000, 500} << L{1000, 500} << -1 << QString() << qint64(1500) << L{1000, 500};
    }

    void splitLinesKeepTheirSignsThroughBothEditors()
    {
        QFETCH(qint64, amount);
        QFETCH(QList<qint64>, stored);
        QFETCH(QList<qint64>, shown);
        QFETCH(int, changedLine);
        QFETCH(QString, typed);
        QFETCH(qint64, savedAmount);
        QFETCH(QList<qint64>, saved);
        const Account checking = addAccount(QStringLiteral("Checking"));
        const QStringList categories = {categoryId(QStringLiteral("Groceries")), categoryId(QStringLiteral("Household"))};
        const auto write = [&] {
            Transaction t = Fixtures::newTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Payee"), amount);
            t.isSplit = true;
            QList<SplitLine> lines;
            for (int i = 0; i < stored.size(); ++i)
                lines.append({Ids::newId(), t.id, categories.at(i), stored.at(i), QString(), {}, {}});
            return state()->transactionService()->add(t, lines) ? t : Transaction();
        };
        const auto check = [&](const QString &id, const QList<SplitLine> &before, const char *editor) {
            QCOMPARE(state()->transactions()->getById(id)->amount, savedAmount);
            const QList<SplitLine> after = state()->splitLines()->linesOf(id);
            QCOMPARE(after.size(), saved.size());
            for (int i = 0; i < saved.size(); ++i) {
                QVERIFY2(after.at(i).amount == saved.at(i), editor);
                QCOMPARE(after.at(i).id, before.at(i).id);
                QCOMPARE(after.at(i).categoryId, before.at(i).categoryId);
            }
        };

        // "Edit in Dialog": only the memo changes unless the row says otherwise.
        Transaction t = write();
        QVERIFY(!t.id.isEmpty());
        const QList<SplitLine> before = state()->splitLines()->linesOf(t.id);
        {
            TransactionFormDialog form(state(), checking.id);
            form.setTransaction(t);
            auto *lines = child<SplitLinesWidget>(&form, "splitLines");
            for (int i = 0; i < shown.size(); ++i)
                QCOMPARE(lineAmount(lines, i)->minorUnits(), shown.at(i));
            typeInto(child<QLineEdit>(&form, "memoEdit"), QStringLiteral("checked"));
            if (changedLine >= 0)
                typeAmount(lineAmount(lines, changedLine), typed);
            // The amount box shows the lines' total in the transaction's direction.
            QCOMPARE(child<SmartAmountField>(&form, "amountField")->minorUnits(), amount < 0 ? -savedAmount : savedAmount);
            form.accept();
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QVERIFY(state()->transactionService()->update(form.transaction(), form.splitLines()));
            check(t.id, before, "form");
        }

        // "Edit Splits...": the lines add up, so OK asks nothing.
        t = write();
        const QList<SplitLine> again = state()->splitLines()->linesOf(t.id);
        SplitEditorDialog editor(state(), t.amount, again, Currency::USD);
        auto *lines = editor.findChild<SplitLinesWidget *>();
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(lineAmount(lines, i)->minorUnits(), shown.at(i));
        Prompt::clear();
        if (changedLine >= 0) {
            typeAmount(lineAmount(lines, changedLine), typed);
            Prompt::queueAnswer(QMessageBox::Yes);  // adjust the amount to the lines
        }
        editor.accept();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(Prompt::records().size(), changedLine >= 0 ? 1 : 0);
        t.amount = editor.amount();
        QVERIFY(state()->transactionService()->update(t, editor.lines()));
        check(t.id, again, "split editor");
    }

    void seedAndPayeeFillTheForm()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        Transaction seed;
        seed.date = QDate(2024, 1, 9);
        seed.payee = QStringLiteral("Corner Cafe");
        seed.amount = 275;
        seed.checkNumber = QStringLiteral("77");
        TransactionFormDialog form(state(), checking.id);
        form.prefill(seed);
        Transaction t = form.transaction();
        QCOMPARE(t.date, seed.date);
        QCOMPARE(t.amount, qint64(275));
        QCOMPARE(t.checkNumber, QStringLiteral("77"));
        QCOMPARE(t.accountId, checking.id);

        // Accepting a payee brings its latest transaction in this account.
        Transaction older;
        older.id = Ids::newId();
        older.accountId = checking.id;
        older.date = QDate(2024, 1, 1);
        older.payee = QStringLiteral("Book Nook");
        older.amount = -1999;
        older.memo = QStringLiteral("novel");
        older.createdAt = older.updatedAt = Clock::nowUtc();
        Transaction newer = older;
        newer.id = Ids::newId();
        newer.date = QDate(2024, 2, 1);
        newer.amount = 450;
        newer.memo = QString();
        newer.categoryId = categoryId(QStringLiteral("Groceries"));
        QVERIFY(state()->transactions()->insert(older));
        QVERIFY(state()->transactions()->insert(newer));

        TransactionFormDialog other(state(), checking.id);
        typeInto(child<QLineEdit>(&other, "memoEdit"), QStringLiteral("typed first"));
        QCompleter *completer = child<QLineEdit>(&other, "payeeEdit")->completer();
        QVERIFY(completer);
        QVERIFY(completer->model()->match(completer->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Book Nook")).size() == 1);
        Q_EMIT completer->activated(QStringLiteral("Book Nook"));
        t = other.transaction();
        QCOMPARE(t.amount, qint64(450));
        QVERIFY(t.memo.isEmpty());
        QCOMPARE(t.categoryId, categoryId(QStringLiteral("Groceries")));
    }

    void wholeYenAccount()
    {
        const Account yen = addAccount(QStringLiteral("Tokyo"), Currency::JPY);
        TransactionFormDialog form(state(), yen.id);
        auto *amount = child<SmartAmountField>(&form, "amountField");
        QCOMPARE(amount->prefix(), QStringLiteral("\u00a5 "));
        QCOMPARE(amount->decimals(), 0);
        typeAmount(amount, QStringLiteral("1500"));
        QCOMPARE(form.transaction().amount, qint64(-1500));

        typeCategory(child<QComboBox>(&form, "categoryCombo"), QStringLiteral("Groceries"));
        QTest::mouseClick(child<QPushButton>(&form, "splitButton"), Qt::LeftButton);
        auto *lines = child<SplitLinesWidget>(&form, "splitLines");
        typeAmount(lineAmount(lines, 0), QStringLiteral("1000"));
        QTest::mouseClick(button(lines, QStringLiteral("+ Add Line")), Qt::LeftButton);
        typeCategory(lineCategory(lines, 1), QStringLiteral("Groceries"));
        typeAmount(lineAmount(lines, 1), QStringLiteral("500"));
        QCOMPARE(form.transaction().amount, qint64(-1500));
        QCOMPARE(form.splitLines().at(1).amount, qint64(-500));

        Transaction stored = form.transaction();
        TransactionFormDialog edit(state(), yen.id);
        stored.isSplit = false;
        edit.setTransaction(stored);
        QCOMPARE(child<SmartAmountField>(&edit, "amountField")->value(), 1500.0);
    }

    void splitEditorRemainder()
    {
        const QString groceries = categoryId(QStringLiteral("Groceries"));
        const QList<SplitLine> stored = {{Ids::newId(), QString(), groceries, -2000, QString(), {}, {}}};
        SplitEditorDialog editor(state(), -2500, stored, Currency::USD);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Split Transaction"));
        QVERIFY(editor.findChildren<QLabel *>().size() >= 2);
        auto *lines = editor.findChild<SplitLinesWidget *>();
        QLabel *remaining = nullptr;
        for (QLabel *label : editor.findChildren<QLabel *>()) {
            if (label->text().startsWith(QLatin1String("Remaining")))
                remaining = label;
        }
        QVERIFY(remaining);
        QCOMPARE(remaining->text(), QStringLiteral("Remaining: $5.00"));
        QVERIFY(remaining->styleSheet().isEmpty());

        typeAmount(lineAmount(lines, 0), QStringLiteral("25"));
        QCOMPARE(remaining->text(), QStringLiteral("Remaining: $0.00"));
        QCOMPARE(remaining->styleSheet(), QStringLiteral("color: green;"));

        typeAmount(lineAmount(lines, 0), QStringLiteral("30"));
        QCOMPARE(remaining->text(), QStringLiteral("Remaining: -$5.00"));
        QCOMPARE(remaining->styleSheet(), QStringLiteral("color: #cc0000;"));
        // Asked about the remainder, the user keeps the amount as it is.
        Prompt::queueAnswer(QMessageBox::Ignore);
        editor.accept();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.amount(), qint64(-2500));
        QCOMPARE(editor.lines().size(), 1);
        QCOMPARE(editor.lines().first().amount, qint64(-3000));

        // Clearing every line leaves nothing to store: the caller unsplits.
        QTest::mouseClick(button(lines, QStringLiteral("- Remove")), Qt::LeftButton);
        QCOMPARE(lines->rowCount(), 0);
        QVERIFY(editor.lines().isEmpty());
        QCOMPARE(remaining->text(), QStringLiteral("Remaining: $25.00"));

        // A deposit's lines stay positive.
        SplitEditorDialog deposit(state(), 1000, {}, Currency::USD);
        auto *depositLines = deposit.findChild<SplitLinesWidget *>();
        depositLines->addLine(groceries, 400);
        QCOMPARE(deposit.lines().first().amount, qint64(400));
    }

    void removeTakesTheRowLastWorkedIn()
    {
        const QString groceries = categoryId(QStringLiteral("Groceries"));
        SplitEditorDialog editor(state(), -600, {}, Currency::USD);
        auto *lines = editor.findChild<SplitLinesWidget *>();
        for (qint64 amount : {100, 200, 300})
            lines->addLine(groceries, amount);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        lineAmount(lines, 1)->setFocus();
        QTest::mouseClick(button(lines, QStringLiteral("- Remove")), Qt::LeftButton);
        QCOMPARE(lines->rowCount(), 2);
        QCOMPARE(lines->total(), qint64(400));
        // The focus moves to the row that took its place, which goes next.
        QTest::mouseClick(button(lines, QStringLiteral("- Remove")), Qt::LeftButton);
        QCOMPARE(lines->total(), qint64(100));
    }
};

QTEST_MAIN(TransactionFormTest)
#include "tst_transactionform.moc"
