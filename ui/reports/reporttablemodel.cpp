#include "ui/reports/reporttablemodel.h"

#include "services/reporttext.h"
#include "ui/screens/screencolors.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

// Rows freed in one go: a few milliseconds' work.
constexpr qsizetype kDiscardSlice = 5000;

} // namespace

ReportTableModel::ReportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_discardTimer(new QTimer(this))
{
    m_discardTimer->setInterval(0);
    connect(m_discardTimer, &QTimer::timeout, this, &ReportTableModel::discardSlice);
}

void ReportTableModel::discard(QList<ReportRow> &&rows)
{
    // Rows still shared with another copy of the report cost nothing to
    // let go here.
    if (rows.size() <= kDiscardSlice || !rows.isDetached())
        return;
    m_discarded.append(std::move(rows));
    m_discardTimer->start();
}

void ReportTableModel::discardSlice()
{
    if (m_discarded.isEmpty()) {
        m_discardTimer->stop();
        return;
    }
    QList<ReportRow> &rows = m_discarded.last();
    rows.resize(std::max<qsizetype>(0, rows.size() - kDiscardSlice));
    if (rows.isEmpty())
        m_discarded.removeLast();
}

void ReportTableModel::attach(QTableView *view)
{
    view->setModel(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
}

namespace {

// Rows measured for a column's width at each end of the report (headings and
// totals stand there), besides the largest figures in between.
constexpr int kMeasuredRows = 150;

// The title on two lines, broken at the space nearest its middle; the title
// as it is when it has no space.
QString brokenTitle(const QString &title)
{
    int best = -1;
    for (int i = 0; i < title.size(); ++i) {
        if (title.at(i) == QLatin1Char(' ') && (best < 0 || std::abs(2 * i - int(title.size())) < std::abs(2 * best - int(title.size()))))
            best = i;
    }
    if (best < 0)
        return title;
    QString broken = title;
    broken[best] = QLatin1Char('\n');
    return broken;
}

int linesWidth(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

int ReportTableModel::spanOf(int row) const
{
    const ReportRow &r = m_report.rows.at(row);
    if (!r.total)
        return 1;
    int empty = 0;
    while (empty + 1 < m_report.columns.size() && m_report.columns.at(empty + 1).type != ColumnType::Currency
           && r.cells.value(empty + 1).isNull())
        ++empty;
    return empty + 1;
}

int ReportTableModel::contentWidth(int column, const QFontMetrics &plain, const QFontMetrics &bold) const
{
    const int count = int(m_report.rows.size());
    QList<int> rows;
    for (int r = 0; r < std::min(count, kMeasuredRows); ++r)
        rows.append(r);
    for (int r = std::max(kMeasuredRows, count - kMeasuredRows); r < count; ++r)
        rows.append(r);
    // Between the ends, the figures that make the widest text: the largest
    // amount either way.
    const ColumnType type = m_report.columns.at(column).type;
    if (count > 2 * kMeasuredRows && (type == ColumnType::Money || type == ColumnType::Count)) {
        int low = -1;
        int high = -1;
        qint64 lowest = 0;
        qint64 highest = 0;
        for (int r = kMeasuredRows; r < count - kMeasuredRows; ++r) {
            const QVariantList &cells = m_report.rows.at(r).cells;
            if (column >= cells.size() || cells.at(column).typeId() != QMetaType::LongLong)
                continue;
            const qint64 n = cells.at(column).toLongLong();
            if (n < lowest) {
                lowest = n;
                low = r;
            } else if (n > highest) {
                highest = n;
                high = r;
            }
        }
        for (const int r : {low, high}) {
            if (r >= 0)
                rows.append(r);
        }
    }
    int widest = 0;
    for (const int r : std::as_const(rows)) {
        // A heading that runs across the next columns needs no room of its own.
        if (spanOf(r) > 1 && column == 0)
            continue;
        const QString text = data(index(r, column), Qt::DisplayRole).toString();
        widest = std::max(widest, (m_report.rows.at(r).total ? bold : plain).horizontalAdvance(text));
    }
    return widest;
}

void ReportTableModel::fitColumns(QTableView *view)
{
    const int columns = columnCount();
    // Rows as tall as their text and a little air, at every font size.
    const QFontMetrics plain(view->font());
    QFont boldFont = view->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    const int line = plain.height();
    view->verticalHeader()->setMinimumSectionSize(line);
    view->verticalHeader()->setDefaultSectionSize(line + line / 2);
    if (columns == 0)
        return;

    QHeaderView *header = view->horizontalHeader();
    const QStyle *style = view->style();
    // The room a cell's and a heading's text leave on their sides, and a
    // little air between the columns.
    const int cellMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + line / 5;
    const int headerMargins = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + line / 5;
    const QFontMetrics headerMetrics = header->fontMetrics();

    // The room there is: the view less its vertical scroll bar when the rows
    // will not fit under the heading.
    const QSize space = view->maximumViewportSize();
    int available = space.width();
    if (qint64(rowCount()) * (line + line / 2) + 2 * headerMetrics.height() + headerMargins > space.height())
        available -= std::max(view->verticalScrollBar()->sizeHint().width(),
                              style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view->verticalScrollBar()));

    struct Column {
        int content = 0;
        int header = 0;
        int brokenHeader = 0;
        bool shown = true;
        bool shrinks = false;
        int width() const { return std::max(content, header); }
    };
    // The contents are measured once a report and font: a table resized
    // fits its columns again from the same widths.
    if (m_contentWidths.size() != columns || m_measuredFont != view->font()) {
        m_contentWidths.clear();
        for (int c = 0; c < columns; ++c)
            m_contentWidths.append(contentWidth(c, plain, bold));
        m_measuredFont = view->font();
    }
    QList<Column> fit(columns);
    const bool headersWereBroken = m_brokenHeaders.contains(true);
    m_brokenHeaders = QList<bool>(columns, false);
    for (int c = 0; c < columns; ++c) {
        Column &col = fit[c];
        const ColumnType type = m_report.columns.at(c).type;
        col.shown = type != ColumnType::Currency || m_manyCurrencies;
        col.shrinks = !headerData(c, Qt::Horizontal, FigureRole).toBool();
        col.content = m_contentWidths.at(c) + cellMargins;
        const QString title = m_report.columns.at(c).title;
        col.header = headerMetrics.horizontalAdvance(title) + headerMargins;
        col.brokenHeader = linesWidth(headerMetrics, brokenTitle(title)) + headerMargins;
    }
    const auto total = [&] {
        int sum = 0;
        for (const Column &col : std::as_const(fit))
            sum += col.shown ? col.width() : 0;
        return sum;
    };
    // Too wide: first the headings wider than their column's contents break
    // onto two lines.
    if (total() > available) {
        for (int c = 0; c < columns; ++c) {
            Column &col = fit[c];
            if (col.header > col.content && col.brokenHeader < col.header) {
                col.header = std::max(col.brokenHeader, std::min(col.header, col.content));
                m_brokenHeaders[c] = true;
            }
        }
    }
    // Still too wide: the texts give up room, elided, the figures staying
    // whole. The first column, which names the row, keeps more of its
    // width; at the largest text sizes every text goes down to a few letters.
    QList<int> widths;
    for (const Column &col : std::as_const(fit))
        widths.append(col.width());
    const auto shrinkTexts = [&](int firstFloor, int otherFloor) {
        int sum = 0;
        int spare = 0;
        for (int c = 0; c < columns; ++c) {
            if (!fit.at(c).shown)
                continue;
            sum += widths.at(c);
            if (fit.at(c).shrinks)
                spare += std::max(0, widths.at(c) - (c == 0 ? firstFloor : otherFloor));
        }
        const int excess = sum - available;
        if (excess <= 0 || spare <= 0)
            return;
        const int goal = std::min(excess, spare);
        int given = 0;
        for (int c = 0; c < columns; ++c) {
            const int floor = c == 0 ? firstFloor : otherFloor;
            if (!fit.at(c).shown || !fit.at(c).shrinks || widths.at(c) <= floor)
                continue;
            const int give = int(qint64(widths.at(c) - floor) * goal / spare);
            widths[c] -= give;
            given += give;
        }
        // The pixels the shares left over by rounding down, one a column.
        for (bool gave = true; gave && given < goal;) {
            gave = false;
            for (int c = 0; c < columns && given < goal; ++c) {
                if (fit.at(c).shown && fit.at(c).shrinks && widths.at(c) > (c == 0 ? firstFloor : otherFloor)) {
                    --widths[c];
                    ++given;
                    gave = true;
                }
            }
        }
    };
    shrinkTexts(line * 10, line * 4);
    shrinkTexts(line * 3, line * 3);
    // Room to spare goes to the texts, the column that names the rows
    // first, so that the figures line up at the right edge.
    int used = 0;
    QList<int> texts;
    for (int c = 0; c < columns; ++c) {
        if (!fit.at(c).shown)
            continue;
        used += widths.at(c);
        if (fit.at(c).shrinks)
            texts.append(c);
    }
    if (used < available && !texts.isEmpty()) {
        if (texts.constFirst() == 0)
            texts = {0};
        const int share = (available - used) / int(texts.size());
        for (const int c : std::as_const(texts))
            widths[c] += share;
    }

    if (headersWereBroken || m_brokenHeaders.contains(true))
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns - 1);
    for (int c = 0; c < columns; ++c) {
        view->setColumnHidden(c, !fit.at(c).shown);
        view->setColumnWidth(c, widths.at(c));
    }
}

void ReportTableModel::spanHeadings(QTableView *view) const
{
    view->clearSpans();
    for (int r = 0; r < m_report.rows.size(); ++r) {
        const int span = spanOf(r);
        if (span > 1)
            view->setSpan(r, 0, 1, span);
    }
}

bool ReportTableModel::hasManyCurrencies(const Report &report)
{
    for (const ReportRow &row : report.rows) {
        if (row.currency != report.rows.constFirst().currency)
            return true;
    }
    return false;
}

void ReportTableModel::setReport(const Report &report, QTableView *view)
{
    beginResetModel();
    discard(std::move(m_report.rows));
    m_report = report;
    m_brokenHeaders.clear();
    m_contentWidths.clear();
    m_manyCurrencies = hasManyCurrencies(m_report);
    endResetModel();
    if (view) {
        fitColumns(view);
        spanHeadings(view);
    }
}

void ReportTableModel::completeReport(const Report &whole, QTableView *view)
{
    const qsizetype shown = m_report.rows.size();
    if (whole.kind != m_report.kind || whole.columns.size() != m_report.columns.size() || whole.rows.size() < shown) {
        setReport(whole, view);
        return;
    }
    const bool adds = whole.rows.size() > shown;
    if (adds)
        beginInsertRows({}, int(shown), int(whole.rows.size()) - 1);
    m_report = whole;
    m_contentWidths.clear();
    // A total may be the first row in another currency.
    const bool many = hasManyCurrencies(m_report);
    const bool currenciesChanged = many != m_manyCurrencies;
    m_manyCurrencies = many;
    if (adds)
        endInsertRows();
    if (currenciesChanged && shown > 0)
        Q_EMIT dataChanged(index(0, 0), index(int(shown) - 1, columnCount() - 1));
    if (view) {
        fitColumns(view);
        spanHeadings(view);
    }
}

const ReportRow *ReportTableModel::rowAt(int row) const
{
    return row >= 0 && row < m_report.rows.size() ? &m_report.rows.at(row) : nullptr;
}

int ReportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_report.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_report.columns.size());
}

