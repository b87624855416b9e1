#include "server/devicegrants.h"
#include "server/secrets.h"
#include "server/serverconfig.h"
#include "server/store.h"

namespace QuilletServer {

DeviceGrants::DeviceGrants(ServerContext &context)
    : m_context(context)
{
}

QString DeviceGrants::normaliseUserCode(const QString &text)
{
    QString letters;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            letters += c.toUpper();
    }
    if (letters.size() != 8)
        return {};
    return letters.left(4) + QLatin1Char('-') + letters.mid(4);
}

bool DeviceGrants::start(const QString &clientId, Started *out, QString *error)
{
    // User codes are short, so a clash with a live one is possible: try again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        Started s{Secrets::randomToken(), Secrets::randomUserCode(), kLifetimeSecs, kIntervalSecs};
        Query q(*m_context.store, QStringLiteral("INSERT INTO device_grants (device_code_hash, user_code, client_id, "
                                                 "expires_at, poll_interval) VALUES (?, ?, ?, ?, ?)"));
        q.bind(Secrets::tokenHash(s.deviceCode))
            .bind(s.userCode)
            .bind(clientId)
            .bind(m_context.nowSecs() + kLifetimeSecs)
            .bind(kIntervalSecs);
        if (q.exec(error)) {
            *out = s;
            return true;
        }
    }
    return false;
}

bool DeviceGrants::withdrawApproved(const QString &userId, QString *error)
{
    Query q(*m_context.store, QStringLiteral("UPDATE device_grants SET status = 'denied' "
                                             "WHERE user_id = ? AND status = 'approved'"));
    q.bind(userId);
    return q.exec(error);
}

DeviceGrants::Decided DeviceGrants::decide(const QString &userCode, const QString &userId, bool approve)
{
    Query q(*m_context.store, QStringLiteral("UPDATE device_grants SET status = ?, user_id = ? "
                                             "WHERE user_code = ? AND status = 'pending' AND expires_at > ?"));
    q.bind(approve ? QStringLiteral("approved") : QStringLiteral("denied"))
        .bind(userId)
        .bind(normaliseUserCode(userCode))
        .bind(m_context.nowSecs());
    QString error;
    if (!q.exec(&error)) {
        qWarning("DeviceGrants::decide failed: %s", qPrintable(error));
        return Decided::Failed;
    }
    return q.rowsAffected() == 1 ? Decided::Ok : Decided::Unknown;
}

DeviceGrants::Polled DeviceGrants::poll(const QString &deviceCode, const QString &clientId, QString *userId)
{
    const QString hash = Secrets::tokenHash(deviceCode);
    const qint64 now = m_context.nowSecs();
    QString error;
    StoreTransaction tx(*m_context.store, StoreTransaction::Kind::Write, &error);
    if (!tx.isActive())
        return Polled::Failed;
    QString status, owner;
    qint64 expiresAt = 0, interval = 0, lastPoll = 0;
    {
        Query q(*m_context.store, QStringLiteral("SELECT client_id, expires_at, poll_interval, last_poll_at, status, "
                                                 "user_id FROM device_grants WHERE device_code_hash = ?"));
        q.bind(hash);
        if (!q.exec(&error))
            return Polled::Failed;
        if (!q.next() || q.value(0).toString() != clientId)
            return Polled::Invalid;
        expiresAt = q.value(1).toLongLong();
        interval = q.value(2).toLongLong();
        lastPoll = q.value(3).toLongLong();
        status = q.value(4).toString();
        owner = q.value(5).toString();
    }
    if (status == QLatin1String("spent"))
        return Polled::Invalid;
    if (expiresAt <= now)
        return Polled::Expired;
    // RFC 8628 3.5: a client polling too fast waits 5 seconds longer from then on.
    const bool tooSoon = lastPoll > 0 && now - lastPoll < interval;
    Query update(*m_context.store, QStringLiteral("UPDATE device_grants SET last_poll_at = ?, poll_interval = ?, "
                                                  "status = ? WHERE device_code_hash = ?"));
    const bool approved = !tooSoon && status == QLatin1String("approved");
    update.bind(now)
        .bind(tooSoon ? interval + 5 : interval)
        .bind(approved ? QStringLiteral("spent") : status)
        .bind(hash);
    if (!update.exec(&error) || !tx.commit(&error)) {
        qWarning("DeviceGrants::poll failed: %s", qPrintable(error));
        return Polled::Failed;
    }
    if (tooSoon)
        return Polled::SlowDown;
    if (status == QLatin1String("denied"))
        return Polled::Denied;
    if (!approved)
        return Polled::Pending;
    *userId = owner;
    return Polled::Approved;
}

void DeviceGrants::purgeExpired()
{
    Query q(*m_context.store, QStringLiteral("DELETE FROM device_grants WHERE expires_at <= ?"));
    q.bind(m_context.nowSecs());
    QString error;
    if (!q.exec(&error))
        qWarning("DeviceGrants::purgeExpired failed: %s", qPrintable(error));
}

} // namespace QuilletServer
