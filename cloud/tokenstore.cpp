#include "cloud/tokenstore.h"

#include "cloud/accountconfig.h"
#include "cloud/filetokenstore.h"

#include <QDir>

#if defined(Q_OS_WIN)
#include "cloud/credentialtokenstore.h"
#else
#include "cloud/keychaintokenstore.h"
#endif

namespace LarkAccount {

const char *const TokenStore::kAccessKey = "larkspire_access_token";
const char *const TokenStore::kRefreshKey = "larkspire_refresh_token";

QString TokenStore::entryName(const QString &appId, const QString &key)
{
    return QStringLiteral("Larkspire/%1/%2").arg(appId, key);
}

TokenStore *TokenStore::create(const Config &config, const QString &dataDirectory, QObject *parent)
{
    const QString filePath = QDir(dataDirectory).filePath(QStringLiteral("signin-tokens.json"));
    if (qEnvironmentVariable("QUILLET_TOKEN_STORE") == QLatin1String("file"))
        return new FileTokenStore(filePath, parent);
#if defined(Q_OS_WIN)
    return new CredentialTokenStore(config.appId, parent);
#else
    // Without a session bus no secret service can answer; asking would only
    // wait for a time-out.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        FileTokenStore::warnFallback(filePath);
        return new FileTokenStore(filePath, parent);
    }
    auto *file = new FileTokenStore(filePath, nullptr);
    auto *store = new KeychainTokenStore(config.appId, file, parent);
    file->setParent(store);
    return store;
#endif
}

} // namespace LarkAccount
