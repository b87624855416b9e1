#pragma once

#include "data/records.h"

#include <QList>
#include <QVector>

// The register's stable sort. Rows compare by the column's key; equal keys put
// the newer date first in either direction, and rows equal in both keep their
// chronological order, so sorting again never reshuffles anything.
namespace RegisterSort {

// The view order of entries (given chronologically) as indexes into them.
QVector<int> order(const QList<RegisterEntry> &entries, int column, Qt::SortOrder sortOrder);

} // namespace RegisterSort
