#pragma once

// What assistive technology is told about our widgets beyond what the toolkit
// says by itself.
class QLabel;
class QString;

namespace Accessibility {

// Secondary windows are plain widgets with the window flag; the toolkit
// reports them as "filler". They are windows. Safe to call more than once.
void install();

// Shows value in a label that stands for a figure, and names it with its
// caption and the value, so that a screen reader speaks both ("Balance:
// $1,500.00") rather than the caption alone.
void showFigure(QLabel *label, const QString &caption, const QString &value);

} // namespace Accessibility
