#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>

#include <functional>

class MainWindow;
class QMenuBar;

// The main window's menu bar, built from a table with one row per action.
// A row names its menu by title; the menus appear in the order their first
// rows do, and each row's action is added to its menu in table order.
// Texts are marked with QT_TRANSLATE_NOOP("MainWindow", ...) and translated
// as the menus are built.
class MainMenus
{
public:
    enum Flag {
        NoFlags = 0,
        // A separator after the action, drawn only when a row follows in the same menu.
        SeparatorAfter = 0x1,
        Disabled = 0x2,
        Hidden = 0x4,
        // Only where QUILLET_DEV is set in the environment.
        DeveloperOnly = 0x8,
    };

    struct Row {
        const char *menu;
        const char *objectName;
        const char *text;
        QKeySequence shortcut = {};
        // Runs on the action's triggered(); none where the action is
        // connected elsewhere or does nothing yet.
        std::function<void(MainWindow *)> handler = {};
        int flags = NoFlags;
        QAction::MenuRole role = QAction::TextHeuristicRole;
        const char *statusTip = nullptr;
    };

    // Adds the rows' menus to bar and their actions, connected to window.
    static void build(QMenuBar *bar, MainWindow *window, const QList<Row> &rows);
};
