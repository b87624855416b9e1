// The sync engine against the real server on a loopback port: batches, push
// results, pull pages and their limits, the rules for applying pulled
// records, failures half-way, and Force Full Sync. Devices are stores with
// their own signed-in client; "another device" that needs to send what the
// app never would (broken dates, old versions) talks to the server directly.
#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "data/bulkwrite.h"
#include "data/dbtransaction.h"
#include "signin.h"
#include "support/core/logcapture.h"
#include "support/core/teststore.h"
#include "testserver.h"

#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <limits>
#include <memory>

using LarkAccount::Client;

namespace {

const QString kEmail = QStringLiteral("ann@example.org");

struct Device {
    TestStore store;
    std::unique_ptr<Client> client;
    std::unique_ptr<SyncEngine> engine;

    int pendingCount(const QString &table) const
    {
        return store.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(table)).toInt();
    }
    int count(const QString &table) const
    {
        return store.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
    }
    QString payee(const QString &id) const
    {
        const auto t = store.transactions->getById(id);
        return t ? t->payee : QStringLiteral("<none>");
    }
};

// Runs one cycle to its end; true when it completed.
bool sync(SyncEngine &engine, int timeoutMs = 30000)
{
    QSignalSpy done(&engine, &SyncEngine::syncCompleted);
    QSignalSpy failed(&engine, &SyncEngine::syncFailed);
    engine.syncNow();
    if (!QTest::qWaitFor([&] { return done.size() + failed.size() > 0; }, timeoutMs))
        return false;
    return done.size() == 1 && failed.isEmpty();
}

// Rows written together, quickly.
QList<Transaction> addTransactions(Device &d, const QString &accountId, int n)
{
    QList<Transaction> added;
    DbTransaction tx(d.store.connection());
    for (int i = 0; i < n; ++i)
        added.append(d.store.addTransaction(accountId, QDate(2024, 1, 1).addDays(i % 300),
                                            QStringLiteral("Payee %1").arg(i), -100 - i));
    tx.commit();
    return added;
}

QJsonObject change(const char *type, const QString &id, QJsonObject payload, int version = 1, bool deleted = false)
{
    payload.insert(QStringLiteral("client_id"), id);
    const QString stamp = QStringLiteral("2024-06-01T12:00:00Z");
    for (const char *key : {"created_at", "updated_at"}) {
        if (!payload.contains(QLatin1String(key)))
            payload.insert(QLatin1String(key), stamp);
    }
    if (deleted)
        payload.insert(QStringLiteral("deleted_at"), stamp);
    return {{QStringLiteral("entity_type"), QLatin1String(type)},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), deleted ? QStringLiteral("delete") : QStringLiteral("upsert")},
            {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

QJsonObject transactionPayload(const QString &accountId, const QString &date, const QString &payee, qint64 amount)
{
    return {{QStringLiteral("account_id"), accountId}, {QStringLiteral("date"), date},
            {QStringLiteral("payee"), payee}, {QStringLiteral("amount"), amount}};
}

QJsonObject with(QJsonObject object, const char *key, const QJsonValue &value)
{
    object.insert(QLatin1String(key), value);
    return object;
}

QStringList pushBatchSizes(const LogCapture &log)
{
    QStringList sizes;
    for (const QString &m : log.messages()) {
        if (m.startsWith(QLatin1String("Push batch:")) && m.contains(QLatin1String("remaining")))
            sizes.append(m.section(QLatin1Char(' '), 2, 2));
    }
    return sizes;
}


// What a device's search finds for each word, its balances and its payee
// list; then the same once the full-text index is rebuilt from the table, so
// that an index gone stale (a ghost of an old payee, a row left out) shows.
QStringList searchOutcome(const Device &d, const QStringList &words, const QStringList &accounts)
{
    QStringList outcome;
    const QString rebuild = QStringLiteral("INSERT INTO transactions_fts (transactions_fts) VALUES ('rebuild')");
    for (const bool rebuilt : {false, true}) {
        if (rebuilt && !d.store.exec(rebuild))
            return {QStringLiteral("the index cannot be rebuilt")};
        for (const QString &word : words) {
            TransactionSearch search;
            search.text = word;
            QStringList found;
            for (const RegisterEntry &e : d.store.transactions->search(search))
                found.append(e.transaction.id + QLatin1Char(' ') + e.transaction.payee + QLatin1Char(' ') +
                             e.transaction.memo);
            found.sort();
            outcome.append(word + QLatin1String(": ") + found.join(QLatin1String(", ")));
        }
        for (const QString &account : accounts)
            outcome.append(QString::number(d.store.transactions->balance(account)));
        outcome.append(d.store.transactions->payees().join(QLatin1Char('|')));
    }
    return outcome;
}

QJsonObject account(const QString &id, const QString &name)
{
    return change("account", id,
                  {{QStringLiteral("name"), name}, {QStringLiteral("account_type"), QStringLiteral("checking")}});
}

QJsonObject category(const QString &id)
{
    return change("category", id,
                  {{QStringLiteral("name"), QStringLiteral("Food")},
                   {QStringLiteral("category_type"), QStringLiteral("expense")}});
}

QString uuid(int kind, int n)
{
    return QStringLiteral("%1%2-0000-4000-8000-%3")
        .arg(kind, 2, 16, QLatin1Char('0'))
        .arg(QStringLiteral("000000"))
        .arg(n, 12, 10, QLatin1Char('0'));
}

} // namespace

