#pragma once

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

// A session is one sign-in of one client. It holds one live refresh token at a
// time and any number of short-lived access tokens; the store keeps only the
// tokens' hashes.
class Sessions
{
public:
    static constexpr qint64 kAccessLifetimeSecs = 15 * 60;
    static constexpr qint64 kRefreshLifetimeSecs = 30 * 24 * 3600;

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

private:
    bool issue(const QString &sessionId, TokenPair *out, QString *error);
    ServerContext &m_context;
};

} // namespace QuilletServer
