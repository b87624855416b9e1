#pragma once

#include "services/reportrecords.h"
#include "ui/charts/chartpainter.h"

#include <QWidget>

// A report's chart on screen: drawn in the theme's colours and the app's
// font, with the exact figure of the part under the pointer as a tool tip.
// It takes focus, and the arrow keys step through its parts the same way,
// so that the figures can be read without a mouse; screen readers get them
// all in the accessible description.
class ChartView : public QWidget
{
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    void setChart(const ReportChart &chart);
    void clear();
    bool hasChart() const { return m_hasChart; }
    const ReportChart &chart() const { return m_chart; }

    // The figure shown for the part at pos, empty when there is none.
    QString toolTipAt(const QPoint &pos) const;
    int highlightedItem() const { return m_highlighted; }

    // Draws a chart into rect of any paint device (a PDF page).
    static void render(QPainter &painter, const QRectF &rect, const ReportChart &chart, const ChartColors &colors);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const ChartHit *hitAt(const QPointF &pos) const;
    void highlight(int item);
    void describe();

    ReportChart m_chart;
    bool m_hasChart = false;
    QList<ChartHit> m_hits;
    int m_highlighted = -1;
};