class TestSyncEngine : public QObject
{
    Q_OBJECT

    TestServer m_server;
    QString m_token;  // the same user, for the device that talks to the server directly

    std::unique_ptr<Device> device(const QString &email = kEmail)
    {
        auto d = std::make_unique<Device>();
        const LarkAccount::Config config = LarkAccount::Config::fromEnvironment();
        d->client = std::make_unique<Client>(config, d->store.directory());
        d->client->api()->setBaseUrl(config.syncApiUrl);
        QUrl opened;
        d->client->signIn()->setBrowserOpener([&opened](const QUrl &url) {
            opened = url;
            return true;
        });
        d->client->signIn()->signIn();
        if (SignIn::playBrowser(m_server.client(), opened, email).status != 200 || !d->client->isAuthenticated())
            return nullptr;
        d->engine = std::make_unique<SyncEngine>(d->client->api(), d->store);
        return d;
    }

    QJsonArray rawPush(const QJsonArray &changes)
    {
        if (m_token.isEmpty())
            m_token = SignIn::signUp(m_server.client(), kEmail).access;
        return m_server.client()
            .postJson(QStringLiteral("/quillet/v1/sync/push"), {{QStringLiteral("changes"), changes}}, m_token)
            .json()
            .value(QStringLiteral("results"))
            .toArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("QUILLET_TOKEN_STORE", "file");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }

    void init()
    {
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
        m_token.clear();
    }

    void cleanup() { BulkWrite::setMinRows(BulkWrite::kMinRows); }

