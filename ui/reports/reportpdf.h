#pragma once

#include "services/reportrecords.h"

#include <QPageSize>
#include <QString>

class QLocale;

// A report as a PDF document: its name, period and the day it was printed,
// the chart, then the table over as many pages as it takes, the column
// titles repeated on each.
namespace ReportPdf {

// Letter where the locale measures in US customary units, else A4.
QPageSize::PageSizeId pageSizeFor(const QLocale &locale);

// Writes the file, replacing it only once the whole document was made.
// False with error set when it could not be written.
bool write(const Report &report, const ReportChart *chart, const QString &path, QString *error,
           QPageSize::PageSizeId pageSize);
bool write(const Report &report, const ReportChart *chart, const QString &path, QString *error);

} // namespace ReportPdf
