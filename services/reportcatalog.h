#pragma once

#include "services/reportrecords.h"

#include <QDate>
#include <QString>

#include <optional>

// The names of the reports and periods, the dates a period stands for, and
// the texts the command line accepts for both.
namespace ReportCatalog {

QString name(ReportKind kind);  // "Category Spending", translated
// The name in snake case, untranslated, for file names and the command line:
// "category_spending".
QString code(ReportKind kind);
QString csvFileName(ReportKind kind);  // "category_spending.csv"
// A code or an English name in any case ("Cash Flow", "cash_flow").
std::optional<ReportKind> kindFromText(const QString &text);

QString periodName(ReportPeriod period);  // "Last Quarter", translated
QString periodCode(ReportPeriod period);  // "last_quarter"
std::optional<ReportPeriod> periodFromText(const QString &text);

// The dates of a period on the given day. Months, quarters and years are
// whole calendar ones; "Last 30 Days" and "Last 90 Days" end today;
// "Last 12 Months" is this month and the eleven before it. All Time is open
// on both sides. Custom is the given range, its ends swapped when they came
// in the wrong order.
DateRange periodRange(ReportPeriod period, const QDate &today, const DateRange &custom = {});

// "Jan 1, 2025 – Mar 31, 2025", or "All Time" for an open range.
QString rangeText(const DateRange &range);

} // namespace ReportCatalog
