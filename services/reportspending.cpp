// Category Spending, Payee Summary and the Tax Report: where the money went,
// by category, by payee and by tax category.
#include "services/reportparts.h"

#include "data/sqlvalue.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <vector>

namespace ReportParts {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportBuilder", text);
}

// Spending of one top-level category: on itself and on each subcategory.
struct Spending {
    QString topId;  // empty for rows without a category
    qint64 total = 0;
    qint64 direct = 0;
    QMap<QString, qint64> children;
};

void addSpendingRows(Context &ctx, Currency currency, QList<Spending> spending)
{
    std::sort(spending.begin(), spending.end(), [](const Spending &a, const Spending &b) { return a.total > b.total; });
    qint64 total = 0;
    for (const Spending &s : std::as_const(spending))
        total += s.total;
    const QString key = chartKey("spending", currency);
    const auto expense = [&](const QStringList &categories, bool uncategorized) {
        return ctx.addFilter(currency, [&](ReportFilter &f) {
            f.flow = ReportFilter::Flow::Expense;
            f.categoryIds = categories;
            f.uncategorized = uncategorized;
        });
    };

    ReportChart chart;
    chart.key = key;
    chart.kind = ChartKind::Donut;
    chart.title = tr("Spending by category");
    chart.currency = currency;
    ChartSeries slices;
    qint64 rest = 0;
    for (const Spending &s : std::as_const(spending)) {
        const QString name = s.topId.isEmpty() ? tr("Uncategorized") : ctx.data.category(s.topId)->name;
        ReportRow row = makeRow({name, s.total, share(s.total, total)}, currency);
        row.filterIndex = s.topId.isEmpty() ? expense({}, true) : expense(ctx.data.withDescendants(s.topId), false);
        row.chartKey = key;
        ctx.add(row);
        if (s.total > 0 && chart.labels.size() < 7) {
            chart.labels.append(name);
            slices.values.append(s.total);
        } else if (s.total > 0) {
            rest += s.total;
        }
        if (s.children.isEmpty())
            continue;
        QList<QPair<QString, qint64>> children;
        for (auto it = s.children.cbegin(); it != s.children.cend(); ++it)
            children.append({it.key(), it.value()});
        std::sort(children.begin(), children.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
        // Spending booked on the parent itself stands beside its subcategories.
        if (s.direct != 0)
            children.append({QString(), s.direct});
        for (const auto &[childId, amount] : std::as_const(children)) {
            const QString childName = childId.isEmpty() ? tr("Other %1").arg(name) : ctx.data.category(childId)->name;
            ReportRow child = makeRow({childName, amount, share(amount, total)}, currency, 1);
            child.filterIndex = expense(childId.isEmpty() ? QStringList{s.topId} : ctx.data.withDescendants(childId), false);
            child.chartKey = key;
            ctx.add(child);
        }
    }
    if (spending.isEmpty())
        return;
    ReportRow sum = makeRow({tr("Total"), total, share(total, total)}, currency, 0, true);
    sum.filterIndex = expense({}, false);
    sum.chartKey = key;
    ctx.add(sum);
    if (rest > 0) {
        chart.labels.append(tr("Other"));
        slices.values.append(rest);
    }
    slices.name = tr("Spending");
    chart.series.append(slices);
    ctx.report->charts.append(chart);
}

} // namespace

