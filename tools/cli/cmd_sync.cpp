// sync: one sync cycle with the stored sign-in, for scripts and scheduled jobs.
#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/syncengine.h"
#include "tools/cli/clionline.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QEventLoop>

namespace {

using LarkAccount::Client;

int runSync(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: quillet-cli sync\n";
        return CliExit::Usage;
    }
    const LarkAccount::Config config = LarkAccount::Config::fromEnvironment();
    Client client(config, store.dataDirectory());
    client.api()->setBaseUrl(config.syncApiUrl);
    QEventLoop loop;
    startClient(client, loop);
    if (!client.isAuthenticated()) {
        err << "quillet-cli: not signed in (run quillet-cli login first)\n";
        return CliExit::Failure;
    }

    SyncEngine engine(client.api(), store.repositories());
    bool failed = false;
    QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] {
        failed = true;
        loop.quit();
    });
    engine.syncNow();
    loop.exec();
    const SyncEngine::CycleCounts &counts = engine.lastCycle();
    out << "Pushed " << counts.pushed << " change(s)";
    if (counts.rejected > 0)
        out << ", " << counts.rejected << " refused (still pending)";
    out << "; pulled " << counts.pulled << " record(s)";
    if (!failed)
        out << ", " << counts.applied << " applied";
    out << ".\n";
    if (failed) {
        err << "quillet-cli: sync failed: " << engine.lastError() << "\n";
        return CliExit::Failure;
    }
    return CliExit::Ok;
}

const CliCommand::Registrar syncCommand("sync", "sync", runSync);

} // namespace
