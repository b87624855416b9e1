#pragma once

#include <QString>

namespace QuilletServer {

class Backend;
struct Caller;
struct HttpRequest;
struct HttpResponse;
struct ServerConfig;

// The browser's side of the account pages: a session cookie (HttpOnly,
// SameSite=Lax), and a nonce cookie that ties a sign-in form to the browser
// it was given to, so another site cannot sign a browser in to its account.
namespace BrowserSignIn {

// The nonce this browser already carries, or a new one.
QString nonceOf(const HttpRequest &request);
// Sets (or refreshes) the nonce cookie with the page that carries it.
void keepNonce(const ServerConfig &config, const QString &nonce, HttpResponse *response);
// True when the posted "browser" field is the nonce of the browser posting it.
bool nonceMatches(const HttpRequest &request, const QString &posted);

// The signed-in user of the request's session cookie, if any.
bool caller(Backend &backend, const HttpRequest &request, Caller *out);
// The form token of the request's session cookie: every form of the account
// pages carries it and every post must return it.
QString formToken(const HttpRequest &request);
// Starts a browser session for the user; *response sets its cookie.
bool start(Backend &backend, const QString &userId, HttpResponse *response);
// Makes the browser forget its session cookie.
void forget(const ServerConfig &config, HttpResponse *response);

} // namespace BrowserSignIn
} // namespace QuilletServer
