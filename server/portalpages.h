#pragma once

#include "server/familygroups.h"
#include "server/sessions.h"
#include "server/users.h"

#include <QJsonArray>
#include <QList>
#include <QString>

namespace QuilletServer {

struct ServerConfig;

// What every account page shows around its own content.
struct PortalView {
    User user;
    QString formToken;  // carried by every form
    QString notice;     // what the last change did
    QString error;      // why the last change was refused
};

struct FamilyView {
    bool inGroup = false;
    FamilyGroup group;
    QList<FamilyMember> members;
    QList<FamilyInvitation> sent;
    QList<FamilyInvitation> received;
};

// The account pages' HTML: plain forms and tables, no scripts, in the sign-in
// pages' style. Every form posts below "/account/".
namespace PortalPages {

QString signIn(const ServerConfig &config, const QString &browserNonce, const QString &email, const QString &error);
QString profile(const ServerConfig &config, const PortalView &view);
QString password(const ServerConfig &config, const PortalView &view);
QString sessions(const ServerConfig &config, const PortalView &view, const QList<SessionInfo> &sessions,
                 const QString &currentSessionId);
QString devices(const ServerConfig &config, const PortalView &view, const QJsonArray &devices);
QString family(const ServerConfig &config, const PortalView &view, const FamilyView &family);

// A stored UTC time as the pages show dates: "Mar 4, 2024".
QString displayDate(const QString &isoTime);

} // namespace PortalPages
} // namespace QuilletServer
