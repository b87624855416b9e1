#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QMenu;

// Answers the next modal dialog a screen opens with exec(): `act` runs once
// the dialog is up and should accept or reject it. The returned flag turns
// true when it ran, so a test can tell a dialog that never appeared.
namespace ModalDriver {

std::shared_ptr<bool> onNextDialog(std::function<void(QDialog *)> act);

template <typename D>
std::shared_ptr<bool> onNext(std::function<void(D *)> act)
{
    return onNextDialog([act](QDialog *dialog) {
        if (D *typed = qobject_cast<D *>(dialog))
            act(typed);
        else
            dialog->reject();
    });
}

// The texts of a menu's entries, separators left out, and the entry with a text.
QStringList actionTexts(const QMenu *menu);
QAction *action(const QMenu *menu, const QString &text);

} // namespace ModalDriver
