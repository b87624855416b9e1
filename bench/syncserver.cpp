// The sync server under load: the server runs in a process of its own (this
// program again), so its peak memory is its own and client and server each
// get a core. Figures: push and pull throughput against bare prepared
// statements on the server's own tables, and latency under 20 concurrent clients.
#include "bench/generator.h"
#include "bench/scenario.h"
#include "bench/syncsupport.h"

#include "server/server.h"
#include "server/store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSqlQuery>
#include <QTimer>
#include <QUrlQuery>
#include <QUuid>

#include <cstdio>
#include <unistd.h>
#include <memory>

using namespace QuilletServer;
using namespace BenchSync;

namespace {

QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A transaction change as the app sends it.
QJsonObject transactionChange(StoreGenerator &gen, const QString &account)
{
    const StoreGenerator::Row r = gen.nextRow(QDate(2015, 1, 1), 3650);
    const QString id = uuid();
    const QString now = QStringLiteral("2025-01-01T12:00:00Z");
    return {{QStringLiteral("entity_type"), QStringLiteral("transaction")},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("payload"),
             QJsonObject{{QStringLiteral("client_id"), id}, {QStringLiteral("account_id"), account},
                         {QStringLiteral("date"), r.date.toString(Qt::ISODate)}, {QStringLiteral("payee"), r.payee},
                         {QStringLiteral("memo"), r.memo}, {QStringLiteral("amount"), r.amount},
                         {QStringLiteral("category_id"), QString()}, {QStringLiteral("check_number"), r.checkNumber},
                         {QStringLiteral("cleared"), r.cleared ? 1 : 0}, {QStringLiteral("reconciled"), 0},
                         {QStringLiteral("transfer_link_id"), QString()}, {QStringLiteral("transfer_dest_account_id"), QString()},
                         {QStringLiteral("is_split"), 0}, {QStringLiteral("recurring_id"), QString()},
                         {QStringLiteral("version"), 1}, {QStringLiteral("created_at"), now},
                         {QStringLiteral("updated_at"), now}}}};
}

QByteArray pushBody(const QJsonArray &changes)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(QJsonDocument::Compact);
}

