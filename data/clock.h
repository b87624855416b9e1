#pragma once

#include <QDate>
#include <QDateTime>

// The current UTC time to the second (the precision the store keeps), and
// today's local date. Tests may pin both.
namespace Clock {
QDateTime nowUtc();
QDate today();
void setFixedNow(const QDateTime &utc);  // invalid = follow the system clock
}
