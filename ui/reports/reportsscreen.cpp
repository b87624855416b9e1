#include "ui/reports/reportsscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/transactionrepository.h"
#include "services/reportcatalog.h"
#include "services/reportservice.h"
#include "ui/charts/chartview.h"
#include "ui/dialogs/categorychoices.h"
#include "ui/prompt.h"
#include "ui/reports/reportpdf.h"
#include "ui/reports/reportrowswindow.h"
#include "ui/reports/reporttablemodel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QResizeEvent>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A pause after typing a payee before the report is made again.
constexpr int kTypingDelayMs = 300;

QString exportDirectory()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

// The category and every category below it, from the live list.
QStringList withDescendants(const QList<Category> &all, const QString &id)
{
    QStringList ids{id};
    for (int i = 0; i < ids.size(); ++i) {
        for (const Category &c : all) {
            if (c.parentId == ids.at(i) && !ids.contains(c.id))
                ids.append(c.id);
        }
    }
    return ids;
}

} // namespace

ReportsScreen::ReportsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new ReportTableModel(this))
{
    m_reports = new QListWidget(this);
    m_reports->setObjectName(QStringLiteral("reportList"));
    m_reports->setAccessibleName(tr("Reports"));
    for (int k = 0; k < kReportKindCount; ++k) {
        auto *item = new QListWidgetItem(ReportCatalog::name(ReportKind(k)), m_reports);
        item->setData(Qt::UserRole, k);
    }
    m_reports->setCurrentRow(0);
    m_reports->installEventFilter(this);

    m_chart = new ChartView(this);
    m_chart->setObjectName(QStringLiteral("reportChart"));
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("reportTable"));
    m_table->setAccessibleName(tr("Report table"));
    m_model->attach(m_table);

    m_split = new QSplitter(Qt::Vertical, this);
    m_split->setObjectName(QStringLiteral("reportSplit"));
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_chart);
    m_split->addWidget(m_table);
    m_split->setStretchFactor(0, 2);
    m_split->setStretchFactor(1, 3);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("reportStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setWordWrap(true);

    m_csv = new QPushButton(tr("Export CSV"), this);
    m_csv->setObjectName(QStringLiteral("exportCsv"));
    m_pdf = new QPushButton(tr("Export PDF\u2026"), this);
    m_pdf->setObjectName(QStringLiteral("exportPdf"));
    auto *foot = new QHBoxLayout;
    foot->addWidget(m_status, 1);
    foot->addWidget(m_csv);
    foot->addWidget(m_pdf);

    m_right = new QVBoxLayout;
    m_right->addWidget(buildControls());
    m_right->addWidget(m_split, 1);
    m_right->addLayout(foot);
    m_outer = new QHBoxLayout(this);
    m_outer->addLayout(m_right, 1);
    placeReportList();

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &ReportsScreen::refresh);
    const auto soon = [this] { m_refreshTimer->start(0); };
    connect(m_reports, &QListWidget::currentRowChanged, this, [this, soon] {
        updateFilters();
        soon();
    });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this, soon] {
        updateFilters();
        soon();
    });
    connect(m_from, &QDateEdit::dateChanged, this, soon);
    connect(m_to, &QDateEdit::dateChanged, this, soon);
    connect(m_account, &QComboBox::currentIndexChanged, this, soon);
    connect(m_category, &QComboBox::currentIndexChanged, this, soon);
    connect(m_payee, &QLineEdit::textChanged, this, [this] { m_refreshTimer->start(kTypingDelayMs); });
    connect(m_payee, &QLineEdit::returnPressed, this, soon);
    connect(m_csv, &QPushButton::clicked, this, &ReportsScreen::exportCsv);
    connect(m_pdf, &QPushButton::clicked, this, &ReportsScreen::exportPdf);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &ReportsScreen::openRow);
    m_table->installEventFilter(this);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showChartFor(current.row()); });

    ReportService *service = m_state->reportService();
    connect(service, &ReportService::reportReady, this, &ReportsScreen::showReport);
    connect(service, &ReportService::totalsReady, this, &ReportsScreen::showTotals);
    connect(service, &ReportService::csvExported, this, &ReportsScreen::exported);

    // While the window is open, changes made elsewhere make the report again
    // once per burst.
    const auto changed = [this] {
        if (isVisible())
            m_refreshTimer->start(0);
    };
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this, changed);
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this, [this, changed] {
        refillAccounts();
        changed();
    });
    connect(m_state->categories(), &CategoryRepository::categoriesChanged, this, [this, changed] {
        refillCategories();
        changed();
    });

    refillAccounts();
    refillCategories();
    selectPeriod(ReportPeriod::ThisYear);
    updateFilters();
    m_refreshTimer->stop();
}

