#include "cloud/syncchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

QByteArray scalar(const QJsonValue &value)
{
    // A one-element array lets QJsonDocument do the quoting and escaping.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QByteArray object(const SyncChange::Fields &fields)
{
    QByteArray out = "{";
    for (const auto &[key, value] : fields) {
        if (out.size() > 1)
            out += ',';
        out += scalar(key) + ':' + value;
    }
    return out + '}';
}

// Builds a payload in order; every one starts with client_id and, once the
// row has one, server_id.
class Payload
{
public:
    Payload(const QString &id, const QString &serverId)
    {
        text("client_id", id);
        if (!serverId.isEmpty())
            text("server_id", serverId);
    }

    Payload &text(const char *key, const QString &value) { return add(key, scalar(value)); }
    Payload &number(const char *key, qint64 value) { return add(key, QByteArray::number(value)); }
    Payload &flag(const char *key, bool value) { return add(key, value ? "1" : "0"); }
    Payload &date(const char *key, const QDate &value)
    {
        return text(key, value.toString(QStringLiteral("yyyy-MM-dd")));
    }
    Payload &time(const char *key, const QDateTime &value) { return text(key, value.toUTC().toString(Qt::ISODate)); }
    Payload &stamps(const QDateTime &created, const QDateTime &updated, const QDateTime &deleted)
    {
        time("created_at", created).time("updated_at", updated);
        if (deleted.isValid())
            time("deleted_at", deleted);
        return *this;
    }
    Payload &add(const char *key, const QByteArray &json)
    {
        m_fields.append({QString::fromLatin1(key), json});
        return *this;
    }
    SyncChange::Fields fields() const { return m_fields; }

private:
    SyncChange::Fields m_fields;
};

QString categoryTypeText(CategoryType type)
{
    switch (type) {
    case CategoryType::Income:
        return QStringLiteral("income");
    case CategoryType::Transfer:
        return QStringLiteral("transfer");
    default:
        return QStringLiteral("expense");
    }
}

template <typename Row>
SyncChange change(const char *type, const Row &row, const Payload &payload)
{
    return {QString::fromLatin1(type), row.id, row.isDeleted(), row.version, payload.fields()};
}

} // namespace

SyncChange SyncChange::of(const Account &a)
{
    Payload p(a.id, a.serverId);
    p.text("name", a.name)
        .text("account_type", Codes::accountTypeCode(a.type))
        .text("currency", Codes::currencyCode(a.currency))
        .flag("is_shared", a.isShared)
        .text("institution", a.institution)
        .text("account_number_last4", a.accountNumberLast4)
        .number("starting_balance", a.startingBalance)
        .number("sort_order", a.sortOrder)
        .number("version", a.version)
        .stamps(a.createdAt, a.updatedAt, a.deletedAt);
    return change("account", a, p);
}

SyncChange SyncChange::of(const Category &c)
{
    Payload p(c.id, c.serverId);
    p.text("name", c.name)
        .text("category_type", categoryTypeText(c.type))
        .text("parent_id", c.parentId)
        .flag("is_tax_relevant", c.isTaxRelevant)
        .text("tax_category", c.taxCategory)
        .text("icon", c.icon)
        .text("color", c.color)
        .flag("is_default", c.isDefault)
        .text("account_id", c.accountId)
        .number("version", c.version)
        .stamps(c.createdAt, c.updatedAt, c.deletedAt);
    return change("category", c, p);
}

SyncChange SyncChange::of(const RecurringTransaction &r)
{
    Payload p(r.id, r.serverId);
    p.text("account_id", r.accountId)
        .text("payee", r.payee)
        .text("memo", r.memo)
        .number("amount", r.amount)
        .text("category_id", r.categoryId)
        .text("transfer_dest_account_id", r.transferDestAccountId)
        .text("frequency", Codes::frequencyCode(r.frequency))
        .date("start_date", r.startDate);
    if (r.hasEndDate())
        p.date("end_date", r.endDate);
    // A schedule's version travels beside the payload, not in it.
    p.date("next_due_date", r.nextDueDate)
        .flag("auto_post", r.autoPost)
        .number("lead_days", r.leadDays)
        .flag("is_active", r.isActive)
        .stamps(r.createdAt, r.updatedAt, r.deletedAt);
    return change("recurring", r, p);
}

SyncChange SyncChange::of(const Transaction &t, const QList<SplitLine> &lines)
{
    Payload p(t.id, t.serverId);
    p.text("account_id", t.accountId)
        .date("date", t.date)
        .text("payee", t.payee)
        .text("memo", t.memo)
        .number("amount", t.amount)
        .text("category_id", t.categoryId)
        .text("check_number", t.checkNumber)
        .flag("cleared", t.cleared)
        .flag("reconciled", t.reconciled)
        .text("transfer_link_id", t.transferLinkId)
        .text("transfer_dest_account_id", t.transferDestAccountId)
        .flag("is_split", t.isSplit)
        .text("recurring_id", t.recurringId)
        .number("version", t.version)
        .stamps(t.createdAt, t.updatedAt, t.deletedAt);
    if (t.isSplit) {
        QByteArray array = "[";
        for (const SplitLine &line : lines) {
            if (array.size() > 1)
                array += ',';
            array += object({{QStringLiteral("category_id"), scalar(line.categoryId)},
                             {QStringLiteral("amount"), QByteArray::number(line.amount)},
                             {QStringLiteral("memo"), scalar(line.memo)}});
        }
        p.add("split_lines", array + ']');
    }
    return change("transaction", t, p);
}

SyncChange SyncChange::of(const Reconciliation &r)
{
    Payload p(r.id, r.serverId);
    p.text("account_id", r.accountId)
        .date("statement_date", r.statementDate)
        .number("statement_balance", r.statementBalance)
        .number("reconciled_balance", r.reconciledBalance)
        .time("completed_at", r.completedAt)
        .number("version", r.version)
        .stamps(r.createdAt, r.updatedAt, r.deletedAt);
    return change("reconciliation", r, p);
}

QByteArray SyncChange::toJson() const
{
    return object({{QStringLiteral("entity_type"), scalar(entityType)},
                   {QStringLiteral("entity_id"), scalar(entityId)},
                   {QStringLiteral("action"), scalar(isDelete ? QStringLiteral("delete") : QStringLiteral("upsert"))},
                   {QStringLiteral("version"), QByteArray::number(version)},
                   {QStringLiteral("payload"), object(payload)}});
}

QByteArray pushBody(const QList<SyncChange> &changes)
{
    QByteArray array = "[";
    for (const SyncChange &change : changes) {
        if (array.size() > 1)
            array += ',';
        array += change.toJson();
    }
    return "{\"changes\":" + array + "]}";
}
