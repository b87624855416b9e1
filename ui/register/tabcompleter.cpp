#include "ui/register/tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

TabCompleter::TabCompleter(const QStringList &items, QObject *parent)
    : QCompleter(items, parent)
{
    configure();
}

TabCompleter::TabCompleter(QAbstractItemModel *model, QObject *parent)
    : QCompleter(model, parent)
{
    configure();
}

void TabCompleter::configure()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && popup() && popup()->isVisible()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!control && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            acceptAndMove(forward);
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & Qt::ControlModifier)) {
            // Take the completion, then let the key go on to the editor,
            // where the register saves the row.
            acceptCompletion();
            if (QWidget *target = widget()) {
                QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(target, &again);
            }
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

bool TabCompleter::acceptCompletion()
{
    QWidget *target = widget();
    QModelIndex current = popup()->currentIndex();
    // Nothing highlighted: the first completion is what the popup offers.
    if (!current.isValid())
        current = completionModel()->index(0, completionColumn());
    const QString text = current.isValid() ? current.data(completionRole()).toString() : QString();
    if (!text.isEmpty()) {
        // A combo box's completer sits on its line edit.
        auto *combo = qobject_cast<QComboBox *>(target);
        if (!combo && target)
            combo = qobject_cast<QComboBox *>(target->parentWidget());
        if (combo) {
            const int found = combo->findText(text, Qt::MatchFixedString);
            if (found >= 0)
                combo->setCurrentIndex(found);
            else
                combo->setCurrentText(text);
        } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
            line->setText(text);
        }
        Q_EMIT activated(text);
    }
    popup()->hide();
    return !text.isEmpty();
}

void TabCompleter::acceptAndMove(bool forward)
{
    acceptCompletion();
    QWidget *target = widget();
    if (!target)
        return;

    // The two-line payee editor: the memo line is the next stop inside the cell.
    if (QWidget *pair = target->parentWidget(); pair && pair->objectName() == QLatin1String("PayeeMemoEditor")) {
        if (forward) {
            if (QWidget *memo = pair->findChild<QWidget *>(QStringLiteral("memoEdit"))) {
                memo->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }

    // The cell editor is the child of the view's viewport that holds the widget.
    QWidget *editor = target;
    QAbstractItemView *view = nullptr;
    for (QWidget *w = target; w; w = w->parentWidget()) {
        QWidget *parent = w->parentWidget();
        if (parent && (view = qobject_cast<QAbstractItemView *>(parent->parentWidget()))
            && parent == view->viewport()) {
            editor = w;
            break;
        }
        view = nullptr;
    }
    if (!view)
        return;
    QAbstractItemDelegate *delegate = view->itemDelegateForIndex(view->currentIndex());
    if (!delegate)
        return;
    Q_EMIT delegate->commitData(editor);
    Q_EMIT delegate->closeEditor(editor, forward ? QAbstractItemDelegate::EditNextItem
                                                 : QAbstractItemDelegate::EditPreviousItem);
}
