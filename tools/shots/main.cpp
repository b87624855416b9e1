// quillet-shots: renders the main screens over the sample data into PNG files,
// in the light and the dark palette, for reviewing layouts and for the README.
//   quillet-shots OUTPUT_DIR [--scale=PERCENT]
#include "app/application.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/settingsscreen.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datadirectory.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/sampledata.h"

#include <QDir>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void save(QWidget *w, const QString &path)
{
    settle();
    w->grab().save(path);
    QTextStream(stdout) << path << "\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Logging::installMessageFilter();
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: quillet-shots OUTPUT_DIR [--scale=PERCENT]\n";
        return 2;
    }
    const QString out = args.at(1);
    QDir().mkpath(out);
    int scale = 100;
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--scale=")))
            scale = a.mid(8).toInt();
    }

    QTemporaryDir data;
    qputenv("QUILLET_DATA_DIR", data.path().toUtf8());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, data.path());
    Application::setIdentity();
    app.loadTranslations();
    app.loadAssets();

    AppState state;
    if (!state.initialize())
        return 1;
    state.themeManager()->setFontScale(scale);
    const QString suffix = scale == 100 ? QString() : QStringLiteral("-%1").arg(scale);

    for (const QString &theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->applyTheme(theme);
        {
            MainWindow window(&state);
            window.resize(1280, 820);
            window.show();
            save(&window, QStringLiteral("%1/welcome-%2%3.png").arg(out, theme, suffix));
            window.welcomePage()->setMode(WelcomeScreen::Mode::Returning);
            window.welcomePage()->setSignInAvailable(true);
            save(&window, QStringLiteral("%1/welcome-returning-%2%3.png").arg(out, theme, suffix));
            window.pages()->setCurrentWidget(window.emptyStatePage());
            save(&window, QStringLiteral("%1/empty-state-%2%3.png").arg(out, theme, suffix));
        }
        SampleData sample({state.accounts(), state.transactions(), state.categories(), state.splitLines(),
                           state.recurring(), state.reconciliations()});
        sample.load();
        state.setCurrentAccountId(QStringLiteral("sample-acct-checking"));
        {
            MainWindow window(&state);
            window.resize(1280, 820);
            window.show();
            save(&window, QStringLiteral("%1/main-%2%3.png").arg(out, theme, suffix));
            SettingsScreen settings(&state);
            settings.resize(560, 560);
            settings.show();
            const char *pages[] = {"general", "register", "data", "about"};
            for (int i = 0; i < 4; ++i) {
                settings.showPage(SettingsScreen::Page(i));
                save(&settings, QStringLiteral("%1/preferences-%2-%3%4.png").arg(out, QLatin1String(pages[i]), theme, suffix));
            }
        }
        sample.clear();
        state.setCurrentAccountId(QString());
    }
    return 0;
}
