#include "ui/Commands.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

namespace {

QString icon(const char *name) { return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)); }

std::vector<CommandDef> makeTable()
{
    using M = frmMain;
    std::vector<CommandDef> t;
    auto add = [&t](CommandDef d) { t.push_back(std::move(d)); };

    // File
    add({"mnuNEWitem", "File", "New", "New", 1, "New file", icon("new"),
         QKeySequence(QKeySequence::New), &M::Button_Neo_arxeio});
    add({"mnuOPENitem", "File", "Open", "Open", 2, "Open file", icon("open"),
         QKeySequence(QKeySequence::Open), &M::Button_Anagnosi_Arxeiou});
    add({"mnuSAVEitem", "File", "Save", "Save", 3, "Save file", icon("save"),
         QKeySequence(QKeySequence::Save), &M::Button_Apothikefsi_Arxeiou});
    add({"mnuSAVEASitem", "File", "Save As...", "", 0, "Save the model under a new name",
         icon("save_as"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), &M::Save_As});
    add({"mnuEXPORTCLIPBOARDitem", "File/Export...", "Picture to Clipboard as bitmap", "", 0, "",
         icon("export")});
    add({"mnuEXPORTBMPitem", "File/Export...", "Picture as .bmp file", "", 0, "", ""});
    add({"mnuEXPORTDXFitem", "File/Export...", "Drawing as DXF file", "", 0, "", ""});
    CommandDef exit{"mnuEXITitem", "File", "Exit", "", 0, "Close the program", icon("exit"),
                    QKeySequence(QStringLiteral("Ctrl+Q")), &M::Exit};
    exit.menuSeparatorBefore = true;
    add(exit);

    // Model
    CommandDef ea{"mnuEAitem", "Model", "E,A Element Groups", "EA", 9, "E,A Element Groups",
                  icon("groups")};
    ea.toolSeparatorBefore = true;
    add(ea);
    add({"mnuKOMBOIitem", "Model", "Nodes", "Komboi", 10, "Nodes", icon("nodes")});
    add({"mnuSTOIXEIAitem", "Model", "Elements", "Stoixeia", 11, "Elements", icon("elements")});
    add({"mnuEPIKOMBIAitem", "Model", "Nodal Loads", "Epikombia", 12, "Nodal Loads", icon("loads")});

    // Tools
    add({"mnuMETAKINISIitem", "Tools", "Move nodes", "", 0, "", icon("move_nodes")});
    add({"mnuSIGXONEFSIitem", "Tools", "Merge nodes", "", 0, "", icon("merge_nodes")});
    add({"mnuCOINCNODESitem", "Tools/Check", "Coincident nodes", "", 0, "", ""});
    add({"mnuCOINCELEMENTSitem", "Tools/Check", "Coincident elements", "", 0, "", ""});
    CommandDef analyse{"mnuEPILISIitem", "Tools", "Analyze", "Epilisi", 19, "Analyze",
                       icon("analyse"), {}, &M::Button_Epilisi};
    analyse.menuSeparatorBefore = true;
    analyse.toolSeparatorBefore = true;
    add(analyse);
    add({"mnuCALCULATORitem", "Tools", "Calculator", "", 0, "Start a calculator",
         icon("calculator"), {}, &M::Start_Calculator});

    // View
    CommandDef model{"mnuFOREASitem", "View", "Model", "Foreas", 13, "Draw model", icon("model"),
                     {}, &M::Button_Foreas};
    model.toolSeparatorBefore = true;
    add(model);
    add({"mnuNitem", "View", "[N] Diagram", "N", 14, "Draw [N] Diagram", icon("n_diagram")});
    add({"tbCTitem", "", "", "CT", 15, "Draw Color Diagram", icon("colour_diagram")});
    add({"mnuDEFORMitem", "View", "Deformation", "Deform", 16, "Draw deformed model",
         icon("deformed")});
    add({"mnuANIMATEitem", "View", "Deformation Animation", "Animate", 17, "Deformation Animation",
         icon("animate")});
    CommandDef options{"mnuRITHMISEISitem", "View", "View options", "Rithmiseis", 18,
                       "View options", icon("options")};
    options.toolSeparatorBefore = true;
    add(options);
    CommandDef pan{"mnuXERAKIitem", "View", "Move drawing", "Xeraki", 4, "Move drawing", icon("pan"),
                   {}, &M::Button_Xeraki, true};
    pan.menuSeparatorBefore = true;
    pan.toolSeparatorBefore = true;
    add(pan);
    add({"mnuZOOMitem", "View", "Zoom", "Zoom", 5, "Zoom", icon("zoom"), {}, &M::Button_Zoom, true});
    add({"mnuZOOMWINDOWitem", "View", "Zoom Window", "Zoom_Window", 6, "Zoom Window",
         icon("zoom_window"), {}, &M::Button_Zoom_Window, true});
    add({"mnuZOOMPREVIOUSitem", "View", "Zoom Previous", "Zoom_Previous", 7, "Zoom Previous",
         icon("zoom_previous"), {}, &M::Button_Zoom_Previous});
    add({"mnuZOOMEXTENTSitem", "View", "Zoom Extents", "ZoomBestFit", 8, "Zoom Extents",
         icon("zoom_extents"), {}, &M::Button_Zoom_Best_Fit});
    add({"tbAPOTELESMATAitem", "", "", "Apotelesmata", 20, "Data - Results", icon("results")});

    // Help
    add({"mnuCONTENTSitem", "Help", "Contents", "", 0, "Open the help book", icon("help"),
         QKeySequence(QKeySequence::HelpContents), &M::Help_Contents});
    add({"mnuWEBitem", "Help", "Corvane Kel.2D on the web", "", 0, "", icon("web"), {},
         &M::Help_Web});
    CommandDef about{"mnuABOUTitem", "Help", "About Corvane Kel.2D", "", 0, "", icon("about"), {},
                     &M::Help_About};
    about.menuSeparatorBefore = true;
    add(about);
    return t;
}

