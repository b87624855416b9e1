#pragma once

#include "data/records.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class PreferencesRepository;

// What the user may do in the accounts other people share with them, as the
// last sync told it. Kept in the preference "sharedAccounts" (a JSON object
// by local account id), so that a shared register knows it is view-only
// before the next sync, offline too. Accounts the user owns have no entry.
class SharedAccess
{
public:
    struct Access {
        QString role;  // "viewer" or "editor"
        QString ownerName;
        QString ownerEmail;
        // Anything but an editor only looks.
        bool viewOnly() const { return role != QLatin1String("editor"); }
        // The owner as the user knows them: the name, else the address.
        QString owner() const { return ownerName.isEmpty() ? ownerEmail : ownerName; }
        bool operator==(const Access &o) const
        {
            return role == o.role && ownerName == o.ownerName && ownerEmail == o.ownerEmail;
        }
    };

    static const QString kPreferenceKey;

    explicit SharedAccess(PreferencesRepository *preferences);

    std::optional<Access> of(const QString &accountId) const;
    bool isViewOnly(const QString &accountId) const;
    // The accounts the user may write into: all but those shared with them
    // to view only.
    QList<Account> writable(QList<Account> accounts) const;
    // Records or (with no access) forgets what the user may do in the
    // account; true when that changed anything.
    bool set(const QString &accountId, const std::optional<Access> &access);

private:
    QHash<QString, Access> all() const;

    PreferencesRepository *m_preferences;
};
