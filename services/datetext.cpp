#include "services/datetext.h"

#include "data/clock.h"

#include <QLocale>
#include <QRegularExpression>

namespace DateText {

QString formatShort(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QDate parseTyped(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *format : {"M/d/yyyy", "MM/dd/yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    // "M/d/yy" and "MM/dd/yy", read by hand: the toolkit would put the year
    // in 19xx, where 2/29/00 is no date at all.
    static const QRegularExpression shortYear(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    const QRegularExpressionMatch m = shortYear.match(t);
    if (!m.hasMatch())
        return QDate();
    return QDate(fullYear(m.captured(3).toInt()), m.captured(1).toInt(), m.captured(2).toInt());
}

int fullYear(int twoDigitYear)
{
    const int thisYear = Clock::today().year();
    const int latest = thisYear + 19;
    int year = latest - (latest % 100) + twoDigitYear;
    if (year > latest)
        year -= 100;
    return year;
}

QString formatLong(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMM d, yyyy"));
}

} // namespace DateText
