#pragma once

class QMenu;
class QModelIndex;
class QPoint;
class RegisterColumns;
class RegisterScreen;

// The menus the right mouse button opens on the register: a row's actions
// (each showing the key that does the same) and the header's column choices.
class RegisterMenus
{
public:
    RegisterMenus(RegisterScreen *screen, RegisterColumns *columns);

    // The menus themselves; the caller owns them.
    QMenu *createContextMenu(const QModelIndex &index);
    QMenu *createHeaderMenu();

    // Opens the row's menu at pos in the grid's viewport, making the row current.
    void showContextMenu(const QPoint &pos);
    // Opens the header menu at pos in the header.
    void showHeaderMenu(const QPoint &pos);

private:
    RegisterScreen *m_screen;
    RegisterColumns *m_columns;
};