QWidget *ReportsScreen::buildControls()
{
    // The period on the first line and what narrows the rows below it, so
    // that each line fits the window at large text sizes.
    auto *box = new QWidget(this);
    auto *lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    lines->addLayout(row);
    const auto labelled = [&](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, box);
        label->setBuddy(buddy);
        row->addWidget(label);
        row->addWidget(buddy);
        return label;
    };

    m_period = new QComboBox(box);
    m_period->setObjectName(QStringLiteral("reportPeriod"));
    m_period->setAccessibleName(tr("Period"));
    for (int p = 0; p < kReportPeriodCount; ++p)
        m_period->addItem(ReportCatalog::periodName(ReportPeriod(p)), p);
    labelled(tr("&Period:"), m_period);

    const QDate today = Clock::today();
    m_from = new QDateEdit(QDate(today.year(), 1, 1), box);
    m_from->setObjectName(QStringLiteral("reportFrom"));
    m_from->setAccessibleName(tr("From date"));
    m_to = new QDateEdit(today, box);
    m_to->setObjectName(QStringLiteral("reportTo"));
    m_to->setAccessibleName(tr("To date"));
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    }
    fitDateEdits();
    labelled(tr("&From:"), m_from);
    labelled(tr("&To:"), m_to);
    row->addStretch(1);
    row = new QHBoxLayout;
    lines->addLayout(row);

    m_account = new QComboBox(box);
    m_account->setObjectName(QStringLiteral("reportAccount"));
    m_account->setAccessibleName(tr("Account"));
    // Long names are elided rather than widening the window.
    m_account->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_account->setMinimumContentsLength(14);
    labelled(tr("&Account:"), m_account);
    row->addStretch(1);
    // The list of transactions also narrows by category and payee, on a
    // line of its own.
    row = new QHBoxLayout;
    lines->addLayout(row);

    m_category = new QComboBox(box);
    m_category->setObjectName(QStringLiteral("reportCategory"));
    m_category->setAccessibleName(tr("Category"));
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_category->setMinimumContentsLength(14);
    m_categoryLabel = labelled(tr("&Category:"), m_category);

    m_payee = new QLineEdit(box);
    m_payee->setObjectName(QStringLiteral("reportPayee"));
    m_payee->setAccessibleName(tr("Payee"));
    m_payee->setPlaceholderText(tr("Any payee"));
    m_payee->setClearButtonEnabled(true);
    m_payee->setMinimumWidth(m_payee->fontMetrics().averageCharWidth() * 16);
    m_payeeLabel = labelled(tr("Pa&yee:"), m_payee);

    row->addStretch(1);
    return box;
}

void ReportsScreen::refillAccounts()
{
    const QString chosen = m_account->currentData().toString();
    const QSignalBlocker block(m_account);
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &a : m_state->accounts()->listLive())
        m_account->addItem(a.name, a.id);
    m_account->setCurrentIndex(std::max(0, m_account->findData(chosen)));
}

