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

    // The entry count of the end record is not trusted (it wraps at 65,536):
    // the records run from the directory's start up to the end record.
    qsizetype pos = u32(data + end + 16);
    qsizetype longestRecord = 0;
    while (pos + kCentralHeaderSize <= end && u32(data + pos) == kCentralSignature) {
        const quint16 flags = u16(data + pos + 8);
        const qsizetype nameLength = u16(data + pos + 28);
        const qsizetype length = kCentralHeaderSize + nameLength + u16(data + pos + 30) + u16(data + pos + 32);
        if (pos + length > end)
            break;
        const QByteArray rawName(data + pos + kCentralHeaderSize, nameLength);
        if (!rawName.endsWith('/')) {
            Entry entry;
            entry.path = (flags & kUtf8NamesFlag) ? QString::fromUtf8(rawName) : QString::fromLocal8Bit(rawName);
            entry.size = u32(data + pos + 24);
            entry.crc = u32(data + pos + 16);
            m_totalSize += entry.size;
            m_entries.append(entry);
            m_records.append({pos, length});
            longestRecord = std::max(longestRecord, length);
        }
        pos += length;
    }
    m_complete = pos == end;
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
    const qsizetype localOffset = u32(central + 42);
    const qsizetype compressedSize = u32(central + 20);
    const qsizetype declaredSize = u32(central + 24);
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
