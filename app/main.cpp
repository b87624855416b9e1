#include "app/application.h"
#include "app/appstate.h"
#include "data/datadirectory.h"

#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Logging::installMessageFilter();
    Application::setIdentity();
    app.loadTranslations();
    app.loadAssets();

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

    QMainWindow window;
    window.setWindowTitle(QString::fromLatin1(Application::kProductTitle));
    window.resize(1280, 900);
    window.show();
    return app.exec();
}
