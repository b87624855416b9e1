// The online account in the main window: the account window, sign-out, the
// sign-in messages and the signed-in or signed-out look of the window.
#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/statusbar.h"
#include "app/welcomescreen.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "ui/account/accountwindow.h"
#include "ui/prompt.h"

#include <QAction>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>

bool MainWindow::isSignedIn() const
{
    return m_state->isSignedIn();
}

void MainWindow::connectAuthSignals()
{
    LarkAccount::SignInClient *signIn = m_state->accountClient()->signIn();
    connect(m_accountAction, &QAction::triggered, this, &MainWindow::showAccountWindow);
    connect(m_signOutAction, &QAction::triggered, signIn, [signIn] { signIn->signOut(); });
    connect(m_welcome, &WelcomeScreen::signInRequested, signIn, [signIn] { signIn->signIn(); });
    connect(signIn, &LarkAccount::SignInClient::stateChanged, this, &MainWindow::updateAuthUI);
    connect(signIn, &LarkAccount::SignInClient::loginSucceeded, this,
            [this] { showStatusMessage(tr("Signed in successfully"), 3000); });
    connect(signIn, &LarkAccount::SignInClient::loginFailed, this,
            [this](const QString &reason) { showStatusMessage(tr("Sign-in failed: %1").arg(reason), 5000); });

    SyncEngine *sync = m_state->syncEngine();
    connect(sync, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState state) {
        m_statusBar->setSyncBusy(state == SyncEngine::Syncing);
        if (isSignedIn())
            m_statusBar->setSyncText(SyncEngine::stateText(state));
    });
    connect(sync, &SyncEngine::syncCompleted, this, [this, sync] {
        const int forbidden = sync->lastCycle().forbidden;
        if (forbidden == 0) {
            showStatusMessage(tr("Sync complete"), 2000);
            return;
        }
        // They go out again with every sync, until the owner allows them.
        m_statusBar->setSyncText(tr("Synced; %n change(s) not accepted", "", forbidden));
        showStatusMessage(tr("%n change(s) to an account shared with you were not accepted: you may only view it. "
                             "They stay on this computer.",
                             "", forbidden),
                          10000);
    });
    connect(sync, &SyncEngine::syncFailed, this,
            [this](const QString &error) { showStatusMessage(tr("Sync failed: %1").arg(error), 5000); });
    // Asked once the network answer that raised it is done with.
    connect(m_state, &AppState::newSyncUser, this, [this](const QString &previousEmail, const QString &email) {
        QTimer::singleShot(0, this, [this, previousEmail, email] { askNewSyncUser(previousEmail, email); });
    });
}

void MainWindow::askNewSyncUser(const QString &previousEmail, const QString &email)
{
    const QMessageBox::StandardButton answer = Prompt::choice(
        this, tr("Sync With a Different Account"),
        tr("The data on this computer was last synced with %1.\n\nContinuing adds all of it to the account of %2 "
           "and brings that account's data here. Cancel signs you out again, and nothing is sent.")
            .arg(previousEmail, email),
        {{QMessageBox::Yes, tr("Continue")}, {QMessageBox::Cancel, tr("Cancel")}}, QMessageBox::Cancel,
        QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        m_state->continueWithNewSyncUser();
    else
        m_state->declineNewSyncUser();
}

void MainWindow::showAccountWindow()
{
    if (!m_accountWindow)
        m_accountWindow = new AccountWindow(m_state->accountClient(), this);
    showWindow(m_accountWindow, tr("Larkspire Account"), QSize(600, 550));
}

void MainWindow::updateAuthUI()
{
    if (isSignedIn()) {
        m_accountAction->setStatusTip(tr("Manage your account"));
        m_signOutAction->setVisible(true);
        m_statusBar->setSyncText(SyncEngine::stateText(m_state->syncEngine()->state()));
        m_welcome->setMode(WelcomeScreen::Mode::FirstRun);
        // The register of the current account, or of the first one when none
        // is current, rather than an empty page asking for a first account.
        // During construction the start page comes later anyway.
        if (m_started && m_pages->currentWidget() == m_welcome)
            showStartPage();
        return;
    }
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    m_signOutAction->setVisible(false);
    m_statusBar->setSyncText(tr("Not signed in"));
    m_statusBar->setSyncBusy(false);
    const bool returning = QSettings().value(QStringLiteral("auth/hasSignedInBefore"), false).toBool();
    m_welcome->setMode(returning ? WelcomeScreen::Mode::Returning : WelcomeScreen::Mode::FirstRun);
    m_pages->setCurrentWidget(m_welcome);
}
