#include "server/appdevices.h"
#include "server/serverconfig.h"
#include "server/store.h"

namespace QuilletServer {

namespace {

const QString kSelect = QStringLiteral(
    "SELECT device_id, name, platform, app_version, created_at, last_seen_at FROM devices WHERE user_id = ? ");

QJsonObject readDevice(const Query &q)
{
    return {{QStringLiteral("device_id"), q.value(0).toString()},  {QStringLiteral("name"), q.value(1).toString()},
            {QStringLiteral("platform"), q.value(2).toString()},   {QStringLiteral("app_version"), q.value(3).toString()},
            {QStringLiteral("created_at"), q.value(4).toString()}, {QStringLiteral("last_seen_at"), q.value(5).toString()}};
}

} // namespace

AppDevices::AppDevices(ServerContext &context)
    : m_context(context)
{
}

bool AppDevices::upsert(const QString &userId, const Device &device, QJsonObject *stored, QString *error)
{
    const QString now = m_context.nowIso();
    {
        Query q(*m_context.store,
                QStringLiteral("INSERT INTO devices (user_id, device_id, name, platform, app_version, created_at, "
                               "last_seen_at) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (user_id, device_id) DO UPDATE "
                               "SET name = excluded.name, platform = excluded.platform, "
                               "app_version = excluded.app_version, last_seen_at = excluded.last_seen_at"));
        q.bind(userId).bind(device.deviceId).bind(device.name).bind(device.platform).bind(device.appVersion);
        q.bind(now).bind(now);
        if (!q.exec(error))
            return false;
    }
    Query q(*m_context.store, kSelect + QStringLiteral("AND device_id = ?"));
    q.bind(userId).bind(device.deviceId);
    if (!q.exec(error) || !q.next())
        return false;
    *stored = readDevice(q);
    return true;
}

bool AppDevices::list(const QString &userId, QJsonArray *out, QString *error)
{
    Query q(*m_context.store, kSelect + QStringLiteral("ORDER BY created_at, device_id"));
    q.bind(userId);
    if (!q.exec(error))
        return false;
    while (q.next())
        out->append(readDevice(q));
    return true;
}

bool AppDevices::remove(const QString &userId, const QString &deviceId, QString *error)
{
    error->clear();
    Query q(*m_context.store, QStringLiteral("DELETE FROM devices WHERE user_id = ? AND device_id = ?"));
    q.bind(userId).bind(deviceId);
    return q.exec(error) && q.rowsAffected() > 0;
}

} // namespace QuilletServer
