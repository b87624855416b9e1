#pragma once

#include <QList>
#include <QString>

namespace QuilletServer {

struct ServerContext;

struct TokenPair {
    QString accessToken;
    QString refreshToken;
    qint64 expiresIn = 0;
    QString sessionId;
};

// Who made an API request, from its bearer token.
struct Caller {
    QString userId;
    QString sessionId;
};

// A session as the account pages list it.
struct SessionInfo {
    QString id;
    QString clientId;
    bool browser = false;  // a browser's sign-in to the account pages
    QString createdAt;
    QString lastUsedAt;
};

// A session is one sign-in of one client. It holds one live refresh token at a
// time and any number of short-lived access tokens; the store keeps only the
// tokens' hashes.
class Sessions
{
public:
    static constexpr qint64 kAccessLifetimeSecs = 15 * 60;
    static constexpr qint64 kRefreshLifetimeSecs = 30 * 24 * 3600;
    static constexpr qint64 kBrowserLifetimeSecs = 7 * 24 * 3600;
    // The client_id of browser sessions; no app can use it.
    static QString browserClientId();

    explicit Sessions(ServerContext &context);

    bool start(const QString &userId, const QString &clientId, TokenPair *out, QString *error);

    enum class Refreshed { Ok, Invalid, Reused, Failed };
    // Rotates the refresh token. A token that was already rotated ends its
    // whole session: someone else holds a copy of it.
    Refreshed refresh(const QString &refreshToken, TokenPair *out, QString *error);

    bool revoke(const QString &sessionId, QString *error);
    // The session an access or refresh token belongs to, or empty.
    QString sessionOf(const QString &token);
    bool authenticate(const QString &accessToken, Caller *out);
    void purgeExpired();

    // A browser's sign-in: *token goes into its cookie, the store keeps the hash.
    bool startBrowser(const QString &userId, QString *token, QString *error);
    bool authenticateBrowser(const QString &token, Caller *out);
    // The form field that proves a post came from a page this browser was
    // given: derived from the cookie, which another site cannot read.
    static QString formToken(const QString &browserToken);

    // The user's sessions that can still be used, newest first.
    bool list(const QString &userId, QList<SessionInfo> *out, QString *error);
    // False with an empty *error when the user has no such live session.
    bool revokeOwn(const QString &userId, const QString &sessionId, QString *error);
    // Every session of the user but one ends (a changed password). Runs
    // inside the caller's transaction.
    bool revokeAllBut(const QString &userId, const QString &keepSessionId, QString *error);

private:
    bool insertSession(const QString &id, const QString &userId, const QString &clientId, QString *error);
    bool touch(const QString &sessionId, QString *error);
    bool issue(const QString &sessionId, TokenPair *out, QString *error);
    ServerContext &m_context;
};

} // namespace QuilletServer