// The same rows written the plainest way: one prepared INSERT into the
// server's records table, one transaction per 500, on a store opened with the
// server's own settings.
double bareInserts(const QString &path, const QList<QJsonArray> &batches)
{
    QFile::remove(path);
    Store store(QStringLiteral("bench-bare"));
    QString error;
    if (!store.open(DatabaseTarget::sqlite(path), &error) || !store.migrate(&error))
        qFatal("bench: %s", qPrintable(error));
    QSqlQuery user(store.db());
    user.exec(QStringLiteral("INSERT INTO users (id, email, display_name, password_hash, created_at) "
                             "VALUES ('u', 'u@x', 'u', 'x', 'now')"));
    QSqlQuery insert(store.db());
    insert.prepare(QStringLiteral("INSERT INTO records (user_id, entity_type, client_id, server_id, version, seq, "
                                  "deleted, account_id, payload, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    qint64 seq = 0;
    QSqlQuery tx(store.db());
    return timeMs([&] {
        for (const QJsonArray &batch : batches) {
            tx.exec(QStringLiteral("BEGIN IMMEDIATE"));
            for (const QJsonValue &v : batch) {
                const QJsonObject c = v.toObject();
                const QJsonObject payload = c.value(QStringLiteral("payload")).toObject();
                insert.bindValue(0, QStringLiteral("u"));
                insert.bindValue(1, QStringLiteral("transaction"));
                insert.bindValue(2, c.value(QStringLiteral("entity_id")).toString());
                insert.bindValue(3, uuid());
                insert.bindValue(4, 1);
                insert.bindValue(5, ++seq);
                insert.bindValue(6, 0);
                insert.bindValue(7, payload.value(QStringLiteral("account_id")).toString());
                insert.bindValue(8, QString::fromUtf8(QJsonDocument(payload).toJson(QJsonDocument::Compact)));
                insert.bindValue(9, QStringLiteral("2025-01-01T12:00:00Z"));
                insert.exec();
            }
            tx.exec(QStringLiteral("COMMIT"));
        }
    });
}

// Pages of 200 straight from the table, every column read: the pull baseline.
double bareReads(const QString &path, int *rows)
{
    Store store(QStringLiteral("bench-bare-read"));
    QString error;
    if (!store.open(DatabaseTarget::sqlite(path), &error))
        qFatal("bench: %s", qPrintable(error));
    QSqlQuery q(store.db());
    q.prepare(QStringLiteral("SELECT client_id, server_id, version, payload, seq FROM records WHERE user_id = ? "
                             "AND entity_type = ? AND seq > ? ORDER BY seq LIMIT 200"));
    return timeMs([&] {
        qint64 after = 0;
        *rows = 0;
        for (;;) {
            q.bindValue(0, QStringLiteral("u"));
            q.bindValue(1, QStringLiteral("transaction"));
            q.bindValue(2, after);
            q.exec();
            int page = 0;
            while (q.next()) {
                QJsonDocument::fromJson(q.value(3).toString().toUtf8());
                after = q.value(4).toLongLong();
                ++page;
            }
            *rows += page;
            if (page < 200)
                break;
        }
    });
}

// User and system time a process has used so far.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // Fields after the command name, which may hold spaces; utime and stime are the 12th and 13th.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

struct LoadResult {
    QList<double> latencies;
    int errors = 0;
};

// Clients that each send their requests one after another, all at once.
LoadResult loadTest(const QUrl &base, const QStringList &tokens, int requestsPerClient)
{
    LoadResult result;
    std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
    StoreGenerator gen(7);
    const QString account = uuid();
    QEventLoop loop;
    int running = int(tokens.size());
    struct Client {
        int sent = 0;
        QString cursor;
        QElapsedTimer timer;
    };
    std::vector<Client> clients(size_t(tokens.size()));
    std::function<void(int)> next = [&](int i) {
        Client &c = clients[size_t(i)];
        if (c.sent == requestsPerClient) {
            if (--running == 0)
                loop.quit();
            return;
        }
        QNetworkRequest req;
        req.setRawHeader("Authorization", "Bearer " + tokens.at(i).toUtf8());
        QNetworkReply *reply = nullptr;
        c.timer.start();
        if (c.sent++ % 2 == 0) {
            QJsonArray changes;
            for (int k = 0; k < 20; ++k)
                changes.append(transactionChange(gen, account));
            req.setUrl(base.resolved(QUrl(QStringLiteral("/quillet/v1/sync/push"))));
            req.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
            reply = managers[size_t(i)]->post(req, pushBody(changes));
        } else {
            QUrl url = base.resolved(QUrl(QStringLiteral("/quillet/v1/sync/pull")));
            url.setQuery(QStringLiteral("limit=200&cursor=") + c.cursor);
            req.setUrl(url);
            reply = managers[size_t(i)]->get(req);
        }
        QObject::connect(reply, &QNetworkReply::finished, reply, [&, i, reply] {
            Client &client = clients[size_t(i)];
            result.latencies.append(double(client.timer.nsecsElapsed()) / 1e6);
            const QByteArray body = reply->readAll();
            if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
                ++result.errors;
            else if (reply->operation() == QNetworkAccessManager::GetOperation)
                client.cursor = QJsonDocument::fromJson(body).object().value(QStringLiteral("cursor")).toString();
            reply->deleteLater();
            next(i);
        });
    };
    for (int i = 0; i < tokens.size(); ++i) {
        managers.push_back(std::make_unique<QNetworkAccessManager>());
        QTimer::singleShot(0, &loop, [&next, i] { next(i); });
    }
    QTimer::singleShot(10 * 60 * 1000, &loop, &QEventLoop::quit); // bounded, whatever happens
    loop.exec();
    return result;
}

// Pulls every page as a device signed in with token would; the
// transactions pulled.
int pullAll(QNetworkAccessManager &nam, const QUrl &base, const QString &token)
{
    int pulled = 0;
    QString cursor;
    for (bool more = true; more;) {
        QUrl url = base.resolved(QUrl(QStringLiteral("/quillet/v1/sync/pull")));
        url.setQuery(QStringLiteral("limit=200&cursor=") + cursor);
        const QJsonObject page = QJsonDocument::fromJson(request(nam, url, "GET", {}, {}, token).body).object();
        pulled += int(page.value(QStringLiteral("transactions")).toArray().size());
        cursor = page.value(QStringLiteral("cursor")).toString();
        more = page.value(QStringLiteral("has_more")).toBool();
    }
    return pulled;
}

// Pushes each body in turn; how many were not answered 200.
int pushAll(QNetworkAccessManager &nam, const QUrl &pushUrl, const QList<QByteArray> &bodies, const QString &token)
{
    int errors = 0;
    for (const QByteArray &body : bodies) {
        if (request(nam, pushUrl, "POST", body, "application/json", token).status != 200)
            ++errors;
    }
    return errors;
}

// Sharing the account the rows went into, on the same server: the share
// enters every row in the member's own sequence, the member pulls them all,
// and as an editor pushes new rows into it. Each is set against the owner's
// push or pull of as many rows in this run.
void measureSharing(QNetworkAccessManager &nam, const QUrl &base, const QString &dbPath, const QString &ownerToken,
                    const QString &account, int rows, double ownerPushMs, double ownerPullMs, QTextStream &out)
{
    const QUrl pushUrl = base.resolved(QUrl(QStringLiteral("/quillet/v1/sync/push")));
    const QJsonObject accountChange{
        {QStringLiteral("entity_type"), QStringLiteral("account")},
        {QStringLiteral("entity_id"), account},
        {QStringLiteral("action"), QStringLiteral("upsert")},
        {QStringLiteral("version"), 1},
        {QStringLiteral("payload"), QJsonObject{{QStringLiteral("client_id"), account},
                                                {QStringLiteral("name"), QStringLiteral("Joint Checking")}}}};
    const QString serverId = QJsonDocument::fromJson(request(nam, pushUrl, "POST", pushBody({accountChange}),
                                                             "application/json", ownerToken)
                                                         .body)
                                 .object()
                                 .value(QStringLiteral("results"))
                                 .toArray()
                                 .at(0)
                                 .toObject()
                                 .value(QStringLiteral("server_id"))
                                 .toString();
    const QString memberToken = signUp(nam, base, QStringLiteral("member@example.org")).access;
    auto idOf = [&](const QString &token) {
        const QUrl me = base.resolved(QUrl(QStringLiteral("/account/v1/me")));
        return QJsonDocument::fromJson(request(nam, me, "GET", {}, {}, token).body).object().value(QStringLiteral("id")).toString();
    };
    const QString ownerId = idOf(ownerToken);
    const QString memberId = idOf(memberToken);
    {
        // One family group, written straight into the server's store.
        Store store(QStringLiteral("bench-family"));
        QString error;
        if (!store.open(DatabaseTarget::sqlite(dbPath), &error))
            qFatal("bench: %s", qPrintable(error));
        QSqlQuery q(store.db());
        q.exec(QStringLiteral("INSERT INTO family_groups (id, owner_user_id, name, created_at) VALUES ('g', '%1', "
                              "'Bench', 'now')").arg(ownerId));
        q.exec(QStringLiteral("INSERT INTO family_members (group_id, user_id, joined_at) VALUES ('g', '%1', 'now'), "
                              "('g', '%2', 'now')").arg(ownerId, memberId));
    }
    int status = 0;
    const double shareMs = timeMs([&] {
        status = request(nam, base.resolved(QUrl(QStringLiteral("/quillet/v1/accounts/%1/share").arg(serverId))), "POST",
                         QJsonDocument(QJsonObject{{QStringLiteral("user_id"), memberId},
                                                   {QStringLiteral("role"), QStringLiteral("editor")}})
                             .toJson(),
                         "application/json", ownerToken)
                     .status;
    });
    int pulled = 0;
    const double memberPullMs = timeMs([&] { pulled = pullAll(nam, base, memberToken); });
    StoreGenerator gen(11);
    const int added = std::max(500, rows / 10);
    QList<QByteArray> bodies;
    for (int i = 0; i < added; i += 500) {
        QJsonArray batch;
        for (int k = i; k < std::min(added, i + 500); ++k)
            batch.append(transactionChange(gen, account));
        bodies.append(pushBody(batch));
    }
    int errors = 0;
    const double editorPushMs = timeMs([&] { errors = pushAll(nam, pushUrl, bodies, memberToken); });
    out << QStringLiteral("share an account of %1 rows with a member: %2 ms (HTTP %3), ratio %4 to the owner's push "
                          "of those rows\n")
               .arg(rows)
               .arg(qRound(shareMs))
               .arg(status)
               .arg(ratioText(shareMs, ownerPushMs));
    out << QStringLiteral("the member's pull of it: %1 records, ratio %2 to the owner's pull of as many\n")
               .arg(pulled)
               .arg(ratioText(memberPullMs, ownerPullMs * pulled / std::max(1, rows)));
    out << QStringLiteral("the member as editor pushes %1 rows into it: ratio %2 per change to the owner's push, "
                          "%3 errors\n")
               .arg(added)
               .arg(ratioText(editorPushMs / added, ownerPushMs / rows))
               .arg(errors);
}

double percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min<qsizetype>(values.size() - 1, qsizetype(p * double(values.size()))));
}



