#pragma once

#include "data/codes.h"

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

// The value records of the reports: what is asked for, and the table and
// charts that come back. They hold no widgets and are copied freely, also
// between the report thread and the GUI thread.

enum class ReportKind {
    CategorySpending,
    PayeeSummary,
    TaxReport,
    IncomeVsExpenses,
    CashFlow,
    YearOverYear,
    AccountSummary,
    Transactions,
};
constexpr int kReportKindCount = 8;

enum class ReportPeriod {
    ThisMonth,
    LastMonth,
    ThisQuarter,
    LastQuarter,
    ThisYear,
    LastYear,
    Last30Days,
    Last90Days,
    Last12Months,
    AllTime,
    Custom,
};
constexpr int kReportPeriodCount = 11;

// Inclusive dates. An invalid end leaves that side open; All Time is open on
// both sides until a report settles it from the dates in the store.
struct DateRange {
    QDate from;
    QDate to;

    bool isOpen() const { return !from.isValid() || !to.isValid(); }
    bool operator==(const DateRange &o) const { return from == o.from && to == o.to; }
};

// Which rows a report looks at. Empty lists and texts mean "any".
struct ReportFilter {
    // Which movements of money count.
    enum class Flow {
        Any,              // every row
        IncomeOrExpense,  // neither transfers nor opening balances
        Income,
        Expense,
        // Every row except transfers between two of the chosen accounts,
        // which only move money inside the set.
        CashFlow,
    };

    DateRange range;
    QStringList accountIds;  // empty: every live account
    QStringList categoryIds;
    bool uncategorized = false;  // only rows without a category
    QString payee;               // exactly this payee
    Flow flow = Flow::Any;
};

struct ReportRequest {
    ReportKind kind = ReportKind::CategorySpending;
    ReportFilter filter;
};

enum class ColumnType {
    Text,
    Date,     // QDate, "yyyy-MM-dd" in CSV
    Month,    // QDate of the month's first day, "yyyy-MM" in CSV
    Money,    // qint64 minor units in the row's currency
    Count,    // qint64
    Percent,  // double, 0 to 100
    Currency, // the row's currency code
};

struct ReportColumn {
    QString title;
    ColumnType type = ColumnType::Text;
};

struct ReportRow {
    // One cell per column: a QString, a QDate, a qint64 or a double as the
    // column's type says, or a null QVariant for an empty cell. A text cell
    // may stand in any column (the "Total" of a month column).
    QVariantList cells;
    Currency currency = Currency::USD;
    int level = 0;       // rows under a heading row are indented by one level per step
    bool total = false;  // a heading, subtotal or total row
    // A row of one transaction names it; a row that sums several names the
    // filter of the rows it sums (index into Report::filters), else -1.
    QString transactionId;
    int filterIndex = -1;
    QString chartKey;  // the chart that shows this row, when there is one
};

enum class ChartKind { Donut, Bars, GroupedBars, Line };

struct ChartSeries {
    QString name;
    QList<qint64> values;  // one per label, in minor units
};

struct ReportChart {
    QString key;
    ChartKind kind = ChartKind::Bars;
    QString title;
    Currency currency = Currency::USD;
    QStringList labels;
    QList<ChartSeries> series;
};

struct Report {
    ReportKind kind = ReportKind::CategorySpending;
    DateRange range;  // as settled: All Time gets the dates of the first and last rows
    QList<ReportColumn> columns;
    QList<ReportRow> rows;
    QList<ReportFilter> filters;
    QList<ReportChart> charts;  // the first is shown until a row asks for another
    // Rows of the Transactions report beyond the limit asked for are left out;
    // matchingRows says how many there are in all.
    qint64 matchingRows = 0;
    bool truncated = false;
    // The rows of a truncated Transactions report handed out before its
    // totals: the total rows and matchingRows are still to come.
    bool totalsPending = false;
    QString error;  // why the report could not be made; empty when it could

    int columnOf(ColumnType type) const;
    const ReportChart *chart(const QString &key) const;
};

Q_DECLARE_METATYPE(ReportRequest)
Q_DECLARE_METATYPE(Report)
