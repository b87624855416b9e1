#pragma once

#include "services/reportrecords.h"

#include <QWidget>

class AppState;
class QLabel;
class QTableView;
class ReportTableModel;

// The transactions behind a figure of a report, so that a total can be
// checked: a window of its own, deleted when closed.
class ReportRowsWindow : public QWidget
{
    Q_OBJECT
public:
    ReportRowsWindow(AppState *state, const ReportFilter &filter, const QString &title, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    ReportTableModel *model() const { return m_model; }

Q_SIGNALS:
    void rowsShown();
    void editTransactionRequested(const QString &transactionId);

private:
    void showRows(quint64 ticket, const Report &report);

    ReportTableModel *m_model;
    QTableView *m_table;
    QLabel *m_status;
    quint64 m_ticket = 0;
};
