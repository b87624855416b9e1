#include "ui/charts/chartview.h"

#include "app/thememanager.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ThemeManager::setRole(this, ThemeManager::Body);
    setAccessibleName(tr("Chart"));
}

void ChartView::setChart(const ReportChart &chart)
{
    m_chart = chart;
    m_hasChart = true;
    m_highlighted = -1;
    describe();
    update();
}

void ChartView::clear()
{
    m_chart = ReportChart();
    m_hasChart = false;
    m_highlighted = -1;
    m_hits.clear();
    describe();
    update();
}

void ChartView::describe()
{
    setAccessibleName(m_hasChart ? m_chart.title : tr("Chart"));
    setAccessibleDescription(m_hasChart ? ChartPainter::description(m_chart) : QString());
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void ChartView::render(QPainter &painter, const QRectF &rect, const ReportChart &chart, const ChartColors &colors)
{
    ChartPainter(painter, rect, chart, colors).draw();
}

QSize ChartView::sizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 30, em * 13);
}

QSize ChartView::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 16, em * 8);
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const ChartColors colors = ChartColors::forPalette(palette());
    p.fillRect(rect(), colors.background);
    if (!m_hasChart) {
        m_hits.clear();
        return;
    }
    p.setFont(font());
    const int margin = fontMetrics().height() / 2;
    ChartPainter painter(p, QRectF(rect()).adjusted(margin, margin / 2, -margin, -margin / 2), m_chart, colors);
    painter.draw(m_highlighted);
    m_hits = painter.hits();
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

const ChartHit *ChartView::hitAt(const QPointF &pos) const
{
    // Drawn last is on top.
    for (auto it = m_hits.crbegin(); it != m_hits.crend(); ++it) {
        if (it->area.contains(pos))
            return &*it;
    }
    return nullptr;
}

QString ChartView::toolTipAt(const QPoint &pos) const
{
    const ChartHit *hit = hitAt(pos);
    return hit ? hit->text : QString();
}

bool ChartView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const ChartHit *hit = hitAt(help->pos());
        if (hit)
            QToolTip::showText(help->globalPos(), hit->text, this, hit->area.boundingRect().toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    const ChartHit *hit = hitAt(event->position());
    highlight(hit ? hit->item : -1);
    QWidget::mouseMoveEvent(event);
}

void ChartView::leaveEvent(QEvent *event)
{
    highlight(-1);
    QWidget::leaveEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent *event)
{
    const int count = int(m_chart.labels.size());
    if (!m_hasChart || count == 0)
        return QWidget::keyPressEvent(event);
    int item = m_highlighted;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        item = item < 0 ? 0 : std::min(count - 1, item + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        item = item < 0 ? count - 1 : std::max(0, item - 1);
        break;
    case Qt::Key_Home:
        item = 0;
        break;
    case Qt::Key_End:
        item = count - 1;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    highlight(item);
    repaint();
    // The figure where the part is, as a hover would show it.
    for (const ChartHit &hit : std::as_const(m_hits)) {
        if (hit.item == item) {
            const QRect box = hit.area.boundingRect().toAlignedRect();
            QToolTip::showText(mapToGlobal(box.center()), hit.text, this, box);
            break;
        }
    }
}

void ChartView::highlight(int item)
{
    if (item == m_highlighted)
        return;
    m_highlighted = item;
    if (item >= 0) {
        QAccessibleValueChangeEvent event(this, ChartPainter::itemText(m_chart, item));
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void ChartView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange
        || event->type() == QEvent::ApplicationPaletteChange)
        updateGeometry(), update();
}
