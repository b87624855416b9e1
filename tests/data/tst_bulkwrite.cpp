#include "data/bulkwrite.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "support/core/teststore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

const QStringList kWords = {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma"),
                            QStringLiteral("renamed"), QStringLiteral("memo"), QStringLiteral("4711")};

bool run(const QSqlDatabase &db, const QString &sql, const QVariantList &binds = {})
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (q.exec())
        return true;
    qWarning() << sql << q.lastError().text();
    return false;
}

bool insertRow(const QSqlDatabase &db, const QString &account, int n)
{
    const QString payee = QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}.at(n % 3);
    return run(db,
               QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, "
                              "created_at, updated_at) VALUES (?, ?, '2024-01-01', ?, ?, ?, ?, 'x', 'x')"),
               {QStringLiteral("t%1").arg(n, 5, 10, QLatin1Char('0')), account, payee,
                QStringLiteral("memo %1").arg(n), -qint64(n), n % 7 == 0 ? QStringLiteral("4711") : QString()});
}

// The ids each word finds, then the same after the index is rebuilt from the
// table: an index that went stale, missed a row or kept a ghost differs.
QStringList searchState(const QSqlDatabase &db)
{
    QStringList state;
    for (const bool rebuilt : {false, true}) {
        if (rebuilt)
            run(db, QStringLiteral("INSERT INTO transactions_fts (transactions_fts) VALUES ('rebuild')"));
        for (const QString &word : kWords) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT t.id FROM transactions_fts f JOIN transactions t ON t.rowid = f.rowid "
                                     "WHERE transactions_fts MATCH ? ORDER BY t.id"));
            q.addBindValue(word);
            q.exec();
            QStringList ids;
            while (q.next())
                ids.append(q.value(0).toString());
            state.append(word + QLatin1Char(':') + ids.join(QLatin1Char(',')));
        }
    }
    return state;
}

// Every trigger on transactions, file and temporary, with its text.
QStringList triggers(const QSqlDatabase &db)
{
    QStringList found;
    for (const char *schema : {"main", "temp"}) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT name, sql FROM %1.sqlite_master WHERE type = 'trigger' ORDER BY name")
                   .arg(QLatin1String(schema)));
        while (q.next())
            found.append(QLatin1String(schema) + QLatin1Char('.') + q.value(0).toString() + QLatin1Char(' ') +
                         q.value(1).toString());
    }
    return found;
}

// The caches as the repository answers, then as the table says.
QStringList cacheState(TestStore &s, const QStringList &accounts)
{
    QStringList state;
    for (const QString &id : accounts) {
        state.append(QString::number(s.transactions->balance(id)));
        state.append(s.scalar(QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = "
                                             "'%1' AND deleted_at IS NULL")
                                  .arg(id))
                         .toString());
    }
    state.append(s.transactions->payees().join(QLatin1Char('|')));
    return state;
}

} // namespace

class TestBulkWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { BulkWrite::setMinRows(BulkWrite::kMinRows); }

    // Whatever is written inside the scope, the index and the caches end as
    // the per-row triggers would have left them.
    void endsAsRowByRow_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("into an empty store") << 0 << QStringList{QStringLiteral("insert")};
        QTest::newRow("appended to held rows") << 40 << QStringList{QStringLiteral("insert")};
        QTest::newRow("held and new rows updated")
            << 40 << QStringList{QStringLiteral("insert"), QStringLiteral("rename"), QStringLiteral("move")};
        QTest::newRow("held and new rows soft-deleted") << 40 << QStringList{QStringLiteral("insert"),
                                                                             QStringLiteral("soft-delete")};
        QTest::newRow("newest held row deleted, its rowid given again")
            << 40 << QStringList{QStringLiteral("delete-newest"), QStringLiteral("insert"), QStringLiteral("rename")};
        QTest::newRow("everything deleted first") << 40 << QStringList{QStringLiteral("delete-all"),
                                                                       QStringLiteral("insert")};
        QTest::newRow("everything deleted at once, rowids given again")
            << 40
            << QStringList{QStringLiteral("delete-all-at-once"), QStringLiteral("insert"), QStringLiteral("rename")};
        QTest::newRow("caches filled inside the scope")
            << 40 << QStringList{QStringLiteral("insert"), QStringLiteral("read-caches"), QStringLiteral("rename")};
        QTest::newRow("caches counted afresh inside the scope")
            << 40 << QStringList{QStringLiteral("insert"), QStringLiteral("drop-caches"), QStringLiteral("read-caches"),
                                 QStringLiteral("rename"), QStringLiteral("soft-delete")};
    }
    void endsAsRowByRow()
    {
        QFETCH(int, before);
        QFETCH(QStringList, steps);
        BulkWrite::setMinRows(1);
        QStringList results[2];
        for (const bool bulk : {false, true}) {
            TestStore s;
            QVERIFY(s.isOpen());
            const QSqlDatabase db = s.connection();
            const QStringList accounts{s.addAccount(QStringLiteral("A")).id, s.addAccount(QStringLiteral("B")).id};
            for (int n = 0; n < before; ++n)
                QVERIFY(insertRow(db, accounts.at(n % 2), n));
            cacheState(s, accounts);  // the caches are filled and kept by their triggers
            const QStringList triggersBefore = triggers(db);
            const int pageCache = s.scalar(QStringLiteral("PRAGMA cache_size")).toInt();

            DbTransaction tx(db);
            BulkWrite scope(db, bulk ? 100 : 0);
            QCOMPARE(scope.isActive(), bulk);
            for (const QString &step : steps) {
                if (step == QLatin1String("insert")) {
                    for (int n = 1000; n < 1100; ++n)
                        QVERIFY(insertRow(db, accounts.at(n % 2), n));
                } else if (step == QLatin1String("rename")) {
                    QVERIFY(run(db, QStringLiteral("UPDATE transactions SET payee = 'Renamed', amount = amount - 5 "
                                                   "WHERE id IN ('t00001', 't00039', 't01001', 't01050')")));
                } else if (step == QLatin1String("move")) {
                    QVERIFY(run(db, QStringLiteral("UPDATE transactions SET account_id = ? WHERE id IN ('t00002', "
                                                   "'t01002')"),
                                {accounts.at(1)}));
                } else if (step == QLatin1String("soft-delete")) {
                    QVERIFY(run(db, QStringLiteral("UPDATE transactions SET deleted_at = 'x' WHERE id IN ('t00003', "
                                                   "'t01003')")));
                } else if (step == QLatin1String("delete-newest")) {
                    QVERIFY(run(db, QStringLiteral("DELETE FROM transactions WHERE rowid = (SELECT MAX(rowid) FROM "
                                                   "transactions)")));
                } else if (step == QLatin1String("delete-all-at-once")) {
                    QVERIFY(scope.deleteAll());
                } else if (step == QLatin1String("delete-all")) {
                    QVERIFY(run(db, QStringLiteral("DELETE FROM transactions")));
                } else if (step == QLatin1String("drop-caches")) {
                    // As when another program wrote to the file in between.
                    QVERIFY(run(db, QStringLiteral("DELETE FROM temp.account_totals")));
                    QVERIFY(run(db, QStringLiteral("DELETE FROM temp.payee_counts_ready")));
                } else if (step == QLatin1String("read-caches")) {
                    cacheState(s, accounts);
                }
            }
            QVERIFY(scope.finish());
            QVERIFY(tx.commit());
            QCOMPARE(triggers(db), triggersBefore);
            QCOMPARE(s.scalar(QStringLiteral("PRAGMA cache_size")).toInt(), pageCache);
            // A write after the scope goes through the triggers again.
            QVERIFY(insertRow(db, accounts.at(0), 5000));
            results[bulk] = cacheState(s, accounts) + searchState(db);
            for (int i = 0; i < accounts.size(); ++i)
                QCOMPARE(results[bulk].at(2 * i), results[bulk].at(2 * i + 1));
            const QStringList search = searchState(db);
            QCOMPARE(search.mid(0, kWords.size()), search.mid(kWords.size()));
        }
        QCOMPARE(results[1], results[0]);
    }

    // Every way a scope can end without finishing leaves the store as it was,
    // triggers included, and the next transaction commits as usual.
    void failureRollsBackTriggersToo_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("left without finish") << QStringLiteral("leave");
        QTest::newRow("committed without finish") << QStringLiteral("commit");
        QTest::newRow("finish fails") << QStringLiteral("finish-fails");
        QTest::newRow("caller rolls back") << QStringLiteral("rollback");
    }
    void failureRollsBackTriggersToo()
    {
        QFETCH(QString, ending);
        TestStore s;
        QVERIFY(s.isOpen());
        const QSqlDatabase db = s.connection();
        const QString account = s.addAccount(QStringLiteral("A")).id;
        QVERIFY(insertRow(db, account, 1));
        const QStringList triggersBefore = triggers(db);
        const QStringList searchBefore = searchState(db);
        const int pageCache = s.scalar(QStringLiteral("PRAGMA cache_size")).toInt();
        {
            DbTransaction tx(db);
            {
                BulkWrite scope(db, 1000);
                QVERIFY(scope.isActive());
                for (int n = 10; n < 20; ++n)
                    QVERIFY(insertRow(db, account, n));
                QVERIFY(triggers(db) != triggersBefore);
                if (ending == QLatin1String("commit")) {
                    QVERIFY(!tx.commit());
                } else if (ending == QLatin1String("finish-fails")) {
                    QVERIFY(run(db, QStringLiteral("DROP TABLE temp.bulk_write_state")));
                    QVERIFY(!scope.finish());
                    QVERIFY(!tx.isActive());
                } else if (ending == QLatin1String("rollback")) {
                    tx.rollback();
                    QVERIFY(scope.finish() == false);
                }
            }
            QVERIFY(!tx.commit());
        }
        QCOMPARE(triggers(db), triggersBefore);
        QCOMPARE(s.scalar(QStringLiteral("PRAGMA cache_size")).toInt(), pageCache);
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
        QCOMPARE(searchState(db), searchBefore);
        DbTransaction next(db);
        QVERIFY(insertRow(db, account, 30));
        QVERIFY(next.commit());
        QCOMPARE(s.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                                         "'\"memo 30\"'"))
                     .toInt(),
                 1);
    }

    // The suspended triggers belong to an uncommitted transaction: another
    // connection reads the file's schema as it always is, and finds the new
    // rows only once they are committed and indexed.
    void anotherConnectionNeverSeesTheSuspension()
    {
        TestStore s;
        QVERIFY(s.isOpen());
        const QSqlDatabase db = s.connection();
        const QString account = s.addAccount(QStringLiteral("A")).id;
        QVERIFY(insertRow(db, account, 1));
        Database other;
        QVERIFY(other.open(s.path()));
        const auto fileTriggers = [&other]() {
            QSqlQuery q(other.connection());
            q.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'trigger' ORDER BY name"));
            QStringList found;
            while (q.next())
                found.append(q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString());
            return found;
        };
        const auto finds = [&other](const QString &word) {
            QSqlQuery q(other.connection());
            q.prepare(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
            q.addBindValue(word);
            return q.exec() && q.next() ? q.value(0).toInt() : -1;
        };
        const QStringList before = fileTriggers();
        QCOMPARE(before.size(), 3);

        DbTransaction tx(db);
        BulkWrite scope(db, 1000);
        QVERIFY(scope.isActive());
        for (int n = 10; n < 20; ++n)
            QVERIFY(insertRow(db, account, n));
        QCOMPARE(fileTriggers(), before);
        QCOMPARE(finds(QStringLiteral("memo")), 1);
        QVERIFY(scope.finish());
        QCOMPARE(fileTriggers(), before);
        QCOMPARE(finds(QStringLiteral("memo")), 1);
        QVERIFY(tx.commit());
        QCOMPARE(fileTriggers(), before);
        QCOMPARE(finds(QStringLiteral("memo")), 11);
    }
};

QTEST_GUILESS_MAIN(TestBulkWrite)
#include "tst_bulkwrite.moc"
