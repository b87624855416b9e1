#include "app/application.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/updatechecks.h"
#include "data/datadirectory.h"
#include "data/logging.h"
#include "ui/appstyle.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Logging::installMessageFilter();
    Application::setIdentity();
    AppStyle::install();
    app.loadTranslations();
    app.loadAssets();

    // Files given on the command line, or by the file manager, open in the import window.
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("main", "QIF or CSV files to import."),
                                 QStringLiteral("[files...]"));
    parser.process(app);
    QStringList files;
    for (const QString &path : parser.positionalArguments())
        files.append(QFileInfo(path).absoluteFilePath());

    auto *state = new AppState(&app);
    if (!state->initialize()) {
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("main", "Database Error"),
                        QCoreApplication::translate("main", "Failed to initialize the database.\n\nData directory: "
                                                            "%1\n\nPlease check file permissions and try again.")
                            .arg(DataDirectory::path()),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    MainWindow window(state);
    window.show();
    window.updateChecks()->atStartup();
    if (!files.isEmpty())
        window.importFiles(files);
    return app.exec();
}
