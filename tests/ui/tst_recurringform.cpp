#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "data/recurringrepository.h"
#include "data/sharedaccess.h"
#include "services/recurringservice.h"
#include "support/core/logcapture.h"
#include "support/gui/dialogdriver.h"
#include "ui/prompt.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace DialogDriver;

class RecurringFormTest : public DialogTestCase
{
    Q_OBJECT


    RecurringTransaction stored(const Account &account)
    {
        RecurringTransaction r;
        r.id = Ids::newId();
        r.accountId = account.id;
        r.payee = QStringLiteral("Gym");
        r.amount = -4500;
        r.frequency = Frequency::Monthly;
        r.startDate = QDate(2023, 1, 15);
        r.nextDueDate = QDate(2024, 9, 15);  // far ahead of the start
        r.autoPost = true;
        r.leadDays = 3;
        r.version = 4;
        r.createdAt = r.updatedAt = QDateTime(QDate(2023, 1, 1), QTime(8, 0), Qt::UTC);
        return r;
    }

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void editKeepsScheduleWhenStartIsUntouched()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const RecurringTransaction original = stored(checking);
        RecurringFormDialog form(state(), RecurringFormDialog::Edit);
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
        form.setRecurring(original);
        typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral(" Gym & Pool "));

        const RecurringTransaction r = form.recurring();
        QCOMPARE(r.id, original.id);
        QCOMPARE(r.createdAt, original.createdAt);
        QCOMPARE(r.payee, QStringLiteral("Gym & Pool"));
        QCOMPARE(r.amount, qint64(-4500));
        QCOMPARE(r.startDate, original.startDate);
        QCOMPARE(r.nextDueDate, original.nextDueDate);
        QCOMPARE(r.leadDays, 3);
        // Saving is the service's: one version more, pending.
        QVERIFY(state()->recurring()->insert(original));
        QVERIFY(state()->recurringService()->updateSchedule(r));
        const RecurringTransaction saved = state()->recurring()->findById(original.id).value();
        QCOMPARE(saved.version, original.version + 1);
        QCOMPARE(saved.syncStatus, SyncStatus::Pending);
        QCOMPARE(saved.createdAt, original.createdAt);
    }

    void changedStartMovesNextDue()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        RecurringFormDialog form(state(), RecurringFormDialog::Edit);
        form.setRecurring(stored(checking));
        typeInto(child<DateField>(&form, "startDateField"), QStringLiteral("7/1/2024"));
        const RecurringTransaction r = form.recurring();
        QCOMPARE(r.startDate, QDate(2024, 7, 1));
        QCOMPARE(r.nextDueDate, QDate(2024, 7, 1));
    }

    void leadDaysNeedAutoPost()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        RecurringFormDialog form(state(), RecurringFormDialog::Edit);
        form.setRecurring(stored(checking));
        auto *lead = child<QSpinBox>(&form, "leadDaysSpin");
        QVERIFY(lead->isEnabled());
        QCOMPARE(lead->suffix(), QStringLiteral(" days"));
        child<QCheckBox>(&form, "autoPostCheck")->setChecked(false);
        QVERIFY(!lead->isEnabled());
        QCOMPARE(lead->value(), 3);
        const RecurringTransaction r = form.recurring();
        QVERIFY(!r.autoPost);
        QCOMPARE(r.leadDays, 0);
    }

    void createAndMemorize()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account yen = addAccount(QStringLiteral("Tokyo"), Currency::JPY);
        RecurringFormDialog create(state(), RecurringFormDialog::Create);
        QCOMPARE(create.windowTitle(), QStringLiteral("New Recurring Transaction"));
        QCOMPARE(child<QComboBox>(&create, "frequencyCombo")->currentText(), QStringLiteral("Monthly"));
        QVERIFY(child<QCheckBox>(&create, "activeCheck")->isChecked());
        auto *account = child<QComboBox>(&create, "accountCombo");
        account->setCurrentIndex(account->findData(yen.id));
        auto *amount = child<SmartAmountField>(&create, "amountField");
        QCOMPARE(amount->decimals(), 0);
        QCOMPARE(amount->prefix(), QStringLiteral("\u00a5 "));
        typeAmount(amount, QStringLiteral("1500"));
        child<QRadioButton>(&create, "depositRadio")->setChecked(true);
        child<QCheckBox>(&create, "hasEndCheck")->setChecked(true);
        typeInto(child<DateField>(&create, "endDateField"), QStringLiteral("12/31/2025"));
        child<QComboBox>(&create, "frequencyCombo")->setCurrentIndex(int(Frequency::Biweekly));

        RecurringTransaction r = create.recurring();
        QCOMPARE(r.accountId, yen.id);
        QCOMPARE(r.amount, qint64(1500));
        QCOMPARE(r.startDate, QDate(2024, 6, 20));
        QCOMPARE(r.nextDueDate, QDate(2024, 6, 20));
        QCOMPARE(r.endDate, QDate(2025, 12, 31));
        QCOMPARE(r.frequency, Frequency::Biweekly);
        QString id;
        QVERIFY(state()->recurringService()->addSchedule(r, &id));
        QCOMPARE(id.size(), 36);
        r = state()->recurring()->findById(id).value();
        QCOMPARE(r.createdAt, Clock::nowUtc());
        QCOMPARE(r.version, 1);

        // Memorize: a new schedule from the prefilled one, its start as given.
        RecurringTransaction seed;
        seed.accountId = checking.id;
        seed.payee = QStringLiteral("Transfer to Savings");
        seed.amount = -2000;
        seed.transferDestAccountId = yen.id;
        seed.startDate = seed.nextDueDate = QDate(2024, 3, 5);
        RecurringFormDialog memorize(state(), RecurringFormDialog::Memorize);
        QCOMPARE(memorize.windowTitle(), QStringLiteral("Memorize Transaction"));
        memorize.setRecurring(seed);
        r = memorize.recurring();
        QCOMPARE(r.amount, qint64(-2000));
        QCOMPARE(r.transferDestAccountId, yen.id);
        QCOMPARE(r.startDate, QDate(2024, 3, 5));
        QCOMPARE(r.nextDueDate, QDate(2024, 3, 5));
    }

    // A schedule posts into its account and a transfer's other one: an
    // account shared with the user to view only is never offered, and a
    // schedule that still uses one shows it and is not saved.
    void viewOnlyAccounts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("saved");
        const QStringList writable = {QStringLiteral("Checking"), QStringLiteral("Family")};
        QTest::newRow("new schedule") << int(RecurringFormDialog::Create) << QString() << QString() << writable
                                      << QStringLiteral("Checking") << true;
        QTest::newRow("memorized transfer into a view-only account")
            << int(RecurringFormDialog::Memorize) << QStringLiteral("Checking") << QStringLiteral("Joint") << writable
            << QStringLiteral("Checking") << false;
        QTest::newRow("existing schedule on a view-only account")
            << int(RecurringFormDialog::Edit) << QStringLiteral("Joint") << QString()
            << (writable + QStringList{QStringLiteral("Joint (view only)")}) << QStringLiteral("Joint (view only)") << false;
        QTest::newRow("existing schedule on an account shared to edit")
            << int(RecurringFormDialog::Edit) << QStringLiteral("Family") << QString() << writable
            << QStringLiteral("Family") << true;
    }

    void viewOnlyAccounts()
    {
        QFETCH(int, mode);
        QFETCH(QString, account);
        QFETCH(QString, destination);
        QFETCH(QStringList, offered);
        QFETCH(QString, shown);
        QFETCH(bool, saved);
        QHash<QString, Account> accounts;
        for (const char *name : {"Checking", "Family", "Joint"})
            accounts.insert(QLatin1String(name), addAccount(QLatin1String(name)));
        SharedAccess shared(state()->preferences());
        QVERIFY(shared.set(accounts.value(QStringLiteral("Joint")).id,
                           SharedAccess::Access{QStringLiteral("viewer"), QStringLiteral("Dana"), {}}));
        QVERIFY(shared.set(accounts.value(QStringLiteral("Family")).id,
                           SharedAccess::Access{QStringLiteral("editor"), QStringLiteral("Dana"), {}}));
        state()->setCurrentAccountId(accounts.value(QStringLiteral("Joint")).id);

        RecurringFormDialog form(state(), RecurringFormDialog::Mode(mode));
        std::optional<RecurringTransaction> original;
        if (!account.isEmpty()) {
            original = stored(accounts.value(account));
            original->transferDestAccountId = accounts.value(destination).id;
            if (mode == RecurringFormDialog::Edit)
                QVERIFY(state()->recurring()->insert(*original));
            form.setRecurring(*original);
        }
        auto *combo = child<QComboBox>(&form, "accountCombo");
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        QCOMPARE(texts, offered);
        QCOMPARE(combo->currentText(), shown);
        QCOMPARE(combo->isEnabled(), mode != RecurringFormDialog::Edit);
        auto *note = child<QLabel>(&form, "viewOnlyNote");
        QCOMPARE(note->isVisibleTo(&form), !saved);
        if (!saved)
            QVERIFY(note->text().startsWith(QStringLiteral("Dana shares ")));

        typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("Rent"));
        form.setSave([&] {
            return mode == RecurringFormDialog::Edit ? state()->recurringService()->updateSchedule(form.recurring())
                                                     : state()->recurringService()->addSchedule(form.recurring());
        });
        Prompt::clear();
        form.accept();
        QCOMPARE(form.result() == QDialog::Accepted, saved);
        QCOMPARE(Prompt::records().size(), saved ? 0 : 1);
        if (!saved)
            QCOMPARE(Prompt::records().at(0).text, note->text());
        const QList<RecurringTransaction> schedules = state()->recurring()->listAll();
        QCOMPARE(schedules.size(), saved || mode == RecurringFormDialog::Edit ? 1 : 0);
        if (!schedules.isEmpty())
            QCOMPARE(schedules.at(0).payee, saved ? QStringLiteral("Rent") : original->payee);
    }

    void startBefore2000FallsBackToToday()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        RecurringFormDialog form(state(), RecurringFormDialog::Create);
        typeInto(child<DateField>(&form, "startDateField"), QStringLiteral("1/5/1924"));
        LogCapture log;
        const RecurringTransaction r = form.recurring();
        QCOMPARE(r.startDate, QDate(2024, 6, 20));
        QCOMPARE(r.nextDueDate, QDate(2024, 6, 20));
        QVERIFY(log.contains(QStringLiteral("RecurringFormDialog: rejecting invalid startDate")));

        // An edit whose stored next due date is broken is repaired to the start.
        RecurringTransaction broken = stored(checking);
        broken.nextDueDate = QDate(1999, 12, 31);
        RecurringFormDialog edit(state(), RecurringFormDialog::Edit);
        edit.setRecurring(broken);
        QCOMPARE(edit.recurring().nextDueDate, broken.startDate);
        QVERIFY(log.contains(QStringLiteral("RecurringFormDialog: rejecting invalid nextDueDate")));
    }
};

QTEST_MAIN(RecurringFormTest)
#include "tst_recurringform.moc"
