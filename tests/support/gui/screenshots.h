#pragma once

#include <QString>

class QWidget;

// Widget tests can leave pictures of what they drive for a person to look at:
// with QUILLET_SHOT_DIR set, a widget is saved there in the light and the dark
// palette. Without it nothing is written.
namespace Screenshots {

QString directory();

// Saves w as DIR/name-light.png and DIR/name-dark.png; true when nothing was
// asked for or both were written.
bool saveLightAndDark(QWidget *w, const QString &name);

} // namespace Screenshots
