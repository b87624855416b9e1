#pragma once

#include <QObject>

class QKeyEvent;
class RegisterScreen;

// The register's keyboard: Enter, Tab and the Ctrl keys typed anywhere in the
// grid or its editors, and moving the current cell. Installed on the
// application by RegisterScreen, it takes the register's own keys before the
// window's shortcuts see them and turns them into the screen's actions.
class RegisterKeys : public QObject
{
public:
    explicit RegisterKeys(RegisterScreen *screen);

    // Moves to the next (or previous) shown column of the current row; past
    // Clr, Enter saves the row and Tab stays.
    void advance(bool forward, bool byEnter);
    // Makes the blank row the current one with an empty edit buffer.
    void goToBlankRow(bool openDateEditor);
    void selectCell(int row, int column, bool openEditor);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isRegisterKey(const QKeyEvent *event) const;
    bool handleKey(QKeyEvent *event);
    void onEnter();
    void startEditingRow();
    void copyFromAbove();

    RegisterScreen *m_screen;
};
