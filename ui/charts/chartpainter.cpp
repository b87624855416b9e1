#include "ui/charts/chartpainter.h"

#include "services/money.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChartPainter", text);
}

// A round step near range / 4: 1, 2 or 5 times a power of ten, in minor units.
qint64 niceStep(qint64 range)
{
    const double raw = std::max(1.0, double(range) / 4.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return std::max<qint64>(1, qint64(nice * power));
}

qint64 seriesTotal(const ReportChart &chart)
{
    qint64 total = 0;
    if (!chart.series.isEmpty()) {
        for (qint64 v : chart.series.first().values)
            total += std::max<qint64>(0, v);
    }
    return total;
}

} // namespace

ChartPainter::ChartPainter(QPainter &painter, const QRectF &area, const ReportChart &chart, const ChartColors &colors)
    : m_p(painter)
    , m_area(area)
    , m_chart(chart)
    , m_colors(colors)
    , m_font(painter.font())
{
    const QFontMetricsF fm(m_font, m_p.device());
    m_em = fm.height();
    m_line = std::max(1.0, m_em / 16.0);
}

void ChartPainter::draw(int highlighted)
{
    m_hits.clear();
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing);
    m_p.setRenderHint(QPainter::TextAntialiasing);
    QRectF area = drawTitle(m_area);
    if (m_chart.kind == ChartKind::GroupedBars || (m_chart.kind == ChartKind::Line && m_chart.series.size() > 1))
        area = drawSeriesLegend(area);
    if (!m_chart.labels.isEmpty() && area.height() > m_em && area.width() > m_em * 4) {
        switch (m_chart.kind) {
        case ChartKind::Donut:
            drawDonut(area, highlighted);
            break;
        case ChartKind::Bars:
            drawBars(area, highlighted);
            break;
        case ChartKind::GroupedBars:
            drawColumns(area, highlighted);
            break;
        case ChartKind::Line:
            drawLine(area, highlighted);
            break;
        }
    }
    m_p.restore();
}

QRectF ChartPainter::drawTitle(const QRectF &area)
{
    QFont bold = m_font;
    bold.setWeight(QFont::DemiBold);
    m_p.setFont(bold);
    m_p.setPen(m_colors.text);
    const QRectF line(area.left(), area.top(), area.width(), m_em * 1.4);
    const QString title = QFontMetricsF(bold, m_p.device()).elidedText(m_chart.title, Qt::ElideRight, area.width() * 0.6);
    m_p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    m_p.setFont(m_font);
    return area.adjusted(0, line.height() + m_em * 0.3, 0, 0);
}

