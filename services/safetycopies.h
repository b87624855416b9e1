#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class Database;

// Consistent copies of the store file kept in a "Backups" folder beside it:
// one before every import and every restore (a way back from a bad one), and
// one a day. Only the newest ten safety copies and seven daily copies stay.
// Any of them can be put back in place of the store while it is open.
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
    // transaction; of a damaged store, which cannot be read through, its file
    // as it stands) and prunes old ones, except the copy named keep. reason is
    // a short slug such as "before-import". The new copy's path, or empty
    // with error set.
    QString make(const QString &reason, QString *error = nullptr, const QString &keep = QString());

    // Whether today has no daily copy yet.
    bool dailyDue() const;
    // The day's copy, when today has none yet. Empty path and no error when
    // there was nothing to do.
    QString makeDailyIfDue(QString *error = nullptr);

    // Replaces the store's content with the copy named name, in place: the
    // open connection stays and sees the copy's rows. First checks the copy
    // and keeps one more safety copy of the store (its path to safetyCopy).
    // False, with error set, when it failed; the store is then left as it was,
    // unless error says the copy went in but could not be brought up to date.
    bool restore(const QString &name, QString *safetyCopy, QString *error);

    // Every copy, newest first.
    QList<Copy> list() const;

private:
    QString write(const QString &fileName, QString *error);
    // The store's file as it stands, copied to `to`.
    bool copyFile(const QString &to);
    void prune(const QString &keep = QString());

    Database *m_database;
};
