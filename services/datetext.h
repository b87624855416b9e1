#pragma once

#include <QDate>
#include <QString>

// Date texts of the screens. Stored dates stay "yyyy-MM-dd".
namespace DateText {

// "M/d/yyyy", as the register and the date editors show a date.
QString formatShort(const QDate &date);

// Reads typed text with "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy" in that
// order (two-digit years are 19xx); an invalid date when none matches.
QDate parseTyped(const QString &text);

// "MMM d, yyyy" in English month names, e.g. "Mar 5, 2024".
QString formatLong(const QDate &date);

} // namespace DateText