    void pushesInBatchesOf500AndTheOtherDeviceGetsEverything()
    {
        auto a = device();
        QVERIFY(a);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        addTransactions(*a, account.id, 1199);
        LogCapture log(true);
        QVERIFY(sync(*a->engine));
        QCOMPARE(pushBatchSizes(log), QStringList({"500", "500", "200"}));
        QVERIFY(log.contains(QStringLiteral("Pushing 1200 changes (in batches of 500 )")));
        QCOMPARE(a->engine->lastCycle().pushed, 1200);
        QCOMPARE(a->pendingCount(QStringLiteral("transactions")) + a->pendingCount(QStringLiteral("accounts")), 0);
        QCOMPARE(a->store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE server_id IS NULL")).toInt(), 0);
        QCOMPARE(a->engine->state(), SyncEngine::Idle);
        QVERIFY(!a->store.preferences->get(QStringLiteral("lastSyncTimestamp"), QString()).isEmpty());

        // With nothing pending the cycle goes straight to the pull.
        auto b = device();
        QVERIFY(b);
        LogCapture quiet(true);
        QVERIFY(sync(*b->engine));
        QVERIFY(pushBatchSizes(quiet).isEmpty());
        QCOMPARE(b->engine->lastCycle().pulled, 1200);
        QCOMPARE(b->count(QStringLiteral("transactions")), 1199);
        QCOMPARE(b->pendingCount(QStringLiteral("transactions")), 0);
        QCOMPARE(b->store.accounts->findById(account.id)->name, QStringLiteral("Checking"));
    }

    void aRefusedChangeStaysPendingAndTheRestIsSynced()
    {
        auto a = device();
        QVERIFY(a);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        const QList<Transaction> rows = addTransactions(*a, account.id, 2);
        QVERIFY(sync(*a->engine));

        // Another device moved the first row to version 2, with a date this
        // app skips, so the pull does not overwrite the local edit either.
        rawPush({change("transaction", rows[0].id, transactionPayload(account.id, QStringLiteral("1999-12-31"),
                                                                      QStringLiteral("Theirs"), -5),
                        2)});
        for (Transaction t : rows) {
            t.payee = QStringLiteral("Mine");
            t.syncStatus = SyncStatus::Pending;
            QVERIFY(a->store.transactions->update(t));
        }
        LogCapture log;
        QVERIFY(sync(*a->engine));
        QCOMPARE(a->engine->lastCycle().pushed, 1);
        QCOMPARE(a->engine->lastCycle().rejected, 1);
        QVERIFY(log.contains(QStringLiteral("Push result not ok \u2014 leaving record pending: transaction %1 status= "
                                            "conflict message= version 1 is older than the stored version 2")
                                 .arg(rows[0].id)));
        QVERIFY(log.contains(QStringLiteral("Push batch: 1 ok, 1 errors \u2014 failed records remain pending")));
        QVERIFY(log.contains(QStringLiteral("applyTransactionChange: skipping server record with broken date: %1")
                                 .arg(rows[0].id)));
        QCOMPARE(a->store.transactions->getById(rows[0].id)->syncStatus, SyncStatus::Pending);
        QCOMPARE(a->payee(rows[0].id), QStringLiteral("Mine"));
        QCOMPARE(a->store.transactions->getById(rows[1].id)->syncStatus, SyncStatus::Synced);
    }

    void pulledRecordsFollowTheRules()
    {
        auto b = device();
        QVERIFY(b);
        const QString acc = QStringLiteral("0a000000-0000-4000-8000-000000000001");
        const QString split = QStringLiteral("0a000000-0000-4000-8000-000000000002");
        const QString moved = QStringLiteral("0a000000-0000-4000-8000-000000000003");
        const QString schedule = QStringLiteral("0a000000-0000-4000-8000-000000000004");
        const QString cat = QStringLiteral("0a000000-0000-4000-8000-000000000005");
        QJsonObject splitPayload = transactionPayload(acc, QStringLiteral("2024-02-01"), QStringLiteral("Split"), -300);
        splitPayload.insert(QStringLiteral("is_split"), 1);
        splitPayload.insert(QStringLiteral("split_lines"),
                            QJsonArray{QJsonObject{{"category_id", cat}, {"amount", -100}, {"memo", "a"}},
                                       QJsonObject{{"category_id", cat}, {"amount", -200}, {"memo", "b"}}});
        const QJsonObject schedulePayload{{"account_id", acc},          {"payee", "Rent"},
                                          {"amount", -1000},            {"frequency", "monthly"},
                                          {"start_date", "2024-01-01"}, {"next_due_date", "2024-07-01"},
                                          {"lead_days", 5},             {"is_active", 1}};
        rawPush({change("account", acc, {{"name", "Joint"}, {"account_type", "savings"}, {"currency", "EUR"}}),
                 change("category", cat, {{"name", "Food"}, {"category_type", "expense"}}),
                 change("transaction", split, splitPayload),
                 change("transaction", moved, transactionPayload(acc, QStringLiteral("2024-02-02"), "Moved", -1)),
                 change("recurring", schedule, schedulePayload)});
        QVERIFY(sync(*b->engine));
        QCOMPARE(b->store.accounts->findById(acc)->currency, Currency::EUR);
        QList<SplitLine> lines = b->store.splitLines->linesOf(split);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].amount + lines[1].amount, -300);
        QCOMPARE(b->store.recurring->findById(schedule)->leadDays, 5);

        // This device knows one row under another id; a newer local version
        // of the split outranks an older one from the service.
        const QString serverIdOfMoved = b->store.transactions->getById(moved)->serverId;
        const QString localId = QStringLiteral("0b000000-0000-4000-8000-000000000003");
        QVERIFY(b->store.exec(QStringLiteral("UPDATE transactions SET id = '%1' WHERE id = '%2'").arg(localId, moved)));
        QVERIFY(b->store.exec(QStringLiteral("UPDATE transactions SET version = 5 WHERE id = '%1'").arg(split)));

