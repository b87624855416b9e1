#pragma once

#include "cloud/accountconfig.h"
#include "cloud/tokenstore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QJsonObject;
class QNetworkAccessManager;
class QUrlQuery;

namespace LarkAccount {

class SignInAttempt;

// Who is signed in, and how one signs in and out: the browser sign-in with
// PKCE and a loopback listener, the token refresh and sign-out, and the
// tokens kept in the token store between runs.
class SignInClient : public QObject
{
    Q_OBJECT
public:
    enum class State { SignedOut, Authenticated };
    static constexpr int kDefaultSignInTimeoutMs = 5 * 60 * 1000;
    static constexpr int kRequestTimeoutMs = 30 * 1000;

    SignInClient(const Config &config, TokenStore *store, QNetworkAccessManager *network, QObject *parent);
    ~SignInClient() override;

    // Restores the sign-in kept in the token store; sessionRestored follows
    // when tokens were found, then done in any case.
    void start(std::function<void()> done = {});

    State state() const { return m_state; }
    bool isAuthenticated() const { return m_state == State::Authenticated; }
    // "authenticated" or "signed out", for the log.
    QString stateText() const;
    QString accessToken() const { return m_tokens.access; }
    // True when the access token's end is unknown or less than a minute away.
    bool accessTokenExpiring() const;
    bool isRefreshing() const { return !m_refreshWaiters.isEmpty(); }
    // Changes at each sign-in and sign-out: a request made under one session
    // is never sent again under another's token.
    int session() const { return m_session; }

    // Exchanges the refresh token for a new pair. done(false) when there is
    // none or the service did not give one; a refused refresh ends the session.
    // A newer sign-in that another program kept in the token store meanwhile
    // is taken first, as a new session.
    // Calls made while a refresh runs wait for it.
    void refresh(std::function<void(bool ok)> done);

    // Opens the browser at the sign-in page (or its sign-up form) and waits
    // for the answer; a sign-in still waiting is replaced.
    void signIn(bool signUp = false);
    void cancelSignIn();
    bool isSignInPending() const;
    // Ends the session here at once and on the service; the stored tokens
    // are removed. done follows the service's answer.
    void signOut(std::function<void()> done = {});

    // Takes a token pair from the service (the code or the device grant),
    // stores it and signs in. done(false, why) when the reply holds no tokens
    // or they could not be kept; the sign-in then does not happen.
    void acceptTokens(const QJsonObject &reply, std::function<void(bool ok, const QString &why)> done);

    // The sign-in page for these values (without sign-up), for tests and the log.
    QUrl loginUrl(const QString &redirectUri, const QString &state, const QString &challenge) const;
    // Tests answer instead of a browser; false when no browser could be opened.
    void setBrowserOpener(std::function<bool(const QUrl &)> opener) { m_openBrowser = std::move(opener); }
    void setSignInTimeout(int ms) { m_signInTimeoutMs = ms; }
    void setRequestTimeout(int ms) { m_requestTimeoutMs = ms; }
    int requestTimeout() const { return m_requestTimeoutMs; }

Q_SIGNALS:
    void sessionRestored();
    void loginSucceeded();
    void loginFailed(const QString &reason);
    void logoutCompleted();
    void stateChanged();
    void signInPendingChanged(bool pending);

private:
    void onCallback(const QUrlQuery &query);
    void failSignIn(const QString &reason);
    void endAttempt();
    void setTokens(const Tokens &tokens, int expiresIn);
    void setState(State state);
    void endSession();
    void postRefresh();
    void finishRefresh(bool ok);

    Config m_config;
    TokenStore *m_store;
    QNetworkAccessManager *m_network;
    State m_state = State::SignedOut;
    Tokens m_tokens;
    // The refresh token last read from or written to the token store.
    QString m_storedRefresh;
    QDateTime m_accessExpiry;
    // Bumped at each sign-in and sign-out, so that a late answer to an older
    // session's refresh is not taken for the current one.
    int m_session = 0;
    QList<std::function<void(bool)>> m_refreshWaiters;
    QPointer<SignInAttempt> m_attempt;
    std::function<bool(const QUrl &)> m_openBrowser;
    int m_signInTimeoutMs = kDefaultSignInTimeoutMs;
    int m_requestTimeoutMs = kRequestTimeoutMs;
};

} // namespace LarkAccount
