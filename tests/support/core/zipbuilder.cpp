#include "support/core/zipbuilder.h"

#include <QtEndian>

namespace {

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

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
    m_items.append({name.toUtf8(), data, quint32(declaredSize < 0 ? data.size() : declaredSize)});
}

QByteArray ZipBuilder::bytes() const
{
    QByteArray out;
    QByteArray directory;
    for (const Item &item : m_items) {
        const quint32 offset = quint32(out.size());
        const quint32 crc = crc32(item.data);
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, 0x0800);
        put16(out, 0);  // stored
        put32(out, 0);
        put32(out, crc);
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
        put16(directory, 0);
        put32(directory, 0);
        put32(directory, crc);
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
