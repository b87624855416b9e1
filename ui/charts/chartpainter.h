#pragma once

#include "services/reportrecords.h"
#include "ui/charts/chartcolors.h"

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// A part of a drawn chart the pointer or the keyboard can point at, with
// the exact figure it stands for.
struct ChartHit {
    QPainterPath area;
    int item = -1;    // the label's index
    int series = -1;  // the series' index, -1 for all series of the item
    QString text;     // "Groceries: $1,234.56 (23.4 %)"
};

// Draws a report chart into a rectangle of any paint device: the screen,
// or a PDF page at the printer's resolution. Sizes follow the painter's
// font, so that the chart stays readable at every font scale.
class ChartPainter
{
public:
    ChartPainter(QPainter &painter, const QRectF &area, const ReportChart &chart, const ChartColors &colors);

    // Draws the chart; the item `highlighted` (-1 for none) stands out.
    void draw(int highlighted = -1);
    // What was drawn where, in drawing order.
    const QList<ChartHit> &hits() const { return m_hits; }

    // The item's figures as a sentence, for tool tips and screen readers.
    static QString itemText(const ReportChart &chart, int item);
    // All items, for a screen reader's description of the chart.
    static QString description(const ReportChart &chart);

private:
    // The title line; returns the area left below it.
    QRectF drawTitle(const QRectF &area);
    // A legend of the series' names in one line at the top right of area;
    // returns the area left below it.
    QRectF drawSeriesLegend(const QRectF &area);
    void drawDonut(const QRectF &area, int highlighted);
    void drawBars(const QRectF &area, int highlighted);
    void drawColumns(const QRectF &area, int highlighted);
    void drawLine(const QRectF &area, int highlighted);

    struct Axis {
        qint64 low = 0;
        qint64 high = 0;
        qint64 step = 1;
        QRectF plot;  // where the values go
        double y(qint64 value) const;
    };
    // The value axis of the column and line charts, its labels drawn to
    // the left of the plot and the month labels below it.
    Axis drawAxes(const QRectF &area);
    // Short money text for an axis ("$1,500", "-$250").
    QString tickText(qint64 value) const;
    QColor seriesColor(int series) const;

    QPainter &m_p;
    QRectF m_area;
    const ReportChart &m_chart;
    const ChartColors &m_colors;
    QFont m_font;
    double m_em;    // the font's line height on this device
    double m_line;  // a thin line's width on this device
    QList<ChartHit> m_hits;
};
