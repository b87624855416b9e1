#include "server/syncchanges.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <vector>

namespace QuilletServer {

namespace {

enum class Kind { Text, Integer, Flag, SplitLines };

struct Key {
    const char *name;
    Kind kind;
};

// Every key of every payload and what it must hold. A text may also be null;
// a flag is a boolean or a number. Keys the server does not know are kept as
// they are, so a newer app loses nothing through an older server.
const std::array<std::vector<Key>, kEntityCount> &payloadKeys()
{
    static const std::vector<Key> common = {{"client_id", Kind::Text},  {"server_id", Kind::Text},
                                            {"version", Kind::Integer},  {"created_at", Kind::Text},
                                            {"updated_at", Kind::Text},  {"deleted_at", Kind::Text}};
    auto with = [](std::vector<Key> keys) {
        keys.insert(keys.end(), common.begin(), common.end());
        return keys;
    };
    static const std::array<std::vector<Key>, kEntityCount> keys = {
        with({{"name", Kind::Text},
              {"account_type", Kind::Text},
              {"currency", Kind::Text},
              {"is_shared", Kind::Flag},
              {"institution", Kind::Text},
              {"account_number_last4", Kind::Text},
              {"starting_balance", Kind::Integer},
              {"sort_order", Kind::Integer}}),
        with({{"name", Kind::Text},
              {"category_type", Kind::Text},
              {"parent_id", Kind::Text},
              {"is_tax_relevant", Kind::Flag},
              {"tax_category", Kind::Text},
              {"icon", Kind::Text},
              {"color", Kind::Text},
              {"is_default", Kind::Flag},
              {"account_id", Kind::Text}}),
        with({{"account_id", Kind::Text},
              {"payee", Kind::Text},
              {"memo", Kind::Text},
              {"amount", Kind::Integer},
              {"category_id", Kind::Text},
              {"transfer_dest_account_id", Kind::Text},
              {"frequency", Kind::Text},
              {"start_date", Kind::Text},
              {"end_date", Kind::Text},
              {"next_due_date", Kind::Text},
              {"auto_post", Kind::Flag},
              {"lead_days", Kind::Integer},
              {"is_active", Kind::Flag}}),
        with({{"account_id", Kind::Text},
              {"date", Kind::Text},
              {"payee", Kind::Text},
              {"memo", Kind::Text},
              {"amount", Kind::Integer},
              {"category_id", Kind::Text},
              {"check_number", Kind::Text},
              {"cleared", Kind::Flag},
              {"reconciled", Kind::Flag},
              {"transfer_link_id", Kind::Text},
              {"transfer_dest_account_id", Kind::Text},
              {"is_split", Kind::Flag},
              {"recurring_id", Kind::Text},
              {"split_lines", Kind::SplitLines}}),
        with({{"account_id", Kind::Text},
              {"statement_date", Kind::Text},
              {"statement_balance", Kind::Integer},
              {"reconciled_balance", Kind::Integer},
              {"completed_at", Kind::Text}}),
    };
    return keys;
}

// The same, looked up by name: a push checks thousands of payloads.
const QHash<QString, Kind> &keyKinds(int entity)
{
    static const std::array<QHash<QString, Kind>, kEntityCount> tables = [] {
        std::array<QHash<QString, Kind>, kEntityCount> out;
        for (size_t e = 0; e < out.size(); ++e) {
            for (const Key &key : payloadKeys().at(e))
                out[e].insert(QString::fromLatin1(key.name), key.kind);
        }
        return out;
    }();
    return tables.at(size_t(entity));
}

bool isInteger(const QJsonValue &v)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    return std::trunc(d) == d && std::fabs(d) <= 9007199254740992.0;
}

// Empty when the value fits the kind, else what is wrong with it.
QString kindProblem(const QJsonValue &v, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return v.isString() || v.isNull() ? QString() : QStringLiteral("must be a string");
    case Kind::Integer:
        return isInteger(v) ? QString() : QStringLiteral("must be an integer");
    case Kind::Flag:
        return v.isBool() || isInteger(v) ? QString() : QStringLiteral("must be 0, 1, true or false");
    case Kind::SplitLines: {
        if (!v.isArray())
            return QStringLiteral("must be an array");
        const QJsonArray lines = v.toArray();
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).isObject())
                return QStringLiteral("[%1] must be an object").arg(i);
            const QJsonObject line = lines.at(i).toObject();
            const std::pair<const char *, Kind> keys[] = {
                {"category_id", Kind::Text}, {"amount", Kind::Integer}, {"memo", Kind::Text}};
            for (const auto &k : keys) {
                const QString name = QString::fromLatin1(k.first);
                if (line.contains(name) && !kindProblem(line.value(name), k.second).isEmpty())
                    return QStringLiteral("[%1].%2 %3").arg(i).arg(name, kindProblem(line.value(name), k.second));
            }
            if (!line.contains(QStringLiteral("amount")))
                return QStringLiteral("[%1].amount is missing").arg(i);
        }
        return {};
    }
    }
    return {};
}