        QJsonObject olderSplit = splitPayload;
        olderSplit.insert(QStringLiteral("payee"), QStringLiteral("Older"));
        olderSplit.insert(QStringLiteral("split_lines"),
                          QJsonArray{QJsonObject{{"category_id", cat}, {"amount", -300}, {"memo", "one"}}});
        QJsonObject scheduleWithoutLead = schedulePayload;
        scheduleWithoutLead.remove(QStringLiteral("lead_days"));
        scheduleWithoutLead.insert(QStringLiteral("payee"), QStringLiteral("Rent and more"));
        struct Skipped {
            QString id;
            QJsonObject change;
            QString warning;
        };
        const QString id1 = QStringLiteral("0c000000-0000-4000-8000-00000000000");
        const QList<Skipped> skipped = {
            {id1 + "1", change("transaction", id1 + "1", transactionPayload(acc, "1999-12-31", "Old", -1)),
             "applyTransactionChange: skipping server record with broken date:"},
            {id1 + "2", change("transaction", id1 + "2", transactionPayload(acc, "next week", "Vague", -1)),
             "applyTransactionChange: skipping server record with broken date:"},
            {id1 + "3", change("transaction", id1 + "3", transactionPayload(acc, "2024-03-01", "Gone", -1), 1, true), {}},
            {id1 + "4", change("recurring", id1 + "4", with(schedulePayload, "next_due_date", "1998-01-01")), {}},
            {id1 + "5", change("reconciliation", id1 + "5", {{"account_id", acc}, {"statement_date", ""}}),
             "applyReconciliation: skipping server record with broken statementDate:"},
        };
        QJsonArray changes{change("transaction", split, olderSplit, 2),
                           change("transaction", moved,
                                  transactionPayload(acc, QStringLiteral("2024-03-05T10:00:00Z"), "Renamed", -1)),
                           change("recurring", schedule, scheduleWithoutLead)};
        for (const Skipped &s : skipped)
            changes.append(s.change);
        rawPush(changes);

        LogCapture log;
        QVERIFY(sync(*b->engine));
        for (const Skipped &s : skipped) {
            QVERIFY2(!b->store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id = '%1'").arg(s.id)).toBool()
                         && !b->store.scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE id = '%1'").arg(s.id)).toBool()
                         && !b->store.scalar(QStringLiteral("SELECT COUNT(*) FROM reconciliations WHERE id = '%1'").arg(s.id)).toBool(),
                     qPrintable(s.id));
            if (!s.warning.isEmpty())
                QVERIFY2(log.contains(s.warning + QLatin1Char(' ') + s.id), qPrintable(s.warning));
        }
        QVERIFY(log.contains(QStringLiteral("applyRecurring: skipping server record with broken nextDueDate: %1").arg(id1 + "4")));
        // Found by its server id, updated in place, its date taken from a date-time.
        QCOMPARE(b->store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE server_id = '%1'").arg(serverIdOfMoved)).toInt(), 1);
        QCOMPARE(b->payee(localId), QStringLiteral("Renamed"));
        QCOMPARE(b->store.transactions->getById(localId)->date, QDate(2024, 3, 5));
        // The older version changed nothing, its lines included.
        QCOMPARE(b->payee(split), QStringLiteral("Split"));
        QCOMPARE(b->store.splitLines->linesOf(split).size(), 2);
        // A schedule without lead_days keeps the local value.
        QCOMPARE(b->store.recurring->findById(schedule)->payee, QStringLiteral("Rent and more"));
        QCOMPARE(b->store.recurring->findById(schedule)->leadDays, 5);
        QCOMPARE(b->engine->state(), SyncEngine::Idle);
    }

    void anEditMadeDuringThePushStaysPending()
    {
        auto a = device();
        auto b = device();
        QVERIFY(a && b);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        Transaction t = addTransactions(*a, account.id, 1).first();
        QSignalSpy done(a->engine.get(), &SyncEngine::syncCompleted);
        a->engine->syncNow();
        // The push is on its way; the user edits the row meanwhile.
        t.payee = QStringLiteral("Edited in flight");
        QVERIFY(a->store.transactions->update(t));
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(a->store.transactions->getById(t.id)->syncStatus, SyncStatus::Pending);
        QCOMPARE(a->payee(t.id), QStringLiteral("Edited in flight"));
        QCOMPARE(a->store.accounts->findById(account.id)->syncStatus, SyncStatus::Synced);

        QVERIFY(sync(*b->engine));
        QCOMPARE(b->payee(t.id), QStringLiteral("Payee 0"));
        QVERIFY(sync(*a->engine));
        QVERIFY(sync(*b->engine));
        QCOMPARE(b->payee(t.id), QStringLiteral("Edited in flight"));
        QCOMPARE(a->store.transactions->getById(t.id)->syncStatus, SyncStatus::Synced);
    }

