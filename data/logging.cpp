#include "data/logging.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

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
