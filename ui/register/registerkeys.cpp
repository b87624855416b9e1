#include "ui/register/registerkeys.h"

#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

Qt::KeyboardModifiers modifiersOf(const QKeyEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

// The line the key goes to: a line edit itself or the one inside a combo box.
QLineEdit *lineOf(QObject *target)
{
    if (auto *line = qobject_cast<QLineEdit *>(target))
        return line;
    if (auto *combo = qobject_cast<QComboBox *>(target))
        return combo->lineEdit();
    return nullptr;
}

} // namespace

RegisterKeys::RegisterKeys(RegisterScreen *screen)
    : m_screen(screen)
{
}

bool RegisterKeys::eventFilter(QObject *watched, QEvent *event)
{
    RegisterTableView *table = m_screen->table();
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !(widget == table || table->isAncestorOf(widget)))
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!isRegisterKey(key))
        return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // The register's own keys win over window shortcuts while it has focus.
        event->accept();
        return true;
    }
    return handleKey(key);
}

bool RegisterKeys::isRegisterKey(const QKeyEvent *event) const
{
    const Qt::KeyboardModifiers mods = modifiersOf(event);
    const int key = event->key();
    if (isEnter(key))
        return mods == Qt::NoModifier || mods == Qt::ControlModifier || mods == Qt::AltModifier;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return !(mods & (Qt::ControlModifier | Qt::AltModifier));
    if (mods == Qt::ControlModifier)
        return key == Qt::Key_D || key == Qt::Key_I || key == Qt::Key_N || key == Qt::Key_E || key == Qt::Key_M;
    if (key == Qt::Key_Apostrophe && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        // Inside a field that already holds typed text the apostrophe is just a
        // character ("Joe's Diner"); it copies from above only where the text
        // would be replaced anyway: an empty or wholly selected field.
        const QLineEdit *line = lineOf(QApplication::focusWidget());
        if (!line || !m_screen->table()->activeEditor())
            return true;
        return line->text().isEmpty() || line->selectedText() == line->text();
    }
    return false;
}