void ReportsScreen::refillCategories()
{
    const QVariant chosen = m_category->currentData();
    const QSignalBlocker block(m_category);
    m_category->clear();
    m_category->addItem(tr("All Categories"));
    for (const CategoryChoice &choice : CategoryChoices::load(m_state->categories()))
        m_category->addItem(choice.label, choice.id);
    const int index = chosen.isValid() ? m_category->findData(chosen) : 0;
    m_category->setCurrentIndex(std::max(0, index));
}

void ReportsScreen::updateFilters()
{
    const auto period = ReportPeriod(m_period->currentData().toInt());
    const bool custom = period == ReportPeriod::Custom;
    m_from->setEnabled(custom);
    m_to->setEnabled(custom);
    // The editors show the dates a period stands for, and Custom starts from them.
    const DateRange range = ReportCatalog::periodRange(period, Clock::today());
    if (!custom && !range.isOpen()) {
        const QSignalBlocker quietFrom(m_from);
        const QSignalBlocker quietTo(m_to);
        m_from->setDate(range.from);
        m_to->setDate(range.to);
    }
    // Only the list of transactions narrows by category and payee; the
    // other reports are about those.
    const bool rows = request().kind == ReportKind::Transactions;
    for (QWidget *w : {static_cast<QWidget *>(m_categoryLabel), static_cast<QWidget *>(m_category),
                       static_cast<QWidget *>(m_payeeLabel), static_cast<QWidget *>(m_payee)})
        w->setVisible(rows);
}

void ReportsScreen::selectReport(ReportKind kind)
{
    m_reports->setCurrentRow(int(kind));
}

void ReportsScreen::selectPeriod(ReportPeriod period)
{
    m_period->setCurrentIndex(std::max(0, m_period->findData(int(period))));
}

ReportRequest ReportsScreen::request() const
{
    ReportRequest r;
    const QListWidgetItem *item = m_reports->currentItem();
    r.kind = item ? ReportKind(item->data(Qt::UserRole).toInt()) : ReportKind::CategorySpending;
    const auto period = ReportPeriod(m_period->currentData().toInt());
    r.filter.range = ReportCatalog::periodRange(period, Clock::today(), {m_from->date(), m_to->date()});
    const QString account = m_account->currentData().toString();
    if (!account.isEmpty())
        r.filter.accountIds = {account};
    if (r.kind == ReportKind::Transactions) {
        const QVariant category = m_category->currentData();
        if (category.isValid() && category.toString().isEmpty())
            r.filter.uncategorized = true;
        else if (category.isValid())
            r.filter.categoryIds = withDescendants(m_state->categories()->list(), category.toString());
        r.filter.payee = m_payee->text().trimmed();
    }
    return r;
}

void ReportsScreen::refresh()
{
    m_refreshTimer->stop();
    updateFilters();
    m_status->setText(tr("Making the report\u2026"));
    const ReportRequest r = request();
    ReportService *service = m_state->reportService();
    // The report asked for before, still being made, is of no use now.
    service->cancel(m_ticket);
    // The newest transactions show while the totals over all of them are counted.
    m_ticket = service->start(r, r.kind == ReportKind::Transactions ? kShownRows : -1,
                              ReportService::Delivery::RowsFirst);
}

void ReportsScreen::showReport(quint64 ticket, const Report &report)
{
    if (ticket != m_ticket)
        return;
    // With the totals still to come, the ticket stays open for them.
    if (!report.totalsPending)
        m_ticket = 0;
    m_model->setReport(report, m_table);

    m_chart->setVisible(!report.charts.isEmpty());
    if (report.charts.isEmpty())
        m_chart->clear();
    else
        m_chart->setChart(report.charts.first());

    m_status->setText(statusText(report));
    Q_EMIT reportShown();
    if (!report.totalsPending)
        Q_EMIT reportCompleted();
}

