#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace QuilletServer {

struct ServerContext;

// The app installations a user has registered. Registering the same
// device_id again updates its name, platform and version.
class AppDevices
{
public:
    explicit AppDevices(ServerContext &context);

    struct Device {
        QString deviceId;
        QString name;
        QString platform;
        QString appVersion;
    };
    bool upsert(const QString &userId, const Device &device, QJsonObject *stored, QString *error);
    bool list(const QString &userId, QJsonArray *out, QString *error);
    // False with an empty *error when the user has no such device.
    bool remove(const QString &userId, const QString &deviceId, QString *error);

private:
    ServerContext &m_context;
};

} // namespace QuilletServer
