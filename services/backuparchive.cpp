#include "services/backuparchive.h"

#include "services/backupformat.h"
#include "services/backupservice.h"

#include <QJsonDocument>

#include <exception>

namespace {

const QString kManifestPath = QStringLiteral("manifest.json");
const QString kJsonSuffix = QStringLiteral(".json");

// The manifest's version as the message shows it: 2, "two", or nothing.
QString versionText(const QJsonValue &version)
{
    if (version.isDouble())
        return QString::number(version.toDouble());
    if (version.isString())
        return version.toString();
    return QString();
}

QString tooLarge(const QString &path, qint64 size)
{
    return BackupService::tr("%1: entry too large (%2 bytes, at most %3 allowed)")
        .arg(path)
        .arg(size)
        .arg(BackupService::kMaxEntrySize);
}

} // namespace

bool BackupArchive::open(const QByteArray &bytes, QString *error)
{
    if (!m_reader.open(bytes)) {
        *error = BackupService::tr("Failed to open ZIP archive");
        return false;
    }
    // Sizes as the archive declares them, checked before anything is decompressed.
    if (m_reader.totalSize() > BackupService::kMaxTotalSize) {
        *error = BackupService::tr("Backup too large: its entries add up to %1 bytes, at most %2 allowed")
                     .arg(m_reader.totalSize())
                     .arg(BackupService::kMaxTotalSize);
        return false;
    }
    const QList<ArchiveReader::Entry> &entries = m_reader.entries();
    int manifest = -1;
    for (int i = 0; i < entries.size() && manifest < 0; ++i) {
        if (entries.at(i).path == kManifestPath)
            manifest = i;
    }
    if (manifest >= 0 && entries.at(manifest).size > BackupService::kMaxEntrySize) {
        *error = tooLarge(kManifestPath, entries.at(manifest).size);
        return false;
    }
    const QByteArray manifestBytes = manifest >= 0 ? m_reader.read(manifest) : QByteArray();
    if (manifestBytes.isEmpty()) {
        *error = BackupService::tr("Invalid backup: missing manifest.json");
        return false;
    }
    const QJsonValue version = QJsonDocument::fromJson(manifestBytes).object().value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != BackupFormat::kVersion) {
        *error = BackupService::tr("Unsupported backup version: %1").arg(versionText(version));
        return false;
    }
    return true;
}

QString BackupArchive::warning() const
{
    if (m_reader.isComplete())
        return QString();
    return BackupService::tr("The backup's table of contents is damaged: some entries could not be read");
}

void BackupArchive::forEachDocument(const QString &folder, QStringList *errors,
                                    const std::function<void(const Document &)> &visit)
{
    const QString prefix = folder + QLatin1Char('/');
    const QList<ArchiveReader::Entry> &entries = m_reader.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const ArchiveReader::Entry &entry = entries.at(i);
        if (!entry.path.startsWith(prefix) || !entry.path.endsWith(kJsonSuffix))
            continue;
        if (entry.size > BackupService::kMaxEntrySize) {
            errors->append(tooLarge(entry.path, entry.size));
            continue;
        }
        try {
            bool damaged = false;
            const QByteArray data = m_reader.read(i, &damaged);
            if (damaged) {
                errors->append(BackupService::tr("%1: damaged entry").arg(entry.path));
                continue;
            }
            const QJsonDocument document = QJsonDocument::fromJson(data);
            if (!document.isObject()) {
                errors->append(BackupService::tr("%1: invalid JSON").arg(entry.path));
                continue;
            }
            visit({entry.path, document.object()});
        } catch (const std::exception &) {
            errors->append(BackupService::tr("%1: unexpected error").arg(entry.path));
        }
    }
}
