#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads the entries of a ZIP archive held in memory, one at a time, and
// decompresses each with the toolkit's ZIP reader.
//
// The toolkit's reader alone does not do for a backup: it takes the entry count
// from the 16-bit field of the end record, which wraps for archives of more than
// 65,535 entries (the toolkit's writer stores it that way), it knows nothing of
// the ZIP64 records other writers put there instead, and it finds an entry by
// comparing names from the first entry on, so reading every entry of a large
// archive takes quadratic time. Here the central directory is walked record by
// record up to its end (the ZIP64 end record where there is one), and each
// entry is handed to a reader that sees a central directory holding that entry
// alone.
class ArchiveReader {
public:
    struct Entry {
        QString path;
        qint64 size = 0;  // uncompressed, as the archive declares it
        quint32 crc = 0;
    };

    // The toolkit's reader addresses archives with 32-bit signed offsets.
    static constexpr qint64 kMaxArchiveBytes = 0x7fffffff;

    // False when bytes is not a ZIP archive this can read.
    bool open(const QByteArray &bytes);

    // False when the central directory ended before the end record: entries
    // after the damage are missing from entries().
    bool isComplete() const { return m_complete; }

    // Files only; directory entries are left out.
    const QList<Entry> &entries() const { return m_entries; }
    qint64 totalSize() const { return m_totalSize; }

    // The uncompressed bytes of entries().at(index); empty when they cannot be
    // read. The toolkit's reader checks no CRC-32 (and hands back a buffer of
    // undefined bytes when inflating fails): this checks size and CRC-32 and
    // sets damaged (when given) instead of returning altered bytes.
    QByteArray read(int index, bool *damaged = nullptr);

    // The CRC-32 of ZIP archives.
    static quint32 crc32(const QByteArray &data);

private:
    // Where an entry's central record lies, and its sizes and local header
    // offset, taken from the ZIP64 extra field where the record defers to it.
    struct Record {
        qsizetype offset = 0;
        qsizetype length = 0;
        qint64 localOffset = 0;
        qint64 compressedSize = 0;
        qint64 size = 0;
    };

    // The archive followed by scratch room for one central record and an end record.
    QByteArray m_view;
    qsizetype m_archiveSize = 0;
    QList<Entry> m_entries;
    QList<Record> m_records;
    qint64 m_totalSize = 0;
    bool m_complete = true;
};
