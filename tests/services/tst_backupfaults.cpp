#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/store.h"
#include "services/backupservice.h"
#include "support/core/smallfilesystem.h"
#include "support/core/storedamage.h"
#include "support/core/teststore.h"
#include "support/core/lockholder.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
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

// Copies the closed-over store into path, the way a safety copy is taken.
bool copyStore(const QSqlDatabase &db, const QString &path)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(path);
    return q.exec();
}

// A store file at path with a thousand accounts, then damaged; soundCopy,
// when given, receives a copy taken before the accounts were renamed and the
// file damaged.
bool makeDamagedStore(const QString &path, const QString &soundCopy = QString())
{
    {
        TestStore store(true);
        if (!fillForDamage(store.connection()) || (!soundCopy.isEmpty() && !copyStore(store.connection(), soundCopy)) ||
            !store.exec(QStringLiteral("UPDATE accounts SET name = 'Damaged later'")) ||
            !copyStore(store.connection(), path))
            return false;
    }
    return damageStoreFile(path);
}

int count(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

// A store that refuses to write (locked by another program, on a full disk) or
// cannot be read whole (damaged) stops the backup or the restore: it is
// never reported as done, nor as a few skipped rows.
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
        LockHolder lock(store.path(), holdMs);
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

    // A damaged store is not exported: a backup of what can still be read
    // would look whole and replace a good older one.
    void damagedStoreIsNotExported()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("damaged.db"));
        QVERIFY(makeDamagedStore(copy));
        Store damaged;
        QVERIFY(damaged.open(copy));
        BackupService service(damaged.database());
        QString problem;
        QVERIFY(!service.checkIntegrity(&problem));
        QVERIFY(!problem.isEmpty());
        QString error;
        QVERIFY(service.exportBackup(nullptr, &error).isEmpty());
        QCOMPARE(error, QStringLiteral("The store is damaged (%1). No backup was written.").arg(problem));
    }

    // The way back from damage: a sound copy goes in place of the damaged
    // store, which is itself kept as it stands.
    void aDamagedStoreIsReplacedByACopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillet.db"));
        const QString name = QStringLiteral("quillet-2024-02-29-daily.db");
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Backups")));
        QVERIFY(makeDamagedStore(path, dir.filePath(QStringLiteral("Backups/") + name)));
        Store damaged;
        QVERIFY(damaged.open(path));
        BackupService service(damaged.database());
        QString problem;
        QVERIFY(!service.checkIntegrity(&problem));

        QString before;
        QString error;
        QVERIFY2(service.restoreCopy(name, &before, &error), qPrintable(error));
        QVERIFY(service.checkIntegrity(&problem));
        QCOMPARE(count(damaged.connection(), QStringLiteral("accounts WHERE name LIKE 'Account%'")), 1024);
        QFile kept(before);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.size() > 8 * 4096);
    }

    // A file that cannot be written whole leaves the one that was there.
    void fullDiskKeepsTheOlderBackup()
    {
        SmallFileSystem fs(4);
        if (!fs.isValid())
            QSKIP(qPrintable(fs.reason()));
        const QString path = fs.filePath(QStringLiteral("backup.zip"));
        QVERIFY(BackupService::writeFile(path, "the older backup"));
        QVERIFY(fs.fill(64 * 1024));
        QVERIFY(!BackupService::writeFile(path, backupOf(3000)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the older backup"));
    }

    // A copy that cannot go in leaves the store as it was.
    void refusedCopyLeavesTheStore_data()
    {
        QTest::addColumn<QString>("copy");  // "good" or "damaged": made by the test; else a name to ask for
        QTest::addColumn<int>("lockMs");
        QTest::addColumn<QString>("error");
        QTest::newRow("no such copy") << "quillet-2024-01-01-daily.db" << 0 << "There is no safety copy named";
        QTest::newRow("a path for a name") << "../quillet.db" << 0 << "There is no safety copy named";
        QTest::newRow("damaged copy") << "damaged" << 0 << "is damaged";
        QTest::newRow("another program writing") << "good" << 6000 << "Another program is writing to the store";
    }

    void refusedCopyLeavesTheStore()
    {
        QFETCH(QString, copy);
        QFETCH(int, lockMs);
        QFETCH(QString, error);
        TestStore store(false);
        QVERIFY(fillForDamage(store.connection()));
        BackupService service(store.db);
        QString name = copy;
        if (copy == QLatin1String("good") || copy == QLatin1String("damaged")) {
            const QString path = service.safetyCopies()->make(QStringLiteral("before-import"));
            QVERIFY(!path.isEmpty());
            if (copy == QLatin1String("damaged"))
                QVERIFY(damageStoreFile(path));
            name = QFileInfo(path).fileName();
        }
        Clock::setFixedNow(kT0.addSecs(60));
        QVERIFY(store.exec(QStringLiteral("UPDATE accounts SET name = 'Kept' WHERE id = 'a1'")));

        LockHolder lock(store.path(), lockMs);
        if (lockMs > 0)
            QVERIFY(lock.hold());
        QString before;
        QString message;
        QVERIFY(!service.restoreCopy(name, &before, &message));
        QVERIFY2(message.contains(error), qPrintable(message));
        QCOMPARE(store.accounts->findById(QStringLiteral("a1"))->name, QStringLiteral("Kept"));
    }
};

QTEST_GUILESS_MAIN(TestBackupFaults)
#include "tst_backupfaults.moc"
