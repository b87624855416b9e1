// Income vs Expenses, Cash Flow and Year-over-Year: the reports told month by
// month. A month cut by the period counts only its days inside it.
#include "services/reportparts.h"

#include "data/sqlvalue.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

namespace ReportParts {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportBuilder", text);
}

QDate monthFromKey(const QString &key)
{
    return QDate::fromString(key + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
}

QStringList shortMonthLabels(const QList<QDate> &months)
{
    QStringList labels;
    for (const QDate &m : months)
        labels.append(monthLabel(m, true));
    return labels;
}

} // namespace

void incomeVsExpenses(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Month"), ColumnType::Month),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Income"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Expenses"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Net"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    // The sums of each month, currency and flow (transfers too, left out
    // below, so that each row's flow is told once), each under one number
    // that holds the three: SQLite adds a row into a table keyed by an
    // integer several times quicker than into one keyed by texts. One pass
    // over the transactions sums the whole ones, their flow told from the
    // category id, and keeps each split one under minus its rowid; its
    // lines are then found through it, rather than each line looking its
    // transaction up.
    if (!ctx.makeSums(QStringLiteral("k INTEGER PRIMARY KEY, amount INTEGER"), false))
        return;
    const qsizetype currencies = std::max<qsizetype>(1, ctx.data.currencies().size());
    const QString addUp = QStringLiteral(" ON CONFLICT DO UPDATE SET amount = amount + excluded.amount");
    const QString monthAndCurrency =
        QStringLiteral("(CAST(substr(t.date, 1, 4) AS INTEGER) * 16 + CAST(substr(t.date, 6, 2) AS INTEGER)) * %1 + %2")
            .arg(currencies)
            .arg(ctx.data.currencySql());
    QVariantList binds;
    QString whole = QStringLiteral("INSERT INTO temp.report_sums SELECT CASE WHEN t.is_split = 1 THEN -t.rowid "
                                   "ELSE (%1) * 8 + %2 END, t.amount FROM transactions t WHERE 1")
                        .arg(monthAndCurrency, ctx.data.transactionFlowSql(&binds));
    whole += ctx.data.transactionsWhere(ctx.filter.range, &binds) + addUp;
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, whole, binds))
        return;
    // A line's flow as ReportData::flowSql tells it.
    binds.clear();
    const QString lines = QStringLiteral("INSERT INTO temp.report_sums SELECT (%1) * 8 + %2, s.amount "
                                         "FROM temp.report_sums g JOIN transactions t ON t.rowid = -g.k "
                                         "JOIN split_lines s ON s.transaction_id = t.id "
                                         "LEFT JOIN categories c ON c.id = s.category_id WHERE g.k < 0")
                              .arg(monthAndCurrency, ReportData::flowSql("s.amount", &binds))
        + addUp;
    if (!ctx.exec(q, lines, binds)
        || !ctx.exec(q, QStringLiteral("SELECT k, amount FROM temp.report_sums WHERE k >= 0 AND k % 8 IN (1, 2)"), {}))
        return;
    // currency -> month key -> (income, expenses)
    QMap<Currency, QHash<QString, QPair<qint64, qint64>>> sums;
    while (q.next()) {
        const qint64 k = q.value(0).toLongLong();
        const qint64 monthNumber = k / 8 / currencies;
        const QString month = QStringLiteral("%1-%2")
                                  .arg(monthNumber / 16, 4, 10, QLatin1Char('0'))
                                  .arg(monthNumber % 16, 2, 10, QLatin1Char('0'));
        QPair<qint64, qint64> &s = sums[ctx.data.currencyAt(int(k / 8 % currencies))][month];
        if (k % 8 == 1)
            s.first += q.value(1).toLongLong();
        else
            s.second -= q.value(1).toLongLong();
    }
    const QList<QDate> months = monthsOf(ctx.filter.range);
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        const Currency currency = it.key();
        const QString key = chartKey("flows", currency);
        ReportChart chart{key, ChartKind::GroupedBars, tr("Income and expenses by month"), currency,
                          shortMonthLabels(months), {{tr("Income"), {}}, {tr("Expenses"), {}}}};
        qint64 income = 0;
        qint64 expenses = 0;
        for (const QDate &month : months) {
            const QPair<qint64, qint64> s = it.value().value(monthKey(month));
            ReportRow row = makeRow({month, s.first, s.second, s.first - s.second}, currency);
            row.filterIndex = ctx.addFilter(currency, [&](ReportFilter &f) {
                f.flow = ReportFilter::Flow::IncomeOrExpense;
                f.range = clipMonth(month, ctx.filter.range);
            });
            row.chartKey = key;
            ctx.add(row);
            chart.series[0].values.append(s.first);
            chart.series[1].values.append(s.second);
            income += s.first;
            expenses += s.second;
        }
        ReportRow sum = makeRow({tr("Total"), income, expenses, income - expenses}, currency, 0, true);
        sum.filterIndex =
            ctx.addFilter(currency, [](ReportFilter &f) { f.flow = ReportFilter::Flow::IncomeOrExpense; });
        sum.chartKey = key;
        ctx.add(sum);
        r.charts.append(chart);
    }
}

