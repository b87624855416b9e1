#pragma once

#include <QLineEdit>

// The register's plain cell editor. Return or Enter while its completer's
// popup is open takes the highlighted completion and stays in the cell, so
// picking a payee never saves or moves on by accident.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
