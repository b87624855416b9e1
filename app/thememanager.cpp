#include "app/thememanager.h"

#include "data/preferencesrepository.h"

#include <QApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <qpa/qplatformtheme.h>
#include <private/qguiapplication_p.h>

namespace {

int g_fontScale = 100;
bool g_baseCaptured = false;
QFont g_baseFont;

int baseSize()
{
    const int size = ThemeManager::baseFont().pointSize();
    return size > 0 ? size : 10;
}

int scaledSize()
{
    return std::max(1, baseSize() * g_fontScale / 100);
}

struct PaletteRow {
    QPalette::ColorRole role;
    const char *light;
    const char *dark;
};

const PaletteRow kPalette[] = {
    {QPalette::Window, "#FAFBFA", "#0F1E19"},        {QPalette::WindowText, "#1B2D26", "#D8E8DF"},
    {QPalette::Base, "#FFFFFF", "#152420"},          {QPalette::AlternateBase, "#F2F7F4", "#1A2E28"},
    {QPalette::Text, "#1B2D26", "#D8E8DF"},          {QPalette::Button, "#E0EBE5", "#1E3530"},
    {QPalette::ButtonText, "#1B2D26", "#D8E8DF"},    {QPalette::Highlight, "#00897B", "#4DB6AC"},
    {QPalette::HighlightedText, "#FFFFFF", "#0F1E19"}, {QPalette::ToolTipBase, "#FFFFFF", "#1E3530"},
    {QPalette::ToolTipText, "#1B2D26", "#D8E8DF"},   {QPalette::PlaceholderText, "#6E8A7E", "#8FAF9F"},
    {QPalette::Mid, "#D8E0DB", "#2A4038"},           {QPalette::Light, "#FFFFFF", "#2A4038"},
    {QPalette::Dark, "#9BB0A3", "#0A1510"},
};

QPalette buildPalette(bool dark)
{
    QPalette p;
    for (const PaletteRow &row : kPalette)
        p.setColor(QPalette::All, row.role, QColor(QLatin1String(dark ? row.dark : row.light)));
    const QColor disabled(QLatin1String(dark ? "#3A5A4A" : "#A0B5A8"));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    captureBaseFont();
}

int ThemeManager::clampScale(int percent)
{
    return std::clamp(percent, 70, 160);
}

QSize ThemeManager::openingSize(const QWidget *window, const QSize &size, const QScreen *screen)
{
    QSize grown = (size * qMax(100, fontScale()) / 100.0).expandedTo(window->sizeHint());
    if (screen)
        grown = grown.boundedTo(screen->availableSize());
    return grown;
}

int ThemeManager::fontScale()
{
    return g_fontScale;
}

void ThemeManager::setProcessFontScale(int percent)
{
    g_fontScale = clampScale(percent);
}

void ThemeManager::captureBaseFont()
{
    if (!g_baseCaptured) {
        g_baseFont = QApplication::font();
        g_baseCaptured = true;
    }
}

QFont ThemeManager::baseFont()
{
    captureBaseFont();
    return g_baseFont;
}

QFont ThemeManager::fontForRole(int role)
{
    const int s = scaledSize();
    QFont f = baseFont();
    switch (role) {
    case BodyMedium:
        f.setPointSize(s);
        f.setWeight(QFont::Medium);
        break;
    case Small:
        f.setPointSize(std::max(7, s - 2));
        break;
    case Subheading:
        f.setPointSize(s + 1);
        f.setWeight(QFont::Medium);
        break;
    case Heading:
        f.setPointSize(s + 4);
        f.setWeight(QFont::DemiBold);
        break;
    case Title:
        f.setPointSize(s + 8);
        f.setWeight(QFont::DemiBold);
        break;
    case Display:
        f.setPointSize(s + 14);
        f.setWeight(QFont::Bold);
        break;
    case Mono:
        f = QFont(QStringLiteral("monospace"));
        f.setStyleHint(QFont::Monospace);
        f.setPointSize(s);
        break;
    default:
        f.setPointSize(s);
        break;
    }
    return f;
}

void ThemeManager::applyRoleFont(QWidget *w)
{
    const QVariant role = w->property("larkFontRole");
    if (!role.isValid())
        return;
    bool ok = false;
    const int r = role.toInt(&ok);
    if (!ok)
        return;
    QFont f = fontForRole(r);
    if (w->property("larkFontItalic").toBool())
        f.setItalic(true);
    const QVariant weight = w->property("larkFontWeight");
    if (weight.isValid())
        f.setWeight(QFont::Weight(weight.toInt()));
    w->setFont(f);
}

void ThemeManager::setRole(QWidget *w, int role, int weight, bool italic)
{
    w->setProperty("larkFontRole", role);
    if (weight >= 0)
        w->setProperty("larkFontWeight", weight);
    if (italic)
        w->setProperty("larkFontItalic", true);
    applyRoleFont(w);
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette(false);
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette(true);
}

bool ThemeManager::darkNow()
{
    return isDarkPalette(QGuiApplication::palette());
}

QColor ThemeManager::tone(Tone t)
{
    //                       light      dark
    static const char *const tones[][2] = {
        {"#52705F", "#8FAF9F"},  // muted
        {"#2A7530", "#66BB6A"},  // positive
        {"#C62828", "#FF8A80"},  // negative
        {"#00796B", "#4DB6AC"},  // accent
    };
    return QColor(QLatin1String(tones[t][darkNow() ? 1 : 0]));
}

bool ThemeManager::isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool ThemeManager::platformPrefersDark()
{
    if (const QPlatformTheme *theme = QGuiApplicationPrivate::platformTheme()) {
        switch (theme->appearance()) {
        case QPlatformTheme::Appearance::Dark:
            return true;
        case QPlatformTheme::Appearance::Light:
            return false;
        default:
            break;
        }
        if (const QPalette *palette = theme->palette())
            return isDarkPalette(*palette);
    }
    return false;
}

QString ThemeManager::themeCode(int theme)
{
    switch (theme) {
    case Light:
        return QStringLiteral("light");
    case Dark:
        return QStringLiteral("dark");
    default:
        return QStringLiteral("system");
    }
}

bool ThemeManager::isDark() const
{
    return isDarkPalette(QApplication::palette());
}

void ThemeManager::applyTheme(const QString &code)
{
    if (code == QLatin1String("light"))
        applyTheme(Light);
    else if (code == QLatin1String("dark"))
        applyTheme(Dark);
    else
        applyTheme(System);
}

void ThemeManager::applyPalette(const QPalette &palette)
{
    QApplication::setPalette(palette);
    QFont f = baseFont();
    f.setPointSize(scaledSize());
    QApplication::setFont(f);
}

void ThemeManager::applyTheme(int theme)
{
    if (theme != Light && theme != Dark)
        theme = System;
    m_theme = theme;
    const bool dark = theme == Dark || (theme == System && platformPrefersDark());
    applyPalette(dark ? darkPalette() : lightPalette());
    if (m_preferences)
        m_preferences->set(QStringLiteral("theme"), themeCode(theme));
    Q_EMIT themeChanged(theme);
}

void ThemeManager::setFontScale(int percent)
{
    g_fontScale = clampScale(percent);
    if (m_preferences)
        m_preferences->set(QStringLiteral("fontScale"), QString::number(g_fontScale));
    applyTheme(m_theme);
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *w : widgets)
        applyRoleFont(w);
    Q_EMIT fontScaleChanged(g_fontScale);
}
