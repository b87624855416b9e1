#pragma once

#include "services/csvreader.h"
#include "services/importrecords.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Which column (0-based; -1 = none) holds what. When both debit and credit
// columns are set they are read instead of the amount column.
struct CsvMapping {
    int date = -1;
    int payee = -1;
    int amount = -1;
    int debit = -1;
    int credit = -1;
    int memo = -1;
    int category = -1;
    bool firstRowIsHeader = true;
    QString dateFormat;  // one of CsvConverter::dateFormats(); empty = detect

    bool usesDebitCredit() const { return debit >= 0 && credit >= 0; }
};

struct CsvRowResult {
    ParsedTransaction transaction;
    bool ok = false;
    QString problem;  // why a row could not be read
    int textsCut = 0;  // cells cut to ImportLimits::kTextLength
};

struct CsvConversion {
    QList<ParsedTransaction> transactions;
    int unparseable = 0;
    int textsCut = 0;
    QString dateFormat;  // the format used (detected or given)
};

// Turns the rows of a CSV table into transactions following a column mapping.
class CsvConverter
{
public:
    static const QStringList &dateFormats();
    // The first format that reads every non-empty date cell (so month-first
    // wins unless a day-first-only value appears); failing that, the one that
    // reads the most.
    static QString detectDateFormat(const CsvTable &table, const CsvMapping &mapping);
    // A date in one of dateFormats(); a two-digit year as DateText::fullYear() reads it.
    static QDate parseDate(const QString &text, const QString &format);
    // An amount cell through the money parser; also accepts "(12.00)", "12.00-"
    // and a decimal comma ("1.234,56"). False when the cell is not a number,
    // or has a lone comma with four or more digits after it ("1,2345").
    static bool parseAmount(const QString &text, int currency, qint64 *amount);

    // Guesses a mapping from header names, or else from the shape of the
    // first row (the second when the first holds no date: a header in words
    // it does not know); two number columns never filled together become
    // debit and credit.
    static CsvMapping guessMapping(const CsvTable &table);

    static CsvRowResult readRow(const QStringList &row, const CsvMapping &mapping, const QString &dateFormat,
                                int currency);
    static CsvConversion convert(const CsvTable &table, const CsvMapping &mapping, int currency);

    // The rows after the header (when the mapping says there is one).
    static qsizetype firstDataRow(const CsvTable &table, const CsvMapping &mapping);
};
