#include "services/archivereader.h"

#include <QBuffer>
#include <QtEndian>

#include <private/qzipreader_p.h>

#include <array>
#include <cstring>
#include <new>

namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kZip64EndSignature = 0x06064b50;
constexpr quint32 kZip64LocatorSignature = 0x07064b50;
constexpr qsizetype kZip64EndSize = 56;
constexpr qsizetype kZip64LocatorSize = 20;
constexpr quint16 kZip64ExtraId = 0x0001;
// A 32-bit field at its maximum defers to the ZIP64 records.
constexpr quint32 kDeferred = 0xffffffff;
// Declared sizes beyond this are lies however they are counted; kept below it
// so that adding them up cannot overflow.
constexpr qint64 kMaxDeclaredSize = qint64(1) << 40;
constexpr qsizetype kLocalHeaderSize = 30;
constexpr qsizetype kCentralHeaderSize = 46;
constexpr qsizetype kEndRecordSize = 22;
// The end record may be followed by a comment of up to 65,535 bytes.
constexpr qsizetype kMaxCommentSize = 0xffff;
constexpr quint16 kUtf8NamesFlag = 0x0800;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;

constexpr std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> kCrcTable = makeCrcTable();

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint64 u64(const char *p)
{
    return qFromLittleEndian<quint64>(p);
}

qint64 declared(quint64 value)
{
    return qint64(std::min<quint64>(value, kMaxDeclaredSize));
}

// Reads the values a central record defers to its ZIP64 extra field: those of
// the uncompressed size, the compressed size and the local header offset that
// are at their maximum, in that order. False when the field is missing or short.
bool readZip64Extra(const char *extra, qsizetype length, quint64 *size, quint64 *compressed, quint64 *offset)
{
    for (qsizetype pos = 0; pos + 4 <= length;) {
        const quint16 id = u16(extra + pos);
        const qsizetype fieldLength = u16(extra + pos + 2);
        if (pos + 4 + fieldLength > length)
            return false;
        if (id == kZip64ExtraId) {
            const char *p = extra + pos + 4;
            const char *const fieldEnd = p + fieldLength;
            for (quint64 *value : {size, compressed, offset}) {
                if (*value != kDeferred)
                    continue;
                if (p + 8 > fieldEnd)
                    return false;
                *value = u64(p);
                p += 8;
            }
            return true;
        }
        pos += 4 + fieldLength;
    }
    return false;
}

} // namespace

bool ArchiveReader::open(const QByteArray &bytes)
{
    m_view.clear();
    m_entries.clear();
    m_records.clear();
    m_totalSize = 0;
    m_complete = true;
    m_archiveSize = bytes.size();

    if (m_archiveSize < kLocalHeaderSize + kEndRecordSize || m_archiveSize > kMaxArchiveBytes)
        return false;
    const char *data = bytes.constData();
    if (u32(data) != kLocalSignature)
        return false;

    qsizetype end = -1;
    for (qsizetype back = 0; back <= kMaxCommentSize; ++back) {
        const qsizetype pos = m_archiveSize - kEndRecordSize - back;
        if (pos < 0)
            break;
        if (u32(data + pos) == kEndSignature) {
            end = pos;
            break;
        }
    }
    if (end < 0)
        return false;

    // A ZIP64 end record, found through the locator just before the classic
    // one, holds the directory's true offset; the directory then ends there.
    qsizetype directoryEnd = end;
    quint64 directoryOffset = u32(data + end + 16);
    const qsizetype locator = end - kZip64LocatorSize;
    if (locator >= 0 && u32(data + locator) == kZip64LocatorSignature) {
        const quint64 record = u64(data + locator + 8);
        if (locator >= kZip64EndSize && record <= quint64(locator - kZip64EndSize) &&
            u32(data + record) == kZip64EndSignature) {
            directoryEnd = qsizetype(record);
            directoryOffset = u64(data + record + 48);
        }
    }

    // The entry count of the end record is not trusted (it wraps at 65,536):
    // the records run from the directory's start up to its end.
    qsizetype pos = directoryOffset < quint64(directoryEnd) ? qsizetype(directoryOffset) : directoryEnd;
    qsizetype longestRecord = 0;
    while (pos + kCentralHeaderSize <= directoryEnd && u32(data + pos) == kCentralSignature) {
        const quint16 flags = u16(data + pos + 8);
        const qsizetype nameLength = u16(data + pos + 28);
        const qsizetype extraLength = u16(data + pos + 30);
        const qsizetype length = kCentralHeaderSize + nameLength + extraLength + u16(data + pos + 32);
        if (pos + length > directoryEnd)
            break;
        const QByteArray rawName(data + pos + kCentralHeaderSize, nameLength);
        quint64 size = u32(data + pos + 24);
        quint64 compressed = u32(data + pos + 20);
        quint64 localOffset = u32(data + pos + 42);
        const bool deferred = size == kDeferred || compressed == kDeferred || localOffset == kDeferred;
        if (deferred && !readZip64Extra(data + pos + kCentralHeaderSize + nameLength, extraLength, &size,
                                        &compressed, &localOffset))
            break;
        if (!rawName.endsWith('/')) {
            Entry entry;
            entry.path = (flags & kUtf8NamesFlag) ? QString::fromUtf8(rawName) : QString::fromLocal8Bit(rawName);
            entry.size = declared(size);
            entry.crc = u32(data + pos + 16);
            m_totalSize += entry.size;
            m_entries.append(entry);
            m_records.append({pos, length, declared(localOffset), declared(compressed), declared(size)});
            longestRecord = std::max(longestRecord, length);
        }
        pos += length;
    }
    m_complete = pos == directoryEnd;
    if (m_entries.isEmpty())
        return false;

    m_view = bytes;
    m_view.reserve(m_archiveSize + longestRecord + kEndRecordSize);
    return true;
}

