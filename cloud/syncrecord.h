#pragma once

#include "data/records.h"

#include <QList>

class QJsonObject;
class QJsonValue;

// Reads one record of a pull reply into the local record it stands for,
// leniently: a missing text is empty, a missing number 0, a flag may be a
// boolean or a number, a date may come as a date-time, an unknown code takes
// its kind's default. The row's id is the record's "client_id" (empty when
// the service has none), its server id the record's "id", and it is synced.
// Texts longer than a row may hold are cut, as everywhere else they arrive.
namespace SyncRecord {

Account account(const QJsonObject &record);
Category category(const QJsonObject &record);
// *hasLeadDays tells whether the record carried "lead_days" at all.
RecurringTransaction recurring(const QJsonObject &record, bool *hasLeadDays);
// *lines receives the record's split lines (new ids) when it is split.
Transaction transaction(const QJsonObject &record, QList<SplitLine> *lines);
Reconciliation reconciliation(const QJsonObject &record);
// The id the record's row has here, as the readers above give it.
QString clientId(const QJsonObject &record);

// The reading rules, for the engine's checks and for tests.
QDate dateOf(const QJsonValue &value);
bool flagOf(const QJsonValue &value);

} // namespace SyncRecord
