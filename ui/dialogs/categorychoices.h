#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CategoryRepository;
class QComboBox;
class QCompleter;
class QLineEdit;

// One entry of a category picker: the category id (empty for no category)
// and the text shown for it.
struct CategoryChoice {
    QString id;
    QString label;
};

// The category pickers of the dialogs: "(none)" first, then every live
// category in name order, a child shown as "Parent > Child".
namespace CategoryChoices {

QList<CategoryChoice> load(CategoryRepository *categories);

// Fills an editable combo box with choices (item data = id) that never
// inserts typed text and completes case-insensitively anywhere in the labels;
// accepting a completion selects that item.
void setUp(QComboBox *box, const QList<CategoryChoice> &choices);

// The id of the item whose text is exactly the box's text; empty when none.
QString idOfText(const QComboBox *box);
// Selects the item with that id ("(none)" when not found).
void selectId(QComboBox *box, const QString &id);

// A case-insensitive "contains" popup completer for a payee line edit.
QCompleter *attachPayeeCompleter(QLineEdit *edit, const QStringList &payees);

} // namespace CategoryChoices
