#include "ui/register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        QCompleter *c = completer();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && c && c->popup()
            && c->popup()->isVisible()) {
            const QModelIndex current = c->popup()->currentIndex();
            if (current.isValid()) {
                const QString text = current.data(c->completionRole()).toString();
                if (!text.isEmpty())
                    setText(text);
            }
            c->popup()->hide();
            key->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
