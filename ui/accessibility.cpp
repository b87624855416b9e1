#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>

namespace {

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    // Only for the most derived class, so that the toolkit's own interfaces
    // for dialogs, main windows and popups stay as they are.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (widget->windowType() != Qt::Window || qobject_cast<QDialog *>(widget) || qobject_cast<QMainWindow *>(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

namespace Accessibility {

void showFigure(QLabel *label, const QString &caption, const QString &value)
{
    label->setText(value);
    label->setAccessibleName(value.isEmpty() ? caption
                                             : QCoreApplication::translate("Accessibility", "%1: %2").arg(caption, value));
}

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(windowFactory);
}

} // namespace Accessibility
