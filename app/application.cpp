#include "app/application.h"
#include "quillet/version.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

const char *const Application::kVersion = QUILLET_VERSION;

const QStringList &Application::supportedLanguages()
{
    static const QStringList languages = {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"),
                                          QStringLiteral("fr"), QStringLiteral("ja")};
    return languages;
}

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

Application::~Application()
{
    if (m_appTranslator)
        removeTranslator(m_appTranslator.get());
    if (m_qtTranslator)
        removeTranslator(m_qtTranslator.get());
}

void Application::setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspire"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("larkspire.app"));
    QCoreApplication::setApplicationName(QStringLiteral(QUILLET_NAME));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_NAME));
}

QString Application::language(bool resolve)
{
    const QString stored = QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (!resolve || stored != QLatin1String("system"))
        return stored;
    const QString code = QLocale().name().left(2);
    return supportedLanguages().contains(code) ? code : QStringLiteral("en");
}

void Application::setLanguage(const QString &code)
{
    QSettings().setValue(QStringLiteral("ui/language"), code);
}

void Application::loadTranslations()
{
    const QString lang = language(true);
    if (lang != QLatin1String("en")) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(lang), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(qt.get());
            m_qtTranslator = std::move(qt);
        }
    }
    auto app = std::make_unique<QTranslator>();
    if (app->load(QStringLiteral(":/i18n/quillet_%1.qm").arg(lang))) {
        installTranslator(app.get());
        m_appTranslator = std::move(app);
    }
}

void Application::loadAssets()
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf")) < 0)
        qWarning() << "Could not load the icon font";
}
