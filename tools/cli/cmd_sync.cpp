// sync: one sync cycle with the stored sign-in, for scripts and scheduled jobs.
// A store that last synced with another user is not synced into the signed-in
// user's account unless --add-to-account says so.
#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "cloud/syncengine.h"
#include "cloud/syncuser.h"
#include "tools/cli/clionline.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QEventLoop>

namespace {

using LarkAccount::Client;

int runSync(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString addFlag = QStringLiteral("--add-to-account");
    if (args.size() > 1 || (args.size() == 1 && args.first() != addFlag)) {
        err << "usage: quillet-cli sync [--add-to-account]\n";
        return CliExit::Usage;
    }
    const bool addToAccount = !args.isEmpty();
    const LarkAccount::Config config = LarkAccount::Config::fromEnvironment();
    Client client(config, store.dataDirectory());
    client.api()->setBaseUrl(config.syncApiUrl);
    QEventLoop loop;
    startClient(client, loop);
    if (!client.isAuthenticated()) {
        err << "quillet-cli: not signed in (run quillet-cli login first)\n";
        return CliExit::Failure;
    }

    PreferencesRepository *preferences = store.repositories().preferences;
    bool known = false;
    int status = 0;
    SyncUser::Match match = SyncUser::Match::Other;
    SyncUser::Who signedIn;
    SyncUser::check(&client, preferences, [&](bool ok, int httpStatus, SyncUser::Match m, const SyncUser::Who &who) {
        known = ok;
        status = httpStatus;
        match = m;
        signedIn = who;
        loop.quit();
    });
    loop.exec();
    if (!known) {
        err << "quillet-cli: could not tell which account is signed in (HTTP " << status << "); nothing was synced\n";
        return CliExit::Failure;
    }
    const bool otherUser = match == SyncUser::Match::Other;
    if (otherUser && !addToAccount) {
        err << "quillet-cli: this data was last synced with " << SyncUser(preferences).remembered().email
            << ", not with " << signedIn.email << " who is signed in; nothing was synced.\n"
            << "Run quillet-cli sync " << addFlag << " to add all of it to the account of " << signedIn.email
            << ".\n";
        return CliExit::Failure;
    }

    SyncEngine engine(client.api(), store.repositories());
    bool failed = false;
    QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] {
        failed = true;
        loop.quit();
    });
    if (otherUser) {
        SyncUser(preferences).adopt(engine, signedIn);
    } else {
        engine.syncNow();
    }
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

const CliCommand::Registrar syncCommand("sync", "sync [--add-to-account]", runSync);

} // namespace
