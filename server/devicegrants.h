#pragma once

#include <QString>

namespace QuilletServer {

struct ServerContext;

// Device authorization (RFC 8628) for programs on machines without a
// browser: the program polls with its device code while a person approves
// the short user code on the "device" page.
class DeviceGrants
{
public:
    static constexpr qint64 kLifetimeSecs = 600;
    static constexpr qint64 kIntervalSecs = 5;

    explicit DeviceGrants(ServerContext &context);

    struct Started {
        QString deviceCode;
        QString userCode;
        qint64 expiresIn = 0;
        qint64 interval = 0;
    };
    bool start(const QString &clientId, Started *out, QString *error);

    enum class Decided { Ok, Unknown, Failed };
    Decided decide(const QString &userCode, const QString &userId, bool approve);

    enum class Polled { Approved, Pending, SlowDown, Denied, Expired, Invalid, Failed };
    // On Approved, *userId is the user who approved; the grant is spent.
    Polled poll(const QString &deviceCode, const QString &clientId, QString *userId);
    // Grants the user approved that no program has collected yet are denied
    // instead: after a new password, a sign-in begun with the old one does
    // not end in a session.
    bool withdrawApproved(const QString &userId, QString *error);
    void purgeExpired();

    // "bcdf ghjk", "BCDFGHJK" and "BCDF-GHJK" all name the same code.
    static QString normaliseUserCode(const QString &text);

private:
    ServerContext &m_context;
};

} // namespace QuilletServer
