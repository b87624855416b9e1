#include "data/sqlvalue.h"

namespace {

inline int digits(const QChar *p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const ushort c = p[i].unicode();
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

namespace SqlValue {

QString timestamp(const QDateTime &utc)
{
    if (!utc.isValid())
        return QString();
    return utc.toUTC().toString(Qt::ISODate);
}

QDateTime parseTimestamp(const QString &text)
{
    if (text.isEmpty())
        return QDateTime();
    // Fast path for the form this store writes, "yyyy-MM-ddTHH:mm:ssZ" (and
    // SQLite's "yyyy-MM-dd HH:mm:ss", which is UTC as well): register loads
    // parse hundreds of thousands of these.
    const int n = text.size();
    if ((n == 20 && text.at(19) == QLatin1Char('Z')) || n == 19) {
        const QChar *p = text.constData();
        const QChar sep = p[10];
        if (p[4] == QLatin1Char('-') && p[7] == QLatin1Char('-') && (sep == QLatin1Char('T') || sep == QLatin1Char(' '))
            && p[13] == QLatin1Char(':') && p[16] == QLatin1Char(':')) {
            const int y = digits(p, 4), mo = digits(p + 5, 2), d = digits(p + 8, 2);
            const int h = digits(p + 11, 2), mi = digits(p + 14, 2), s = digits(p + 17, 2);
            if (y >= 0 && mo >= 0 && d >= 0 && h >= 0 && mi >= 0 && s >= 0) {
                const QDate date(y, mo, d);
                const QTime time(h, mi, s);
                if (date.isValid() && time.isValid())
                    return QDateTime(date, time, Qt::UTC);
                return QDateTime();
            }
        }
    }
    QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dt.isValid())
        return QDateTime();
    return dt.toUTC();
}

QString date(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return d.toString(Qt::ISODate);
}

QDate parseDate(const QString &text)
{
    if (text.size() == 10) {
        const QChar *p = text.constData();
        if (p[4] == QLatin1Char('-') && p[7] == QLatin1Char('-')) {
            const int y = digits(p, 4), m = digits(p + 5, 2), d = digits(p + 8, 2);
            if (y >= 0 && m >= 0 && d >= 0)
                return QDate(y, m, d);  // invalid when out of range
        }
        return QDate();
    }
    return QDate::fromString(text, Qt::ISODate);
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariant nullableTimestamp(const QDateTime &utc)
{
    return utc.isValid() ? QVariant(timestamp(utc)) : QVariant(QMetaType::fromType<QString>());
}

QVariant nullableDate(const QDate &d)
{
    return d.isValid() ? QVariant(date(d)) : QVariant(QMetaType::fromType<QString>());
}

} // namespace SqlValue
