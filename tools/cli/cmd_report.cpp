#include "data/accountrepository.h"
#include "data/clock.h"
#include "services/reportcatalog.h"
#include "services/reportservice.h"
#include "services/reporttext.h"
#include "services/services.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const char *const kUsage = "usage: quillet-cli report NAME [--period P | --from yyyy-MM-dd --to yyyy-MM-dd] "
                           "[--account A] [--csv FILE]\n"
                           "  NAME: category_spending, payee_summary, tax_report, income_vs_expenses, cash_flow,\n"
                           "        year_over_year, account_summary, transactions\n"
                           "  P: this_month, last_month, this_quarter, last_quarter, this_year, last_year,\n"
                           "     last_30_days, last_90_days, last_12_months, all_time (default this_year)\n";

int usage(QTextStream &err, const QString &why = QString())
{
    if (!why.isEmpty())
        err << "quillet-cli: " << why << "\n";
    err << kUsage;
    return CliExit::Usage;
}

// The table in columns padded to their widest cell, figures on the right.
void printTable(const Report &report, QTextStream &out)
{
    const int n = int(report.columns.size());
    QList<QStringList> lines;
    QStringList titles;
    for (const ReportColumn &c : report.columns)
        titles.append(c.title);
    lines.append(titles);
    for (const ReportRow &row : report.rows) {
        QStringList cells;
        for (int c = 0; c < n; ++c) {
            const QString text = ReportText::cell(report.columns.at(c), row, c);
            cells.append(c == 0 && row.level > 0 ? QString(row.level * 2, QLatin1Char(' ')) + text : text);
        }
        lines.append(cells);
    }
    QList<int> widths(n, 0);
    for (const QStringList &line : std::as_const(lines)) {
        for (int c = 0; c < n; ++c)
            widths[c] = std::max(widths[c], int(line.at(c).size()));
    }
    for (const QStringList &line : std::as_const(lines)) {
        QStringList padded;
        for (int c = 0; c < n; ++c) {
            const bool figure = ReportText::isFigure(report.columns.at(c).type);
            padded.append(figure ? line.at(c).rightJustified(widths.at(c)) : line.at(c).leftJustified(widths.at(c)));
        }
        QString text = padded.join(QStringLiteral("  "));
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out << text << "\n";
    }
}

int runReport(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usage(err);
    const std::optional<ReportKind> kind = ReportCatalog::kindFromText(args.first());
    if (!kind)
        return usage(err, QStringLiteral("unknown report \"%1\"").arg(args.first()));
    ReportRequest request;
    request.kind = *kind;
    std::optional<ReportPeriod> period;
    QDate from;
    QDate to;
    QString account;
    QString csv;
    for (int i = 1; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (i + 1 >= args.size())
            return usage(err, QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.at(++i);
        if (option == QLatin1String("--period")) {
            period = ReportCatalog::periodFromText(value);
            if (!period || *period == ReportPeriod::Custom)
                return usage(err, QStringLiteral("unknown period \"%1\"").arg(value));
        } else if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
            const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!date.isValid())
                return usage(err, QStringLiteral("%1 is not a yyyy-MM-dd date").arg(value));
            (option == QLatin1String("--from") ? from : to) = date;
        } else if (option == QLatin1String("--account")) {
            account = value;
        } else if (option == QLatin1String("--csv")) {
            csv = value;
        } else {
            return usage(err, QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (period && (from.isValid() || to.isValid()))
        return usage(err, QStringLiteral("give either --period or --from and --to"));
    if (from.isValid() != to.isValid())
        return usage(err, QStringLiteral("--from and --to go together"));
    request.filter.range = from.isValid()
        ? ReportCatalog::periodRange(ReportPeriod::Custom, Clock::today(), {from, to})
        : ReportCatalog::periodRange(period.value_or(ReportPeriod::ThisYear), Clock::today());
    if (!account.isEmpty()) {
        // A name or an id.
        for (const Account &a : store.accounts()->listLive()) {
            if (a.id == account || a.name.compare(account, Qt::CaseInsensitive) == 0)
                request.filter.accountIds = {a.id};
        }
        if (request.filter.accountIds.isEmpty()) {
            err << "quillet-cli: no account \"" << account << "\"\n";
            return CliExit::Failure;
        }
    }

    ReportService *service = store.services()->reports();
    if (!csv.isEmpty()) {
        QString error;
        if (!service->exportCsv(request, csv, &error)) {
            err << "quillet-cli: " << error << "\n";
            return CliExit::Failure;
        }
        out << "file: " << QFileInfo(csv).absoluteFilePath() << "\n";
        return CliExit::Ok;
    }
    const Report report = service->run(request);
    if (!report.error.isEmpty()) {
        err << "quillet-cli: " << report.error << "\n";
        return CliExit::Failure;
    }
    out << ReportCatalog::name(request.kind) << "  " << ReportCatalog::rangeText(report.range) << "\n";
    printTable(report, out);
    return CliExit::Ok;
}

const CliCommand::Registrar reportCommand(
    "report", "report NAME [--period P | --from D --to D] [--account A] [--csv FILE]", runReport);

} // namespace
