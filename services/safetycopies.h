#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class Database;

// Consistent copies of the store file kept in a "Backups" folder beside it:
// one before every import and every restore (a way back from a bad one), and
// one a day. Only the newest ten safety copies and seven daily copies stay.
class SafetyCopies
{
public:
    static constexpr int kKeepSafety = 10;
    static constexpr int kKeepDaily = 7;

    struct Copy {
        QString name;      // file name, e.g. "quillet-2026-12-08-213015-before-import.db"
        QString path;
        QDateTime created;  // local time, from the name
        QString reason;    // "before-import", "daily", ...
        qint64 size = 0;
        bool daily = false;
    };

    explicit SafetyCopies(Database *database);

    // The folder the copies live in ("Backups" beside the store file).
    QString folder() const;

    // Writes a consistent copy of the store now (never inside an open write
    // transaction) and prunes old ones. reason is a short slug such as
    // "before-import". The new copy's path, or empty with error set.
    QString make(const QString &reason, QString *error = nullptr);

    // The day's copy, when today has none yet. Empty path and no error when
    // there was nothing to do.
    QString makeDailyIfDue(QString *error = nullptr);

    // Every copy, newest first.
    QList<Copy> list() const;

private:
    QString write(const QString &fileName, QString *error);
    void prune();

    Database *m_database;
};