quint32 ArchiveReader::crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char c : data)
        crc = kCrcTable[(crc ^ quint8(c)) & 0xffu] ^ (crc >> 8);
    return ~crc;
}

QByteArray ArchiveReader::read(int index, bool *damaged)
{
    if (damaged)
        *damaged = false;
    if (index < 0 || index >= m_records.size())
        return QByteArray();
    const Record record = m_records.at(index);
    const char *central = m_view.constData() + record.offset;
    const qint64 localOffset = record.localOffset;
    const qint64 compressedSize = record.compressedSize;
    const qint64 declaredSize = record.size;
    const quint16 method = u16(central + 10);
    auto fail = [damaged]() {
        if (damaged)
            *damaged = true;
        return QByteArray();
    };
    // The toolkit's reader trusts these fields: it reads and allocates what
    // they say. Only entries whose data lies inside the archive, stored or
    // deflated, with sizes its 32-bit arithmetic holds, are handed to it.
    if (localOffset + kLocalHeaderSize > m_archiveSize || u32(m_view.constData() + localOffset) != kLocalSignature)
        return fail();
    const char *local = m_view.constData() + localOffset;
    const qsizetype dataStart = localOffset + kLocalHeaderSize + u16(local + 26) + u16(local + 28);
    if (dataStart + compressedSize > m_archiveSize || declaredSize > kMaxArchiveBytes ||
        (method != kStored && method != kDeflated) || (method == kStored && compressedSize != declaredSize) ||
        u16(local + 8) != method)
        return fail();
    // Deflate never makes data much larger, so compressed data well beyond the
    // declared size is a header that lies to make the reader inflate far more
    // than it declares. Within the bound, output stays within about 1,000
    // times the declared size.
    if (method == kDeflated && compressedSize > declaredSize + (declaredSize >> 10) + 64)
        return fail();

    // Behind the archive: this entry's central record and an end record that
    // names it as the whole directory. The room was reserved in open().
    m_view.resize(m_archiveSize + record.length + kEndRecordSize);
    char *tail = m_view.data() + m_archiveSize;
    std::memcpy(tail, m_view.constData() + record.offset, size_t(record.length));
    // The values the record may have deferred to ZIP64 fit its own fields here.
    qToLittleEndian<quint32>(quint32(compressedSize), tail + 20);
    qToLittleEndian<quint32>(quint32(declaredSize), tail + 24);
    qToLittleEndian<quint32>(quint32(localOffset), tail + 42);
    char *endRecord = tail + record.length;
    std::memset(endRecord, 0, size_t(kEndRecordSize));
    qToLittleEndian<quint32>(kEndSignature, endRecord);
    qToLittleEndian<quint16>(1, endRecord + 8);
    qToLittleEndian<quint16>(1, endRecord + 10);
    qToLittleEndian<quint32>(quint32(record.length), endRecord + 12);
    qToLittleEndian<quint32>(quint32(m_archiveSize), endRecord + 16);

    QByteArray data;
    try {
        QBuffer device(&m_view);
        device.open(QIODevice::ReadOnly);
        QZipReader reader(&device);
        // Looked up under the name as the toolkit decodes it, whatever the encoding.
        const QZipReader::FileInfo info = reader.entryInfoAt(0);
        if (info.isValid())
            data = reader.fileData(info.filePath);
    } catch (const std::bad_alloc &) {
        data.clear();
    }
    m_view.resize(m_archiveSize);
    const Entry &entry = m_entries.at(index);
    if (data.size() != entry.size || crc32(data) != entry.crc)
        return fail();
    return data;
}