void categorySpending(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Category"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Spending"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Share"), ColumnType::Percent),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    QVariantList binds;
    const QString sql = ReportData::eachPart([&](ReportData::Part part) {
        const QString items = ctx.data.itemsSql(
            ctx.filter.range, {QStringLiteral("cur"), QStringLiteral("catrow"), QStringLiteral("amount"), QStringLiteral("flow")},
            &binds, part);
        return QStringLiteral("SELECT i.cur, i.catrow, SUM(i.amount) FROM %1 i WHERE i.flow = 2 GROUP BY i.catrow, i.cur")
            .arg(items);
    });
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds))
        return;
    QMap<Currency, QMap<QString, Spending>> byCurrency;
    while (q.next()) {
        const Currency currency = ctx.data.currencyAt(q.value(0).toInt());
        const QString categoryId = q.value(1).isNull() ? QString() : ctx.data.categoryAt(q.value(1).toLongLong());
        const qint64 spent = -q.value(2).toLongLong();
        const QString top = categoryId.isEmpty() ? QString() : ctx.data.topLevelOf(categoryId);
        Spending &s = byCurrency[currency][top];
        s.topId = top;
        s.total += spent;
        if (categoryId == top)
            s.direct += spent;
        else
            s.children[ctx.data.subcategoryOf(categoryId)] += spent;
    }
    for (auto it = byCurrency.cbegin(); it != byCurrency.cend(); ++it) {
        QList<Spending> list = it.value().values();
        // Categories whose refunds made up for every purchase have nothing to show.
        list.erase(std::remove_if(list.begin(), list.end(), [](const Spending &s) { return s.total == 0; }), list.end());
        addSpendingRows(ctx, it.key(), list);
    }
}

void payeeSummary(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Payee"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Count"), ColumnType::Count),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Total"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Average"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    // Whole transactions: a split one is one payment to its payee, however
    // many lines it has.
    if (!ctx.makeSums(QStringLiteral("payee TEXT, cur INTEGER, n INTEGER, amount INTEGER, PRIMARY KEY (payee, cur)")))
        return;
    QVariantList binds;
    QString sql = QStringLiteral("INSERT INTO temp.report_sums SELECT t.payee, %1, 1, t.amount FROM transactions t WHERE 1")
                      .arg(ctx.data.currencySql());
    sql += ctx.data.transactionsWhere(ctx.filter.range, &binds);
    sql += QStringLiteral(" AND %1 <> 0 ON CONFLICT DO UPDATE SET n = n + 1, amount = amount + excluded.amount")
               .arg(ctx.data.transactionFlowSql(&binds));
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds)
        || !ctx.exec(q, QStringLiteral("SELECT cur, payee, n, amount FROM temp.report_sums"), {}))
        return;
    struct Payee {
        QString name;
        qint64 count = 0;
        qint64 total = 0;
    };
    QMap<Currency, QMap<QString, Payee>> byCurrency;
    while (q.next()) {
        Payee &p = byCurrency[ctx.data.currencyAt(q.value(0).toInt())][q.value(1).toString()];
        p.name = q.value(1).toString();
        p.count += q.value(2).toLongLong();
        p.total += q.value(3).toLongLong();
    }
    for (auto it = byCurrency.cbegin(); it != byCurrency.cend(); ++it) {
        const Currency currency = it.key();
        QList<Payee> payees = it.value().values();
        // Where the money goes first: the largest spending at the top.
        std::sort(payees.begin(), payees.end(), [](const Payee &a, const Payee &b) {
            return a.total != b.total ? a.total < b.total : a.name < b.name;
        });
        const QString key = chartKey("payees", currency);
        ReportChart chart{key, ChartKind::Bars, tr("Largest payees by spending"), currency, {}, {{tr("Spending"), {}}}};
        qint64 count = 0;
        qint64 total = 0;
        for (const Payee &p : std::as_const(payees)) {
            ReportRow row = makeRow({p.name, p.count, p.total, roundedDivide(p.total, p.count)}, currency);
            row.filterIndex = ctx.addFilter(currency, [&](ReportFilter &f) {
                f.flow = ReportFilter::Flow::IncomeOrExpense;
                f.payee = p.name;
            });
            row.chartKey = key;
            ctx.add(row);
            count += p.count;
            total += p.total;
            if (p.total < 0 && chart.labels.size() < 10) {
                chart.labels.append(p.name);
                chart.series[0].values.append(-p.total);
            }
        }
        ReportRow sum = makeRow({tr("Total"), count, total, roundedDivide(total, count)}, currency, 0, true);
        sum.filterIndex = ctx.addFilter(currency, [](ReportFilter &f) { f.flow = ReportFilter::Flow::IncomeOrExpense; });
        sum.chartKey = key;
        ctx.add(sum);
        if (!chart.labels.isEmpty())
            r.charts.append(chart);
    }
}

