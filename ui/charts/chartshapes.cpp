// The four shapes of chart: a donut of shares, horizontal bars of a ranking,
// columns of months side by side, and a line through months.
#include "ui/charts/chartpainter.h"

#include "services/money.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

void ChartPainter::drawDonut(const QRectF &area, int highlighted)
{
    const QList<qint64> &values = m_chart.series.first().values;
    qint64 total = 0;
    for (qint64 v : values)
        total += std::max<qint64>(0, v);
    if (total <= 0)
        return;
    const double diameter = std::min(area.height(), area.width() * 0.45);
    const QRectF ring(area.left() + m_em * 0.5, area.top() + (area.height() - diameter) / 2, diameter, diameter);
    const double thickness = diameter * 0.2;
    const QRectF inner = ring.adjusted(thickness, thickness, -thickness, -thickness);

    // Slices clockwise from twelve o'clock, in the order of the labels.
    double start = 90.0;
    for (int i = 0; i < values.size(); ++i) {
        const double span = -360.0 * double(std::max<qint64>(0, values.at(i))) / double(total);
        const QRectF outer = i == highlighted ? ring.adjusted(-m_em * 0.25, -m_em * 0.25, m_em * 0.25, m_em * 0.25) : ring;
        QPainterPath slice;
        slice.arcMoveTo(outer, start);
        slice.arcTo(outer, start, span);
        slice.arcTo(inner, start + span, -span);
        slice.closeSubpath();
        m_p.setPen(QPen(m_colors.background, m_line * 1.5));
        m_p.setBrush(seriesColor(i));
        m_p.drawPath(slice);
        m_hits.append({slice, i, 0, itemText(m_chart, i)});
        start += span;
    }
    // The total in the hole, in a smaller font when a long figure needs one.
    const QString totalText = Money::formatMoney(total, m_chart.currency);
    QFont totalFont = m_font;
    totalFont.setWeight(QFont::DemiBold);
    const double room = inner.width() * 0.86;
    const double needed = QFontMetricsF(totalFont, m_p.device()).horizontalAdvance(totalText);
    if (needed > room && totalFont.pointSizeF() > 0)
        totalFont.setPointSizeF(totalFont.pointSizeF() * room / needed);
    else if (needed > room)
        totalFont.setPixelSize(std::max(1, int(totalFont.pixelSize() * room / needed)));
    m_p.setFont(totalFont);
    m_p.setPen(m_colors.text);
    m_p.drawText(QRectF(inner.left(), inner.center().y() - m_em, inner.width(), m_em), Qt::AlignCenter, totalText);
    m_p.setFont(m_font);
    m_p.setPen(m_colors.muted);
    m_p.drawText(QRectF(inner.left(), inner.center().y(), inner.width(), m_em), Qt::AlignCenter,
                 QCoreApplication::translate("ChartPainter", "Total"));

    // The legend beside the ring: as many rows as fit, with amounts and shares.
    const QFontMetricsF fm(m_font, m_p.device());
    const double left = ring.right() + m_em * 1.5;
    const double rowHeight = m_em * 1.35;
    const int rows = std::min(int(values.size()), std::max(1, int(area.height() / rowHeight)));
    const double top = area.top() + (area.height() - rows * rowHeight) / 2;
    const double width = area.right() - left;
    const double amountWidth = fm.horizontalAdvance(Money::formatMoney(total, m_chart.currency)) + m_em;
    const double shareWidth = fm.horizontalAdvance(QStringLiteral("100.0 %")) + m_em * 0.5;
    const double labelWidth = width - m_em * 1.2 - amountWidth - shareWidth;
    for (int i = 0; i < rows && labelWidth > m_em; ++i) {
        const double y = top + i * rowHeight;
        const double swatch = m_em * 0.7;
        m_p.fillRect(QRectF(left, y + (rowHeight - swatch) / 2, swatch, swatch), seriesColor(i));
        QFont font = m_font;
        font.setWeight(i == highlighted ? QFont::DemiBold : QFont::Normal);
        m_p.setFont(font);
        m_p.setPen(m_colors.text);
        const QRectF labelBox(left + m_em * 1.2, y, labelWidth, rowHeight);
        m_p.drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter,
                     fm.elidedText(m_chart.labels.at(i), Qt::ElideRight, labelWidth));
        const qint64 value = values.at(i);
        m_p.drawText(QRectF(labelBox.right(), y, amountWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     Money::formatMoney(value, m_chart.currency));
        m_p.setPen(m_colors.muted);
        m_p.drawText(QRectF(labelBox.right() + amountWidth, y, shareWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 %").arg(double(value) * 100.0 / double(total), 0, 'f', 1));
        QPainterPath row;
        row.addRect(QRectF(left, y, width, rowHeight));
        m_hits.append({row, i, 0, itemText(m_chart, i)});
    }
    m_p.setFont(m_font);
}

void ChartPainter::drawBars(const QRectF &area, int highlighted)
{
    const QList<qint64> &values = m_chart.series.first().values;
    const int n = int(values.size());
    qint64 largest = 1;
    for (qint64 v : values)
        largest = std::max(largest, std::abs(v));
    const QFontMetricsF fm(m_font, m_p.device());
    double labelWidth = 0;
    for (const QString &label : m_chart.labels)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(label));
    labelWidth = std::min(labelWidth + m_em * 0.5, area.width() * 0.35);
    const double valueWidth = fm.horizontalAdvance(Money::formatMoney(largest, m_chart.currency)) + m_em * 0.5;
    // Rows never lower than their text: when the chart is short, the
    // smallest bars at the end are left out instead.
    const double rowHeight = std::max(m_em * 1.1, std::min(m_em * 1.6, area.height() / n));
    const double barLeft = area.left() + labelWidth;
    const double barSpan = std::max(m_em, area.right() - barLeft - valueWidth);
    const int rows = std::min(n, int(area.height() / std::max(1.0, rowHeight)));
    for (int i = 0; i < rows; ++i) {
        const double y = area.top() + i * rowHeight;
        m_p.setPen(m_colors.text);
        m_p.drawText(QRectF(area.left(), y, labelWidth - m_em * 0.5, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     fm.elidedText(m_chart.labels.at(i), Qt::ElideRight, labelWidth - m_em * 0.5));
        const double length = std::max(m_line, barSpan * double(std::abs(values.at(i))) / double(largest));
        const QRectF bar(barLeft, y + rowHeight * 0.18, length, rowHeight * 0.64);
        QColor colour = seriesColor(0);
        if (highlighted >= 0 && i != highlighted)
            colour.setAlphaF(0.55);
        m_p.fillRect(bar, colour);
        m_p.setPen(m_colors.muted);
        m_p.drawText(QRectF(bar.right() + m_em * 0.3, y, valueWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     Money::formatMoney(values.at(i), m_chart.currency));
        QPainterPath hit;
        hit.addRect(QRectF(area.left(), y, area.width(), rowHeight));
        m_hits.append({hit, i, 0, itemText(m_chart, i)});
    }
}

void ChartPainter::drawColumns(const QRectF &area, int highlighted)
{
    const Axis axis = drawAxes(area);
    const int n = int(m_chart.labels.size());
    const int seriesCount = int(m_chart.series.size());
    const double slot = axis.plot.width() / n;
    const double group = slot * 0.78;
    const double width = std::max(m_line, group / seriesCount);
    const double zero = axis.y(0);
    for (int i = 0; i < n; ++i) {
        const double left = axis.plot.left() + slot * i + (slot - group) / 2;
        if (i == highlighted) {
            QColor band = m_colors.grid;
            band.setAlphaF(0.45);
            m_p.fillRect(QRectF(axis.plot.left() + slot * i, axis.plot.top(), slot, axis.plot.height()), band);
        }
        for (int s = 0; s < seriesCount; ++s) {
            const double y = axis.y(m_chart.series.at(s).values.value(i));
            const QRectF bar(left + width * s, std::min(y, zero), std::max(m_line, width - m_line * 0.5),
                             std::max(std::abs(zero - y), m_line * 0.5));
            m_p.fillRect(bar, seriesColor(s));
        }
        QPainterPath hit;
        hit.addRect(QRectF(axis.plot.left() + slot * i, axis.plot.top(), slot, axis.plot.height()));
        m_hits.append({hit, i, -1, itemText(m_chart, i)});
    }
}

void ChartPainter::drawLine(const QRectF &area, int highlighted)
{
    const Axis axis = drawAxes(area);
    const int n = int(m_chart.labels.size());
    const double slot = axis.plot.width() / n;
    const auto point = [&](int series, int i) {
        return QPointF(axis.plot.left() + slot * (i + 0.5), axis.y(m_chart.series.at(series).values.value(i)));
    };
    if (highlighted >= 0 && highlighted < n) {
        m_p.setPen(QPen(m_colors.axis, m_line, Qt::DashLine));
        const double x = point(0, highlighted).x();
        m_p.drawLine(QPointF(x, axis.plot.top()), QPointF(x, axis.plot.bottom()));
    }
    for (int s = 0; s < m_chart.series.size(); ++s) {
        QPainterPath path;
        for (int i = 0; i < n; ++i) {
            if (i == 0)
                path.moveTo(point(s, i));
            else
                path.lineTo(point(s, i));
        }
        m_p.setPen(QPen(seriesColor(s), m_line * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
        // Points only where they stay apart.
        const double radius = m_em * 0.22;
        m_p.setBrush(seriesColor(s));
        for (int i = 0; i < n; ++i) {
            if (slot > radius * 5 || i == highlighted)
                m_p.drawEllipse(point(s, i), i == highlighted ? radius * 1.6 : radius, i == highlighted ? radius * 1.6 : radius);
        }
    }
    for (int i = 0; i < n; ++i) {
        QPainterPath hit;
        hit.addRect(QRectF(axis.plot.left() + slot * i, axis.plot.top(), slot, axis.plot.height()));
        m_hits.append({hit, i, -1, itemText(m_chart, i)});
    }
}
