// Account Summary and Transactions: the registers themselves, summed per
// account or listed row by row.
#include "services/reportparts.h"

#include "data/sqlvalue.h"

#include <QCoreApplication>
#include <QMap>
#include <QSqlError>

#include <algorithm>

namespace ReportParts {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportBuilder", text);
}

} // namespace

void accountSummary(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Account"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Opening"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Inflow"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Outflow"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Closing"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Cleared"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Last Reconciled"), ColumnType::Date),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    const DateRange range = ctx.filter.range;
    // An empty store leaves the range open: every sum below is then 0.
    const QString from = range.from.isValid() ? SqlValue::date(range.from) : QStringLiteral("0000-00-00");
    const QString to = range.to.isValid() ? SqlValue::date(range.to) : QStringLiteral("0000-00-00");
    // Ends of the period beyond the first and the last row compare nothing
    // and are left out (All Time leaves out both).
    const bool rows = range.from.isValid() && range.to.isValid();
    const bool before = !rows || range.from > ctx.data.firstDate();
    const bool after = !rows || range.to < ctx.data.lastDate();
    QVariantList binds;
    const auto condition = [&](const QStringList &parts, const QStringList &values) {
        for (const QString &v : values)
            binds.append(v);
        return parts.isEmpty() ? QStringLiteral("1") : parts.join(QStringLiteral(" AND "));
    };
    const QString earlier = before ? condition({QStringLiteral("t.date < ?")}, {from}) : QStringLiteral("0");
    QStringList inside;
    QStringList insideValues;
    if (before) {
        inside.append(QStringLiteral("t.date >= ?"));
        insideValues.append(from);
    }
    if (after) {
        inside.append(QStringLiteral("t.date <= ?"));
        insideValues.append(to);
    }
    const QString in = condition(inside, insideValues);
    const QString in2 = condition(inside, insideValues);
    const QString upTo = after ? condition({QStringLiteral("t.date <= ?")}, {to}) : QStringLiteral("1");
    QString sql = QStringLiteral("SELECT t.account_id, SUM(CASE WHEN %1 THEN t.amount ELSE 0 END), "
                                 "SUM(CASE WHEN %2 AND t.amount > 0 THEN t.amount ELSE 0 END), "
                                 "SUM(CASE WHEN %3 AND t.amount < 0 THEN -t.amount ELSE 0 END), "
                                 "SUM(CASE WHEN %4 AND (t.cleared = 1 OR t.reconciled = 1) THEN t.amount ELSE 0 END) "
                                 "FROM transactions t WHERE 1")
                      .arg(earlier, in, in2, upTo);
    sql += ctx.data.transactionsWhere({}, &binds, true) + QStringLiteral(" GROUP BY t.account_id");
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds))
        return;
    struct Sums {
        qint64 before = 0, inflow = 0, outflow = 0, cleared = 0;
    };
    QHash<QString, Sums> sums;
    while (q.next())
        sums.insert(q.value(0).toString(),
                    {q.value(1).toLongLong(), q.value(2).toLongLong(), q.value(3).toLongLong(), q.value(4).toLongLong()});

    // The statement dates of the newest reconciliation up to the period's end.
    QHash<QString, QDate> reconciled;
    if (!ctx.exec(q, QStringLiteral("SELECT account_id, MAX(statement_date) FROM reconciliations "
                                    "WHERE deleted_at IS NULL AND statement_date <= ? GROUP BY account_id"),
                  {to}))
        return;
    while (q.next())
        reconciled.insert(q.value(0).toString(), SqlValue::parseDate(q.value(1).toString()));

    for (const Currency currency : ctx.data.currencies()) {
        Sums total;
        qint64 openingTotal = 0;
        for (const ReportData::AccountInfo &a : ctx.data.accounts()) {
            if (a.currency != currency)
                continue;
            const Sums s = sums.value(a.id);
            const qint64 opening = a.startingBalance + s.before;
            const QDate last = reconciled.value(a.id);
            ReportRow row = makeRow({a.name, opening, s.inflow, s.outflow, opening + s.inflow - s.outflow,
                                     a.startingBalance + s.cleared, last.isValid() ? QVariant(last) : QVariant()},
                                    currency);
            row.filterIndex = ctx.addFilter(currency, [&](ReportFilter &f) { f.accountIds = {a.id}; });
            ctx.add(row);
            openingTotal += opening;
            total.inflow += s.inflow;
            total.outflow += s.outflow;
            total.cleared += a.startingBalance + s.cleared;
        }
        ReportRow sum = makeRow({tr("Total"), openingTotal, total.inflow, total.outflow,
                                 openingTotal + total.inflow - total.outflow, total.cleared, QVariant()},
                                currency, 0, true);
        sum.filterIndex = ctx.addFilter(currency, [](ReportFilter &) {});
        ctx.add(sum);
    }
}

