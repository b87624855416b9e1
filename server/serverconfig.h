#pragma once

#include "server/secrets.h"

#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace QuilletServer {

class Store;

// The app's built-in identity values, accepted out of the box.
inline constexpr char kDefaultRealm[] = "larkspire";
inline constexpr char kDefaultClientId[] = "5e0f3a9d27c84b61a0d9e3f4b8c21a7e";

struct ServerConfig {
    QString realm = QString::fromLatin1(kDefaultRealm);
    QStringList clientIds = {QString::fromLatin1(kDefaultClientId)};
    QString productTitle = QStringLiteral("Larkspire Quillet");
    QString releasesDir;  // empty: no update manifests are offered
    bool allowSignUp = true;
    QString publicUrl;  // how clients reach the server; empty: from each request's Host
    // Reverse proxies whose X-Forwarded-For names the real client (for the throttle).
    QList<QHostAddress> trustedProxies;
    PasswordCost passwordCost = PasswordCost::interactive();
    qint64 maxBodyBytes = 8 * 1024 * 1024;
};

// What every part of the server shares: configuration, the store and the
// clock. Tests move the clock to let codes and tokens expire.
struct ServerContext {
    ServerConfig config;
    Store *store = nullptr;
    std::function<qint64()> clockMs = [] { return QDateTime::currentMSecsSinceEpoch(); };

    qint64 nowSecs() const { return clockMs() / 1000; }
    QString nowIso() const
    {
        return QDateTime::fromMSecsSinceEpoch(clockMs(), Qt::UTC).toString(Qt::ISODateWithMs);
    }
};

} // namespace QuilletServer
