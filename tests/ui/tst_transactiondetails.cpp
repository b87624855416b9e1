#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/gui/dialogdriver.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/prompt.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace DialogDriver;

class TransactionDetailsTest : public DialogTestCase
{
    Q_OBJECT

    Transaction addTransaction(const Account &account, const QString &payee, qint64 amount)
    {
        return DialogDriver::addTransaction(state(), account, payee, amount);
    }
    // The value shown beside a form label.
    static QString value(QDialog *dialog, const QString &label)
    {
        const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
        for (QLabel *l : labels) {
            if (l->text() == label && l->buddy())
                return static_cast<QLabel *>(l->buddy())->text();
        }
        return QStringLiteral("<no row>");
    }

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void showsTheRecord()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        Transaction t = addTransaction(checking, QStringLiteral("Utility Co"), -12345);
        t.categoryId = Ids::newId();  // a category that no longer exists
        t.checkNumber = QStringLiteral("204");
        TransactionDetailsDialog dialog(state(), t);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Transaction Details"));
        QCOMPARE(value(&dialog, QStringLiteral("Payee:")), QStringLiteral("Utility Co"));
        QCOMPARE(value(&dialog, QStringLiteral("Amount:")), QStringLiteral("- $123.45"));
        QCOMPARE(value(&dialog, QStringLiteral("Category:")), QString());
        QCOMPARE(value(&dialog, QStringLiteral("Check #:")), QStringLiteral("204"));
        QCOMPARE(value(&dialog, QStringLiteral("Status:")), QStringLiteral("Uncleared"));
        QCOMPARE(value(&dialog, QStringLiteral("Transfer to:")), QStringLiteral("<no row>"));

        QPushButton *edit = button(&dialog, QStringLiteral("Edit..."));
        QVERIFY(edit);
        edit->click();
        QVERIFY(dialog.editRequested());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void splitLinesAndYen()
    {
        const Account yen = addAccount(QStringLiteral("Tokyo"), Currency::JPY);
        Transaction t = addTransaction(yen, QStringLiteral("Depato"), -1500);
        t.isSplit = true;
        {
            TransactionDetailsDialog empty(state(), t);
            QCOMPARE(value(&empty, QStringLiteral("Amount:")), QStringLiteral("- \u00a51,500"));
            QCOMPARE(value(&empty, QStringLiteral("Category:")), QStringLiteral("\u2014Split\u2014"));
            bool noLines = false;
            for (QLabel *l : empty.findChildren<QLabel *>())
                noLines |= l->text() == QStringLiteral("(no split lines on record)");
            QVERIFY(noLines);
        }
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        QVERIFY(state()->splitLines()->replaceLines(
            t.id, {{Ids::newId(), t.id, groceries, -1000, QStringLiteral("fruit"), t.createdAt, t.createdAt},
                   {Ids::newId(), t.id, groceries, -500, QString(), t.createdAt, t.createdAt}}));
        TransactionDetailsDialog dialog(state(), t);
        QStringList texts;
        for (QLabel *l : dialog.findChildren<QLabel *>())
            texts << l->text();
        QVERIFY(texts.contains(QStringLiteral("\u00a51,000")));
        QVERIFY(texts.contains(QStringLiteral("\u00a51,500")));  // the total
        QVERIFY(texts.contains(QStringLiteral("fruit")));
    }

    void toggleClearedStaysOpen()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Transaction t = addTransaction(checking, QStringLiteral("Bakery"), -800);
        TransactionDetailsDialog dialog(state(), t);
        dialog.show();
        QPushButton *toggle = button(&dialog, QStringLiteral("Mark Cleared"));
        QVERIFY(toggle);
        toggle->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(toggle->text(), QStringLiteral("Mark Uncleared"));
        QCOMPARE(value(&dialog, QStringLiteral("Status:")), QStringLiteral("Cleared"));
        Transaction stored = *state()->transactions()->getById(t.id);
        QVERIFY(stored.cleared);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);

        toggle->click();
        QCOMPARE(toggle->text(), QStringLiteral("Mark Cleared"));
        QVERIFY(!state()->transactions()->getById(t.id)->cleared);
        QVERIFY(!dialog.wasDeleted());
    }

    void reconciledHasNoToggleButCanBeDeleted()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        Transaction t = addTransaction(checking, QStringLiteral("Rent"), -90000);
        t.cleared = t.reconciled = true;
        QVERIFY(state()->transactions()->update(t));
        TransactionDetailsDialog dialog(state(), t);
        QCOMPARE(value(&dialog, QStringLiteral("Status:")), QStringLiteral("Reconciled"));
        QVERIFY(!button(&dialog, QStringLiteral("Mark ")));

        Prompt::clear();
        Prompt::queueAnswer(QMessageBox::Yes);
        button(&dialog, QStringLiteral("Delete..."))->click();
        QCOMPARE(Prompt::records().first().text, QStringLiteral("Delete \"Rent\" for $900.00?"));
        QVERIFY(dialog.wasDeleted());
        QVERIFY(state()->transactions()->getById(t.id)->isDeleted());
    }

    void deletingATransferRemovesBothSides()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        Transaction first;
        first.id = Ids::newId();
        first.accountId = checking.id;
        first.date = QDate(2024, 5, 3);
        first.payee = QStringLiteral("Transfer to Savings");
        first.amount = -10000;
        first.createdAt = first.updatedAt = Clock::nowUtc();
        QVERIFY(state()->transactionService()->addTransfer(first, checking, savings));
        first = state()->transactions()->getById(first.id).value();
        const Transaction partner = state()->transactions()->getById(first.transferLinkId).value();

        TransactionDetailsDialog dialog(state(), partner);
        QCOMPARE(value(&dialog, QStringLiteral("Transfer to:")), QStringLiteral("Checking"));

        // Answering No keeps both.
        Prompt::clear();
        button(&dialog, QStringLiteral("Delete..."))->click();
        QCOMPARE(Prompt::records().first().text,
                 QStringLiteral("Delete transfer \"Transfer from Checking\" for $100.00?\n\n"
                                "Both sides of the transfer will be deleted."));
        QVERIFY(!dialog.wasDeleted());
        QCOMPARE(state()->transactions()->listByAccount(checking.id).size(), 1);

        Prompt::queueAnswer(QMessageBox::Yes);
        button(&dialog, QStringLiteral("Delete..."))->click();
        QVERIFY(dialog.wasDeleted());
        QVERIFY(state()->transactions()->listByAccount(checking.id).isEmpty());
        QVERIFY(state()->transactions()->listByAccount(savings.id).isEmpty());
    }
};

QTEST_MAIN(TransactionDetailsTest)
#include "tst_transactiondetails.moc"
