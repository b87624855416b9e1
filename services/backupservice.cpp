#include "services/backupservice.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"
#include "services/archivereader.h"
#include "services/backuparchive.h"
#include "services/backupformat.h"
#include "services/backuprestorer.h"

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <private/qzipwriter_p.h>

namespace {

const QString kManifestPath = QStringLiteral("manifest.json");
// How many of quick_check's findings a message names.
constexpr int kFindingsShown = 3;

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

BackupImportResult refused(const QString &error)
{
    BackupImportResult result;
    result.accepted = false;
    result.errors.append(error);
    return result;
}

// Why nothing was restored, in SQLite's own words.
QString notRestored(const QString &reason)
{
    if (reason.contains(QLatin1String("locked")) || reason.contains(QLatin1String("busy")))
        return BackupService::tr("Nothing was restored: another program is writing to the store (database is "
                                 "locked). Try again when it has finished.");
    return BackupService::tr("Nothing was restored: the store could not be written (%1).").arg(reason);
}

QString unreadable(const QString &table, const QSqlError &error)
{
    return BackupService::tr("The store could not be read whole (%1: %2). No backup was written.")
        .arg(table, error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

} // namespace

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_safetyCopies(database)
{
}

bool BackupService::checkIntegrity(QString *problem)
{
    QSqlQuery q(m_database->connection());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
        *problem = q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText();
        return false;
    }
    QStringList findings;
    while (q.next() && findings.size() < kFindingsShown)
        findings.append(q.value(0).toString());
    if (q.lastError().isValid())
        findings.append(q.lastError().databaseText());
    if (findings == QStringList{QStringLiteral("ok")})
        return true;
    *problem = findings.join(QStringLiteral("; "));
    if (problem->isEmpty())
        *problem = tr("the check gave no answer");
    return false;
}

QByteArray BackupService::exportBackup(QJsonObject *manifestOut, QString *error)
{
    QString problem;
    if (!checkIntegrity(&problem)) {
        if (error)
            *error = tr("The store is damaged (%1). No backup was written.").arg(problem);
        return QByteArray();
    }

    const QSqlDatabase db = m_database->connection();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), BackupFormat::kVersion);
    manifest.insert(QStringLiteral("exportedAt"), SqlValue::timestamp(Clock::nowUtc()));

    // One read transaction: all six tables from the same moment, even while
    // another process writes to the store.
    DbTransaction snapshot(db, DbTransaction::Mode::Deferred);
    for (const BackupFormat::Table &table : BackupFormat::kTables) {
        const QString folder = QString::fromLatin1(table.folder);
        int count = 0;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table.table)))) {
            qWarning().noquote() << "BackupService export query failed:" << q.lastError().text();
            if (error)
                *error = unreadable(QLatin1String(table.table), q.lastError());
            return QByteArray();
        }
        const QSqlRecord columns = q.record();
        while (q.next()) {
            QJsonObject row;
            for (int i = 0; i < columns.count(); ++i)
                row.insert(columns.fieldName(i), jsonValue(q.value(i)));
            writer.addFile(QStringLiteral("%1/%2.json").arg(folder, row.value(QStringLiteral("id")).toString()),
                           QJsonDocument(row).toJson(QJsonDocument::Indented));
            ++count;
        }
        // A read that ends early (a damaged page) is no end of the table.
        if (q.lastError().isValid()) {
            qWarning().noquote() << "BackupService export query failed:" << q.lastError().text();
            if (error)
                *error = unreadable(QLatin1String(table.table), q.lastError());
            return QByteArray();
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
    BackupArchive archive;
    QString error;
    if (!archive.open(bytes, &error))
        return refused(error);
    BackupImportResult result;
    if (!archive.warning().isEmpty())
        result.errors.append(archive.warning());

    // The way back, taken before anything is written.
    result.safetyCopy = m_safetyCopies.make(
        mode == BackupMode::Exact ? QStringLiteral("before-exact-restore") : QStringLiteral("before-restore"), &error);
    if (result.safetyCopy.isEmpty())
        return refused(tr("Nothing was restored: a safety copy of the store could not be made (%1).").arg(error));

    const QSqlDatabase db = m_database->connection();
    DbTransaction transaction(db);
    if (!transaction.isActive())
        return refused(notRestored(transaction.error()));
    BackupRestorer restorer(db, mode, &result);
    if (!restorer.restore(archive))
        return refused(notRestored(restorer.failure()));
    if (!transaction.commit())
        return refused(notRestored(transaction.error()));
    if (result.imported > 0 || mode == BackupMode::Exact)
        Q_EMIT restored();
    return result;
}

bool BackupService::restoreCopy(const QString &name, QString *safetyCopy, QString *error)
{
    if (!m_safetyCopies.restore(name, safetyCopy, error))
        return false;
    Q_EMIT restored();
    return true;
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
    // Written beside the file and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
