#include "services/backupservice.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"
#include "services/archivereader.h"
#include "services/backuprestorer.h"

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <private/qzipwriter_p.h>

#include <exception>

namespace {

struct BackupTable {
    const char *table;
    const char *folder;
    const char *countKey;
};

// Restore order: every table after the ones its rows refer to.
constexpr BackupTable kTables[] = {
    {"accounts", "accounts", "accountCount"},
    {"categories", "categories", "categoryCount"},
    {"transactions", "transactions", "transactionCount"},
    {"split_lines", "split_lines", "splitLineCount"},
    {"recurring_transactions", "recurring", "recurringCount"},
    {"reconciliations", "reconciliations", "reconciliationCount"},
};

constexpr int kFormatVersion = 1;
const QString kManifestPath = QStringLiteral("manifest.json");
const QString kJsonSuffix = QStringLiteral(".json");

QJsonValue jsonValue(const QVariant &value)
{
    if (value.isNull())
        return QJsonValue::Null;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return QJsonValue(value.toLongLong());
    case QMetaType::Double:
        return QJsonValue(value.toDouble());
    default:
        return QJsonValue(value.toString());
    }
}

// The manifest's version as the message shows it: 2, "two", or nothing.
QString versionText(const QJsonValue &version)
{
    if (version.isDouble())
        return QString::number(version.toDouble());
    if (version.isString())
        return version.toString();
    return QString();
}

BackupImportResult refused(const QString &error)
{
    BackupImportResult result;
    result.accepted = false;
    result.errors.append(error);
    return result;
}

QString tooLarge(const QString &path, qint64 size)
{
    return BackupService::tr("%1: entry too large (%2 bytes, at most %3 allowed)")
        .arg(path)
        .arg(size)
        .arg(BackupService::kMaxEntrySize);
}

} // namespace

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QByteArray BackupService::exportBackup(QJsonObject *manifestOut)
{
    const QSqlDatabase db = m_database->connection();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), kFormatVersion);
    manifest.insert(QStringLiteral("exportedAt"), SqlValue::timestamp(Clock::nowUtc()));

    // One read transaction: all six tables from the same moment, even while
    // another process writes to the store.
    DbTransaction snapshot(db, DbTransaction::Mode::Deferred);
    for (const BackupTable &table : kTables) {
        const QString folder = QString::fromLatin1(table.folder);
        int count = 0;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table.table)))) {
            qWarning().noquote() << "BackupService export query failed:" << q.lastError().text();
        } else {
            const QSqlRecord columns = q.record();
            while (q.next()) {
                QJsonObject row;
                for (int i = 0; i < columns.count(); ++i)
                    row.insert(columns.fieldName(i), jsonValue(q.value(i)));
                writer.addFile(QStringLiteral("%1/%2.json").arg(folder, row.value(QStringLiteral("id")).toString()),
                               QJsonDocument(row).toJson(QJsonDocument::Indented));
                ++count;
            }
        }
        manifest.insert(QLatin1String(table.countKey), count);
    }
    snapshot.commit();

    writer.addFile(kManifestPath, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    writer.close();
    if (manifestOut)
        *manifestOut = manifest;
    return buffer.data();
}

BackupImportResult BackupService::importBackup(const QByteArray &bytes, BackupMode mode)
{
    ArchiveReader archive;
    if (!archive.open(bytes))
        return refused(tr("Failed to open ZIP archive"));
    // Sizes as the archive declares them, checked before anything is decompressed.
    if (archive.totalSize() > kMaxTotalSize) {
        return refused(tr("Backup too large: its entries add up to %1 bytes, at most %2 allowed")
                           .arg(archive.totalSize())
                           .arg(kMaxTotalSize));
    }

    const QList<ArchiveReader::Entry> &entries = archive.entries();
    int manifestIndex = -1;
    for (int i = 0; i < entries.size() && manifestIndex < 0; ++i) {
        if (entries.at(i).path == kManifestPath)
            manifestIndex = i;
    }
    if (manifestIndex >= 0 && entries.at(manifestIndex).size > kMaxEntrySize)
        return refused(tooLarge(kManifestPath, entries.at(manifestIndex).size));
    const QByteArray manifestBytes = manifestIndex >= 0 ? archive.read(manifestIndex) : QByteArray();
    if (manifestBytes.isEmpty())
        return refused(tr("Invalid backup: missing manifest.json"));
    const QJsonValue version = QJsonDocument::fromJson(manifestBytes).object().value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != kFormatVersion)
        return refused(tr("Unsupported backup version: %1").arg(versionText(version)));

    BackupImportResult result;
    if (!archive.isComplete())
        result.errors.append(tr("The backup's table of contents is damaged: some entries could not be read"));

    const QSqlDatabase db = m_database->connection();
    DbTransaction transaction(db);
    if (!transaction.isActive())
        return refused(tr("The store could not be opened for writing"));
    BackupRestorer restorer(db, mode, &result);
    for (const BackupTable &table : kTables) {
        const QString prefix = QString::fromLatin1(table.folder) + QLatin1Char('/');
        restorer.beginTable(QString::fromLatin1(table.table));
        for (int i = 0; i < entries.size(); ++i) {
            const ArchiveReader::Entry &entry = entries.at(i);
            if (!entry.path.startsWith(prefix) || !entry.path.endsWith(kJsonSuffix))
                continue;
            if (entry.size > kMaxEntrySize) {
                result.errors.append(tooLarge(entry.path, entry.size));
                continue;
            }
            try {
                bool damaged = false;
                const QByteArray data = archive.read(i, &damaged);
                if (damaged) {
                    result.errors.append(tr("%1: damaged entry").arg(entry.path));
                    continue;
                }
                const QJsonDocument document = QJsonDocument::fromJson(data);
                if (!document.isObject()) {
                    result.errors.append(tr("%1: invalid JSON").arg(entry.path));
                    continue;
                }
                restorer.addRow(entry.path, document.object());
            } catch (const std::exception &) {
                result.errors.append(tr("%1: unexpected error").arg(entry.path));
            }
        }
        restorer.finishTable();
    }

    if (!transaction.commit())
        return refused(tr("The restored data could not be saved"));
    if (result.imported > 0)
        Q_EMIT restored();
    return result;
}

bool BackupService::readFile(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > ArchiveReader::kMaxArchiveBytes)
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool BackupService::writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