void cashFlow(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Month"), ColumnType::Month),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Inflow"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Outflow"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Net"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Balance"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    if (ctx.filter.range.isOpen())
        return;
    QMap<Currency, qint64> opening;
    for (const ReportData::AccountInfo &a : ctx.data.accounts())
        opening[a.currency] += a.startingBalance;

    QSqlQuery q(ctx.db);
    QVariantList binds;
    QString sql;
    // The rows before the period, when there are any. Grouped by "+" the
    // account, so that SQLite reads them along the index on dates when
    // they are few, never the whole table along the index on accounts.
    if (ctx.data.firstDate().isValid() && ctx.filter.range.from > ctx.data.firstDate()) {
        sql = QStringLiteral("SELECT t.account_id, SUM(t.amount) FROM transactions t WHERE 1")
            + ctx.data.transactionsWhere({QDate(), ctx.filter.range.from.addDays(-1)}, &binds)
            + QStringLiteral(" GROUP BY +t.account_id");
        if (!ctx.exec(q, sql, binds))
            return;
        while (q.next()) {
            if (const ReportData::AccountInfo *account = ctx.data.account(q.value(0).toString()))
                opening[account->currency] += q.value(1).toLongLong();
        }
    }

    if (!ctx.makeSums(QStringLiteral("month TEXT, cur INTEGER, inflow INTEGER, outflow INTEGER, "
                                     "PRIMARY KEY (month, cur)")))
        return;
    binds.clear();
    sql = QStringLiteral("INSERT INTO temp.report_sums SELECT substr(t.date, 1, 7), %1, "
                         "CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END, "
                         "CASE WHEN t.amount < 0 THEN -t.amount ELSE 0 END FROM transactions t WHERE 1")
              .arg(ctx.data.currencySql());
    sql += ctx.data.transactionsWhere(ctx.filter.range, &binds);
    // Transfers between two of the chosen accounts move nothing in or out.
    sql += QStringLiteral(" AND NOT %1 ON CONFLICT DO UPDATE SET inflow = inflow + excluded.inflow, "
                          "outflow = outflow + excluded.outflow")
               .arg(ctx.data.internalTransferSql("t", &binds));
    if (!ctx.exec(q, sql, binds)
        || !ctx.exec(q, QStringLiteral("SELECT cur, month, inflow, outflow FROM temp.report_sums"), {}))
        return;
    QMap<Currency, QHash<QString, QPair<qint64, qint64>>> flows;
    while (q.next()) {
        QPair<qint64, qint64> &f = flows[ctx.data.currencyAt(q.value(0).toInt())][q.value(1).toString()];
        f.first += q.value(2).toLongLong();
        f.second += q.value(3).toLongLong();
    }

    const QList<QDate> months = monthsOf(ctx.filter.range);
    for (auto it = opening.cbegin(); it != opening.cend(); ++it) {
        const Currency currency = it.key();
        const QString key = chartKey("balance", currency);
        ReportChart chart{key, ChartKind::Line, tr("Balance at the end of each month"), currency,
                          shortMonthLabels(months), {{tr("Balance"), {}}}};
        qint64 balance = it.value();
        ReportRow first = makeRow({tr("Opening balance"), QVariant(), QVariant(), QVariant(), balance}, currency);
        first.chartKey = key;
        ctx.add(first);
        qint64 inflow = 0;
        qint64 outflow = 0;
        const QHash<QString, QPair<qint64, qint64>> byMonth = flows.value(currency);
        for (const QDate &month : months) {
            const QPair<qint64, qint64> f = byMonth.value(monthKey(month));
            balance += f.first - f.second;
            inflow += f.first;
            outflow += f.second;
            ReportRow row = makeRow({month, f.first, f.second, f.first - f.second, balance}, currency);
            row.filterIndex = ctx.addFilter(currency, [&](ReportFilter &filter) {
                filter.flow = ReportFilter::Flow::CashFlow;
                filter.range = clipMonth(month, ctx.filter.range);
            });
            row.chartKey = key;
            ctx.add(row);
            chart.series[0].values.append(balance);
        }
        ReportRow sum = makeRow({tr("Total"), inflow, outflow, inflow - outflow, balance}, currency, 0, true);
        sum.filterIndex = ctx.addFilter(currency, [](ReportFilter &f) { f.flow = ReportFilter::Flow::CashFlow; });
        sum.chartKey = key;
        ctx.add(sum);
        r.charts.append(chart);
    }
}