QString changeProblem(const QJsonObject &c, Change *out)
{
    const QJsonValue type = c.value(QStringLiteral("entity_type"));
    if (!type.isString())
        return type.isUndefined() ? QStringLiteral("entity_type is missing") : QStringLiteral("entity_type must be a string");
    out->entity = entityIndex(type.toString());
    if (out->entity < 0)
        return QStringLiteral("entity_type \"%1\" is not one of account, category, recurring, transaction, "
                              "reconciliation")
            .arg(type.toString().left(40));
    const QJsonValue id = c.value(QStringLiteral("entity_id"));
    if (!id.isString())
        return id.isUndefined() ? QStringLiteral("entity_id is missing") : QStringLiteral("entity_id must be a string");
    if (!isUuidText(id.toString()))
        return QStringLiteral("entity_id is not a UUID");
    out->entityId = id.toString();
    const QJsonValue action = c.value(QStringLiteral("action"));
    if (action.isUndefined())
        return QStringLiteral("action is missing");
    if (action.toString() != QLatin1String("upsert") && action.toString() != QLatin1String("delete"))
        return QStringLiteral("action must be \"upsert\" or \"delete\"");
    out->isDelete = action.toString() == QLatin1String("delete");
    const QJsonValue version = c.value(QStringLiteral("version"));
    if (version.isUndefined())
        return QStringLiteral("version is missing");
    if (!isInteger(version) || version.toDouble() < 0)
        return QStringLiteral("version must be a whole number of at least 0");
    out->version = qint64(version.toDouble());
    const QJsonValue payload = c.value(QStringLiteral("payload"));
    if (!payload.isObject())
        return payload.isUndefined() ? QStringLiteral("payload is missing") : QStringLiteral("payload must be an object");
    out->payload = payload.toObject();
    const QHash<QString, Kind> &kinds = keyKinds(out->entity);
    for (auto it = out->payload.constBegin(); it != out->payload.constEnd(); ++it) {
        const auto kind = kinds.constFind(it.key());
        if (kind == kinds.constEnd())
            continue;
        const QString problem = kindProblem(it.value(), *kind);
        if (!problem.isEmpty())
            return QStringLiteral("payload.%1%2%3")
                .arg(it.key(), problem.startsWith(QLatin1Char('[')) ? QString() : QStringLiteral(" "), problem);
    }
    const QJsonValue clientId = out->payload.value(QStringLiteral("client_id"));
    if (clientId.isUndefined())
        return QStringLiteral("payload.client_id is missing");
    if (clientId.toString() != out->entityId)
        return QStringLiteral("payload.client_id differs from entity_id");
    return {};
}

} // namespace

const std::array<EntityKind, kEntityCount> &entityKinds()
{
    static const std::array<EntityKind, kEntityCount> kinds = {{{"account", "accounts"},
                                                                {"category", "categories"},
                                                                {"recurring", "recurring_transactions"},
                                                                {"transaction", "transactions"},
                                                                {"reconciliation", "reconciliations"}}};
    return kinds;
}

int entityIndex(const QString &type)
{
    for (int i = 0; i < kEntityCount; ++i) {
        if (type == QLatin1String(entityKinds().at(size_t(i)).type))
            return i;
    }
    return -1;
}

QString entityType(int entity)
{
    return QString::fromLatin1(entityKinds().at(size_t(entity)).type);
}

bool isUuidText(const QString &text)
{
    if (text.size() != 36)
        return false;
    for (int i = 0; i < 36; ++i) {
        const QChar c = text.at(i);
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != QLatin1Char('-'))
                return false;
        } else if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                     || (c >= QLatin1Char('A') && c <= QLatin1Char('F')))) {
            return false;
        }
    }
    return true;
}

bool parsePushRequest(const QByteArray &body, QList<Change> *out, QString *problem)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("the body is not valid JSON: %1 at offset %2")
                       .arg(parseError.errorString())
                       .arg(parseError.offset);
        return false;
    }
    if (!doc.isObject()) {
        *problem = QStringLiteral("the body must be a JSON object");
        return false;
    }
    const QJsonValue changes = doc.object().value(QStringLiteral("changes"));
    if (!changes.isArray()) {
        *problem = changes.isUndefined() ? QStringLiteral("changes is missing") : QStringLiteral("changes must be an array");
        return false;
    }
    const QJsonArray list = changes.toArray();
    if (list.size() > kMaxChangesPerPush) {
        *problem = QStringLiteral("changes has %1 entries; at most %2 are allowed in one push")
                       .arg(list.size())
                       .arg(kMaxChangesPerPush);
        return false;
    }
    out->clear();
    out->reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        if (!list.at(i).isObject()) {
            *problem = QStringLiteral("changes[%1] must be an object").arg(i);
            return false;
        }
        Change change;
        const QString p = changeProblem(list.at(i).toObject(), &change);
        if (!p.isEmpty()) {
            *problem = QStringLiteral("changes[%1].%2").arg(i).arg(p);
            return false;
        }
        out->append(std::move(change));
    }
    return true;
}

} // namespace QuilletServer
