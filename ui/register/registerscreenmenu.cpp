#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/preferencesrepository.h"
#include "ui/register/registercolumnlayout.h"
#include "ui/register/registercolumns.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"

#include <QHeaderView>
#include <QMenu>

QMenu *RegisterScreen::createContextMenu(const QModelIndex &index)
{
    auto *menu = new QMenu(this);
    const auto add = [this, menu](const QString &text, const QKeySequence &keys, void (RegisterScreen::*slot)()) {
        QAction *action = menu->addAction(text, this, slot);
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        return action;
    };
    add(tr("&Insert New"), QKeySequence(Qt::CTRL | Qt::Key_I), &RegisterScreen::insertNewRow);
    add(tr("&New Transaction..."), QKeySequence::New, &RegisterScreen::newTransactionDialog);
    const RegisterEntry *entry = m_model->entryAt(index.row());
    if (!entry) {
        add(tr("&Edit in Dialog..."), QKeySequence(Qt::CTRL | Qt::Key_E), &RegisterScreen::editNewRowInDialog);
        return menu;
    }
    if (entry->isOpeningBalance)
        return menu;
    menu->addSeparator();
    add(tr("&Edit in Dialog..."), QKeySequence(Qt::CTRL | Qt::Key_E), &RegisterScreen::editCurrentInDialog);
    add(tr("Show &Details..."), QKeySequence(Qt::ALT | Qt::Key_Return), &RegisterScreen::showCurrentDetails);
    add(entry->transaction.isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."), QKeySequence(),
        &RegisterScreen::editCurrentSplits);
    add(entry->transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"), QKeySequence(),
        &RegisterScreen::toggleCurrentCleared);
    add(tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D), &RegisterScreen::deleteCurrentRow);
    return menu;
}

void RegisterScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_table->indexAt(pos);
    if (!index.isValid())
        return;
    m_table->commitAndCloseEditor();
    if (index != m_table->currentIndex())
        m_table->setCurrentIndex(index);
    QMenu *menu = createContextMenu(index);
    menu->exec(m_table->viewport()->mapToGlobal(pos));
    menu->deleteLater();
}

QMenu *RegisterScreen::createHeaderMenu()
{
    return m_columns->createHeaderMenu(this);
}

void RegisterScreen::showHeaderContextMenu(const QPoint &pos)
{
    QMenu *menu = createHeaderMenu();
    menu->exec(m_table->horizontalHeader()->mapToGlobal(pos));
    menu->deleteLater();
}

void RegisterScreen::resetColumnLayout()
{
    m_columns->reset();  // applies the default sort through wasReset
}

void RegisterScreen::applyColumnLayout()
{
    m_columns->apply();
    int sortColumn = RegisterColumnLayout::initialSortColumn();
    const bool newestFirst = m_state->preferences()->getBool(QStringLiteral("registerNewestFirst"), true);
    const Qt::SortOrder order = RegisterColumnLayout::initialSortOrder(newestFirst);
    if (sortColumn < 0)
        sortColumn = RegisterModel::Date;
    m_applyingSort = true;
    m_table->sortByColumn(sortColumn, order);
    m_applyingSort = false;
}

void RegisterScreen::rememberCurrentForSort()
{
    if (m_loading)
        return;
    const QModelIndex current = m_table->currentIndex();
    const RegisterEntry *entry = current.isValid() ? m_model->entryAt(current.row()) : nullptr;
    m_sortAnchor.transactionId = entry ? entry->transaction.id : QString();
    m_sortAnchor.blank = !current.isValid() || m_model->isBlankRow(current.row());
    m_sortAnchor.row = current.row();
    m_sortAnchor.column = current.isValid() ? current.column() : int(RegisterModel::Date);
}

void RegisterScreen::onSortChanged(int column, Qt::SortOrder order)
{
    if (!m_applyingSort)
        RegisterColumnLayout::saveSort(column, order);
    int row = m_sortAnchor.transactionId.isEmpty() ? -1 : m_model->rowOfTransaction(m_sortAnchor.transactionId);
    if (row < 0)
        row = m_sortAnchor.blank ? m_model->blankRow() : std::min(m_sortAnchor.row, m_model->rowCount() - 1);
    selectCell(row, m_sortAnchor.column, false);
}