    void theServerStoppingMidCycleLeavesUnsentRowsPending()
    {
        auto a = device();
        QVERIFY(a);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        addTransactions(*a, account.id, 599);
        // Down once the first batch is answered.
        QMetaObject::Connection once = connect(a->client->network(), &QNetworkAccessManager::finished, this,
                                               [this, &once](QNetworkReply *reply) {
                                                   if (reply->url().path().endsWith(QLatin1String("/sync/push"))) {
                                                       disconnect(once);
                                                       m_server.stop();
                                                   }
                                               });
        QSignalSpy failed(a->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!sync(*a->engine));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Push failed (HTTP 0)"));
        QCOMPARE(a->engine->state(), SyncEngine::Error);
        QCOMPARE(a->engine->lastError(), QStringLiteral("Push failed (HTTP 0)"));
        QCOMPARE(a->pendingCount(QStringLiteral("transactions")) + a->pendingCount(QStringLiteral("accounts")), 100);
        QVERIFY(a->store.preferences->get(QStringLiteral("syncCursor"), QString()).isEmpty());

        QString why;
        QVERIFY2(m_server.resume(&why), qPrintable(why));
        QVERIFY(sync(*a->engine));
        QCOMPARE(a->pendingCount(QStringLiteral("transactions")) + a->pendingCount(QStringLiteral("accounts")), 0);
        auto b = device();
        QVERIFY(b);
        QVERIFY(sync(*b->engine));
        QCOMPARE(b->count(QStringLiteral("transactions")), 599);
    }

    void aPageThatCannotBeWrittenLeavesNothingBehind()
    {
        auto a = device();
        auto b = device();
        QVERIFY(a && b);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        addTransactions(*a, account.id, 3);
        a->store.addTransaction(account.id, QDate(2024, 5, 1), QStringLiteral("boom"), -1);
        QVERIFY(sync(*a->engine));

        // The third row's write ends the whole database transaction, as a
        // crash or a full disk would.
        QVERIFY(b->store.exec(QStringLiteral("CREATE TRIGGER boom BEFORE INSERT ON transactions WHEN new.payee = 'boom' "
                                             "BEGIN SELECT RAISE(ROLLBACK, 'boom'); END")));
        QVERIFY(!sync(*b->engine));
        QCOMPARE(b->engine->state(), SyncEngine::Error);
        QCOMPARE(b->count(QStringLiteral("accounts")), 0);
        QCOMPARE(b->count(QStringLiteral("transactions")), 0);
        QVERIFY(!b->store.preferences->get(QStringLiteral("syncCursor")));

        QVERIFY(b->store.exec(QStringLiteral("DROP TRIGGER boom")));
        QVERIFY(sync(*b->engine));
        QCOMPARE(b->count(QStringLiteral("transactions")), 4);
        QCOMPARE(b->count(QStringLiteral("accounts")), 1);
    }

