#include "server/browsersignin.h"
#include "server/backend.h"
#include "server/http.h"
#include "server/serverconfig.h"

namespace QuilletServer::BrowserSignIn {

namespace {

const QByteArray kSessionCookie = "quillet_session";
const QByteArray kNonceCookie = "quillet_signin";

// Tokens are 43 characters of base64url; anything else is not ours.
bool looksLikeToken(const QString &text)
{
    if (text.size() != 43)
        return false;
    for (const QChar c : text) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

void setCookie(const ServerConfig &config, const QByteArray &name, const QString &value, qint64 maxAge,
               HttpResponse *response)
{
    QByteArray cookie = name + '=' + value.toLatin1() + "; Path=/; HttpOnly; SameSite=Lax";
    if (maxAge >= 0)
        cookie += "; Max-Age=" + QByteArray::number(maxAge);
    if (config.publicUrl.startsWith(QLatin1String("https:"), Qt::CaseInsensitive))
        cookie += "; Secure";
    response->withHeader("Set-Cookie", cookie);
}

} // namespace

QString nonceOf(const HttpRequest &request)
{
    const QString carried = request.cookie(kNonceCookie);
    return looksLikeToken(carried) ? carried : Secrets::randomToken();
}

void keepNonce(const ServerConfig &config, const QString &nonce, HttpResponse *response)
{
    setCookie(config, kNonceCookie, nonce, -1, response);
}

bool nonceMatches(const HttpRequest &request, const QString &posted)
{
    const QString carried = request.cookie(kNonceCookie);
    return looksLikeToken(carried) && Secrets::equalConstantTime(carried.toLatin1(), posted.toUtf8());
}

bool caller(Backend &backend, const HttpRequest &request, Caller *out)
{
    const QString token = request.cookie(kSessionCookie);
    return looksLikeToken(token) && backend.sessions.authenticateBrowser(token, out);
}

QString formToken(const HttpRequest &request)
{
    return Sessions::formToken(request.cookie(kSessionCookie));
}

bool start(Backend &backend, const QString &userId, HttpResponse *response)
{
    QString token, error;
    if (!backend.sessions.startBrowser(userId, &token, &error)) {
        qWarning("browser sign-in: cannot start a session: %s", qPrintable(error));
        return false;
    }
    setCookie(backend.context.config, kSessionCookie, token, Sessions::kBrowserLifetimeSecs, response);
    return true;
}

void forget(const ServerConfig &config, HttpResponse *response)
{
    setCookie(config, kSessionCookie, QString(), 0, response);
}

} // namespace QuilletServer::BrowserSignIn
