#include "cloud/accountsharingservice.h"

#include "cloud/accountclient.h"
#include "cloud/apiclient.h"
#include "data/accountrepository.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QUrl>

namespace {

AccountSharingService::Person personFrom(const QJsonObject &o)
{
    return {o.value(QStringLiteral("user_id")).toString(), o.value(QStringLiteral("email")).toString(),
            o.value(QStringLiteral("display_name")).toString()};
}

} // namespace

QString AccountSharingService::Person::label() const
{
    if (displayName.isEmpty())
        return email;
    if (email.isEmpty())
        return displayName;
    return QStringLiteral("%1 <%2>").arg(displayName, email);
}

AccountSharingService::AccountSharingService(LarkAccount::Client *client, AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_accounts(accounts)
{
}

QString AccountSharingService::unavailableReason(const QString &accountId) const
{
    if (!m_client->isAuthenticated())
        return tr("Sign in to your Larkspire account to share accounts with your family group.");
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->isDeleted())
        return tr("Select an account first");
    if (account->serverId.isEmpty())
        return tr("\"%1\" has not been synced yet. It can be shared once the next sync has finished.")
            .arg(account->name);
    return {};
}

AccountSharingService::Sharing AccountSharingService::sharingFrom(const QJsonObject &reply)
{
    Sharing sharing;
    sharing.owner = personFrom(reply.value(QStringLiteral("owner")).toObject());
    sharing.myRole = reply.value(QStringLiteral("role")).toString();
    for (const QJsonValue &value : reply.value(QStringLiteral("members")).toArray()) {
        const QJsonObject o = value.toObject();
        sharing.members.append({personFrom(o), o.value(QStringLiteral("role")).toString(),
                                QDateTime::fromString(o.value(QStringLiteral("created_at")).toString(), Qt::ISODate)});
    }
    for (const QJsonValue &value : reply.value(QStringLiteral("candidates")).toArray())
        sharing.candidates.append(personFrom(value.toObject()));
    return sharing;
}

void AccountSharingService::members(const QString &accountId, Done done)
{
    request("GET", accountId, QStringLiteral("/members"), {}, false, std::move(done));
}

void AccountSharingService::share(const QString &accountId, const QString &userId, const QString &role, Done done)
{
    request("POST", accountId, QStringLiteral("/share"),
            {{QStringLiteral("user_id"), userId}, {QStringLiteral("role"), role}}, true, std::move(done));
}

void AccountSharingService::unshare(const QString &accountId, const QString &userId, Done done)
{
    request("DELETE", accountId, QStringLiteral("/share/%1").arg(QString::fromLatin1(QUrl::toPercentEncoding(userId))),
            {}, true, std::move(done));
}

void AccountSharingService::request(const QByteArray &verb, const QString &accountId, const QString &pathTail,
                                    const QJsonObject &body, bool changes, Done done)
{
    const QString reason = unavailableReason(accountId);
    if (!reason.isEmpty()) {
        // Answered from the event loop like a request, never from inside the call.
        QMetaObject::invokeMethod(
            this, [done = std::move(done), reason] { done(false, reason, {}); }, Qt::QueuedConnection);
        return;
    }
    const QString serverId = m_accounts->findById(accountId)->serverId;
    const QString path = QStringLiteral("/accounts/%1").arg(QString::fromLatin1(QUrl::toPercentEncoding(serverId)))
                         + pathTail;
    QPointer<AccountSharingService> self(this);
    m_client->api()->send(verb, path, {}, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact),
                          [self, done = std::move(done), accountId, changes](bool ok, int status, const QJsonObject &reply) {
                              if (!ok) {
                                  QString error = tr("Failed to share account (HTTP %1)").arg(status);
                                  const QString message = reply.value(QStringLiteral("message")).toString();
                                  if (!message.isEmpty())
                                      error += QLatin1Char('\n') + message;
                                  done(false, error, {});
                                  return;
                              }
                              if (changes && self)
                                  Q_EMIT self->sharingChanged(accountId);
                              done(true, QString(), sharingFrom(reply));
                          });
}
