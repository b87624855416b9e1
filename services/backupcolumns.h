#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QJsonValue;

// What a member of a backup's row document must look like to go into a column
// of the store. A backup is a file of unknown origin: every value is checked
// against its column before it is bound, so the store only ever holds what
// the app itself would write.
struct BackupColumn {
    enum class Kind {
        Integer,    // money, counts, versions: whole numbers within +/-2^53
        Flag,       // 0 or 1
        Text,       // at most kMaxTextLength characters
        Id,         // text without path separators or ".."
        Date,       // "yyyy-MM-dd"
        Timestamp,  // ISO 8601, or empty
    };

    static constexpr int kMaxTextLength = 4000;
    static constexpr qint64 kMaxInteger = qint64(1) << 53;

    QString name;
    Kind kind = Kind::Text;
    bool nullable = true;

    // The columns of table as the store reports them; empty when it cannot be read.
    static QList<BackupColumn> of(const QSqlDatabase &db, const QString &table);

    // The value to bind for value, or false when it does not fit the column.
    bool fit(const QJsonValue &value, QVariant *bound) const;

    // Whether text could name a row of ours: not empty, no path separators, no "..".
    static bool isPlainName(const QString &text);
};
