// Push and pull over real HTTP: every kind of record, versions, tombstones,
// paging, isolation between users, and refusal of malformed input, on
// SQLite and PostgreSQL.
#include "signin.h"
#include "storetest.h"
#include "syncwire.h"

#include "server/backend.h"
#include "server/synccursor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QTcpSocket>
#include <QUuid>

namespace {

using SyncWire::accountChange;
using SyncWire::body;
using SyncWire::change;
using SyncWire::uuid;

const QString kAccount = QStringLiteral("6f1c2a4e-8d0b-4a57-9c3e-1b2d3e4f5a60");

QJsonObject transactionChange(const QString &id, qint64 version, qint64 amount, const QString &account = kAccount)
{
    return SyncWire::transactionChange(id, version, amount, account);
}

QStringList ids(const QJsonArray &records, const QString &key = QStringLiteral("client_id"))
{
    QStringList out;
    for (const QJsonValue &r : records)
        out.append(r.toObject().value(key).toString());
    return out;
}

} // namespace

class TstServerSync : public StoreTest
{
    Q_OBJECT

private:
    QString m_token;
    HttpClient &client() { return m_server.client(); }

    HttpReply push(const QJsonArray &changes, const QString &token = {})
    {
        return client().postJson(QStringLiteral("/quillet/v1/sync/push"), body(changes), token.isEmpty() ? m_token : token);
    }
    QJsonArray pushResults(const QJsonArray &changes, const QString &token = {})
    {
        const HttpReply reply = push(changes, token);
        if (reply.status != 200)
            qWarning("push answered %d: %s", reply.status, reply.body.constData());
        return reply.json().value(QStringLiteral("results")).toArray();
    }
    HttpReply pullReply(const QString &cursor, int limit = 200, const QString &token = {})
    {
        return client().get(QStringLiteral("/quillet/v1/sync/pull?limit=%1&cursor=%2")
                                .arg(QString::number(limit), QString::fromLatin1(QUrl::toPercentEncoding(cursor))),
                            token.isEmpty() ? m_token : token);
    }
    QJsonObject pull(const QString &cursor = {}, int limit = 200, const QString &token = {})
    {
        return pullReply(cursor, limit, token).json();
    }
    // Every page after the cursor, merged; the last page's cursor and integrity kept.
    QJsonObject pullAll(const QString &cursor = {}, const QString &token = {})
    {
        QString at = cursor;
        return SyncWire::pullAll(client(), token.isEmpty() ? m_token : token, &at);
    }

private slots:
    void initTestCase() { SKIP_WITHOUT_STORE(); }
    void init()
    {
        START_SERVER();
        m_token = SignIn::signUp(client(), QStringLiteral("owner@example.org")).access;
        QVERIFY(!m_token.isEmpty());
    }

