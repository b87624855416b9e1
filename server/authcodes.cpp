#include "server/authcodes.h"
#include "server/secrets.h"
#include "server/serverconfig.h"
#include "server/sessions.h"
#include "server/store.h"

namespace QuilletServer {

AuthCodes::AuthCodes(ServerContext &context, Sessions &sessions)
    : m_context(context)
    , m_sessions(sessions)
{
}

bool AuthCodes::isPkceText(const QString &text)
{
    if (text.size() < 43 || text.size() > 128)
        return false;
    for (const QChar c : text) {
        const char l = c.toLatin1();
        const bool ok = (l >= 'a' && l <= 'z') || (l >= 'A' && l <= 'Z') || (l >= '0' && l <= '9') || l == '-'
            || l == '.' || l == '_' || l == '~';
        if (!ok)
            return false;
    }
    return true;
}

bool AuthCodes::create(const QString &userId, const QString &clientId, const QString &redirectUri,
                       const QString &challenge, QString *code, QString *error)
{
    const QString fresh = Secrets::randomToken();
    Query q(*m_context.store, QStringLiteral("INSERT INTO auth_codes (code_hash, user_id, client_id, redirect_uri, "
                                             "code_challenge, expires_at) VALUES (?, ?, ?, ?, ?, ?)"));
    q.bind(Secrets::tokenHash(fresh))
        .bind(userId)
        .bind(clientId)
        .bind(redirectUri)
        .bind(challenge)
        .bind(m_context.nowSecs() + kLifetimeSecs);
    if (!q.exec(error))
        return false;
    *code = fresh;
    return true;
}

AuthCodes::Redeemed AuthCodes::redeem(const QString &code, const QString &verifier, const QString &redirectUri,
                                      const QString &clientId, QString *userId, QString *problem)
{
    const QString hash = Secrets::tokenHash(code);
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive()) {
        *problem = error;
        return Redeemed::Failed;
    }
    QString owner, boundClient, boundRedirect, challenge, session;
    qint64 expiresAt = 0;
    bool used = false;
    {
        Query q(*m_context.store, QStringLiteral("SELECT user_id, client_id, redirect_uri, code_challenge, expires_at, "
                                                 "used, session_id FROM auth_codes WHERE code_hash = ?"));
        q.bind(hash);
        if (!q.exec(&error)) {
            *problem = error;
            return Redeemed::Failed;
        }
        if (!q.next()) {
            *problem = QStringLiteral("unknown authorization code");
            return Redeemed::Invalid;
        }
        owner = q.value(0).toString();
        boundClient = q.value(1).toString();
        boundRedirect = q.value(2).toString();
        challenge = q.value(3).toString();
        expiresAt = q.value(4).toLongLong();
        used = q.value(5).toInt() != 0;
        session = q.value(6).toString();
    }
    if (used) {
        if (!session.isEmpty() && !m_sessions.revoke(session, &error)) {
            *problem = error;
            return Redeemed::Failed;
        }
        *problem = QStringLiteral("the authorization code was already used");
        return tx.commit(&error) ? Redeemed::Invalid : Redeemed::Failed;
    }
    Query spend(*m_context.store, QStringLiteral("UPDATE auth_codes SET used = 1 WHERE code_hash = ?"));
    spend.bind(hash);
    if (!spend.exec(&error) || !tx.commit(&error)) {
        *problem = error;
        return Redeemed::Failed;
    }
    if (expiresAt <= m_context.nowSecs())
        *problem = QStringLiteral("the authorization code has expired");
    else if (clientId != boundClient)
        *problem = QStringLiteral("the authorization code was issued to another client_id");
    else if (redirectUri != boundRedirect)
        *problem = QStringLiteral("redirect_uri differs from the one the code was issued for");
    else if (!isPkceText(verifier))
        *problem = QStringLiteral("code_verifier must be 43 to 128 characters of A-Z, a-z, 0-9, '-', '.', '_', '~'");
    else if (!Secrets::equalConstantTime(Secrets::s256Challenge(verifier).toLatin1(), challenge.toLatin1()))
        *problem = QStringLiteral("code_verifier does not match the code_challenge");
    if (!problem->isEmpty())
        return Redeemed::Invalid;
    *userId = owner;
    return Redeemed::Ok;
}

bool AuthCodes::spendUnused(const QString &userId, QString *error)
{
    Query q(*m_context.store, QStringLiteral("UPDATE auth_codes SET used = 1 WHERE user_id = ? AND used = 0"));
    q.bind(userId);
    return q.exec(error);
}

void AuthCodes::attachSession(const QString &code, const QString &sessionId)
{
    Query q(*m_context.store, QStringLiteral("UPDATE auth_codes SET session_id = ? WHERE code_hash = ?"));
    q.bind(sessionId).bind(Secrets::tokenHash(code));
    QString error;
    if (!q.exec(&error))
        qWarning("AuthCodes::attachSession failed: %s", qPrintable(error));
}

void AuthCodes::purgeExpired()
{
    // Spent codes are kept a while past expiry so that a replay still ends the session.
    Query q(*m_context.store, QStringLiteral("DELETE FROM auth_codes WHERE expires_at <= ?"));
    q.bind(m_context.nowSecs() - 3600);
    QString error;
    if (!q.exec(&error))
        qWarning("AuthCodes::purgeExpired failed: %s", qPrintable(error));
}

} // namespace QuilletServer
