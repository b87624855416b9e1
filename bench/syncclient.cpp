// The sync engine end to end against a local server (in a process of its
// own): the first sync of a large store to an empty account, a second, fresh
// client downloading all of it, and a cycle with nothing to do. Baseline: the
// same rows written into an empty store with bare prepared inserts.
#include "bench/benchstore.h"
#include "bench/generator.h"
#include "bench/scenario.h"
#include "bench/syncsupport.h"

#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/syncengine.h"
#include "cloud/tokenstore.h"
#include "data/dbtransaction.h"
#include "server/server.h"
#include "server/serverconfig.h"

#include <QDir>
#include <QEventLoop>
#include <QSqlQuery>
#include <QSqlRecord>

#include <memory>

using namespace BenchSync;

namespace {

constexpr int kTransactions = 100000;
constexpr int kSplitLines = 20000;
constexpr int kAccounts = 10;

// A signed-in online-account client over its own folder, from tokens.
std::unique_ptr<LarkAccount::Client> signedInClient(const QString &dir, const LarkAccount::Tokens &tokens)
{
    QDir().mkpath(dir);
    const LarkAccount::Config config = LarkAccount::Config::fromEnvironment();
    auto client = std::make_unique<LarkAccount::Client>(config, dir);
    client->api()->setBaseUrl(config.syncApiUrl);
    // Either may answer at once or after a turn of the event loop.
    QEventLoop loop;
    bool saved = false;
    client->tokenStore()->save(tokens, [&](bool) {
        saved = true;
        loop.quit();
    });
    if (!saved)
        loop.exec();
    bool started = false;
    client->start([&] {
        started = true;
        loop.quit();
    });
    if (!started)
        loop.exec();
    return client;
}

LarkAccount::Tokens storedTokens(LarkAccount::Client &client)
{
    LarkAccount::Tokens tokens;
    QEventLoop loop;
    bool loaded = false;
    client.tokenStore()->load([&](const LarkAccount::Tokens &t) {
        tokens = t;
        loaded = true;
        loop.quit();
    });
    if (!loaded)
        loop.exec();
    return tokens;
}

// Cycles until the pull has caught up; false on a failed cycle.
bool syncAll(SyncEngine &engine)
{
    QEventLoop loop;
    bool ok = true;
    QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, [&] {
        if (engine.lastCycle().caughtUp)
            loop.quit();
    });
    QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] {
        ok = false;
        loop.quit();
    });
    engine.syncNow();
    loop.exec();
    QObject::disconnect(&engine, nullptr, &loop, nullptr);
    return ok;
}

int count(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && q.next() ? q.value(0).toInt() : -1;
}

struct Table {
    QString name;
    QString insert;
    QList<QVariantList> rows;
};

Table readTable(const QSqlDatabase &db, const QString &name)
{
    Table t{name, {}, {}};
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT * FROM %1").arg(name));
    const QSqlRecord record = q.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));
    t.insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(name, columns.join(QLatin1String(", ")),
                        QStringList(columns.size(), QStringLiteral("?")).join(QLatin1String(", ")));
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < record.count(); ++i)
            row.append(q.value(i));
        t.rows.append(row);
    }
    return t;
}

// The downloaded rows written the plainest way: one prepared INSERT per row,
// a transaction per 200 rows, into an empty store that already has the accounts.
double bareInserts(const QString &path, const QList<Table> &tables)
{
    removeStore(path);
    BenchStore store(path);
    QSqlQuery accounts(store.connection());
    Table accountRows = tables.first();
    for (const QVariantList &row : std::as_const(accountRows.rows)) {
        accounts.prepare(accountRows.insert);
        for (int i = 0; i < row.size(); ++i)
            accounts.bindValue(i, row.at(i));
        accounts.exec();
    }
    return timeMs([&] {
        for (qsizetype t = 1; t < tables.size(); ++t) {
            const Table &table = tables.at(t);
            QSqlQuery q(store.connection());
            q.prepare(table.insert);
            for (qsizetype start = 0; start < table.rows.size(); start += SyncEngine::kPullLimit) {
                DbTransaction tx(store.connection());
                for (qsizetype r = start; r < std::min(table.rows.size(), start + SyncEngine::kPullLimit); ++r) {
                    const QVariantList &row = table.rows.at(r);
                    for (int i = 0; i < row.size(); ++i)
                        q.bindValue(i, row.at(i));
                    q.exec();
                }
                tx.commit();
            }
        }
    });
}

