#pragma once

#include <QString>

namespace QuilletServer {

struct ServerContext;
class Sessions;

// Authorization codes of the browser sign-in (PKCE, S256 only). A code lives
// 60 seconds, is bound to its client, redirect address and challenge, and is
// spent by the first attempt to redeem it, right or wrong.
class AuthCodes
{
public:
    static constexpr qint64 kLifetimeSecs = 60;

    AuthCodes(ServerContext &context, Sessions &sessions);

    bool create(const QString &userId, const QString &clientId, const QString &redirectUri,
                const QString &challenge, QString *code, QString *error);

    enum class Redeemed { Ok, Invalid, Failed };
    // On Ok, *userId is the signed-in user. A code presented a second time
    // also ends the session that its first use started.
    Redeemed redeem(const QString &code, const QString &verifier, const QString &redirectUri,
                    const QString &clientId, QString *userId, QString *problem);
    void attachSession(const QString &code, const QString &sessionId);
    // Spends the user's codes not redeemed yet, for the same reason as
    // DeviceGrants::withdrawApproved.
    bool spendUnused(const QString &userId, QString *error);
    void purgeExpired();

    // RFC 7636: 43 to 128 characters of [A-Za-z0-9-._~].
    static bool isPkceText(const QString &text);

private:
    ServerContext &m_context;
    Sessions &m_sessions;
};

} // namespace QuilletServer
