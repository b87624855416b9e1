#pragma once

#include <QApplication>

#include <memory>

class QTranslator;

// Process-wide settings: log filtering, identity, translations, window icon
// and the embedded icon font.
class Application : public QApplication
{
    Q_OBJECT
public:
    static const char *const kVersion; // CMake's project(VERSION)
    static constexpr const char *kProductTitle = "Larkspire Quillet";
    static const QStringList &supportedLanguages();

    Application(int &argc, char **argv);
    ~Application() override;

    // Sets organisation and application names, domain and version.
    static void setIdentity();

    // The stored language choice ("ui/language", default "system"); with
    // resolve, "system" becomes the default locale's language when supported,
    // else "en".
    static QString language(bool resolve);
    static void setLanguage(const QString &code);

    // Installs the toolkit's and the program's catalogues for the resolved language.
    void loadTranslations();
    // Window icon and the embedded "Material Icons" font.
    void loadAssets();

    bool hasToolkitTranslator() const { return m_qtTranslator != nullptr; }
    bool hasAppTranslator() const { return m_appTranslator != nullptr; }

private:
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<QTranslator> m_appTranslator;
};