QMenu *menuFor(QMenuBar *bar, QHash<QString, QMenu *> &menus, const QString &path)
{
    if (auto it = menus.find(path); it != menus.end())
        return *it;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    QMenu *menu = nullptr;
    if (slash < 0) {
        menu = bar->addMenu(QLatin1Char('&') + path);
    } else {
        menu = menuFor(bar, menus, path.left(slash))->addMenu(path.mid(slash + 1));
    }
    menu->setObjectName(QStringLiteral("menu_") + path);
    menus.insert(path, menu);
    return menu;
}

} // namespace

const std::vector<CommandDef> &commandTable()
{
    static const std::vector<CommandDef> table = makeTable();
    return table;
}

CommandActions buildCommands(frmMain &window, QMenuBar *menuBar, QToolBar *toolBar)
{
    CommandActions out;
    QHash<QString, QMenu *> menus;
    // The menu bar keeps the program's menu order even when a later menu's
    // first item comes earlier in the table.
    for (const char *top : {"File", "Model", "Tools", "View", "Help"})
        menuFor(menuBar, menus, QString::fromLatin1(top));

    std::vector<const CommandDef *> onToolBar;
    for (const CommandDef &def : commandTable()) {
        auto *action = new QAction(def.caption.isEmpty() ? def.toolTip : def.caption, &window);
        action->setObjectName(def.id);
        if (!def.toolTip.isEmpty())
            action->setToolTip(def.toolTip);
        if (!def.icon.isEmpty())
            action->setIcon(QIcon(def.icon));
        if (!def.shortcut.isEmpty())
            action->setShortcut(def.shortcut);
        action->setCheckable(def.checkable);
        action->setEnabled(def.handler != nullptr);
        if (def.handler) {
            const auto handler = def.handler;
            QObject::connect(action, &QAction::triggered, &window, [&window, handler] {
                window.runCommand(handler);
            });
        }
        if (!def.menuPath.isEmpty()) {
            QMenu *menu = menuFor(menuBar, menus, def.menuPath);
            if (def.menuSeparatorBefore && !menu->actions().isEmpty())
                menu->addSeparator();
            menu->addAction(action);
        }
        out.byId.insert(def.id, action);
        if (!def.toolKey.isEmpty()) {
            action->setProperty("toolKey", def.toolKey);
            out.byToolKey.insert(def.toolKey, action);
            onToolBar.push_back(&def);
        }
    }

    std::sort(onToolBar.begin(), onToolBar.end(),
              [](const CommandDef *a, const CommandDef *b) { return a->toolOrder < b->toolOrder; });
    for (const CommandDef *def : onToolBar) {
        if (def->toolSeparatorBefore)
            toolBar->addSeparator();
        toolBar->addAction(out.byId.value(def->id));
    }
    return out;
}
