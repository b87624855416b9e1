#include "cloud/updateclient.h"

#include "cloud/httpcall.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

namespace LarkUpdate {

namespace {

constexpr int kTimeoutMs = 20000;
// Release notes are a page of text; anything much larger is not notes.
constexpr qsizetype kMaxNotesBytes = 256 * 1024;

bool isTextType(const QString &contentType)
{
    const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    return type.isEmpty() || type == QLatin1String("text/markdown") || type == QLatin1String("text/x-markdown")
           || type == QLatin1String("text/plain");
}

} // namespace

Client::Client(const Config &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl Client::manifestUrl() const
{
    QString base = m_config.manifestBaseUrl.toString();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return QUrl(base + QStringLiteral("latest.json"));
}

bool Client::check()
{
    if (m_checking)
        return false;
    m_checking = true;
    QNetworkRequest request(manifestUrl());
    request.setRawHeader("Accept", "application/json");
    LarkAccount::Http::send(m_network, request, "GET", {}, kTimeoutMs, this, [this](const LarkAccount::HttpResult &r) {
        if (r.status == 404) {
            finish();
            Q_EMIT upToDate();
        } else if (!r.ok) {
            finish();
            Q_EMIT checkFailed(r.errorText());
        } else {
            onManifest(r.data);
        }
    });
    return true;
}

void Client::onManifest(const QByteArray &data)
{
    Release release;
    bool hasArtifact = false;
    QString error;
    if (!parseManifest(data, m_config.platform, &release, &hasArtifact, &error)) {
        finish();
        Q_EMIT checkFailed(error);
        return;
    }
    // A downgrade is never offered, nor a release without a build for here.
    if (!(Version::parse(release.version) > Version::parse(m_config.currentVersion)) || !hasArtifact) {
        if (!hasArtifact)
            qInfo().noquote() << "update: version" << release.version << "has no" << m_config.platform << "build";
        finish();
        Q_EMIT upToDate();
        return;
    }
    if (release.notes.trimmed().isEmpty() && release.notesUrl.isValid()) {
        fetchNotes(release);
        return;
    }
    finish();
    Q_EMIT updateAvailable(release);
}

void Client::fetchNotes(Release release)
{
    QNetworkRequest request(release.notesUrl);
    request.setRawHeader("Accept", "text/markdown, text/plain");
    LarkAccount::Http::send(m_network, request, "GET", {}, kTimeoutMs, this,
                            [this, release](const LarkAccount::HttpResult &r) mutable {
                                // Without its notes the release is still offered,
                                // with the way to them on the web.
                                if (r.ok && isTextType(r.contentType) && r.data.size() <= kMaxNotesBytes)
                                    release.notes = QString::fromUtf8(r.data);
                                else
                                    qInfo().noquote() << "update: release notes not read from"
                                                      << release.notesUrl.toString() << r.errorText();
                                finish();
                                Q_EMIT updateAvailable(release);
                            });
}

void Client::finish()
{
    m_checking = false;
}

} // namespace LarkUpdate
