#include "server/sessions.h"
#include "server/secrets.h"
#include "server/serverconfig.h"
#include "server/store.h"

#include <QDateTime>
#include <QStringList>
#include <QUuid>

namespace QuilletServer {

Sessions::Sessions(ServerContext &context)
    : m_context(context)
{
}

bool Sessions::issue(const QString &sessionId, TokenPair *out, QString *error)
{
    const qint64 now = m_context.nowSecs();
    TokenPair pair{Secrets::randomToken(), Secrets::randomToken(), kAccessLifetimeSecs, sessionId};
    Query refresh(*m_context.store,
                  QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, expires_at) VALUES (?, ?, ?)"));
    refresh.bind(Secrets::tokenHash(pair.refreshToken)).bind(sessionId).bind(now + kRefreshLifetimeSecs);
    if (!refresh.exec(error))
        return false;
    Query access(*m_context.store,
                 QStringLiteral("INSERT INTO access_tokens (token_hash, session_id, expires_at) VALUES (?, ?, ?)"));
    access.bind(Secrets::tokenHash(pair.accessToken)).bind(sessionId).bind(now + kAccessLifetimeSecs);
    if (!access.exec(error))
        return false;
    *out = pair;
    return true;
}

bool Sessions::insertSession(const QString &id, const QString &userId, const QString &clientId, QString *error)
{
    const QString now = m_context.nowIso();
    Query q(*m_context.store, QStringLiteral("INSERT INTO sessions (id, user_id, client_id, created_at, last_used_at) "
                                             "VALUES (?, ?, ?, ?, ?)"));
    q.bind(id).bind(userId).bind(clientId).bind(now).bind(now);
    return q.exec(error);
}

bool Sessions::start(const QString &userId, const QString &clientId, TokenPair *out, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return false;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return insertSession(id, userId, clientId, error) && issue(id, out, error) && tx.commit(error);
}

Sessions::Refreshed Sessions::refresh(const QString &refreshToken, TokenPair *out, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return Refreshed::Failed;
    const QString hash = Secrets::tokenHash(refreshToken);
    QString sessionId;
    bool rotated = false;
    bool live = false;
    {
        Query q(*m_context.store,
                QStringLiteral("SELECT r.session_id, r.rotated, r.expires_at, s.revoked_at FROM refresh_tokens r "
                               "JOIN sessions s ON s.id = r.session_id WHERE r.token_hash = ?"));
        q.bind(hash);
        if (!q.exec(error))
            return Refreshed::Failed;
        if (!q.next()) {
            *error = QStringLiteral("unknown refresh token");
            return Refreshed::Invalid;
        }
        sessionId = q.value(0).toString();
        rotated = q.value(1).toInt() != 0;
        live = q.value(3).isNull() && q.value(2).toLongLong() > m_context.nowSecs();
    }
    if (rotated) {
        if (!revoke(sessionId, error) || !tx.commit(error))
            return Refreshed::Failed;
        *error = QStringLiteral("the refresh token was already used; the session is ended");
        return Refreshed::Reused;
    }
    if (!live) {
        *error = QStringLiteral("the session has ended or the refresh token has expired");
        return Refreshed::Invalid;
    }
    Query mark(*m_context.store,
               QStringLiteral("UPDATE refresh_tokens SET rotated = 1 WHERE token_hash = ? AND rotated = 0"));
    mark.bind(hash);
    if (!mark.exec(error) || !touch(sessionId, error) || !issue(sessionId, out, error) || !tx.commit(error))
        return Refreshed::Failed;
    return Refreshed::Ok;
}

bool Sessions::revoke(const QString &sessionId, QString *error)
{
    Query end(*m_context.store,
              QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND revoked_at IS NULL"));
    end.bind(m_context.nowIso()).bind(sessionId);
    if (!end.exec(error))
        return false;
    for (const QString &table : {QStringLiteral("access_tokens"), QStringLiteral("browser_tokens")}) {
        Query drop(*m_context.store, QStringLiteral("DELETE FROM %1 WHERE session_id = ?").arg(table));
        drop.bind(sessionId);
        if (!drop.exec(error))
            return false;
    }
    return true;
}

bool Sessions::touch(const QString &sessionId, QString *error)
{
    Query q(*m_context.store, QStringLiteral("UPDATE sessions SET last_used_at = ? WHERE id = ?"));
    q.bind(m_context.nowIso()).bind(sessionId);
    return q.exec(error);
}

QString Sessions::sessionOf(const QString &token)
{
    const QString hash = Secrets::tokenHash(token);
    for (const QString &table : {QStringLiteral("refresh_tokens"), QStringLiteral("access_tokens")}) {
        Query q(*m_context.store, QStringLiteral("SELECT session_id FROM %1 WHERE token_hash = ?").arg(table));
        q.bind(hash);
        QString error;
        if (!q.exec(&error)) {
            qWarning("Sessions::sessionOf failed: %s", qPrintable(error));
            return {};
        }
        if (q.next())
            return q.value(0).toString();
    }
    return {};
}

bool Sessions::authenticate(const QString &accessToken, Caller *out)
{
    if (accessToken.isEmpty())
        return false;
    Query q(*m_context.store,
            QStringLiteral("SELECT s.user_id, s.id FROM access_tokens a JOIN sessions s ON s.id = a.session_id "
                           "WHERE a.token_hash = ? AND a.expires_at > ? AND s.revoked_at IS NULL"));
    q.bind(Secrets::tokenHash(accessToken)).bind(m_context.nowSecs());
    QString error;
    if (!q.exec(&error)) {
        qWarning("Sessions::authenticate failed: %s", qPrintable(error));
        return false;
    }
    if (!q.next())
        return false;
    out->userId = q.value(0).toString();
    out->sessionId = q.value(1).toString();
    return true;
}

void Sessions::purgeExpired()
{
    const qint64 now = m_context.nowSecs();
    QString error;
    for (const QString &table :
         {QStringLiteral("access_tokens"), QStringLiteral("refresh_tokens"), QStringLiteral("browser_tokens")}) {
        Query q(*m_context.store, QStringLiteral("DELETE FROM %1 WHERE expires_at <= ?").arg(table));
        q.bind(now);
        if (!q.exec(&error))
            qWarning("Sessions::purgeExpired failed: %s", qPrintable(error));
    }
    // A session without refresh or browser tokens can never be used again.
    Query q(*m_context.store, QStringLiteral("DELETE FROM sessions WHERE NOT EXISTS "
                                             "(SELECT 1 FROM refresh_tokens r WHERE r.session_id = sessions.id) "
                                             "AND NOT EXISTS (SELECT 1 FROM browser_tokens b WHERE b.session_id = sessions.id)"));
    if (!q.exec(&error))
        qWarning("Sessions::purgeExpired failed: %s", qPrintable(error));
}

QString Sessions::browserClientId()
{
    return QStringLiteral("browser");
}

bool Sessions::startBrowser(const QString &userId, QString *token, QString *error)
{
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return false;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString issued = Secrets::randomToken();
    Query q(*m_context.store,
            QStringLiteral("INSERT INTO browser_tokens (token_hash, session_id, expires_at) VALUES (?, ?, ?)"));
    q.bind(Secrets::tokenHash(issued)).bind(id).bind(m_context.nowSecs() + kBrowserLifetimeSecs);
    if (!insertSession(id, userId, browserClientId(), error) || !q.exec(error) || !tx.commit(error))
        return false;
    *token = issued;
    return true;
}

bool Sessions::authenticateBrowser(const QString &token, Caller *out)
{
    if (token.isEmpty())
        return false;
    QString lastUsed;
    {
        Query q(*m_context.store,
                QStringLiteral("SELECT s.user_id, s.id, s.last_used_at FROM browser_tokens b "
                               "JOIN sessions s ON s.id = b.session_id "
                               "WHERE b.token_hash = ? AND b.expires_at > ? AND s.revoked_at IS NULL"));
        q.bind(Secrets::tokenHash(token)).bind(m_context.nowSecs());
        QString error;
        if (!q.exec(&error)) {
            qWarning("Sessions::authenticateBrowser failed: %s", qPrintable(error));
            return false;
        }
        if (!q.next())
            return false;
        out->userId = q.value(0).toString();
        out->sessionId = q.value(1).toString();
        lastUsed = q.value(2).toString();
    }
    // Written at most once a minute, not on every page.
    const QDateTime last = QDateTime::fromString(lastUsed, Qt::ISODateWithMs);
    QString error;
    if ((!last.isValid() || last.toSecsSinceEpoch() + 60 < m_context.nowSecs()) && !touch(out->sessionId, &error))
        qWarning("Sessions: noting a session's use failed: %s", qPrintable(error));
    return true;
}

QString Sessions::formToken(const QString &browserToken)
{
    return Secrets::tokenHash(QStringLiteral("form:") + browserToken);
}

bool Sessions::list(const QString &userId, QList<SessionInfo> *out, QString *error)
{
    out->clear();
    Query q(*m_context.store,
            QStringLiteral("SELECT s.id, s.client_id, s.created_at, COALESCE(s.last_used_at, s.created_at) FROM sessions s "
                           "WHERE s.user_id = ? AND s.revoked_at IS NULL AND (EXISTS (SELECT 1 FROM refresh_tokens r "
                           "WHERE r.session_id = s.id AND r.rotated = 0 AND r.expires_at > ?) OR EXISTS (SELECT 1 "
                           "FROM browser_tokens b WHERE b.session_id = s.id AND b.expires_at > ?)) "
                           "ORDER BY s.created_at DESC, s.id"));
    const qint64 now = m_context.nowSecs();
    q.bind(userId).bind(now).bind(now);
    if (!q.exec(error))
        return false;
    while (q.next()) {
        const QString clientId = q.value(1).toString();
        out->append({q.value(0).toString(), clientId, clientId == browserClientId(), q.value(2).toString(),
                     q.value(3).toString()});
    }
    return true;
}

bool Sessions::revokeOwn(const QString &userId, const QString &sessionId, QString *error)
{
    error->clear();
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, error);
    if (!tx.isActive())
        return false;
    Query owned(*m_context.store,
                QStringLiteral("SELECT 1 FROM sessions WHERE id = ? AND user_id = ? AND revoked_at IS NULL"));
    owned.bind(sessionId).bind(userId);
    if (!owned.exec(error) || !owned.next())
        return false;
    return revoke(sessionId, error) && tx.commit(error);
}

bool Sessions::revokeAllBut(const QString &userId, const QString &keepSessionId, QString *error)
{
    QStringList ids;
    {
        Query q(*m_context.store,
                QStringLiteral("SELECT id FROM sessions WHERE user_id = ? AND id <> ? AND revoked_at IS NULL"));
        q.bind(userId).bind(keepSessionId);
        if (!q.exec(error))
            return false;
        while (q.next())
            ids.append(q.value(0).toString());
    }
    for (const QString &id : std::as_const(ids)) {
        if (!revoke(id, error))
            return false;
    }
    return true;
}

} // namespace QuilletServer
