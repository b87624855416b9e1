#include "services/ofxtext.h"

#include <QDate>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

enum class ValueKind { None, Date, Amount };

const char kNoAmount[] = "nan";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool same(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

// Where tag (such as "</PAYEE>") starts in text[from, until), compared
// without case; -1 when it is not there.
qsizetype findTag(QByteArrayView text, QByteArrayView tag, qsizetype from, qsizetype until)
{
    until = qMin(until, text.size());
    for (qsizetype at = from; at >= 0 && at + tag.size() <= until; ++at) {
        at = text.indexOf('<', at);
        if (at < 0 || at + tag.size() > until)
            return -1;
        if (same(text.sliced(at, tag.size()), tag))
            return at;
    }
    return -1;
}

// Where the last tag starts in text; -1 when it is not there.
qsizetype lastTag(QByteArrayView text, QByteArrayView tag)
{
    qsizetype last = -1;
    for (qsizetype at = findTag(text, tag, 0, text.size()); at >= 0; at = findTag(text, tag, at + 1, text.size()))
        last = at;
    return last;
}

ValueKind kindOf(QByteArrayView name)
{
    if (same(name, "TRNAMT") || same(name, "BALAMT"))
        return ValueKind::Amount;
    if (name.size() > 2 && same(name.first(2), "DT")) {
        for (const char c : name) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c)))
                return ValueKind::None;
        }
        return ValueKind::Date;
    }
    return ValueKind::None;
}

QByteArrayView trimmed(QByteArrayView value)
{
    while (!value.isEmpty() && isSpace(value.front()))
        value = value.sliced(1);
    while (!value.isEmpty() && isSpace(value.back()))
        value.chop(1);
    return value;
}

bool allDigits(QByteArrayView s)
{
    for (const char c : s) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// A statement row with the line breaks between its elements left out. The
// library writes every line of what it reads to a file of its own at once,
// line by line, which costs more than reading the row; a value that runs
// over lines keeps its line breaks.
void appendOnOneLine(QByteArray *out, QByteArrayView row)
{
    qsizetype from = 0;
    for (qsizetype at = row.indexOf('\n'); at >= 0; at = row.indexOf('\n', at + 1)) {
        qsizetype next = at + 1;
        while (next < row.size() && (row.at(next) == ' ' || row.at(next) == '\t'))
            ++next;
        if (next >= row.size() || row.at(next) != '<')
            continue;
        const qsizetype end = at > from && row.at(at - 1) == '\r' ? at - 1 : at;
        out->append(row.sliced(from, end - from));
        from = at + 1;
    }
    out->append(row.sliced(from));
}

} // namespace

