#include "ui/Commands.h"
#include "ui/DeferredIcon.h"
#include "ui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <vector>

namespace {

using M = frmMain;

const char *const kMenus[] = {"File",  "File/Export...", "Edit", "Model",
                              "Tools", "Tools/Check",    "View", "Help"};

// clang-format off
const CommandRow kCommands[] = {
    // File
    {.id = "mnuNEWitem", .menu = "File", .caption = "New", .toolKey = "New", .toolPlace = 1,
     .toolTip = "New file", .icon = "new", .standardKey = QKeySequence::New,
     .handler = &M::Button_Neo_arxeio},
    {.id = "mnuOPENitem", .menu = "File", .caption = "Open", .toolKey = "Open", .toolPlace = 2,
     .toolTip = "Open file", .icon = "open", .standardKey = QKeySequence::Open,
     .handler = &M::Button_Anagnosi_Arxeiou},
    {.id = "mnuSAVEitem", .menu = "File", .caption = "Save", .toolKey = "Save", .toolPlace = 3,
     .toolTip = "Save file", .icon = "save", .standardKey = QKeySequence::Save,
     .handler = &M::Button_Apothikefsi_Arxeiou},
    {.id = "mnuSAVEASitem", .menu = "File", .caption = "Save As...",
     .toolTip = "Save the model under a new name", .icon = "save_as", .keys = "Ctrl+Shift+S",
     .handler = &M::saveAs},
    {.id = "mnuEXPORTCLIPBOARDitem", .menu = "File/Export...",
     .caption = "Picture to Clipboard as bitmap", .icon = "export",
     .handler = &M::copyPictureToClipboard},
    {.id = "mnuEXPORTBMPitem", .menu = "File/Export...", .caption = "Picture as .bmp file",
     .handler = &M::savePictureAsBmp},
    {.id = "mnuEXPORTSVGitem", .menu = "File/Export...", .caption = "Picture as .svg file",
     .handler = &M::savePictureAsSvg},
    {.id = "mnuEXPORTPDFitem", .menu = "File/Export...", .caption = "Picture as .pdf file",
     .handler = &M::savePictureAsPdf},
    {.id = "mnuEXPORTDXFitem", .menu = "File/Export...", .caption = "Drawing as DXF file"},
    {.id = "mnuEXITitem", .menu = "File", .caption = "Exit", .toolTip = "Close the program",
     .icon = "exit", .keys = "Ctrl+Q", .handler = &M::exitProgram, .menuSeparatorBefore = true},

    // Edit: the captions name the step while there is one (EditMenu.cpp).
    {.id = "mnuUNDOitem", .menu = "Edit", .caption = "Undo", .toolKey = "Undo", .toolPlace = 4,
     .toolTip = "Undo", .icon = "undo", .standardKey = QKeySequence::Undo,
     .handler = &M::undoEdit, .toolSeparatorBefore = true},
    {.id = "mnuREDOitem", .menu = "Edit", .caption = "Redo", .toolKey = "Redo", .toolPlace = 5,
     .toolTip = "Redo", .icon = "redo", .standardKey = QKeySequence::Redo,
     .keys = "Ctrl+Shift+Z; Ctrl+Y",
     .handler = &M::redoEdit},

    // Model
    {.id = "mnuEAitem", .menu = "Model", .caption = "E,A Element Groups", .toolKey = "EA",
     .toolPlace = 11, .toolTip = "E,A Element Groups", .icon = "groups", .handler = &M::Button_EA,
     .toolSeparatorBefore = true},
    {.id = "mnuKOMBOIitem", .menu = "Model", .caption = "Nodes", .toolKey = "Komboi",
     .toolPlace = 12, .toolTip = "Nodes", .icon = "nodes", .handler = &M::Button_Komboi},
    {.id = "mnuSTOIXEIAitem", .menu = "Model", .caption = "Elements", .toolKey = "Stoixeia",
     .toolPlace = 13, .toolTip = "Elements", .icon = "elements", .handler = &M::Button_Stoixeia},
    {.id = "mnuEPIKOMBIAitem", .menu = "Model", .caption = "Nodal Loads", .toolKey = "Epikombia",
     .toolPlace = 14, .toolTip = "Nodal Loads", .icon = "loads", .handler = &M::Button_Epikombia},

    // Tools
    {.id = "mnuMETAKINISIitem", .menu = "Tools", .caption = "Move nodes", .icon = "move_nodes",
     .handler = &M::moveNodes},
    {.id = "mnuSIGXONEFSIitem", .menu = "Tools", .caption = "Merge nodes", .icon = "merge_nodes",
     .handler = &M::mergeNodes},
    {.id = "mnuCOINCNODESitem", .menu = "Tools/Check", .caption = "Coincident nodes",
     .handler = &M::checkCoincidentNodes},
    {.id = "mnuCOINCELEMENTSitem", .menu = "Tools/Check", .caption = "Coincident elements",
     .handler = &M::checkCoincidentElements},
    {.id = "mnuEPILISIitem", .menu = "Tools", .caption = "Analyze", .toolKey = "Epilisi",
     .toolPlace = 21, .toolTip = "Analyze", .icon = "analyse", .handler = &M::Button_Epilisi,
     .menuSeparatorBefore = true, .toolSeparatorBefore = true},
    {.id = "mnuCALCULATORitem", .menu = "Tools", .caption = "Calculator",
     .toolTip = "Start a calculator", .icon = "calculator", .handler = &M::startCalculator},

    // View
    {.id = "mnuFOREASitem", .menu = "View", .caption = "Model", .toolKey = "Foreas",
     .toolPlace = 15, .toolTip = "Draw model", .icon = "model", .handler = &M::Button_Foreas,
     .toolSeparatorBefore = true},
    {.id = "mnuNitem", .menu = "View", .caption = "[N] Diagram", .toolKey = "N", .toolPlace = 16,
     .toolTip = "Draw [N] Diagram", .icon = "n_diagram", .handler = &M::Button_N},
    {.id = "tbCTitem", .toolKey = "CT", .toolPlace = 17, .toolTip = "Draw Color Diagram",
     .icon = "colour_diagram", .handler = &M::Button_CT},
    {.id = "mnuDEFORMitem", .menu = "View", .caption = "Deformation", .toolKey = "Deform",
     .toolPlace = 18, .toolTip = "Draw deformed model", .icon = "deformed",
     .handler = &M::Button_Deform},
    {.id = "mnuANIMATEitem", .menu = "View", .caption = "Deformation Animation",
     .toolKey = "Animate", .toolPlace = 19, .toolTip = "Deformation Animation", .icon = "animate",
     .handler = &M::Button_animate},
    {.id = "mnuRITHMISEISitem", .menu = "View", .caption = "View options", .toolKey = "Rithmiseis",
     .toolPlace = 20, .toolTip = "View options", .icon = "options",
     .handler = &M::Button_Rithmiseis, .toolSeparatorBefore = true},
    {.id = "mnuXERAKIitem", .menu = "View", .caption = "Move drawing", .toolKey = "Xeraki",
     .toolPlace = 6, .toolTip = "Move drawing", .icon = "pan", .viewMode = ViewMode::Pan,
     .menuSeparatorBefore = true, .toolSeparatorBefore = true},
    {.id = "mnuZOOMitem", .menu = "View", .caption = "Zoom", .toolKey = "Zoom", .toolPlace = 7,
     .toolTip = "Zoom", .icon = "zoom", .viewMode = ViewMode::Zoom},
    {.id = "mnuZOOMWINDOWitem", .menu = "View", .caption = "Zoom Window", .toolKey = "Zoom_Window",
     .toolPlace = 8, .toolTip = "Zoom Window", .icon = "zoom_window",
     .viewMode = ViewMode::ZoomWindow},
    {.id = "mnuZOOMPREVIOUSitem", .menu = "View", .caption = "Zoom Previous",
     .toolKey = "Zoom_Previous", .toolPlace = 9, .toolTip = "Zoom Previous",
     .icon = "zoom_previous", .handler = &M::Button_Zoom_Previous},
    {.id = "mnuZOOMEXTENTSitem", .menu = "View", .caption = "Zoom Extents",
     .toolKey = "ZoomBestFit", .toolPlace = 10, .toolTip = "Zoom Extents", .icon = "zoom_extents",
     .handler = &M::Button_Zoom_Best_Fit},
    {.id = "tbAPOTELESMATAitem", .toolKey = "Apotelesmata", .toolPlace = 22,
     .toolTip = "Data - Results", .icon = "results", .handler = &M::Button_Apotelesmata},

    // Help
    {.id = "mnuCONTENTSitem", .menu = "Help", .caption = "Contents",
     .toolTip = "Open the help book", .icon = "help", .standardKey = QKeySequence::HelpContents,
     .handler = &M::helpContents},
    {.id = "mnuWEBitem", .menu = "Help", .caption = "Corvane Kel.2D on the web", .icon = "web",
     .handler = &M::helpWeb},
    {.id = "mnuABOUTitem", .menu = "Help", .caption = "About Corvane Kel.2D", .icon = "about",
     .handler = &M::helpAbout, .menuSeparatorBefore = true},
};
// clang-format on

// The menu bar's menus, in its order; a sub-menu is made where its first
// item comes, so it sits among its menu's items in table order.
QHash<QString, QMenu *> buildMenuBar(QMenuBar *bar)
{
    QHash<QString, QMenu *> menus;
    for (const char *path : kMenus) {
        const QString p = QString::fromLatin1(path);
        if (p.contains(QLatin1Char('/')))
            continue;
        QMenu *menu = bar->addMenu(QLatin1Char('&') + p);
        menu->setObjectName(QStringLiteral("menu_") + p);
        menus.insert(p, menu);
    }
    return menus;
}

QMenu *menuFor(QHash<QString, QMenu *> &menus, const QString &path)
{
    if (QMenu *menu = menus.value(path))
        return menu;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const bool known = std::any_of(std::begin(kMenus), std::end(kMenus),
                                   [&](const char *m) { return path == QLatin1String(m); });
    QMenu *parent = known && slash > 0 ? menuFor(menus, path.left(slash)) : nullptr;
    if (!parent)
        return nullptr;
    QMenu *menu = parent->addMenu(path.mid(slash + 1));
    menu->setObjectName(QStringLiteral("menu_") + path);
    menus.insert(path, menu);
    return menu;
}

// The platform's main key for the row's standard key, then the row's own
// keys ("Ctrl+Shift+Z; Ctrl+Y"), each once.
QList<QKeySequence> shortcutsOf(const CommandRow &row)
{
    QList<QKeySequence> keys;
    if (row.standardKey != QKeySequence::UnknownKey)
        keys << QKeySequence(row.standardKey);
    for (const QKeySequence &own : QKeySequence::listFromString(QString::fromLatin1(row.keys)))
        if (!own.isEmpty() && !keys.contains(own))
            keys << own;
    return keys;
}

QAction *makeAction(frmMain &window, const CommandRow &row)
{
    const QString caption = QString::fromLatin1(*row.caption ? row.caption : row.toolTip);
    auto *action = new QAction(caption, &window);
    action->setObjectName(QString::fromLatin1(row.id));
    if (*row.toolTip)
        action->setToolTip(QString::fromLatin1(row.toolTip));
    if (*row.icon)
        action->setIcon(deferredIcon(iconPath(row)));
    action->setShortcuts(shortcutsOf(row));
    if (row.viewMode != ViewMode::None) {
        action->setCheckable(true);
        const ViewMode mode = row.viewMode;
        QObject::connect(action, &QAction::toggled, &window,
                         [&window, mode](bool on) { window.viewModeToggled(mode, on); });
    } else if (row.handler) {
        const auto handler = row.handler;
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, handler] { window.runCommand(handler); });
    } else {
        action->setEnabled(false);
    }
    return action;
}

