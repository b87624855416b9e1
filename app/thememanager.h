#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>
#include <QSize>

class PreferencesRepository;
class QScreen;
class QWidget;

// One of two fixed palettes (or the platform's choice) and one global font
// scale. Widgets never set point sizes: they carry the dynamic property
// "larkFontRole" (optionally "larkFontItalic" and "larkFontWeight") and get
// their font from here.
class ThemeManager : public QObject
{
    Q_OBJECT
public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    enum FontRole { Body = 0, BodyMedium = 1, Small = 2, Subheading = 3, Heading = 4, Title = 5, Display = 6, Mono = 7 };

    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr);

    // "light", "dark"; anything else is the system choice.
    void applyTheme(const QString &code);
    void applyTheme(int theme);
    int currentTheme() const { return m_theme; }
    bool isDark() const;

    // Clamps to 70..160, stores "fontScale", re-applies the theme and re-fonts
    // every live widget that carries a font role.
    void setFontScale(int percent);

    static int fontScale();
    static void setProcessFontScale(int percent);  // clamped, not stored
    static int clampScale(int percent);
    // The size a window opens at: size grown with the text's scale (never
    // below 100 %) and to the window's content, as far as the screen allows.
    static QSize openingSize(const QWidget *window, const QSize &size, const QScreen *screen);
    static QFont baseFont();                         // captured on first use
    static void captureBaseFont();
    static QFont fontForRole(int role);
    // Applies the font role properties of w (if any) to it.
    static void applyRoleFont(QWidget *w);
    // Sets the role on w and applies it at once.
    static void setRole(QWidget *w, int role, int weight = -1, bool italic = false);

    // Text colours with a meaning, for the theme in force: each reads at a
    // contrast of at least 4.5:1 on the window, base and alternate rows.
    enum Tone { Muted = 0, Positive = 1, Negative = 2, Accent = 3 };
    static QColor tone(Tone tone);
    static QString toneName(Tone t) { return tone(t).name(); }
    // The theme in force, from the application palette, which is set before
    // themeChanged is sent (a widget's own palette may still be the old one).
    static bool darkNow();

    static QPalette lightPalette();
    static QPalette darkPalette();
    // A palette counts as dark when the lightness of its window colour is below 128.
    static bool isDarkPalette(const QPalette &palette);
    // The platform's own preference, for "system".
    static bool platformPrefersDark();

    static QString themeCode(int theme);

Q_SIGNALS:
    void themeChanged(int theme);
    void fontScaleChanged(int percent);

private:
    void applyPalette(const QPalette &palette);

    PreferencesRepository *m_preferences;
    int m_theme = System;
};
