#include "server/pages.h"
#include "server/serverconfig.h"

namespace QuilletServer::Pages {

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

namespace {

const char kStyle[] = R"(
:root { color-scheme: light dark; --bg: #f4f1ea; --card: #ffffff; --ink: #1f2328; --muted: #5b6470;
  --line: #d0d4da; --accent: #2f5d8a; --accent-ink: #ffffff; --error-bg: #fdecea; --error-ink: #8a1c13;
  --ok-bg: #e6f4ea; --ok-ink: #1e5631; }
@media (prefers-color-scheme: dark) {
  :root { --bg: #16181c; --card: #22252b; --ink: #e8eaed; --muted: #a4acb7; --line: #3a3f47;
    --accent: #7fb0e0; --accent-ink: #0d1b2a; --error-bg: #3b1d1a; --error-ink: #ffb4a9;
    --ok-bg: #1d3324; --ok-ink: #a8dab5; } }
* { box-sizing: border-box; }
body { margin: 0; min-height: 100vh; background: var(--bg); color: var(--ink);
  font: 16px/1.5 system-ui, -apple-system, "Segoe UI", "DejaVu Sans", sans-serif; }
main { max-width: 860px; margin: 0 auto; padding: 48px 20px; }
header { margin-bottom: 28px; }
h1 { font-size: 1.7rem; margin: 0 0 4px; }
header p { margin: 0; color: var(--muted); }
.panels { display: flex; flex-wrap: wrap; gap: 24px; }
section { flex: 1 1 320px; background: var(--card); border: 1px solid var(--line); border-radius: 10px;
  padding: 24px 28px; }
h2 { font-size: 1.2rem; margin: 0 0 16px; }
label { display: block; font-weight: 600; margin: 14px 0 4px; }
input[type=email], input[type=password], input[type=text] { width: 100%; padding: 9px 11px; font: inherit;
  color: var(--ink); background: var(--bg); border: 1px solid var(--line); border-radius: 6px; }
input:focus, button:focus { outline: 3px solid var(--accent); outline-offset: 1px; }
.hint { color: var(--muted); font-size: 0.9rem; margin: 4px 0 0; }
.buttons { display: flex; gap: 12px; margin-top: 20px; }
button { font: inherit; font-weight: 600; padding: 9px 20px; border-radius: 6px; cursor: pointer;
  border: 1px solid var(--accent); background: var(--accent); color: var(--accent-ink); }
button.secondary { background: transparent; color: var(--ink); border-color: var(--line); }
.error { background: var(--error-bg); color: var(--error-ink); border-radius: 6px; padding: 10px 12px; margin: 0 0 8px; }
footer { margin-top: 28px; color: var(--muted); font-size: 0.85rem; }
a { color: var(--accent); }
a:focus { outline: 3px solid var(--accent); outline-offset: 2px; }
.notice { background: var(--ok-bg); color: var(--ok-ink); border-radius: 6px; padding: 10px 12px; margin: 0 0 16px; }
.account-head { display: flex; flex-wrap: wrap; justify-content: space-between; align-items: flex-start; gap: 16px; }
.account-head form { margin: 0; }
nav ul { list-style: none; display: flex; flex-wrap: wrap; gap: 4px 8px; margin: 0 0 24px; padding: 0;
  border-bottom: 1px solid var(--line); }
nav a { display: block; padding: 8px 12px; color: var(--ink); text-decoration: none;
  border-bottom: 3px solid transparent; margin-bottom: -1px; }
nav a:hover { color: var(--accent); }
nav a[aria-current=page] { border-bottom-color: var(--accent); font-weight: 600; }
.stack { display: flex; flex-direction: column; gap: 24px; }
.stack section { flex: none; }
h3 { font-size: 1.05rem; margin: 24px 0 8px; }
table { width: 100%; border-collapse: collapse; }
th, td { text-align: left; padding: 9px 8px; border-bottom: 1px solid var(--line); vertical-align: middle; }
th { font-size: 0.85rem; font-weight: 600; color: var(--muted); }
td.actions { text-align: right; white-space: nowrap; }
td.actions form { display: inline; margin: 0 0 0 6px; }
button.small { padding: 4px 12px; font-size: 0.9rem; }
.tag { display: inline-block; font-size: 0.8rem; padding: 0 8px; border: 1px solid var(--line); border-radius: 10px;
  color: var(--muted); margin-left: 6px; }
.empty { color: var(--muted); margin: 0; }
.meta { margin-top: 20px; }
.visually-hidden { position: absolute; width: 1px; height: 1px; overflow: hidden; clip: rect(0 0 0 0); white-space: nowrap; }
.inline-form { display: flex; flex-wrap: wrap; align-items: flex-end; gap: 12px; }
.inline-form div { flex: 1 1 240px; }
.inline-form label { margin-top: 0; }
.inline-form .buttons { margin-top: 0; flex: none; }
)";

} // namespace

QString page(const ServerConfig &config, const QString &title, const QString &content)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%1 - %2</title><style>%3</style></head>"
                          "<body><main>%4<footer>%2 sync server</footer></main></body></html>\n")
        .arg(esc(title), esc(config.productTitle), QString::fromLatin1(kStyle), content);
}

QString errorBlock(const QString &error, const QString &id)
{
    if (error.isEmpty())
        return {};
    return QStringLiteral("<p class=\"error\" role=\"alert\" id=\"%1\">%2</p>").arg(id, esc(error));
}

QString hiddenField(const QString &name, const QString &value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">").arg(esc(name), esc(value));
}

QString throttledText(qint64 retryAfter)
{
    return QStringLiteral("Too many failed sign-ins. Try again in %1 minute(s).").arg((retryAfter + 59) / 60);
}

