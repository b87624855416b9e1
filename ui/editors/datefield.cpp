#include "ui/editors/datefield.h"

DateField::DateField(QWidget *parent)
    : DateLineEdit(parent)
{
}

void DateField::userChangedDate(const QDate &)
{
    Q_EMIT dateChanged(date());
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    commitText();
    DateLineEdit::focusOutEvent(event);
}
