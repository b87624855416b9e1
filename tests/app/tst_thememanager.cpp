#include "app/thememanager.h"
#include "data/preferencesrepository.h"
#include "support/core/teststore.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestThemeManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ThemeManager::setProcessFontScale(100); }

    void themeCodes()
    {
        TestStore s;
        ThemeManager theme(s.preferences);
        QSignalSpy changed(&theme, &ThemeManager::themeChanged);
        theme.applyTheme(QStringLiteral("dark"));
        QVERIFY(ThemeManager::isDarkPalette(QApplication::palette()));
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(QStringLiteral("#4DB6AC")));
        QCOMPARE(*s.preferences->get(QStringLiteral("theme")), QStringLiteral("dark"));
        theme.applyTheme(QStringLiteral("light"));
        QVERIFY(!ThemeManager::isDarkPalette(QApplication::palette()));
        QCOMPARE(QApplication::palette().color(QPalette::Disabled, QPalette::Text), QColor(QStringLiteral("#A0B5A8")));
        theme.applyTheme(QStringLiteral("purple"));
        QCOMPARE(theme.currentTheme(), int(ThemeManager::System));
        QCOMPARE(*s.preferences->get(QStringLiteral("theme")), QStringLiteral("system"));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().first().toInt(), 0);
    }

    void fontScaleIsClampedStoredAndApplied()
    {
        TestStore s;
        ThemeManager theme(s.preferences);
        QLabel label;
        ThemeManager::setRole(&label, ThemeManager::Heading);
        label.setProperty("larkFontItalic", true);
        QSignalSpy scaled(&theme, &ThemeManager::fontScaleChanged);

        theme.setFontScale(50);
        QCOMPARE(*s.preferences->get(QStringLiteral("fontScale")), QStringLiteral("70"));
        QCOMPARE(scaled.last().first().toInt(), 70);
        theme.setFontScale(200);
        QCOMPARE(*s.preferences->get(QStringLiteral("fontScale")), QStringLiteral("160"));
        const int base = ThemeManager::baseFont().pointSize() > 0 ? ThemeManager::baseFont().pointSize() : 10;
        // Live widgets with a role follow the new scale.
        QCOMPARE(label.font().pointSize(), base * 160 / 100 + 4);
        QVERIFY(label.font().italic());
        QCOMPARE(label.font().weight(), QFont::DemiBold);
        QCOMPARE(QApplication::font().pointSize(), base * 160 / 100);
    }

    void roleSizes()
    {
        // Role 2 at 70% of a 9-point base: 9 * 70 / 100 = 6, minus 2 is 4, raised to 7.
        QFont nine = ThemeManager::baseFont();
        nine.setPointSize(9);
        const int baseSize = ThemeManager::baseFont().pointSize();
        if (baseSize != 9)
            QSKIP("needs a 9-point base font to check the exact figure");
        ThemeManager::setProcessFontScale(70);
        QCOMPARE(ThemeManager::fontForRole(ThemeManager::Small).pointSize(), 7);
    }

    void roleTable()
    {
        ThemeManager::setProcessFontScale(100);
        const int s = ThemeManager::baseFont().pointSize() > 0 ? ThemeManager::baseFont().pointSize() : 10;
        QCOMPARE(ThemeManager::fontForRole(0).pointSize(), s);
        QCOMPARE(ThemeManager::fontForRole(42).pointSize(), s);
        QCOMPARE(ThemeManager::fontForRole(1).weight(), QFont::Medium);
        QCOMPARE(ThemeManager::fontForRole(2).pointSize(), std::max(7, s - 2));
        QCOMPARE(ThemeManager::fontForRole(3).pointSize(), s + 1);
        QCOMPARE(ThemeManager::fontForRole(5).pointSize(), s + 8);
        QCOMPARE(ThemeManager::fontForRole(6).pointSize(), s + 14);
        QCOMPARE(ThemeManager::fontForRole(6).weight(), QFont::Bold);
        QCOMPARE(ThemeManager::fontForRole(7).styleHint(), QFont::Monospace);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // A 9-point base makes the smallest role's floor observable.
    QFont f = QApplication::font();
    f.setPointSize(9);
    QApplication::setFont(f);
    TestThemeManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_thememanager.moc"
