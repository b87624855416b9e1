#include "services/reportdata.h"

#include "data/sqlvalue.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

// "?, ?, ?" for n values.
QString placeholders(qsizetype n)
{
    QStringList marks;
    marks.fill(QStringLiteral("?"), n);
    return marks.join(QStringLiteral(", "));
}

void append(QVariantList *binds, const QStringList &values)
{
    for (const QString &v : values)
        binds->append(v);
}

} // namespace

bool ReportData::load(const QSqlDatabase &db, const ReportFilter &filter, QString *error)
{
    m_accounts.clear();
    m_accountNames.clear();
    m_accountIndex.clear();
    m_categories.clear();
    m_categoryRows.clear();
    m_incomeIds.clear();
    m_transferIds.clear();
    m_unknownIds.clear();
    m_onlyTheseAccounts = false;
    m_currencies.clear();
    m_firstDate = QDate();
    m_lastDate = QDate();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, name, currency, starting_balance, deleted_at IS NULL FROM accounts "
                               "ORDER BY sort_order, name"))) {
        *error = q.lastError().text();
        return false;
    }
    const QSet<QString> wanted(filter.accountIds.cbegin(), filter.accountIds.cend());
    m_everyAccount = true;
    while (q.next()) {
        const QString id = q.value(0).toString();
        m_accountNames.insert(id, q.value(1).toString());
        if (!q.value(4).toBool())
            continue;
        if (!(wanted.isEmpty() || wanted.contains(id))) {
            m_everyAccount = false;
            continue;
        }
        m_accountIndex.insert(id, int(m_accounts.size()));
        m_accounts.append({id, q.value(1).toString(), Codes::currencyFromCode(q.value(2).toString()),
                               q.value(3).toLongLong()});
    }
    for (const AccountInfo &a : m_accounts) {
        if (!m_currencies.contains(a.currency))
            m_currencies.append(a.currency);
    }
    std::sort(m_currencies.begin(), m_currencies.end());
    if (!q.exec(QStringLiteral("SELECT id, name, category_type, parent_id, is_tax_relevant, tax_category, rowid "
                               "FROM categories"))) {
        *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        CategoryInfo c;
        c.id = q.value(0).toString();
        c.name = q.value(1).toString();
        c.type = Codes::categoryTypeFromCode(q.value(2).toString());
        c.parentId = q.value(3).toString();
        c.taxRelevant = q.value(4).toInt() != 0;
        c.taxCode = q.value(5).toString();
        m_categories.insert(c.id, c);
        m_categoryRows.insert(q.value(6).toLongLong(), c.id);
        // As the flow's CASE over the stored type reads it.
        const QString type = q.value(2).toString();
        if (type == QLatin1String("income"))
            m_incomeIds.append(c.id);
        else if (type == QLatin1String("transfer"))
            m_transferIds.append(c.id);
    }
    // The distinct ids transactions name in a column, one step along its
    // index each: a handful of steps however many rows there are.
    const auto named = [&q, error](const QString &column) {
        if (q.exec(QStringLiteral("WITH RECURSIVE named(id) AS (SELECT MIN(%1) FROM transactions UNION ALL "
                                  "SELECT (SELECT MIN(%1) FROM transactions WHERE %1 > named.id) "
                                  "FROM named WHERE named.id IS NOT NULL) SELECT id FROM named WHERE id IS NOT NULL")
                       .arg(column)))
            return true;
        *error = q.lastError().text();
        return false;
    };
    if (!named(QStringLiteral("category_id")))
        return false;
    while (q.next()) {
        const QString id = q.value(0).toString();
        if (!m_categories.contains(id))
            m_unknownIds.append(id);
    }
    // When each account transactions name is one of the accounts, the rows
    // need no test of their account.
    if (!named(QStringLiteral("account_id")))
        return false;
    m_onlyTheseAccounts = true;
    while (q.next()) {
        if (!m_accountIndex.contains(q.value(0).toString()))
            m_onlyTheseAccounts = false;
    }
    // One statement for each end, so that each reads one end of the index
    // on dates.
    QVariantList binds;
    const QString where = transactionsWhere({}, &binds);
    for (QDate *end : {&m_firstDate, &m_lastDate}) {
        const char *aggregate = end == &m_firstDate ? "MIN" : "MAX";
        if (!q.prepare(QStringLiteral("SELECT %1(t.date) FROM transactions t WHERE 1%2").arg(QLatin1String(aggregate), where))) {
            *error = q.lastError().text();
            return false;
        }
        for (int i = 0; i < binds.size(); ++i)
            q.bindValue(i, binds.at(i));
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
        if (q.next())
            *end = SqlValue::parseDate(q.value(0).toString());
    }
    return true;
}

