#include "support/gui/screenshots.h"

#include "app/thememanager.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace Screenshots {

QString directory()
{
    return qEnvironmentVariable("QUILLET_SHOT_DIR");
}

bool saveLightAndDark(QWidget *w, const QString &name)
{
    const QString dir = directory();
    if (dir.isEmpty())
        return true;
    QDir().mkpath(dir);
    const QPalette original = QApplication::palette();
    bool saved = true;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
        QApplication::processEvents();
        const QString file = QStringLiteral("%1/%2-%3.png").arg(dir, name, dark ? QStringLiteral("dark")
                                                                                  : QStringLiteral("light"));
        saved = w->grab().save(file) && saved;
    }
    QApplication::setPalette(original);
    return saved;
}

} // namespace Screenshots
