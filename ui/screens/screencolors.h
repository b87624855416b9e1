#pragma once

#include <QColor>
#include <QString>

class QWidget;

// The money and muted text colours the screens share, each with a lighter
// variant that reads on the dark palette.
namespace ScreenColors {

// Whether the application's palette is the dark one.
bool dark();

QColor negative(bool dark);
QColor positive(bool dark);
QColor muted(bool dark);
// The green of due and income markers.
QColor due();

// "color: <muted>;" for labels drawn in the muted colour.
QString mutedStyle(bool dark);

} // namespace ScreenColors
