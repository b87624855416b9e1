#include "server/portalpages.h"
#include "server/pages.h"
#include "server/serverconfig.h"

#include <QDateTime>
#include <QJsonObject>
#include <QLocale>

#include <utility>

namespace QuilletServer::PortalPages {

namespace {

using Pages::esc;

struct NavItem {
    const char *path;
    const char *label;
};

constexpr NavItem kNav[] = {{"profile", "Profile"},
                            {"password", "Password"},
                            {"sessions", "Sessions"},
                            {"devices", "Devices"},
                            {"family", "Family group"}};

QString tokenField(const PortalView &view)
{
    return Pages::hiddenField(QStringLiteral("csrf"), view.formToken);
}

// A form of one button (and any hidden values) posting to an account path.
QString buttonForm(const PortalView &view, const QString &action, const QList<std::pair<QString, QString>> &values,
                   const QString &label, const QString &accessibleName = {}, const QString &kind = QStringLiteral("secondary small"))
{
    QString hidden = tokenField(view);
    for (const auto &value : values)
        hidden += Pages::hiddenField(value.first, value.second);
    const QString name = accessibleName.isEmpty() ? QString() : QStringLiteral(" aria-label=\"%1\"").arg(esc(accessibleName));
    return QStringLiteral("<form method=\"post\" action=\"/account/%1\">%2<button type=\"submit\" class=\"%3\"%4>%5</button></form>")
        .arg(action, hidden, kind, name, esc(label));
}

QString statusBlocks(const PortalView &view)
{
    QString out = Pages::errorBlock(view.error, QStringLiteral("page-error"));
    if (!view.notice.isEmpty())
        out += QStringLiteral("<p class=\"notice\" role=\"status\">%1</p>").arg(esc(view.notice));
    return out;
}

// The frame of every signed-in page: who is signed in, sign-out, the pages.
QString frame(const ServerConfig &config, const PortalView &view, const QString &current, const QString &content)
{
    QString nav;
    QString title;
    for (const NavItem &item : kNav) {
        const QString path = QLatin1String(item.path);
        const QString label = QLatin1String(item.label);
        const bool here = path == current;
        if (here)
            title = label;
        nav += QStringLiteral("<li><a href=\"/account/%1\"%2>%3</a></li>")
                   .arg(path, here ? QStringLiteral(" aria-current=\"page\"") : QString(), esc(label));
    }
    const QString head =
        QStringLiteral("<header class=\"account-head\"><div><h1>Your account</h1><p>Signed in as <strong>%1</strong> "
                       "(%2)</p></div>%3</header><nav aria-label=\"Account pages\"><ul>%4</ul></nav>")
            .arg(esc(view.user.displayName), esc(view.user.email),
                 buttonForm(view, QStringLiteral("signout"), {}, QStringLiteral("Sign out"), {},
                            QStringLiteral("secondary")),
                 nav);
    return Pages::page(config, title, head + QStringLiteral("<div class=\"stack\">%1</div>").arg(content));
}

QString section(const QString &id, const QString &heading, const QString &body)
{
    return QStringLiteral("<section aria-labelledby=\"%1\"><h2 id=\"%1\">%2</h2>%3</section>").arg(id, esc(heading), body);
}

QString headerRow(const QStringList &columns)
{
    QString cells;
    for (const QString &column : columns) {
        cells += QStringLiteral("<th scope=\"col\">%1</th>")
                     .arg(column.isEmpty() ? QStringLiteral("<span class=\"visually-hidden\">Actions</span>") : esc(column));
    }
    return QStringLiteral("<thead><tr>%1</tr></thead>").arg(cells);
}

QString cell(const QString &text)
{
    return QStringLiteral("<td>%1</td>").arg(esc(text));
}

// A titled form of one field beside its button, posting to "family/<action>";
// the field names "<action>-hint" as its description.
QString oneFieldForm(const PortalView &view, const QString &action, const QString &title, const QString &field,
                     const QString &button, const QString &hint)
{
    return QStringLiteral("<h3 id=\"%1-title\">%2</h3><form method=\"post\" action=\"/account/family/%1\" "
                          "class=\"inline-form\" aria-labelledby=\"%1-title\">%3<div>%4</div><div class=\"buttons\">"
                          "<button type=\"submit\">%5</button></div></form><p class=\"hint\" id=\"%1-hint\">%6</p>")
        .arg(action, esc(title), tokenField(view), field, esc(button), esc(hint));
}

QString familyMembers(const PortalView &view, const FamilyView &family, bool owner)
{
    QString rows;
    for (const FamilyMember &m : family.members) {
        QString actions;
        if (owner && !m.owner) {
            actions = buttonForm(view, QStringLiteral("family/remove"), {{QStringLiteral("user_id"), m.userId}},
                                 QStringLiteral("Remove"), QStringLiteral("Remove %1 from the group").arg(m.displayName));
        }
        rows += QStringLiteral("<tr><td>%1%2</td>%3%4%5<td class=\"actions\">%6</td></tr>")
                    .arg(esc(m.displayName), m.userId == view.user.id ? QStringLiteral("<span class=\"tag\">You</span>") : QString(),
                         cell(m.email), cell(m.owner ? QStringLiteral("Owner") : QStringLiteral("Member")),
                         cell(displayDate(m.joinedAt)), actions);
    }
    return QStringLiteral("<table aria-labelledby=\"family-title\">%1<tbody>%2</tbody></table>")
        .arg(headerRow({QStringLiteral("Name"), QStringLiteral("Email"), QStringLiteral("Role"), QStringLiteral("Joined"), QString()}),
             rows);
}

QString familyOwnerTools(const PortalView &view, const FamilyView &family)
{
    QString out = oneFieldForm(view, QStringLiteral("invite"), QStringLiteral("Invite someone"),
                               Pages::field(QStringLiteral("invite-email"), QStringLiteral("email"),
                                            QStringLiteral("Email address"), QStringLiteral("email"), QStringLiteral("off"),
                                            QString(), QStringLiteral(" required aria-describedby=\"invite-hint\"")),
                               QStringLiteral("Invite"),
                               QStringLiteral("They will find the invitation on this page when they sign in with that address."));
    if (family.sent.isEmpty())
        return out;
    QString rows;
    for (const FamilyInvitation &i : family.sent) {
        rows += QStringLiteral("<tr>%1%2<td class=\"actions\">%3</td></tr>")
                    .arg(cell(i.email), cell(displayDate(i.createdAt)),
                         buttonForm(view, QStringLiteral("family/cancel"), {{QStringLiteral("invitation_id"), i.id}},
                                    QStringLiteral("Withdraw"), QStringLiteral("Withdraw the invitation to %1").arg(i.email)));
    }
    return out + QStringLiteral("<h3 id=\"sent-title\">Waiting for an answer</h3><table aria-labelledby=\"sent-title\">%1"
                                "<tbody>%2</tbody></table>")
                     .arg(headerRow({QStringLiteral("Email"), QStringLiteral("Invited"), QString()}), rows);
}

QString familyInvitations(const PortalView &view, const FamilyView &family)
{
    if (family.received.isEmpty())
        return {};
    QString rows;
    for (const FamilyInvitation &i : family.received) {
        QString actions;
        if (!family.inGroup) {
            actions = buttonForm(view, QStringLiteral("family/accept"), {{QStringLiteral("invitation_id"), i.id}},
                                 QStringLiteral("Accept"), QStringLiteral("Accept the invitation to %1").arg(i.groupName),
                                 QStringLiteral("small"));
        }
        actions += buttonForm(view, QStringLiteral("family/decline"), {{QStringLiteral("invitation_id"), i.id}},
                              QStringLiteral("Decline"), QStringLiteral("Decline the invitation to %1").arg(i.groupName));
        rows += QStringLiteral("<tr>%1%2%3<td class=\"actions\">%4</td></tr>")
                    .arg(cell(i.groupName), cell(i.invitedByName), cell(displayDate(i.createdAt)), actions);
    }
    const QString hint = family.inGroup ? QStringLiteral("<p class=\"hint\">To join another group, leave this one first.</p>")
                                        : QString();
    return QStringLiteral("<h3 id=\"received-title\">Invitations for you</h3><table aria-labelledby=\"received-title\">%1"
                          "<tbody>%2</tbody></table>%3")
        .arg(headerRow({QStringLiteral("Group"), QStringLiteral("From"), QStringLiteral("Sent"), QString()}), rows, hint);
}

} // namespace

QString displayDate(const QString &isoTime)
{
    const QDateTime time = QDateTime::fromString(isoTime, Qt::ISODateWithMs);
    if (!time.isValid())
        return {};
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(time.toUTC().date(), QStringLiteral("MMM d, yyyy"));
}

QString signIn(const ServerConfig &config, const QString &browserNonce, const QString &email, const QString &error)
{
    const QString content =
        QStringLiteral("<header><h1>Your account</h1><p>Sign in to manage your profile, password, sessions, devices and "
                       "family group.</p></header><div class=\"panels\"><section aria-labelledby=\"signin-title\">"
                       "<h2 id=\"signin-title\">Sign in</h2>%1<form method=\"post\" action=\"/account/signin\">%2%3%4"
                       "<div class=\"buttons\"><button type=\"submit\">Sign in</button></div></form>"
                       "<p class=\"hint\">New here? Create an account from the app's sign-in.</p></section></div>")
            .arg(Pages::errorBlock(error, QStringLiteral("signin-error")),
                 Pages::hiddenField(QStringLiteral("browser"), browserNonce),
                 Pages::field(QStringLiteral("signin-email"), QStringLiteral("email"), QStringLiteral("Email"),
                              QStringLiteral("email"), QStringLiteral("username"), email,
                              QStringLiteral(" required autofocus")),
                 Pages::field(QStringLiteral("signin-password"), QStringLiteral("password"), QStringLiteral("Password"),
                              QStringLiteral("password"), QStringLiteral("current-password"), QString(),
                              QStringLiteral(" required")));
    return Pages::page(config, QStringLiteral("Sign in"), content);
}

QString profile(const ServerConfig &config, const PortalView &view)
{
    const QString body =
        statusBlocks(view)
        + QStringLiteral("<form method=\"post\" action=\"/account/profile\">%1%2%3%4"
                         "<p class=\"hint\" id=\"profile-password-hint\">Needed only to change your email address.</p>"
                         "<div class=\"buttons\"><button type=\"submit\">Save changes</button></div></form>"
                         "<p class=\"hint meta\">Account created %5.</p>")
              .arg(tokenField(view),
                   Pages::field(QStringLiteral("profile-name"), QStringLiteral("display_name"),
                                QStringLiteral("Display name"), QStringLiteral("text"), QStringLiteral("name"),
                                view.user.displayName, QStringLiteral(" maxlength=\"100\"")),
                   Pages::field(QStringLiteral("profile-email"), QStringLiteral("email"), QStringLiteral("Email"),
                                QStringLiteral("email"), QStringLiteral("email"), view.user.email,
                                QStringLiteral(" required")),
                   Pages::field(QStringLiteral("profile-password"), QStringLiteral("current_password"),
                                QStringLiteral("Current password"), QStringLiteral("password"),
                                QStringLiteral("current-password"), QString(),
                                QStringLiteral(" aria-describedby=\"profile-password-hint\"")),
                   displayDate(view.user.createdAt));
    return frame(config, view, QStringLiteral("profile"), section(QStringLiteral("profile-title"), QStringLiteral("Profile"), body));
}

QString password(const ServerConfig &config, const PortalView &view)
{
    const QString body =
        statusBlocks(view)
        + QStringLiteral("<p>Changing your password signs out every other session, including the app on each of your "
                         "computers; sign in there again with the new password.</p>"
                         "<form method=\"post\" action=\"/account/password\">%1%2%3"
                         "<p class=\"hint\" id=\"new-password-hint\">At least 8 characters.</p>%4"
                         "<div class=\"buttons\"><button type=\"submit\">Change password</button></div></form>")
              .arg(tokenField(view),
                   Pages::field(QStringLiteral("password-current"), QStringLiteral("current_password"),
                                QStringLiteral("Current password"), QStringLiteral("password"),
                                QStringLiteral("current-password"), QString(), QStringLiteral(" required")),
                   Pages::field(QStringLiteral("password-new"), QStringLiteral("new_password"),
                                QStringLiteral("New password"), QStringLiteral("password"),
                                QStringLiteral("new-password"), QString(),
                                QStringLiteral(" required minlength=\"8\" aria-describedby=\"new-password-hint\"")),
                   Pages::field(QStringLiteral("password-confirm"), QStringLiteral("confirm_password"),
                                QStringLiteral("New password again"), QStringLiteral("password"),
                                QStringLiteral("new-password"), QString(), QStringLiteral(" required minlength=\"8\"")));
    return frame(config, view, QStringLiteral("password"), section(QStringLiteral("password-title"), QStringLiteral("Password"), body));
}

QString sessions(const ServerConfig &config, const PortalView &view, const QList<SessionInfo> &list,
                 const QString &currentSessionId)
{
    QString rows;
    for (const SessionInfo &s : list) {
        const QString kind = s.browser ? QStringLiteral("Web browser") : QStringLiteral("%1 app").arg(config.productTitle);
        const bool current = s.id == currentSessionId;
        rows += QStringLiteral("<tr><td>%1%2</td>%3%4<td class=\"actions\">%5</td></tr>")
                    .arg(esc(kind), current ? QStringLiteral("<span class=\"tag\">This browser</span>") : QString(),
                         cell(displayDate(s.createdAt)), cell(displayDate(s.lastUsedAt)),
                         buttonForm(view, QStringLiteral("sessions/signout"), {{QStringLiteral("session_id"), s.id}},
                                    QStringLiteral("Sign out"),
                                    current ? QStringLiteral("Sign out this browser")
                                            : QStringLiteral("Sign out the %1 session started %2").arg(kind, displayDate(s.createdAt))));
    }
    const QString body =
        statusBlocks(view)
        + QStringLiteral("<p>Every place where your account is signed in. Signing one out ends it at once; the app asks "
                         "for your password again on its next sync.</p><table aria-labelledby=\"sessions-title\">%1"
                         "<tbody>%2</tbody></table>")
              .arg(headerRow({QStringLiteral("Signed in with"), QStringLiteral("Started"), QStringLiteral("Last active"), QString()}),
                   rows);
    return frame(config, view, QStringLiteral("sessions"), section(QStringLiteral("sessions-title"), QStringLiteral("Sessions"), body));
}

QString devices(const ServerConfig &config, const PortalView &view, const QJsonArray &list)
{
    QString rows;
    for (const QJsonValue &value : list) {
        const QJsonObject d = value.toObject();
        const QString name = d.value(QStringLiteral("name")).toString();
        const QString shown = name.isEmpty() ? QStringLiteral("Unnamed device") : name;
        rows += QStringLiteral("<tr>%1%2%3%4%5<td class=\"actions\">%6</td></tr>")
                    .arg(cell(shown), cell(d.value(QStringLiteral("platform")).toString()),
                         cell(d.value(QStringLiteral("app_version")).toString()),
                         cell(displayDate(d.value(QStringLiteral("created_at")).toString())),
                         cell(displayDate(d.value(QStringLiteral("last_seen_at")).toString())),
                         buttonForm(view, QStringLiteral("devices/remove"),
                                    {{QStringLiteral("device_id"), d.value(QStringLiteral("device_id")).toString()}},
                                    QStringLiteral("Remove"), QStringLiteral("Remove %1").arg(shown)));
    }
    const QString table =
        rows.isEmpty()
            ? QStringLiteral("<p class=\"empty\">No devices yet. The app registers each computer when it signs in.</p>")
            : QStringLiteral("<table aria-labelledby=\"devices-title\">%1<tbody>%2</tbody></table>")
                  .arg(headerRow({QStringLiteral("Name"), QStringLiteral("Platform"), QStringLiteral("App version"),
                                  QStringLiteral("Added"), QStringLiteral("Last seen"), QString()}),
                       rows);
    const QString body = statusBlocks(view)
        + QStringLiteral("<p>The computers where the app uses your account. Removing one forgets it here; to stop it "
                         "syncing, also sign out its session.</p>")
        + table;
    return frame(config, view, QStringLiteral("devices"), section(QStringLiteral("devices-title"), QStringLiteral("Devices"), body));
}

QString family(const ServerConfig &config, const PortalView &view, const FamilyView &f)
{
    QString body = statusBlocks(view);
    QString heading = QStringLiteral("Family group");
    if (!f.inGroup) {
        body += QStringLiteral("<p>A family group lets the people of one household share accounts with each other.</p>")
            + familyInvitations(view, f)
            + oneFieldForm(view, QStringLiteral("create"), QStringLiteral("Start a group"),
                           Pages::field(QStringLiteral("group-name"), QStringLiteral("name"), QStringLiteral("Group name"),
                                        QStringLiteral("text"), QStringLiteral("off"), QString(),
                                        QStringLiteral(" maxlength=\"100\" aria-describedby=\"create-hint\"")),
                           QStringLiteral("Create group"), QStringLiteral("You will be its owner: you invite the others."));
        return frame(config, view, QStringLiteral("family"), section(QStringLiteral("family-title"), heading, body));
    }
    const bool owner = f.group.ownerUserId == view.user.id;
    heading = QStringLiteral("Family group: %1").arg(f.group.name);
    body += familyMembers(view, f, owner);
    if (owner)
        body += familyOwnerTools(view, f);
    body += familyInvitations(view, f);
    body += QStringLiteral("<h3 id=\"leave-title\">Leave</h3>");
    if (owner && f.members.size() > 1) {
        body += QStringLiteral("<p class=\"hint\">As the owner, you can leave once the other members are removed.</p>");
    } else {
        body += QStringLiteral("<p>%1</p>").arg(owner ? QStringLiteral("You are the only member: leaving closes the group.")
                                                      : QStringLiteral("To come back later, you need a new invitation from the owner."))
            + buttonForm(view, QStringLiteral("family/leave"), {}, QStringLiteral("Leave group"), {},
                         QStringLiteral("secondary"));
    }
    return frame(config, view, QStringLiteral("family"), section(QStringLiteral("family-title"), heading, body));
}

} // namespace QuilletServer::PortalPages
