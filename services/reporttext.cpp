#include "services/reporttext.h"

#include "services/datetext.h"
#include "services/money.h"
#include "services/reportparts.h"

namespace ReportText {

QString cell(const ReportColumn &column, const ReportRow &row, int index)
{
    if (column.type == ColumnType::Currency)
        return Codes::currencyCode(row.currency);
    const QVariant value = row.cells.value(index);
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    switch (column.type) {
    case ColumnType::Date:
        return DateText::formatShort(value.toDate());
    case ColumnType::Month:
        return ReportParts::monthLabel(value.toDate());
    case ColumnType::Money:
        return Money::formatMoney(value.toLongLong(), row.currency);
    case ColumnType::Count:
        return QString::number(value.toLongLong());
    case ColumnType::Percent:
        return QStringLiteral("%1 %").arg(value.toDouble(), 0, 'f', 1);
    case ColumnType::Text:
    case ColumnType::Currency:
        break;
    }
    return value.toString();
}

bool isFigure(ColumnType type)
{
    return type == ColumnType::Money || type == ColumnType::Count || type == ColumnType::Percent;
}

} // namespace ReportText
