#include "services/safetycopies.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kDaily = QStringLiteral("daily");
// SQLite's result codes for a damaged file.
constexpr int kCorrupt = 11;
constexpr int kNotADatabase = 26;

// quillet-yyyy-MM-dd-HHmmss-<reason>.db, quillet-yyyy-MM-dd-HHmmss.N-<reason>.db
// for the Nth copy of one second, and quillet-yyyy-MM-dd-daily.db
const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^quillet-(\\d{4}-\\d{2}-\\d{2})(?:-(\\d{6})(?:\\.\\d+)?)?-([a-z0-9-]+)\\.db$"));
    return pattern;
}

QString dailyName()
{
    return QStringLiteral("quillet-%1-daily.db").arg(Clock::today().toString(QStringLiteral("yyyy-MM-dd")));
}

QString slug(const QString &reason)
{
    QString s = reason.toLower();
    s.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    s = s.mid(0, 40);
    while (s.startsWith(QLatin1Char('-')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char('-')))
        s.chop(1);
    return s.isEmpty() ? QStringLiteral("copy") : s;
}

} // namespace

SafetyCopies::SafetyCopies(Database *database)
    : m_database(database)
{
}

QString SafetyCopies::folder() const
{
    return QFileInfo(m_database->path()).absoluteDir().filePath(QStringLiteral("Backups"));
}

QString SafetyCopies::make(const QString &reason, QString *error, const QString &keep)
{
    const QDateTime now = Clock::nowUtc().toLocalTime();
    const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    // A second copy within the same second gets a name of its own rather than
    // taking the place of the first, which may be the only way back.
    QString name = QStringLiteral("quillet-%1-%2.db").arg(stamp, slug(reason));
    for (int n = 2; QFile::exists(QDir(folder()).filePath(name)); ++n)
        name = QStringLiteral("quillet-%1.%2-%3.db").arg(stamp).arg(n).arg(slug(reason));
    const QString path = write(name, error);
    if (!path.isEmpty())
        prune(keep);
    return path;
}

bool SafetyCopies::dailyDue() const
{
    return !QFile::exists(QDir(folder()).filePath(dailyName()));
}

QString SafetyCopies::makeDailyIfDue(QString *error)
{
    const QString name = dailyName();
    if (!dailyDue())
        return QString();
    const QString path = write(name, error);
    if (!path.isEmpty())
        prune();
    return path;
}

QList<SafetyCopies::Copy> SafetyCopies::list() const
{
    QList<Copy> copies;
    const QFileInfoList files = QDir(folder()).entryInfoList({QStringLiteral("quillet-*.db")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch m = namePattern().match(file.fileName());
        if (!m.hasMatch())
            continue;
        Copy copy;
        copy.name = file.fileName();
        copy.path = file.absoluteFilePath();
        copy.reason = m.captured(3);
        copy.daily = m.captured(2).isEmpty() && copy.reason == kDaily;
        const QDate date = QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd"));
        const QTime time = m.captured(2).isEmpty() ? QTime(0, 0) : QTime::fromString(m.captured(2), QStringLiteral("HHmmss"));
        copy.created = QDateTime(date, time.isValid() ? time : QTime(0, 0));
        copy.size = file.size();
        copies.append(copy);
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) {
        return a.created != b.created ? a.created > b.created : a.name > b.name;
    });
    return copies;
}

QString SafetyCopies::write(const QString &fileName, QString *error)
{
    auto fail = [error](const QString &text) {
        qWarning().noquote() << "SafetyCopies:" << text;
        if (error)
            *error = text;
        return QString();
    };
    const QSqlDatabase db = m_database->connection();
    // VACUUM INTO reads one consistent snapshot; it cannot run inside a
    // transaction, and a copy taken half-way through our own write would not
    // be a way back anyway.
    if (DbTransaction::inTransaction(db))
        return fail(QStringLiteral("cannot copy the store while a write is open"));
    if (!QDir().mkpath(folder()))
        return fail(QStringLiteral("cannot create %1").arg(folder()));
    const QString path = QDir(folder()).filePath(fileName);
    // One per process: two programs copying at once must not share it.
    const QString partial = path + QStringLiteral(".part%1").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(partial);
    if (!q.exec()) {
        const QSqlError failure = q.lastError();
        QFile::remove(partial);
        // A damaged store cannot be read through, but it must not be lost
        // either when a copy replaces it: its file as it stands is kept.
        const int code = failure.nativeErrorCode().toInt() & 0xff;
        if ((code != kCorrupt && code != kNotADatabase) || !copyFile(partial))
            return fail(QStringLiteral("cannot copy the store: %1").arg(failure.text()));
    }
    // Only a complete copy takes the name; a crash leaves at most a ".part".
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot name the copy %1").arg(path));
    }
    return path;
}

bool SafetyCopies::copyFile(const QString &to)
{
    // Everything in the write-ahead log goes into the file first; a reader
    // holding on to part of it leaves the file short of it.
    QSqlQuery checkpoint(m_database->connection());
    if (!checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) || !checkpoint.next() ||
        checkpoint.value(0).toInt() != 0)
        return false;
    checkpoint.finish();
    if (QFile::copy(m_database->path(), to))
        return true;
    QFile::remove(to);
    return false;
}

void SafetyCopies::prune(const QString &keep)
{
    int safety = 0;
    int daily = 0;
    const QList<Copy> copies = list();
    for (const Copy &copy : copies) {
        const bool kept = copy.daily ? ++daily <= kKeepDaily : ++safety <= kKeepSafety;
        if (!kept && copy.name != keep && !QFile::remove(copy.path))
            qWarning().noquote() << "SafetyCopies: cannot remove" << copy.path;
    }
}
