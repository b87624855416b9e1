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
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(m_items.size()));
    put16(out, quint16(m_items.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}
