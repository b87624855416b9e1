#include "server/sharedfeed.h"
#include "server/changesequence.h"
#include "server/store.h"
#include "server/syncchanges.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <vector>

namespace QuilletServer {

namespace {

// Deeper category trees than this are not made by the app.
constexpr int kMaxCategoryDepth = 8;

QJsonObject payloadOf(const QVariant &text)
{
    return QJsonDocument::fromJson(text.toString().toUtf8()).object();
}

} // namespace

QStringList categoriesUsed(const QJsonObject &payload)
{
    QStringList ids;
    auto add = [&ids](const QJsonValue &value) {
        const QString id = value.toString();
        if (!id.isEmpty() && !ids.contains(id))
            ids.append(id);
    };
    add(payload.value(QStringLiteral("category_id")));
    for (const QJsonValue &line : payload.value(QStringLiteral("split_lines")).toArray())
        add(line.toObject().value(QStringLiteral("category_id")));
    return ids;
}

SharedFeed::SharedFeed(Store &store, ChangeSequences &sequences, const QString &now)
    : m_store(store)
    , m_sequences(sequences)
    , m_now(now)
{
}

bool SharedFeed::receivesAny(Store &store, const QString &userId, bool *out, QString *error, bool rowsOnly)
{
    Query q(store, rowsOnly ? QStringLiteral("SELECT 1 FROM shared_records WHERE user_id = ? "
                                             "AND entity_type <> 'category' LIMIT 1")
                            : QStringLiteral("SELECT 1 FROM shared_records WHERE user_id = ? LIMIT 1"));
    q.bind(userId);
    if (!q.exec(error))
        return false;
    *out = q.next();
    return true;
}

bool SharedFeed::sharedWith(Store &store, const QString &memberId, QHash<QString, SharedAccount> *out, QString *error)
{
    out->clear();
    Query q(store, QStringLiteral("SELECT s.owner_user_id, r.server_id, r.client_id, s.role FROM account_shares s "
                                  "JOIN records r ON r.server_id = s.account_server_id WHERE s.member_user_id = ?"));
    q.bind(memberId);
    if (!q.exec(error))
        return false;
    while (q.next()) {
        const SharedAccount account{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                    q.value(3).toString()};
        out->insert(account.clientId, account);
    }
    return true;
}

bool SharedFeed::findAccount(Store &store, const QString &serverId, RecordRef *out, bool *deleted, bool *found,
                             QString *error)
{
    Query q(store, QStringLiteral("SELECT user_id, client_id, payload, deleted FROM records "
                                  "WHERE server_id = ? AND entity_type = 'account'"));
    q.bind(serverId);
    if (!q.exec(error))
        return false;
    *found = q.next();
    if (*found) {
        *out = {q.value(0).toString(), kAccountKind, q.value(1).toString(), serverId, QString(), payloadOf(q.value(2))};
        *deleted = q.value(3).toInt() != 0;
    }
    return true;
}

bool SharedFeed::ownerTakesPart(const QString &ownerId, bool *part, QString *error)
{
    const auto known = m_takesPart.constFind(ownerId);
    if (known != m_takesPart.constEnd()) {
        *part = *known;
        return true;
    }
    *part = false;
    for (const QString &sql : {QStringLiteral("SELECT 1 FROM account_shares WHERE owner_user_id = ? LIMIT 1"),
                               QStringLiteral("SELECT 1 FROM shared_records WHERE owner_user_id = ? LIMIT 1")}) {
        Query q(m_store, sql);
        q.bind(ownerId);
        if (!q.exec(error))
            return false;
        if (q.next()) {
            *part = true;
            break;
        }
    }
    m_takesPart.insert(ownerId, *part);
    return true;
}

bool SharedFeed::membersOfAccount(const RecordRef &record, QStringList *members, QString *error)
{
    members->clear();
    if (record.entity == kAccountKind) {
        Query q(m_store, QStringLiteral("SELECT member_user_id FROM account_shares WHERE account_server_id = ?"));
        q.bind(record.serverId);
        if (!q.exec(error))
            return false;
        while (q.next())
            members->append(q.value(0).toString());
        return true;
    }
    if (record.entity != kTransactionKind && record.entity != kReconciliationKind)
        return true;
    const QString key = record.ownerId + QLatin1Char('\n') + record.accountId;
    if (const auto known = m_rowMembers.constFind(key); known != m_rowMembers.constEnd()) {
        *members = *known;
        return true;
    }
    Query q(m_store, QStringLiteral("SELECT s.member_user_id FROM account_shares s "
                                    "JOIN records a ON a.server_id = s.account_server_id "
                                    "WHERE a.user_id = ? AND a.entity_type = 'account' AND a.client_id = ?"));
    q.bind(record.ownerId).bind(record.accountId);
    if (!q.exec(error))
        return false;
    while (q.next())
        members->append(q.value(0).toString());
    m_rowMembers.insert(key, *members);
    return true;
}

bool SharedFeed::enter(const QString &memberId, const RecordRef &record, bool revoked, QString *error)
{
    qint64 seq = 0;
    if (!m_sequences.next(memberId, &seq, error))
        return false;
    Query q(m_store, QStringLiteral("INSERT INTO shared_records (user_id, server_id, owner_user_id, entity_type, "
                                    "client_id, seq, revoked, changed_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
                                    "ON CONFLICT (user_id, server_id) DO UPDATE SET seq = excluded.seq, "
                                    "revoked = excluded.revoked, changed_at = excluded.changed_at"));
    q.bind(memberId).bind(record.serverId).bind(record.ownerId).bind(entityType(record.entity)).bind(record.clientId);
    q.bind(seq).bind(revoked ? 1 : 0).bind(m_now);
    if (!q.exec(error))
        return false;
    m_takesPart.insert(record.ownerId, true);
    return true;
}

bool SharedFeed::recordChanged(const RecordRef &record, QString *error)
{
    bool part = false;
    if (!ownerTakesPart(record.ownerId, &part, error))
        return false;
    if (!part)
        return true;
    QStringList entitled;
    if (!membersOfAccount(record, &entitled, error))
        return false;
    std::vector<std::pair<QString, bool>> entered;  // member, revoked
    {
        Query q(m_store, QStringLiteral("SELECT user_id, revoked FROM shared_records WHERE server_id = ?"));
        q.bind(record.serverId);
        if (!q.exec(error))
            return false;
        while (q.next())
            entered.emplace_back(q.value(0).toString(), q.value(1).toInt() != 0);
    }
    const QStringList used = record.entity == kTransactionKind ? categoriesUsed(record.payload) : QStringList();
    // An editor may file a row under a category of their own: the owner
    // needs it as much as the other members do.
    if (!entitled.isEmpty() && !deliverCategories(record.ownerId, record.ownerId, record.accountId, used, error))
        return false;
    for (const QString &member : std::as_const(entitled)) {
        // A category before the row that uses it: the member's store needs it first.
        if (!deliverCategories(member, record.ownerId, record.accountId, used, error) || !enter(member, record, false, error))
            return false;
    }
    for (const auto &[member, revoked] : entered) {
        if (revoked || entitled.contains(member))
            continue;
        // A category stays with whoever has it; a row that left the shared
        // account leaves the member's view with it.
        if (!enter(member, record, record.entity != kCategoryKind, error))
            return false;
    }
    return true;
}

bool SharedFeed::deliverCategories(const QString &memberId, const QString &ownerId, const QString &accountId,
                                   const QStringList &categoryIds, QString *error)
{
    for (const QString &id : categoryIds) {
        if (!deliverCategory(memberId, ownerId, accountId, id, 0, error))
            return false;
    }
    return true;
}

bool SharedFeed::findCategory(const QString &ownerId, const QString &accountId, const QString &categoryId,
                              RecordRef *out, bool *found, QString *error)
{
    auto read = [&](Query &q) {
        if (!q.exec(error))
            return false;
        *found = q.next();
        if (*found)
            *out = {q.value(0).toString(), kCategoryKind, categoryId, q.value(1).toString(), QString(),
                    payloadOf(q.value(2))};
        return true;
    };
    Query own(m_store, QStringLiteral("SELECT user_id, server_id, payload FROM records WHERE user_id = ? "
                                      "AND entity_type = 'category' AND client_id = ?"));
    own.bind(ownerId).bind(categoryId);
    if (!read(own))
        return false;
    if (*found)
        return true;
    // Not the owner's: then one of whoever shares or shared the account, an
    // editor's own category they filed a row under.
    Query members(m_store, QStringLiteral("SELECT c.user_id, c.server_id, c.payload FROM records a "
                                          "JOIN shared_records d ON d.server_id = a.server_id "
                                          "JOIN records c ON c.user_id = d.user_id AND c.entity_type = 'category' "
                                          "AND c.client_id = ? "
                                          "WHERE a.user_id = ? AND a.entity_type = 'account' AND a.client_id = ? "
                                          "ORDER BY c.user_id LIMIT 1"));
    members.bind(categoryId).bind(ownerId).bind(accountId);
    return read(members);
}

bool SharedFeed::deliverCategory(const QString &memberId, const QString &ownerId, const QString &accountId,
                                 const QString &categoryId, int depth, QString *error)
{
    if (depth > kMaxCategoryDepth)
        return true;
    // Rows of one push mostly use the same few categories: each is looked
    // into once a member.
    const QString delivered = memberId + QLatin1Char('\n') + categoryId;
    if (m_delivered.contains(delivered))
        return true;
    {
        // The member's own category of that id (the default ones have the
        // same ids everywhere) is the one their store keeps.
        Query q(m_store, QStringLiteral("SELECT 1 FROM records WHERE user_id = ? AND entity_type = 'category' "
                                        "AND client_id = ?"));
        q.bind(memberId).bind(categoryId);
        if (!q.exec(error))
            return false;
        if (q.next()) {
            m_delivered.insert(delivered);
            return true;
        }
    }
    RecordRef category;
    bool found = false;
    if (!findCategory(ownerId, accountId, categoryId, &category, &found, error))
        return false;
    if (!found)
        return true;
    {
        Query q(m_store, QStringLiteral("SELECT revoked FROM shared_records WHERE user_id = ? AND server_id = ?"));
        q.bind(memberId).bind(category.serverId);
        if (!q.exec(error))
            return false;
        if (q.next() && q.value(0).toInt() == 0) {
            m_delivered.insert(delivered);
            return true;
        }
    }
    // A parent before its child, for the same reason.
    const QString parent = category.payload.value(QStringLiteral("parent_id")).toString();
    if (!parent.isEmpty() && parent != categoryId && !deliverCategory(memberId, ownerId, accountId, parent, depth + 1, error))
        return false;
    if (!enter(memberId, category, false, error))
        return false;
    m_delivered.insert(delivered);
    return true;
}

bool SharedFeed::accountShared(const RecordRef &account, const QString &memberId, QString *error)
{
    std::vector<RecordRef> rows;
    QStringList used;
    {
        Query q(m_store, QStringLiteral("SELECT entity_type, client_id, server_id, payload FROM records "
                                        "WHERE user_id = ? AND entity_type IN ('transaction', 'reconciliation') "
                                        "AND account_id = ? AND deleted = 0 ORDER BY seq"));
        q.bind(account.ownerId).bind(account.clientId);
        if (!q.exec(error))
            return false;
        while (q.next()) {
            RecordRef row{account.ownerId, entityIndex(q.value(0).toString()), q.value(1).toString(),
                          q.value(2).toString(), account.clientId, payloadOf(q.value(3))};
            if (row.entity == kTransactionKind) {
                for (const QString &id : categoriesUsed(row.payload)) {
                    if (!used.contains(id))
                        used.append(id);
                }
            }
            rows.push_back(std::move(row));
        }
    }
    if (!enter(memberId, account, false, error)
        || !deliverCategories(memberId, account.ownerId, account.clientId, used, error))
        return false;
    for (const RecordRef &row : rows) {
        if (!enter(memberId, row, false, error))
            return false;
    }
    return true;
}

bool SharedFeed::roleChanged(const RecordRef &account, const QString &memberId, QString *error)
{
    return enter(memberId, account, false, error);
}

bool SharedFeed::accountUnshared(const RecordRef &account, const QString &memberId, QString *error)
{
    std::vector<RecordRef> rows;
    {
        Query q(m_store, QStringLiteral("SELECT r.entity_type, r.client_id, r.server_id FROM shared_records d "
                                        "JOIN records r ON r.server_id = d.server_id "
                                        "WHERE d.user_id = ? AND d.revoked = 0 AND r.user_id = ? "
                                        "AND r.entity_type IN ('transaction', 'reconciliation') "
                                        "AND r.account_id = ?"));
        q.bind(memberId).bind(account.ownerId).bind(account.clientId);
        if (!q.exec(error))
            return false;
        while (q.next())
            rows.push_back({account.ownerId, entityIndex(q.value(0).toString()), q.value(1).toString(),
                            q.value(2).toString(), account.clientId, {}});
    }
    for (const RecordRef &row : rows) {
        if (!enter(memberId, row, true, error))
            return false;
    }
    return enter(memberId, account, true, error);
}

} // namespace QuilletServer
