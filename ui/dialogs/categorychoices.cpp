#include "ui/dialogs/categorychoices.h"

#include "data/categoryrepository.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>

namespace CategoryChoices {

QList<CategoryChoice> load(CategoryRepository *categories)
{
    const QList<Category> all = categories->list();
    QHash<QString, QString> nameById;
    for (const Category &c : all)
        nameById.insert(c.id, c.name);

    QList<CategoryChoice> choices;
    choices.reserve(all.size() + 1);
    choices.append({QString(), QCoreApplication::translate("CategoryChoices", "(none)")});
    for (const Category &c : all) {
        const QString parent = c.parentId.isEmpty() ? QString() : nameById.value(c.parentId);
        choices.append({c.id, parent.isEmpty() ? c.name : QStringLiteral("%1 > %2").arg(parent, c.name)});
    }
    return choices;
}

void setUp(QComboBox *box, const QList<CategoryChoice> &choices)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const CategoryChoice &choice : choices)
        box->addItem(choice.label, choice.id);

    auto *completer = new QCompleter(box->model(), box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->setCompleter(completer);
    QObject::connect(completer, qOverload<const QString &>(&QCompleter::activated), box, [box](const QString &text) {
        const int row = box->findText(text, Qt::MatchFixedString);
        if (row >= 0)
            box->setCurrentIndex(row);
    });
}

QString idOfText(const QComboBox *box)
{
    const int row = box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return row < 0 ? QString() : box->itemData(row).toString();
}

void selectId(QComboBox *box, const QString &id)
{
    const int row = box->findData(id);
    box->setCurrentIndex(row < 0 ? 0 : row);
}

QCompleter *attachPayeeCompleter(QLineEdit *edit, const QStringList &payees)
{
    auto *completer = new QCompleter(payees, edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    edit->setCompleter(completer);
    return completer;
}

} // namespace CategoryChoices
