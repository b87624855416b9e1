#include "services/reportparts.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace ReportParts {

bool Context::exec(QSqlQuery &q, const QString &sql, const QVariantList &binds)
{
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        error = q.lastError().text();
        return false;
    }
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds.at(i));
    if (!q.exec()) {
        error = q.lastError().text();
        return false;
    }
    return true;
}

bool Context::makeSums(const QString &columns, bool withoutRowid)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("DROP TABLE IF EXISTS temp.report_sums"))
        && q.exec(QStringLiteral("CREATE TEMP TABLE report_sums (%1)%2")
                      .arg(columns, withoutRowid ? QStringLiteral(" WITHOUT ROWID") : QString())))
        return true;
    error = q.lastError().text();
    return false;
}

bool Context::add(const ReportRow &row)
{
    if (sink)
        return sink(row);
    report->rows.append(row);
    return true;
}

bool Context::add(ReportRow &&row)
{
    if (sink)
        return sink(row);
    report->rows.append(std::move(row));
    return true;
}

void Context::expect(qsizetype rows)
{
    if (!sink)
        report->rows.reserve(report->rows.size() + rows);
}

int Context::addFilter(const ReportFilter &f)
{
    report->filters.append(f);
    return int(report->filters.size()) - 1;
}

int Context::addFilter(Currency currency, const std::function<void(ReportFilter &)> &narrow)
{
    ReportFilter f = filter;
    f.accountIds = data.accountIds(currency);
    narrow(f);
    return addFilter(f);
}

QString textOf(const QVariant &utf8)
{
    return utf8.isNull() ? QString() : QString::fromUtf8(utf8.toByteArray());
}

ReportRow makeRow(const QVariantList &cells, Currency currency, int level, bool total)
{
    ReportRow row;
    row.cells = cells;
    row.currency = currency;
    row.level = level;
    row.total = total;
    return row;
}

ReportColumn column(const char *title, ColumnType type)
{
    return {QCoreApplication::translate("ReportBuilder", title), type};
}

QList<QDate> monthsOf(const DateRange &range)
{
    QList<QDate> months;
    if (range.isOpen() || range.from > range.to)
        return months;
    for (QDate m(range.from.year(), range.from.month(), 1); m <= range.to; m = m.addMonths(1))
        months.append(m);
    return months;
}

DateRange clipMonth(const QDate &month, const DateRange &range)
{
    return {std::max(month, range.from), std::min(month.addMonths(1).addDays(-1), range.to)};
}

QString monthLabel(const QDate &month, bool shortYear)
{
    static const char *const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QString year = shortYear ? QStringLiteral("%1").arg(month.year() % 100, 2, 10, QLatin1Char('0'))
                                   : QString::number(month.year());
    return QStringLiteral("%1 %2").arg(QLatin1String(names[month.month() - 1]), year);
}

qint64 roundedDivide(qint64 a, qint64 b)
{
    if (b == 0)
        return 0;
    const qint64 quotient = a / b;
    const qint64 remainder = a % b;
    // Away from zero when the remainder is at least half of b.
    if (2 * std::abs(remainder) >= std::abs(b))
        return quotient + (((a < 0) != (b < 0)) ? -1 : 1);
    return quotient;
}

QVariant share(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return QVariant();
    return double(part) * 100.0 / double(whole);
}

QString chartKey(const char *prefix, Currency currency, const QString &what)
{
    QString key = QStringLiteral("%1-%2").arg(QLatin1String(prefix), Codes::currencyCode(currency));
    if (!what.isEmpty())
        key += QLatin1Char('-') + what;
    return key;
}

} // namespace ReportParts
