#include "bench/syncsupport.h"

#include "server/server.h"
#include "server/store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkReply>
#include <QProcessEnvironment>
#include <QUrlQuery>

#include <cstdio>

using namespace QuilletServer;

namespace BenchSync {

namespace {
const QString kClientId = QString::fromLatin1(kDefaultClientId);
const QString kVerifier = QStringLiteral("bench-verifier-bench-verifier-bench-verifier-0123");
}

void runServerChild(const QString &dbPath)
{
    QLoggingCategory::setFilterRules(QStringLiteral("quillet.server.http.info=false"));
    ServerConfig config;
    config.passwordCost = PasswordCost::minimum();
    static Server server(config);
    QString error;
    if (!server.open(DatabaseTarget::sqlite(dbPath), &error))
        qFatal("bench server: %s", qPrintable(error));
    const quint16 port = server.listen(QHostAddress::LocalHost, 0, &error);
    std::printf("port %u\n", unsigned(port));
    std::fflush(stdout);
    QCoreApplication::exec();
}

Reply request(QNetworkAccessManager &nam, const QUrl &url, const QByteArray &method, const QByteArray &body,
              const QByteArray &type, const QString &token)
{
    QNetworkRequest req(url);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!type.isEmpty())
        req.setHeader(QNetworkRequest::ContentTypeHeader, type);
    if (!token.isEmpty())
        req.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    QNetworkReply *reply = method == "GET" ? nam.get(req) : nam.post(req, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Reply out{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
              reply->rawHeader("Location")};
    reply->deleteLater();
    return out;
}

QByteArray form(const QList<QPair<QString, QString>> &fields)
{
    QByteArrayList parts;
    for (const auto &f : fields)
        parts.append(QUrl::toPercentEncoding(f.first) + '=' + QUrl::toPercentEncoding(f.second));
    return parts.join('&');
}

Tokens signUp(QNetworkAccessManager &nam, const QUrl &base, const QString &email)
{
    const QString challenge = QString::fromLatin1(QCryptographicHash::hash(kVerifier.toLatin1(), QCryptographicHash::Sha256)
                                                      .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    const QString redirect = QStringLiteral("http://127.0.0.1:1/callback");
    const Reply page = request(nam, base.resolved(QUrl(QStringLiteral("/larkspire/account/register"))), "POST",
                               form({{QStringLiteral("client_id"), kClientId}, {QStringLiteral("redirect_uri"), redirect},
                                     {QStringLiteral("state"), QStringLiteral("s")}, {QStringLiteral("code_challenge"), challenge},
                                     {QStringLiteral("code_challenge_method"), QStringLiteral("S256")},
                                     {QStringLiteral("email"), email}, {QStringLiteral("password"), QStringLiteral("bench password")}}),
                               "application/x-www-form-urlencoded");
    const QString code = QUrlQuery(QUrl(QString::fromUtf8(page.location))).queryItemValue(QStringLiteral("code"));
    const Reply tokens = request(nam, base.resolved(QUrl(QStringLiteral("/auth/token"))), "POST",
                                 form({{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                                       {QStringLiteral("code"), code}, {QStringLiteral("code_verifier"), kVerifier},
                                       {QStringLiteral("redirect_uri"), redirect}, {QStringLiteral("client_id"), kClientId}}),
                                 "application/x-www-form-urlencoded");
    const QJsonObject answer = QJsonDocument::fromJson(tokens.body).object();
    return {answer.value(QStringLiteral("access_token")).toString(), answer.value(QStringLiteral("refresh_token")).toString()};
}

void removeStore(const QString &path)
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

ServerChild::~ServerChild()
{
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool ServerChild::start(const QString &dbPath, const QString &workDir, QString *why)
{
        removeStore(dbPath);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kServerChildVariable), dbPath);
        m_process.setProcessEnvironment(env);
        m_process.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("sync-server"), QStringLiteral("--dir=") + workDir});
        QByteArray banner;
        while (!(banner.contains("\nport ") && banner.endsWith('\n')) && m_process.waitForReadyRead(30000))
            banner += m_process.readAllStandardOutput();
        const int port = banner.mid(banner.indexOf("\nport ") + 6).trimmed().toInt();
        if (port <= 0) {
            *why = QString::fromUtf8(banner + m_process.readAllStandardError());
            return false;
        }
        base = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
        return true;
}

} // namespace BenchSync