QRectF ChartPainter::drawSeriesLegend(const QRectF &area)
{
    const QFontMetricsF fm(m_font, m_p.device());
    const double swatch = m_em * 0.7;
    double width = 0;
    for (const ChartSeries &s : m_chart.series)
        width += swatch + m_em * 0.4 + fm.horizontalAdvance(s.name) + m_em;
    // On the title's line when it fits beside it, else on a line of its own.
    const bool ownLine = width > area.width() * 0.4;
    const double top = ownLine ? area.top() : area.top() - m_em * 1.7;
    double x = ownLine ? area.left() : area.right() - width;
    m_p.setPen(m_colors.text);
    for (int i = 0; i < m_chart.series.size(); ++i) {
        const QRectF box(x, top + (m_em * 1.4 - swatch) / 2, swatch, swatch);
        m_p.fillRect(box, seriesColor(i));
        x = box.right() + m_em * 0.4;
        const double textWidth = fm.horizontalAdvance(m_chart.series.at(i).name);
        m_p.drawText(QRectF(x, top, textWidth + 1, m_em * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                     m_chart.series.at(i).name);
        x += textWidth + m_em;
    }
    return ownLine ? area.adjusted(0, m_em * 1.7, 0, 0) : area;
}

QColor ChartPainter::seriesColor(int series) const
{
    // Income and expenses keep the colours the register gives them.
    if (m_chart.key.startsWith(QLatin1String("flows")))
        return series == 0 ? m_colors.income : m_colors.expense;
    // A comparison sets this period against a quieter year before.
    if (m_chart.key.startsWith(QLatin1String("yoy")) && series == 1)
        return m_colors.muted;
    return m_colors.seriesColor(series);
}

double ChartPainter::Axis::y(qint64 value) const
{
    if (high == low)
        return plot.bottom();
    return plot.bottom() - double(value - low) / double(high - low) * plot.height();
}

QString ChartPainter::tickText(qint64 value) const
{
    // Ticks are round; whole units read without their ".00".
    QString text = Money::formatMoney(value, m_chart.currency);
    if (Money::decimals(int(m_chart.currency)) > 0 && text.endsWith(QLatin1String(".00")))
        text.chop(3);
    return text;
}

ChartPainter::Axis ChartPainter::drawAxes(const QRectF &area)
{
    Axis axis;
    qint64 low = 0;
    qint64 high = 0;
    for (const ChartSeries &s : m_chart.series) {
        for (qint64 v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (low == high)
        high = low + 100;
    axis.step = niceStep(high - low);
    axis.low = qint64(std::floor(double(low) / double(axis.step))) * axis.step;
    axis.high = qint64(std::ceil(double(high) / double(axis.step))) * axis.step;

    const QFontMetricsF fm(m_font, m_p.device());
    double labelWidth = 0;
    for (qint64 v = axis.low; v <= axis.high; v += axis.step)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(v)));
    axis.plot = area.adjusted(labelWidth + m_em * 0.5, m_em * 0.5, -m_em * 0.3, -m_em * 1.5);

    m_p.setPen(QPen(m_colors.grid, m_line));
    for (qint64 v = axis.low; v <= axis.high; v += axis.step) {
        const double y = axis.y(v);
        m_p.setPen(QPen(v == 0 ? m_colors.axis : m_colors.grid, m_line));
        m_p.drawLine(QPointF(axis.plot.left(), y), QPointF(axis.plot.right(), y));
        m_p.setPen(m_colors.muted);
        m_p.drawText(QRectF(area.left(), y - m_em / 2, labelWidth, m_em), Qt::AlignRight | Qt::AlignVCenter,
                     tickText(v));
    }

    // Month labels under their slots, as many as fit without touching.
    const int n = int(m_chart.labels.size());
    const double slot = axis.plot.width() / n;
    double widest = 0;
    for (const QString &label : m_chart.labels)
        widest = std::max(widest, fm.horizontalAdvance(label));
    const int every = std::max(1, int(std::ceil((widest + m_em * 0.6) / slot)));
    m_p.setPen(m_colors.muted);
    for (int i = 0; i < n; i += every) {
        const double centre = axis.plot.left() + slot * (i + 0.5);
        m_p.drawText(QRectF(centre - widest, axis.plot.bottom() + m_em * 0.25, widest * 2, m_em),
                     Qt::AlignHCenter | Qt::AlignTop, m_chart.labels.at(i));
    }
    return axis;
}

QString ChartPainter::itemText(const ReportChart &chart, int item)
{
    if (item < 0 || item >= chart.labels.size())
        return QString();
    const QString label = chart.labels.at(item);
    if (chart.kind == ChartKind::Donut && !chart.series.isEmpty()) {
        const qint64 value = chart.series.first().values.value(item);
        const qint64 total = seriesTotal(chart);
        const double share = total > 0 ? double(value) * 100.0 / double(total) : 0;
        return tr("%1: %2 (%3 %)")
            .arg(label, Money::formatMoney(value, chart.currency), QString::number(share, 'f', 1));
    }
    if (chart.series.size() == 1 && chart.kind == ChartKind::Bars)
        return tr("%1: %2").arg(label, Money::formatMoney(chart.series.first().values.value(item), chart.currency));
    QStringList parts;
    for (const ChartSeries &s : chart.series)
        parts.append(tr("%1: %2").arg(s.name, Money::formatMoney(s.values.value(item), chart.currency)));
    return tr("%1 \u2014 %2").arg(label, parts.join(QStringLiteral(", ")));
}

QString ChartPainter::description(const ReportChart &chart)
{
    constexpr int kMostItems = 60;
    QStringList items;
    for (int i = 0; i < chart.labels.size() && i < kMostItems; ++i)
        items.append(itemText(chart, i));
    QString text = tr("%1, %2: %3").arg(chart.title, Codes::currencyCode(chart.currency), items.join(QStringLiteral("; ")));
    if (chart.labels.size() > kMostItems)
        text += QCoreApplication::translate("ChartPainter", "; and %n more", nullptr,
                                            int(chart.labels.size()) - kMostItems);
    return text;
}