QString taxCategoryLabel(const QString &code)
{
    static const QHash<QString, const char *> labels = {
        {QStringLiteral("charitable_contributions"), QT_TRANSLATE_NOOP("ReportBuilder", "Charitable contributions")},
        {QStringLiteral("medical_dental"), QT_TRANSLATE_NOOP("ReportBuilder", "Medical and dental expenses")},
        {QStringLiteral("business_expense"), QT_TRANSLATE_NOOP("ReportBuilder", "Business expenses")},
        {QStringLiteral("home_office"), QT_TRANSLATE_NOOP("ReportBuilder", "Home office")},
        {QStringLiteral("education"), QT_TRANSLATE_NOOP("ReportBuilder", "Education")},
        {QStringLiteral("salt"), QT_TRANSLATE_NOOP("ReportBuilder", "State and local taxes")},
        {QStringLiteral("mortgage_interest"), QT_TRANSLATE_NOOP("ReportBuilder", "Mortgage interest")},
        {QStringLiteral("schedule_a_property_tax"), QT_TRANSLATE_NOOP("ReportBuilder", "Property tax")},
        {QStringLiteral("interest_income"), QT_TRANSLATE_NOOP("ReportBuilder", "Interest income")},
        {QStringLiteral("dividend_income"), QT_TRANSLATE_NOOP("ReportBuilder", "Dividend income")},
        {QStringLiteral("rental_income"), QT_TRANSLATE_NOOP("ReportBuilder", "Rental income")},
        {QStringLiteral("self_employment"), QT_TRANSLATE_NOOP("ReportBuilder", "Self-employment income")},
    };
    if (code.isEmpty())
        return tr("Other tax-related");
    const auto it = labels.constFind(code);
    return it == labels.constEnd() ? code : tr(*it);
}

