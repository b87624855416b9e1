#include "cloud/apiclient.h"

#include "cloud/accountconfig.h"
#include "cloud/httpcall.h"
#include "cloud/signinclient.h"

#include <QJsonDocument>
#include <QNetworkRequest>
#include <QTimer>

namespace LarkAccount {

ApiClient::ApiClient(const Config &config, SignInClient *signIn, QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_signIn(signIn)
    , m_network(network)
{
}

void ApiClient::setBaseUrl(const QString &url)
{
    m_baseUrl = url;
    while (m_baseUrl.endsWith(QLatin1Char('/')))
        m_baseUrl.chop(1);
}

void ApiClient::get(const QString &path, Done done, const QUrlQuery &query)
{
    send("GET", path, query, {}, std::move(done));
}

void ApiClient::post(const QString &path, const QJsonObject &body, Done done)
{
    send("POST", path, {}, QJsonDocument(body).toJson(QJsonDocument::Compact), std::move(done));
}

void ApiClient::put(const QString &path, const QJsonObject &body, Done done)
{
    send("PUT", path, {}, QJsonDocument(body).toJson(QJsonDocument::Compact), std::move(done));
}

void ApiClient::patch(const QString &path, const QJsonObject &body, Done done)
{
    send("PATCH", path, {}, QJsonDocument(body).toJson(QJsonDocument::Compact), std::move(done));
}

void ApiClient::deleteResource(const QString &path, Done done)
{
    send("DELETE", path, {}, {}, std::move(done));
}

void ApiClient::send(const QByteArray &verb, const QString &path, const QUrlQuery &query, const QByteArray &body,
                     Done done)
{
    whenTokenReady({verb, path, query, body, std::move(done), m_signIn->session()});
}

void ApiClient::refuse(const Call &call, int status, const QJsonObject &body)
{
    call.done(false, status, body);
    if (status == 401)
        Q_EMIT authenticationRequired();
}

void ApiClient::whenTokenReady(Call call)
{
    if (!m_signIn->isAuthenticated()) {
        // Completing from the event loop keeps "exactly once, later" true for every path.
        QTimer::singleShot(0, this, [this, call] { refuse(call, 401, {}); });
        return;
    }
    if (!m_signIn->isRefreshing() && !m_signIn->accessTokenExpiring()) {
        dispatch(std::move(call));
        return;
    }
    m_signIn->refresh([this, call](bool ok) {
        if (ok)
            dispatch(call);
        else
            refuse(call, m_signIn->isAuthenticated() ? 0 : 401, {});
    });
}

void ApiClient::dispatch(Call call)
{
    if (call.session != m_signIn->session()) {
        // Signed out, or in as someone else, since the request was made: it
        // ends as refused, without troubling the session now current.
        call.done(false, 401, {});
        return;
    }
    QUrl url(m_baseUrl + call.path);
    if (!call.query.isEmpty())
        url.setQuery(call.query);
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("Content-Type", "application/json");
    request.setRawHeader("X-App-Id", m_config.appId.toUtf8());
    request.setRawHeader("X-App-Version", m_config.appVersion.toUtf8());
    request.setRawHeader("X-Platform", platformName().toUtf8());
    const QString token = m_signIn->accessToken();
    request.setRawHeader("Authorization", "Bearer " + token.toLatin1());
    Http::send(m_network, request, call.verb, call.body, m_timeoutMs, this, [this, call, token](const HttpResult &result) {
        if (result.status != 401 || call.retried) {
            if (result.status == 401)
                refuse(call, 401, result.body);
            else
                call.done(result.ok, result.status, result.body);
            return;
        }
        Call again = call;
        again.retried = true;
        // Another request may have refreshed the token meanwhile (dispatch
        // drops it when that token is another session's).
        if (m_signIn->isAuthenticated() && m_signIn->accessToken() != token && !m_signIn->isRefreshing()) {
            dispatch(again);
            return;
        }
        if (!m_signIn->isAuthenticated()) {
            refuse(call, 401, result.body);
            return;
        }
        m_signIn->refresh([this, again, body = result.body](bool ok) {
            if (ok)
                dispatch(again);
            else
                refuse(again, 401, body);
        });
    });
}

} // namespace LarkAccount
