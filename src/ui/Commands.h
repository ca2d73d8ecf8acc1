#pragma once
// Every command of the main window in one table: the menu item, the tool-bar
// button, the tool-tip, the icon, the shortcut and the operation it runs. The
// menus and the tool bar are both built from it, so a command reads the same
// wherever it is started. A command that is not built yet has no handler and
// shows disabled; giving its row the handler switches it on.
#include "drawing/ViewGestures.h"

#include <QHash>
#include <QKeySequence>
#include <QString>
#include <span>

class QAction;
class QMenuBar;
class QToolBar;
class frmMain;

struct CommandRow {
    const char *id;           // object name of the action, e.g. "mnuEPILISIitem"
    const char *menu = "";    // one of knownMenus(); "": tool bar only
    const char *caption = ""; // the menu item's text
    const char *toolKey = ""; // tool-bar key, e.g. "Epilisi"; "": menu only
    int toolPlace = 0;        // place on the tool bar, 1 = first
    const char *toolTip = ""; // also the tool-bar button's accessible name
    const char *icon = "";    // picture in :/icons/ without ".svg"; "": none
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    const char *keys = ""; // shortcuts where no standard key fits, or beside it ("A; B")
    void (frmMain::*handler)() = nullptr;
    ViewMode viewMode = ViewMode::None; // the switch of a view mode: checkable
    bool menuSeparatorBefore = false;
    bool toolSeparatorBefore = false;
};

// The table in menu order.
std::span<const CommandRow> commandTable();
// Menu paths in menu-bar order, each sub-menu after its menu ("File/Export...").
std::span<const char *const> knownMenus();
QString iconPath(const CommandRow &row);

struct CommandActions {
    QHash<QString, QAction *> byId;
    QHash<QString, QAction *> byToolKey;
};

// Builds the menus and the tool bar of `window` from the table. A handler's
// action lets the window hide its hover markers, then runs the handler; a view
// mode's action starts and ends the mode on its checked state, whichever way
// it was toggled (click, key, or assistive technology on the tool-bar button).
CommandActions buildCommands(frmMain &window, QMenuBar *menuBar, QToolBar *toolBar);
