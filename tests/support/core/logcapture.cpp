#include "support/core/logcapture.h"

#include <QtGlobal>

namespace {
QStringList g_messages;
QtMessageHandler g_previous = nullptr;
bool g_withInfo = false;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && (type != QtInfoMsg || g_withInfo))
        g_messages.append(message);
    if (g_previous && type != QtDebugMsg && type != QtInfoMsg)
        g_previous(type, context, message);
}
} // namespace

LogCapture::LogCapture(bool withInfo)
{
    g_messages.clear();
    g_withInfo = withInfo;
    g_previous = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}

QStringList LogCapture::messages() const
{
    return g_messages;
}

bool LogCapture::contains(const QString &fragment) const
{
    for (const QString &m : g_messages) {
        if (m.contains(fragment))
            return true;
    }
    return false;
}