namespace {

// One line of Year-over-Year: a section, a category or a month, with the
// amounts of this period and of the same dates a year earlier.
QVariantList comparison(const QVariant &label, qint64 current, qint64 before)
{
    QVariant percent;
    if (before != 0)
        percent = double(current - before) * 100.0 / double(std::abs(before));
    return {label, current, before, current - before, percent};
}

struct Sums {
    QHash<QString, qint64> current;  // month key -> amount
    QHash<QString, qint64> before;   // month key of the row it is compared in -> amount
    qint64 currentTotal = 0;
    qint64 beforeTotal = 0;
};

} // namespace

void yearOverYear(Context &ctx)
{
    Report &r = *ctx.report;
    // Sections and categories name themselves in the month column.
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Category / Month"), ColumnType::Month),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "This Period"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Year Before"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Change"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Change %"), ColumnType::Percent),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    if (ctx.filter.range.isOpen())
        return;
    const DateRange current = ctx.filter.range;
    const DateRange earlier{current.from.addYears(-1), current.to.addYears(-1)};
    QVariantList binds;
    const QString sql = ReportData::eachPart([&](ReportData::Part part) {
        // Bound in the order the marks stand in the statement: the two dates
        // of the select list come before the rows' own.
        binds << SqlValue::date(current.from) << SqlValue::date(earlier.to);
        const QString items = ctx.data.itemsSql({earlier.from, current.to},
                                                {QStringLiteral("cur"), QStringLiteral("catrow"), QStringLiteral("flow"),
                                                 QStringLiteral("date"), QStringLiteral("amount")},
                                                &binds, part);
        return QStringLiteral("SELECT i.cur, i.catrow, i.flow, substr(i.date, 1, 7) AS month, "
                              "SUM(CASE WHEN i.date >= ? THEN i.amount ELSE 0 END), "
                              "SUM(CASE WHEN i.date <= ? THEN i.amount ELSE 0 END) "
                              "FROM %1 i WHERE i.flow <> 0 GROUP BY month, i.catrow, i.flow, i.cur")
            .arg(items);
    });
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds))
        return;
    // currency -> flow -> top-level category ("" without one) -> sums
    QMap<Currency, QMap<int, QMap<QString, Sums>>> all;
    while (q.next()) {
        const Currency currency = ctx.data.currencyAt(q.value(0).toInt());
        const int flow = q.value(2).toInt();
        const QString category =
            q.value(1).isNull() ? QString() : ctx.data.topLevelOf(ctx.data.categoryAt(q.value(1).toLongLong()));
        // Spending and income both read as positive amounts.
        const qint64 sign = flow == 2 ? -1 : 1;
        const QString month = q.value(3).toString();
        Sums &s = all[currency][flow][category];
        const qint64 now = sign * q.value(4).toLongLong();
        const qint64 then = sign * q.value(5).toLongLong();
        s.current[month] += now;
        s.currentTotal += now;
        const QString comparedIn = monthKey(monthFromKey(month).addYears(1));
        s.before[comparedIn] += then;
        s.beforeTotal += then;
    }

    const QList<QDate> months = monthsOf(current);
    const QStringList labels = shortMonthLabels(months);
    const bool oneYear = current.from.year() == current.to.year();
    const QString currentName = oneYear ? QString::number(current.to.year()) : tr("This period");
    const QString beforeName = oneYear ? QString::number(current.to.year() - 1) : tr("Year before");
    for (auto byCurrency = all.cbegin(); byCurrency != all.cend(); ++byCurrency) {
        const Currency currency = byCurrency.key();
        for (const int flow : {2, 1}) {
            const QMap<QString, Sums> categories = byCurrency.value().value(flow);
            if (categories.isEmpty())
                continue;
            const ReportFilter::Flow kind = flow == 2 ? ReportFilter::Flow::Expense : ReportFilter::Flow::Income;
            // The section sums its categories.
            Sums section;
            for (const Sums &s : categories) {
                for (auto m = s.current.cbegin(); m != s.current.cend(); ++m)
                    section.current[m.key()] += m.value();
                for (auto m = s.before.cbegin(); m != s.before.cend(); ++m)
                    section.before[m.key()] += m.value();
                section.currentTotal += s.currentTotal;
                section.beforeTotal += s.beforeTotal;
            }
            QHash<QString, qint64> totals;
            for (auto c = categories.cbegin(); c != categories.cend(); ++c)
                totals.insert(c.key(), c.value().currentTotal);
            QList<QString> order = categories.keys();
            std::stable_sort(order.begin(), order.end(),
                             [&](const QString &a, const QString &b) { return totals.value(a) > totals.value(b); });
            // The section first: its heading sums the categories below it.
            order.prepend(QStringLiteral("*"));
            for (const QString &id : std::as_const(order)) {
                const bool isSection = id == QStringLiteral("*");
                const Sums &s = isSection ? section : *categories.constFind(id);
                const QString name = isSection ? (flow == 2 ? tr("Spending") : tr("Income"))
                                               : id.isEmpty() ? tr("Uncategorized")
                                                              : ctx.data.category(id)->name;
                const QString key = chartKey("yoy", currency, QStringLiteral("%1-%2").arg(flow).arg(id));
                const auto narrow = [&](const DateRange &range) {
                    return ctx.addFilter(currency, [&](ReportFilter &f) {
                        f.flow = kind;
                        f.range = range;
                        if (!isSection) {
                            f.uncategorized = id.isEmpty();
                            f.categoryIds = id.isEmpty() ? QStringList() : ctx.data.withDescendants(id);
                        }
                    });
                };
                ReportRow head = makeRow(comparison(name, s.currentTotal, s.beforeTotal), currency, isSection ? 0 : 1,
                                         isSection);
                head.filterIndex = narrow(current);
                head.chartKey = key;
                ctx.add(head);
                ReportChart chart{key, ChartKind::GroupedBars, name, currency, labels,
                                  {{currentName, {}}, {beforeName, {}}}};
                for (const QDate &month : months) {
                    const qint64 now = s.current.value(monthKey(month));
                    const qint64 then = s.before.value(monthKey(month));
                    // The section's months are in its chart; the table lists
                    // them for each category.
                    if (!isSection) {
                        ReportRow row = makeRow(comparison(month, now, then), currency, 2);
                        row.filterIndex = narrow(clipMonth(month, current));
                        row.chartKey = key;
                        ctx.add(row);
                    }
                    chart.series[0].values.append(now);
                    chart.series[1].values.append(then);
                }
                r.charts.append(chart);
            }
        }
    }
}

} // namespace ReportParts
