// Start-up's what's-new and update steps and the Help menu's update entries,
// against the real server's releases folder on a loopback port.
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/updatechecks.h"
#include "data/preferencesrepository.h"
#include "support/gui/testapp.h"
#include "testserver.h"
#include "ui/prompt.h"
#include "ui/update/updatewindow.h"
#include "ui/update/whatsnewwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>

class TestUpdates : public QObject
{
    Q_OBJECT

    QTemporaryDir m_releases;
    TestServer m_server;
    std::unique_ptr<TestApp> m_app;
    QList<QUrl> m_opened;

    void publish(const QString &version)
    {
        const QString dir = m_releases.filePath(QStringLiteral("quillet/stable"));
        QDir().mkpath(dir);
        QFile file(dir + QStringLiteral("/latest.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QJsonObject artifact{{QStringLiteral("url"), QStringLiteral("https://example.org/Quillet-%1.bin").arg(version)},
                                   {QStringLiteral("size"), 1048576},
                                   {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))}};
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("version"), version},
                                             {QStringLiteral("notes"), QStringLiteral("- Quicker **reports**")},
                                             {QStringLiteral("artifacts"),
                                              QJsonObject{{LarkUpdate::platformKey(), artifact}}}})
                       .toJson());
    }

    PreferencesRepository *preferences() const { return m_app->state()->preferences(); }

    // Runs one check of start-up's kind (or the one asked for) to its end.
    static void runCheck(UpdateChecks *checks, bool onRequest)
    {
        QSignalSpy handled(checks, &UpdateChecks::checkHandled);
        if (onRequest)
            checks->checkNow();
        else
            checks->checkAutomatically();
        QTRY_COMPARE(handled.size(), 1);
    }

