#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds small ZIP archives for tests, including ones a
// real writer would never produce: sizes that lie, damaged directories.
class ZipBuilder {
public:
    // How the archive ends. Writers that follow the ZIP64 extension add a
    // 64-bit end record (and a locator pointing at it) before the classic one,
    // whose fields then hold either the real values where they fit (Zip64) or
    // their maximum, meaning "see the 64-bit record" (Zip64Maxed).
    enum class End { Classic, Zip64, Zip64Maxed };

    // declaredSize < 0 declares the real size.
    void add(const QString &name, const QByteArray &data, qint64 declaredSize = -1);
    // The same, deflated.
    void addDeflated(const QString &name, const QByteArray &data, qint64 declaredSize = -1);
    // The archive; the end record's entry count is kept to 16 bits, as writers do.
    QByteArray bytes() const;
    void setEnd(End end) { m_end = end; }

private:
    struct Item {
        QByteArray name;
        QByteArray data;  // as stored
        quint32 declaredSize;
        quint32 crc;
        quint16 method;
    };
    QList<Item> m_items;
    End m_end = End::Classic;
};
