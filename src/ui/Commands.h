#pragma once
// Every command of the main window in one table: the menu item, the tool-bar
// button, the tool-tip, the icon, the shortcut and the operation it runs. The
// menus and the tool bar are both built from it, so a command reads the same
// wherever it is started.
#include <QHash>
#include <QKeySequence>
#include <QString>
#include <vector>

class QAction;
class QMenuBar;
class QToolBar;
class frmMain;

struct CommandDef {
    QString id;           // object name of the action, e.g. "mnuEPILISIitem"
    QString menuPath;     // "File" or "File/Export..."; empty: tool bar only
    QString caption;      // the menu item's text
    QString toolKey;      // tool-bar key, e.g. "Epilisi"; empty: menu only
    int toolOrder = 0;    // place on the tool bar (1 = first); 0: not there
    QString toolTip;
    QString icon;         // resource path of the SVG; empty: none
    QKeySequence shortcut;
    void (frmMain::*handler)() = nullptr;   // none yet: shown disabled
    bool checkable = false;                  // a mode that stays on
    bool menuSeparatorBefore = false;
    bool toolSeparatorBefore = false;
};

// The table in menu order.
const std::vector<CommandDef> &commandTable();

struct CommandActions {
    QHash<QString, QAction *> byId;
    QHash<QString, QAction *> byToolKey;
};

// Builds the menus and the tool bar of `window` from the table. Each action
// first lets the window hide its hover markers, then runs its operation.
CommandActions buildCommands(frmMain &window, QMenuBar *menuBar, QToolBar *toolBar);
