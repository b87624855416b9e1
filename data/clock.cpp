#include "data/clock.h"

namespace {
QDateTime g_fixedNow;
}

namespace Clock {

QDateTime nowUtc()
{
    if (g_fixedNow.isValid())
        return g_fixedNow;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()), Qt::UTC);
}

QDate today()
{
    if (g_fixedNow.isValid())
        return g_fixedNow.toLocalTime().date();
    return QDate::currentDate();
}

void setFixedNow(const QDateTime &utc)
{
    g_fixedNow = utc.isValid() ? utc.toUTC() : QDateTime();
}

} // namespace Clock
