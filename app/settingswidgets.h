#pragma once

#include <QString>

class QCheckBox;
class QFormLayout;
class QLayout;
class QVBoxLayout;
class QWidget;

// The card-like groups, notes and rows the preference pages are made of.
namespace SettingsWidgets {

QWidget *scrollPage(QWidget *content, const QString &name);
// The column of groups a new page is laid out in.
QVBoxLayout *pageLayout(QWidget *page);
// A titled group with an optional note; returns the form inside it.
QFormLayout *group(QVBoxLayout *page, const QString &title, const QString &note);
void pageNote(QVBoxLayout *page, const QString &text);
// Wraps a self-contained block (its own heading and buttons) in a card.
void addCard(QVBoxLayout *page, QWidget *block);
// A labelled row whose label is the field's buddy (and accessible name).
void addRow(QFormLayout *form, const QString &label, QWidget *field);
void addCheck(QFormLayout *form, QCheckBox *box, const QString &note);
void restyle(QWidget *root, bool dark);

} // namespace SettingsWidgets
