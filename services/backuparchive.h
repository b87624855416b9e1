#pragma once

#include "services/archivereader.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A backup file opened for restoring: a ZIP archive whose manifest says it is
// a backup of the one format version there is, read one folder at a time.
class BackupArchive
{
public:
    struct Document {
        QString path;  // the entry's path, for messages
        QJsonObject row;
    };

    // False, with error set, when bytes are not a backup that can be restored;
    // nothing else of the archive is read then.
    bool open(const QByteArray &bytes, QString *error);

    // Set when some entries cannot be found because the archive's table of
    // contents is damaged; the others can still be restored.
    QString warning() const;

    // Hands every row document under folder/ (each "folder/NAME.json") to
    // visit, in archive order, one at a time. An entry that cannot be read, or
    // holds no JSON object, is reported in errors by its path and left out.
    void forEachDocument(const QString &folder, QStringList *errors,
                         const std::function<void(const Document &)> &visit);

private:
    ArchiveReader m_reader;
};
