#pragma once

#include <QChar>
#include <QDate>

// The single-key date moves of the date editors: t today, + or = next day,
// - previous day, m/h first/last of the month, y/r first/last of the year,
// w/k the Sunday before / Saturday after (weeks run Sunday to Saturday).
namespace DateKeys {

// The date key moves to from `from` (today when `from` is invalid); an invalid
// date when key is not one of the keys. Upper-case letters act like lower case.
QDate apply(QChar key, const QDate &from);

} // namespace DateKeys
