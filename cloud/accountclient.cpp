#include "cloud/accountclient.h"

#include "cloud/apiclient.h"
#include "cloud/signinclient.h"
#include "cloud/tokenstore.h"
#include "data/ids.h"

#include <QNetworkAccessManager>
#include <QSettings>
#include <QSysInfo>
#include <QUrl>

namespace LarkAccount {

namespace {
const QString kDeviceIdKey = QStringLiteral("auth/deviceId");
const QString kEmailKey = QStringLiteral("auth/email");
const QString kNameKey = QStringLiteral("auth/displayName");
}

Client::Client(const Config &config, const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
    , m_store(TokenStore::create(config, dataDirectory, this))
    , m_signIn(new SignInClient(config, m_store, m_network, this))
    , m_api(new ApiClient(config, m_signIn, m_network, this))
    , m_accountApi(new ApiClient(config, m_signIn, m_network, this))
{
    m_api->setBaseUrl(config.syncApiUrl);
    m_accountApi->setBaseUrl(config.accountApiUrl);
    // The last known profile shows until the service answers again.
    const QSettings settings;
    m_email = settings.value(kEmailKey).toString();
    m_displayName = settings.value(kNameKey).toString();
    connect(m_signIn, &SignInClient::logoutCompleted, this, &Client::forgetAccount);
}

Client::~Client() = default;

void Client::start(std::function<void()> done)
{
    m_signIn->start(std::move(done));
}

bool Client::isAuthenticated() const
{
    return m_signIn->isAuthenticated();
}

QString Client::deviceId()
{
    QSettings settings;
    QString id = settings.value(kDeviceIdKey).toString();
    if (id.isEmpty()) {
        id = Ids::newId();
        settings.setValue(kDeviceIdKey, id);
    }
    return id;
}

QUrl Client::portalUrl() const
{
    return QUrl(m_config.portalUrl);
}

void Client::registerDevice(std::function<void(bool)> done)
{
    const QJsonObject body{{QStringLiteral("device_id"), deviceId()},
                           {QStringLiteral("name"), QSysInfo::machineHostName().left(200)},
                           {QStringLiteral("platform"), platformName()},
                           {QStringLiteral("app_version"), m_config.appVersion}};
    m_accountApi->post(QStringLiteral("/devices/register"), body,
                       [this, done = std::move(done)](bool ok, int status, const QJsonObject &reply) {
                           if (!ok)
                               qWarning().noquote() << "Device registration failed (HTTP" << status << "):"
                                                    << reply.value(QStringLiteral("message")).toString();
                           else
                               refreshAccount();
                           if (done)
                               done(ok);
                       });
}

void Client::refreshAccount()
{
    fetchProfile([](bool, int) {});
    m_accountApi->get(QStringLiteral("/devices"), [this](bool ok, int, const QJsonObject &reply) {
        if (ok)
            applyDevices(reply.value(QStringLiteral("devices")).toArray());
    });
}

void Client::fetchProfile(std::function<void(bool, int)> done)
{
    m_accountApi->get(QStringLiteral("/me"), [this, done = std::move(done)](bool ok, int status, const QJsonObject &me) {
        if (ok)
            applyProfile(me);
        done(ok && !m_userId.isEmpty(), status);
    });
}

void Client::applyProfile(const QJsonObject &me)
{
    m_userId = me.value(QStringLiteral("id")).toString();
    m_email = me.value(QStringLiteral("email")).toString();
    m_displayName = me.value(QStringLiteral("display_name")).toString();
    QSettings settings;
    settings.setValue(kEmailKey, m_email);
    settings.setValue(kNameKey, m_displayName);
    Q_EMIT profileChanged();
}

void Client::applyDevices(const QJsonArray &devices)
{
    m_devices = devices;
    Q_EMIT devicesChanged();
}

void Client::forgetAccount()
{
    m_userId.clear();
    m_email.clear();
    m_displayName.clear();
    m_devices = {};
    QSettings settings;
    settings.remove(kEmailKey);
    settings.remove(kNameKey);
    Q_EMIT profileChanged();
    Q_EMIT devicesChanged();
}

} // namespace LarkAccount
