#pragma once

#include <QComboBox>

// The category cell editor: its own type so that the register's code and the
// theme can tell it from other combo boxes.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit RegisterComboBox(QWidget *parent = nullptr);
};