void transactions(Context &ctx)
{
    Report &r = *ctx.report;
    r.columns = {column(QT_TRANSLATE_NOOP("ReportBuilder", "Date"), ColumnType::Date),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Account"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Payee"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Category"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Memo"), ColumnType::Text),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Amount"), ColumnType::Money),
                 column(QT_TRANSLATE_NOOP("ReportBuilder", "Currency"), ColumnType::Currency)};
    const bool limited = ctx.rowLimit >= 0;
    // The rows of one part that the filter lets through, as " FROM ... WHERE ...".
    const auto from = [&](ReportData::Part part, QVariantList *binds) {
        const QString items = ctx.data.itemsSql(
            ctx.filter.range,
            {QStringLiteral("tid"), QStringLiteral("account_id"), QStringLiteral("date"), QStringLiteral("payee"),
             QStringLiteral("memo"), QStringLiteral("amount"), QStringLiteral("cat"), QStringLiteral("catid"),
             QStringLiteral("transfer_link_id"), QStringLiteral("transfer_dest_account_id"), QStringLiteral("created_at"),
             QStringLiteral("flow")},
            binds, part);
        return QStringLiteral(" FROM %1 i WHERE 1%2").arg(items, ctx.data.conditionsSql(ctx.filter, binds));
    };
    // With a limit, the newest rows are kept: read newest first along the
    // index on dates, both parts in one pass, so that only the newest
    // transactions are looked at. SQLite reads them in the order of their
    // dates alone; rows of one day are put in order of entry time and id
    // here, which costs far less than SQLite sorting each day's rows. The
    // reading goes on to the end of the day of the last row kept.
    // The category comes as the row names it, so that SQLite need not look
    // it up, and a transfer's two columns as one. Texts come as their bytes
    // (see Item), but the date as it is, for the index on dates, and the
    // entry time as a number, which compares quicker than its text.
    QVariantList binds;
    const auto select = [&](ReportData::Part part) {
        return QStringLiteral("SELECT CAST(i.tid AS BLOB), CAST(i.account_id AS BLOB), i.date, CAST(i.payee AS BLOB), "
                              "CAST(i.memo AS BLOB), i.amount, CAST(i.catid AS BLOB), "
                              "CASE WHEN COALESCE(i.transfer_link_id, '') <> '' THEN "
                              "COALESCE(i.transfer_dest_account_id, '') END, julianday(i.created_at)")
            + from(part, &binds);
    };
    QString sql = limited ? select(ReportData::Part::Both) : ReportData::eachPart(select);
    sql += limited ? QStringLiteral(" ORDER BY 3 DESC") : QStringLiteral(" ORDER BY 3, 9, 1");
    QSqlQuery q(ctx.db);
    if (!ctx.exec(q, sql, binds))
        return;
    // A row as read. Texts stay as their UTF-8 bytes until the row is
    // made: the account and the category are looked up by them, and only
    // the rows shown are decoded.
    struct Item {
        const ReportData::AccountInfo *account = nullptr;
        QByteArray id, payee, memo, categoryId;
        QString date;
        // The account at the other end of a transfer, empty when it has
        // none; null when the row is no transfer.
        QVariant transferAccount;
        double createdAt = 0;
        qint64 amount = 0;
    };
    QHash<QByteArray, const ReportData::AccountInfo *> accounts;
    const auto read = [&q, &ctx, &accounts](Item &item) {
        const QByteArray accountId = q.value(1).toByteArray();
        auto it = accounts.constFind(accountId);
        if (it == accounts.cend())
            it = accounts.insert(accountId, ctx.data.account(QString::fromUtf8(accountId)));
        item.account = *it;
        if (!item.account)
            return false;
        item.id = q.value(0).toByteArray();
        item.date = q.value(2).toString();
        item.payee = q.value(3).toByteArray();
        item.memo = q.value(4).toByteArray();
        item.amount = q.value(5).toLongLong();
        item.categoryId = q.value(6).toByteArray();
        item.transferAccount = q.value(7);
        item.createdAt = q.value(8).toDouble();
        return true;
    };
    QList<Item> newest;
    QList<qsizetype> order;  // the newest rows' positions, oldest first
    if (limited) {
        Item item;
        while (q.next()) {
            if (!read(item))
                continue;
            if (newest.size() > ctx.rowLimit && item.date != newest.at(ctx.rowLimit).date)
                break;
            newest.append(std::move(item));
        }
        // Stopped short (the report called off): no partial list.
        if (q.lastError().type() != QSqlError::NoError) {
            ctx.error = q.lastError().text();
            return;
        }
        // Oldest first. The rows came newest day first, so the days are
        // taken from the end, and each day's rows put in order of entry
        // time and id. The lines of one split transaction, alike in all
        // three, stay in the order they were read, as in the whole list.
        // Only positions move, not the rows.
        order.reserve(newest.size());
        for (qsizetype end = newest.size(); end > 0;) {
            qsizetype begin = end - 1;
            while (begin > 0 && newest.at(begin - 1).date == newest.at(end - 1).date)
                --begin;
            const qsizetype day = order.size();
            for (qsizetype i = begin; i < end; ++i)
                order.append(i);
            std::stable_sort(order.begin() + day, order.end(), [&newest](qsizetype a, qsizetype b) {
                const Item &x = newest.at(a);
                const Item &y = newest.at(b);
                if (x.createdAt != y.createdAt)
                    return x.createdAt < y.createdAt;
                return x.id < y.id;
            });
            end = begin;
        }
        if (order.size() > ctx.rowLimit) {
            r.truncated = true;
            order.remove(0, order.size() - ctx.rowLimit);
        }
    }
    QMap<Currency, qint64> totals;
    QHash<QByteArray, QString> categoryNames;
    qint64 count = 0;
    qsizetype next = 0;
    Item streamed;
    while (limited ? next < order.size() : q.next()) {
        if (!limited && !read(streamed))
            continue;
        const Item &item = limited ? newest.at(order.at(next++)) : streamed;
        ++count;
        QString category;
        if (!item.transferAccount.isNull()) {
            category = tr("Transfer: %1").arg(ctx.data.accountName(item.transferAccount.toString()));
        } else if (!item.categoryId.isEmpty()) {
            auto it = categoryNames.constFind(item.categoryId);
            if (it == categoryNames.cend())
                it = categoryNames.insert(item.categoryId, ctx.data.displayName(QString::fromUtf8(item.categoryId)));
            category = *it;
        }
        ReportRow row = makeRow({SqlValue::parseDate(item.date), item.account->name, QString::fromUtf8(item.payee),
                                 category, QString::fromUtf8(item.memo), item.amount},
                                item.account->currency);
        row.transactionId = QString::fromUtf8(item.id);
        totals[item.account->currency] += item.amount;
        if (!ctx.add(std::move(row)))
            return;
    }
    r.matchingRows = count;

    // The totals cover every matching row, also those left out. Counting
    // them reads every matching row, so the rows shown go out first.
    if (r.truncated && ctx.rowsFirst) {
        r.totalsPending = true;
        ctx.rowsFirst(r);
        r.totalsPending = false;
    }
    if (r.truncated) {
        totals.clear();
        r.matchingRows = 0;
        binds.clear();
        const QString sums = ReportData::eachPart([&](ReportData::Part part) {
            return QStringLiteral("SELECT i.account_id, COUNT(*), SUM(i.amount)") + from(part, &binds)
                + QStringLiteral(" GROUP BY i.account_id");
        });
        if (!ctx.exec(q, sums, binds))
            return;
        while (q.next()) {
            if (const ReportData::AccountInfo *account = ctx.data.account(q.value(0).toString())) {
                r.matchingRows += q.value(1).toLongLong();
                totals[account->currency] += q.value(2).toLongLong();
            }
        }
    }
    for (auto it = totals.cbegin(); it != totals.cend(); ++it) {
        ctx.add(makeRow({tr("Total"), QVariant(), QVariant(), QVariant(), QVariant(), it.value()}, it.key(), 0, true));
    }
}

} // namespace ReportParts
