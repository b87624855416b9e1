#include "cloud/updaterelease.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSysInfo>

namespace LarkUpdate {

namespace {

const QRegularExpression &versionPattern()
{
    // Up to nine digits a field keeps every field within an int.
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})\\.(\\d{1,9})\\.(\\d{1,9})$"));
    return pattern;
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

Version Version::parse(const QString &text)
{
    const QRegularExpressionMatch match = versionPattern().match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

bool Version::isWellFormed(const QString &text)
{
    return versionPattern().match(text.trimmed()).hasMatch();
}

QString Version::toString() const
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

QString platformKey()
{
#if defined(Q_OS_WIN)
    const QString os = QStringLiteral("windows");
#elif defined(Q_OS_MACOS)
    const QString os = QStringLiteral("macos");
#else
    const QString os = QStringLiteral("linux");
#endif
    const QString cpu = QSysInfo::currentCpuArchitecture();
    return os + QLatin1Char('-') + (cpu == QLatin1String("x86_64") ? QStringLiteral("x64") : cpu);
}

bool isTrustedUrl(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host().toLower();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

bool parseManifest(const QByteArray &json, const QString &platform, Release *release, bool *hasArtifact, QString *error)
{
    *hasArtifact = false;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        return fail(error, QStringLiteral("the manifest is not a JSON object"));
    const QJsonObject manifest = doc.object();
    const QString version = manifest.value(QStringLiteral("version")).toString();
    if (!Version::isWellFormed(version))
        return fail(error, QStringLiteral("the manifest's version \"%1\" is not major.minor.patch").arg(version));

    Release r;
    r.version = version.trimmed();
    r.date = manifest.value(QStringLiteral("date")).toString();
    r.notes = manifest.value(QStringLiteral("notes")).toString();
    const QUrl notesUrl(manifest.value(QStringLiteral("notes_url")).toString());
    if (isTrustedUrl(notesUrl))
        r.notesUrl = notesUrl;

    const QJsonValue artifacts = manifest.value(QStringLiteral("artifacts"));
    if (!artifacts.isObject())
        return fail(error, QStringLiteral("the manifest has no \"artifacts\" object"));
    const QJsonValue entry = artifacts.toObject().value(platform);
    if (entry.isUndefined()) {
        *release = r;
        return true;
    }
    const QJsonObject artifact = entry.toObject();
    r.platform = platform;
    r.url = QUrl(artifact.value(QStringLiteral("url")).toString(), QUrl::StrictMode);
    if (!isTrustedUrl(r.url))
        return fail(error, QStringLiteral("the %1 artifact's url is not https").arg(platform));
    const QJsonValue size = artifact.value(QStringLiteral("size"));
    const double bytes = size.toDouble();
    if (!size.isDouble() || bytes < 1 || bytes > 9.0e15 || bytes != double(qint64(bytes)))
        return fail(error, QStringLiteral("the %1 artifact's size is not a positive whole number").arg(platform));
    r.size = qint64(bytes);
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    r.sha256 = artifact.value(QStringLiteral("sha256")).toString();
    if (!hex.match(r.sha256).hasMatch())
        return fail(error, QStringLiteral("the %1 artifact's sha256 is not 64 hexadecimal digits").arg(platform));
    r.sha256 = r.sha256.toLower();
    *release = r;
    *hasArtifact = true;
    return true;
}

} // namespace LarkUpdate
