#pragma once

#include "services/reportrecords.h"

#include <QWidget>

class AppState;
class ChartView;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTableView;
class QTimer;
class ReportTableModel;

// The reports window: the list of reports, the period and the filters above
// a chart and the report's table. Reports are made on the report thread, so
// the window stays responsive over a large store; an answer that a newer
// choice has overtaken is dropped.
class ReportsScreen : public QWidget
{
    Q_OBJECT
public:
    // Rows of single transactions the window shows; Export CSV writes all.
    static constexpr int kShownRows = 5000;

    explicit ReportsScreen(AppState *state, QWidget *parent = nullptr);

    QListWidget *reportList() const { return m_reports; }
    QComboBox *periodCombo() const { return m_period; }
    QDateEdit *fromEdit() const { return m_from; }
    QDateEdit *toEdit() const { return m_to; }
    QComboBox *accountCombo() const { return m_account; }
    QComboBox *categoryCombo() const { return m_category; }
    QLineEdit *payeeEdit() const { return m_payee; }
    QTableView *table() const { return m_table; }
    ReportTableModel *model() const { return m_model; }
    ChartView *chartView() const { return m_chart; }
    QLabel *statusLabel() const { return m_status; }

    void selectReport(ReportKind kind);
    void selectPeriod(ReportPeriod period);
    // The report the controls ask for, its period settled on today's date.
    ReportRequest request() const;
    // A report is being made, or its totals are still being counted.
    bool isBusy() const { return m_ticket != 0; }

public Q_SLOTS:
    // Makes the chosen report again.
    void refresh();
    void exportCsv();
    void exportPdf();

Q_SIGNALS:
    // A report arrived and is on screen (the list of transactions may still
    // be waiting for its totals).
    void reportShown();
    // The report on screen is whole, its totals too.
    void reportCompleted();
    // A row of one transaction was double-clicked.
    void editTransactionRequested(const QString &transactionId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildControls();
    void refillAccounts();
    void refillCategories();
    void updateFilters();
    void showReport(quint64 ticket, const Report &report);
    void showTotals(quint64 ticket, const Report &report);
    // The line under the table: the period, and how much of it is shown.
    static QString statusText(const Report &report);
    void showChartFor(int row);
    void openRow(const QModelIndex &index);
    void exported(quint64 ticket, bool ok, const QString &error);
    // The list of reports stands beside the report while that leaves room
    // for the widest table at the current font, else above it, its names in
    // lines across the window.
    void placeReportList();
    bool listOnTop() const;
    void fitDateEdits();

    AppState *m_state;
    ReportTableModel *m_model;
    QListWidget *m_reports = nullptr;
    QHBoxLayout *m_outer = nullptr;
    QVBoxLayout *m_right = nullptr;
    QComboBox *m_period = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_categoryLabel = nullptr;
    QComboBox *m_category = nullptr;
    QLabel *m_payeeLabel = nullptr;
    QLineEdit *m_payee = nullptr;
    QPushButton *m_csv = nullptr;
    QPushButton *m_pdf = nullptr;
    QSplitter *m_split = nullptr;
    ChartView *m_chart = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_refreshTimer = nullptr;
    quint64 m_ticket = 0;
    quint64 m_exportTicket = 0;
    QString m_exportPath;
};
