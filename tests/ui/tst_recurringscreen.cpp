#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "support/gui/modaldriver.h"
#include "support/gui/testapp.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"
#include "ui/screens/recurringmodel.h"
#include "ui/screens/recurringscreen.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QDate kToday(2025, 6, 15);

} // namespace

class TestRecurringScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;
    Account m_account;

    AppState *state() const { return m_app->state(); }

    RecurringTransaction add(const QString &payee, const QDate &due, bool active = true,
                             Frequency frequency = Frequency::Monthly)
    {
        RecurringTransaction r;
        r.id = Ids::newId();
        r.accountId = m_account.id;
        r.payee = payee;
        r.amount = -4500;
        r.frequency = frequency;
        r.startDate = r.nextDueDate = due;
        r.isActive = active;
        r.createdAt = r.updatedAt = Clock::nowUtc();
        state()->recurring()->insert(r);
        return r;
    }

    int transactionCount() { return int(state()->transactions()->listByAccount(m_account.id).size()); }
    RecurringTransaction stored(const RecurringTransaction &r) { return *state()->recurring()->findById(r.id); }

    std::unique_ptr<QMenu> menuFor(RecurringScreen &s, const RecurringTransaction &r)
    {
        const int row = s.model()->rowOfId(r.id);
        return std::unique_ptr<QMenu>(s.createContextMenu(s.model()->index(row, 1), &s));
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(kToday, QTime(12, 0), Qt::UTC));
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        m_account.id = Ids::newId();
        m_account.name = QStringLiteral("Checking");
        m_account.createdAt = m_account.updatedAt = Clock::nowUtc();
        state()->accounts()->insert(m_account);
    }
    void cleanup()
    {
        m_app.reset();
        Clock::setFixedNow(QDateTime());
    }

    void listsSchedulesWithDueCount()
    {
        add(QStringLiteral("Rent"), kToday.addDays(-1));
        add(QStringLiteral("Power"), kToday);
        add(QStringLiteral("Later"), kToday.addDays(3));
        add(QStringLiteral("Old"), kToday.addDays(-30), false);
        RecurringScreen s(state());
        QAbstractItemModelTester tester(s.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(s.model()->rowCount(), 4);
        QCOMPARE(s.model()->index(0, RecurringModel::PayeeColumn).data().toString(), QStringLiteral("Rent"));
        QCOMPARE(s.model()->index(3, RecurringModel::PayeeColumn).data().toString(), QStringLiteral("Old"));
        QCOMPARE(s.model()->index(0, RecurringModel::AccountColumn).data().toString(), QStringLiteral("Checking"));
        QCOMPARE(s.dueLabel()->text(), QStringLiteral("(2 due)"));

        // A header click sorts; the rows still reload in that order.
        s.table()->sortByColumn(RecurringModel::PayeeColumn, Qt::AscendingOrder);
        QCOMPARE(s.model()->index(0, RecurringModel::PayeeColumn).data().toString(), QStringLiteral("Later"));
        add(QStringLiteral("Alarm"), kToday.addDays(9));
        QTRY_COMPARE(s.model()->rowCount(), 5);
        QCOMPARE(s.model()->index(0, RecurringModel::PayeeColumn).data().toString(), QStringLiteral("Alarm"));
    }

    void contextMenuFollowsActiveState()
    {
        const RecurringTransaction active = add(QStringLiteral("Rent"), kToday);
        const RecurringTransaction inactive = add(QStringLiteral("Gym"), kToday, false);
        RecurringScreen s(state());
        QCOMPARE(ModalDriver::actionTexts(menuFor(s, active).get()),
                 (QStringList{QStringLiteral("&Edit"), QStringLiteral("&Confirm"), QStringLiteral("&Skip"),
                              QStringLiteral("Enter E&arly..."), QStringLiteral("&Delete")}));
        // Each entry has a key of its own.
        QSet<QChar> keys;
        for (const QString &entry : ModalDriver::actionTexts(menuFor(s, active).get()))
            keys.insert(entry.at(entry.indexOf(QLatin1Char('&')) + 1).toLower());
        QCOMPARE(keys.size(), 5);
        QCOMPARE(ModalDriver::actionTexts(menuFor(s, inactive).get()),
                 (QStringList{QStringLiteral("&Edit"), QStringLiteral("&Delete")}));
        QVERIFY(!s.createContextMenu(QModelIndex(), &s));
    }

    void confirmSkipAndDelete()
    {
        const RecurringTransaction rent = add(QStringLiteral("Rent"), kToday);
        RecurringScreen s(state());
        QSignalSpy posted(&s, &RecurringScreen::transactionsChanged);

        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("&Confirm"))->trigger();
        QCOMPARE(transactionCount(), 1);
        QCOMPARE(stored(rent).nextDueDate, kToday.addMonths(1));
        QCOMPARE(posted.count(), 1);
        QCOMPARE(s.dueLabel()->text(), QString());

        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("&Skip"))->trigger();
        QCOMPARE(transactionCount(), 1);
        QCOMPARE(stored(rent).nextDueDate, kToday.addMonths(2));
        QCOMPARE(s.model()->scheduleAt(s.model()->rowOfId(rent.id))->nextDueDate, kToday.addMonths(2));

        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("&Delete"))->trigger();  // default No
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Delete recurring \"Rent\"?"));
        QVERIFY(!stored(rent).isDeleted());
        Prompt::queueAnswer(QMessageBox::Yes);
        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("&Delete"))->trigger();
        QVERIFY(stored(rent).isDeleted());
        QCOMPARE(s.model()->rowCount(), 0);
        QCOMPARE(posted.count(), 1);
    }

    void enterEarlyAsksWithTheDueDate()
    {
        const RecurringTransaction rent = add(QStringLiteral("Rent"), QDate(2025, 7, 1));
        RecurringScreen s(state());
        QSignalSpy posted(&s, &RecurringScreen::transactionsChanged);
        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("Enter E&arly..."))->trigger();
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Enter Early"));
        QCOMPARE(Prompt::records().last().text,
                 QStringLiteral("Enter \"Rent\" now, dated Jul 1, 2025? The transaction is dated its due date and you "
                                "can edit or delete it later."));
        QCOMPARE(transactionCount(), 0);
        Prompt::queueAnswer(QMessageBox::Yes);
        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("Enter E&arly..."))->trigger();
        QCOMPARE(transactionCount(), 1);
        QCOMPARE(state()->transactions()->listByAccount(m_account.id).first().date, QDate(2025, 7, 1));
        QCOMPARE(posted.count(), 1);

        // The same occurrence again (restored, or synced from another
        // device) is not entered twice; the schedule moves on, and the user
        // is told.
        RecurringTransaction back = stored(rent);
        back.nextDueDate = QDate(2025, 7, 1);
        state()->recurring()->update(back);
        s.reload();
        Prompt::queueAnswer(QMessageBox::Yes);
        ModalDriver::action(menuFor(s, rent).get(), QStringLiteral("Enter E&arly..."))->trigger();
        QCOMPARE(transactionCount(), 1);
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Already Entered"));
        QCOMPARE(stored(rent).nextDueDate, QDate(2025, 8, 1));
        QCOMPARE(posted.count(), 1);
    }

    void enterNextSevenDaysAnsweredNoChangesNothing()
    {
        const RecurringTransaction weekly = add(QStringLiteral("Lunch"), kToday.addDays(-1), true, Frequency::Weekly);
        RecurringScreen s(state());
        QSignalSpy posted(&s, &RecurringScreen::transactionsChanged);
        s.enterNextSevenDays();  // default No
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Enter Next 7 Days"));
        QCOMPARE(transactionCount(), 0);
        QCOMPARE(stored(weekly).nextDueDate, kToday.addDays(-1));
        QCOMPARE(posted.count(), 0);

        Prompt::queueAnswer(QMessageBox::Yes);
        s.enterNextSevenDays();
        QCOMPARE(transactionCount(), 2);  // yesterday's and the one six days ahead
        QCOMPARE(stored(weekly).nextDueDate, kToday.addDays(13));
        QCOMPARE(posted.count(), 1);
    }

    void confirmAllDuePostsWhatIsDue()
    {
        add(QStringLiteral("Rent"), kToday.addDays(-1));
        add(QStringLiteral("Later"), kToday.addDays(1));
        RecurringScreen s(state());
        QSignalSpy posted(&s, &RecurringScreen::transactionsChanged);
        s.confirmAllDue();
        QCOMPARE(transactionCount(), 1);
        QCOMPARE(posted.count(), 1);
        QCOMPARE(s.dueLabel()->text(), QString());
        s.confirmAllDue();
        QCOMPARE(posted.count(), 1);
    }

    void newAndEditGoThroughTheForm()
    {
        RecurringScreen s(state());
        auto ran = ModalDriver::onNext<RecurringFormDialog>([](RecurringFormDialog *d) {
            auto *payee = d->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
            payee->setText(QStringLiteral("Insurance"));
            d->findChild<SmartAmountField *>(QStringLiteral("amountField"))->setValue(80);
            d->accept();
        });
        s.newRecurring();
        QVERIFY(*ran);
        QCOMPARE(s.model()->rowCount(), 1);
        const RecurringTransaction created = *s.model()->scheduleAt(0);
        QCOMPARE(created.payee, QStringLiteral("Insurance"));
        QCOMPARE(created.amount, qint64(-8000));

        s.table()->setCurrentIndex(s.model()->index(0, 1));
        ran = ModalDriver::onNext<RecurringFormDialog>([](RecurringFormDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Edit Recurring Transaction"));
            d->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))->setText(QStringLiteral("Car Insurance"));
            d->accept();
        });
        s.editSelected();
        QVERIFY(*ran);
        QCOMPARE(stored(created).payee, QStringLiteral("Car Insurance"));
        QCOMPARE(stored(created).version, created.version + 1);
    }
};

QTEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
