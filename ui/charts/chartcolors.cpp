#include "ui/charts/chartcolors.h"

#include "app/thememanager.h"
#include "ui/screens/screencolors.h"

#include <QPalette>

ChartColors ChartColors::forPalette(const QPalette &palette)
{
    const bool dark = ThemeManager::isDarkPalette(palette);
    ChartColors c;
    c.background = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    c.muted = ScreenColors::muted(dark);
    c.grid = palette.color(QPalette::Mid);
    c.axis = dark ? QColor(0x4A6A5C) : QColor(0x9BB0A3);
    // The app's teal first, then hues far enough apart to tell slices apart.
    const QList<QRgb> light = {0x00897B, 0xEF6C00, 0x3949AB, 0xC0A000, 0x8E24AA,
                               0x2E7D32, 0x1E88E5, 0xD81B60, 0x6D4C41, 0x78909C};
    const QList<QRgb> darker = {0x4DB6AC, 0xFFA726, 0x7986CB, 0xFFD54F, 0xCE93D8,
                                0x81C784, 0x64B5F6, 0xF48FB1, 0xBCAAA4, 0xB0BEC5};
    for (const QRgb rgb : dark ? darker : light)
        c.series.append(QColor(rgb));
    c.income = ScreenColors::positive(dark);
    c.expense = ScreenColors::negative(dark);
    return c;
}
