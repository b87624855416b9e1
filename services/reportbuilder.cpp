#include "services/reportbuilder.h"

#include "data/dbtransaction.h"
#include "data/sqlvalue.h"
#include "services/reportparts.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {

using ReportParts::Context;

// All Time, and any range left open, ends at the dates of the first and the
// last row of the accounts, so that the monthly reports know their months.
void settleRange(Context &ctx)
{
    DateRange &range = ctx.filter.range;
    if (!range.from.isValid())
        range.from = ctx.data.firstDate();
    if (!range.to.isValid())
        range.to = ctx.data.lastDate();
    // Only one end given and no rows on the other side of it: nothing to show.
    if (range.from.isValid() && range.to.isValid() && range.from > range.to)
        range.to = range.from;
}

void make(Context &ctx, ReportKind kind)
{
    switch (kind) {
    case ReportKind::CategorySpending:
        return ReportParts::categorySpending(ctx);
    case ReportKind::PayeeSummary:
        return ReportParts::payeeSummary(ctx);
    case ReportKind::TaxReport:
        return ReportParts::taxReport(ctx);
    case ReportKind::IncomeVsExpenses:
        return ReportParts::incomeVsExpenses(ctx);
    case ReportKind::CashFlow:
        return ReportParts::cashFlow(ctx);
    case ReportKind::YearOverYear:
        return ReportParts::yearOverYear(ctx);
    case ReportKind::AccountSummary:
        return ReportParts::accountSummary(ctx);
    case ReportKind::Transactions:
        return ReportParts::transactions(ctx);
    }
}

bool run(const QSqlDatabase &db, const ReportRequest &request, int rowLimit, Report *report,
         const ReportBuilder::Sink &sink, const ReportBuilder::RowsFirst &rowsFirst, QString *error)
{
    report->kind = request.kind;
    Context ctx;
    ctx.db = db;
    ctx.filter = request.filter;
    ctx.report = report;
    ctx.rowLimit = rowLimit;
    ctx.sink = sink;
    ctx.rowsFirst = rowsFirst;
    // One snapshot for the report's several statements, even while the
    // app writes on another connection.
    DbTransaction snapshot(db, DbTransaction::Mode::Deferred);
    if (!ctx.data.load(db, ctx.filter, &ctx.error)) {
        *error = ctx.error;
        return false;
    }
    settleRange(ctx);
    report->range = ctx.filter.range;
    make(ctx, request.kind);
    if (!ctx.error.isEmpty()) {
        *error = ctx.error;
        return false;
    }
    return true;
}

} // namespace

Report ReportBuilder::build(const ReportRequest &request, int rowLimit, const RowsFirst &rowsFirst)
{
    Report report;
    QString error;
    if (!run(m_db, request, rowLimit, &report, {}, rowsFirst, &error)) {
        qWarning().noquote() << "ReportBuilder::build failed:" << error;
        Report failed;
        failed.kind = request.kind;
        failed.range = request.filter.range;
        failed.error = QCoreApplication::translate("ReportBuilder", "The report could not be made: %1").arg(error);
        return failed;
    }
    return report;
}

bool ReportBuilder::stream(const ReportRequest &request, Report *head, const Sink &sink, QString *error)
{
    *head = Report();
    if (run(m_db, request, kNoLimit, head, sink, {}, error))
        return true;
    qWarning().noquote() << "ReportBuilder::stream failed:" << *error;
    return false;
}
