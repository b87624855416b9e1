#pragma once

#include <qnamespace.h>

// Column widths, hidden columns and the sort of the register, kept in the
// application's settings store (not the database) under "register/...".
namespace RegisterColumnLayout {

// Date and Balance are always shown.
bool canHide(int column);

// The width the user gave the column by dragging its edge; 0 when none.
int userWidth(int column);
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
