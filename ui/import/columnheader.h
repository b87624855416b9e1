#pragma once

#include <QHash>
#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// The small bold heading over a column of the import window's grids.
QLabel *columnHeader(const QString &text, QWidget *parent);

// Takes every item out of the grid and deletes its widget.
void clearGrid(QGridLayout *grid);

// Whether a mapping of sources (source key -> account id or marker) sends
// the rows of at least one source somewhere.
bool anyTarget(const QHash<QString, QString> &mapping);
