#include "app/mainmenus.h"

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

void MainMenus::build(QMenuBar *bar, MainWindow *window, const QList<Row> &rows)
{
    const bool developer = !qEnvironmentVariableIsEmpty("QUILLET_DEV");
    QHash<QString, QMenu *> menus;
    QHash<QMenu *, bool> separatorDue;
    for (const Row &row : rows) {
        if ((row.flags & DeveloperOnly) && !developer)
            continue;
        const QString title = QString::fromLatin1(row.menu);
        QMenu *menu = menus.value(title);
        if (!menu) {
            menu = bar->addMenu(translated(row.menu));
            menus.insert(title, menu);
        }
        if (separatorDue.value(menu))
            menu->addSeparator();
        separatorDue.insert(menu, (row.flags & SeparatorAfter) != 0);

        QAction *action = menu->addAction(translated(row.text));
        action->setObjectName(QString::fromLatin1(row.objectName));
        if (!row.shortcut.isEmpty())
            action->setShortcut(row.shortcut);
        if (row.statusTip)
            action->setStatusTip(translated(row.statusTip));
        if (row.role != QAction::TextHeuristicRole)
            action->setMenuRole(row.role);
        if (row.flags & Disabled)
            action->setEnabled(false);
        if (row.flags & Hidden)
            action->setVisible(false);
        if (row.handler)
            QObject::connect(action, &QAction::triggered, window, [window, handler = row.handler] { handler(window); });
    }
}
