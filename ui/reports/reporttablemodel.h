#pragma once

#include "services/reportrecords.h"

#include <QAbstractTableModel>

class QTableView;

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
    const Report &report() const { return m_report; }
    const ReportRow *rowAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Each column as wide as its contents while the figures stay in sight.
    static void fitColumns(QTableView *view);
    // A heading or total whose next cells are empty runs across them.
    void spanHeadings(QTableView *view) const;

    Report m_report;
};
