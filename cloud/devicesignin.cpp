#include "cloud/devicesignin.h"

#include "cloud/accountclient.h"
#include "cloud/httpcall.h"
#include "cloud/signinclient.h"

#include <QTimer>
#include <QUrl>

namespace LarkAccount {

DeviceSignIn::DeviceSignIn(Client *client, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &DeviceSignIn::poll);
}

void DeviceSignIn::start()
{
    const Config &config = m_client->config();
    Http::postForm(m_client->network(), QUrl(config.authBaseUrl + QStringLiteral("/auth/device")),
                   {{QStringLiteral("client_id"), config.clientId}}, SignInClient::kRequestTimeoutMs, this,
                   [this](const HttpResult &result) {
                       m_deviceCode = result.body.value(QStringLiteral("device_code")).toString();
                       if (!result.ok || m_deviceCode.isEmpty()) {
                           fail(result.errorText());
                           return;
                       }
                       m_intervalSecs = qMax(1, result.body.value(QStringLiteral("interval")).toInt(5));
                       m_expiry.start();
                       m_lifetimeSecs = result.body.value(QStringLiteral("expires_in")).toInt(600);
                       Q_EMIT codeReady(result.body.value(QStringLiteral("verification_uri")).toString(),
                                        result.body.value(QStringLiteral("user_code")).toString(),
                                        result.body.value(QStringLiteral("verification_uri_complete")).toString());
                       m_timer->start(m_intervalSecs * 1000);
                   });
}

void DeviceSignIn::poll()
{
    const Config &config = m_client->config();
    Http::postForm(m_client->network(), QUrl(config.authBaseUrl + QStringLiteral("/auth/token")),
                   {{QStringLiteral("grant_type"), QStringLiteral("urn:ietf:params:oauth:grant-type:device_code")},
                    {QStringLiteral("device_code"), m_deviceCode},
                    {QStringLiteral("client_id"), config.clientId}},
                   SignInClient::kRequestTimeoutMs, this, [this](const HttpResult &result) { onPollAnswer(result); });
}

void DeviceSignIn::onPollAnswer(const HttpResult &result)
{
    if (result.ok) {
        m_client->signIn()->acceptTokens(result.body, [this](bool ok, const QString &why) {
            if (!ok) {
                fail(why);
                return;
            }
            m_client->registerDevice([this](bool) { Q_EMIT finished(true, {}); });
        });
        return;
    }
    const QString error = result.body.value(QStringLiteral("error")).toString();
    const bool waiting = error == QLatin1String("authorization_pending") || error == QLatin1String("slow_down")
                         || result.status == 0;
    if (waiting && m_expiry.elapsed() / 1000 < m_lifetimeSecs) {
        if (error == QLatin1String("slow_down"))
            m_intervalSecs += 5;
        m_timer->start(m_intervalSecs * 1000);
        return;
    }
    if (error == QLatin1String("access_denied"))
        fail(tr("the request was denied"));
    else if (error == QLatin1String("expired_token") || waiting)
        fail(tr("the code expired before it was approved"));
    else
        fail(result.errorText());
}

void DeviceSignIn::fail(const QString &error)
{
    m_timer->stop();
    Q_EMIT finished(false, error);
}

} // namespace LarkAccount
