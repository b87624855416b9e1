#pragma once

#include "services/importrecords.h"

#include <QList>
#include <QString>
#include <QStringView>

// What the date lines of a file tell about the order of day, month and year.
struct QifDateEvidence {
    int detected = 1;        // QifReader::MonthFirst, DayFirst or YearFirst
    bool ambiguous = false;  // no date tells month-first from day-first, and it matters
    QString sample;          // a date value that reads differently month-first and
                             // day-first; else the first date value; empty without dates
};

struct QifParseResult {
    QList<ParsedTransaction> transactions;
    QList<ParsedCategory> categories;
    QList<SourceAccount> sourceAccounts;  // in order of first appearance, names compared without case
    int dateOrder = 1;                    // the order the dates were read in
    QifDateEvidence dateEvidence;
    int metadataCount = 0;
    int unparseableCount = 0;
    int splitsNotAddingUp = 0;  // refused: the lines do not add up to the amount
    int splitsTooLong = 0;      // refused: more than ImportLimits::kSplitLines lines
    int textsCut = 0;           // text values cut to ImportLimits::kTextLength
    bool hasAccountBlock = false;
};

// Reads Quicken Interchange Format text: transaction lists, category lists,
// account blocks and the metadata sections it passes over. Never fails as a
// whole: what cannot be used is counted.
class QifReader
{
public:
    enum DateOrder { DetectOrder = 0, MonthFirst = 1, DayFirst = 2, YearFirst = 3 };
    enum TypeCode { Bank = 0, CreditCard = 1, Investment = 2, Cash = 3, OtherAsset = 4, OtherLiability = 5 };

    static QifParseResult parse(const QString &text, int dateOrder = DetectOrder);
    // Reads and decodes a whole file; ok is false when it cannot be opened.
    static QifParseResult parseFile(const QString &path, bool *ok = nullptr, int dateOrder = DetectOrder);

    // An amount value to cents; false when it cannot be read.
    static bool parseAmount(QStringView value, qint64 *cents);
    // A date value in the given order (DetectOrder: a first part above 12 is
    // the day). A first part of four digits is the year in every order.
    static QDate parseDate(QStringView value, int dateOrder);
    // Day first when some date line of a transaction list starts with a day
    // above 12; year first when every date line starts with a four-digit year;
    // else month first.
    static int detectDateOrder(const QString &text);
    // The code for a "!Type:" value ("bank", "ccard", "invst", "cash", "oth a", "oth l"; else Bank).
    static int typeCode(const QString &typeName);
};
