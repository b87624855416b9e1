#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds small ZIP archives for tests, including ones a
// real writer would never produce: sizes that lie, damaged directories.
class ZipBuilder {
public:
    // declaredSize < 0 declares the real size.
    void add(const QString &name, const QByteArray &data, qint64 declaredSize = -1);
    // The same, deflated.
    void addDeflated(const QString &name, const QByteArray &data, qint64 declaredSize = -1);
    // The archive; the end record's entry count is kept to 16 bits, as writers do.
    QByteArray bytes() const;

private:
    struct Item {
        QByteArray name;
        QByteArray data;  // as stored
        quint32 declaredSize;
        quint32 crc;
        quint16 method;
    };
    QList<Item> m_items;
};
