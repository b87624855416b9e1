#include "ui/register/registermenus.h"

#include "ui/register/registercolumns.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QHeaderView>
#include <QMenu>

RegisterMenus::RegisterMenus(RegisterScreen *screen, RegisterColumns *columns)
    : m_screen(screen)
    , m_columns(columns)
{
}

QMenu *RegisterMenus::createContextMenu(const QModelIndex &index)
{
    RegisterScreen *screen = m_screen;
    auto *menu = new QMenu(screen);
    const auto add = [screen, menu](const QString &text, const QKeySequence &keys, void (RegisterScreen::*slot)()) {
        QAction *action = menu->addAction(text, screen, slot);
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        return action;
    };
    const RegisterEntry *entry = screen->model()->entryAt(index.row());
    // A register shared with the user to view offers only a look at a row.
    if (screen->isViewOnly()) {
        if (entry && !entry->isOpeningBalance)
            add(RegisterScreen::tr("Show &Details..."), QKeySequence(Qt::ALT | Qt::Key_Return),
                &RegisterScreen::showCurrentDetails);
        return menu;
    }
    add(RegisterScreen::tr("&Insert New"), QKeySequence(Qt::CTRL | Qt::Key_I), &RegisterScreen::insertNewRow);
    add(RegisterScreen::tr("&New Transaction..."), QKeySequence::New, &RegisterScreen::newTransactionDialog);
    if (!entry) {
        add(RegisterScreen::tr("&Edit in Dialog..."), QKeySequence(Qt::CTRL | Qt::Key_E),
            &RegisterScreen::editNewRowInDialog);
        return menu;
    }
    if (entry->isOpeningBalance)
        return menu;
    menu->addSeparator();
    add(RegisterScreen::tr("&Edit in Dialog..."), QKeySequence(Qt::CTRL | Qt::Key_E),
        &RegisterScreen::editCurrentInDialog);
    add(RegisterScreen::tr("Show &Details..."), QKeySequence(Qt::ALT | Qt::Key_Return),
        &RegisterScreen::showCurrentDetails);
    add(entry->transaction.isSplit ? RegisterScreen::tr("Edit &Splits...")
                                   : RegisterScreen::tr("&Split Transaction..."),
        QKeySequence(), &RegisterScreen::editCurrentSplits);
    add(entry->transaction.cleared ? RegisterScreen::tr("Mark &Uncleared") : RegisterScreen::tr("Mark &Cleared"),
        QKeySequence(), &RegisterScreen::toggleCurrentCleared);
    add(RegisterScreen::tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D), &RegisterScreen::deleteCurrentRow);
    return menu;
}

void RegisterMenus::showContextMenu(const QPoint &pos)
{
    RegisterTableView *table = m_screen->table();
    const QModelIndex index = table->indexAt(pos);
    if (!index.isValid())
        return;
    table->commitAndCloseEditor();
    if (index != table->currentIndex())
        table->setCurrentIndex(index);
    QMenu *menu = createContextMenu(index);
    menu->exec(table->viewport()->mapToGlobal(pos));
    menu->deleteLater();
}

QMenu *RegisterMenus::createHeaderMenu()
{
    return m_columns->createHeaderMenu(m_screen);
}

void RegisterMenus::showHeaderMenu(const QPoint &pos)
{
    QMenu *menu = createHeaderMenu();
    menu->exec(m_screen->table()->horizontalHeader()->mapToGlobal(pos));
    menu->deleteLater();
}
