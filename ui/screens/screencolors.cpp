#include "ui/screens/screencolors.h"

#include "app/thememanager.h"

#include <QApplication>

namespace ScreenColors {

bool dark()
{
    return ThemeManager::isDarkPalette(QApplication::palette());
}

QColor negative(bool dark)
{
    return QColor(dark ? 0xFF8A80 : 0xC62828);
}

QColor positive(bool dark)
{
    return QColor(dark ? 0x66BB6A : 0x2E7D32);
}

QColor muted(bool dark)
{
    return QColor(dark ? 0x8FAF9F : 0x6E8A7E);
}

QColor due()
{
    return QColor(0, 136, 0);
}

QString mutedStyle(bool dark)
{
    return QStringLiteral("color: %1;").arg(muted(dark).name());
}

} // namespace ScreenColors
