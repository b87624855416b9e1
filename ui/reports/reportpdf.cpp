#include "ui/reports/reportpdf.h"

#include "app/thememanager.h"
#include "data/clock.h"
#include "services/datetext.h"
#include "services/reportcatalog.h"
#include "services/reporttext.h"
#include "ui/charts/chartcolors.h"
#include "ui/charts/chartview.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPdf", text);
}

// Lays the table out over the pages: fixed column widths, the titles at the
// top of each page and the page number at the foot.
class TablePages
{
public:
    TablePages(QPdfWriter &writer, QPainter &p, const Report &report, const QRectF &page)
        : m_writer(writer), m_p(p), m_report(report), m_page(page)
    {
        m_font = p.font();
        m_bold = m_font;
        m_bold.setBold(true);
        const QFontMetricsF fm(m_bold, p.device());
        m_rowHeight = fm.height() * 1.45;
        m_pad = fm.height() * 0.4;
        // Each column as wide as its widest text, then all narrowed in
        // proportion when together they are wider than the page.
        const int n = int(report.columns.size());
        m_widths.fill(0, n);
        for (int c = 0; c < n; ++c)
            m_widths[c] = fm.horizontalAdvance(report.columns.at(c).title);
        for (const ReportRow &row : report.rows) {
            for (int c = 0; c < n; ++c) {
                const QString text = cellText(row, c);
                m_widths[c] = std::max(m_widths[c], fm.horizontalAdvance(text));
            }
        }
        double total = 0;
        for (double &w : m_widths) {
            w += m_pad * 2;
            total += w;
        }
        if (total > page.width()) {
            for (double &w : m_widths)
                w *= page.width() / total;
        }
        m_tableWidth = std::min(total, page.width());
    }

    // Draws the rows from top (on the first page) onwards.
    bool draw(double top, int *pages)
    {
        double y = top;
        drawHeader(y);
        y += m_rowHeight;
        for (int r = 0; r < m_report.rows.size(); ++r) {
            if (y + m_rowHeight > m_page.bottom() - m_rowHeight) {
                footer(*pages);
                if (!m_writer.newPage())
                    return false;
                ++*pages;
                y = m_page.top();
                drawHeader(y);
                y += m_rowHeight;
            }
            drawRow(m_report.rows.at(r), y, r);
            y += m_rowHeight;
        }
        footer(*pages);
        return true;
    }

private:
    QString cellText(const ReportRow &row, int c) const
    {
        const QString text = ReportText::cell(m_report.columns.at(c), row, c);
        return c == 0 && row.level > 0 ? QString(row.level * 3, QLatin1Char(' ')) + text : text;
    }

