#pragma once

#include "services/reportrecords.h"

#include <QString>
#include <QStringList>

class QIODevice;
class QSqlDatabase;

// Reports as CSV (RFC 4180): a header row of the column titles, fields
// quoted only when they must be, CRLF line ends, UTF-8. Amounts are plain
// numbers with "." decimals and no grouping, dates "yyyy-MM-dd", months
// "yyyy-MM", shares in percent with two decimals.
namespace ReportCsv {

// The plain text of one cell, before quoting.
QString field(const ReportColumn &column, const ReportRow &row, int index);
// "-1234.05" for -123405 cents, "-1500" for -1500 yen.
QString plainAmount(qint64 amount, Currency currency);
// One record with its line end.
QByteArray record(const QStringList &fields);

QByteArray header(const Report &report);
QByteArray row(const Report &report, const ReportRow &row);
// The whole report; false when the device refused the bytes.
bool write(const Report &report, QIODevice *out);

// Makes the report over db and writes every row of it, however many: the
// rows of a Transactions report go out as they are read, without being
// kept. False with error set when the store or the device failed.
bool writeReport(const QSqlDatabase &db, const ReportRequest &request, QIODevice *out, QString *error);
// The same into a file, which is replaced only once all of it was written.
bool exportReport(const QSqlDatabase &db, const ReportRequest &request, const QString &path, QString *error);

} // namespace ReportCsv