const ReportData::AccountInfo *ReportData::account(const QString &id) const
{
    const auto it = m_accountIndex.constFind(id);
    return it == m_accountIndex.constEnd() ? nullptr : &m_accounts.at(*it);
}

const ReportData::CategoryInfo *ReportData::category(const QString &id) const
{
    const auto it = m_categories.constFind(id);
    return it == m_categories.constEnd() ? nullptr : &*it;
}

QString ReportData::topLevelOf(const QString &categoryId) const
{
    QString id = categoryId;
    // Bounded, in case a synced tree ever holds a loop.
    for (int depth = 0; depth < 16; ++depth) {
        const CategoryInfo *c = category(id);
        if (!c || c->parentId.isEmpty() || !category(c->parentId))
            break;
        id = c->parentId;
    }
    return id;
}

QString ReportData::subcategoryOf(const QString &categoryId) const
{
    const QString top = topLevelOf(categoryId);
    QString id = categoryId;
    for (int depth = 0; depth < 16 && id != top; ++depth) {
        const CategoryInfo *c = category(id);
        if (!c || c->parentId == top)
            return id;
        id = c->parentId;
    }
    return QString();
}

QString ReportData::displayName(const QString &categoryId) const
{
    const CategoryInfo *c = category(categoryId);
    if (!c)
        return QString();
    const CategoryInfo *parent = category(c->parentId);
    return parent ? QStringLiteral("%1 > %2").arg(parent->name, c->name) : c->name;
}

QStringList ReportData::withDescendants(const QString &categoryId) const
{
    QStringList ids{categoryId};
    // Breadth first, each id once, so a loop in a synced tree ends too.
    for (int i = 0; i < ids.size(); ++i) {
        for (const CategoryInfo &c : m_categories) {
            if (c.parentId == ids.at(i) && !ids.contains(c.id))
                ids.append(c.id);
        }
    }
    return ids;
}

QStringList ReportData::accountIds(Currency currency) const
{
    QStringList ids;
    for (const AccountInfo &a : m_accounts) {
        if (a.currency == currency)
            ids.append(a.id);
    }
    return ids;
}

QString ReportData::transactionsWhere(const DateRange &range, QVariantList *binds, bool byAccount) const
{
    QString where = QStringLiteral(" AND t.deleted_at IS NULL");
    const bool rows = m_firstDate.isValid() && m_lastDate.isValid();
    const bool from = range.from.isValid() && !(rows && range.from <= m_firstDate);
    const bool to = range.to.isValid() && !(rows && range.to >= m_lastDate);
    // The index on dates pays when the range holds at most a quarter of
    // the days with rows; "+" keeps SQLite from using it otherwise.
    bool fewDates = !rows;
    if (rows && (from || to)) {
        const QDate first = from ? std::max(range.from, m_firstDate) : m_firstDate;
        const QDate last = to ? std::min(range.to, m_lastDate) : m_lastDate;
        fewDates = 4 * (first.daysTo(last) + 1) <= m_firstDate.daysTo(m_lastDate) + 1;
    }
    const QString date = fewDates ? QStringLiteral("t.date") : QStringLiteral("+t.date");
    if (from) {
        where += QStringLiteral(" AND %1 >= ?").arg(date);
        binds->append(SqlValue::date(range.from));
    }
    if (to) {
        where += QStringLiteral(" AND %1 <= ?").arg(date);
        binds->append(SqlValue::date(range.to));
    }
    QStringList ids;
    for (const AccountInfo &a : m_accounts)
        ids.append(a.id);
    if (ids.isEmpty())
        return where + QStringLiteral(" AND 0");
    // Every row is in one of the accounts: testing each row's account
    // would only cost time.
    if (m_onlyTheseAccounts && !byAccount)
        return where;
    append(binds, ids);
    // Every account is nearly every row: the index on accounts would only
    // slow the reading down.
    return where + QStringLiteral(" AND %1 IN (%2)")
                       .arg(m_everyAccount && !byAccount ? QStringLiteral("+t.account_id") : QStringLiteral("t.account_id"),
                            placeholders(ids.size()));
}