namespace OfxText {

bool looksLikeOfx(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    bytes = trimmed(bytes.first(qMin<qsizetype>(bytes.size(), 4096)));
    if (bytes.size() >= 9 && same(bytes.first(9), "OFXHEADER"))
        return true;
    return findTag(bytes, "<?OFX", 0, bytes.size()) >= 0 || findTag(bytes, "<OFX>", 0, bytes.size()) >= 0;
}

bool isTruncated(QByteArrayView bytes)
{
    const QByteArrayView text = trimmed(bytes);
    return text.size() < 6 || !same(text.last(6), "</OFX>");
}

bool endsInsideRow(QByteArrayView bytes)
{
    return lastTag(bytes, "<STMTTRN>") > lastTag(bytes, "</STMTTRN>");
}

QByteArray normalized(QByteArrayView text)
{
    const qsizetype n = text.size();
    const bool xml = findTag(text, "<?xml", 0, qMin<qsizetype>(n, 1024)) >= 0;
    QByteArray out;
    out.reserve(n + 64);
    qsizetype pos = 0;
    qsizetype rowStart = -1;  // just after the <STMTTRN> of the row being read
    while (pos < n) {
        const qsizetype lt = text.indexOf('<', pos);
        const qsizetype gt = lt < 0 ? -1 : text.indexOf('>', lt);
        if (gt < 0) {
            out += text.sliced(pos);
            break;
        }
        out += text.sliced(pos, lt - pos);
        const QByteArrayView tag = text.sliced(lt, gt + 1 - lt);
        const QByteArrayView name = text.sliced(lt + 1, gt - lt - 1);
        pos = gt + 1;
        if (same(name, "STMTTRN"))
            rowStart = pos;
        else if (same(name, "/STMTTRN"))
            rowStart = -1;

        const ValueKind kind = kindOf(name);
        if (kind != ValueKind::None) {
            qsizetype valueEnd = text.indexOf('<', pos);
            if (valueEnd < 0)
                valueEnd = n;
            const QByteArrayView raw = text.sliced(pos, valueEnd - pos);
            const QByteArrayView value = trimmed(raw);
            qsizetype spaceAt = raw.size();
            while (spaceAt > 0 && isSpace(raw.at(spaceAt - 1)))
                --spaceAt;
            const QByteArrayView after = raw.sliced(spaceAt);  // the line break after an SGML value
            const QByteArray close = "</" + name.toByteArray() + '>';
            const qsizetype closeAt = findTag(text, close, valueEnd, valueEnd + close.size());
            QByteArray canonical;
            const bool ok = kind == ValueKind::Date ? canonicalDate(value, &canonical) : canonicalAmount(value, &canonical);
            if (ok || kind == ValueKind::Amount) {
                // An amount that is none reads as "nan", which the library
                // passes on as it is; left out, it would read as 0.
                out += tag;
                out += ok ? canonical : QByteArray(kNoAmount);
                out += after;
                if (closeAt >= 0)
                    out += text.sliced(closeAt, close.size());
            } else {
                out += after;
            }
            pos = closeAt >= 0 ? closeAt + close.size() : valueEnd;
            // A row without an amount gets one that is none, in the place the
            // format has for it: after the date it was posted.
            if (rowStart >= 0 && same(name, "DTPOSTED")) {
                qsizetype rowEnd = findTag(text, "</STMTTRN>", pos, n);
                if (findTag(text, "<TRNAMT>", pos, rowEnd < 0 ? n : rowEnd) < 0)
                    out += xml ? "<TRNAMT>" + QByteArray(kNoAmount) + "</TRNAMT>" : "<TRNAMT>" + QByteArray(kNoAmount);
            }
            continue;
        }

        if (same(name, "LEDGERBAL")) {
            out += tag;
            qsizetype end = findTag(text, "</LEDGERBAL>", pos, n);
            if (findTag(text, "<BALAMT>", pos, end < 0 ? n : end) < 0)
                out += xml ? "<BALAMT>" + QByteArray(kNoAmount) + "</BALAMT>" : "<BALAMT>" + QByteArray(kNoAmount);
            continue;
        }

        if (same(name, "PAYEE") && rowStart >= 0) {
            qsizetype rowEnd = findTag(text, "</STMTTRN>", pos, n);
            if (rowEnd < 0)
                rowEnd = n;
            const qsizetype payeeEnd = findTag(text, "</PAYEE>", pos, rowEnd);
            if (payeeEnd >= 0) {
                const qsizetype afterPayee = payeeEnd + 8;
                const bool ownName = findTag(text, "<NAME>", rowStart, lt) >= 0
                    || findTag(text, "<NAME>", afterPayee, rowEnd) >= 0;
                if (!ownName) {
                    const qsizetype nameAt = findTag(text, "<NAME>", pos, payeeEnd);
                    if (nameAt >= 0) {
                        const qsizetype valueAt = nameAt + 6;
                        const QByteArrayView value = trimmed(text.sliced(valueAt, text.indexOf('<', valueAt) - valueAt));
                        if (!value.isEmpty()) {
                            out += "<NAME>";
                            out += value;
                            if (xml)
                                out += "</NAME>";
                        }
                    }
                    pos = afterPayee;
                    continue;
                }
            }
        }
        out += tag;
    }
    return out;
}

QList<QByteArray> pieces(QByteArrayView text, int rowsPerPiece)
{
    // Each row from its <STMTTRN> to just after its </STMTTRN>, or to the
    // next row or the end when it was left unclosed.
    QList<QPair<qsizetype, qsizetype>> rows;
    for (qsizetype at = findTag(text, "<STMTTRN>", 0, text.size()); at >= 0;) {
        const qsizetype next = findTag(text, "<STMTTRN>", at + 9, text.size());
        const qsizetype close = findTag(text, "</STMTTRN>", at + 9, next < 0 ? text.size() : next);
        const qsizetype end = close >= 0 ? close + 10 : next >= 0 ? next : text.size();
        rows.append({at, end});
        at = next;
    }
    const qsizetype n = rows.size();
    if (n == 0)
        return {text.toByteArray()};
    if (rowsPerPiece < 1 || n <= rowsPerPiece)
        rowsPerPiece = int(qMin<qsizetype>(n, std::numeric_limits<int>::max()));
    const bool whole = n <= rowsPerPiece;  // one piece: every gap as it was

    // What lies between rows: headers and statement envelopes are in every
    // piece, the blank space between two rows only around rows of its own.
    QList<QByteArrayView> kept;  // the gaps that are not blank, with where they are
    QList<qsizetype> keptAt;
    for (qsizetype i = 0; i <= n; ++i) {
        const qsizetype from = i == 0 ? 0 : rows.at(i - 1).second;
        const qsizetype to = i == n ? text.size() : rows.at(i).first;
        const QByteArrayView gap = text.sliced(from, to - from);
        if (whole || !trimmed(gap).isEmpty()) {
            kept.append(gap);
            keptAt.append(i);
        }
    }
    QList<QByteArray> result;
    for (qsizetype first = 0; first < n; first += rowsPerPiece) {
        const qsizetype last = qMin<qsizetype>(n, first + rowsPerPiece);  // one past the piece's last row
        QByteArray piece;
        qsizetype k = 0;
        for (; k < kept.size() && keptAt.at(k) <= first; ++k)
            piece += kept.at(k);
        for (qsizetype i = first; i < last; ++i) {
            if (i > first) {
                const qsizetype from = rows.at(i - 1).second;
                piece += text.sliced(from, rows.at(i).first - from);
                if (k < kept.size() && keptAt.at(k) == i)
                    ++k;
            }
            appendOnOneLine(&piece, text.sliced(rows.at(i).first, rows.at(i).second - rows.at(i).first));
        }
        for (; k < kept.size(); ++k) {
            if (keptAt.at(k) >= last)
                piece += kept.at(k);
        }
        result.append(piece);
    }
    return result;
}

bool canonicalAmount(QByteArrayView value, QByteArray *out)
{
    value = trimmed(value);
    bool negative = false;
    if (!value.isEmpty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value = value.sliced(1);
    }
    const qsizetype lastDot = value.lastIndexOf('.');
    const qsizetype lastComma = value.lastIndexOf(',');
    qsizetype decimal = qMax(lastDot, lastComma);
    QByteArray whole;
    QByteArray fraction;
    if (lastDot >= 0 && lastComma >= 0) {
        // "1,234.56" or "1.234,56": the earlier kind groups thousands.
        const char group = lastDot > lastComma ? ',' : '.';
        const QByteArrayView before = value.first(decimal);
        for (const char c : before) {
            if (c != group)
                whole += c;
        }
    } else if (decimal >= 0) {
        const char separator = value.at(decimal);
        if (value.indexOf(separator) != decimal)
            return false;  // "1.234.567": no telling what it means
        whole = value.first(decimal).toByteArray();
    } else {
        whole = value.toByteArray();
    }
    if (decimal >= 0)
        fraction = value.sliced(decimal + 1).toByteArray();
    if ((whole.isEmpty() && fraction.isEmpty()) || !allDigits(whole) || !allDigits(fraction))
        return false;
    qsizetype leading = 0;
    while (leading < whole.size() && whole.at(leading) == '0')
        ++leading;
    whole.remove(0, leading);
    if (whole.size() + fraction.size() > kMaxDigits)
        return false;
    *out = (negative ? QByteArray("-") : QByteArray()) + (whole.isEmpty() ? QByteArray("0") : whole);
    if (!fraction.isEmpty())
        *out += '.' + fraction;
    return true;
}

bool canonicalDate(QByteArrayView value, QByteArray *out)
{
    value = trimmed(value);
    if (value.size() < 8 || !allDigits(value.first(8)))
        return false;
    const int year = value.first(4).toInt();
    const int month = value.sliced(4, 2).toInt();
    const int day = value.sliced(6, 2).toInt();
    if (year < 1900 || !QDate(year, month, day).isValid())
        return false;
    *out = value.first(8).toByteArray();
    return true;
}

bool minorUnits(double value, int decimals, qint64 *units)
{
    if (!std::isfinite(value))
        return false;
    // The value to kMaxDigits significant digits: the decimal text it was
    // read from, since that had no more.
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", kMaxDigits - 1, std::fabs(value));
    char *exponentAt = nullptr;
    qint64 digits = 0;
    for (char *c = text; *c; ++c) {
        if (*c == 'e') {
            exponentAt = c + 1;
            break;
        }
        if (isDigit(*c))
            digits = digits * 10 + (*c - '0');
    }
    if (!exponentAt)
        return false;
    // text is d.dddddddddddddde+XX: digits times 10^(XX - 14).
    int power = std::atoi(exponentAt) - (kMaxDigits - 1) + decimals;
    constexpr qint64 kMaxExact = qint64(1) << 53;
    qint64 result = digits;
    if (power >= 0) {
        for (; power > 0; --power) {
            if (result > kMaxExact / 10)
                return false;
            result *= 10;
        }
    } else if (power < -18) {
        result = 0;
    } else {
        qint64 divisor = 1;
        for (; power < 0; ++power)
            divisor *= 10;
        result = digits / divisor + ((digits % divisor) * 2 >= divisor ? 1 : 0);
    }
    if (result > kMaxExact)
        return false;
    *units = value < 0 ? -result : result;
    return true;
}

} // namespace OfxText
