#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
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
