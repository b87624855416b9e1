#include "services/archivereader.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

namespace {
// Larger entries are refused by the restore before they are read.
constexpr qint64 kLargestRead = 1024 * 1024;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The toolkit's reader warns about every damaged stream it inflates.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

// Whatever the bytes, the reader returns, never reads outside them, and hands
// back an entry only as the directory declares it: the declared size and
// CRC-32, or nothing with the entry marked damaged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    ArchiveReader archive;
    if (!archive.open(bytes))
        return 0;
    qint64 total = 0;
    for (int i = 0; i < archive.entries().size(); ++i) {
        const ArchiveReader::Entry &entry = archive.entries().at(i);
        if (entry.size < 0)
            __builtin_trap();
        total += entry.size;
        if (entry.size > kLargestRead)
            continue;
        bool damaged = false;
        const QByteArray content = archive.read(i, &damaged);
        if (damaged ? !content.isEmpty()
                    : content.size() != entry.size || ArchiveReader::crc32(content) != entry.crc)
            __builtin_trap();
    }
    if (total != archive.totalSize())
        __builtin_trap();
    return 0;
}
