#include "support/gui/modaldriver.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace ModalDriver {

std::shared_ptr<bool> onNextDialog(std::function<void(QDialog *)> act)
{
    auto ran = std::make_shared<bool>(false);
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, ran, tries] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        // Give up after a few seconds rather than poll for ever.
        if (!dialog && ++*tries < 1000)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog) {
            *ran = true;
            act(dialog);
        }
    });
    timer->start();
    return ran;
}

QStringList actionTexts(const QMenu *menu)
{
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *a : actions) {
        if (!a->isSeparator())
            texts.append(a->text());
    }
    return texts;
}

QAction *action(const QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *a : actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace ModalDriver
