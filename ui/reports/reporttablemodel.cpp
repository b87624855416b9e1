#include "ui/reports/reporttablemodel.h"

#include "services/reporttext.h"
#include "ui/screens/screencolors.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

ReportTableModel::ReportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
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

void ReportTableModel::fitColumns(QTableView *view)
{
    // Rows as tall as their text and a little air, at every font size.
    const int line = view->fontMetrics().height();
    view->verticalHeader()->setMinimumSectionSize(line);
    view->verticalHeader()->setDefaultSectionSize(line + line / 2);
    view->resizeColumnsToContents();
    const int columns = view->model()->columnCount();
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        view->setColumnWidth(c, view->columnWidth(c) + line);
        total += view->columnWidth(c);
    }
    // When the table is wider than the view, the texts give up room first,
    // so that the figures stay in sight; the first column, which names the
    // row, keeps more of its width. The texts are elided.
    const auto floor = [&](int c) { return c == 0 ? line * 10 : line * 4; };
    const auto shrinks = [&](int c) { return !view->model()->headerData(c, Qt::Horizontal, FigureRole).toBool(); };
    const int excess = total - view->viewport()->width();
    int spare = 0;
    for (int c = 0; c < columns; ++c) {
        if (shrinks(c))
            spare += std::max(0, view->columnWidth(c) - floor(c));
    }
    if (excess <= 0 || spare <= 0)
        return;
    for (int c = 0; c < columns; ++c) {
        const int width = view->columnWidth(c);
        if (!shrinks(c) || width <= floor(c))
            continue;
        const int give = int(qint64(width - floor(c)) * std::min(excess, spare) / spare);
        view->setColumnWidth(c, width - give);
    }
}

void ReportTableModel::spanHeadings(QTableView *view) const
{
    view->clearSpans();
    for (int r = 0; r < m_report.rows.size(); ++r) {
        const ReportRow &row = m_report.rows.at(r);
        if (!row.total)
            continue;
        int empty = 0;
        while (empty + 1 < m_report.columns.size() && m_report.columns.at(empty + 1).type != ColumnType::Currency
               && row.cells.value(empty + 1).isNull())
            ++empty;
        if (empty > 0)
            view->setSpan(r, 0, 1, empty + 1);
    }
}

void ReportTableModel::setReport(const Report &report, QTableView *view)
{
    beginResetModel();
    m_report = report;
    endResetModel();
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
        return m_report.columns.at(section).title;
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
