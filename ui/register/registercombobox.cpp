#include "ui/register/registercombobox.h"

RegisterComboBox::RegisterComboBox(QWidget *parent)
    : QComboBox(parent)
{
}
