#include "signin.h"

#include <QUrlQuery>

namespace SignIn {

FormFields requestFields(const QString &state)
{
    return {{QStringLiteral("client_id"), kClientId},
            {QStringLiteral("redirect_uri"), kRedirect},
            {QStringLiteral("state"), state},
            {QStringLiteral("code_challenge"), kChallenge},
            {QStringLiteral("code_challenge_method"), QStringLiteral("S256")}};
}

QString loginPath(const FormFields &fields)
{
    return QStringLiteral("/larkspire/account/login?") + QString::fromLatin1(HttpClient::formBody(fields));
}

QString codeOf(const HttpReply &redirect)
{
    if (redirect.status != 303)
        return {};
    const QUrl location(QString::fromUtf8(redirect.header("location")));
    return QUrlQuery(location).queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
}

HttpReply exchange(HttpClient &client, const QString &code, const QString &verifier, const QString &redirect)
{
    return client.postForm(QStringLiteral("/auth/token"), {{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                                                           {QStringLiteral("code"), code},
                                                           {QStringLiteral("code_verifier"), verifier},
                                                           {QStringLiteral("redirect_uri"), redirect},
                                                           {QStringLiteral("client_id"), kClientId}});
}

Tokens signUp(HttpClient &client, const QString &email, const QString &password)
{
    FormFields fields = requestFields();
    fields += {{QStringLiteral("email"), email},
               {QStringLiteral("display_name"), QStringLiteral("Test")},
               {QStringLiteral("password"), password}};
    HttpReply reply = client.postForm(QStringLiteral("/larkspire/account/register"), fields);
    if (reply.status == 409)
        reply = client.postForm(QStringLiteral("/larkspire/account/login"), fields);
    const QJsonObject tokens = exchange(client, codeOf(reply)).json();
    return {tokens.value(QStringLiteral("access_token")).toString(),
            tokens.value(QStringLiteral("refresh_token")).toString()};
}

HttpReply playBrowser(HttpClient &client, const QUrl &loginUrl, const QString &email,
                      const std::function<QUrl(const QUrl &)> &tamper, QUrl *callback)
{
    const HttpReply page = client.get(loginUrl.path() + QLatin1Char('?') + loginUrl.query(QUrl::FullyEncoded));
    if (page.status != 200)
        return page;
    FormFields fields;
    const QUrlQuery asked(loginUrl);
    for (const auto &item : asked.queryItems(QUrl::FullyDecoded))
        fields.append(item);
    fields += {{QStringLiteral("email"), email},
               {QStringLiteral("display_name"), QStringLiteral("Test Person")},
               {QStringLiteral("password"), QStringLiteral("correct horse")}};
    const QString realmPath = loginUrl.path().section(QLatin1Char('/'), 0, -2);
    HttpReply reply = client.postForm(realmPath + QStringLiteral("/register"), fields);
    if (reply.status == 409)
        reply = client.postForm(realmPath + QStringLiteral("/login"), fields);
    if (reply.status != 303)
        return reply;
    QUrl location(QString::fromUtf8(reply.header("location")));
    if (tamper)
        location = tamper(location);
    if (callback)
        *callback = location;
    return client.get(location.toString(QUrl::FullyEncoded));
}

} // namespace SignIn
