#include "syncwire.h"

#include "httpclient.h"

#include <QUrl>

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

QJsonObject pullAll(HttpClient &client, const QString &token, QString *cursor, int limit)
{
    QJsonObject merged;
    for (int page = 0; page < 100; ++page) {
        const QJsonObject reply =
            client
                .get(QStringLiteral("/quillet/v1/sync/pull?limit=%1&cursor=%2")
                         .arg(QString::number(limit), QString::fromLatin1(QUrl::toPercentEncoding(*cursor))),
                     token)
                .json();
        appendPage(&merged, reply);
        *cursor = reply.value(QStringLiteral("cursor")).toString();
        if (!reply.value(QStringLiteral("has_more")).toBool())
            break;
    }
    return merged;
}

} // namespace SyncWire
