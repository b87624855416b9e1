#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUuid>
#include <QVariant>

// Conversions between record fields and the text forms the store uses.
namespace SqlValue {

// "yyyy-MM-ddTHH:mm:ssZ"; an invalid time gives an empty text.
QString timestamp(const QDateTime &utc);
// Parses the ISO 8601 forms the store holds; empty or unreadable text gives an invalid value.
QDateTime parseTimestamp(const QString &text);
QString date(const QDate &d);
QDate parseDate(const QString &text);

// NULL for an empty text, the text otherwise.
QVariant nullable(const QString &text);
QVariant nullableTimestamp(const QDateTime &utc);
QVariant nullableDate(const QDate &d);

} // namespace SqlValue

// The current UTC time to the second (the precision the store keeps), and
// today's local date. Tests may pin both.
namespace Clock {
QDateTime nowUtc();
QDate today();
void setFixedNow(const QDateTime &utc);  // invalid = follow the system clock
}

namespace Ids {
// A random identifier: 36 lowercase characters with hyphens, no braces.
QString newId();
// A name-based (version 5) identifier of key in namespace ns, same text form.
QString nameBased(const QUuid &ns, const QString &key);
}
