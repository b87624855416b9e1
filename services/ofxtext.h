#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The text of an OFX or QFX file as the OFX library is handed it. The
// library turns every value into a number or a time without telling a bad
// value from a good one (a cut "-12" of "-1234.56" reads as -12, "x" and a
// missing amount as 0), and it converts times through a time zone that moves
// a late evening row to the next day. So the values it would misread are put
// right first, byte for byte everywhere else:
//   - a date or time (DT...) keeps its first eight digits, the date as the
//     statement wrote it in its own time zone; one that is no calendar date
//     is removed, and the library then reports no date;
//   - an amount (TRNAMT, BALAMT) is written as plain digits with "." before
//     the decimals; one that is no amount, has more digits than a double
//     holds exactly, or is missing from its row or balance, becomes "nan",
//     which the library passes on as not a number;
//   - a PAYEE aggregate of a statement row without a NAME becomes that NAME,
//     which the library would otherwise drop.
// The reader counts a row without a date or an amount as unreadable.
namespace OfxText {

// Digits a double holds exactly; an amount with more is refused.
constexpr int kMaxDigits = 15;

// Whether the first bytes of a file look like OFX (a header "OFXHEADER:",
// an XML processing instruction "<?OFX", or an "<OFX>" element).
bool looksLikeOfx(QByteArrayView bytes);

// Whether the text ends before the closing "</OFX>" of its document.
bool isTruncated(QByteArrayView bytes);
// Whether the last statement row of the text was left unclosed.
bool endsInsideRow(QByteArrayView bytes);

QByteArray normalized(QByteArrayView bytes);

// The library's time grows with the square of a document's rows: for each
// row it adds, it counts every node of its tree (a quarter of a second for
// 5,000 rows, nearly three for 20,000). So a long statement is read in pieces:
// documents of at most rowsPerPiece statement rows each, every one with all
// the text around the rows (headers, accounts, balances), together holding
// every row once, in order; a text with no more rows is one piece. Each row
// is put on one line of its own (the library writes what it reads to a file,
// a line at a time), except where a value runs over lines.
QList<QByteArray> pieces(QByteArrayView text, int rowsPerPiece);

// An amount as written to "[-]digits[.digits]"; false when it is none. A
// lone "," or "." is the decimal separator; with both, the later one is.
bool canonicalAmount(QByteArrayView value, QByteArray *out);
// The first eight digits of a date value, when they are a calendar date.
bool canonicalDate(QByteArrayView value, QByteArray *out);

// A value the library read from a canonical amount (at most kMaxDigits
// significant digits) in minor units with the given number of decimals,
// rounded half away from zero; false when it is not finite or above 2^53.
bool minorUnits(double value, int decimals, qint64 *units);

} // namespace OfxText
