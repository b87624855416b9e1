#pragma once

#include <QByteArray>
#include <QString>

namespace TextDecoding {

// The bytes as UTF-16 or UTF-32 when they start with such a byte-order mark;
// else as UTF-8 (a leading byte-order mark dropped) when they are valid UTF-8,
// otherwise as Windows-1252, the code page older finance programs write their
// exports in (a leading UTF-8 byte-order mark dropped as well).
QString decode(const QByteArray &bytes);

QString fromWindows1252(const QByteArray &bytes);

} // namespace TextDecoding
