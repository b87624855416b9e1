#include "data/datadirectory.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace DataDirectory {

QString path()
{
    const QByteArray env = qgetenv("QUILLET_DATA_DIR");
    if (!env.isEmpty()) {
        const QString dir = QString::fromUtf8(env);
        QDir().mkpath(dir);
        return dir;
    }
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Larkspire/Quillet");
    if (!QDir(dir).exists())
        QDir().mkpath(dir);
    return dir;
}

QString databasePath()
{
    return path() + QStringLiteral("/quillet.db");
}

} // namespace DataDirectory
