#include "data/clock.h"
#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/sampledata.h"
#include "support/core/teststore.h"

#include <QSignalSpy>
#include <QTest>

class TestSampleData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsConsistentHistoryAndClearsItAgain()
    {
        TestStore s(true);
        const Account mine = s.addAccount(QStringLiteral("My Own"));
        const Transaction kept = s.addTransaction(mine.id, QDate(2024, 1, 1), QStringLiteral("Keep me"), -100);
        SampleData sample(s);
        QSignalSpy accountsChanged(s.accounts, &AccountRepository::accountsChanged);

        QCOMPARE(sample.load(), SampleData::Result::Loaded);
        QCOMPARE(accountsChanged.count(), 1);  // one announcement, not one per row
        QCOMPARE(sample.load(), SampleData::Result::AlreadyLoaded);

        const QList<Account> accounts = s.accounts->listLive();
        QCOMPARE(accounts.size(), 6);
        int transfers = 0, splits = 0;
        for (const Account &a : accounts) {
            if (a.id == mine.id)
                continue;
            QVERIFY(a.id.startsWith(QLatin1String("sample-")));
            const QList<RegisterEntry> rows = s.transactions->registerRows(a.id);
            QVERIFY2(rows.size() > 5, qPrintable(a.name));
            QVERIFY(rows.last().transaction.date <= Clock::today());
            for (const RegisterEntry &e : rows) {
                const Transaction &t = e.transaction;
                QVERIFY(t.id.startsWith(QLatin1String("sample-")));
                if (t.isTransfer()) {
                    ++transfers;
                    const std::optional<Transaction> partner = s.transactions->getById(t.transferLinkId);
                    QVERIFY(partner);
                    QCOMPARE(partner->transferLinkId, t.id);
                    QCOMPARE(partner->transferDestAccountId, t.accountId);
                    QCOMPARE(t.transferDestAccountId, partner->accountId);
                    QCOMPARE(partner->amount, -t.amount);
                }
                if (t.isSplit) {
                    ++splits;
                    qint64 sum = 0;
                    for (const SplitLine &line : s.splitLines->linesOf(t.id))
                        sum += line.amount;
                    QCOMPARE(sum, t.amount);
                    QVERIFY(t.categoryId.isEmpty());
                }
            }
        }
        QVERIFY(transfers > 0);
        QVERIFY(splits > 0);
        QVERIFY(s.recurring->listAll().size() >= 5);
        const QList<Reconciliation> statements = s.reconciliations->listForAccount(QStringLiteral("sample-acct-checking"));
        QVERIFY(!statements.isEmpty());
        for (const Reconciliation &r : statements) {
            qint64 balance = 0;
            for (const RegisterEntry &e : s.transactions->registerRows(r.accountId)) {
                if (e.transaction.date <= r.statementDate) {
                    QVERIFY(e.transaction.reconciled);
                    balance += e.transaction.amount;
                }
            }
            QCOMPARE(r.statementBalance, balance);
        }

        // Rows the sample schedules posted go too, although their ids are
        // derived from the schedule rather than marked as samples.
        const QList<RecurringTransaction> schedules = s.recurring->listAll();
        QVERIFY(s.services->recurring()->confirm(schedules.first().id));
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id LIKE 'sample-%'")).toInt(), 1);

        QCOMPARE(sample.clear(), SampleData::Result::Cleared);
        QCOMPARE(sample.clear(), SampleData::Result::NothingToClear);
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id LIKE 'sample-%'")).toInt(), 0);
        QCOMPARE(s.accounts->listLive().size(), 1);
        QVERIFY(s.transactions->getById(kept.id));
        for (const char *table : {"transactions", "split_lines", "recurring_transactions", "reconciliations"})
            QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(QLatin1String(table)))
                         .toInt(),
                     0);
        QCOMPARE(s.categories->liveCount(), 56);
    }
};

QTEST_GUILESS_MAIN(TestSampleData)
#include "tst_sampledata.moc"
