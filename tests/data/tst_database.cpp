#include "data/database.h"
#include "support/core/logcapture.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT

private:
    static QStringList names(const QSqlDatabase &db, const QString &type)
    {
        QStringList result;
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = '%1' AND name NOT LIKE 'sqlite_%' ORDER BY "
                              "name")
                   .arg(type));
        while (q.next())
            result.append(q.value(0).toString());
        return result;
    }

    static QStringList columns(const QSqlDatabase &db, const QString &table)
    {
        QStringList result;
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (q.next()) {
            QString column = q.value(1).toString() + QLatin1Char(' ') + q.value(2).toString();
            if (q.value(3).toInt())
                column += QLatin1String(" NN");
            if (!q.value(4).isNull())
                column += QLatin1String(" =") + q.value(4).toString();
            if (q.value(5).toInt())
                column += QLatin1String(" PK");
            result.append(column);
        }
        return result;
    }

private Q_SLOTS:
    void freshFileGetsAllMigrations()
    {
        QTemporaryDir dir;
        Database db;
        QSignalSpy applied(&db, &Database::migrationApplied);
        QVERIFY(db.open(dir.filePath(QStringLiteral("quillet.db"))));
        QVERIFY(db.runMigrations());

        QCOMPARE(applied.count(), 4);
        QCOMPARE(applied.at(0).at(1).toString(), QStringLiteral("initial"));
        QCOMPARE(applied.at(3).at(0).toInt(), 4);
        QCOMPARE(db.schemaVersion(), 4);

        QSqlQuery q(db.connection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(q.exec(QStringLiteral("PRAGMA foreign_keys")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM schema_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), 4);

        // A second run applies nothing.
        QVERIFY(db.runMigrations());
        QCOMPARE(applied.count(), 4);
    }

    void schemaIsComplete()
    {
        QTemporaryDir dir;
        Database db;
        QVERIFY(db.open(dir.filePath(QStringLiteral("quillet.db"))) && db.runMigrations());
        const QSqlDatabase c = db.connection();

        QStringList tables = names(c, QStringLiteral("table"));
        tables.removeIf([](const QString &t) { return t.startsWith(QLatin1String("transactions_fts")); });
        QCOMPARE(tables, (QStringList{"accounts", "categories", "import_ids", "preferences", "reconciliations",
                                      "recurring_transactions", "schema_version", "split_lines", "sync_queue",
                                      "transaction_templates", "transactions"}));
        QCOMPARE(names(c, QStringLiteral("index")),
                 (QStringList{"idx_import_ids_transaction_id", "idx_split_lines_transaction_id",
                              "idx_transactions_account_id",
                              "idx_transactions_category_id", "idx_transactions_date",
                              "idx_transactions_sync_status", "idx_transactions_transfer_link_id"}));
        QCOMPARE(names(c, QStringLiteral("trigger")),
                 (QStringList{"transactions_ad", "transactions_ai", "transactions_au"}));

        QCOMPARE(columns(c, QStringLiteral("accounts")),
                 (QStringList{"id TEXT PK", "name TEXT NN", "account_type TEXT NN ='checking'",
                              "currency TEXT NN ='USD'", "institution TEXT", "account_number_last4 TEXT",
                              "starting_balance INTEGER NN =0", "sort_order INTEGER NN =0", "is_shared INTEGER NN =0",
                              "version INTEGER NN =1", "sync_status TEXT NN ='pending'", "server_id TEXT",
                              "created_at TEXT NN", "updated_at TEXT NN", "deleted_at TEXT"}));
        QCOMPARE(columns(c, QStringLiteral("reconciliations")),
                 (QStringList{"id TEXT PK", "account_id TEXT NN", "statement_date TEXT NN",
                              "statement_balance INTEGER NN", "reconciled_balance INTEGER NN",
                              "completed_at TEXT NN", "version INTEGER NN =1", "sync_status TEXT NN ='pending'",
                              "server_id TEXT", "created_at TEXT NN =''", "updated_at TEXT NN =''",
                              "deleted_at TEXT"}));
        const QStringList recurring = columns(c, QStringLiteral("recurring_transactions"));
        QCOMPARE(recurring.size(), 20);
        QCOMPARE(recurring.last(), QStringLiteral("lead_days INTEGER NN =0"));
        QCOMPARE(columns(c, QStringLiteral("transactions")).size(), 20);
        QCOMPARE(columns(c, QStringLiteral("import_ids")),
                 (QStringList{"id TEXT PK", "account_id TEXT NN", "fitid TEXT NN", "transaction_id TEXT NN",
                              "created_at TEXT NN"}));
        QCOMPARE(columns(c, QStringLiteral("split_lines")),
                 (QStringList{"id TEXT PK", "transaction_id TEXT NN", "category_id TEXT NN", "amount INTEGER NN",
                              "memo TEXT", "created_at TEXT NN", "updated_at TEXT NN"}));

        // References are declared and enforced.
        QSqlQuery q(c);
        QVERIFY(!q.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                       "updated_at) VALUES ('t', 'no-such-account', '2024-01-01', 'x', 1, 'a', 'b')")));

        // The full-text index follows inserts, updates and deletes.
        QVERIFY(q.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', "
                                      "'x', 'x')")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                      "created_at, updated_at) VALUES ('t', 'a', '2024-01-01', 'Grocery Mart', "
                                      "'milk', -100, 'x', 'x')")));
        auto hits = [&](const QString &term) {
            QSqlQuery s(c);
            s.prepare(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
            s.addBindValue(term);
            s.exec();
            s.next();
            return s.value(0).toInt();
        };
        QCOMPARE(hits(QStringLiteral("grocery")), 1);
        QVERIFY(q.exec(QStringLiteral("UPDATE transactions SET payee = 'Corner Coffee' WHERE id = 't'")));
        QCOMPARE(hits(QStringLiteral("grocery")), 0);
        QCOMPARE(hits(QStringLiteral("coffee")), 1);
        QVERIFY(q.exec(QStringLiteral("DELETE FROM transactions WHERE id = 't'")));
        QCOMPARE(hits(QStringLiteral("coffee")), 0);
    }

    // Migration 4 is the first of our own. A store at version 4 still opens
    // in a version that knows only three, and what that version does to its
    // rows (soft deletes, a restore that empties the tables) still works.
    void versionFourStoreWorksInOlderVersions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillet.db"));
        {
            Database db;
            QVERIFY(db.open(path) && db.runMigrations());
            QSqlQuery q(db.connection());
            QVERIFY(q.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', "
                                          "'x', 'x')")));
            for (const char *id : {"t1", "t2"}) {
                QVERIFY(q.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                              "created_at, updated_at) VALUES ('%1', 'a', '2024-01-01', 'x', 1, 'x', "
                                              "'x')")
                                   .arg(QLatin1String(id))));
                QVERIFY(q.exec(QStringLiteral("INSERT INTO import_ids VALUES ('i%1', 'a', 'F%1', '%1', 'x')")
                                   .arg(QLatin1String(id))));
            }
        }
        Database older;
        older.setMigrations(Database::defaultMigrations().mid(0, 3));
        QSignalSpy applied(&older, &Database::migrationApplied);
        QVERIFY(older.open(path) && older.runMigrations());
        QCOMPARE(applied.count(), 0);
        QSqlQuery q(older.connection());
        QVERIFY(q.exec(QStringLiteral("UPDATE transactions SET deleted_at = 'x' WHERE id = 't1'")));
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM import_ids")) && q.next());
        QCOMPARE(q.value(0).toInt(), 2);
        // An older "restore exactly" empties the tables it knows, children first.
        for (const char *table : {"reconciliations", "recurring_transactions", "split_lines", "transactions",
                                  "categories", "accounts"})
            QVERIFY2(q.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))), qPrintable(q.lastError().text()));
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM import_ids")) && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void versionTwoGetsOnlyTheThird()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillet.db"));
        {
            Database db;
            QList<Database::Migration> firstTwo = Database::defaultMigrations().mid(0, 2);
            db.setMigrations(firstTwo);
            QVERIFY(db.open(path) && db.runMigrations());
            QSqlQuery q(db.connection());
            QVERIFY(q.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', "
                                          "'x', 'x')")));
            QVERIFY(q.exec(QStringLiteral(
                "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
                "created_at, updated_at) VALUES ('r', 'a', 'Rent', -100, '2024-01-01', '2024-02-01', 'x', 'x')")));
        }
        Database db;
        QSignalSpy applied(&db, &Database::migrationApplied);
        QVERIFY(db.open(path) && db.runMigrations());
        QCOMPARE(applied.count(), 2);
        QCOMPARE(applied.first().at(0).toInt(), 3);
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(QStringLiteral("SELECT lead_days FROM recurring_transactions WHERE id = 'r'")) && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void oldReconciliationsTakeTheirCompletionTime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillet.db"));
        {
            Database db;
            db.setMigrations(Database::defaultMigrations().mid(0, 1));
            QVERIFY(db.open(path) && db.runMigrations());
            QSqlQuery q(db.connection());
            QVERIFY(q.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', "
                                          "'x', 'x')")));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO reconciliations VALUES ('r', 'a', '2024-01-31', 100, 100, "
                                          "'2024-02-01T10:00:00Z')")));
        }
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(QStringLiteral("SELECT created_at, updated_at, version, sync_status FROM reconciliations")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2024-02-01T10:00:00Z"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2024-02-01T10:00:00Z"));
        QCOMPARE(q.value(2).toInt(), 1);
        QCOMPARE(q.value(3).toString(), QStringLiteral("pending"));
    }

    void splitting_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");

        QTest::newRow("plain") << "CREATE TABLE a (x);\nCREATE TABLE b (y);\n"
                               << QStringList{"CREATE TABLE a (x)", "CREATE TABLE b (y)"};
        QTest::newRow("comment lines dropped, trailing comments kept")
            << "-- heading\n  -- indented\nCREATE TABLE a (x); -- tail\n"
            << QStringList{"CREATE TABLE a (x); -- tail"};
        QTest::newRow("multi-line statement") << "CREATE TABLE a (\n  x INTEGER\n);\n"
                                              << QStringList{"CREATE TABLE a (\n  x INTEGER\n)"};
        QTest::newRow("trigger with two inner statements stays whole")
            << "CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  INSERT INTO b VALUES "
               "(2);\nEND;\nSELECT 1;\n"
            << QStringList{"CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  INSERT INTO b "
                           "VALUES (2);\nEND",
                           "SELECT 1"};
        QTest::newRow("lone semicolons and a final statement without one")
            << ";\n\n;\nSELECT 1\n" << QStringList{"SELECT 1"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void splitting()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(Database::splitStatements(script), statements);
    }

    void failingStatementRollsBackItsMigration()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.sql"));
        const QString bad = dir.filePath(QStringLiteral("bad.sql"));
        {
            QFile f(good);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("CREATE TABLE one (x);\n");
        }
        const QString longStatement = QStringLiteral("INSERT INTO nowhere VALUES (%1)").arg(QString(300, QLatin1Char('9')));
        {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("CREATE TABLE two (x);\nINSERT INTO two VALUES (1);\n");
            f.write(longStatement.toUtf8() + ";\n");
        }
        Database db;
        db.setMigrations({{1, QStringLiteral("good"), good}, {2, QStringLiteral("bad"), bad}});
        QSignalSpy errors(&db, &Database::migrationError);
        QVERIFY(db.open(dir.filePath(QStringLiteral("x.db"))));
        LogCapture log;
        QVERIFY(!db.runMigrations());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(0).toInt(), 2);
        QCOMPARE(db.schemaVersion(), 1);
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE name IN ('one', 'two')")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("one"));
        QVERIFY(!q.next());
        // The log names the statement, cut at 200 characters.
        QVERIFY(log.contains(longStatement.left(200)));
        QVERIFY(!log.contains(longStatement.left(201)));
    }

    void missingScriptAndNewerStore()
    {
        QTemporaryDir dir;
        Database db;
        db.setMigrations({{1, QStringLiteral("gone"), QStringLiteral(":/no/such.sql")}});
        QSignalSpy errors(&db, &Database::migrationError);
        QVERIFY(db.open(dir.filePath(QStringLiteral("x.db"))));
        LogCapture log;
        QVERIFY(!db.runMigrations());
        QCOMPARE(errors.first().at(1).toString(), QStringLiteral("Cannot read migration file: :/no/such.sql"));

        // A store from a newer version runs nothing and opens normally.
        Database newer;
        QVERIFY(newer.open(dir.filePath(QStringLiteral("newer.db"))));
        QVERIFY(newer.runMigrations());
        QSqlQuery q(newer.connection());
        QVERIFY(q.exec(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (7, 'future')")));
        QSignalSpy applied(&newer, &Database::migrationApplied);
        QVERIFY(newer.runMigrations());
        QCOMPARE(applied.count(), 0);
    }

    void unopenableFileFails()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("quillet.db"));
        Database db;
        LogCapture log;
        QVERIFY(!db.open(dir.filePath(QStringLiteral("quillet.db"))) || !db.runMigrations());
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
