#pragma once

#include "ui/editors/datelineedit.h"

// The dialogs' date field: the register's date keys and calendar, plus
// dateChanged whenever the user moves the date. Typed text is read when the
// field loses focus.
class DateField : public DateLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

Q_SIGNALS:
    void dateChanged(const QDate &date);

protected:
    void userChangedDate(const QDate &previous) override;
    void focusOutEvent(QFocusEvent *event) override;
};
