#pragma once

// Signing copies of the app in to the real server and running their sync
// cycles when the test says, for tests that start the server in-process
// (they include testserver.h, which links its support).
#include "app/appstate.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "signin.h"

#include <QSignalSpy>
#include <QTest>

namespace TestSync {

// Through the server's own sign-in pages, as the browser would.
inline bool signIn(AppState *state, HttpClient &browser, const QString &email)
{
    LarkAccount::SignInClient *client = state->accountClient()->signIn();
    QUrl opened;
    client->setBrowserOpener([&opened](const QUrl &url) {
        opened = url;
        return true;
    });
    client->signIn();
    return SignIn::playBrowser(browser, opened, email).status == 200 && state->isSignedIn();
}

// A cycle that the test asked for, with any that the engine itself starts
// right after it; the timers' cycles are held back (the engine's may-sync
// check reads *allowed) so that a test always runs the same way.
inline bool sync(AppState *state, bool *allowed)
{
    SyncEngine *engine = state->syncEngine();
    QSignalSpy failed(engine, &SyncEngine::syncFailed);
    *allowed = true;
    engine->syncNow();
    auto settled = [engine] { return engine->state() != SyncEngine::Syncing; };
    bool ended = true;
    do {
        ended = QTest::qWaitFor(settled, 30000);
        QTest::qWait(10);
    } while (ended && !settled());
    *allowed = false;
    return ended && failed.isEmpty();
}

} // namespace TestSync
