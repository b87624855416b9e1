#include "cloud/syncrecord.h"

#include "data/ids.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace SyncRecord {

namespace {

// A whole number within what a double holds exactly; anything else is 0
// rather than an undefined conversion.
qint64 numberOf(const QJsonValue &value)
{
    const double d = value.toDouble(0);
    return std::isfinite(d) && std::fabs(d) <= 9007199254740992.0 ? qint64(d) : 0;
}

// One pulled record and the readers for its fields.
class Fields
{
public:
    explicit Fields(const QJsonObject &record)
        : m_record(record)
    {
    }

    QString text(const char *key) const
    {
        return m_record.value(QLatin1String(key)).toString().left(kMaxTextLength);
    }
    qint64 number(const char *key) const { return numberOf(m_record.value(QLatin1String(key))); }
    bool flag(const char *key) const { return flagOf(m_record.value(QLatin1String(key))); }
    QDate date(const char *key) const { return dateOf(m_record.value(QLatin1String(key))); }
    QDateTime time(const char *key) const
    {
        return QDateTime::fromString(m_record.value(QLatin1String(key)).toString(), Qt::ISODate).toUTC();
    }
    bool has(const char *key) const { return m_record.contains(QLatin1String(key)); }

    // The fields every synchronised row has.
    template <typename Row>
    void common(Row &row) const
    {
        row.id = clientId(m_record);
        row.serverId = text("id");
        row.syncStatus = SyncStatus::Synced;
        row.version = int(number("version"));
        row.createdAt = time("created_at");
        row.updatedAt = time("updated_at");
        row.deletedAt = time("deleted_at");
    }

private:
    QJsonObject m_record;
};

} // namespace

QString clientId(const QJsonObject &record)
{
    return record.value(QLatin1String("client_id")).toString().left(kMaxTextLength);
}

QDate dateOf(const QJsonValue &value)
{
    const QString text = value.toString();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    return QDateTime::fromString(text, Qt::ISODate).date();
}

bool flagOf(const QJsonValue &value)
{
    return value.isBool() ? value.toBool() : value.toDouble(0) != 0;
}

Account account(const QJsonObject &record)
{
    const Fields f(record);
    Account a;
    f.common(a);
    a.name = f.text("name");
    a.type = Codes::accountTypeFromCode(f.text("account_type"));
    a.currency = Codes::currencyFromCode(f.text("currency"));
    a.isShared = f.flag("is_shared");
    a.institution = f.text("institution");
    a.accountNumberLast4 = f.text("account_number_last4");
    a.startingBalance = f.number("starting_balance");
    a.sortOrder = int(f.number("sort_order"));
    return a;
}

Category category(const QJsonObject &record)
{
    const Fields f(record);
    Category c;
    f.common(c);
    c.name = f.text("name");
    c.type = Codes::categoryTypeFromCode(f.text("category_type"));
    c.parentId = f.text("parent_id");
    c.isTaxRelevant = f.flag("is_tax_relevant");
    c.taxCategory = f.text("tax_category");
    c.icon = f.text("icon");
    c.color = f.text("color");
    c.isDefault = f.flag("is_default");
    c.accountId = f.text("account_id");
    return c;
}

RecurringTransaction recurring(const QJsonObject &record, bool *hasLeadDays)
{
    const Fields f(record);
    RecurringTransaction r;
    f.common(r);
    r.accountId = f.text("account_id");
    r.payee = f.text("payee");
    r.memo = f.text("memo");
    r.amount = f.number("amount");
    r.categoryId = f.text("category_id");
    r.transferDestAccountId = f.text("transfer_dest_account_id");
    r.frequency = Codes::frequencyFromCode(f.text("frequency"));
    r.startDate = f.date("start_date");
    r.endDate = f.date("end_date");
    r.nextDueDate = f.date("next_due_date");
    r.autoPost = f.flag("auto_post");
    r.leadDays = int(f.number("lead_days"));
    r.isActive = f.flag("is_active");
    if (hasLeadDays)
        *hasLeadDays = f.has("lead_days");
    return r;
}

Transaction transaction(const QJsonObject &record, QList<SplitLine> *lines)
{
    const Fields f(record);
    Transaction t;
    f.common(t);
    t.accountId = f.text("account_id");
    t.date = f.date("date");
    t.payee = f.text("payee");
    t.memo = f.text("memo");
    t.amount = f.number("amount");
    t.categoryId = f.text("category_id");
    t.checkNumber = f.text("check_number");
    t.cleared = f.flag("cleared");
    t.reconciled = f.flag("reconciled");
    t.transferLinkId = f.text("transfer_link_id");
    t.transferDestAccountId = f.text("transfer_dest_account_id");
    t.isSplit = f.flag("is_split");
    t.recurringId = f.text("recurring_id");
    if (lines) {
        lines->clear();
        if (t.isSplit) {
            const QJsonArray array = record.value(QLatin1String("split_lines")).toArray();
            for (const QJsonValue &value : array) {
                const Fields line(value.toObject());
                lines->append({Ids::newId(), t.id, line.text("category_id"), line.number("amount"), line.text("memo"),
                               t.updatedAt, t.updatedAt});
            }
        }
    }
    return t;
}

Reconciliation reconciliation(const QJsonObject &record)
{
    const Fields f(record);
    Reconciliation r;
    f.common(r);
    r.accountId = f.text("account_id");
    r.statementDate = f.date("statement_date");
    r.statementBalance = f.number("statement_balance");
    r.reconciledBalance = f.number("reconciled_balance");
    r.completedAt = f.time("completed_at");
    return r;
}

} // namespace SyncRecord
