#include "server/sharedpull.h"
#include "server/store.h"

#include <QSet>

namespace QuilletServer {

SharedPull::SharedPull(Store &store, const QString &userId)
    : m_store(store)
    , m_userId(userId)
{
}

QString SharedPull::ownCopyAbsent()
{
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM records o WHERE o.user_id = d.user_id "
                          "AND o.entity_type = d.entity_type AND o.client_id = d.client_id)");
}

QString SharedPull::pageSql()
{
    static const QString sql =
        QStringLiteral("SELECT client_id, server_id, version, payload, seq, 0, user_id, '' FROM records "
                       "WHERE user_id = ? AND entity_type = ? AND seq > ? "
                       "UNION ALL "
                       "SELECT r.client_id, r.server_id, r.version, r.payload, d.seq, d.revoked, r.user_id, "
                       "d.changed_at FROM shared_records d JOIN records r ON r.server_id = d.server_id "
                       "WHERE d.user_id = ? AND d.entity_type = ? AND d.seq > ? AND ")
        + ownCopyAbsent() + QStringLiteral(" ORDER BY 5 LIMIT ?");
    return sql;
}

void SharedPull::note(QJsonObject &record, bool revoked, const QString &ownerId, const QString &changedAt)
{
    if (ownerId == m_userId)
        return;
    if (!revoked) {
        m_delivered.insert(record.value(QStringLiteral("id")).toString(), ownerId);
        return;
    }
    if (record.value(QStringLiteral("deleted_at")).toString().isEmpty())
        record.insert(QStringLiteral("deleted_at"), changedAt);
    record.insert(QStringLiteral("access_revoked"), true);
}

bool SharedPull::decorateAccounts(QJsonArray *records, QString *error)
{
    if (records->isEmpty())
        return true;
    QSet<QString> sharedOut;
    {
        Query q(m_store, QStringLiteral("SELECT account_server_id FROM account_shares WHERE owner_user_id = ?"));
        q.bind(m_userId);
        if (!q.exec(error))
            return false;
        while (q.next())
            sharedOut.insert(q.value(0).toString());
    }
    QHash<QString, QJsonObject> sharedIn;
    if (!m_delivered.isEmpty()) {
        Query q(m_store, QStringLiteral("SELECT s.account_server_id, s.role, u.email, u.display_name "
                                        "FROM account_shares s JOIN users u ON u.id = s.owner_user_id "
                                        "WHERE s.member_user_id = ?"));
        q.bind(m_userId);
        if (!q.exec(error))
            return false;
        while (q.next()) {
            sharedIn.insert(q.value(0).toString(), {{QStringLiteral("shared_role"), q.value(1).toString()},
                                                    {QStringLiteral("owner_email"), q.value(2).toString()},
                                                    {QStringLiteral("owner_display_name"), q.value(3).toString()}});
        }
    }
    for (qsizetype i = 0; i < records->size(); ++i) {
        QJsonObject record = records->at(i).toObject();
        const QString id = record.value(QStringLiteral("id")).toString();
        if (record.value(QStringLiteral("access_revoked")).toBool()) {
            record.insert(QStringLiteral("is_shared"), 0);
        } else if (m_delivered.contains(id)) {
            record.insert(QStringLiteral("is_shared"), 1);
            const QJsonObject share = sharedIn.value(id);
            for (auto it = share.begin(); it != share.end(); ++it)
                record.insert(it.key(), it.value());
        } else {
            record.insert(QStringLiteral("is_shared"), sharedOut.contains(id) ? 1 : 0);
        }
        records->replace(i, record);
    }
    return true;
}

} // namespace QuilletServer