void addToToolBar(QToolBar *toolBar, const CommandRow &row, QAction *action)
{
    if (row.toolSeparatorBefore)
        toolBar->addSeparator();
    toolBar->addAction(action);
    QWidget *button = toolBar->widgetForAction(action);
    // The menu caption alone can mislead on the tool bar ("Model" draws the
    // model there); the tool-tip says what the button does.
    button->setAccessibleName(QString::fromLatin1(row.toolTip));
    // A checkable button can be toggled without a click (the Toggle action
    // of a screen reader); the action follows it so the mode starts or ends.
    if (auto *b = qobject_cast<QAbstractButton *>(button); b && action->isCheckable())
        QObject::connect(b, &QAbstractButton::toggled, action, &QAction::setChecked);
}

} // namespace

std::span<const CommandRow> commandTable() { return kCommands; }
std::span<const char *const> knownMenus() { return kMenus; }

QString iconPath(const CommandRow &row)
{
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.icon));
}

CommandActions buildCommands(frmMain &window, QMenuBar *menuBar, QToolBar *toolBar)
{
    CommandActions out;
    QHash<QString, QMenu *> menus = buildMenuBar(menuBar);
    std::vector<const CommandRow *> onToolBar;
    for (const CommandRow &row : kCommands) {
        QAction *action = makeAction(window, row);
        if (QMenu *menu = menuFor(menus, QString::fromLatin1(row.menu))) {
            if (row.menuSeparatorBefore && !menu->actions().isEmpty())
                menu->addSeparator();
            menu->addAction(action);
        }
        out.byId.insert(action->objectName(), action);
        if (*row.toolKey) {
            action->setProperty("toolKey", QString::fromLatin1(row.toolKey));
            out.byToolKey.insert(QString::fromLatin1(row.toolKey), action);
            onToolBar.push_back(&row);
        }
    }
    std::sort(onToolBar.begin(), onToolBar.end(),
              [](const CommandRow *a, const CommandRow *b) { return a->toolPlace < b->toolPlace; });
    for (const CommandRow *row : onToolBar)
        addToToolBar(toolBar, *row, out.byId.value(QString::fromLatin1(row->id)));
    return out;
}
