#pragma once

#include <QList>
#include <QString>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The parts every self-contained block of the preferences' data page has.
namespace PanelBlock {

// The block's column: its heading (also its accessible name) and a note,
// with the block's own widgets to follow.
QVBoxLayout *begin(QWidget *block, const QString &title, const QString &note);

// A left-aligned row of buttons, in tab order, none of them taking Return
// from the page.
QHBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

} // namespace PanelBlock
