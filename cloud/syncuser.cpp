#include "cloud/syncuser.h"

#include "cloud/accountclient.h"
#include "cloud/syncengine.h"
#include "data/preferencesrepository.h"

namespace {
const QString kUserIdKey = QStringLiteral("syncUserId");
const QString kUserEmailKey = QStringLiteral("syncUserEmail");
}

SyncUser::SyncUser(PreferencesRepository *preferences)
    : m_preferences(preferences)
{
}

SyncUser::Who SyncUser::remembered() const
{
    return {m_preferences->get(kUserIdKey, QString()), m_preferences->get(kUserEmailKey, QString())};
}

SyncUser::Match SyncUser::match(const QString &userId) const
{
    const QString known = m_preferences->get(kUserIdKey, QString());
    if (known.isEmpty())
        return Match::First;
    return known == userId ? Match::Same : Match::Other;
}

bool SyncUser::remember(const Who &who)
{
    const Who known = remembered();
    if (known.id == who.id && known.email == who.email)
        return true;
    return m_preferences->set(kUserIdKey, who.id) && m_preferences->set(kUserEmailKey, who.email);
}

bool SyncUser::adopt(SyncEngine &engine, const Who &who)
{
    engine.forceFullSync();
    return remember(who);
}

void SyncUser::check(LarkAccount::Client *client, PreferencesRepository *preferences,
                     std::function<void(bool, int, Match, const Who &)> done)
{
    client->fetchProfile([client, preferences, done = std::move(done)](bool ok, int status) {
        if (!ok) {
            done(false, status, Match::Other, {});
            return;
        }
        SyncUser user(preferences);
        const Who signedIn{client->userId(), client->email()};
        const Match match = user.match(signedIn.id);
        // The store must know whom it syncs with before anything is sent.
        if (match != Match::Other && !user.remember(signedIn)) {
            done(false, status, match, signedIn);
            return;
        }
        done(true, status, match, signedIn);
    });
}