QString ReportData::flowSql(const char *amount, QVariantList *binds)
{
    // Opening balances are written by the account form under this payee, in
    // the language of the day; they are money the user already had.
    binds->append(QStringLiteral("Opening Balance"));
    binds->append(QCoreApplication::translate("AccountService", "Opening Balance"));
    return QStringLiteral("CASE WHEN COALESCE(t.transfer_link_id, '') <> '' THEN 0 "
                          "WHEN c.category_type = 'income' THEN 1 "
                          "WHEN c.category_type = 'transfer' THEN 0 "
                          "WHEN c.id IS NOT NULL THEN 2 "
                          "WHEN t.payee IN (?, ?) THEN 0 "
                          "WHEN %1 > 0 THEN 1 WHEN %1 < 0 THEN 2 ELSE 0 END")
        .arg(QLatin1String(amount));
}

QString ReportData::transactionFlowSql(QVariantList *binds) const
{
    const auto in = [binds](const QStringList &ids) {
        append(binds, ids);
        return QStringLiteral("t.category_id IN (%1)").arg(placeholders(ids.size()));
    };
    QString none = QStringLiteral("t.category_id IS NULL");
    if (!m_unknownIds.isEmpty())
        none = QStringLiteral("(%1 OR %2)").arg(none, in(m_unknownIds));
    binds->append(QStringLiteral("Opening Balance"));
    binds->append(QCoreApplication::translate("AccountService", "Opening Balance"));
    QString sql = QStringLiteral("CASE WHEN COALESCE(t.transfer_link_id, '') <> '' THEN 0 WHEN %1 THEN CASE "
                                 "WHEN t.payee IN (?, ?) THEN 0 WHEN t.amount > 0 THEN 1 WHEN t.amount < 0 THEN 2 "
                                 "ELSE 0 END")
                      .arg(none);
    if (!m_incomeIds.isEmpty())
        sql += QStringLiteral(" WHEN %1 THEN 1").arg(in(m_incomeIds));
    if (!m_transferIds.isEmpty())
        sql += QStringLiteral(" WHEN %1 THEN 0").arg(in(m_transferIds));
    return sql + QStringLiteral(" ELSE 2 END");
}

QString ReportData::currencySql() const
{
    if (m_currencies.size() < 2)
        return QStringLiteral("0");
    // Each currency but the first by the list of its accounts; the first is
    // what is left.
    QString sql = QStringLiteral("CASE");
    for (int i = 1; i < m_currencies.size(); ++i) {
        QStringList ids;
        for (const AccountInfo &a : m_accounts) {
            if (a.currency == m_currencies.at(i))
                ids.append(QLatin1Char('\'') + QString(a.id).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''));
        }
        sql += QStringLiteral(" WHEN t.account_id IN (%1) THEN %2").arg(ids.join(QStringLiteral(", "))).arg(i);
    }
    return sql + QStringLiteral(" ELSE 0 END");
}