    // Pulled pages written in bulk leave search, balances and payee lists as
    // the same pages written row by row: new rows, and rows this device held
    // renamed, moved to another account and deleted.
    void aBulkPullSearchesAsRowByRow()
    {
        const QString checking = uuid(0x1a, 1);
        const QString savings = uuid(0x1a, 2);
        const QString food = uuid(0x1a, 3);
        const auto line = [&food](qint64 amount, const QString &memo) {
            return QJsonObject{{QStringLiteral("category_id"), food},
                               {QStringLiteral("amount"), amount},
                               {QStringLiteral("memo"), memo}};
        };
        const auto payload = [&](int i, const QString &payee) {
            const QString date = QStringLiteral("2024-01-%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
            QJsonObject p = transactionPayload(i % 3 ? checking : savings, date, payee, -100 * i - 7);
            p.insert(QStringLiteral("memo"), QStringLiteral("week %1").arg(i % 5));
            if (i % 11 == 0)
                p.insert(QStringLiteral("check_number"), QString::number(4000 + i));
            if (i % 13 == 0) {
                p.insert(QStringLiteral("is_split"), 1);
                p.insert(QStringLiteral("split_lines"),
                         QJsonArray{line(-7, QStringLiteral("lunch")), line(-100 * i, QStringLiteral("dinner"))});
            }
            return p;
        };
        QJsonArray changes{account(checking, QStringLiteral("Checking")), account(savings, QStringLiteral("Savings")),
                           category(food)};
        for (int i = 0; i < 150; ++i)
            changes.append(change("transaction", uuid(0x1b, i), payload(i, QStringLiteral("Grocer %1").arg(i % 7))));
        QCOMPARE(rawPush(changes).size(), changes.size());

        std::unique_ptr<Device> devices[2] = {device(), device()};
        for (const bool bulk : {false, true}) {
            QVERIFY(devices[bulk]);
            BulkWrite::setMinRows(bulk ? 1 : std::numeric_limits<qsizetype>::max());
            QVERIFY(sync(*devices[bulk]->engine));
            // The caches are in use when the next pull arrives.
            devices[bulk]->store.transactions->balance(checking);
            devices[bulk]->store.transactions->payees();
        }

        changes = {};
        for (int i = 0; i < 150; i += 4) {
            QJsonObject p = payload(i, QStringLiteral("Baker %1").arg(i % 3));
            if (i % 8 == 0)
                p.insert(QStringLiteral("account_id"), i % 3 ? savings : checking);
            p.insert(QStringLiteral("memo"), QStringLiteral("renamed"));
            changes.append(change("transaction", uuid(0x1b, i), p, 2, i % 12 == 0));
        }
        for (int i = 150; i < 190; ++i)
            changes.append(change("transaction", uuid(0x1b, i), payload(i, QStringLiteral("Grocer %1").arg(i % 7))));
        QCOMPARE(rawPush(changes).size(), changes.size());

        const QStringList words{QStringLiteral("grocer"), QStringLiteral("baker"), QStringLiteral("renamed"),
                                QStringLiteral("week"),   QStringLiteral("4033"),  QStringLiteral("4154")};
        QStringList outcome[2];
        for (const bool bulk : {false, true}) {
            BulkWrite::setMinRows(bulk ? 1 : std::numeric_limits<qsizetype>::max());
            QVERIFY(sync(*devices[bulk]->engine));
            outcome[bulk] = searchOutcome(*devices[bulk], words, {checking, savings});
            QCOMPARE(outcome[bulk].mid(outcome[bulk].size() / 2), outcome[bulk].mid(0, outcome[bulk].size() / 2));
        }
        QCOMPARE(devices[1]->count(QStringLiteral("transactions")), 190);
        QCOMPARE(outcome[1], outcome[0]);
        QCOMPARE(devices[1]->store.triggersOn(QStringLiteral("transactions")), devices[0]->store.triggersOn(QStringLiteral("transactions")));
    }

    // A write that fails half-way through pages written in bulk takes all of
    // them back, the suspended triggers with them; the next cycle writes
    // them whole.
    void aFailedBulkPullLeavesTheStoreAsItWas()
    {
        const QString checking = uuid(0x2a, 1);
        const QString food = uuid(0x2a, 2);
        QCOMPARE(rawPush({account(checking, QStringLiteral("Checking")), category(food)}).size(), 2);
        auto b = device();
        QVERIFY(b);
        QVERIFY(sync(*b->engine));
        const QString cursor = b->store.preferences->get(QStringLiteral("syncCursor"), QString());
        QVERIFY(!cursor.isEmpty());

        QJsonArray changes;
        for (int i = 0; i < 150; ++i) {
            QJsonObject p = transactionPayload(checking, QStringLiteral("2024-02-01"),
                                               QStringLiteral("Vendor %1").arg(i), -1 - i);
            if (i == 75) {
                const QJsonObject line{{QStringLiteral("category_id"), food},
                                       {QStringLiteral("amount"), -76},
                                       {QStringLiteral("memo"), QStringLiteral("boom")}};
                p.insert(QStringLiteral("is_split"), 1);
                p.insert(QStringLiteral("split_lines"), QJsonArray{line});
            }
            changes.append(change("transaction", uuid(0x2b, i), p));
        }
        QCOMPARE(rawPush(changes).size(), changes.size());
        BulkWrite::setMinRows(1);
        const QStringList triggers = b->store.triggersOn(QStringLiteral("transactions"));
        QCOMPARE(triggers.size(), 9);
        // Not a trigger on transactions: the page is still written in bulk.
        QVERIFY(b->store.exec(QStringLiteral("CREATE TRIGGER boom BEFORE INSERT ON split_lines WHEN new.memo = 'boom' "
                                             "BEGIN SELECT RAISE(ROLLBACK, 'boom'); END")));
        QVERIFY(!sync(*b->engine));
        QCOMPARE(b->count(QStringLiteral("transactions")), 0);
        QCOMPARE(b->count(QStringLiteral("transactions_fts_docsize")), 0);
        QCOMPARE(b->store.preferences->get(QStringLiteral("syncCursor"), QString()), cursor);
        QCOMPARE(b->store.triggersOn(QStringLiteral("transactions")), triggers);

        QVERIFY(b->store.exec(QStringLiteral("DROP TRIGGER boom")));
        QVERIFY(sync(*b->engine));
        QCOMPARE(b->count(QStringLiteral("transactions")), 150);
        QCOMPARE(b->count(QStringLiteral("transactions_fts_docsize")), 150);
        QCOMPARE(b->store.triggersOn(QStringLiteral("transactions")), triggers);
        QCOMPARE(searchOutcome(*b, {QStringLiteral("vendor")}, {checking}).first().count(QLatin1Char(',')), 149);
    }

    // A category changed after its subcategories is sent after them; a new
    // device still gets the whole tree, and every row filed under it. A
    // split row whose line names a category that never comes is not
    // written at all, rather than without its lines.
    void aRecordBeforeOneItRefersToStillArrives_data()
    {
        QTest::addColumn<QStringList>("pushes");  // category "name<parent" or "name<parent:version", in push order
        QTest::addColumn<QString>("filedUnder");
        QTest::addColumn<int>("transactions");
        QTest::newRow("parent changed after its child") << QStringList{"P<", "C<P", "P<:2"} << "C" << 2;
        QTest::newRow("grandparent and parent changed after the child")
            << QStringList{"G<", "P<G", "C<P", "P<G:2", "G<:2"} << "C" << 2;
        QTest::newRow("line in a category that never comes") << QStringList{"P<"} << "X" << 1;
    }

    void aRecordBeforeOneItRefersToStillArrives()
    {
        QFETCH(QStringList, pushes);
        QFETCH(QString, filedUnder);
        QFETCH(int, transactions);
        const auto id = [](const QString &name) { return name.isEmpty() ? QString() : uuid(0x3c, name.at(0).unicode()); };
        const QString checking = uuid(0x3a, 1);
        QJsonArray changes{account(checking, QStringLiteral("Checking"))};
        QHash<QString, QString> parentOf;
        for (const QString &push : pushes) {
            const QString name = push.section(QLatin1Char('<'), 0, 0);
            const QString parent = push.section(QLatin1Char('<'), 1).section(QLatin1Char(':'), 0, 0);
            const int version = push.contains(QLatin1Char(':')) ? push.section(QLatin1Char(':'), 1).toInt() : 1;
            changes.append(change("category", id(name),
                                  {{QStringLiteral("name"), name},
                                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                                   {QStringLiteral("parent_id"), id(parent)}},
                                  version));
            parentOf.insert(name, parent);
        }
        QJsonObject plain = transactionPayload(checking, QStringLiteral("2024-03-01"), QStringLiteral("Plain"), -100);
        plain.insert(QStringLiteral("category_id"), filedUnder == QLatin1String("X") ? id(QStringLiteral("P")) : id(filedUnder));
        QJsonObject split = transactionPayload(checking, QStringLiteral("2024-03-02"), QStringLiteral("Split"), -300);
        split.insert(QStringLiteral("is_split"), 1);
        split.insert(QStringLiteral("split_lines"),
                     QJsonArray{QJsonObject{{"category_id", id(filedUnder)}, {"amount", -300}, {"memo", "line"}}});
        changes.append(change("transaction", uuid(0x3b, 1), plain));
        changes.append(change("transaction", uuid(0x3b, 2), split));
        for (const QJsonValue &result : rawPush(changes))
            QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));

