#pragma once

#include "cloud/accountconfig.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

#include <functional>

class QNetworkAccessManager;

namespace LarkAccount {

class ApiClient;
class SignInClient;
class TokenStore;

// The online account as this program sees it: the sign-in client, the token
// store and the service API client (whose base URL is the sync API), plus
// who is signed in and the devices registered to the account.
class Client : public QObject
{
    Q_OBJECT
public:
    // Tokens go to the platform's store, or to a file in dataDirectory.
    Client(const Config &config, const QString &dataDirectory, QObject *parent = nullptr);
    ~Client() override;

    const Config &config() const { return m_config; }
    SignInClient *signIn() const { return m_signIn; }
    TokenStore *tokenStore() const { return m_store; }
    // The service API client; its base URL is set by the owner (the sync API).
    ApiClient *api() const { return m_api; }
    // The same client, over the account API.
    ApiClient *accountApi() const { return m_accountApi; }
    QNetworkAccessManager *network() const { return m_network; }

    // Restores the stored sign-in; done follows in any case.
    void start(std::function<void()> done = {});
    bool isAuthenticated() const;

    // This installation's id, made once and kept in the settings store.
    static QString deviceId();
    // Registers (or updates) this installation with the account.
    void registerDevice(std::function<void(bool ok)> done = {});
    // Asks for the profile and the device list; the signals follow.
    void refreshAccount();
    // Asks for the profile alone; done follows its answer, after
    // profileChanged when it came.
    void fetchProfile(std::function<void(bool ok, int httpStatus)> done);

    // Takes the service's answers to "/me" and "/devices".
    void applyProfile(const QJsonObject &me);
    void applyDevices(const QJsonArray &devices);

    // The service's id of the signed-in user, once the profile came this run.
    QString userId() const { return m_userId; }
    QString email() const { return m_email; }
    QString displayName() const { return m_displayName; }
    QJsonArray devices() const { return m_devices; }
    QUrl portalUrl() const;

Q_SIGNALS:
    void profileChanged();
    void devicesChanged();

private:
    void forgetAccount();

    Config m_config;
    QNetworkAccessManager *m_network;
    TokenStore *m_store;
    SignInClient *m_signIn;
    ApiClient *m_api;
    ApiClient *m_accountApi;
    QString m_userId;
    QString m_email;
    QString m_displayName;
    QJsonArray m_devices;
};

} // namespace LarkAccount
