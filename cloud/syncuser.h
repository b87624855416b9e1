#pragma once

#include <QString>

#include <functional>

class PreferencesRepository;
class SyncEngine;

namespace LarkAccount {
class Client;
}

// Which user of the online service this store syncs with, kept beside the
// data. The service numbers each user's changes on their own, so a store's
// cursor and sync marks only mean something for the user they came from:
// going on with another user would skip that user's older records and send
// this store's rows into their account without a word.
class SyncUser
{
public:
    struct Who {
        QString id;
        QString email;
    };
    // First: the store never synced with anyone (or before users were kept).
    enum class Match { First, Same, Other };

    explicit SyncUser(PreferencesRepository *preferences);

    Who remembered() const;
    Match match(const QString &userId) const;
    bool remember(const Who &who);
    // Takes another user on: everything here goes up to them and all of
    // theirs comes down (a full sync), and they are remembered only once the
    // old cursor is gone, so that an interruption asks again rather than
    // skip their records.
    bool adopt(SyncEngine &engine, const Who &who);

    // Asks the service who is signed in and compares. The first user is
    // remembered at once, and a changed address of the same user too; another
    // user is left for the caller to settle. done(false, HTTP status, ...)
    // when the service did not say.
    static void check(LarkAccount::Client *client, PreferencesRepository *preferences,
                      std::function<void(bool ok, int httpStatus, Match match, const Who &signedIn)> done);

private:
    PreferencesRepository *m_preferences;
};
