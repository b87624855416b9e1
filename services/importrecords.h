#pragma once

#include "data/codes.h"

#include <QDate>
#include <QList>
#include <QString>

// What the file readers hand to the import: one transaction as read from a
// QIF record or a CSV row, before it is mapped onto the user's accounts.

struct ParsedSplit {
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0;
};

struct ParsedTransaction {
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString category;
    QString transferAccount;
    QString number;    // check number, or the action of an investment record
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<ParsedSplit> splits;
    QString sourceAccount;  // empty when the record came before any account header
    QString fitid;          // the bank's own id of the row (OFX); empty when the file gives none
};

struct ParsedCategory {
    QString name;
    QString description;
    bool income = false;
};

// A source account named in a file, with the type code of the section its
// records came from and how many records it holds. The entry with an empty
// name stands for the records that came before any account header.
struct SourceAccount {
    QString name;
    int typeCode = 0;
    int records = 0;
};

// A bank or credit-card account of an OFX statement, with what the statement
// says about it. Its records carry key as their source account.
struct StatementAccount {
    QString key;     // the bank's account id: bank, branch and account number together
    QString number;  // ACCTID as written
    AccountType type = AccountType::Checking;
    QString currencyCode;  // CURDEF, upper-cased; "USD" when the file names none
    int currency = 0;      // as Currency; -1 when the app keeps no such currency
    QDate firstDate;       // the statement's own range (DTSTART, DTEND), else its rows'
    QDate lastDate;
    int records = 0;
    bool hasLedgerBalance = false;
    qint64 ledgerBalance = 0;  // LEDGERBAL, in minor units
    QDate ledgerDate;

    // The last four characters of the account number, as shown and as kept
    // on an account made for it.
    QString lastFour() const { return number.right(4); }
};

// Bounds on what a file may bring in. A text field longer than kTextLength
// is cut to it (and counted), so that one broken or hostile field cannot fill
// the store or the screens; a split with more than kSplitLines lines is refused.
namespace ImportLimits {

constexpr int kTextLength = 4000;
constexpr int kSplitLines = 1000;

// Cuts text to kTextLength characters, never between the two halves of a
// surrogate pair. True when it was cut.
inline bool clip(QString *text)
{
    if (text->size() <= kTextLength)
        return false;
    qsizetype keep = kTextLength;
    if (text->at(keep - 1).isHighSurrogate())
        --keep;
    text->truncate(keep);
    return true;
}

} // namespace ImportLimits
