#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <functional>

// The ids a search returns, in its order.
QStringList searchIds(TestStore &s, const TransactionSearch &f)
{
    QStringList result;
    for (const RegisterEntry &e : s.transactions->search(f))
        result.append(e.transaction.id);
    return result;
}

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void roundTrip()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        QSignalSpy changed(s.transactions, &TransactionRepository::transactionsChanged);
        Transaction t;
        t.id = Ids::newId();
        t.accountId = a.id;
        t.date = QDate(2024, 2, 29);
        t.payee = QStringLiteral("Café Ünïcode");
        t.memo = QStringLiteral("memo");
        t.amount = -123456789012LL;
        t.checkNumber = QStringLiteral("1001");
        t.cleared = true;
        t.reconciled = true;
        t.isSplit = true;
        t.recurringId = QStringLiteral("sched");
        t.version = 7;
        t.syncStatus = SyncStatus::Conflict;
        t.createdAt = t.updatedAt = Clock::nowUtc();
        QVERIFY(s.transactions->insert(t));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), a.id);

        const std::optional<Transaction> r = s.transactions->getById(t.id);
        QVERIFY(r);
        QCOMPARE(r->date, t.date);
        QCOMPARE(r->payee, t.payee);
        QCOMPARE(r->amount, t.amount);
        QVERIFY(r->cleared && r->reconciled && r->isSplit);
        QCOMPARE(r->version, 7);
        QCOMPARE(r->syncStatus, SyncStatus::Conflict);
        QCOMPARE(r->createdAt, t.createdAt);
        QVERIFY(r->categoryId.isEmpty());
        QCOMPARE(s.scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(), 1);
        QCOMPARE(s.scalar(QStringLiteral("SELECT created_at FROM transactions")).toString(),
                 QStringLiteral("2024-06-15T12:00:00Z"));

        // A copy changed and stored leaves other copies alone.
        Transaction copy = *r;
        copy.payee = QStringLiteral("Changed");
        copy.version += 1;
        QVERIFY(s.transactions->update(copy));
        QCOMPARE(r->payee, t.payee);
        QCOMPARE(s.transactions->getById(t.id)->payee, QStringLiteral("Changed"));
        QCOMPARE(s.transactions->getById(t.id)->version, 8);
    }

    void registerRowsAndOpeningBalance()
    {
        TestStore s;
        const Account zero = s.addAccount(QStringLiteral("Zero"));
        QVERIFY(s.transactions->registerRows(zero.id).isEmpty());

        const Account empty = s.addAccount(QStringLiteral("Empty"), Currency::USD, 5000);
        QList<RegisterEntry> rows = s.transactions->registerRows(empty.id);
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows.first().isOpeningBalance);
        QCOMPARE(rows.first().transaction.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(rows.first().transaction.date, Clock::today());
        QCOMPARE(rows.first().balance, qint64(5000));
        QVERIFY(rows.first().transaction.reconciled);

        const Account a = s.addAccount(QStringLiteral("A"), Currency::USD, 10000);
        // Same day rows keep their creation order; dates order first.
        const Transaction t2 = s.addTransaction(a.id, QDate(2024, 3, 2), QStringLiteral("Second day"), -300);
        const Transaction t1a = s.addTransaction(a.id, QDate(2024, 3, 1), QStringLiteral("First"), -1000);
        const Transaction t1b = s.addTransaction(a.id, QDate(2024, 3, 1), QStringLiteral("Then"), 2500);
        const Transaction gone = s.addTransaction(a.id, QDate(2024, 2, 1), QStringLiteral("Deleted"), -99999);
        QVERIFY(s.transactions->softDelete(gone.id));
        rows = s.transactions->registerRows(a.id);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0).transaction.date, QDate(2024, 3, 1));  // earliest live row, not the deleted one
        QCOMPARE(rows.at(1).transaction.id, t1a.id);
        QCOMPARE(rows.at(2).transaction.id, t1b.id);
        QCOMPARE(rows.at(3).transaction.id, t2.id);
        QCOMPARE(rows.at(1).balance, qint64(9000));
        QCOMPARE(rows.at(2).balance, qint64(11500));
        QCOMPARE(rows.at(3).balance, qint64(11200));
        QCOMPARE(s.transactions->balance(a.id), qint64(11200));

        // A row stored later but created earlier (an import, a restore) sorts by
        // its creation time within its day.
        Transaction early = t2;
        early.id = QStringLiteral("created-earlier");
        early.payee = QStringLiteral("Created earlier");
        early.amount = -1;
        early.createdAt = t2.createdAt.addSecs(-3600);
        QVERIFY(s.transactions->insert(early));
        rows = s.transactions->registerRows(a.id);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(3).transaction.id, early.id);
        QCOMPARE(rows.at(4).transaction.id, t2.id);
        QCOMPARE(rows.at(3).balance, qint64(11499));
        QCOMPARE(rows.at(4).balance, qint64(11199));
    }

    void categoryDisplayNames()
    {
        TestStore s(true);  // the default tree has "Maintenance" under Housing and Transportation
        const Account a = s.addAccount(QStringLiteral("A"));
        const QString housingMaintenance = s.categories->findById(
            s.scalar(QStringLiteral("SELECT c.id FROM categories c JOIN categories p ON c.parent_id = p.id WHERE "
                                    "c.name = 'Maintenance' AND p.name = 'Housing'")).toString())->id;
        const QString electric = s.categories->findByName(QStringLiteral("Electric"))->id;
        const QString groceries = s.categories->findByName(QStringLiteral("Groceries"))->id;
        s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Plumber"), -100, housingMaintenance);
        s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Power"), -100, electric);
        s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral("Food"), -100, groceries);
        s.addTransaction(a.id, QDate(2024, 1, 4), QStringLiteral("None"), -100);
        QList<RegisterEntry> rows = s.transactions->registerRows(a.id);
        QCOMPARE(rows.at(0).categoryName, QStringLiteral("Housing > Maintenance"));
        QCOMPARE(rows.at(1).categoryName, QStringLiteral("Electric"));
        QCOMPARE(rows.at(2).categoryName, QStringLiteral("Groceries"));
        QCOMPARE(rows.at(3).categoryName, QString());

        // Once the other "Maintenance" is deleted the name is unique again.
        const QString transportMaintenance =
            s.scalar(QStringLiteral("SELECT c.id FROM categories c JOIN categories p ON c.parent_id = p.id WHERE "
                                    "c.name = 'Maintenance' AND p.name = 'Transportation'")).toString();
        QVERIFY(s.categories->softDelete(transportMaintenance));
        rows = s.transactions->registerRows(a.id);
        QCOMPARE(rows.at(0).categoryName, QStringLiteral("Maintenance"));
        // A transaction still pointing at a deleted category shows its name.
        QVERIFY(s.categories->softDelete(groceries));
        QCOMPARE(s.transactions->registerRows(a.id).at(2).categoryName, QStringLiteral("Groceries"));
    }

    void searchFilters()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Account b = s.addAccount(QStringLiteral("B"));
        const Category food = s.addCategory(QStringLiteral("Food"));
        const Transaction grocery = s.addTransaction(a.id, QDate(2024, 1, 10), QStringLiteral("Grocery Mart"), -100,
                                                     food.id);
        const Transaction coffee = s.addTransaction(b.id, QDate(2024, 2, 10), QStringLiteral("Corner Coffee"), -450);
        Transaction memo = s.addTransaction(a.id, QDate(2024, 3, 10), QStringLiteral("Hardware"), -999);
        memo.memo = QStringLiteral("paint for the mart sign");
        memo.checkNumber = QStringLiteral("1042");
        memo.cleared = true;
        QVERIFY(s.transactions->update(memo));
        const Transaction gone = s.addTransaction(a.id, QDate(2024, 4, 10), QStringLiteral("Grocery Mart"), -1);
        QVERIFY(s.transactions->softDelete(gone.id));

        auto ids = [&s](const TransactionSearch &f) { return searchIds(s, f); };
        TransactionSearch f;
        QCOMPARE(ids(f), (QStringList{memo.id, coffee.id, grocery.id}));  // newest first, deleted left out
        f.text = QStringLiteral("gro mart");
        QCOMPARE(ids(f), QStringList{grocery.id});
        f.text = QStringLiteral("MART");
        QCOMPARE(ids(f), (QStringList{memo.id, grocery.id}));  // payee or memo
        f.text = QStringLiteral("104");
        QCOMPARE(ids(f), QStringList{memo.id});  // check number, by prefix
        f.text.clear();
        f.accountId = b.id;
        QCOMPARE(ids(f), QStringList{coffee.id});
        f.accountId.clear();
        f.categoryId = food.id;
        QCOMPARE(ids(f), QStringList{grocery.id});
        QCOMPARE(s.transactions->search(f).first().categoryName, QStringLiteral("Food"));
        f.categoryId.clear();
        f.from = QDate(2024, 2, 1);
        f.to = QDate(2024, 2, 29);
        QCOMPARE(ids(f), QStringList{coffee.id});
        f = TransactionSearch();
        f.clearedOnly = true;
        QCOMPARE(ids(f), QStringList{memo.id});
    }

    void hostileSearchTextNeverFails_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"\"", "\"\"", "AND", "OR NOT", "-x", "*", "mart*", "NEAR(a b)", "a:b", "(", ")",
                                 "'; DROP TABLE transactions; --", "^", "{payee}", "\\", "ü", "  "}) {
            QTest::newRow(text) << QString::fromUtf8(text);
        }
        QTest::newRow("NUL inside a word") << QStringLiteral("gro") + QChar(0) + QStringLiteral("cery");
        QTest::newRow("broken surrogate") << QStringLiteral("mart") + QChar(0xD800);
    }

    void hostileSearchTextNeverFails()
    {
        QFETCH(QString, text);
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        s.addTransaction(a.id, QDate(2024, 1, 10), QStringLiteral("Grocery Mart"), -100);
        TransactionSearch f;
        f.text = text;
        LogCapture log;
        s.transactions->search(f);
        QVERIFY2(!log.contains(QStringLiteral("search failed")), qPrintable(log.messages().join(QLatin1Char('\n'))));
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
    }

    void searchOverALargeStoreMatchesTheSimpleAnswer()
    {
        // More rows than the newest window a search looks at first, so both ways
        // of answering are exercised: a dense filter is answered from the newest
        // stretch, a sparse one falls back to collecting every match.
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Account b = s.addAccount(QStringLiteral("B"));
        QList<Transaction> all;
        {
            DbTransaction tx(s.connection());
            const QSignalBlocker block(s.transactions);
            for (int i = 0; i < 21000; ++i) {
                // Ten rows per day, so many rows share the date at the window's edge.
                const QDate date = QDate(2020, 1, 1).addDays(i / 10);
                const bool rare = i % 5000 == 7;
                all.append(s.addTransaction(i % 3 ? a.id : b.id, date,
                                            rare ? QStringLiteral("Rare & Harbor") : QStringLiteral("Common Market"), -i));
            }
            QVERIFY(tx.commit());
        }
        auto expected = [&](const std::function<bool(const Transaction &)> &keep) {
            QList<Transaction> hits;
            for (const Transaction &t : std::as_const(all)) {
                if (keep(t))
                    hits.append(t);
            }
            std::stable_sort(hits.begin(), hits.end(), [](const Transaction &x, const Transaction &y) {
                return x.date != y.date ? x.date > y.date : x.createdAt > y.createdAt;
            });
            QStringList ids;
            for (const Transaction &t : hits.mid(0, 200))
                ids.append(t.id);
            return ids;
        };
        auto ids = [&s](const TransactionSearch &f) { return searchIds(s, f); };

        TransactionSearch f;
        QCOMPARE(ids(f), expected([](const Transaction &) { return true; }));
        f.accountId = b.id;
        QCOMPARE(ids(f), expected([&](const Transaction &t) { return t.accountId == b.id; }));
        f.accountId.clear();
        f.text = QStringLiteral("market");
        QCOMPARE(ids(f), expected([](const Transaction &t) { return t.payee.startsWith(QLatin1String("Common")); }));
        f.text = QStringLiteral("harbor");
        const QStringList rare = ids(f);
        QCOMPARE(rare.size(), 5);
        QCOMPARE(rare, expected([](const Transaction &t) { return t.payee.startsWith(QLatin1String("Rare")); }));
        // A word the full-text index holds nothing of is looked for as typed.
        f.text = QStringLiteral("rare & harbor");
        QCOMPARE(ids(f), rare);
        f.text = QStringLiteral("&");
        QCOMPARE(ids(f), rare);
        f.text = QStringLiteral("market &");
        QVERIFY(ids(f).isEmpty());
        f.text.clear();
        f.to = QDate(2020, 1, 3);
        QCOMPARE(ids(f), expected([](const Transaction &t) { return t.date <= QDate(2020, 1, 3); }));
    }

    void payeeListFollowsEveryWrite()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Account b = s.addAccount(QStringLiteral("B"));
        // What the list must always equal: the live, non-empty payees, sorted.
        auto plain = [&s] {
            QStringList names;
            QSqlQuery q(s.connection());
            q.exec(QStringLiteral(
                "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"));
            while (q.next())
                names.append(q.value(0).toString());
            return names;
        };
        Transaction grocer = s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Grocer"), -100);
        s.addTransaction(b.id, QDate(2024, 1, 2), QStringLiteral("Grocer"), -200);
        QCOMPARE(s.transactions->payees(), (QStringList{"Grocer"}));  // counted now, kept from here on

        const Transaction rent = s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral("Rent"), -900);
        s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral(""), -1);
        QCOMPARE(s.transactions->payees(), plain());
        QVERIFY(s.transactions->softDelete(rent.id));  // its only row gone
        QCOMPARE(s.transactions->payees(), (QStringList{"Grocer"}));

        grocer.payee = QStringLiteral("Baker");  // one of two rows renamed in an edit
        QVERIFY(s.transactions->update(grocer));
        QCOMPARE(s.transactions->payees(), (QStringList{"Baker", "Grocer"}));
        QCOMPARE(s.transactions->renamePayee(QStringLiteral("Grocer"), QStringLiteral("Baker")), 1);
        QCOMPARE(s.transactions->payees(), (QStringList{"Baker"}));

        {
            DbTransaction undone(s.connection());  // rolled back with the rows it wrote
            s.addTransaction(a.id, QDate(2024, 1, 4), QStringLiteral("Never"), -5);
        }
        QCOMPARE(s.transactions->payees(), plain());

        const QString deletedAt = SqlValue::timestamp(Clock::nowUtc().addSecs(-1));
        QVERIFY(s.transactions->softDeleteByAccount(a.id));
        QCOMPARE(s.transactions->payees(), plain());
        QVERIFY(s.transactions->restoreByAccount(a.id, deletedAt));
        QCOMPARE(s.transactions->payees(), plain());
        QSqlQuery(s.connection()).exec(QStringLiteral("DELETE FROM transactions WHERE account_id = '%1'").arg(b.id));
        QCOMPARE(s.transactions->payees(), plain());
        QVERIFY(!plain().isEmpty());
    }

    void cachesSeeWritesFromAnotherConnection()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Grocer"), -100);
        QCOMPARE(s.transactions->balance(a.id), qint64(-100));
        QCOMPARE(s.transactions->payees(), (QStringList{"Grocer"}));

        // Another program (the command-line tool) writes to the same file.
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("elsewhere"));
            other.setDatabaseName(s.path());
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY(q.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                          "updated_at) VALUES ('from-elsewhere', '%1', '2024-01-02', 'Baker', -250, "
                                          "'2024-01-02T00:00:00Z', '2024-01-02T00:00:00Z')")
                               .arg(a.id)));
            q.finish();
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("elsewhere"));
        QCOMPARE(s.transactions->balance(a.id), qint64(-350));
        QCOMPARE(s.transactions->payees(), (QStringList{"Baker", "Grocer"}));

        // Our own writes keep the caches without a recount.
        s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral("Cafe"), -5);
        QCOMPARE(s.transactions->balance(a.id), qint64(-355));
        QCOMPARE(s.transactions->payees(), (QStringList{"Baker", "Cafe", "Grocer"}));
    }

    void searchLimitAndPayees()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        DbTransaction tx(s.connection());
        for (int i = 0; i < 250; ++i)
            s.addTransaction(a.id, QDate(2020, 1, 1).addDays(i), i % 2 ? QStringLiteral("Odd") : QStringLiteral("Even"),
                             -i);
        s.addTransaction(a.id, QDate(2020, 1, 1), QString(), -1);
        QVERIFY(tx.commit());
        const QList<RegisterEntry> rows = s.transactions->search(TransactionSearch());
        QCOMPARE(rows.size(), 200);
        QCOMPARE(rows.first().transaction.date, QDate(2020, 1, 1).addDays(249));
        QCOMPARE(s.transactions->payees(), (QStringList{"Even", "Odd"}));
        QCOMPARE(s.transactions->latestByPayee(QStringLiteral("Odd"), a.id)->date, QDate(2020, 1, 1).addDays(249));
    }

    void pendingAndResync()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"));
        const Transaction live = s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("Live"), -1);
        const Transaction gone = s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Gone"), -2);
        QVERIFY(s.transactions->softDelete(gone.id));
        QCOMPARE(s.transactions->pending().size(), 2);  // deletions are pushed too
        QVERIFY(s.transactions->markSynced(live.id, QStringLiteral("s1")));
        QVERIFY(s.transactions->markSynced(gone.id, QStringLiteral("s2")));
        QCOMPARE(s.transactions->pending().size(), 0);
        QCOMPARE(s.transactions->getById(live.id)->serverId, QStringLiteral("s1"));
        QCOMPARE(s.transactions->markAllPendingForResync(), 1);
        QCOMPARE(s.transactions->getById(gone.id)->syncStatus, SyncStatus::Synced);
        QCOMPARE(s.transactions->unreconciled(a.id).size(), 1);
    }

    void balanceFollowsEveryWrite()
    {
        TestStore s;
        const Account a = s.addAccount(QStringLiteral("A"), Currency::USD, 1000);
        const Account b = s.addAccount(QStringLiteral("B"));
        Transaction t = s.addTransaction(a.id, QDate(2024, 1, 1), QStringLiteral("One"), -300);
        QCOMPARE(s.transactions->balance(a.id), qint64(700));  // computed, then kept

        s.addTransaction(a.id, QDate(2024, 1, 2), QStringLiteral("Two"), 50);
        QCOMPARE(s.transactions->balance(a.id), qint64(750));
        t.amount = -500;
        QVERIFY(s.transactions->update(t));
        QCOMPARE(s.transactions->balance(a.id), qint64(550));
        QVERIFY(s.transactions->softDelete(t.id));
        QCOMPARE(s.transactions->balance(a.id), qint64(1050));
        // Writes made with plain SQL (a restore, a payee rename) are followed too.
        QVERIFY(s.exec(QStringLiteral("UPDATE transactions SET deleted_at = NULL, account_id = '%1' WHERE id = '%2'")
                           .arg(b.id, t.id)));
        QCOMPARE(s.transactions->balance(a.id), qint64(1050));
        QCOMPARE(s.transactions->balance(b.id), qint64(-500));
        // A rolled-back write leaves no trace.
        {
            DbTransaction tx(s.connection());
            s.addTransaction(a.id, QDate(2024, 1, 3), QStringLiteral("Rolled back"), -10000);
            QCOMPARE(s.transactions->balance(a.id), qint64(-8950));
        }
        QCOMPARE(s.transactions->balance(a.id), qint64(1050));
        // The starting balance is read live.
        Account edited = *s.accounts->findById(a.id);
        edited.startingBalance = 0;
        QVERIFY(s.accounts->update(edited));
        QCOMPARE(s.transactions->balance(a.id), qint64(50));
        QCOMPARE(s.transactions->registerRows(a.id).last().balance, qint64(50));
    }
};

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
