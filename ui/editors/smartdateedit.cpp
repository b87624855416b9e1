#include "ui/editors/smartdateedit.h"

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : DateLineEdit(parent)
{
}