void taxReport(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Tax Category"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Date"), ColumnType::Date),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Payee"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Category"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Memo"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Amount"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    // Tax categories of the store, by code, and the categories in each.
    QMap<QString, QStringList> codes;
    for (const ReportData::CategoryInfo &c : ctx.data.categories()) {
        if (c.taxRelevant)
            codes[c.taxCode].append(c.id);
    }
    // The rows in tax-relevant categories: whole transactions through the
    // index on categories, and split lines matched with their category
    // first, so that only the transactions of tax lines are looked up.
    // Transfers and rows in a category of the transfer type are neither
    // income nor expense, and do not count.
    const QString tax = QStringLiteral("k.is_tax_relevant = 1 AND k.category_type <> 'transfer' AND "
                                       "COALESCE(t.transfer_link_id, '') = ''");
    const QString currencyIndex = ctx.data.currencySql();
    QVariantList binds;
    QString sql = QStringLiteral("SELECT CAST(t.id AS BLOB), %1, t.date, CAST(t.payee AS BLOB), CAST(t.memo AS BLOB), "
                                 "t.amount, k.rowid, julianday(t.created_at) "
                                 "FROM categories k JOIN transactions t ON t.category_id = k.id "
                                 "WHERE t.is_split = 0 AND %2")
                      .arg(currencyIndex, tax);
    sql += ctx.data.transactionsWhere(ctx.filter.range, &binds);
    sql += QStringLiteral(" UNION ALL SELECT CAST(t.id AS BLOB), %1, t.date, CAST(t.payee AS BLOB), "
                          "CAST(COALESCE(NULLIF(s.memo, ''), t.memo) AS BLOB), "
                          "s.amount, k.rowid, julianday(t.created_at) FROM split_lines s CROSS JOIN categories k "
                          "ON k.id = s.category_id CROSS JOIN transactions t ON t.id = s.transaction_id "
                          "WHERE t.is_split = 1 AND %2")
               .arg(currencyIndex, tax);
    sql += ctx.data.transactionsWhere(ctx.filter.range, &binds);
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds))
        return;

    // The rows are put in order here, by tax category, currency, date,
    // entry time and id. SQLite's sorter would carry every column of each
    // row through the sort, which costs more than reading the rows; here
    // the tax category, the date and the entry time are numbers, read as
    // such (SQLite reads a time quicker than Qt copies its text), and ids
    // are compared only between rows entered at the same moment.
    const QStringList codeList = codes.keys();
    QHash<QString, int> rankOf;  // category id -> index into codeList
    for (int i = 0; i < codeList.size(); ++i) {
        for (const QString &id : codes.value(codeList.at(i)))
            rankOf.insert(id, i);
    }
    struct Category {
        QString name;
        int rank = 0;
    };
    QHash<qint64, Category> categoryOf;  // by rowid, each made once
    struct Item {
        qint64 amount = 0;
        double created = 0;  // the entry time, as a Julian day
        ReportRow row;
    };
    std::vector<Item> items;
    // What the rows are sorted by, small enough to move about quickly.
    struct Key {
        int rank = 0;
        int currency = 0;
        qint64 day = 0;
        size_t item = 0;
    };
    std::vector<Key> keys;
    while (q.next()) {
        const qint64 categoryRow = q.value(6).toLongLong();
        auto category = categoryOf.constFind(categoryRow);
        if (category == categoryOf.constEnd()) {
            const QString id = ctx.data.categoryAt(categoryRow);
            category = categoryOf.insert(categoryRow, {ctx.data.displayName(id), rankOf.value(id)});
        }
        Item item;
        item.amount = q.value(5).toLongLong();
        item.created = q.value(7).toDouble();
        const QDate date = SqlValue::parseDate(q.value(2).toString());
        const Currency currency = ctx.data.currencyAt(int(q.value(1).toLongLong()));
        item.row = makeRow({QVariant(), date, textOf(q.value(3)), category->name, textOf(q.value(4)), item.amount}, currency, 1);
        item.row.transactionId = textOf(q.value(0));
        keys.push_back({category->rank, int(currency), date.toJulianDay(), items.size()});
        items.push_back(std::move(item));
    }
    std::sort(keys.begin(), keys.end(), [&items](const Key &a, const Key &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.currency != b.currency)
            return a.currency < b.currency;
        if (a.day != b.day)
            return a.day < b.day;
        const Item &x = items[a.item];
        const Item &y = items[b.item];
        if (x.created != y.created)
            return x.created < y.created;
        return x.row.transactionId < y.row.transactionId;
    });

    // Each tax category's heading, one per currency, comes before its rows
    // and carries their sum.
    ctx.expect(qsizetype(keys.size()) + codeList.size() * ctx.data.currencies().size());
    for (size_t first = 0; first < keys.size();) {
        const Key &group = keys[first];
        size_t end = first;
        qint64 total = 0;
        for (; end < keys.size() && keys[end].rank == group.rank && keys[end].currency == group.currency; ++end)
            total += items[keys[end].item].amount;
        const Currency currency = Currency(group.currency);
        const QString &code = codeList.value(group.rank);
        ReportRow heading =
            makeRow({taxCategoryLabel(code), QVariant(), QVariant(), QVariant(), QVariant(), total}, currency, 0, true);
        heading.filterIndex = ctx.addFilter(currency, [&](ReportFilter &f) {
            f.flow = ReportFilter::Flow::IncomeOrExpense;
            f.categoryIds = codes.value(code);
        });
        ctx.add(heading);
        for (size_t i = first; i < end; ++i)
            ctx.add(std::move(items[keys[i].item].row));
        first = end;
    }
}

} // namespace ReportParts