private Q_SLOTS:
    void init()
    {
        QuilletServer::ServerConfig config = TestServer::testConfig();
        config.releasesDir = m_releases.path();
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why, config), qPrintable(why));
        m_server.exportEnvironment();
        QDir(m_releases.filePath(QStringLiteral("quillet"))).removeRecursively();
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        QCoreApplication::setApplicationVersion(QStringLiteral("1.1.1"));
        m_opened.clear();
        UpdateWindow::setUrlOpener([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
    }

    void cleanup()
    {
        m_app.reset();
    }

    void whatsNewOncePerVersion_data()
    {
        QTest::addColumn<QString>("lastShown");  // the settings key; empty: not set
        QTest::addColumn<QString>("legacy");     // the older preference; empty: not set
        QTest::addColumn<QString>("running");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("lastShownAfter");
        QTest::newRow("fresh installation") << "" << "" << "1.1.1" << true << "1.1.1";
        QTest::newRow("shown for this version") << "1.1.1" << "" << "1.1.1" << false << "1.1.1";
        QTest::newRow("upgraded") << "1.1.0" << "" << "1.1.1" << true << "1.1.1";
        QTest::newRow("upgraded past ten") << "1.9.0" << "" << "1.10.0" << true << "1.10.0";
        QTest::newRow("downgraded") << "1.2.0" << "" << "1.1.1" << false << "1.2.0";
        QTest::newRow("older preference carried over") << "" << "1.1.1" << "1.1.1" << false << "1.1.1";
        QTest::newRow("older preference, then upgraded") << "" << "1.1.0" << "1.1.1" << true << "1.1.1";
        QTest::newRow("settings key outranks the preference") << "1.1.1" << "1.0.0" << "1.1.1" << false << "1.1.1";
        QTest::newRow("unreadable record") << "soon" << "" << "1.1.1" << true << "1.1.1";
    }

    void whatsNewOncePerVersion()
    {
        QFETCH(QString, lastShown);
        QFETCH(QString, legacy);
        QFETCH(QString, running);
        QFETCH(bool, shown);
        QFETCH(QString, lastShownAfter);
        QSettings().remove(QStringLiteral("whatsNew/lastShownVersion"));
        if (!lastShown.isEmpty())
            QSettings().setValue(QStringLiteral("whatsNew/lastShownVersion"), lastShown);
        if (!legacy.isEmpty())
            preferences()->set(QStringLiteral("last_whats_new_version"), legacy);
        QCoreApplication::setApplicationVersion(running);

        MainWindow window(m_app->state());
        window.show();
        window.updateChecks()->atStartup();
        WhatsNewWindow *whatsNew = window.updateChecks()->whatsNewWindow();
        QCOMPARE(whatsNew && whatsNew->isVisible(), shown);
        QCOMPARE(QSettings().value(QStringLiteral("whatsNew/lastShownVersion")).toString(), lastShownAfter);

        // The next start of the same version stays quiet.
        MainWindow again(m_app->state());
        again.updateChecks()->atStartup();
        QVERIFY(!again.updateChecks()->whatsNewWindow());
    }

    // The built-in notes have a section for this version, which the window shows.
    void whatsNewShowsThisVersion()
    {
        const QString notes = WhatsNewWindow::builtInNotes();
        const QString section = WhatsNewWindow::sectionFor(notes, UpdateChecks::runningVersion());
        QVERIFY(!section.isEmpty());
        QVERIFY2(section.size() < notes.size(), "the running version has a section of its own");
        const QString twoVersions = QStringLiteral("# Notes\n\n## 1.2.0 (2026-12-01)\n\n- New\n\n## 1.1.1\n\n- Old\n");
        QCOMPARE(WhatsNewWindow::sectionFor(twoVersions, QStringLiteral("1.2.0")), QStringLiteral("- New"));
        QCOMPARE(WhatsNewWindow::sectionFor(twoVersions, QStringLiteral("1.1.1")), QStringLiteral("- Old"));
        QCOMPARE(WhatsNewWindow::sectionFor(twoVersions, QStringLiteral("3.0.0")), twoVersions.trimmed());

        MainWindow window(m_app->state());
        window.action(QStringLiteral("actionWhatsNew"))->trigger();
        WhatsNewWindow *shown = window.updateChecks()->whatsNewWindow();
        QVERIFY(shown && shown->isVisible());
        QTextDocument expected;
        expected.setMarkdown(section);
        QCOMPARE(shown->notesView()->toPlainText(), expected.toPlainText());
    }

    // Start-up's check offers only what was neither skipped nor older.
    void offerAtStartup_data()
    {
        QTest::addColumn<QString>("dismissed");  // empty: never dismissed
        QTest::addColumn<QString>("published");  // empty: nothing published (404)
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << "" << "1.2.0" << true;
        QTest::newRow("nothing published") << "" << "" << false;
        QTest::newRow("the running version") << "" << "1.1.1" << false;
        QTest::newRow("older than running") << "" << "1.0.5" << false;
        QTest::newRow("skipped") << "1.2.0" << "1.2.0" << false;
        QTest::newRow("newer than skipped") << "1.2.0" << "1.2.1" << true;
        QTest::newRow("older than skipped") << "1.3.0" << "1.2.0" << false;
        QTest::newRow("unreadable skip") << "later" << "1.2.0" << true;
    }

    void offerAtStartup()
    {
        QFETCH(QString, dismissed);
        QFETCH(QString, published);
        QFETCH(bool, offered);
        if (!dismissed.isEmpty())
            preferences()->set(QStringLiteral("update_dismissed_version"), dismissed);
        if (!published.isEmpty())
            publish(published);
        MainWindow window(m_app->state());
        runCheck(window.updateChecks(), false);
        UpdateWindow *offer = window.updateChecks()->offerWindow();
        QCOMPARE(offer && offer->isVisible(), offered);
        QVERIFY(Prompt::records().isEmpty());  // start-up's check never asks anything
        if (offered) {
            QCOMPARE(offer->release().version, published);
            QVERIFY(!offer->isModal());
            // The notes are rendered, not shown as Markdown source.
            QCOMPARE(offer->notesView()->toPlainText().trimmed(), QStringLiteral("Quicker reports"));
        }
    }

    // What each answer leaves for the next start.
    void answersToTheOffer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("offeredAgain");
        QTest::newRow("download") << "download" << false;
        QTest::newRow("skip") << "skip" << false;
        QTest::newRow("remind me later") << "remind" << true;
        QTest::newRow("escape") << "escape" << true;
    }

    void answersToTheOffer()
    {
        QFETCH(QString, answer);
        QFETCH(bool, offeredAgain);
        publish(QStringLiteral("1.2.0"));
        {
            MainWindow window(m_app->state());
            window.show();
            runCheck(window.updateChecks(), false);
            QPointer<UpdateWindow> offer = window.updateChecks()->offerWindow();
            QVERIFY(offer);
            QVERIFY(QTest::qWaitForWindowExposed(offer));
            if (answer == QLatin1String("download"))
                QTest::mouseClick(offer->downloadButton(), Qt::LeftButton);
            else if (answer == QLatin1String("skip"))
                QTest::keyClick(offer, Qt::Key_S, Qt::AltModifier);
            else if (answer == QLatin1String("remind"))
                QTest::keyClick(offer, Qt::Key_R, Qt::AltModifier);
            else
                QTest::keyClick(offer, Qt::Key_Escape);
            QTRY_VERIFY(!offer);
            QCOMPARE(m_opened, answer == QLatin1String("download")
                                   ? QList<QUrl>{QUrl(QStringLiteral("https://example.org/Quillet-1.2.0.bin"))}
                                   : QList<QUrl>{});
        }
        QVERIFY(m_app->restart());
        MainWindow window(m_app->state());
        runCheck(window.updateChecks(), false);
        QCOMPARE(window.updateChecks()->offerWindow() != nullptr, offeredAgain);
    }

    // Asked for, the check always answers, and offers even a skipped version.
    void checkOnRequest_data()
    {
        QTest::addColumn<QByteArray>("latest");  // empty: publish 1.2.0
        QTest::addColumn<QString>("dismissed");
        QTest::addColumn<QString>("prompt");     // the kind of message, or "offer"
        QTest::newRow("skipped, still offered") << QByteArray() << "1.2.0" << "offer";
        QTest::newRow("up to date") << QByteArray("{\"version\":\"1.1.1\",\"artifacts\":{}}") << "" << "information";
        QTest::newRow("malformed") << QByteArray("{\"version\":\"1.2\",\"artifacts\":{}}") << "" << "warning";
        QTest::newRow("broken JSON") << QByteArray("{\"version\":") << "" << "warning";
    }

    void checkOnRequest()
    {
        QFETCH(QByteArray, latest);
        QFETCH(QString, dismissed);
        QFETCH(QString, prompt);
        publish(QStringLiteral("1.2.0"));
        if (!latest.isEmpty()) {
            QFile file(m_releases.filePath(QStringLiteral("quillet/stable/latest.json")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(latest);
        }
        if (!dismissed.isEmpty())
            preferences()->set(QStringLiteral("update_dismissed_version"), dismissed);
        MainWindow window(m_app->state());
        QAction *check = window.action(QStringLiteral("actionCheckUpdates"));
        QSignalSpy handled(window.updateChecks(), &UpdateChecks::checkHandled);
        check->trigger();
        QVERIFY(!check->isEnabled());  // one check at a time
        QTRY_COMPARE(handled.size(), 1);
        QTRY_VERIFY(check->isEnabled());
        if (prompt == QLatin1String("offer")) {
            QVERIFY(window.updateChecks()->offerWindow());
            QVERIFY(Prompt::records().isEmpty());
            return;
        }
        QVERIFY(!window.updateChecks()->offerWindow());
        QCOMPARE(Prompt::records().size(), 1);
        QCOMPARE(Prompt::records().first().kind, prompt);
        if (prompt == QLatin1String("information"))
            QVERIFY(Prompt::records().first().text.startsWith(QStringLiteral("You're up to date")));
    }

    // Start-up's check runs by itself, at the downloads address the server printed.
    void startupChecksByItself()
    {
        publish(QStringLiteral("1.2.0"));
        QSettings().setValue(QStringLiteral("whatsNew/lastShownVersion"), QStringLiteral("1.1.1"));
        MainWindow window(m_app->state());
        QCOMPARE(window.updateChecks()->updateConfig().manifestBaseUrl,
                 QUrl(m_server.baseUrl().toString() + QStringLiteral("/downloads/quillet/stable/")));
        window.updateChecks()->atStartup();
        QVERIFY(!window.updateChecks()->offerWindow());
        QTRY_VERIFY_WITH_TIMEOUT(window.updateChecks()->offerWindow(), 10000);
    }
};

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
