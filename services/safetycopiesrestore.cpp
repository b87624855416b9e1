#include "services/safetycopies.h"

#include "data/database.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace {

// As long as the store's own connection waits for another writer.
constexpr int kBusyTimeoutMs = 5000;

// An SQLite connection of its own, closed when it goes out of scope.
struct Connection {
    sqlite3 *db = nullptr;
    Connection() = default;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { sqlite3_close(db); }
    bool open(const QString &path, int flags) { return sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) == SQLITE_OK; }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(db)); }
};

// The first finding of SQLite's quick check: "ok" for a sound file.
QString quickCheck(const Connection &c)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(c.db, "PRAGMA quick_check", -1, &statement, nullptr) != SQLITE_OK)
        return c.error();
    const QString finding = sqlite3_step(statement) == SQLITE_ROW
        ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)))
        : c.error();
    sqlite3_finalize(statement);
    return finding;
}

} // namespace

bool SafetyCopies::restore(const QString &name, QString *safetyCopy, QString *error)
{
    auto fail = [error](const QString &text) {
        *error = text;
        return false;
    };
    QString path;
    for (const Copy &copy : list()) {
        if (copy.name == name)
            path = copy.path;
    }
    if (path.isEmpty())
        return fail(QCoreApplication::translate("SafetyCopies", "There is no safety copy named %1.").arg(name));

    // The copy must be whole before it replaces anything.
    Connection source;
    if (!source.open(path, SQLITE_OPEN_READONLY))
        return fail(QCoreApplication::translate("SafetyCopies", "The copy %1 cannot be opened (%2).").arg(name, source.error()));
    const QString finding = quickCheck(source);
    if (finding != QLatin1String("ok"))
        return fail(QCoreApplication::translate("SafetyCopies", "The copy %1 is damaged (%2).").arg(name, finding));

    QString reason;
    const QString before = make(QStringLiteral("before-copy-restore"), &reason, name);
    if (before.isEmpty()) {
        return fail(QCoreApplication::translate("SafetyCopies", "A safety copy of the store could not be made (%1).")
                        .arg(reason));
    }

    // Written through a connection of its own, so that the store's connection
    // sees another connection's commit: its schema and every cache it keeps
    // are read again, as after any other program's write.
    Connection target;
    if (!target.open(m_database->path(), SQLITE_OPEN_READWRITE))
        return fail(QCoreApplication::translate("SafetyCopies", "The store cannot be opened (%1).").arg(target.error()));
    sqlite3_busy_timeout(target.db, kBusyTimeoutMs);
    sqlite3_backup *backup = sqlite3_backup_init(target.db, "main", source.db, "main");
    if (!backup)
        return fail(QCoreApplication::translate("SafetyCopies", "The store cannot be written (%1).").arg(target.error()));
    // One step: the whole copy goes in as one transaction, or nothing does.
    const int step = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE) {
        const QString text = QString::fromUtf8(sqlite3_errstr(step));
        if (step == SQLITE_BUSY || step == SQLITE_LOCKED) {
            return fail(QCoreApplication::translate("SafetyCopies", "Another program is writing to the store (%1). "
                                                                    "Try again when it has finished.")
                            .arg(text));
        }
        return fail(QCoreApplication::translate("SafetyCopies", "The copy could not be written into the store (%1).")
                        .arg(text));
    }
    *safetyCopy = before;
    // A copy taken before the app was updated has an older schema.
    if (!m_database->runMigrations())
        return fail(QCoreApplication::translate("SafetyCopies", "The copy was restored but could not be brought up to date."));
    return true;
}
