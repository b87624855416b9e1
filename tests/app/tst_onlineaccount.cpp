// The online account in the app: AppState's sign-in reaction and restart,
// and the main window's signed-in and signed-out looks, against the real
// server on a loopback port.
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/statusbar.h"
#include "app/welcomescreen.h"
#include "cloud/accountclient.h"
#include "cloud/signinclient.h"
#include "cloud/syncengine.h"
#include "services/accountservice.h"
#include "data/accountrepository.h"
#include "signin.h"
#include "syncwire.h"
#include "support/gui/testapp.h"
#include "syncwire.h"
#include "testserver.h"
#include "ui/prompt.h"
#include "ui/account/accountwindow.h"
#include "ui/register/registerscreen.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

using LarkAccount::SignInClient;

class TestOnlineAccount : public QObject
{
    Q_OBJECT

    TestServer m_server;
    QUrl m_browserUrl;

    // Signs the app in, the test playing the browser.
    bool signIn(AppState *state, const QString &email = QStringLiteral("ann@example.org"))
    {
        SignInClient *client = state->accountClient()->signIn();
        client->setBrowserOpener([this](const QUrl &url) {
            m_browserUrl = url;
            return true;
        });
        QSignalSpy succeeded(client, &SignInClient::loginSucceeded);
        client->signIn();
        return SignIn::playBrowser(m_server.client(), m_browserUrl, email).status == 200 && succeeded.size() == 1;
    }

