#pragma once

#include <QDate>
#include <QString>

// Date texts of the screens. Stored dates stay "yyyy-MM-dd".
namespace DateText {

// "M/d/yyyy", as the register and the date editors show a date.
QString formatShort(const QDate &date);

// Reads typed text with "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy" in that
// order (two-digit years as fullYear() reads them); an invalid date when none
// matches.
QDate parseTyped(const QString &text);

// The year a two-digit year (0-99) stands for: the one in the window from 80
// years before this year to 19 years after it. In 2026, 00-45 are 2000-2045
// and 46-99 are 1946-1999.
int fullYear(int twoDigitYear);

// "MMM d, yyyy" in English month names, e.g. "Mar 5, 2024".
QString formatLong(const QDate &date);

} // namespace DateText
