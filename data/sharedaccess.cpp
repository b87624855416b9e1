#include "data/sharedaccess.h"

#include "data/preferencesrepository.h"

#include <QJsonObject>

const QString SharedAccess::kPreferenceKey = QStringLiteral("sharedAccounts");

namespace {
const QString kRole = QStringLiteral("role");
const QString kOwnerName = QStringLiteral("owner_name");
const QString kOwnerEmail = QStringLiteral("owner_email");
}

SharedAccess::SharedAccess(PreferencesRepository *preferences)
    : m_preferences(preferences)
{
}

QHash<QString, SharedAccess::Access> SharedAccess::all() const
{
    QHash<QString, Access> out;
    const QJsonObject stored = m_preferences->getObject(kPreferenceKey);
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        out.insert(it.key(), {entry.value(kRole).toString(), entry.value(kOwnerName).toString(),
                              entry.value(kOwnerEmail).toString()});
    }
    return out;
}

std::optional<SharedAccess::Access> SharedAccess::of(const QString &accountId) const
{
    const QHash<QString, Access> accounts = all();
    const auto it = accounts.constFind(accountId);
    if (it == accounts.constEnd())
        return std::nullopt;
    return *it;
}

bool SharedAccess::isViewOnly(const QString &accountId) const
{
    const std::optional<Access> access = of(accountId);
    return access && access->viewOnly();
}

QList<Account> SharedAccess::writable(QList<Account> accounts) const
{
    const QHash<QString, Access> shared = all();
    accounts.removeIf([&shared](const Account &a) {
        const auto it = shared.constFind(a.id);
        return it != shared.constEnd() && it->viewOnly();
    });
    return accounts;
}

bool SharedAccess::set(const QString &accountId, const std::optional<Access> &access)
{
    QHash<QString, Access> accounts = all();
    const auto it = accounts.constFind(accountId);
    if (access ? (it != accounts.constEnd() && *it == *access) : it == accounts.constEnd())
        return false;
    if (access)
        accounts.insert(accountId, *access);
    else
        accounts.remove(accountId);
    QJsonObject stored;
    for (auto a = accounts.constBegin(); a != accounts.constEnd(); ++a)
        stored.insert(a.key(), QJsonObject{{kRole, a->role}, {kOwnerName, a->ownerName}, {kOwnerEmail, a->ownerEmail}});
    if (stored.isEmpty())
        return m_preferences->remove(kPreferenceKey);
    return m_preferences->setObject(kPreferenceKey, stored);
}
