#include "cloud/signinclient.h"

#include "cloud/httpcall.h"
#include "cloud/loopbacklistener.h"
#include "data/clock.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrlQuery>

namespace LarkAccount {

namespace {

QString randomUrlSafe(int bytes)
{
    QByteArray raw(bytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(raw.data()), bytes / 4);
    return QString::fromLatin1(raw.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// RFC 7636: the S256 challenge of a verifier.
QString challengeOf(const QString &verifier)
{
    return QString::fromLatin1(QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// A value of the callback's query, read as a form: "+" stands for a space.
QString formValue(const QUrlQuery &query, const QString &key)
{
    QByteArray raw = query.queryItemValue(key, QUrl::FullyEncoded).toLatin1();
    raw.replace('+', ' ');
    return QUrl::fromPercentEncoding(raw);
}

} // namespace

// One browser sign-in: its secrets, its listener and its deadline. Dropping
// it drops any answer still on its way.
class SignInAttempt : public QObject
{
public:
    explicit SignInAttempt(QObject *parent)
        : QObject(parent)
        , listener(new LoopbackListener(this))
        , deadline(new QTimer(this))
    {
        deadline->setSingleShot(true);
    }

    QString verifier = randomUrlSafe(32);
    QString state = randomUrlSafe(16);
    LoopbackListener *listener;
    QTimer *deadline;
};

SignInClient::SignInClient(const Config &config, TokenStore *store, QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_store(store)
    , m_network(network)
    , m_openBrowser([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
}

SignInClient::~SignInClient() = default;

void SignInClient::start(std::function<void()> done)
{
    const int session = m_session;
    m_store->load([this, session, done = std::move(done)](const Tokens &tokens) {
        if (session == m_session && !tokens.isEmpty()) {
            // How long the access token has left is not kept; it is refreshed first.
            m_tokens = tokens;
            m_storedRefresh = tokens.refresh;
            m_accessExpiry = QDateTime();
            setState(State::Authenticated);
            Q_EMIT sessionRestored();
        }
        if (done)
            done();
    });
}

QString SignInClient::stateText() const
{
    return isAuthenticated() ? QStringLiteral("authenticated") : QStringLiteral("signed out");
}

bool SignInClient::accessTokenExpiring() const
{
    return m_tokens.access.isEmpty() || !m_accessExpiry.isValid() || Clock::nowUtc().secsTo(m_accessExpiry) < 60;
}

void SignInClient::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

void SignInClient::setTokens(const Tokens &tokens, int expiresIn)
{
    m_tokens = tokens;
    m_accessExpiry = expiresIn > 0 ? Clock::nowUtc().addSecs(expiresIn) : QDateTime();
}

void SignInClient::refresh(std::function<void(bool)> done)
{
    if (m_tokens.refresh.isEmpty()) {
        done(false);
        return;
    }
    m_refreshWaiters.append(std::move(done));
    if (m_refreshWaiters.size() > 1)
        return;
    const int session = m_session;
    // Another program on this computer sharing the stored sign-in may have
    // refreshed it since: its refresh token is the live one, and using ours,
    // already spent, would end the session for both. Its tokens may be
    // another user's, so they start a session of their own here.
    m_store->load([this, session](const Tokens &stored) {
        if (session != m_session) {
            // Signed out or in again meanwhile.
            finishRefresh(false);
            return;
        }
        if (!stored.isEmpty() && stored.refresh != m_storedRefresh) {
            qInfo("Another program refreshed the stored sign-in; taking its tokens");
            ++m_session;
            m_tokens = stored;
            m_storedRefresh = stored.refresh;
            m_accessExpiry = QDateTime();
        }
        postRefresh();
    });
}

void SignInClient::finishRefresh(bool ok)
{
    const QList<std::function<void(bool)>> waiters = std::exchange(m_refreshWaiters, {});
    for (const auto &waiter : waiters)
        waiter(ok);
}

void SignInClient::postRefresh()
{
    const int session = m_session;
    Http::postForm(m_network, QUrl(m_config.authBaseUrl + QStringLiteral("/auth/token/refresh")),
                   {{QStringLiteral("refresh_token"), m_tokens.refresh}, {QStringLiteral("client_id"), m_config.clientId}},
                   m_requestTimeoutMs, this, [this, session](const HttpResult &result) {
                       bool ok = false;
                       if (session == m_session) {
                           const Tokens fresh{result.body.value(QStringLiteral("access_token")).toString(),
                                              result.body.value(QStringLiteral("refresh_token")).toString()};
                           if (result.ok && !fresh.access.isEmpty() && !fresh.isEmpty()) {
                               setTokens(fresh, result.body.value(QStringLiteral("expires_in")).toInt());
                               m_store->save(fresh, [this, session, refresh = fresh.refresh](bool saved) {
                                   if (saved && session == m_session)
                                       m_storedRefresh = refresh;
                                   // The old refresh token is spent: the next run will have to sign in again.
                                   if (!saved)
                                       qWarning("Could not keep the refreshed sign-in; it lasts until the "
                                                "program closes");
                               });
                               ok = true;
                           } else if (result.status == 400 || result.status == 401) {
                               // The service no longer knows this session.
                               qWarning().noquote() << "Token refresh refused:" << result.errorText();
                               endSession();
                           } else {
                               qWarning().noquote() << "Token refresh failed:" << result.errorText();
                           }
                       }
                       finishRefresh(ok);
                   });
}

QUrl SignInClient::loginUrl(const QString &redirectUri, const QString &state, const QString &challenge) const
{
    QUrlQuery query;
    const QList<QPair<QString, QString>> items = {{QStringLiteral("client_id"), m_config.clientId},
                                                  {QStringLiteral("redirect_uri"), redirectUri},
                                                  {QStringLiteral("state"), state},
                                                  {QStringLiteral("code_challenge"), challenge},
                                                  {QStringLiteral("code_challenge_method"), QStringLiteral("S256")}};
    for (const auto &item : items)
        query.addQueryItem(item.first, QString::fromLatin1(QUrl::toPercentEncoding(item.second)));
    QUrl url(QStringLiteral("%1/%2/account/login").arg(m_config.authBaseUrl, m_config.realm));
    url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

void SignInClient::signIn(bool signUp)
{
    // A newer sign-in replaces one still waiting for its browser.
    delete m_attempt;
    auto *attempt = new SignInAttempt(this);
    m_attempt = attempt;
    if (!attempt->listener->listen()) {
        failSignIn(tr("could not listen for the browser's answer"));
        return;
    }
    connect(attempt->listener, &LoopbackListener::callbackReceived, this, &SignInClient::onCallback);
    connect(attempt->deadline, &QTimer::timeout, this,
            [this] { failSignIn(tr("the browser did not come back within 5 minutes")); });
    attempt->deadline->start(m_signInTimeoutMs);
    QUrl url = loginUrl(attempt->listener->redirectUri(), attempt->state, challengeOf(attempt->verifier));
    if (signUp)
        url.setFragment(QStringLiteral("signup-title"));
    Q_EMIT signInPendingChanged(true);
    if (!m_openBrowser(url))
        failSignIn(tr("no web browser could be opened"));
}

bool SignInClient::isSignInPending() const
{
    return !m_attempt.isNull();
}

void SignInClient::cancelSignIn()
{
    if (m_attempt)
        failSignIn(tr("cancelled"));
}

void SignInClient::endAttempt()
{
    if (!m_attempt)
        return;
    m_attempt->listener->stop();
    m_attempt->deadline->stop();
    m_attempt->deleteLater();
    m_attempt.clear();
    Q_EMIT signInPendingChanged(false);
}

void SignInClient::failSignIn(const QString &reason)
{
    if (m_attempt)
        m_attempt->listener->respond(false, reason);
    endAttempt();
    qWarning().noquote() << "Sign-in failed:" << reason;
    Q_EMIT loginFailed(reason);
}

void SignInClient::onCallback(const QUrlQuery &query)
{
    SignInAttempt *attempt = m_attempt;
    if (!attempt || sender() != attempt->listener)
        return;
    if (query.hasQueryItem(QStringLiteral("error"))) {
        QString reason = formValue(query, QStringLiteral("error_description"));
        if (reason.isEmpty())
            reason = formValue(query, QStringLiteral("error"));
        failSignIn(reason);
        return;
    }
    if (formValue(query, QStringLiteral("state")) != attempt->state) {
        failSignIn(tr("the answer did not belong to this sign-in"));
        return;
    }
    const QString code = formValue(query, QStringLiteral("code"));
    if (code.isEmpty()) {
        failSignIn(tr("the answer carried no sign-in code"));
        return;
    }
    attempt->deadline->stop();
    Http::postForm(m_network, QUrl(m_config.authBaseUrl + QStringLiteral("/auth/token")),
                   {{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                    {QStringLiteral("code"), code},
                    {QStringLiteral("code_verifier"), attempt->verifier},
                    {QStringLiteral("redirect_uri"), attempt->listener->redirectUri()},
                    {QStringLiteral("client_id"), m_config.clientId}},
                   m_requestTimeoutMs, attempt, [this](const HttpResult &result) {
                       if (!result.ok) {
                           failSignIn(result.errorText());
                           return;
                       }
                       acceptTokens(result.body, [this](bool ok, const QString &why) {
                           if (!ok) {
                               failSignIn(why);
                               return;
                           }
                           if (m_attempt)
                               m_attempt->listener->respond(true);
                           endAttempt();
                           Q_EMIT loginSucceeded();
                       });
                   });
}

void SignInClient::acceptTokens(const QJsonObject &reply, std::function<void(bool, const QString &)> done)
{
    const Tokens tokens{reply.value(QStringLiteral("access_token")).toString(),
                        reply.value(QStringLiteral("refresh_token")).toString()};
    if (tokens.access.isEmpty() || tokens.isEmpty()) {
        done(false, tr("the service sent no tokens"));
        return;
    }
    const int session = ++m_session;
    setTokens(tokens, reply.value(QStringLiteral("expires_in")).toInt());
    m_store->save(tokens, [this, session, done = std::move(done)](bool saved) {
        if (!saved) {
            // A sign-in that the next run would not know is not reported as done.
            if (session == m_session)
                setTokens({}, 0);
            done(false, tr("the sign-in could not be kept on this computer"));
            return;
        }
        if (session == m_session)
            m_storedRefresh = m_tokens.refresh;
        setState(State::Authenticated);
        done(true, {});
    });
}

void SignInClient::signOut(std::function<void()> done)
{
    if (m_attempt)
        failSignIn(tr("cancelled"));
    if (!m_tokens.isEmpty()) {
        // The service is told, but the sign-out here does not wait for it.
        QNetworkRequest request(QUrl(m_config.authBaseUrl + QStringLiteral("/auth/logout")));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        if (!m_tokens.access.isEmpty())
            request.setRawHeader("Authorization", "Bearer " + m_tokens.access.toLatin1());
        const QByteArray body = "refresh_token=" + QUrl::toPercentEncoding(m_tokens.refresh);
        Http::send(m_network, request, "POST", body, m_requestTimeoutMs, this, [done](const HttpResult &) {
            if (done)
                done();
        });
    } else if (done) {
        QTimer::singleShot(0, this, done);
    }
    endSession();
}

void SignInClient::endSession()
{
    ++m_session;
    const bool wasSignedIn = isAuthenticated() || !m_tokens.isEmpty();
    m_tokens = {};
    m_storedRefresh.clear();
    m_accessExpiry = QDateTime();
    m_store->clear([](bool) {});
    setState(State::SignedOut);
    if (wasSignedIn)
        Q_EMIT logoutCompleted();
}

} // namespace LarkAccount