QString ReportData::itemsSql(const DateRange &range, const QStringList &columns, QVariantList *binds, Part part) const
{
    // The same columns from a whole transaction and from a split line; the
    // line's own memo wins over its transaction's. For both parts in one,
    // each column picks the one or the other.
    const auto pick = [part](const QString &whole, const QString &line) {
        switch (part) {
        case Part::Whole:
            return whole;
        case Part::Lines:
            return line;
        case Part::Both:
            break;
        }
        return QStringLiteral("CASE WHEN t.is_split = 1 THEN %1 ELSE %2 END").arg(line, whole);
    };
    const QString amount = pick(QStringLiteral("t.amount"), QStringLiteral("s.amount"));
    QStringList parts;
    for (const QString &name : columns) {
        if (name == QLatin1String("tid"))
            parts.append(QStringLiteral("t.id AS tid"));
        else if (name == QLatin1String("cur"))
            parts.append(currencySql() + QStringLiteral(" AS cur"));
        else if (name == QLatin1String("amount"))
            parts.append(amount + QStringLiteral(" AS amount"));
        else if (name == QLatin1String("memo"))
            parts.append(pick(QStringLiteral("t.memo"), QStringLiteral("COALESCE(NULLIF(s.memo, ''), t.memo)"))
                         + QStringLiteral(" AS memo"));
        else if (name == QLatin1String("cat"))
            parts.append(QStringLiteral("c.id AS cat"));
        else if (name == QLatin1String("catid"))
            parts.append(pick(QStringLiteral("t.category_id"), QStringLiteral("s.category_id")) + QStringLiteral(" AS catid"));
        else if (name == QLatin1String("catrow"))
            parts.append(QStringLiteral("c.rowid AS catrow"));
        else if (name == QLatin1String("flow"))
            parts.append(flowSql(amount.toLatin1().constData(), binds) + QStringLiteral(" AS flow"));
        else
            parts.append(QStringLiteral("t.") + name);
    }
    const QString select = parts.join(QStringLiteral(", "));
    QString sql;
    switch (part) {
    case Part::Whole:
        sql = QStringLiteral("(SELECT %1 FROM transactions t LEFT JOIN categories c ON c.id = t.category_id "
                             "WHERE t.is_split = 0")
                  .arg(select);
        break;
    case Part::Lines:
        sql = QStringLiteral("(SELECT %1 FROM transactions t JOIN split_lines s ON s.transaction_id = t.id "
                             "LEFT JOIN categories c ON c.id = s.category_id WHERE t.is_split = 1")
                  .arg(select);
        break;
    case Part::Both:
        // A split transaction stands for its lines, never for itself. Only
        // a split one looks for lines: the others' key is NULL, which
        // SQLite does not look up at all.
        sql = QStringLiteral("(SELECT %1 FROM transactions t LEFT JOIN split_lines s ON "
                             "s.transaction_id = CASE WHEN t.is_split = 1 THEN t.id END LEFT JOIN categories c ON c.id = %2 "
                             "WHERE (t.is_split = 0 OR s.id IS NOT NULL)")
                  .arg(select, pick(QStringLiteral("t.category_id"), QStringLiteral("s.category_id")));
        break;
    }
    sql += transactionsWhere(range, binds);
    return sql + QStringLiteral(")");
}

QString ReportData::eachPart(const std::function<QString(Part)> &statement)
{
    const QString whole = statement(Part::Whole);
    return whole + QStringLiteral(" UNION ALL ") + statement(Part::Lines);
}

QString ReportData::internalTransferSql(const char *alias, QVariantList *binds) const
{
    for (const AccountInfo &a : m_accounts)
        binds->append(a.id);
    if (m_accounts.isEmpty())
        binds->append(QString());
    return QStringLiteral("(COALESCE(%1.transfer_link_id, '') <> '' AND COALESCE(%1.transfer_dest_account_id, '') IN (%2))")
        .arg(QLatin1String(alias), placeholders(std::max<qsizetype>(1, m_accounts.size())));
}

QString ReportData::conditionsSql(const ReportFilter &filter, QVariantList *binds) const
{
    QString sql;
    if (!filter.categoryIds.isEmpty()) {
        sql += QStringLiteral(" AND i.cat IN (%1)").arg(placeholders(filter.categoryIds.size()));
        append(binds, filter.categoryIds);
    }
    if (filter.uncategorized)
        sql += QStringLiteral(" AND i.cat IS NULL");
    if (!filter.payee.isEmpty()) {
        sql += QStringLiteral(" AND i.payee = ?");
        binds->append(filter.payee);
    }
    switch (filter.flow) {
    case ReportFilter::Flow::Any:
        break;
    case ReportFilter::Flow::IncomeOrExpense:
        sql += QStringLiteral(" AND i.flow <> 0");
        break;
    case ReportFilter::Flow::Income:
        sql += QStringLiteral(" AND i.flow = 1");
        break;
    case ReportFilter::Flow::Expense:
        sql += QStringLiteral(" AND i.flow = 2");
        break;
    case ReportFilter::Flow::CashFlow:
        sql += QStringLiteral(" AND NOT %1").arg(internalTransferSql("i", binds));
        break;
    }
    return sql;
}
