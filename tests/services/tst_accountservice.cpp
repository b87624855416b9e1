#include "data/clock.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "services/accountservice.h"
#include "support/core/teststore.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2025, 6, 15), QTime(12, 0), Qt::UTC);

struct Fixture {
    TestStore store;
    AccountService service{store.db, store.accounts, store.transactions, store.recurring,
                           store.reconciliations};

    int count(const QString &sql) { return store.scalar(sql).toInt(); }

    Account draft(const QString &name, qint64 startingBalance = 0)
    {
        Account a;
        a.name = name;
        a.startingBalance = startingBalance;
        return a;
    }

    RecurringTransaction addSchedule(const QString &accountId)
    {
        RecurringTransaction r;
        r.id = Ids::newId();
        r.accountId = accountId;
        r.payee = QStringLiteral("Rent");
        r.amount = -1000;
        r.startDate = r.nextDueDate = QDate(2025, 7, 1);
        r.createdAt = r.updatedAt = Clock::nowUtc();
        store.recurring->insert(r);
        return r;
    }

    Reconciliation addReconciliation(const QString &accountId)
    {
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = accountId;
        r.statementDate = QDate(2025, 5, 31);
        r.completedAt = r.createdAt = r.updatedAt = Clock::nowUtc();
        store.reconciliations->insert(r);
        return r;
    }
};

} // namespace

