#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/ids.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "support/core/fixtures.h"
#include "support/gui/dialogdriver.h"
#include "support/gui/modaldriver.h"
#include "support/gui/testapp.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationmodel.h"
#include "ui/screens/reconciliationscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

QColor styleColour(const QLabel *label)
{
    const QString style = label->styleSheet();
    const int at = style.indexOf(QLatin1Char('#'));
    return at < 0 ? QColor() : QColor(style.mid(at, 7));
}

} // namespace

class TestReconciliationScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;
    Account m_account;
    Transaction m_deposit, m_payment, m_old;

    AppState *state() const { return m_app->state(); }

    Account addAccount(const QString &name, Currency currency, qint64 starting)
    {
        return Fixtures::addAccount(state()->accounts(), name, currency, starting);
    }

    Transaction add(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                    bool cleared = false, bool reconciled = false)
    {
        Transaction t = Fixtures::newTransaction(accountId, date, payee, amount);
        t.cleared = cleared;
        t.reconciled = reconciled;
        t.syncStatus = SyncStatus::Synced;
        t.createdAt = t.updatedAt = QDateTime(date, QTime(9, 0), Qt::UTC);
        state()->transactions()->insert(t);
        return t;
    }

    Transaction stored(const Transaction &t) { return *state()->transactions()->getById(t.id); }
    QString figure(ReconciliationScreen &s, int row) { return s.figureLabel(row)->text(); }
    int rowOf(ReconciliationScreen &s, const Transaction &t)
    {
        for (int row = 0; row < s.model()->rowCount(); ++row) {
            if (s.model()->transactions().at(row).id == t.id)
                return row;
        }
        return -1;
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2025, 6, 15), QTime(12, 0), Qt::UTC));
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        QApplication::setPalette(ThemeManager::lightPalette());
        m_account = addAccount(QStringLiteral("Checking"), Currency::USD, 10000);
        m_old = add(m_account.id, QDate(2025, 4, 10), QStringLiteral("Old"), 2000, true, true);
        m_deposit = add(m_account.id, QDate(2025, 5, 1), QStringLiteral("Salary"), 5000, true);
        m_payment = add(m_account.id, QDate(2025, 5, 3), QStringLiteral("Grocer"), -1234);
    }
    void cleanup()
    {
        m_app.reset();
        Clock::setFixedNow(QDateTime());
    }

    void opensWithFiguresInCents()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        QCOMPARE(s.model()->rowCount(), 2);  // the reconciled row is not listed
        QCOMPARE(s.model()->index(0, ReconciliationModel::DateColumn).data().toString(), QStringLiteral("5/1/2025"));
        QCOMPARE(s.model()->index(0, ReconciliationModel::ClearedColumn).data().toString(), QStringLiteral("C"));
        QCOMPARE(s.model()->index(1, ReconciliationModel::AmountColumn).data().toString(), QStringLiteral("-$12.34"));
        QCOMPARE(s.model()->index(1, ReconciliationModel::AmountColumn).data(Qt::ForegroundRole).value<QColor>(),
                 QColor(QStringLiteral("#C62828")));
        QVERIFY(s.model()->isChecked(0));   // stored as cleared
        QVERIFY(!s.model()->isChecked(1));
        QCOMPARE(s.previousBalance(), qint64(12000));
        // A month after the newest reconciled transaction.
        QCOMPARE(s.statementDateField()->date(), QDate(2025, 5, 10));
        QCOMPARE(figure(s, 0), QStringLiteral("$120.00"));
        QCOMPARE(figure(s, 1), QStringLiteral("$50.00"));
        QCOMPARE(figure(s, 2), QStringLiteral("$0.00"));
        QCOMPARE(figure(s, 4), QStringLiteral("$170.00"));
        // The statement balance starts as the cleared balance.
        QCOMPARE(s.statementBalance(), qint64(17000));
        QCOMPARE(figure(s, 7), QStringLiteral("$0.00"));

        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("-12.34"));
        QCOMPARE(s.statementBalance(), qint64(-1234));
        QCOMPARE(figure(s, 5), QStringLiteral("-$12.34"));
        QCOMPARE(figure(s, 7), QStringLiteral("-$182.34"));
    }

    void finishEnabledExactlyAtZeroDifference()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("169.99"));
        QVERIFY(!s.finishButton()->isEnabled());
        QCOMPARE(figure(s, 7), QStringLiteral("-$0.01"));
        QCOMPARE(styleColour(s.figureLabel(7)), QColor(QStringLiteral("#C62828")));
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("170.00"));
        QVERIFY(s.finishButton()->isEnabled());
        QCOMPARE(figure(s, 7), QStringLiteral("$0.00"));
        QCOMPARE(styleColour(s.figureLabel(7)), QColor(QStringLiteral("#2E7D32")));

        QApplication::setPalette(ThemeManager::darkPalette());
        QCoreApplication::processEvents();
        QCOMPARE(styleColour(s.figureLabel(7)), QColor(QStringLiteral("#66BB6A")));
        QApplication::setPalette(ThemeManager::lightPalette());

        // Checking the payment moves the balance away again.
        s.model()->setData(s.model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
        QVERIFY(!s.finishButton()->isEnabled());
        QCOMPARE(figure(s, 2), QStringLiteral("-$12.34"));
    }

    void finishMarksCheckedRowsAndStoresOneRecord()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        QSignalSpy done(&s, &ReconciliationScreen::reconciliationCompleted);
        s.model()->setChecked(1, true);
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("157.66"));
        DialogDriver::typeInto(s.statementDateField(), QStringLiteral("5/31/2025"));
        QTest::mouseClick(s.finishButton(), Qt::LeftButton);

        QCOMPARE(done.count(), 1);
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Reconciliation Complete"));
        for (const Transaction &t : {m_deposit, m_payment}) {
            const Transaction after = stored(t);
            QVERIFY(after.cleared && after.reconciled);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
            QCOMPARE(after.updatedAt, Clock::nowUtc());
        }
        const QList<Reconciliation> records = state()->reconciliations()->listForAccount(m_account.id);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().statementDate, QDate(2025, 5, 31));
        QCOMPARE(records.first().statementBalance, qint64(15766));
        QCOMPARE(records.first().reconciledBalance, qint64(15766));
        QCOMPARE(records.first().completedAt, Clock::nowUtc());

        // The next run starts from there.
        ReconciliationScreen next(state());
        next.setAccount(m_account.id);
        QCOMPARE(next.model()->rowCount(), 0);
        QCOMPARE(next.previousBalance(), qint64(15766));
        QCOMPARE(next.statementDateField()->date(), QDate(2025, 6, 30));
    }

    void finishWithoutChecksChangesNoTransaction()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        s.model()->setChecked(0, false);  // the cleared deposit, unchecked for this statement
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("120"));
        QVERIFY(s.finishButton()->isEnabled());
        s.finish();
        QCOMPARE(state()->reconciliations()->listForAccount(m_account.id).size(), 1);
        QCOMPARE(state()->reconciliations()->listForAccount(m_account.id).first().reconciledBalance, qint64(12000));
        // Unchecked but cleared: stays cleared, not reconciled, untouched.
        const Transaction deposit = stored(m_deposit);
        QVERIFY(deposit.cleared);
        QVERIFY(!deposit.reconciled);
        QCOMPARE(deposit.syncStatus, SyncStatus::Synced);
        QCOMPARE(stored(m_payment).syncStatus, SyncStatus::Synced);
    }

    void failedFinishWritesNothing()
    {
        QSqlQuery q(state()->database()->connection());
        QVERIFY(q.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_record BEFORE INSERT ON reconciliations "
                                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        QSignalSpy done(&s, &ReconciliationScreen::reconciliationCompleted);
        QSignalSpy changed(state()->transactions(), &TransactionRepository::transactionsChanged);
        s.model()->setChecked(1, true);
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("157.66"));
        s.finish();

        QCOMPARE(done.count(), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(Prompt::records().last().kind, QStringLiteral("critical"));
        QVERIFY(!stored(m_deposit).reconciled);
        QVERIFY(!stored(m_payment).reconciled);
        QVERIFY(!stored(m_payment).cleared);
        QVERIFY(state()->reconciliations()->listForAccount(m_account.id).isEmpty());
        QVERIFY(s.model()->isChecked(1));  // the marks stay for another try
    }

    void keysToggleTheCurrentRow_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("plain") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }

    void keysToggleTheCurrentRow()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTableView *table = s.table();
        table->setFocus();
        table->setCurrentIndex(QModelIndex());
        QTest::keyClick(table, Qt::Key_C, modifiers);  // nothing current: swallowed, nothing changes
        QVERIFY(s.model()->isChecked(0));
        QVERIFY(!s.model()->isChecked(1));
        QVERIFY(!table->currentIndex().isValid());

        table->setCurrentIndex(s.model()->index(1, 2));
        QTest::keyClick(table, Qt::Key_Space, modifiers);
        QVERIFY(s.model()->isChecked(1));
        QCOMPARE(figure(s, 2), QStringLiteral("-$12.34"));
        QTest::keyClick(table, Qt::Key_R, modifiers);
        QVERIFY(!s.model()->isChecked(1));
        QTest::keyClick(table, Qt::Key_C, modifiers);
        QVERIFY(s.model()->isChecked(1));
        QCOMPARE(table->currentIndex().row(), 1);  // no type-ahead jump
    }

    void markAllAndClearAllActOnEveryListedRow_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("keys") << true;
        QTest::newRow("buttons") << false;
    }

    void markAllAndClearAllActOnEveryListedRow()
    {
        QFETCH(bool, byKey);
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        s.show();
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.table()->setFocus();
        const auto press = [&](const char *button, Qt::KeyboardModifiers modifiers) {
            if (byKey)
                QTest::keyClick(s.table(), Qt::Key_A, modifiers);
            else
                QTest::mouseClick(s.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        };
        press("reconcileMarkAll", Qt::ControlModifier);
        QVERIFY(s.model()->isChecked(0) && s.model()->isChecked(1));
        QCOMPARE(figure(s, 2), QStringLiteral("-$12.34"));
        QCOMPARE(s.clearedBalance(), qint64(12000 + 5000 - 1234));
        press("reconcileClearAll", Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!s.model()->isChecked(0) && !s.model()->isChecked(1));
        QCOMPARE(figure(s, 4), QStringLiteral("$120.00"));
        // Marks only: nothing is written until the finish.
        QVERIFY(stored(m_deposit).cleared);
        QVERIFY(!stored(m_payment).cleared);
    }

    void checksSurviveAnAdd()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        s.model()->setChecked(0, false);
        s.model()->setChecked(1, true);
        auto ran = ModalDriver::onNext<TransactionFormDialog>([](TransactionFormDialog *d) {
            DialogDriver::typeInto(d->findChild<QLineEdit *>(QStringLiteral("payeeEdit")), QStringLiteral("Refund"));
            DialogDriver::typeInto(d->findChild<SmartAmountField *>(QStringLiteral("amountField")), QStringLiteral("7.5"));
            d->findChild<QCheckBox *>(QStringLiteral("clearedCheck"))->setChecked(true);
            d->accept();
        });
        s.addTransaction();
        QVERIFY(*ran);
        QCOMPARE(s.model()->rowCount(), 3);
        QVERIFY(!s.model()->isChecked(rowOf(s, m_deposit)));
        QVERIFY(s.model()->isChecked(rowOf(s, m_payment)));
        const int added = 3 - rowOf(s, m_deposit) - rowOf(s, m_payment);
        QCOMPARE(s.model()->transactions().at(added).payee, QStringLiteral("Refund"));
        QVERIFY(s.model()->isChecked(added));  // saved as cleared

        // Edits made elsewhere refresh the list and keep the marks too.
        add(m_account.id, QDate(2025, 5, 20), QStringLiteral("Elsewhere"), 100);
        QTRY_COMPARE(s.model()->rowCount(), 4);
        QVERIFY(s.model()->isChecked(rowOf(s, m_payment)));
        QVERIFY(!s.model()->isChecked(rowOf(s, m_deposit)));
    }

    void deleteAsksAndRemoves()
    {
        ReconciliationScreen s(state());
        s.setAccount(m_account.id);
        s.table()->setCurrentIndex(s.model()->index(rowOf(s, m_payment), 1));
        s.deleteSelectedTransaction();  // default answer is No
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Delete Transaction"));
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Delete the transaction for Grocer?"));
        QCOMPARE(s.model()->rowCount(), 2);
        Prompt::queueAnswer(QMessageBox::Yes);
        s.deleteSelectedTransaction();
        QCOMPARE(s.model()->rowCount(), 1);
        QVERIFY(stored(m_payment).isDeleted());
    }

    void yenBalanceHasNoDecimalsAndUnknownAccountStaysEmpty()
    {
        const Account yen = addAccount(QStringLiteral("Wallet"), Currency::JPY, 1500);
        ReconciliationScreen s(state());
        s.setAccount(yen.id);
        QCOMPARE(s.statementBalanceField()->decimals(), 0);
        QCOMPARE(s.statementDateField()->date(), QDate(2025, 6, 15));  // nothing to propose from
        DialogDriver::typeInto(s.statementBalanceField(), QStringLiteral("1500"));
        QCOMPARE(s.statementBalance(), qint64(1500));
        QCOMPARE(figure(s, 0), QStringLiteral("\u00a51,500"));
        QVERIFY(s.finishButton()->isEnabled());

        ReconciliationScreen unknown(state());
        unknown.setAccount(QStringLiteral("no-such-account"));
        QCOMPARE(unknown.model()->rowCount(), 0);
        QCOMPARE(figure(unknown, 0), QString());
        unknown.finish();
        unknown.addTransaction();
        QVERIFY(Prompt::records().isEmpty());
    }

    void historyListsRecordsNewestFirst()
    {
        ReconciliationHistoryScreen h(state());
        h.setAccountId(m_account.id);
        QCOMPARE(h.heading()->text(), QStringLiteral("Reconciliation History — Checking"));
        QVERIFY(h.table()->isHidden());
        QVERIFY(!h.emptyLabel()->isHidden());

        for (const auto &[date, balance] : {std::pair{QDate(2025, 3, 31), qint64(-250)},
                                           std::pair{QDate(2025, 4, 30), qint64(123456)}}) {
            Reconciliation r;
            r.id = Ids::newId();
            r.accountId = m_account.id;
            r.statementDate = date;
            r.statementBalance = r.reconciledBalance = balance;
            r.completedAt = QDateTime(QDate(2025, 5, 2), QTime(18, 5), Qt::UTC);
            state()->reconciliations()->insert(r);
        }
        QVERIFY(!h.table()->isHidden());
        QVERIFY(h.emptyLabel()->isHidden());
        QCOMPARE(h.table()->rowCount(), 2);
        QCOMPARE(h.table()->item(0, 0)->text(), QStringLiteral("Apr 30, 2025"));
        QCOMPARE(h.table()->item(0, 1)->text(), QStringLiteral("$1,234.56"));
        QCOMPARE(h.table()->item(1, 2)->text(), QStringLiteral("-$2.50"));
        QCOMPARE(h.table()->item(1, 2)->foreground().color(), QColor(QStringLiteral("#C62828")));
        const QDateTime local = QDateTime(QDate(2025, 5, 2), QTime(18, 5), Qt::UTC).toLocalTime();
        QCOMPARE(h.table()->item(0, 3)->text(), local.toString(QStringLiteral("MMM d, yyyy h:mm ap")));
    }
};

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
