#include "services/datetext.h"

#include <QLocale>

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
    for (const char *format : {"M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return QDate();
}

QString formatLong(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMM d, yyyy"));
}

} // namespace DateText