void run(const BenchOptions &o, QTextStream &out)
{
    const int transactions = std::max(1000, int(kTransactions * o.scale));
    const int splitLines = std::max(2, int(kSplitLines * o.scale));
    const QDir dir(o.workDir);
    const QString sourcePath = dir.filePath(QStringLiteral("sync-client-a.db"));
    const QString freshPath = dir.filePath(QStringLiteral("sync-client-b.db"));
    const QString barePath = dir.filePath(QStringLiteral("sync-client-bare.db"));
    const QString serverPath = dir.filePath(QStringLiteral("sync-client-server.db"));
    for (const QString &path : {sourcePath, freshPath, barePath})
        removeStore(path);

    auto source = std::make_unique<BenchStore>(sourcePath);
    fillWithSplits(*source, kAccounts, transactions, splitLines);

    ServerChild server;
    QString why;
    if (!server.start(serverPath, o.workDir, &why)) {
        out << "the server did not start: " << why << "\n";
        return;
    }
    for (const QString &line : QuilletServer::Server::environmentLines(server.base.toString(), {})) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        qputenv(line.left(equals).toLatin1().constData(), line.mid(equals + 1).toUtf8());
    }
    qputenv("QUILLET_TOKEN_STORE", "file");
    QNetworkAccessManager nam;
    const BenchSync::Tokens signedUp = signUp(nam, server.base, QStringLiteral("sync-client@example.org"));

    const qint64 rssBefore = peakRssKb();
    auto clientA = signedInClient(dir.filePath(QStringLiteral("client-a")), {signedUp.access, signedUp.refresh});
    SyncEngine engineA(clientA->api(), *source);
    bool ok = true;
    const double uploadMs = timeMs([&] { ok = syncAll(engineA); });
    if (!ok) {
        out << "the first sync failed: " << engineA.lastError() << "\n";
        return;
    }
    const qint64 rssUpload = peakRssKb();
    const double idleMs = medianMs(std::max(3, o.repeats), [&] { syncAll(engineA); });

    auto fresh = std::make_unique<BenchStore>(freshPath);
    auto clientB = signedInClient(dir.filePath(QStringLiteral("client-b")), storedTokens(*clientA));
    SyncEngine engineB(clientB->api(), *fresh);
    const double downloadMs = timeMs([&] { ok = syncAll(engineB); });
    const qint64 rssDownload = peakRssKb();
    const int gotTransactions = count(fresh->connection(), QStringLiteral("transactions"));
    const int gotLines = count(fresh->connection(), QStringLiteral("split_lines"));

    const QList<Table> tables = {readTable(source->connection(), QStringLiteral("accounts")),
                                 readTable(source->connection(), QStringLiteral("transactions")),
                                 readTable(source->connection(), QStringLiteral("split_lines"))};
    const double bareMs = bareInserts(barePath, tables);

    out << QStringLiteral("first sync of %1 transactions and %2 split lines to an empty account: %3 ms (%4 rows/s)\n")
               .arg(transactions)
               .arg(splitLines)
               .arg(qRound(uploadMs))
               .arg(qint64((transactions + splitLines) / (uploadMs / 1000.0)));
    out << QStringLiteral("fresh client downloading all: %1 ms, %2 transactions and %3 split lines arrived%4\n")
               .arg(qRound(downloadMs))
               .arg(gotTransactions)
               .arg(gotLines)
               .arg(ok ? QString() : QStringLiteral(" (FAILED: %1)").arg(engineB.lastError()));
    out << QStringLiteral("bare prepared inserts of the same rows: %1 ms; download ratio %2 (target <= 1.20x)\n")
               .arg(qRound(bareMs))
               .arg(ratioText(downloadMs, bareMs));
    out << QStringLiteral("a cycle with nothing to do: %1 ms (target < 50 ms)\n").arg(idleMs, 0, 'f', 1);
    out << QStringLiteral("client peak RSS: %1 MB before syncing (store generated), %2 MB after the first sync, "
                          "%3 MB after the download\n")
               .arg(rssBefore / 1024)
               .arg(rssUpload / 1024)
               .arg(rssDownload / 1024);
    if (!o.keep) {
        for (const QString &path : {sourcePath, freshPath, barePath, serverPath})
            removeStore(path);
    }
}

const BenchScenario::Registrar registrar(
    "sync-client", "sync engine: first sync of 100,000 transactions, a fresh client downloading them, an idle cycle",
    run);

} // namespace