        auto b = device();
        QVERIFY(b);
        QVERIFY(sync(*b->engine));
        for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
            const std::optional<Category> c = b->store.categories->findById(id(it.key()));
            QVERIFY2(c, qPrintable(it.key()));
            QCOMPARE(c->parentId, id(it.value()));
        }
        QCOMPARE(b->count(QStringLiteral("transactions")), transactions);
        const bool splitArrived = transactions == 2;
        QCOMPARE(b->store.transactions->getById(uuid(0x3b, 2)).has_value(), splitArrived);
        QCOMPARE(b->count(QStringLiteral("split_lines")), splitArrived ? 1 : 0);
    }

    // Something other than the sync service answering 200 (a proxy's or a
    // captive portal's page) is a failed sync, never "Synced".
    void aPageThatIsNoSyncReplyFailsTheCycle_data()
    {
        QTest::addColumn<bool>("pending");
        QTest::newRow("the pull") << false;
        QTest::newRow("the push") << true;
    }

    void aPageThatIsNoSyncReplyFailsTheCycle()
    {
        QFETCH(bool, pending);
        auto d = device();
        QVERIFY(d);
        if (pending)
            d->store.addAccount(QStringLiteral("Checking"));
        QTcpServer portal;
        QVERIFY(portal.listen(QHostAddress::LocalHost, 0));
        connect(&portal, &QTcpServer::newConnection, this, [&portal] {
            QTcpSocket *socket = portal.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray page = "<html><body>Sign in to the hotel network</body></html>";
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                              + QByteArray::number(page.size()) + "\r\n\r\n" + page);
            });
        });
        d->client->api()->setBaseUrl(QStringLiteral("http://127.0.0.1:%1").arg(portal.serverPort()));
        QVERIFY(!sync(*d->engine));
        QCOMPARE(d->engine->state(), SyncEngine::Error);
        QVERIFY(d->store.preferences->get(QStringLiteral("lastSyncTimestamp"), QString()).isEmpty());
        QCOMPARE(d->pendingCount(QStringLiteral("accounts")), pending ? 1 : 0);
    }

    void requestsDuringACycleGiveOneMoreAndTheDebounceOne()
    {
        auto a = device();
        QVERIFY(a);
        QSignalSpy done(a->engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy states(a->engine.get(), &SyncEngine::stateChanged);
        a->engine->syncNow();
        a->engine->syncNow();
        a->engine->syncNow();
        QTRY_COMPARE(done.size(), 2);
        QTest::qWait(200);
        QCOMPARE(done.size(), 2);
        // Idle -> Syncing -> Idle, twice; nothing repeated.
        QCOMPARE(states.size(), 4);

        done.clear();
        for (int i = 0; i < 3; ++i) {
            a->engine->scheduleSync();
            QTest::qWait(300);
        }
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 5000);
        QTest::qWait(SyncEngine::kDebounceMs + 300);
        QCOMPARE(done.size(), 1);

        // Not allowed: Idle at once, nothing asked of the server.
        a->engine->setMaySync([] { return false; });
        a->engine->syncNow();
        QCOMPARE(a->engine->state(), SyncEngine::Idle);
        QTest::qWait(200);
        QCOMPARE(done.size(), 1);
    }

    void theCycleStopsAfterFiftyPagesAndTheNextGoesOn()
    {
        QJsonArray changes;
        for (int i = 0; i < 10001; ++i) {
            const QString id = QStringLiteral("0d000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
            changes.append(change("category", id, {{"name", QStringLiteral("C%1").arg(i)}, {"category_type", "expense"}}));
            if (changes.size() == 500 || i == 10000) {
                QCOMPARE(rawPush(changes).size(), changes.size());
                changes = {};
            }
        }
        auto b = device();
        QVERIFY(b);
        // The first cycle ends after 50 pages; the next follows by itself and
        // goes on from the stored cursor.
        QSignalSpy done(b->engine.get(), &SyncEngine::syncCompleted);
        QList<int> pulled;
        connect(b->engine.get(), &SyncEngine::syncCompleted, this, [&] {
            pulled.append(b->engine->lastCycle().pulled);
            if (pulled.size() == 1)
                QCOMPARE(b->count(QStringLiteral("categories")), 10000);
        });
        b->engine->syncNow();
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 120000);
        QCOMPARE(pulled, QList<int>({SyncEngine::kMaxPullPages * SyncEngine::kPullLimit, 1}));
        QVERIFY(b->engine->lastCycle().caughtUp);
        QCOMPARE(b->count(QStringLiteral("categories")), 10001);
    }

    void forceFullSyncSendsAndFetchesEverythingAgain()
    {
        auto a = device();
        QVERIFY(a);
        const Account account = a->store.addAccount(QStringLiteral("Checking"));
        const QList<Transaction> rows = addTransactions(*a, account.id, 2);
        QVERIFY(sync(*a->engine));
        // Lost behind the engine's back; the cursor says it was seen.
        QVERIFY(a->store.exec(QStringLiteral("DELETE FROM transactions WHERE id = '%1'").arg(rows[0].id)));
        QVERIFY(sync(*a->engine));
        QCOMPARE(a->count(QStringLiteral("transactions")), 1);

        a->engine->forceFullSync();
        QTRY_COMPARE(a->engine->state(), SyncEngine::Idle);
        QCOMPARE(a->engine->lastCycle().pushed, 2);
        QCOMPARE(a->engine->lastCycle().pulled, 3);
        QCOMPARE(a->payee(rows[0].id), QStringLiteral("Payee 0"));
        QCOMPARE(a->pendingCount(QStringLiteral("transactions")), 0);
    }
};

QTEST_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
