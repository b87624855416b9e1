#pragma once

#include <QString>
#include <QStringList>

namespace LarkAccount {

// Where the online service lives and how this program introduces itself:
// the nine texts the account client is built from, in their fixed order,
// and the sync API's base URL.
struct Config {
    QString authBaseUrl;
    QString realm;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString productTitle;
    QString appVersion;
    QString reserved;  // unused; kept so the nine texts keep their places
    QString portalUrl;

    QString syncApiUrl;
    // The release downloads (the update checker's manifests sit below
    // "/quillet/stable/") and the page that takes the user's feedback.
    QString downloadsUrl;
    QString feedbackUrl;

    // The nine texts in order.
    static Config fromTexts(const QStringList &nine);
    // The endpoint variables (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL,
    // AUTH_REALM_SLUG, AUTH_CLIENT_ID, ACCOUNT_PORTAL_URL, DOWNLOADS_URL,
    // FEEDBACK_URL) where set and not empty, the built-in service otherwise.
    static Config fromEnvironment();
};

// "windows", "macos" or "linux": the X-Platform header and the device list.
QString platformName();

} // namespace LarkAccount
