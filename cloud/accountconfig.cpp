#include "cloud/accountconfig.h"
#include "quillet/version.h"

#include <QtGlobal>

namespace LarkAccount {

namespace {

QString variable(const char *name, const char *fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

// Trailing slashes would double up when paths are appended.
QString base(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

} // namespace

Config Config::fromTexts(const QStringList &nine)
{
    Config config;
    QString *fields[] = {&config.authBaseUrl, &config.realm,      &config.accountApiUrl,
                         &config.clientId,    &config.appId,      &config.productTitle,
                         &config.appVersion,  &config.reserved,   &config.portalUrl};
    for (int i = 0; i < 9 && i < nine.size(); ++i)
        *fields[i] = nine.at(i);
    config.authBaseUrl = base(config.authBaseUrl);
    config.accountApiUrl = base(config.accountApiUrl);
    return config;
}

Config Config::fromEnvironment()
{
    Config config = fromTexts({
        variable("AUTH_BASE_URL", "https://id.larkspire.app"),
        variable("AUTH_REALM_SLUG", "larkspire"),
        variable("ACCOUNT_API_URL", "https://api.larkspire.app/account/v1"),
        variable("AUTH_CLIENT_ID", "5e0f3a9d27c84b61a0d9e3f4b8c21a7e"),
        QStringLiteral("app.larkspire.quillet"),
        QStringLiteral("Larkspire Quillet"),
        QStringLiteral(QUILLET_VERSION),
        QString(),
        variable("ACCOUNT_PORTAL_URL", "https://account.larkspire.app/"),
    });
    config.syncApiUrl = base(variable("SYNC_API_URL", "https://api.larkspire.app/quillet/v1"));
    config.downloadsUrl = base(variable("DOWNLOADS_URL", "https://api.larkspire.app/downloads"));
    config.feedbackUrl = variable("FEEDBACK_URL", "https://larkspire.app/quillet/feedback");
    return config;
}

QString platformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macos");
#else
    return QStringLiteral("linux");
#endif
}

} // namespace LarkAccount
