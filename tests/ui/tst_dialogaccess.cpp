#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/gui/dialogdriver.h"
#include "services/accountservice.h"
#include "support/gui/screenshots.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/dialogs/shareaccountdialog.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/editors/datelineedit.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/searchscreen.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <vector>

// Every dialog: each control that takes keyboard focus carries an accessible
// name and lies in the dialog's tab chain. With QUILLET_SHOT_DIR set, the
// dialogs are also rendered there in the light and the dark palette.
class DialogAccessTest : public DialogTestCase
{
    Q_OBJECT


    std::vector<std::unique_ptr<QDialog>> buildDialogs()
    {
        const Account a = addAccount(QStringLiteral("Everyday Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        state()->setCurrentAccountId(a.id);
        const QString groceries = categoryId(QStringLiteral("Groceries"));
        const QString household = categoryId(QStringLiteral("Household"));

        Transaction t = Fixtures::newTransaction(a.id, QDate(2024, 5, 2), QStringLiteral("Grocery Mart"), -2500);
        t.isSplit = true;
        t.memo = QStringLiteral("weekly shop");
        t.checkNumber = QStringLiteral("1042");
        t.cleared = true;
        const QList<SplitLine> lines = {
            {Ids::newId(), t.id, groceries, -2000, QStringLiteral("food"), t.createdAt, t.createdAt},
            {Ids::newId(), t.id, household, -500, QStringLiteral("soap"), t.createdAt, t.createdAt}};
        state()->transactionService()->add(t, lines);

        Transaction transfer;
        transfer.id = Ids::newId();
        transfer.accountId = a.id;
        transfer.date = QDate(2024, 5, 3);
        transfer.payee = QStringLiteral("Transfer to Savings");
        transfer.amount = 10000;
        transfer.createdAt = transfer.updatedAt = Clock::nowUtc();
        state()->transactionService()->addTransfer(transfer, a, savings);

        std::vector<std::unique_ptr<QDialog>> dialogs;
        auto add = [&](QDialog *d, const char *name) {
            d->setObjectName(QLatin1String(name));
            dialogs.emplace_back(d);
        };
        auto *form = new TransactionFormDialog(state(), a.id);
        form->setTransaction(t);
        add(form, "transactionform");
        add(new TransactionFormDialog(state(), a.id), "transactionform-new");
        add(new SplitEditorDialog(state(), -3000, lines, Currency::USD), "spliteditor");
        add(new TransactionDetailsDialog(state(), t), "details-split");
        add(new TransactionDetailsDialog(state(), transfer), "details-transfer");
        add(new RecurringFormDialog(state(), RecurringFormDialog::Create), "recurringform");
        add(new AccountFormDialog, "accountform-new");
        Account opened;
        opened.name = QStringLiteral("House Account");
        opened.startingBalance = 150000;
        if (const std::optional<Account> stored = state()->accountService()->createAccount(opened, QDate(2024, 3, 1))) {
            auto *edit = new AccountFormDialog(*stored);
            edit->setOpeningBalance(state()->accountService()->openingBalance(stored->id));
            add(edit, "accountform-edit");
        }
        auto *share = new ShareAccountDialog(state()->accountSharingService(), a.id, a.name);
        AccountSharingService::Sharing sharing;
        sharing.myRole = QStringLiteral("owner");
        sharing.owner = {QStringLiteral("u1"), QStringLiteral("ann@example.org"), QStringLiteral("Ann")};
        sharing.members = {{{QStringLiteral("u2"), QStringLiteral("ben@example.org"), QStringLiteral("Ben")},
                            QStringLiteral("editor"), Clock::nowUtc()}};
        sharing.candidates = {{QStringLiteral("u3"), QStringLiteral("cy@example.org"), QStringLiteral("Cy")}};
        share->showSharing(sharing);
        share->memberList()->setCurrentItem(share->memberList()->topLevelItem(1));
        add(share, "shareaccount");
        return dialogs;
    }

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void everyControlIsNamedAndReachable()
    {
        const auto dialogs = buildDialogs();
        for (const auto &owned : dialogs) {
            QDialog *dialog = owned.get();
            dialog->show();
            QSet<QWidget *> chain;
            for (QWidget *w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain())
                chain.insert(w);
            const QList<QWidget *> widgets = dialog->findChildren<QWidget *>();
            for (QWidget *w : widgets) {
                if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
                    continue;
                // The line edits inside spin and combo boxes speak for their box.
                if (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QComboBox *>(w->parentWidget()))
                    continue;
                const QByteArray what = dialog->objectName().toLatin1() + ' ' + w->metaObject()->className() + ' '
                    + w->objectName().toLatin1();
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(iface && !iface->text(QAccessible::Name).trimmed().isEmpty(), what.constData());
                QVERIFY2(chain.contains(w), what.constData());
            }
            dialog->hide();
        }
    }

    // A date field is one stop of the tab chain, in every window that has one.
    void oneTabLeavesEveryDateField()
    {
        const auto dialogs = buildDialogs();
        std::vector<QWidget *> windows;
        for (const auto &owned : dialogs)
            windows.push_back(owned.get());
        SearchScreen search(state());
        ReconciliationScreen reconcile(state());
        reconcile.setAccount(state()->currentAccountId());
        windows.push_back(&search);
        windows.push_back(&reconcile);
        int checked = 0;
        for (QWidget *window : windows) {
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QList<QWidget *> fields;
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (qobject_cast<DateLineEdit *>(w) || qobject_cast<QDateTimeEdit *>(w))
                    fields.append(w);
            }
            for (QWidget *field : std::as_const(fields)) {
                field->setEnabled(true);
                if (!field->isVisible())
                    continue;
                field->setFocus(Qt::TabFocusReason);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget *now = QApplication::focusWidget();
                const QByteArray what = window->objectName().toLatin1() + ' ' + field->objectName().toLatin1();
                QVERIFY2(now && now != field && !field->isAncestorOf(now), what.constData());
                ++checked;
            }
            window->hide();
        }
        QVERIFY(checked >= 6);
    }

    void renderLightAndDark()
    {
        if (Screenshots::directory().isEmpty())
            QSKIP("set QUILLET_SHOT_DIR to render the dialogs");
        for (const auto &owned : buildDialogs()) {
            QDialog *dialog = owned.get();
            dialog->show();
            dialog->adjustSize();
            QVERIFY(Screenshots::saveLightAndDark(dialog, dialog->objectName()));
            dialog->hide();
        }
    }
};

QTEST_MAIN(DialogAccessTest)
#include "tst_dialogaccess.moc"
