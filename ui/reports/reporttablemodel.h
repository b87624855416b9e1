#pragma once

#include "services/reportrecords.h"

#include <QAbstractTableModel>
#include <QFont>

class QFontMetrics;
class QTableView;
class QTimer;

// A report's table: one row a report row, the figures right-aligned, the
// headings and totals in bold and the rows under them indented.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Roles {
        TransactionIdRole = Qt::UserRole + 1,  // the transaction a row stands for
        FilterIndexRole,                       // the filter of the rows a row sums, -1 for none
        ChartKeyRole,
        FigureRole,  // of a header: figures, dates or currency codes, which are never elided
    };

    explicit ReportTableModel(QObject *parent = nullptr);

    // Shows the model in a read-only table of whole-row selection.
    void attach(QTableView *view);

    // Shows the report, and fits the view's columns to it when one is given.
    void setReport(const Report &report, QTableView *view = nullptr);
    // The whole report of the one shown with its totals pending: its rows
    // beyond those shown (the totals) are added below them, and the rows
    // shown, their selection and the scrolling stay as they are.
    void completeReport(const Report &whole, QTableView *view = nullptr);
    // Fits the view's columns to the report at the view's width and font:
    // each as wide as its contents, the figures whole; when that is too
    // wide, headings break onto two lines and texts give up room, elided.
    // It measures the first and last rows and the largest figures, never
    // every row, so it is quick on any report.
    void fitColumns(QTableView *view);
    const Report &report() const { return m_report; }
    const ReportRow *rowAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static bool hasManyCurrencies(const Report &report);
    // Lets the rows of the report shown before go. Tens of thousands of
    // rows take long to free, so a large table goes a slice at a time from
    // the event loop rather than all at once in the middle of showing the
    // next report.
    void discard(QList<ReportRow> &&rows);
    void discardSlice();
    // The widest text of a column in the rows it measures.
    int contentWidth(int column, const QFontMetrics &plain, const QFontMetrics &bold) const;
    // How many columns a heading or total runs across: its next cells are
    // empty. 1 for every other row.
    int spanOf(int row) const;
    // A heading or total whose next cells are empty runs across them.
    void spanHeadings(QTableView *view) const;

    Report m_report;
    QList<QList<ReportRow>> m_discarded;
    QTimer *m_discardTimer = nullptr;
    // The widths of the columns' contents, measured in m_measuredFont;
    // empty until measured.
    QList<int> m_contentWidths;
    QFont m_measuredFont;
    // Headings shown on two lines, to leave more room for the figures.
    QList<bool> m_brokenHeaders;
    // Whether the report has rows in more than one currency; with one, the
    // money shows its currency and its column is left out on screen.
    bool m_manyCurrencies = false;
};