QVariant ReportTableModel::data(const QModelIndex &index, int role) const
{
    const ReportRow *row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= m_report.columns.size())
        return {};
    const ReportColumn &column = m_report.columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const QString text = ReportText::cell(column, *row, index.column());
        // Rows under a heading step in, as in an outline.
        if (index.column() == 0 && row->level > 0 && role == Qt::DisplayRole)
            return QString(row->level * 4, QLatin1Char(' ')) + text;
        return text;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (ReportText::isFigure(column.type) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
        if (row->total) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (column.type == ColumnType::Money && row->cells.value(index.column()).typeId() != QMetaType::QString
            && row->cells.value(index.column()).toLongLong() < 0)
            return ScreenColors::negative(ScreenColors::dark());
        return {};
    case Qt::ToolTipRole:
        if (row->filterIndex >= 0)
            return tr("Double-click to see the transactions");
        if (!row->transactionId.isEmpty())
            return tr("Double-click to open the transaction");
        return {};
    case TransactionIdRole:
        return row->transactionId;
    case FilterIndexRole:
        return row->filterIndex;
    case ChartKeyRole:
        return row->chartKey;
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_report.columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_brokenHeaders.value(section) ? brokenTitle(m_report.columns.at(section).title)
                                              : m_report.columns.at(section).title;
    const ColumnType type = m_report.columns.at(section).type;
    const bool figure = ReportText::isFigure(type) || type == ColumnType::Currency || type == ColumnType::Date
        || (type == ColumnType::Month && section > 0);
    if (role == FigureRole)
        return figure;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (ReportText::isFigure(m_report.columns.at(section).type) ? Qt::AlignRight
                                                                                              : Qt::AlignLeft));
    return {};
}
