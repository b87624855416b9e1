#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/store.h"
#include "services/backupservice.h"
#include "support/core/smallfilesystem.h"
#include "support/core/teststore.h"
#include "support/core/writelock.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const QDateTime kT0(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);

const QString kAccountRow = QStringLiteral(
    "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acct-1', 'Checking', '2024-01-01T00:00:00Z', "
    "'2024-01-01T00:00:00Z')");

// A backup of the account "acct-1" with `transactions` transactions, some memo
// text each, so that restoring it writes a few MiB.
QByteArray backupOf(int transactions)
{
    TestStore source(false);
    source.exec(kAccountRow);
    source.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                               "INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                               "updated_at) SELECT printf('t-%06d', i), 'acct-1', '2024-01-01', 'Payee ' || i, "
                               "printf('%0500d', i), -i, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z' FROM n")
                    .arg(transactions));
    return BackupService(source.db).exportBackup();
}

int count(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

// A store that refuses to write (locked by another program, on a full disk)
// stops the restore: it is never reported as done, nor as a few skipped rows.
class TestBackupFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(kT0); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void restoreWaitsForAnotherWriter_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("busyTimeoutMs");
        QTest::addColumn<bool>("restored");
        QTest::newRow("lock released within the wait") << 800 << 5000 << true;
        QTest::newRow("lock held past the wait") << 2000 << 300 << false;
    }

    void restoreWaitsForAnotherWriter()
    {
        QFETCH(int, holdMs);
        QFETCH(int, busyTimeoutMs);
        QFETCH(bool, restored);
        const QByteArray bytes = backupOf(300);
        TestStore store(false);
        QVERIFY(store.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs)));
        WriteLock lock(store.path(), holdMs);
        QVERIFY(lock.hold());

        const BackupImportResult result = BackupService(store.db).importBackup(bytes, BackupMode::Replace);
        QCOMPARE(result.accepted, restored);
        QCOMPARE(count(store.connection(), QStringLiteral("transactions")), restored ? 300 : 0);
        if (restored) {
            QCOMPARE(result.imported, 301);
            QVERIFY(result.errors.isEmpty());
        } else {
            QCOMPARE(result.imported, 0);
            QCOMPARE(result.skipped, 0);
            QCOMPARE(result.errors.size(), 1);
            QVERIFY2(result.errors.first().contains(QStringLiteral("database is locked")),
                     qPrintable(result.errors.first()));
            QVERIFY2(result.errors.first().contains(QStringLiteral("another program")),
                     qPrintable(result.errors.first()));
        }
    }

    // SQLite rolls the whole transaction back by itself when the disk fills;
    // the restore must stop there rather than write on row by row (the
    // account is already there, so those rows would land).
    void fullDiskStopsTheRestore()
    {
        SmallFileSystem fs(12);
        if (!fs.isValid())
            QSKIP(qPrintable(fs.reason()));
        const QByteArray bytes = backupOf(6000);
        Store store;
        QVERIFY(store.open(fs.filePath(QStringLiteral("quillet.db"))));
        QVERIFY(QSqlQuery(store.connection()).exec(kAccountRow));
        // A small page cache spills the restore to disk long before its commit.
        QSqlQuery(store.connection()).exec(QStringLiteral("PRAGMA cache_size = 50"));
        QVERIFY(fs.fill(1024 * 1024));

        const BackupImportResult result = BackupService(store.database()).importBackup(bytes, BackupMode::Replace);
        QVERIFY(!DbTransaction::inTransaction(store.connection()));
        QCOMPARE(count(store.connection(), QStringLiteral("transactions")), 0);
        QVERIFY(!result.accepted);
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().contains(QStringLiteral("full")), qPrintable(result.errors.first()));

        // With room again the same backup restores whole.
        fs.drain();
        const BackupImportResult again = BackupService(store.database()).importBackup(bytes, BackupMode::Replace);
        QVERIFY(again.accepted);
        QCOMPARE(count(store.connection(), QStringLiteral("transactions")), 6000);
    }
};

QTEST_GUILESS_MAIN(TestBackupFaults)
#include "tst_backupfaults.moc"
