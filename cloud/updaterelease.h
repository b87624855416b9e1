#pragma once

#include <QMetaType>
#include <QString>
#include <QUrl>

namespace LarkUpdate {

// A dotted major.minor.patch version. Text that is empty or not of that form
// reads as 0.0.0, so it never counts as newer than anything.
struct Version {
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString &text);
    // Whether text is of the dotted form at all.
    static bool isWellFormed(const QString &text);
    QString toString() const;

    friend bool operator<(const Version &a, const Version &b)
    {
        if (a.major != b.major)
            return a.major < b.major;
        if (a.minor != b.minor)
            return a.minor < b.minor;
        return a.patch < b.patch;
    }
    friend bool operator>(const Version &a, const Version &b) { return b < a; }
    friend bool operator==(const Version &a, const Version &b) { return !(a < b) && !(b < a); }
};

// What a manifest offers for this platform.
struct Release {
    QString version;
    QString date;      // "yyyy-MM-dd", or empty
    QString notes;     // Markdown, possibly empty
    QUrl notesUrl;     // the release notes on the web, or empty
    QString platform;  // the artifact's key, "windows-x64", "linux-x64", ...
    QUrl url;          // the artifact to download
    qint64 size = 0;   // bytes
    QString sha256;    // 64 lowercase hex digits
};

// The artifact key of the running platform: "windows-x64" on 64-bit
// Windows, "linux-x64" on 64-bit Linux.
QString platformKey();

// An address we are willing to send the user to or fetch from: https, or
// http to this machine (a test server).
bool isTrustedUrl(const QUrl &url);

// Reads a "latest.json" manifest (see docs/update-manifest.md) and picks the
// artifact for platform. False with error when the manifest is malformed or
// its artifact for the platform is unsafe; true with hasArtifact false when
// the manifest is sound but offers nothing for the platform.
bool parseManifest(const QByteArray &json, const QString &platform, Release *release, bool *hasArtifact,
                   QString *error);

} // namespace LarkUpdate

Q_DECLARE_METATYPE(LarkUpdate::Release)
