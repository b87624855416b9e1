#include "services/textdecoding.h"

#include <QStringDecoder>

namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code points.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

namespace TextDecoding {

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar::fromLatin1(c);
    }
    return text;
}

QString decode(const QByteArray &bytes)
{
    // Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark;
    // read as UTF-8 or Windows-1252 every other character would be a NUL.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder wide(*marked);
        return wide(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Some exporters put a UTF-8 byte-order mark before Windows-1252 text;
    // read as Windows-1252, its three bytes would become letters glued to the
    // first line, and a header there would no longer be seen.
    if (marked)
        return fromWindows1252(bytes.mid(3));
    return fromWindows1252(bytes);
}

} // namespace TextDecoding
