#pragma once

#include "services/importrecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct OfxParseResult {
    bool readable = true;  // false when the file could not be read, or was no OFX at all
    QList<ParsedTransaction> transactions;  // each with its statement account's key as source
    QList<StatementAccount> accounts;       // bank and credit-card accounts, in order of appearance
    int unparseableCount = 0;  // rows without a readable date or amount
    // Statements that are not imported as a whole: investment accounts, and
    // accounts in a currency the app does not keep. Their rows are not read.
    int investmentStatements = 0;
    int otherCurrencyStatements = 0;
    // The file ends before its end: a row cut short is left out, and so is
    // every balance, which might be cut as well.
    bool truncated = false;
};

// Reads OFX 1.x (SGML) and 2.x (XML) bank and credit-card statements, QFX
// and Web Connect files included, through libofx. Like the QIF reader it
// never fails as a whole: what cannot be used is counted.
//
// The library is handed a copy of the file, put right by OfxText, in a
// temporary folder of our own, which also takes the library's own temporary
// file (it honours TMPDIR) and is removed afterwards; the library's messages
// on stderr are all switched off.
class OfxReader
{
public:
    static constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;
    // Rows handed to the library at a time (see OfxText::pieces). Each
    // piece also costs about 10 ms of its own, mostly the library reading
    // its DTD again; about a thousand rows a piece costs least in all.
    static constexpr int kRowsPerPiece = 1000;

    // Whether this build reads OFX at all (it was built with libofx).
    static bool isAvailable();
    // Whether the file's content is OFX, whatever its name says.
    static bool isOfxFile(const QString &path);

    static OfxParseResult parse(const QByteArray &bytes);
    // ok is false when the file cannot be read.
    static OfxParseResult parseFile(const QString &path, bool *ok = nullptr);
};