    void everyKindRoundTrips()
    {
        const QString category = uuid(), recurring = uuid(), txn = uuid(), reconciliation = uuid();
        QJsonObject split = transactionChange(txn, 1, -4500);
        QJsonObject splitPayload = split.value(QStringLiteral("payload")).toObject();
        splitPayload.insert(QStringLiteral("is_split"), true);
        const QJsonArray lines = {QJsonObject{{QStringLiteral("category_id"), category}, {QStringLiteral("amount"), -3000}, {QStringLiteral("memo"), QStringLiteral("food")}},
                                  QJsonObject{{QStringLiteral("category_id"), QString()}, {QStringLiteral("amount"), -1500}, {QStringLiteral("memo"), QString()}}};
        splitPayload.insert(QStringLiteral("split_lines"), lines);
        split.insert(QStringLiteral("payload"), splitPayload);
        const QJsonArray changes = {
            accountChange(kAccount, 1, QStringLiteral("Checking")),
            change(QStringLiteral("category"), category, 1,
                   {{QStringLiteral("name"), QStringLiteral("Food")}, {QStringLiteral("category_type"), QStringLiteral("expense")},
                    {QStringLiteral("parent_id"), QJsonValue::Null}, {QStringLiteral("is_default"), 1}}),
            change(QStringLiteral("recurring"), recurring, 3,
                   {{QStringLiteral("account_id"), kAccount}, {QStringLiteral("payee"), QStringLiteral("Rent")},
                    {QStringLiteral("amount"), -120000}, {QStringLiteral("frequency"), QStringLiteral("monthly")},
                    {QStringLiteral("next_due_date"), QStringLiteral("2024-04-01")}, {QStringLiteral("lead_days"), 3}}),
            split,
            change(QStringLiteral("reconciliation"), reconciliation, 1,
                   {{QStringLiteral("account_id"), kAccount}, {QStringLiteral("statement_date"), QStringLiteral("2024-03-31")},
                    {QStringLiteral("statement_balance"), 145500}, {QStringLiteral("reconciled_balance"), 145500}})};
        const QJsonArray results = pushResults(changes);
        QCOMPARE(results.size(), changes.size());
        for (int i = 0; i < results.size(); ++i) {
            const QJsonObject r = results.at(i).toObject();
            QCOMPARE(r.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
            QCOMPARE(r.value(QStringLiteral("entity_id")), changes.at(i).toObject().value(QStringLiteral("entity_id")));
            QCOMPARE(r.value(QStringLiteral("entity_type")), changes.at(i).toObject().value(QStringLiteral("entity_type")));
            QVERIFY(!QUuid::fromString(r.value(QStringLiteral("server_id")).toString()).isNull());
        }

        const QJsonObject reply = pull();
        QCOMPARE(reply.value(QStringLiteral("has_more")).toBool(), false);
        QVERIFY(!reply.value(QStringLiteral("cursor")).toString().isEmpty());
        const char *arrays[] = {"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"};
        for (int i = 0; i < 5; ++i) {
            const QJsonArray records = reply.value(QLatin1String(arrays[i])).toArray();
            QCOMPARE(records.size(), 1);
            const QJsonObject record = records.at(0).toObject();
            const QJsonObject sent = changes.at(i).toObject();
            QCOMPARE(record.value(QStringLiteral("id")), results.at(i).toObject().value(QStringLiteral("server_id")));
            QCOMPARE(record.value(QStringLiteral("version")), sent.value(QStringLiteral("version")));
            const QJsonObject payload = sent.value(QStringLiteral("payload")).toObject();
            for (auto it = payload.begin(); it != payload.end(); ++it)
                QCOMPARE(record.value(it.key()), it.value());
            QVERIFY(!record.contains(QStringLiteral("deleted_at")));
        }
        const QJsonObject integrity = reply.value(QStringLiteral("integrity")).toObject();
        QCOMPARE(integrity.value(QStringLiteral("category_count")).toInt(), 1);
        QCOMPARE(integrity.value(QStringLiteral("accounts")).toObject().value(kAccount).toObject().value(QStringLiteral("count")).toInt(), 1);
    }

    void olderVersionsConflictAndChangeNothing()
    {
        QCOMPARE(pushResults({accountChange(kAccount, 5, QStringLiteral("Five"))}).at(0).toObject().value(QStringLiteral("status")).toString(),
                 QStringLiteral("ok"));
        const QString cursor = pull().value(QStringLiteral("cursor")).toString();
        const QJsonObject conflict = pushResults({accountChange(kAccount, 4, QStringLiteral("Four"))}).at(0).toObject();
        QCOMPARE(conflict.value(QStringLiteral("status")).toString(), QStringLiteral("conflict"));
        const QString message = conflict.value(QStringLiteral("message")).toString();
        QVERIFY2(message.contains(QLatin1String("4")) && message.contains(QLatin1String("5")), qPrintable(message));
        QCOMPARE(pull(cursor).value(QStringLiteral("accounts")).toArray().size(), 0);

        // The same version is accepted and stored; so is a newer one.
        QCOMPARE(pushResults({accountChange(kAccount, 5, QStringLiteral("Five again"))}).at(0).toObject().value(QStringLiteral("status")).toString(),
                 QStringLiteral("ok"));
        QCOMPARE(pushResults({accountChange(kAccount, 6, QStringLiteral("Six"))}).at(0).toObject().value(QStringLiteral("status")).toString(),
                 QStringLiteral("ok"));
        const QJsonArray accounts = pull(cursor).value(QStringLiteral("accounts")).toArray();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Six"));
        QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("version")).toInt(), 6);
    }

    void deletesTravelAsTombstones()
    {
        const QString txn = uuid();
        pushResults({accountChange(kAccount, 1, QStringLiteral("Checking")), transactionChange(txn, 1, -100)});
        const QString cursor = pull().value(QStringLiteral("cursor")).toString();

        QJsonObject del = transactionChange(txn, 2, -100);
        del.insert(QStringLiteral("action"), QStringLiteral("delete"));
        QCOMPARE(pushResults({del}).at(0).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QJsonObject reply = pull(cursor);
        QJsonArray txns = reply.value(QStringLiteral("transactions")).toArray();
        QCOMPARE(txns.size(), 1);
        QVERIFY(!txns.at(0).toObject().value(QStringLiteral("deleted_at")).toString().isEmpty());
        const QJsonObject integrity = reply.value(QStringLiteral("integrity")).toObject();
        QCOMPARE(integrity.value(QStringLiteral("accounts")).toObject().value(kAccount).toObject().value(QStringLiteral("count")).toInt(), 0);

        // A newer upsert restores it.
        pushResults({transactionChange(txn, 3, -100)});
        txns = pull(reply.value(QStringLiteral("cursor")).toString()).value(QStringLiteral("transactions")).toArray();
        QCOMPARE(txns.size(), 1);
        QVERIFY(!txns.at(0).toObject().contains(QStringLiteral("deleted_at")));
    }

    void theSameBatchTwiceLeavesTheSameState()
    {
        const QJsonArray batch = {accountChange(kAccount, 1, QStringLiteral("Checking")), transactionChange(uuid(), 1, -5),
                                  transactionChange(uuid(), 2, 7)};
        const QJsonArray first = pushResults(batch);
        const QJsonObject before = pullAll();
        QCOMPARE(pushResults(batch), first);
        const QJsonObject after = pullAll();
        QCOMPARE(after, before);
        // Nothing new for a device that already has it.
        const QJsonObject since = pull(before.value(QStringLiteral("cursor")).toString());
        QCOMPARE(since.value(QStringLiteral("accounts")).toArray().size() + since.value(QStringLiteral("transactions")).toArray().size(), 0);
    }

    void pagesOf1200()
    {
        QJsonArray all;
        for (int i = 0; i < 1200; ++i)
            all.append(transactionChange(uuid(), 1, i));
        for (int from = 0; from < all.size(); from += 500) {
            QJsonArray batch;
            for (int i = from; i < std::min<int>(from + 500, all.size()); ++i)
                batch.append(all.at(i));
            QCOMPARE(push(batch).status, 200);
        }
        QStringList seen;
        QString cursor;
        int pages = 0;
        bool hasMore = true;
        while (hasMore && pages < 20) {
            const QJsonObject reply = pull(cursor, 200);
            const QJsonArray txns = reply.value(QStringLiteral("transactions")).toArray();
            QVERIFY(txns.size() <= 200);
            seen += ids(txns);
            hasMore = reply.value(QStringLiteral("has_more")).toBool();
            QCOMPARE(reply.contains(QStringLiteral("integrity")), !hasMore);
            if (!hasMore)
                QCOMPARE(reply.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("accounts")).toObject()
                             .value(kAccount).toObject().value(QStringLiteral("count")).toInt(), 1200);
            cursor = reply.value(QStringLiteral("cursor")).toString();
            ++pages;
        }
        QCOMPARE(pages, 6);
        QStringList pushed;
        for (const QJsonValue &c : all)
            pushed.append(c.toObject().value(QStringLiteral("entity_id")).toString());
        QCOMPARE(seen, pushed); // every record once, in the order of the sequence
        // The limit is capped at 500.
        QCOMPARE(pull({}, 100000).value(QStringLiteral("transactions")).toArray().size(), 500);
    }

    void recordsNeverArriveBeforeWhatTheyReferTo()
    {
        QStringList accounts;
        QJsonArray batch;
        for (int i = 0; i < 150; ++i) {
            accounts.append(uuid());
            batch.append(accountChange(accounts.last(), 1, QStringLiteral("A%1").arg(i)));
        }
        push(batch);
        batch = {};
        for (int i = 0; i < 150; ++i)
            batch.append(transactionChange(uuid(), 1, i, accounts.at(149 - i)));
        push(batch);
        // Renaming the accounts puts them after their transactions in the sequence.
        batch = {};
        for (int i = 0; i < 150; ++i)
            batch.append(accountChange(accounts.at(i), 2, QStringLiteral("B%1").arg(i)));
        push(batch);

        QSet<QString> known;
        QString cursor;
        int transactions = 0;
        for (int page = 0; page < 10; ++page) {
            const QJsonObject reply = pull(cursor, 100);
            for (const QString &id : ids(reply.value(QStringLiteral("accounts")).toArray()))
                known.insert(id);
            const QJsonArray txns = reply.value(QStringLiteral("transactions")).toArray();
            for (const QJsonValue &t : txns)
                QVERIFY(known.contains(t.toObject().value(QStringLiteral("account_id")).toString()));
            transactions += int(txns.size());
            cursor = reply.value(QStringLiteral("cursor")).toString();
            if (!reply.value(QStringLiteral("has_more")).toBool())
                break;
        }
        QCOMPARE(known.size(), 150);
        QCOMPARE(transactions, 150);
    }

    void usersNeverSeeEachOthersRecords()
    {
        const QJsonArray mine = pushResults({accountChange(kAccount, 1, QStringLiteral("Mine"))});
        const QString myServerId = mine.at(0).toObject().value(QStringLiteral("server_id")).toString();
        const QString other = SignIn::signUp(client(), QStringLiteral("other@example.org")).access;
        QCOMPARE(pull({}, 200, other).value(QStringLiteral("accounts")).toArray().size(), 0);

        // The same local id, and even my server id, make the other user's own record.
        QJsonObject theirs = accountChange(kAccount, 9, QStringLiteral("Theirs"));
        QJsonObject payload = theirs.value(QStringLiteral("payload")).toObject();
        payload.insert(QStringLiteral("server_id"), myServerId);
        theirs.insert(QStringLiteral("payload"), payload);
        const QJsonObject result = pushResults({theirs}, other).at(0).toObject();
        QCOMPARE(result.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QVERIFY(result.value(QStringLiteral("server_id")).toString() != myServerId);

        const QJsonArray accounts = pull().value(QStringLiteral("accounts")).toArray();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Mine"));
        QCOMPARE(pull({}, 200, other).value(QStringLiteral("accounts")).toArray().size(), 1);
    }

    void aKnownServerIdNamesTheSameRecord()
    {
        const QString serverId = pushResults({accountChange(kAccount, 1, QStringLiteral("A"))}).at(0).toObject().value(QStringLiteral("server_id")).toString();
        // Another device knows the record under its own local id.
        const QString otherLocal = uuid();
        QJsonObject c = accountChange(otherLocal, 2, QStringLiteral("B"));
        QJsonObject payload = c.value(QStringLiteral("payload")).toObject();
        payload.insert(QStringLiteral("server_id"), serverId);
        c.insert(QStringLiteral("payload"), payload);
        const QJsonObject result = pushResults({c}).at(0).toObject();
        QCOMPARE(result.value(QStringLiteral("entity_id")).toString(), otherLocal);
        QCOMPARE(result.value(QStringLiteral("server_id")).toString(), serverId);
        const QJsonArray accounts = pull().value(QStringLiteral("accounts")).toArray();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("client_id")).toString(), kAccount);
        QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("B"));
    }

    void malformedPushesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("problem");
        auto withSecond = [](const QJsonValue &second) {
            return QJsonDocument(body({accountChange(kAccount, 1, QStringLiteral("ok")), second})).toJson(QJsonDocument::Compact);
        };
        auto edited = [&](const QString &key, const QJsonValue &value) {
            QJsonObject c = transactionChange(uuid(), 1, 1);
            if (value.isUndefined())
                c.remove(key);
            else
                c.insert(key, value);
            return withSecond(c);
        };
        auto payloadEdited = [&](const QString &key, const QJsonValue &value) {
            QJsonObject c = transactionChange(uuid(), 1, 1);
            QJsonObject p = c.value(QStringLiteral("payload")).toObject();
            p.insert(key, value);
            c.insert(QStringLiteral("payload"), p);
            return withSecond(c);
        };
        QTest::newRow("not JSON") << QByteArray("{\"changes\": [") << "not valid JSON";
        QTest::newRow("not an object") << QByteArray("[1,2]") << "must be a JSON object";
        QTest::newRow("no changes") << QByteArray("{}") << "changes is missing";
        QTest::newRow("changes not array") << QByteArray("{\"changes\":{}}") << "changes must be an array";
        QTest::newRow("change not object") << withSecond(QJsonValue(7)) << "changes[1] must be an object";
        QTest::newRow("unknown type") << edited(QStringLiteral("entity_type"), QStringLiteral("payee")) << "changes[1].entity_type";
        QTest::newRow("type missing") << edited(QStringLiteral("entity_type"), QJsonValue::Undefined) << "changes[1].entity_type is missing";
        QTest::newRow("id not uuid") << edited(QStringLiteral("entity_id"), QStringLiteral("12345")) << "changes[1].entity_id is not a UUID";
        QTest::newRow("id braces") << edited(QStringLiteral("entity_id"), QStringLiteral("{") + uuid() + QStringLiteral("}")) << "not a UUID";
        QTest::newRow("bad action") << edited(QStringLiteral("action"), QStringLiteral("insert")) << "changes[1].action";
        QTest::newRow("version text") << edited(QStringLiteral("version"), QStringLiteral("2")) << "changes[1].version";
        QTest::newRow("version negative") << edited(QStringLiteral("version"), -1) << "changes[1].version";
        QTest::newRow("payload missing") << edited(QStringLiteral("payload"), QJsonValue::Undefined) << "changes[1].payload is missing";
        QTest::newRow("amount fraction") << payloadEdited(QStringLiteral("amount"), 12.5) << "changes[1].payload.amount must be an integer";
        QTest::newRow("payee number") << payloadEdited(QStringLiteral("payee"), 5) << "changes[1].payload.payee must be a string";
        QTest::newRow("flag text") << payloadEdited(QStringLiteral("cleared"), QStringLiteral("yes")) << "changes[1].payload.cleared";
        QTest::newRow("split line amount") << payloadEdited(QStringLiteral("split_lines"), QJsonArray{QJsonObject{{QStringLiteral("memo"), QStringLiteral("x")}}})
                                           << "changes[1].payload.split_lines[0].amount is missing";
        QTest::newRow("client id differs") << payloadEdited(QStringLiteral("client_id"), uuid()) << "changes[1].payload.client_id";
        QJsonArray tooMany;
        for (int i = 0; i < 501; ++i)
            tooMany.append(transactionChange(uuid(), 1, i));
        QTest::newRow("501 changes") << QJsonDocument(body(tooMany)).toJson(QJsonDocument::Compact) << "at most 500";
        QByteArray huge = withSecond(transactionChange(uuid(), 1, 1));
        huge.insert(huge.size() - 1, QByteArray(",\"pad\":\"") + QByteArray(8 * 1024 * 1024, 'x') + "\"");
        QTest::newRow("over 8 MiB") << huge << "larger than 8 MiB";
    }

    void malformedPushesAreRefusedWhole()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, problem);
        const HttpReply reply = client().send("POST", QStringLiteral("/quillet/v1/sync/push"), body, "application/json", m_token);
        QCOMPARE(reply.status, 400);
        QCOMPARE(reply.json().value(QStringLiteral("error")).toString(), QStringLiteral("bad_request"));
        const QString message = reply.json().value(QStringLiteral("message")).toString();
        QVERIFY2(message.contains(problem), qPrintable(message));
        QCOMPARE(m_server.rowCount(QStringLiteral("records")), 0);
        // The server goes on serving.
        QCOMPARE(push({accountChange(kAccount, 1, QStringLiteral("fine"))}).status, 200);
    }

    void pushesStoredTogetherFailAlone()
    {
        // Pushes that arrive together share one commit; one that cannot be
        // stored (its user is gone) must not take the others with it.
        std::vector<QuilletServer::SyncStore::Job> jobs(3);
        QString problem;
        for (auto &job : jobs) {
            QuilletServer::parsePushRequest(QJsonDocument(body({accountChange(uuid(), 1, QStringLiteral("A"))})).toJson(),
                                            &job.changes, &problem);
        }
        const QString owner = client().get(QStringLiteral("/account/v1/me"), m_token).json().value(QStringLiteral("id")).toString();
        jobs[0].userId = owner;
        jobs[1].userId = uuid();
        jobs[2].userId = owner;
        QString error;
        QVERIFY2(m_server.server().backend().sync.pushAll(jobs, &error), qPrintable(error));
        QVERIFY(jobs[0].error.isEmpty() && jobs[2].error.isEmpty());
        QVERIFY(!jobs[1].error.isEmpty());
        QCOMPARE(jobs[1].results.size(), 0);
        QCOMPARE(pull().value(QStringLiteral("accounts")).toArray().size(), 2);
        QCOMPARE(m_server.rowCount(QStringLiteral("records")), 2);
    }

    void concurrentPushesAreAllAnswered()
    {
        QList<QString> tokens;
        for (int i = 0; i < 8; ++i)
            tokens.append(SignIn::signUp(client(), QStringLiteral("c%1@example.org").arg(i)).access);
        std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
        QList<QNetworkReply *> replies;
        for (const QString &token : std::as_const(tokens)) {
            managers.push_back(std::make_unique<QNetworkAccessManager>());
            QNetworkRequest request(m_server.baseUrl().resolved(QUrl(QStringLiteral("/quillet/v1/sync/push"))));
            request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
            request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
            replies.append(managers.back()->post(request, QJsonDocument(body({accountChange(kAccount, 1, token.left(8)),
                                                                              transactionChange(uuid(), 1, 5)}))
                                                              .toJson()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(replies.begin(), replies.end(), [](QNetworkReply *r) { return r->isFinished(); }),
                                 20000);
        for (int i = 0; i < replies.size(); ++i) {
            QCOMPARE(replies[i]->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
            const QJsonArray accounts = pull({}, 200, tokens[i]).value(QStringLiteral("accounts")).toArray();
            QCOMPARE(accounts.size(), 1);
            QCOMPARE(accounts.at(0).toObject().value(QStringLiteral("name")).toString(), tokens[i].left(8));
        }
        qDeleteAll(replies);
    }

    void badPullParameters_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("garbage cursor") << "cursor=not-a-cursor";
        QTest::newRow("forged cursor") << "cursor=" + QString::fromLatin1(QByteArray("q1:1,2").toBase64(QByteArray::Base64UrlEncoding));
        QTest::newRow("limit zero") << "limit=0";
        QTest::newRow("limit text") << "limit=ten";
    }

    void badPullParameters()
    {
        QFETCH(QString, query);
        const HttpReply reply = client().get(QStringLiteral("/quillet/v1/sync/pull?") + query, m_token);
        QCOMPARE(reply.status, 400);
        QVERIFY(!reply.json().value(QStringLiteral("message")).toString().isEmpty());
    }

    void aCursorPastTheEndStartsOver()
    {
        pushResults({accountChange(kAccount, 1, QStringLiteral("Checking"))});
        QuilletServer::SyncCursor ahead;
        ahead.seq.fill(1000);
        QCOMPARE(pull(ahead.toText()).value(QStringLiteral("accounts")).toArray().size(), 1);
    }

    void aFloodingConnectionIsCutOff()
    {
        QTcpSocket socket;
        socket.connectToHost(m_server.baseUrl().host(), quint16(m_server.baseUrl().port()));
        QVERIFY(socket.waitForConnected(5000));
        socket.write("POST /quillet/v1/sync/push HTTP/1.1\r\nHost: x\r\nContent-Length: 100000000\r\n\r\n");
        const QByteArray chunk(1024 * 1024, 'x');
        for (int i = 0; i < 40 && socket.state() == QAbstractSocket::ConnectedState; ++i) {
            socket.write(chunk);
            QTest::qWait(5);
        }
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() != QAbstractSocket::ConnectedState, 10000);
        // Other clients are still served.
        QCOMPARE(push({accountChange(kAccount, 1, QStringLiteral("fine"))}).status, 200);
    }
};

STORE_TEST_MAIN(TstServerSync)
#include "tst_serversync.moc"