bool RegisterKeys::handleKey(QKeyEvent *event)
{
    RegisterTableView *table = m_screen->table();
    RegisterModel *model = m_screen->model();
    const Qt::KeyboardModifiers mods = modifiersOf(event);
    const int key = event->key();
    const QModelIndex current = table->currentIndex();
    const bool onBlank = current.isValid() && model->isBlankRow(current.row());

    if (isEnter(key)) {
        if (mods == Qt::ControlModifier)
            m_screen->commitCurrentRow();
        else if (mods == Qt::AltModifier)
            m_screen->showCurrentDetails();
        else
            onEnter();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool forward = key == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
        // Within the two-line payee editor Tab goes from the payee to the memo line.
        QWidget *focus = QApplication::focusWidget();
        QWidget *pair = focus ? focus->parentWidget() : nullptr;
        if (pair && pair->objectName() == QLatin1String("PayeeMemoEditor")) {
            QWidget *payee = pair->findChild<QWidget *>(QStringLiteral("payeeEdit"));
            QWidget *memo = pair->findChild<QWidget *>(QStringLiteral("memoEdit"));
            if (forward && focus == payee && memo) {
                m_screen->delegate()->quickFill(qobject_cast<QLineEdit *>(payee)->text(),
                                                qobject_cast<QLineEdit *>(memo));
                memo->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (!forward && focus == memo && payee) {
                payee->setFocus(Qt::BacktabFocusReason);
                return true;
            }
        }
        advance(forward, false);
        return true;
    }
    if (key == Qt::Key_Apostrophe) {
        copyFromAbove();
        return true;
    }
    switch (key) {
    case Qt::Key_D:
        if (onBlank) {
            table->commitAndCloseEditor();
            model->resetEditBuffer();
            m_screen->showMessage(RegisterScreen::tr("Fields cleared"), 3000);
        } else {
            m_screen->deleteCurrentRow();
        }
        return true;
    case Qt::Key_I:
        m_screen->insertNewRow();
        return true;
    case Qt::Key_N:
        m_screen->newTransactionDialog();
        return true;
    case Qt::Key_E:
        if (onBlank)
            m_screen->editNewRowInDialog();
        else
            m_screen->editCurrentInDialog();
        return true;
    case Qt::Key_M:
        m_screen->memorizeCurrentRow();
        return true;
    default:
        return false;
    }
}

void RegisterKeys::onEnter()
{
    RegisterTableView *table = m_screen->table();
    if (table->activeEditor()) {
        advance(true, true);
        return;
    }
    const QModelIndex current = table->currentIndex();
    if (!current.isValid())
        return;
    const RegisterEntry *entry = m_screen->model()->entryAt(current.row());
    if (entry && entry->isOpeningBalance) {
        m_screen->showMessage(RegisterScreen::tr("The opening balance is the account's starting balance"), 3000);
        return;
    }
    const int column = current.column();
    const bool splitCell = entry && entry->transaction.isSplit
        && (column == RegisterModel::Category || column == RegisterModel::Payment || column == RegisterModel::Deposit);
    if (splitCell || column == RegisterModel::Balance) {
        startEditingRow();
        advance(true, true);
        return;
    }
    startEditingRow();
    table->openEditor(current);
}

void RegisterKeys::copyFromAbove()
{
    RegisterTableView *table = m_screen->table();
    RegisterModel *model = m_screen->model();
    const QModelIndex current = table->currentIndex();
    if (!current.isValid() || !model->isCellEditable(current.row(), current.column()))
        return;
    const RegisterEntry *above = model->entryAt(current.row() - 1);
    if (!above)
        return;

    // In the two-line editor the memo line copies the memo.
    QWidget *focus = QApplication::focusWidget();
    const bool memoLine = focus && focus->objectName() == QLatin1String("memoEdit");
    const int column = memoLine ? int(RegisterModel::Memo) : current.column();
    if (column == RegisterModel::Category && above->transaction.isSplit)
        return;
    const QString text = model->entryText(*above, column);
    model->setBufferText(column, text);
    if (column == RegisterModel::Category)
        model->setBufferCategoryId(above->transaction.categoryId);

    QWidget *editor = table->activeEditor();
    if (!editor)
        return;
    QLineEdit *line = qobject_cast<QLineEdit *>(editor);
    if (editor->objectName() == QLatin1String("PayeeMemoEditor"))
        line = editor->findChild<QLineEdit *>(memoLine ? QStringLiteral("memoEdit") : QStringLiteral("payeeEdit"));
    if (line && !line->inherits("DateLineEdit")) {
        line->setText(text);
        return;
    }
    // The date and category editors read the buffer the way they always do.
    m_screen->delegate()->setEditorData(editor, current);
    if (QLineEdit *typed = lineOf(editor)) {
        typed->deselect();
        typed->end(false);
    }
}

void RegisterKeys::startEditingRow()
{
    RegisterModel *model = m_screen->model();
    const QModelIndex current = m_screen->table()->currentIndex();
    if (!current.isValid())
        return;
    if (current.row() != model->editingRow())
        model->beginEditingRow(current.row());
}

void RegisterKeys::advance(bool forward, bool byEnter)
{
    RegisterTableView *table = m_screen->table();
    table->commitAndCloseEditor();
    const QModelIndex current = table->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    int column = current.column();
    for (;;) {
        column += forward ? 1 : -1;
        if (column < 0)
            return;  // nothing before Date
        if (column > RegisterModel::Cleared) {
            if (byEnter)
                m_screen->commitCurrentRow();
            else if (current.column() <= RegisterModel::Cleared)
                table->openEditor(current);  // Tab stops at Clr
            return;
        }
        if (!table->isColumnHidden(column))
            break;
    }
    selectCell(row, column, true);
}

void RegisterKeys::goToBlankRow(bool openDateEditor)
{
    RegisterModel *model = m_screen->model();
    m_screen->table()->commitAndCloseEditor();
    model->setEditingRow(-1);
    model->resetEditBuffer();
    selectCell(model->blankRow(), RegisterModel::Date, openDateEditor);
}

void RegisterKeys::selectCell(int row, int column, bool openEditor)
{
    RegisterTableView *table = m_screen->table();
    const QModelIndex index = m_screen->model()->index(row, column);
    if (!index.isValid())
        return;
    table->setCurrentIndex(index);
    table->scrollTo(index);
    if (openEditor)
        table->openEditor(index);
}
