#include "syncwire.h"

#include <QUuid>

namespace SyncWire {

QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QJsonObject change(const QString &type, const QString &id, qint64 version, QJsonObject payload, const QString &action)
{
    payload.insert(QStringLiteral("client_id"), id);
    return {{QStringLiteral("entity_type"), type},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), action},
            {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

QJsonObject accountChange(const QString &id, qint64 version, const QString &name)
{
    return change(QStringLiteral("account"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("account_type"), QStringLiteral("checking")},
                   {QStringLiteral("currency"), QStringLiteral("USD")},
                   {QStringLiteral("is_shared"), 0},
                   {QStringLiteral("institution"), QStringLiteral("Bank")},
                   {QStringLiteral("account_number_last4"), QStringLiteral("1234")},
                   {QStringLiteral("starting_balance"), 150000},
                   {QStringLiteral("sort_order"), 1},
                   {QStringLiteral("version"), version},
                   {QStringLiteral("created_at"), QStringLiteral("2024-01-02T03:04:05Z")},
                   {QStringLiteral("updated_at"), QStringLiteral("2024-01-02T03:04:05Z")}});
}

QJsonObject transactionChange(const QString &id, qint64 version, qint64 amount, const QString &account)
{
    return change(QStringLiteral("transaction"), id, version,
                  {{QStringLiteral("account_id"), account},
                   {QStringLiteral("date"), QStringLiteral("2024-03-05")},
                   {QStringLiteral("payee"), QStringLiteral("Grocer")},
                   {QStringLiteral("memo"), QString()},
                   {QStringLiteral("amount"), amount},
                   {QStringLiteral("category_id"), QString()},
                   {QStringLiteral("cleared"), 1},
                   {QStringLiteral("is_split"), 0},
                   {QStringLiteral("version"), version}});
}

QJsonObject deleted(QJsonObject change)
{
    change.insert(QStringLiteral("action"), QStringLiteral("delete"));
    return change;
}

QJsonObject with(QJsonObject change, const QString &key, const QJsonValue &value)
{
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    payload.insert(key, value);
    change.insert(QStringLiteral("payload"), payload);
    return change;
}

QJsonObject body(const QJsonArray &changes)
{
    return {{QStringLiteral("changes"), changes}};
}

void appendPage(QJsonObject *merged, const QJsonObject &page)
{
    for (auto it = page.begin(); it != page.end(); ++it) {
        if (it.value().isArray()) {
            QJsonArray all = merged->value(it.key()).toArray();
            for (const QJsonValue &v : it.value().toArray())
                all.append(v);
            merged->insert(it.key(), all);
        } else {
            merged->insert(it.key(), it.value());
        }
    }
}

} // namespace SyncWire