class TestAccountService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void startingBalanceBecomesOpeningEntry_data()
    {
        QTest::addColumn<qint64>("balance");
        QTest::newRow("zero: no entry") << qint64(0);
        QTest::newRow("-250.00") << qint64(-25000);
        QTest::newRow("-0.01") << qint64(-1);
        QTest::newRow("positive") << qint64(123456);
    }

    void startingBalanceBecomesOpeningEntry()
    {
        QFETCH(qint64, balance);
        Fixture f;
        const QDate asOf(2025, 1, 1);
        Account draft = f.draft(QStringLiteral("  Everyday Checking "), balance);
        draft.institution = QStringLiteral("  First Bank ");
        draft.accountNumberLast4 = QStringLiteral(" 1234 ");
        draft.currency = Currency::GBP;
        const std::optional<Account> created = f.service.createAccount(draft, asOf);
        QVERIFY(created);

        const Account stored = f.store.accounts->findById(created->id).value();
        QCOMPARE(stored.name, QStringLiteral("Everyday Checking"));
        QCOMPARE(stored.institution, QStringLiteral("First Bank"));
        QCOMPARE(stored.accountNumberLast4, QStringLiteral("1234"));
        QCOMPARE(stored.currency, Currency::GBP);
        QCOMPARE(stored.startingBalance, qint64(0));
        QCOMPARE(stored.createdAt, kNow);
        QCOMPARE(stored.id.size(), 36);

        const QList<Transaction> rows = f.store.transactions->listByAccount(created->id);
        if (balance == 0) {
            QVERIFY(rows.isEmpty());
        } else {
            QCOMPARE(rows.size(), 1);
            const Transaction &opening = rows.first();
            QCOMPARE(opening.payee, QStringLiteral("Opening Balance"));
            QCOMPARE(opening.amount, balance);
            QCOMPARE(opening.date, asOf);
            QVERIFY(opening.cleared);
            QVERIFY(opening.reconciled);
            QVERIFY(opening.categoryId.isEmpty());
        }
        QCOMPARE(f.store.transactions->balance(created->id), balance);
    }

    void blankNameStoresNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces only") << QStringLiteral("   \t ");
    }

    void blankNameStoresNothing()
    {
        QFETCH(QString, name);
        Fixture f;
        QSignalSpy accounts(f.store.accounts, &AccountRepository::accountsChanged);
        QVERIFY(!f.service.createAccount(f.draft(name, -25000), QDate(2025, 1, 1)));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        QCOMPARE(accounts.count(), 0);
    }

    void editWritesTheFormBackAndMarksPending()
    {
        Fixture f;
        const Account created = f.service.createAccount(f.draft(QStringLiteral("Visa")), QDate()).value();
        QVERIFY(f.store.accounts->markSynced(created.id, QStringLiteral("srv-1")));
        const int versionBefore = f.store.accounts->findById(created.id)->version;

        Clock::setFixedNow(kNow.addSecs(60));
        Account edited = created;
        edited.name = QStringLiteral(" Visa Rewards ");
        edited.type = AccountType::CreditCard;
        edited.currency = Currency::CAD;
        edited.startingBalance = 5000;
        edited.institution = QStringLiteral("Maple Bank");
        edited.accountNumberLast4 = QStringLiteral("9876");
        QVERIFY(f.service.updateAccount(edited));

        const Account stored = f.store.accounts->findById(created.id).value();
        QCOMPARE(stored.name, QStringLiteral("Visa Rewards"));
        QCOMPARE(stored.type, AccountType::CreditCard);
        QCOMPARE(stored.currency, Currency::CAD);
        QCOMPARE(stored.startingBalance, qint64(5000));
        QCOMPARE(stored.institution, QStringLiteral("Maple Bank"));
        QCOMPARE(stored.accountNumberLast4, QStringLiteral("9876"));
        QCOMPARE(stored.updatedAt, kNow.addSecs(60));
        QCOMPARE(stored.createdAt, kNow);
        // The edit has to go out with the next sync.
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        QCOMPARE(stored.version, versionBefore + 1);
        QCOMPARE(stored.serverId, QStringLiteral("srv-1"));

        edited.name = QStringLiteral("  ");
        QVERIFY(!f.service.updateAccount(edited));
        QCOMPARE(f.store.accounts->findById(created.id)->name, QStringLiteral("Visa Rewards"));
    }

    // Amounts are minor units of the account's currency: once there are
    // any, another currency would read $98.00 as ¥9,800.
    void currencyIsFixedOnceThereAreTransactions_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<bool>("changes");
        QTest::newRow("no transactions") << QString() << true;
        QTest::newRow("a live transaction") << QStringLiteral("live") << false;
        QTest::newRow("only a deleted one") << QStringLiteral("deleted") << false;
    }

    void currencyIsFixedOnceThereAreTransactions()
    {
        QFETCH(QString, history);
        QFETCH(bool, changes);
        Fixture f;
        const Account created = f.service.createAccount(f.draft(QStringLiteral("Checking")), QDate()).value();
        if (!history.isEmpty()) {
            const Transaction t = f.store.addTransaction(created.id, QDate(2024, 1, 2), QStringLiteral("Grocer"), -9800);
            if (history == QLatin1String("deleted"))
                QVERIFY(f.store.transactions->softDelete(t.id));
        }
        QCOMPARE(f.service.isCurrencyLocked(created.id), !changes);
        Account edited = created;
        edited.currency = Currency::JPY;
        edited.name = QStringLiteral("Everyday");
        QCOMPARE(f.service.updateAccount(edited), changes);
        const Account stored = f.store.accounts->findById(created.id).value();
        QCOMPARE(stored.currency, changes ? Currency::JPY : Currency::USD);
        QCOMPARE(stored.name, changes ? QStringLiteral("Everyday") : QStringLiteral("Checking"));
    }

    void deleteThenRestore()
    {
        Fixture f;
        const Account doomed = f.service.createAccount(f.draft(QStringLiteral("Checking"), 10000), QDate(2025, 1, 1))
                                   .value();
        const Account other = f.service.createAccount(f.draft(QStringLiteral("Savings"), 500), QDate(2025, 1, 1))
                                  .value();
        const Transaction kept = f.store.addTransaction(doomed.id, QDate(2025, 2, 1), QStringLiteral("Grocer"), -2000);
        const Transaction removedEarlier =
            f.store.addTransaction(doomed.id, QDate(2025, 2, 2), QStringLiteral("Typo"), -1);
        const RecurringTransaction schedule = f.addSchedule(doomed.id);
        const Reconciliation reconciliation = f.addReconciliation(doomed.id);
        const RecurringTransaction otherSchedule = f.addSchedule(other.id);

        QVERIFY(f.store.transactions->softDelete(removedEarlier.id));
        Clock::setFixedNow(kNow.addSecs(11));

        QSignalSpy accountsSpy(f.store.accounts, &AccountRepository::accountsChanged);
        QSignalSpy transactionsSpy(f.store.transactions, &TransactionRepository::transactionsChanged);
        QVERIFY(f.service.deleteAccount(doomed.id));
        QCOMPARE(accountsSpy.count(), 1);
        QCOMPARE(transactionsSpy.count(), 1);

        QVERIFY(f.store.accounts->findById(doomed.id)->isDeleted());
        QVERIFY(f.store.transactions->listByAccount(doomed.id).isEmpty());
        QVERIFY(f.store.recurring->findById(schedule.id)->isDeleted());
        QVERIFY(f.store.reconciliations->listForAccount(doomed.id).isEmpty());
        // A second delete would move the deletion time and strand the rows.
        QVERIFY(!f.service.deleteAccount(doomed.id));

        // The other account is untouched.
        QVERIFY(!f.store.accounts->findById(other.id)->isDeleted());
        QCOMPARE(f.store.transactions->listByAccount(other.id).size(), 1);
        QVERIFY(!f.store.recurring->findById(otherSchedule.id)->isDeleted());

        Clock::setFixedNow(kNow.addSecs(3600));
        QVERIFY(f.service.restoreAccount(doomed.id));
        const Account restored = f.store.accounts->findById(doomed.id).value();
        QVERIFY(!restored.isDeleted());
        QCOMPARE(restored.syncStatus, SyncStatus::Pending);
        QStringList payees;
        for (const Transaction &t : f.store.transactions->listByAccount(doomed.id))
            payees.append(t.payee);
        payees.sort();
        QCOMPARE(payees, (QStringList{QStringLiteral("Grocer"), QStringLiteral("Opening Balance")}));
        QVERIFY(f.store.transactions->getById(removedEarlier.id)->isDeleted());
        QVERIFY(!f.store.transactions->getById(kept.id)->isDeleted());
        QVERIFY(!f.store.recurring->findById(schedule.id)->isDeleted());
        QCOMPARE(f.store.reconciliations->listForAccount(doomed.id).size(), 1);
        QCOMPARE(f.store.reconciliations->listForAccount(doomed.id).first().id, reconciliation.id);
    }

    void restoreWindowEdge()
    {
        // A row deleted exactly ten seconds before the account still counts as
        // deleted with it; eleven seconds before, it does not.
        Fixture f;
        const Account a = f.service.createAccount(f.draft(QStringLiteral("Cash")), QDate()).value();
        const Transaction eleven = f.store.addTransaction(a.id, QDate(2025, 3, 1), QStringLiteral("a"), -1);
        const Transaction ten = f.store.addTransaction(a.id, QDate(2025, 3, 2), QStringLiteral("b"), -1);
        f.store.transactions->softDelete(eleven.id);
        Clock::setFixedNow(kNow.addSecs(1));
        f.store.transactions->softDelete(ten.id);
        Clock::setFixedNow(kNow.addSecs(11));
        QVERIFY(f.service.deleteAccount(a.id));
        QCOMPARE(AccountService::restoreThreshold(kNow.addSecs(11)), SqlValue::timestamp(kNow.addSecs(1)));
        QVERIFY(f.service.restoreAccount(a.id));
        QVERIFY(f.store.transactions->getById(eleven.id)->isDeleted());
        QVERIFY(!f.store.transactions->getById(ten.id)->isDeleted());
    }
};

QTEST_GUILESS_MAIN(TestAccountService)
#include "tst_accountservice.moc"
