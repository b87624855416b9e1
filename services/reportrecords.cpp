#include "services/reportrecords.h"

int Report::columnOf(ColumnType type) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).type == type)
            return i;
    }
    return -1;
}

const ReportChart *Report::chart(const QString &key) const
{
    for (const ReportChart &c : charts) {
        if (c.key == key)
            return &c;
    }
    return nullptr;
}
