#include "services/reportcatalog.h"

#include "services/datetext.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const char *const kReportNames[kReportKindCount] = {
    QT_TRANSLATE_NOOP("ReportCatalog", "Category Spending"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Payee Summary"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Tax Report"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Income vs Expenses"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Cash Flow"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Year-over-Year"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Account Summary"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Transactions"),
};

const char *const kPeriodNames[kReportPeriodCount] = {
    QT_TRANSLATE_NOOP("ReportCatalog", "This Month"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last Month"),
    QT_TRANSLATE_NOOP("ReportCatalog", "This Quarter"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last Quarter"),
    QT_TRANSLATE_NOOP("ReportCatalog", "This Year"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last Year"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last 30 Days"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last 90 Days"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Last 12 Months"),
    QT_TRANSLATE_NOOP("ReportCatalog", "All Time"),
    QT_TRANSLATE_NOOP("ReportCatalog", "Custom"),
};

// "Year-over-Year" -> "year_over_year".
QString snakeCase(const char *englishName)
{
    static const QRegularExpression separators(QStringLiteral("[^a-z0-9]+"));
    return QString::fromLatin1(englishName).toLower().replace(separators, QStringLiteral("_"));
}

QDate firstOfQuarter(const QDate &day)
{
    return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
}

DateRange months(const QDate &first, int count)
{
    return {first, first.addMonths(count).addDays(-1)};
}

} // namespace

namespace ReportCatalog {

QString name(ReportKind kind)
{
    return QCoreApplication::translate("ReportCatalog", kReportNames[int(kind)]);
}

QString code(ReportKind kind)
{
    return snakeCase(kReportNames[int(kind)]);
}

QString csvFileName(ReportKind kind)
{
    return code(kind) + QStringLiteral(".csv");
}

std::optional<ReportKind> kindFromText(const QString &text)
{
    const QString wanted = snakeCase(text.trimmed().toLatin1().constData());
    for (int k = 0; k < kReportKindCount; ++k) {
        if (code(ReportKind(k)) == wanted)
            return ReportKind(k);
    }
    return std::nullopt;
}

QString periodName(ReportPeriod period)
{
    return QCoreApplication::translate("ReportCatalog", kPeriodNames[int(period)]);
}

QString periodCode(ReportPeriod period)
{
    return snakeCase(kPeriodNames[int(period)]);
}

std::optional<ReportPeriod> periodFromText(const QString &text)
{
    const QString wanted = snakeCase(text.trimmed().toLatin1().constData());
    for (int p = 0; p < kReportPeriodCount; ++p) {
        if (periodCode(ReportPeriod(p)) == wanted)
            return ReportPeriod(p);
    }
    return std::nullopt;
}

DateRange periodRange(ReportPeriod period, const QDate &today, const DateRange &custom)
{
    const QDate month(today.year(), today.month(), 1);
    const QDate quarter = firstOfQuarter(today);
    const QDate year(today.year(), 1, 1);
    switch (period) {
    case ReportPeriod::ThisMonth:
        return months(month, 1);
    case ReportPeriod::LastMonth:
        return months(month.addMonths(-1), 1);
    case ReportPeriod::ThisQuarter:
        return months(quarter, 3);
    case ReportPeriod::LastQuarter:
        return months(quarter.addMonths(-3), 3);
    case ReportPeriod::ThisYear:
        return months(year, 12);
    case ReportPeriod::LastYear:
        return months(year.addYears(-1), 12);
    case ReportPeriod::Last30Days:
        return {today.addDays(-29), today};
    case ReportPeriod::Last90Days:
        return {today.addDays(-89), today};
    case ReportPeriod::Last12Months:
        return months(month.addMonths(-11), 12);
    case ReportPeriod::AllTime:
        return {};
    case ReportPeriod::Custom:
        break;
    }
    if (custom.from.isValid() && custom.to.isValid() && custom.from > custom.to)
        return {custom.to, custom.from};
    return custom;
}

QString rangeText(const DateRange &range)
{
    if (!range.from.isValid() && !range.to.isValid())
        return periodName(ReportPeriod::AllTime);
    return QCoreApplication::translate("ReportCatalog", "%1 \u2013 %2")
        .arg(DateText::formatLong(range.from), DateText::formatLong(range.to));
}

} // namespace ReportCatalog
