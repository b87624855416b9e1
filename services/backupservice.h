#pragma once

#include "services/safetycopies.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

class Database;

// What existing rows with the same id become when a backup is restored.
enum class BackupMode {
    Replace,  // overwritten with the backup's values
    KeepNewer,  // overwritten only when the backup's updated_at is later (or missing)
    Skip,  // left as they are
    Exact,  // the store becomes the backup: rows it does not hold go
};

struct BackupImportResult {
    int imported = 0;
    int skipped = 0;
    QStringList errors;
    // False when the archive was refused as a whole (not a backup, unsupported,
    // too large) or the restore could not be saved: nothing was written.
    bool accepted = true;
    // The copy of the store as it was before, kept in the safety copies' folder.
    QString safetyCopy;
};

// Writes the whole store into one portable ZIP of JSON documents, one per row,
// and restores such a file into the store. Every restore first keeps a safety
// copy of the store as it was.
class BackupService : public QObject {
    Q_OBJECT
public:
    // Decompressed limits that keep a small hostile archive from expanding
    // into gigabytes of memory.
    static constexpr qint64 kMaxEntrySize = qint64(64) * 1024 * 1024;
    static constexpr qint64 kMaxTotalSize = qint64(4) * 1024 * 1024 * 1024;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // The archive's bytes; manifest, when given, receives the manifest written.
    // Empty, with error set, when the store is damaged or cannot be read
    // whole: a backup of what is left would pass for a good one.
    QByteArray exportBackup(QJsonObject *manifest = nullptr, QString *error = nullptr);

    // SQLite's quick check of the store file. False, with the first findings
    // in problem, when the file is damaged.
    bool checkIntegrity(QString *problem);

    // Restores every row of the archive in one database transaction, after a
    // safety copy. A row that cannot be written is skipped on its own; a store
    // that refuses every write (locked, full) fails the whole restore.
    BackupImportResult importBackup(const QByteArray &bytes, BackupMode mode);

    // Replaces the store with the safety copy named name (one of
    // safetyCopies()->list()), after one more safety copy, whose path goes to
    // safetyCopy. False, with error set, when nothing was changed.
    bool restoreCopy(const QString &name, QString *safetyCopy, QString *error);

    SafetyCopies *safetyCopies() { return &m_safetyCopies; }

    // The file as one piece; false when it cannot be opened or read.
    static bool readFile(const QString &path, QByteArray *bytes);
    // Replaces path with bytes in one piece; false when it cannot be written,
    // and then the file that was there is left as it was.
    static bool writeFile(const QString &path, const QByteArray &bytes);

Q_SIGNALS:
    // Rows were restored behind every repository's back: reload everything.
    void restored();

private:
    Database *m_database;
    SafetyCopies m_safetyCopies;
};
