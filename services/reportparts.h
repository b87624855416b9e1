#pragma once

#include "services/reportdata.h"
#include "services/reportrecords.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>

// What the report makers share. Each report is one function over a
// context; they live in reportspending.cpp, reportmonthly.cpp and
// reportledger.cpp.
namespace ReportParts {

struct Context {
    QSqlDatabase db;
    ReportData data;
    ReportFilter filter;  // its range settled: never open unless the store has no rows
    Report *report = nullptr;
    int rowLimit = -1;
    std::function<bool(const ReportRow &)> sink;  // rows go here instead of the report when set
    // Handed the rows of a truncated Transactions report before its totals
    // are counted, when set.
    std::function<void(const Report &)> rowsFirst;
    QString error;

    // Prepares, binds and runs sql forward-only; false with error set on failure.
    bool exec(QSqlQuery &q, const QString &sql, const QVariantList &binds);
    // Makes temp.report_sums afresh with the given columns and key, for a
    // statement to add rows into (INSERT ... ON CONFLICT DO UPDATE): each row
    // finds its group in a small table, where GROUP BY would first sort every
    // row. Made inside the report's snapshot, it goes with it. A table keyed
    // by one integer is best made with a rowid (withoutRowid false): that
    // integer then is the rowid.
    bool makeSums(const QString &columns, bool withoutRowid = true);
    // Keeps the row, or hands it to the sink; false when the sink says stop.
    bool add(const ReportRow &row);
    bool add(ReportRow &&row);
    // Makes room for that many more rows, when they are kept.
    void expect(qsizetype rows);
    // Keeps the filter of a summing row and returns its index.
    int addFilter(const ReportFilter &filter);
    // Keeps, for a summing row, the report's filter narrowed to the accounts
    // of one currency and changed by `narrow`; returns its index.
    int addFilter(Currency currency, const std::function<void(ReportFilter &)> &narrow);
};

// A text column read as CAST(... AS BLOB): its UTF-8 bytes, decoded here
// several times quicker than the driver's way through SQLite's UTF-16. A
// NULL stays a null string.
QString textOf(const QVariant &utf8);
ReportRow makeRow(const QVariantList &cells, Currency currency, int level = 0, bool total = false);
ReportColumn column(const char *title, ColumnType type);

// The first days of the months the range touches.
QList<QDate> monthsOf(const DateRange &range);
// The part of the month (given by its first day) inside the range.
DateRange clipMonth(const QDate &month, const DateRange &range);
// "yyyy-MM" of a stored date, the key the monthly queries group by.
inline QString monthKey(const QDate &month) { return month.toString(QStringLiteral("yyyy-MM")); }
// "Jan 2025" and "Jan 25", in English month names as every date text here.
QString monthLabel(const QDate &month, bool shortYear = false);
// a / b rounded half away from zero.
qint64 roundedDivide(qint64 a, qint64 b);
// part as a percentage of whole; a null value when whole is not positive.
QVariant share(qint64 part, qint64 whole);
// The key of a chart: its kind of report, its currency and what it shows.
QString chartKey(const char *prefix, Currency currency, const QString &what = QString());

void categorySpending(Context &ctx);
void payeeSummary(Context &ctx);
void taxReport(Context &ctx);
void incomeVsExpenses(Context &ctx);
void cashFlow(Context &ctx);
void yearOverYear(Context &ctx);
void accountSummary(Context &ctx);
void transactions(Context &ctx);

} // namespace ReportParts
