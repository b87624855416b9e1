#include "app/application.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/logging.h"
#include "data/preferencesrepository.h"
#include "support/core/logcapture.h"
#include "support/gui/testapp.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsTheDataDirectoryAndSeedsOnce()
    {
        QTemporaryDir root;
        const QString nested = root.filePath(QStringLiteral("does/not/exist"));
        qputenv("QUILLET_DATA_DIR", nested.toUtf8());
        QCOMPARE(DataDirectory::databasePath(), nested + QStringLiteral("/quillet.db"));
        QVERIFY(QDir(nested).exists());
        {
            AppState state;
            QSignalSpy ready(&state, &AppState::databaseReady);
            QVERIFY(state.initialize());
            QCOMPARE(ready.count(), 1);
            QCOMPARE(state.database()->schemaVersion(), 4);
            QCOMPARE(state.categories()->liveCount(), 56);
            QCOMPARE(state.dataDirectory(), nested);
            QVERIFY(QFile::exists(nested + QStringLiteral("/quillet.db")));
            state.categories()->softDelete(state.categories()->list().first().id);
        }
        AppState again;
        QVERIFY(again.initialize());
        QCOMPARE(again.categories()->liveCount(), 55);
        qunsetenv("QUILLET_DATA_DIR");
    }

    void unopenableDatabaseFailsStartup()
    {
        QTemporaryDir root;
        QDir(root.path()).mkdir(QStringLiteral("quillet.db"));
        qputenv("QUILLET_DATA_DIR", root.path().toUtf8());
        LogCapture log;
        AppState state;
        QVERIFY(!state.initialize());
        qunsetenv("QUILLET_DATA_DIR");
    }

    void storedPreferencesAreClampedAndValidated_data()
    {
        QTest::addColumn<QString>("fontScale");
        QTest::addColumn<int>("expectedScale");
        QTest::addColumn<QString>("weekStart");
        QTest::addColumn<int>("expectedDay");
        const int localeDay = QLocale().firstDayOfWeek();
        QTest::newRow("text") << "abc" << 100 << "0" << localeDay;
        QTest::newRow("too large") << "200" << 160 << "8" << localeDay;
        QTest::newRow("too small") << "50" << 70 << "1" << 1;
        QTest::newRow("in range") << "130" << 130 << "7" << 7;
    }

    void storedPreferencesAreClampedAndValidated()
    {
        QFETCH(QString, fontScale);
        QFETCH(int, expectedScale);
        QFETCH(QString, weekStart);
        QFETCH(int, expectedDay);
        AppState::setFirstDayOfWeek(QLocale().firstDayOfWeek());
        TestApp app;
        QVERIFY(app.isReady());
        app.state()->preferences()->set(QStringLiteral("fontScale"), fontScale);
        app.state()->preferences()->set(QStringLiteral("weekStartDay"), weekStart);
        QVERIFY(app.restart());
        QCOMPARE(ThemeManager::fontScale(), expectedScale);
        QCOMPARE(int(AppState::firstDayOfWeek()), expectedDay);
        ThemeManager::setProcessFontScale(100);
    }

    void currentAccount()
    {
        TestApp app;
        AppState *state = app.state();
        QVERIFY(state->currentAccountId().isEmpty());
        QSignalSpy changed(state, &AppState::currentAccountChanged);
        state->setCurrentAccountId(QStringLiteral("acct-1"));
        state->setCurrentAccountId(QStringLiteral("acct-1"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("acct-1"));
        QCOMPARE(*state->preferences()->get(QStringLiteral("lastViewedAccountId")), QStringLiteral("acct-1"));

        // The next start remembers it, without announcing it.
        QVERIFY(app.restart());
        QCOMPARE(app.state()->currentAccountId(), QStringLiteral("acct-1"));
    }

    void languageResolution()
    {
        TestApp app;  // isolates the settings store
        QSettings().remove(QStringLiteral("ui/language"));
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QCOMPARE(Application::language(true), QStringLiteral("en"));
        QCOMPARE(Application::language(false), QStringLiteral("system"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Application::language(true), QStringLiteral("de"));
        Application::setLanguage(QStringLiteral("fr"));
        QCOMPARE(Application::language(true), QStringLiteral("fr"));
        QCOMPARE(Application::language(false), QStringLiteral("fr"));
        QLocale::setDefault(saved);
    }

    void logFilter()
    {
        // Runs this executable again as a child that only logs (see main below).
        auto run = [](bool verbose) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QUILLET_LOG_PROBE"), QStringLiteral("1"));
            QTemporaryDir dir;
            env.insert(QStringLiteral("QUILLET_DATA_DIR"), dir.path());
            if (verbose)
                env.insert(QStringLiteral("QUILLET_VERBOSE"), QStringLiteral("1"));
            else
                env.remove(QStringLiteral("QUILLET_VERBOSE"));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {});
            child.waitForFinished(30000);
            return QString::fromLocal8Bit(child.readAllStandardError());
        };
        const QString quiet = run(false);
        QVERIFY2(quiet.contains(QStringLiteral("WARN: probe warning\n")), qPrintable(quiet));
        QVERIFY2(!quiet.contains(QStringLiteral("probe info")), qPrintable(quiet));
        QVERIFY2(!quiet.contains(QStringLiteral("Opening database at:")), qPrintable(quiet));
        const QString verbose = run(true);
        QVERIFY2(verbose.contains(QStringLiteral("Opening database at:")), qPrintable(verbose));
        QVERIFY2(verbose.contains(QStringLiteral("probe info")), qPrintable(verbose));
    }
};

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("QUILLET_LOG_PROBE")) {
        QApplication app(argc, argv);
        Logging::installMessageFilter();
        qInfo("probe info");
        qWarning("probe warning");
        AppState state;
        return state.initialize() ? 0 : 1;
    }
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
