#include "support/core/zipbuilder.h"

#include "services/archivereader.h"

#include <QtEndian>

namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put64(QByteArray &out, quint64 v)
{
    char b[8];
    qToLittleEndian(v, b);
    out.append(b, 8);
}

} // namespace

void ZipBuilder::add(const QString &name, const QByteArray &data, qint64 declaredSize)
{
    m_items.append(
        {name.toUtf8(), data, quint32(declaredSize < 0 ? data.size() : declaredSize), ArchiveReader::crc32(data), 0});
}

void ZipBuilder::addDeflated(const QString &name, const QByteArray &data, qint64 declaredSize)
{
    // qCompress gives a 4-byte length, a 2-byte zlib header, the raw deflate
    // stream ZIP wants, and a 4-byte checksum.
    const QByteArray zlib = qCompress(data);
    m_items.append({name.toUtf8(), zlib.mid(6, zlib.size() - 10),
                    quint32(declaredSize < 0 ? data.size() : declaredSize), ArchiveReader::crc32(data), 8});
}

QByteArray ZipBuilder::bytes() const
{
    QByteArray out;
    QByteArray directory;
    for (const Item &item : m_items) {
        const quint32 offset = quint32(out.size());
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, 0x0800);
        put16(out, item.method);
        put32(out, 0);
        put32(out, item.crc);
        put32(out, quint32(item.data.size()));
        put32(out, item.declaredSize);
        put16(out, quint16(item.name.size()));
        put16(out, 0);
        out.append(item.name);
        out.append(item.data);

        put32(directory, 0x02014b50);
        put16(directory, 20);
        put16(directory, 20);
        put16(directory, 0x0800);
        put16(directory, item.method);
        put32(directory, 0);
        put32(directory, item.crc);
        put32(directory, quint32(item.data.size()));
        put32(directory, item.declaredSize);
        put16(directory, quint16(item.name.size()));
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put32(directory, 0);
        put32(directory, offset);
        directory.append(item.name);
    }
    const quint32 directoryOffset = quint32(out.size());
    out.append(directory);
    quint16 count = quint16(m_items.size());
    quint32 size = quint32(directory.size());
    quint32 offset = directoryOffset;
    if (m_end != End::Classic) {
        const quint64 recordOffset = quint64(out.size());
        put32(out, 0x06064b50);
        put64(out, 44);
        put16(out, 45);
        put16(out, 45);
        put32(out, 0);
        put32(out, 0);
        put64(out, quint64(m_items.size()));
        put64(out, quint64(m_items.size()));
        put64(out, quint64(directory.size()));
        put64(out, directoryOffset);
        put32(out, 0x07064b50);
        put32(out, 0);
        put64(out, recordOffset);
        put32(out, 1);
        count = quint16(std::min<qsizetype>(m_items.size(), 0xffff));
        if (m_end == End::Zip64Maxed) {
            count = 0xffff;
            size = 0xffffffff;
            offset = 0xffffffff;
        }
    }
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, count);
    put16(out, count);
    put32(out, size);
    put32(out, offset);
    put16(out, 0);
    return out;
}