namespace {

QString hidden(const SignInRequest &r, const QString &browserNonce)
{
    QString out = browserNonce.isEmpty() ? QString() : hiddenField(QStringLiteral("browser"), browserNonce);
    const std::pair<const char *, QString> fields[] = {{"client_id", r.clientId},
                                                       {"redirect_uri", r.redirectUri},
                                                       {"state", r.state},
                                                       {"code_challenge", r.codeChallenge},
                                                       {"code_challenge_method", r.codeChallengeMethod}};
    for (const auto &f : fields)
        out += hiddenField(QLatin1String(f.first), f.second);
    return out;
}

} // namespace

QString field(const QString &id, const QString &name, const QString &label, const QString &type,
              const QString &autocomplete, const QString &value, const QString &extra)
{
    return QStringLiteral("<label for=\"%1\">%3</label><input id=\"%1\" name=\"%2\" type=\"%4\" "
                          "autocomplete=\"%5\" value=\"%6\"%7>")
        .arg(id, name, esc(label), type, autocomplete, esc(value), extra);
}

QString signIn(const ServerConfig &config, const SignInRequest &request, const FormState &state)
{
    const QString base = QStringLiteral("/%1/account/").arg(config.realm);
    const QString signInError = state.signUpError ? QString() : state.error;
    const QString signUpError = state.signUpError ? state.error : QString();
    QString signUp;
    if (config.allowSignUp) {
        signUp = QStringLiteral("<section aria-labelledby=\"signup-title\"><h2 id=\"signup-title\">Create an account</h2>"
                                "%1<form method=\"post\" action=\"%2register\">%3%4%5%6"
                                "<p class=\"hint\" id=\"password-hint\">At least 8 characters.</p>"
                                "<div class=\"buttons\"><button type=\"submit\">Create account</button></div>"
                                "</form></section>")
                     .arg(errorBlock(signUpError, QStringLiteral("signup-error")), base, hidden(request, state.browserNonce),
                          field(QStringLiteral("signup-email"), QStringLiteral("email"), QStringLiteral("Email"),
                                QStringLiteral("email"), QStringLiteral("email"),
                                state.signUpError ? state.email : QString(), QStringLiteral(" required")),
                          field(QStringLiteral("signup-name"), QStringLiteral("display_name"),
                                QStringLiteral("Your name"), QStringLiteral("text"), QStringLiteral("name"),
                                state.displayName, QStringLiteral(" maxlength=\"100\"")),
                          field(QStringLiteral("signup-password"), QStringLiteral("password"),
                                QStringLiteral("Password"), QStringLiteral("password"), QStringLiteral("new-password"),
                                QString(),
                                QStringLiteral(" required minlength=\"8\" aria-describedby=\"password-hint\"")));
    }
    const QString content =
        QStringLiteral("<header><h1>%1</h1><p>Sign in to sync your register with this server.</p></header>"
                       "<div class=\"panels\"><section aria-labelledby=\"signin-title\">"
                       "<h2 id=\"signin-title\">Sign in</h2>%2<form method=\"post\" action=\"%3login\">%4%5%6"
                       "<div class=\"buttons\"><button type=\"submit\">Sign in</button></div></form></section>%7</div>")
            .arg(esc(config.productTitle), errorBlock(signInError, QStringLiteral("signin-error")), base,
                 hidden(request, state.browserNonce),
                 field(QStringLiteral("signin-email"), QStringLiteral("email"), QStringLiteral("Email"),
                       QStringLiteral("email"), QStringLiteral("username"),
                       state.signUpError ? QString() : state.email, QStringLiteral(" required autofocus")),
                 field(QStringLiteral("signin-password"), QStringLiteral("password"), QStringLiteral("Password"),
                       QStringLiteral("password"), QStringLiteral("current-password"), QString(),
                       QStringLiteral(" required")),
                 signUp);
    return page(config, QStringLiteral("Sign in"), content);
}

QString device(const ServerConfig &config, const QString &userCode, const QString &error, const QString &email)
{
    const QString content =
        QStringLiteral("<header><h1>Connect a device</h1><p>Enter the code your program shows, then sign in to "
                       "let it use your account.</p></header><div class=\"panels\"><section>%1"
                       "<form method=\"post\" action=\"/%2/device\">%3%4%5"
                       "<div class=\"buttons\"><button type=\"submit\" name=\"action\" value=\"approve\">Allow</button>"
                       "<button type=\"submit\" name=\"action\" value=\"deny\" class=\"secondary\">Deny</button></div>"
                       "</form></section></div>")
            .arg(errorBlock(error, QStringLiteral("device-error")), config.realm,
                 field(QStringLiteral("user-code"), QStringLiteral("user_code"), QStringLiteral("Code"),
                       QStringLiteral("text"), QStringLiteral("off"), userCode,
                       QStringLiteral(" required autocapitalize=\"characters\" spellcheck=\"false\"")),
                 field(QStringLiteral("device-email"), QStringLiteral("email"), QStringLiteral("Email"),
                       QStringLiteral("email"), QStringLiteral("username"), email, QStringLiteral(" required")),
                 field(QStringLiteral("device-password"), QStringLiteral("password"), QStringLiteral("Password"),
                       QStringLiteral("password"), QStringLiteral("current-password"), QString(),
                       QStringLiteral(" required")));
    return page(config, QStringLiteral("Connect a device"), content);
}

QString notice(const ServerConfig &config, const QString &title, const QString &text)
{
    return page(config, title,
                QStringLiteral("<header><h1>%1</h1></header><div class=\"panels\"><section><p>%2</p></section></div>")
                    .arg(esc(title), esc(text)));
}

} // namespace QuilletServer::Pages
