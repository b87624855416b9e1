#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// The small bold heading over a column of the import window's grids.
QLabel *columnHeader(const QString &text, QWidget *parent);

// Takes every item out of the grid and deletes its widget.
void clearGrid(QGridLayout *grid);
