#pragma once

#include "cloud/accountconfig.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;

namespace LarkAccount {

class SignInClient;

// JSON requests to one of the service's APIs on behalf of the signed-in
// user. The access token is refreshed first when it ends within a minute,
// and once more when the service refuses it, but never under the token of a
// later sign-in than the one the request was made under. Every request completes exactly
// once, from the event loop, with (ok, HTTP status, JSON object); status 0
// means no answer (time-out after 30 s, no connection).
class ApiClient : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(bool ok, int httpStatus, const QJsonObject &body)>;

    ApiClient(const Config &config, SignInClient *signIn, QNetworkAccessManager *network, QObject *parent);

    void setBaseUrl(const QString &url);
    QString baseUrl() const { return m_baseUrl; }
    void setTimeout(int ms) { m_timeoutMs = ms; }

    void get(const QString &path, Done done, const QUrlQuery &query = {});
    void post(const QString &path, const QJsonObject &body, Done done);
    void put(const QString &path, const QJsonObject &body, Done done);
    void patch(const QString &path, const QJsonObject &body, Done done);
    void deleteResource(const QString &path, Done done);
    void send(const QByteArray &verb, const QString &path, const QUrlQuery &query, const QByteArray &body, Done done);

Q_SIGNALS:
    // The service refused the user's credentials and a refresh could not mend it.
    void authenticationRequired();

private:
    struct Call {
        QByteArray verb;
        QString path;
        QUrlQuery query;
        QByteArray body;
        Done done;
        // The sign-in session the request was made under; it is refused
        // rather than sent under a later session's token.
        int session = 0;
        bool retried = false;
    };
    void whenTokenReady(Call call);
    void dispatch(Call call);
    void refuse(const Call &call, int status, const QJsonObject &body);

    Config m_config;
    SignInClient *m_signIn;
    QNetworkAccessManager *m_network;
    QString m_baseUrl;
    int m_timeoutMs = 30000;
};

} // namespace LarkAccount
