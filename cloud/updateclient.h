#pragma once

#include "cloud/updaterelease.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace LarkUpdate {

// Where the releases are and what is running.
struct Config {
    QString product;          // "quillet"
    QString channel;          // "stable"
    QUrl manifestBaseUrl;     // the folder that holds "latest.json"
    QString currentVersion;   // the running version
    QString platform = platformKey();
};

// Asks the release server whether a newer version than the running one is
// out for this platform. Each check ends in exactly one signal: updateAvailable
// with the release, upToDate (no manifest, nothing newer, nothing for this
// platform), or checkFailed with the reason.
class Client : public QObject
{
    Q_OBJECT
public:
    explicit Client(const Config &config, QObject *parent = nullptr);

    const Config &config() const { return m_config; }
    QUrl manifestUrl() const;
    bool isChecking() const { return m_checking; }

    // Starts a check; false (and nothing happens) while one is running.
    bool check();

Q_SIGNALS:
    void updateAvailable(const LarkUpdate::Release &release);
    void upToDate();
    void checkFailed(const QString &error);

private:
    void onManifest(const QByteArray &data);
    void fetchNotes(Release release);
    void finish();

    Config m_config;
    QNetworkAccessManager *m_network;
    bool m_checking = false;
};

} // namespace LarkUpdate