void run(const BenchOptions &options, QTextStream &out)
{
    const QString dbPath = QDir(options.workDir).filePath(QStringLiteral("sync-server.db"));
    if (qEnvironmentVariableIsSet(kServerChildVariable)) {
        runServerChild(qEnvironmentVariable(kServerChildVariable));
        return;
    }
    const int total = std::max(1000, int(100000 * options.scale));
    StoreGenerator gen;
    const QString account = uuid();
    QList<QJsonArray> batches;
    QList<QByteArray> bodies;
    for (int i = 0; i < total; i += 500) {
        QJsonArray batch;
        for (int k = i; k < std::min(total, i + 500); ++k)
            batch.append(transactionChange(gen, account));
        batches.append(batch);
        bodies.append(pushBody(batch));
    }

    // Each round: the baseline, then the same rows pushed into a fresh server
    // and pulled back, so that both see the same machine load.
    const QString barePath = QDir(options.workDir).filePath(QStringLiteral("sync-bare.db"));
    QList<double> pushMs, pullMs, bareMs, bareReadMs;
    int pushErrors = 0, pulled = 0, bareRows = 0;
    QNetworkAccessManager nam;
    std::unique_ptr<ServerChild> server;
    QString lastToken;
    for (int round = 0; round < std::max(1, std::min(3, options.repeats)); ++round) {
        bareMs.append(bareInserts(barePath, batches));
        bareReadMs.append(bareReads(barePath, &bareRows));
        server = std::make_unique<ServerChild>();
        QString why;
        if (!server->start(dbPath, options.workDir, &why)) {
            out << "the server did not start: " << why << "\n";
            return;
        }
        const QString token = signUp(nam, server->base, QStringLiteral("bench@example.org")).access;
        lastToken = token;
        const QUrl pushUrl = server->base.resolved(QUrl(QStringLiteral("/quillet/v1/sync/push")));
        pushMs.append(timeMs([&] { pushErrors += pushAll(nam, pushUrl, bodies, token); }));
        pullMs.append(timeMs([&] { pulled = pullAll(nam, server->base, token); }));
    }
    if (!options.keep)
        removeStore(barePath);

    out << QStringLiteral("push %1 changes in batches of 500: %2 changes/s over HTTP, bare prepared inserts %3 rows/s, "
                          "ratio %4 (target <= 3x), %5 errors\n")
               .arg(total)
               .arg(qint64(total / (median(pushMs) / 1000.0)))
               .arg(qint64(total / (median(bareMs) / 1000.0)))
               .arg(ratioText(median(pushMs), median(bareMs)))
               .arg(pushErrors);
    out << QStringLiteral("pull all with limit 200: %1 records, %2 changes/s over HTTP, bare paged reads %3 rows/s, "
                          "ratio %4\n")
               .arg(pulled)
               .arg(qint64(pulled / (median(pullMs) / 1000.0)))
               .arg(qint64(bareRows / (median(bareReadMs) / 1000.0)))
               .arg(ratioText(median(pullMs), median(bareReadMs)));

    const QUrl base = server->base;
    measureSharing(nam, base, dbPath, lastToken, account, total, median(pushMs), median(pullMs), out);
    const int clients = 20;
    const int perClient = std::max(20, int(200 * std::min(1.0, options.scale * 10)));
    QStringList tokens;
    for (int i = 0; i < clients; ++i)
        tokens.append(signUp(nam, base, QStringLiteral("load%1@example.org").arg(i)).access);
    const double cpuBefore = cpuSeconds(server->pid());
    QElapsedTimer wall;
    wall.start();
    const LoadResult load = loadTest(base, tokens, perClient);
    // How much of a core the server had: on a machine busy with other work,
    // latency says more about the machine than about the server.
    const double cpuShare = (cpuSeconds(server->pid()) - cpuBefore) / (double(wall.elapsed()) / 1000.0);
    out << QStringLiteral("load: %1 clients x %2 mixed push/pull requests: p50 %3 ms, p99 %4 ms (target < 250 ms), "
                          "%5 errors of %6; %7 requests/s, server busy %8% of one core\n")
               .arg(clients)
               .arg(perClient)
               .arg(percentile(load.latencies, 0.5), 0, 'f', 1)
               .arg(percentile(load.latencies, 0.99), 0, 'f', 1)
               .arg(load.errors)
               .arg(load.latencies.size())
               .arg(qRound(load.latencies.size() / (double(wall.elapsed()) / 1000.0)))
               .arg(qRound(100 * cpuShare));
    out << "server peak RSS (after push, pull and load): " << peakRssKb(server->pid()) / 1024 << " MB\n";
    server.reset();
    if (!options.keep)
        removeStore(dbPath);
}

const BenchScenario::Registrar registrar("sync-server",
                                         "quillet-server: push 100,000 changes, pull them back, 20 clients at once",
                                         run);

} // namespace
