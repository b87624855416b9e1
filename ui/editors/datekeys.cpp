#include "ui/editors/datekeys.h"

#include "data/clock.h"

namespace DateKeys {

QDate apply(QChar key, const QDate &from)
{
    const QDate d = from.isValid() ? from : Clock::today();
    // dayOfWeek() is 1 (Monday) .. 7 (Sunday); count days since Sunday.
    const int sinceSunday = d.dayOfWeek() % 7;
    switch (key.toLower().unicode()) {
    case 't':
        return Clock::today();
    case '+':
    case '=':
        return d.addDays(1);
    case '-':
        return d.addDays(-1);
    case 'm':
        return QDate(d.year(), d.month(), 1);
    case 'h':
        return QDate(d.year(), d.month(), d.daysInMonth());
    case 'y':
        return QDate(d.year(), 1, 1);
    case 'r':
        return QDate(d.year(), 12, 31);
    case 'w':
        return d.addDays(-sinceSunday);
    case 'k':
        return d.addDays(6 - sinceSunday);
    default:
        return QDate();
    }
}

} // namespace DateKeys
