#pragma once

#include "ui/editors/datelineedit.h"

// The register's date cell editor. Starts at today; single keys move the date
// (see DateKeys) and F4 / Alt+Down open the calendar.
class SmartDateEdit : public DateLineEdit
{
    Q_OBJECT
public:
    explicit SmartDateEdit(QWidget *parent = nullptr);
};
