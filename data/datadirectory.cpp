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

namespace {

void quietMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData());
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        break;
    }
    std::fflush(stderr);
}

} // namespace

namespace Logging {

void installMessageFilter()
{
    if (qEnvironmentVariableIsEmpty("QUILLET_VERBOSE"))
        qInstallMessageHandler(quietMessageHandler);
}

} // namespace Logging