    void drawHeader(double y)
    {
        m_p.setFont(m_bold);
        m_p.setPen(Qt::black);
        double x = m_page.left();
        for (int c = 0; c < m_widths.size(); ++c) {
            const bool figure = ReportText::isFigure(m_report.columns.at(c).type);
            m_p.drawText(QRectF(x + m_pad, y, m_widths.at(c) - 2 * m_pad, m_rowHeight),
                         Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft),
                         QFontMetricsF(m_bold, m_p.device())
                             .elidedText(m_report.columns.at(c).title, Qt::ElideRight, m_widths.at(c) - 2 * m_pad));
            x += m_widths.at(c);
        }
        m_p.setPen(QPen(QColor(0x607D74), m_rowHeight / 20));
        m_p.drawLine(QPointF(m_page.left(), y + m_rowHeight), QPointF(m_page.left() + m_tableWidth, y + m_rowHeight));
    }

    void drawRow(const ReportRow &row, double y, int index)
    {
        if (index % 2 == 1)
            m_p.fillRect(QRectF(m_page.left(), y, m_tableWidth, m_rowHeight), QColor(0xF2F6F4));
        const QFont &font = row.total ? m_bold : m_font;
        m_p.setFont(font);
        const QFontMetricsF fm(font, m_p.device());
        double x = m_page.left();
        for (int c = 0; c < m_widths.size(); ++c) {
            const ReportColumn &column = m_report.columns.at(c);
            const QVariant value = row.cells.value(c);
            const bool negative = column.type == ColumnType::Money && value.typeId() != QMetaType::QString
                && value.toLongLong() < 0;
            m_p.setPen(negative ? QColor(0xC62828) : QColor(Qt::black));
            const double width = m_widths.at(c) - 2 * m_pad;
            m_p.drawText(QRectF(x + m_pad, y, width, m_rowHeight),
                         Qt::AlignVCenter | (ReportText::isFigure(column.type) ? Qt::AlignRight : Qt::AlignLeft),
                         fm.elidedText(cellText(row, c), Qt::ElideRight, width));
            x += m_widths.at(c);
        }
    }

    void footer(int page)
    {
        m_p.setFont(m_font);
        m_p.setPen(QColor(0x607D74));
        m_p.drawText(QRectF(m_page.left(), m_page.bottom() - m_rowHeight, m_page.width(), m_rowHeight),
                     Qt::AlignRight | Qt::AlignBottom, tr("Page %1").arg(page));
    }

    QPdfWriter &m_writer;
    QPainter &m_p;
    const Report &m_report;
    QRectF m_page;
    QFont m_font;
    QFont m_bold;
    QList<double> m_widths;
    double m_rowHeight = 0;
    double m_pad = 0;
    double m_tableWidth = 0;
};

} // namespace

namespace ReportPdf {

QPageSize::PageSizeId pageSizeFor(const QLocale &locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

bool write(const Report &report, const ReportChart *chart, const QString &path, QString *error)
{
    return write(report, chart, path, error, pageSizeFor(QLocale()));
}

bool write(const Report &report, const ReportChart *chart, const QString &path, QString *error,
           QPageSize::PageSizeId pageSize)
{
    const auto failed = [&](const QString &why) {
        *error = tr("The PDF could not be written: %1").arg(why);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(ReportCatalog::name(report.kind));
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageLayout(QPageLayout(QPageSize(pageSize), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&writer))
            return failed(tr("the page could not be drawn"));
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        QFont font = ThemeManager::baseFont();
        font.setPointSizeF(9);
        p.setFont(font);
        const double em = QFontMetricsF(font, &writer).height();

        QFont title = font;
        title.setPointSizeF(16);
        title.setBold(true);
        p.setFont(title);
        p.setPen(Qt::black);
        const double titleHeight = QFontMetricsF(title, &writer).height();
        p.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   ReportCatalog::name(report.kind));
        p.setFont(font);
        p.setPen(QColor(0x455A52));
        const QString subtitle = tr("%1  \u2022  Printed %2")
                                     .arg(ReportCatalog::rangeText(report.range), DateText::formatLong(Clock::today()));
        p.drawText(QRectF(page.left(), page.top() + titleHeight, page.width(), em * 1.4),
                   Qt::AlignLeft | Qt::AlignVCenter, subtitle);
        double y = page.top() + titleHeight + em * 2.2;

        if (chart) {
            ChartColors colors = ChartColors::forPalette(ThemeManager::lightPalette());
            colors.background = Qt::white;
            const QRectF area(page.left(), y, page.width(), page.height() * 0.32);
            ChartView::render(p, area, *chart, colors);
            y = area.bottom() + em * 1.2;
        }
        if (report.truncated) {
            const auto shown = std::count_if(report.rows.cbegin(), report.rows.cend(),
                                             [](const ReportRow &r) { return !r.total; });
            p.setPen(QColor(0x455A52));
            p.drawText(QRectF(page.left(), y, page.width(), em * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                       tr("The newest %1 of %2 rows.").arg(shown).arg(report.matchingRows));
            y += em * 1.6;
        }
        int pages = 1;
        TablePages table(writer, p, report, page);
        const bool drawn = table.draw(y, &pages);
        p.end();
        if (!drawn)
            return failed(tr("a page could not be added"));
    }
    if (!file.commit())
        return failed(file.errorString());
    return true;
}

} // namespace ReportPdf
