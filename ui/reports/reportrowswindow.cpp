#include "ui/reports/reportrowswindow.h"

#include "app/appstate.h"
#include "services/reportservice.h"
#include "ui/reports/reportsscreen.h"
#include "ui/reports/reporttablemodel.h"

#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QVBoxLayout>

ReportRowsWindow::ReportRowsWindow(AppState *state, const ReportFilter &filter, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_model(new ReportTableModel(this))
    , m_table(new QTableView(this))
    , m_status(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setObjectName(QStringLiteral("reportRowsWindow"));
    const int em = fontMetrics().height();
    resize(em * 48, em * 26);

    m_table->setObjectName(QStringLiteral("reportRowsTable"));
    m_table->setAccessibleName(tr("Transactions"));
    m_model->attach(m_table);
    m_status->setObjectName(QStringLiteral("reportRowsStatus"));
    m_status->setText(tr("Reading the transactions\u2026"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);

    connect(m_table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString id = index.data(ReportTableModel::TransactionIdRole).toString();
        if (!id.isEmpty())
            Q_EMIT editTransactionRequested(id);
    });
    ReportService *service = state->reportService();
    connect(service, &ReportService::reportReady, this, &ReportRowsWindow::showRows);
    m_ticket = service->start({ReportKind::Transactions, filter}, ReportsScreen::kShownRows);
}

void ReportRowsWindow::showRows(quint64 ticket, const Report &report)
{
    if (ticket != m_ticket)
        return;
    m_ticket = 0;
    m_model->setReport(report, m_table);
    if (!report.error.isEmpty())
        m_status->setText(report.error);
    else if (report.truncated)
        m_status->setText(tr("The newest %1 of %2 transactions")
                              .arg(QLocale().toString(ReportsScreen::kShownRows),
                                   QLocale().toString(report.matchingRows)));
    else
        m_status->setText(tr("%n transaction(s)", nullptr, int(report.matchingRows)));
    Q_EMIT rowsShown();
}
