#pragma once

#include "httpclient.h"

#include <QString>
#include <QUrl>

#include <functional>

struct Tokens {
    QString access;
    QString refresh;
};

// The test playing the app and its browser through the sign-in pages.
namespace SignIn {

inline const QString kClientId = QStringLiteral("5e0f3a9d27c84b61a0d9e3f4b8c21a7e");
inline const QString kRedirect = QStringLiteral("http://127.0.0.1:53682/callback");
// The example of RFC 7636, appendix B.
inline const QString kVerifier = QStringLiteral("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk");
inline const QString kChallenge = QStringLiteral("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM");

// The fields the app puts in the sign-in address, which the page carries on.
FormFields requestFields(const QString &state = QStringLiteral("state-1"));
QString loginPath(const FormFields &fields);
// "code" of a 303 to the callback, or empty.
QString codeOf(const HttpReply &redirect);
HttpReply exchange(HttpClient &client, const QString &code, const QString &verifier = kVerifier,
                   const QString &redirect = kRedirect);
// Sign-up (or sign-in when the account exists) and the code exchange.
Tokens signUp(HttpClient &client, const QString &email, const QString &password = QStringLiteral("correct horse"));

// The browser's part of a sign-in started by the app: opens the app's
// sign-in address, signs up (or in, when the address is taken) with the
// hidden fields the page carries, and follows the redirect to the app's
// listener. tamper may change the redirect first. The listener's answer is
// returned; *callback is the address it was given.
HttpReply playBrowser(HttpClient &client, const QUrl &loginUrl, const QString &email,
                      const std::function<QUrl(const QUrl &)> &tamper = {}, QUrl *callback = nullptr);

} // namespace SignIn
