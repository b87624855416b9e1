#pragma once

#include <qnamespace.h>

// Column widths, hidden columns and the sort of the register, kept in the
// application's settings store (not the database) under "register/...".
namespace RegisterColumnLayout {

// Default width of a column, scaled up with the font scale above 100 percent.
int defaultWidth(int column);
// Date and Balance are always shown.
bool canHide(int column);

int storedWidth(int column);
bool storedHidden(int column);
void saveWidth(int column, int width);
void saveHidden(int column, bool hidden);

// The stored sort, else Date in the order the "newest first" preference asks for.
int initialSortColumn();
Qt::SortOrder initialSortOrder(bool newestFirst);
void saveSort(int column, Qt::SortOrder order);

// Removes every stored key of the "register" group.
void clear();

} // namespace RegisterColumnLayout