QString ReportsScreen::statusText(const Report &report)
{
    if (!report.error.isEmpty())
        return report.error;
    QString status = ReportCatalog::rangeText(report.range);
    if (report.totalsPending)
        status += QStringLiteral("  \u2022  ")
            + tr("Showing the newest %1 rows; counting the rest\u2026").arg(QLocale().toString(kShownRows));
    else if (report.truncated)
        status += QStringLiteral("  \u2022  ")
            + tr("Showing the newest %1 of %2 rows; Export CSV writes them all.")
                  .arg(QLocale().toString(kShownRows), QLocale().toString(report.matchingRows));
    else if (report.rows.isEmpty())
        status += QStringLiteral("  \u2022  ") + tr("Nothing in this period.");
    return status;
}

void ReportsScreen::showTotals(quint64 ticket, const Report &report)
{
    if (ticket != m_ticket)
        return;
    m_ticket = 0;
    if (report.error.isEmpty())
        m_model->completeReport(report, m_table);
    m_status->setText(statusText(report));
    Q_EMIT reportCompleted();
}

void ReportsScreen::showChartFor(int row)
{
    const ReportRow *r = m_model->rowAt(row);
    if (!r || r->chartKey.isEmpty() || r->chartKey == m_chart->chart().key)
        return;
    if (const ReportChart *chart = m_model->report().chart(r->chartKey))
        m_chart->setChart(*chart);
}

void ReportsScreen::openRow(const QModelIndex &index)
{
    const ReportRow *row = m_model->rowAt(index.row());
    if (!row)
        return;
    if (!row->transactionId.isEmpty()) {
        Q_EMIT editTransactionRequested(row->transactionId);
        return;
    }
    const Report &report = m_model->report();
    if (row->filterIndex < 0 || row->filterIndex >= report.filters.size())
        return;
    QString label = ReportTableModel::tr("%1 \u2014 %2")
                        .arg(ReportCatalog::name(report.kind),
                             m_model->index(index.row(), 0).data().toString().trimmed());
    auto *window = new ReportRowsWindow(m_state, report.filters.at(row->filterIndex), label, this);
    connect(window, &ReportRowsWindow::editTransactionRequested, this, &ReportsScreen::editTransactionRequested);
    window->show();
}

