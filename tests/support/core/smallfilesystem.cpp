#include "support/core/smallfilesystem.h"

#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#include <unistd.h>

namespace {

const QString kFiller = QStringLiteral(".filler");

bool run(const QString &program, const QStringList &args, QString *error)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("%1 %2: %3")
                     .arg(program, args.join(QLatin1Char(' ')),
                          QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

} // namespace

SmallFileSystem::SmallFileSystem(int megabytes)
{
#ifdef Q_OS_LINUX
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return;
    }
    m_mounted = run(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=%1m").arg(megabytes), QStringLiteral("tmpfs"), m_dir.path()},
                    &m_reason);
#else
    Q_UNUSED(megabytes);
    m_reason = QStringLiteral("a small tmpfs is only mounted on Linux");
#endif
}

SmallFileSystem::~SmallFileSystem()
{
    if (!m_mounted)
        return;
    QString error;
    if (!run(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()}, &error))
        qWarning().noquote() << "SmallFileSystem:" << error;
}

bool SmallFileSystem::fill(qint64 spareBytes)
{
    if (!m_mounted)
        return false;
    QFile filler(m_dir.filePath(kFiller));
    if (!filler.open(QIODevice::Append))
        return false;
    const QByteArray block(64 * 1024, '\0');
    QStorageInfo info(m_dir.path());
    while (true) {
        info.refresh();
        const qint64 left = info.bytesAvailable() - spareBytes;
        if (left <= 0)
            break;
        const qint64 chunk = qMin<qint64>(left, block.size());
        if (filler.write(block.constData(), chunk) != chunk || !filler.flush())
            break;
    }
    return true;
}

void SmallFileSystem::drain()
{
    QFile::remove(m_dir.filePath(kFiller));
}