    QString storedRefreshToken(const TestApp &app) const
    {
        QFile file(app.directory() + QStringLiteral("/signin-tokens.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("larkspire_refresh_token")).toString();
    }

    QJsonArray registeredDevices(AppState *state)
    {
        return m_server.client()
            .get(QStringLiteral("/account/v1/devices"), state->accountClient()->signIn()->accessToken())
            .json()
            .value(QStringLiteral("devices"))
            .toArray();
    }

    // The names of the accounts the service holds for the owner of token.
    QStringList serverAccountNames(const QString &token)
    {
        QStringList names;
        QString cursor;
        const QJsonObject all = SyncWire::pullAll(m_server.client(), token, &cursor);
        for (const QJsonValue &account : all.value(QStringLiteral("accounts")).toArray())
            names.append(account.toObject().value(QStringLiteral("name")).toString());
        names.sort();
        return names;
    }

    static void addAccount(AppState *state, const QString &name)
    {
        Account draft;
        draft.name = name;
        QVERIFY(state->accountService()->createAccount(draft, QDate(2024, 1, 1)));
    }

private Q_SLOTS:
    void init()
    {
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
    }

    void signInRegistersTheDeviceAndARestartKeepsIt()
    {
        TestApp app;
        QVERIFY(app.isReady());
        QVERIFY(!app.state()->isSignedIn());
        QVERIFY(signIn(app.state()));
        QVERIFY(QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
        QTRY_COMPARE(registeredDevices(app.state()).size(), 1);
        const QString deviceId = LarkAccount::Client::deviceId();
        QCOMPARE(registeredDevices(app.state()).at(0).toObject().value(QStringLiteral("device_id")).toString(), deviceId);

        // A new AppState over the same folder is signed in and refreshes at once.
        const QString before = storedRefreshToken(app);
        QVERIFY(app.restart());
        QVERIFY(app.state()->isSignedIn());
        QTRY_VERIFY(storedRefreshToken(app) != before);
        QVERIFY(!storedRefreshToken(app).isEmpty());
        QTRY_COMPARE(app.state()->accountClient()->email(), QStringLiteral("ann@example.org"));
        QCOMPARE(LarkAccount::Client::deviceId(), deviceId);
    }

    void theWindowFollowsTheSignIn()
    {
        TestApp app;
        const Account account = *app.state()->accountService()->createAccount(
            [] {
                Account draft;
                draft.name = QStringLiteral("Checking");
                return draft;
            }(),
            QDate(2024, 1, 1));
        MainWindow w(app.state());
        QAction *accountAction = w.action(QStringLiteral("actionOnlineAccount"));
        QAction *signOut = w.action(QStringLiteral("actionSignOut"));
        // Signed out: the welcome page shows until an account is chosen.
        QCOMPARE(accountAction->statusTip(), QStringLiteral("Sign in or sign up"));
        QVERIFY(!signOut->isVisible());
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Not signed in"));
        QCOMPARE(w.welcomePage()->mode(), WelcomeScreen::Mode::FirstRun);
        w.pages()->setCurrentWidget(w.welcomePage());

        QSignalSpy messages(w.mainStatusBar(), &QStatusBar::messageChanged);
        QVERIFY(signIn(app.state()));
        QCOMPARE(accountAction->statusTip(), QStringLiteral("Manage your account"));
        QVERIFY(signOut->isVisible());
        // Signing in syncs at once: the state and a busy bar, then the message.
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Syncing..."));
        QVERIFY(w.mainStatusBar()->findChild<QProgressBar *>()->isVisibleTo(w.mainStatusBar())
                || !w.mainStatusBar()->currentMessage().isEmpty());
        QCOMPARE(w.pages()->currentWidget(), w.registerPage());
        QCOMPARE(app.state()->currentAccountId(), account.id);
        QVERIFY(messages.contains({QStringLiteral("Signed in successfully")}));
        QTRY_VERIFY(messages.contains({QStringLiteral("Sync complete")}));
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Synced"));
        QVERIFY(!w.mainStatusBar()->findChild<QProgressBar *>()->isVisibleTo(w.mainStatusBar()));

        // With the service gone the cycle fails and says why.
        m_server.stop();
        app.state()->syncEngine()->syncNow();
        QTRY_VERIFY(messages.contains({QStringLiteral("Sync failed: Pull failed (HTTP 0)")}));
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Sync error"));
        QString why;
        QVERIFY2(m_server.resume(&why), qPrintable(why));

        accountAction->trigger();
        auto *window = w.findChild<AccountWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Larkspire Account"));
        QVERIFY(window->showsSignedIn());
        QTRY_COMPARE(window->emailText(), QStringLiteral("ann@example.org"));
        QCOMPARE(window->nameText(), QStringLiteral("Test Person"));
        QTRY_COMPARE(window->deviceList()->count(), 1);
        QVERIFY(window->deviceList()->item(0)->text().contains(QStringLiteral("(this device)")));

        // Signing out comes back to the welcome page, now for a returning user.
        signOut->trigger();
        QVERIFY(!app.state()->isSignedIn());
        QVERIFY(!window->showsSignedIn());
        QCOMPARE(accountAction->statusTip(), QStringLiteral("Sign in or sign up"));
        QVERIFY(!signOut->isVisible());
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Not signed in"));
        QCOMPARE(w.pages()->currentWidget(), w.welcomePage());
        QCOMPARE(w.welcomePage()->mode(), WelcomeScreen::Mode::Returning);

        // A failed sign-in says why in the status bar.
        app.state()->accountClient()->signIn()->signIn();
        app.state()->accountClient()->signIn()->cancelSignIn();
        QVERIFY(messages.contains({QStringLiteral("Sign-in failed: cancelled")}));
    }

    // The service counts each user's changes on their own: a store that
    // synced with Ann must not go on with Bea's sign-in as if nothing changed.
    // Her older records would be skipped, and Ann's rows sent into her account.
    void anotherUserSigningInIsAskedFirst_data()
    {
        QTest::addColumn<bool>("proceed");
        QTest::newRow("continue") << true;
        QTest::newRow("cancel") << false;
    }
    void anotherUserSigningInIsAskedFirst()
    {
        QFETCH(bool, proceed);
        const QString ann = QStringLiteral("ann@example.org");
        const QString bea = QStringLiteral("bea@example.org");
        // Bea's account holds more changes than Ann's cursor will count.
        const QString beaToken = SignIn::signUp(m_server.client(), bea).access;
        QJsonArray changes;
        QStringList beaNames;
        for (int i = 0; i < 40; ++i) {
            beaNames.append(QStringLiteral("Bea %1").arg(i, 2, 10, QLatin1Char('0')));
            changes.append(SyncWire::accountChange(SyncWire::uuid(), 1, beaNames.last()));
        }
        QCOMPARE(m_server.client().postJson(QStringLiteral("/quillet/v1/sync/push"), SyncWire::body(changes), beaToken).status,
                 200);

        TestApp app;
        MainWindow w(app.state());
        AppState *state = app.state();
        SyncEngine *engine = state->syncEngine();
        auto localNames = [state] {
            QStringList names;
            for (const Account &account : state->accounts()->listLive())
                names.append(account.name);
            names.sort();
            return names;
        };
        auto settled = [state, engine] {
            return engine->state() == SyncEngine::Idle && state->accounts()->pending().isEmpty();
        };
        QVERIFY(signIn(state, ann));
        addAccount(state, QStringLiteral("Ann synced"));
        engine->syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 20000);
        QCOMPARE(serverAccountNames(state->accountClient()->signIn()->accessToken()),
                 QStringList{QStringLiteral("Ann synced")});
        addAccount(state, QStringLiteral("Ann pending"));
        state->accountClient()->signIn()->signOut();

        QSignalSpy completed(engine, &SyncEngine::syncCompleted);
        Prompt::clear();
        Prompt::queueAnswer(proceed ? QMessageBox::Yes : QMessageBox::Cancel);
        QVERIFY(signIn(state, bea));
        QTRY_COMPARE(Prompt::records().size(), 1);
        QCOMPARE(Prompt::records().at(0).title, QStringLiteral("Sync With a Different Account"));
        QVERIFY(Prompt::records().at(0).text.contains(ann));
        QVERIFY(Prompt::records().at(0).text.contains(bea));

        if (proceed) {
            // Everything here goes to Bea's account, and all of hers comes here.
            QStringList expected = beaNames + QStringList{QStringLiteral("Ann pending"), QStringLiteral("Ann synced")};
            expected.sort();
            QTRY_COMPARE_WITH_TIMEOUT(localNames(), expected, 20000);
            QTRY_VERIFY_WITH_TIMEOUT(settled(), 20000);
            QCOMPARE(serverAccountNames(beaToken), expected);
            // Bea is now the store's user: her next sign-in asks nothing.
            state->accountClient()->signIn()->signOut();
            completed.clear();
            QVERIFY(signIn(state, bea));
            QTRY_VERIFY(!completed.isEmpty());
            QCOMPARE(Prompt::records().size(), 1);
        } else {
            QTRY_VERIFY(!state->isSignedIn());
            QTest::qWait(300);
            QVERIFY(completed.isEmpty());
            QCOMPARE(serverAccountNames(beaToken), beaNames);
            QCOMPARE(localNames(), (QStringList{QStringLiteral("Ann pending"), QStringLiteral("Ann synced")}));
        }
        Prompt::clear();
    }

    void welcomePageModes_data()
    {
        QTest::addColumn<bool>("returning");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("secondary");
        QTest::addColumn<bool>("primarySignsIn");
        QTest::newRow("first run") << false << QStringLiteral("Welcome to\nLarkspire Quillet")
                                   << QStringLiteral("Create Your First Account")
                                   << QStringLiteral("Already have an account? Sign In") << false;
        QTest::newRow("returning") << true << QStringLiteral("Welcome back") << QStringLiteral("Sign In")
                                   << QStringLiteral("Create a different account") << true;
    }
    void welcomePageModes()
    {
        QFETCH(bool, returning);
        QFETCH(QString, title);
        QFETCH(QString, primary);
        QFETCH(QString, secondary);
        QFETCH(bool, primarySignsIn);
        TestApp app;
        QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), returning);
        MainWindow w(app.state());
        w.show();
        WelcomeScreen *welcome = w.welcomePage();
        QCOMPARE(w.pages()->currentWidget(), welcome);
        QCOMPARE(welcome->titleText(), title);
        QCOMPARE(welcome->primaryButton()->text(), primary);
        QCOMPARE(welcome->secondaryButton()->text(), secondary);
        QVERIFY(welcome->primaryButton()->isVisible());
        QVERIFY(welcome->secondaryButton()->isVisible());

        QSignalSpy signIn(welcome, &WelcomeScreen::signInRequested);
        QSignalSpy create(welcome, &WelcomeScreen::createAccountRequested);
        SignInClient *client = app.state()->accountClient()->signIn();
        client->setBrowserOpener([](const QUrl &) { return true; });
        QPushButton *signInButton = primarySignsIn ? welcome->primaryButton() : welcome->secondaryButton();
        signInButton->setFocus();
        QTest::keyClick(signInButton, Qt::Key_Space);
        QCOMPARE(signIn.size(), 1);
        QCOMPARE(create.size(), 0);
        QVERIFY(client->isSignInPending());
        client->cancelSignIn();
    }
};

QTEST_MAIN(TestOnlineAccount)
#include "tst_onlineaccount.moc"