void ReportsScreen::exportCsv()
{
    const ReportRequest r = request();
    const QString path = Prompt::saveFileName(this, tr("Export CSV"),
                                              QDir(exportDirectory()).filePath(ReportCatalog::csvFileName(r.kind)),
                                              tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    m_exportPath = path;
    m_csv->setEnabled(false);
    m_status->setText(tr("Writing %1\u2026").arg(QDir::toNativeSeparators(path)));
    m_exportTicket = m_state->reportService()->startCsvExport(r, path);
}

void ReportsScreen::exported(quint64 ticket, bool ok, const QString &error)
{
    if (ticket != m_exportTicket)
        return;
    m_exportTicket = 0;
    m_csv->setEnabled(true);
    if (ok) {
        m_status->setText(tr("Exported to %1").arg(QDir::toNativeSeparators(m_exportPath)));
        return;
    }
    m_status->setText(error);
    Prompt::warning(this, tr("Export CSV"), error);
}

void ReportsScreen::exportPdf()
{
    const Report &report = m_model->report();
    if (isBusy() || report.columns.isEmpty())
        return;
    const QString path = Prompt::saveFileName(
        this, tr("Export PDF"),
        QDir(exportDirectory()).filePath(ReportCatalog::code(report.kind) + QStringLiteral(".pdf")),
        tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    const ReportChart *chart = m_chart->hasChart() ? &m_chart->chart() : nullptr;
    if (!ReportPdf::write(report, chart, path, &error)) {
        m_status->setText(error);
        Prompt::warning(this, tr("Export PDF"), error);
        return;
    }
    m_status->setText(tr("Exported to %1").arg(QDir::toNativeSeparators(path)));
}

bool ReportsScreen::listOnTop() const
{
    return m_reports->flow() == QListView::LeftToRight;
}

void ReportsScreen::placeReportList()
{
    if (!m_outer)
        return;
    const QFontMetrics metrics = m_reports->fontMetrics();
    int widest = 0;
    for (int i = 0; i < m_reports->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(m_reports->item(i)->text()));
    const int sideWidth = widest + metrics.height() + 2 * m_reports->frameWidth();
    // The widest table: six amounts and a name, at this font.
    const QFontMetrics text = fontMetrics();
    const int tableWidth = 6 * text.horizontalAdvance(QStringLiteral("-$00,000.00")) + 8 * text.height();
    const QMargins margins = m_outer->contentsMargins();
    const int beside = width() - margins.left() - margins.right() - m_outer->spacing() - sideWidth;
    // Until the window has a size of its own, the list stands beside, so
    // that the window's size hint is that of the wider layout.
    const bool sized = isVisible() || testAttribute(Qt::WA_Resized);
    const bool top = sized && beside < tableWidth;

    const bool placed = m_outer->indexOf(m_reports) >= 0 || m_right->indexOf(m_reports) >= 0;
    if (!placed || top != listOnTop()) {
        m_outer->removeWidget(m_reports);
        m_right->removeWidget(m_reports);
        if (top) {
            m_reports->setFlow(QListView::LeftToRight);
            m_reports->setWrapping(true);
            m_reports->setResizeMode(QListView::Adjust);
            m_reports->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_reports->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_reports->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            m_right->insertWidget(0, m_reports);
        } else {
            m_reports->setFlow(QListView::TopToBottom);
            m_reports->setWrapping(false);
            m_reports->setSpacing(0);
            m_reports->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            m_reports->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            m_reports->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
            m_outer->insertWidget(0, m_reports);
        }
    }
    if (!top) {
        m_reports->setMinimumHeight(0);
        m_reports->setMaximumHeight(QWIDGETSIZE_MAX);
        m_reports->setFixedWidth(sideWidth);
        return;
    }
    // Above the report: as many lines of names as the width needs.
    const int spacing = metrics.height() / 4;
    m_reports->setSpacing(spacing);
    m_reports->setMinimumWidth(0);
    m_reports->setMaximumWidth(QWIDGETSIZE_MAX);
    const int room = width() - margins.left() - margins.right() - 2 * m_reports->frameWidth();
    int lines = 1;
    int used = 0;
    int lineHeight = 0;
    for (int i = 0; i < m_reports->count(); ++i) {
        const QSize item = m_reports->sizeHintForIndex(m_reports->model()->index(i, 0)) + QSize(2 * spacing, 2 * spacing);
        lineHeight = std::max(lineHeight, item.height());
        if (used > 0 && used + item.width() > room) {
            ++lines;
            used = 0;
        }
        used += item.width();
    }
    m_reports->setFixedHeight(lines * lineHeight + 2 * m_reports->frameWidth() + spacing);
}

void ReportsScreen::fitDateEdits()
{
    // The longest date whole beside the calendar button, at any font.
    for (QDateEdit *edit : {m_from, m_to}) {
        const QFontMetrics metrics = edit->fontMetrics();
        edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("12/31/2000")) + 3 * metrics.height());
    }
}

void ReportsScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeReportList();
}

bool ReportsScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Names in lines across the window still step one by one with the
    // up and down keys, as in the list beside the report.
    if (watched == m_reports && event->type() == QEvent::KeyPress && listOnTop()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (step != 0) {
            m_reports->setCurrentRow(std::clamp(m_reports->currentRow() + step, 0, m_reports->count() - 1));
            return true;
        }
    }
    if (watched == m_reports && event->type() == QEvent::FontChange)
        placeReportList();
    // The columns fit the table's width and font.
    if (watched == m_table && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        m_model->fitColumns(m_table);
    // Enter opens a row as a double-click does.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_table->currentIndex().isValid()) {
            openRow(m_table->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReportsScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refillAccounts();
    refillCategories();
    refresh();
}

void ReportsScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        m_table->viewport()->update();
    if (event->type() == QEvent::FontChange) {
        fitDateEdits();
        placeReportList();
    }
}
