#pragma once

#include "services/reportrecords.h"

#include <QString>

// Cells of a report as people read them: money with its symbol, dates as the
// register shows them, months as "Mar 2025", shares with one decimal. The
// window's table and the command line print the same texts.
namespace ReportText {

QString cell(const ReportColumn &column, const ReportRow &row, int index);
// Whether the column's texts line up on the right (figures).
bool isFigure(ColumnType type);

} // namespace ReportText
