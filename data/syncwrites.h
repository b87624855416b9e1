#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The few writes and reads the sync engine needs beside the repositories'
// own: they work on any of the five synchronised tables by name.
namespace SyncWrites {

// server id -> local id for every row of table that has a server id.
QHash<QString, QString> serverIds(const QSqlDatabase &db, const QString &table);

// Fills *found with those of ids that are the id of a row of table; false
// when the table could not be read.
bool existingIds(const QSqlDatabase &db, const QString &table, const QStringList &ids, QSet<QString> *found);

// Makes a row's creation time and deletion mark those of the service's
// record without marking it pending (an invalid deletedAt makes it live).
bool setStamps(const QSqlDatabase &db, const QString &table, const QString &id, const QDateTime &createdAt,
               const QDateTime &deletedAt);

// (deleted side, live side) of every transfer split in two while both
// accounts are live: two devices changed the pair at once.
QList<QPair<QString, QString>> splitTransfers(const QSqlDatabase &db);

// Moves whenever anything is written to the store, on this connection or by
// another program: two equal readings mean nothing was written in between.
struct WriteMark {
    qint64 ownChanges = -1;
    qint64 dataVersion = -1;
    bool operator==(const WriteMark &o) const { return ownChanges == o.ownChanges && dataVersion == o.dataVersion; }
};
WriteMark writeMark(const QSqlDatabase &db);

} // namespace SyncWrites
