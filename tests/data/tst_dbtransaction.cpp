#include "data/database.h"
#include "data/dbtransaction.h"
#include "support/core/lockholder.h"
#include "support/core/smallfilesystem.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QSqlDatabase openConnection(const QString &name, const QString &path, int busyTimeoutMs)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    db.setDatabaseName(path);
    if (db.open()) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS t (v TEXT)"));
    }
    return db;
}

int rows(const QSqlDatabase &db, const QString &where = QStringLiteral("1"))
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM t WHERE %1").arg(where)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool insert(const QSqlDatabase &db, const QString &value)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO t (v) VALUES (?)"));
    q.addBindValue(value);
    return q.exec();
}

} // namespace

class TestDbTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        for (const QString &name : QSqlDatabase::connectionNames())
            QSqlDatabase::removeDatabase(name);
    }

    void nestedGuardsCommitOnlyWithTheOuterOne_data()
    {
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<int>("expected");
        QTest::newRow("both commit") << true << true << 2;
        QTest::newRow("inner rolls back") << false << true << 1;
        QTest::newRow("outer rolls back") << true << false << 0;
    }

    void nestedGuardsCommitOnlyWithTheOuterOne()
    {
        QFETCH(bool, innerCommits);
        QFETCH(bool, outerCommits);
        QFETCH(int, expected);
        QTemporaryDir dir;
        {
            const QSqlDatabase db = openConnection(QStringLiteral("nested"), dir.filePath(QStringLiteral("n.db")), 5000);
            {
                DbTransaction outer(db);
                QVERIFY(outer.isActive());
                QVERIFY(insert(db, QStringLiteral("outer")));
                {
                    DbTransaction inner(db);
                    QVERIFY(inner.isActive());
                    QVERIFY(insert(db, QStringLiteral("inner")));
                    if (innerCommits)
                        QVERIFY(inner.commit());
                }
                QVERIFY(outer.isActive());
                if (outerCommits)
                    QVERIFY(outer.commit());
            }
            QVERIFY(!DbTransaction::inTransaction(db));
            QCOMPARE(rows(db), expected);
        }
    }

    // A writer waits for another connection's write lock instead of failing
    // at once; when the lock outlasts the wait, nothing is written.
    void aWriterWaitsForAnotherConnectionsLock_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("busyTimeoutMs");
        QTest::addColumn<bool>("written");
        QTest::newRow("lock released within the wait") << 800 << 5000 << true;
        QTest::newRow("lock held past the wait") << 1500 << 300 << false;
    }

    void aWriterWaitsForAnotherConnectionsLock()
    {
        QFETCH(int, holdMs);
        QFETCH(int, busyTimeoutMs);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lock.db"));
        {
            const QSqlDatabase db = openConnection(QStringLiteral("waiting"), path, busyTimeoutMs);
            // Read first, as the app's writes do: a deferred transaction
            // would then fail at once instead of waiting.
            QCOMPARE(rows(db), 0);

            LockHolder holder(path, holdMs, QStringLiteral("INSERT INTO t (v) VALUES ('other')"));
            holder.start();
            QVERIFY(holder.waitUntilHeld());
            {
                DbTransaction tx(db);
                QCOMPARE(tx.isActive(), written);
                if (tx.isActive()) {
                    QVERIFY(insert(db, QStringLiteral("mine")));
                    QVERIFY(tx.commit());
                } else {
                    QVERIFY(!tx.error().isEmpty());
                    QVERIFY(!tx.commit());
                }
            }
            holder.wait();
            QCOMPARE(rows(db, QStringLiteral("v = 'mine'")), written ? 1 : 0);
            QCOMPARE(rows(db, QStringLiteral("v = 'other'")), 1);
        }
    }

    // When the disk fills, SQLite may end the whole transaction by itself.
    // The guard must then say so, and never report the work as committed.
    void aFullDiskIsNeverReportedAsCommitted()
    {
        SmallFileSystem fs(2);
        if (!fs.isValid())
            QSKIP(qPrintable(fs.reason()));
        {
            const QSqlDatabase db = openConnection(QStringLiteral("full"), fs.filePath(QStringLiteral("f.db")), 1000);
            QVERIFY(insert(db, QStringLiteral("before")));
            QVERIFY(fs.fill(64 * 1024));

            const QString payload(4000, QLatin1Char('x'));
            bool failed = false;
            bool committed = false;
            {
                DbTransaction tx(db);
                QVERIFY(tx.isActive());
                for (int i = 0; i < 5000 && !failed; ++i)
                    failed = !insert(db, payload);
                QVERIFY(failed);
                committed = tx.commit();
                if (committed)
                    QVERIFY(tx.error().isEmpty());
            }
            QVERIFY(!DbTransaction::inTransaction(db));
            fs.drain();
            const int stored = rows(db, QStringLiteral("length(v) = 4000"));
            // Either the statement alone failed and the rest committed, or
            // nothing of the transaction is in the store; never a mix.
            QVERIFY2(committed ? stored > 0 : stored == 0, qPrintable(QString::number(stored)));
            QCOMPARE(rows(db, QStringLiteral("v = 'before'")), 1);
        }
    }

    // A migration that cannot be written on a full disk leaves no half
    // schema behind, and the next start applies it whole. The disk is left
    // with more room each round, so that the failure falls on different
    // statements of the scripts.
    void aMigrationOnAFullDiskLeavesNoHalfSchema()
    {
        SmallFileSystem fs(2);
        if (!fs.isValid())
            QSKIP(qPrintable(fs.reason()));
        int failures = 0;
        for (qint64 spare = 16 * 1024; spare <= 160 * 1024; spare += 16 * 1024) {
            const QString path = fs.filePath(QStringLiteral("quillet-%1.db").arg(spare));
            bool migrated = false;
            {
                Database db;
                QVERIFY(fs.fill(spare));
                migrated = db.open(path) && db.runMigrations();
                QVERIFY(!DbTransaction::inTransaction(db.connection()));
            }
            fs.drain();
            failures += migrated ? 0 : 1;
            Database db;
            QVERIFY(db.open(path));
            const int version = db.schemaVersion();
            QSqlQuery q(db.connection());
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'transactions'")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt() > 0, version >= 1);
            QVERIFY(db.runMigrations());
            QCOMPARE(db.schemaVersion(), 4);
            q = QSqlQuery(db.connection());
            QVERIFY(q.exec(QStringLiteral("SELECT lead_days FROM recurring_transactions")));
        }
        QVERIFY(failures > 0);
    }
};

QTEST_GUILESS_MAIN(TestDbTransaction)
#include "tst_dbtransaction.moc"
