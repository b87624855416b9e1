#pragma once

#include <QColor>
#include <QList>

class QPalette;

// The colours of a chart, taken from a palette: its text and lines from the
// palette's roles, its series from a set that reads on the palette's
// background (deeper tones on the light one, lighter on the dark one).
struct ChartColors {
    QColor background;
    QColor text;
    QColor muted;  // axis labels, legends' second lines
    QColor grid;
    QColor axis;
    QList<QColor> series;
    QColor income;
    QColor expense;

    static ChartColors forPalette(const QPalette &palette);
    // The colour of series or slice i; the colours go round when there are many.
    QColor seriesColor(int i) const { return series.at(i % series.size()); }
};
