#pragma once

#include <QString>

namespace QuilletServer {

struct ServerConfig;

// What the browser sign-in carries from the app's address through the forms.
struct SignInRequest {
    QString clientId;
    QString redirectUri;
    QString state;
    QString codeChallenge;
    QString codeChallengeMethod;
};

// The server's HTML: plain forms with labels, no scripts, light and dark.
namespace Pages {

struct FormState {
    QString error;        // shown above the form it belongs to
    bool signUpError = false;
    QString email;
    QString displayName;
    QString browserNonce;  // ties the forms to this browser (see BrowserSignIn)
};

QString signIn(const ServerConfig &config, const SignInRequest &request, const FormState &state);
QString device(const ServerConfig &config, const QString &userCode, const QString &error, const QString &email);
QString notice(const ServerConfig &config, const QString &title, const QString &text);
QString throttledText(qint64 retryAfter);

// What every page is made of, for the account pages.
QString page(const ServerConfig &config, const QString &title, const QString &content);
QString errorBlock(const QString &error, const QString &id);
QString field(const QString &id, const QString &name, const QString &label, const QString &type,
              const QString &autocomplete, const QString &value, const QString &extra = {});
QString hiddenField(const QString &name, const QString &value);
// Text made safe to stand in HTML, in content or a quoted attribute.
QString esc(const QString &text);

} // namespace Pages
} // namespace QuilletServer
