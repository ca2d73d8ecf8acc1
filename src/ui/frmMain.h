#pragma once
// The main window: menus, tool bar, drawing area, message log and status
// bar. It owns the Workspace for the whole run and carries out the program's
// commands; the computations live in the core and are called from here. The
// command handlers are defined by menu in src/ui/commands/.
#include "analysis/FreeMotions.h"
#include "common/MainWindowHooks.h"
#include "drawing/ViewGestures.h"
#include "model/EditForms.h"
#include "ui/Commands.h"
#include "workspace/Workspace.h"

#include <QMainWindow>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class AnimationPlayer;
class Canvas;
class ColourLegendPanel;
class DrawingArea;
class LogView;
class MainStatusBar;
class ModelMouseTool;
class PlatformServices;
class QMenu;
class QToolBar;
class QToolButton;
class ResultViewControls;
class SettingsStore;
class UndoRecorder;
class UserPrompts;
enum class PictureFormat;
enum class Quantity;
enum class ScaleStep;

struct frmMainOptions {
    QString settingsPath;                 // empty: the user's settings store
    UserPrompts *prompts = nullptr;       // null: Qt message boxes and dialogs
    PlatformServices *services = nullptr; // null: the desktop
    QString commandLine;                  // a model file to open, may be empty
    QString helpFallbackDir;              // help book of an uninstalled build
    QString desktopRecentList;            // empty: the desktop's recently-used.xbel
};

class frmMain : public QMainWindow, private MainWindowHooks {
    Q_OBJECT
public:
    explicit frmMain(const frmMainOptions &options = {}, QWidget *parent = nullptr);
    ~frmMain() override;

    static QString versionString(); // "1.0"
    static QString description();   // what the program is, for the greeting and About
    static QString webAddress();

    // The public operations behind the commands.
    // File (commands/FileMenu.cpp)
    void Button_Neo_arxeio();
    void Button_Anagnosi_Arxeiou();
    void Button_Apothikefsi_Arxeiou();
    void saveAs();
    void exitProgram();
    // Open with the file named (empty: the open dialog asks): the offer to
    // save first, then the file is read.
    void openModelFile(const QString &file);
    // Edit (commands/EditMenu.cpp): the model's edit steps undone and redone.
    void undoEdit();
    void redoEdit();
    UndoRecorder &undoHistory() { return *m_undo; }

    // View (commands/ViewMenu.cpp)
    void Button_Xeraki();
    void Button_Zoom();
    void Button_Zoom_Window();
    void Button_Zoom_Previous();
    void Button_Zoom_Best_Fit();
    void Button_Foreas();
    void Reset_Pointer();
    // Tools (commands/ToolsMenu.cpp)
    void Button_Epilisi();
    void startCalculator();
    // Model, and the Tools menu's move, merge and checks
    // (commands/ModelMenu.cpp). The nodes, elements and loads dialogs open
    // on a given node or element for the drawing area's item menu; 0 opens
    // them as the menu does.
    void Button_EA();
    void Button_Komboi();
    void Button_Komboi(int node);
    void Button_Stoixeia();
    void Button_Stoixeia(int element);
    void Button_Epikombia();
    void Button_Epikombia(int node);
    void moveNodes();
    void mergeNodes();
    void checkCoincidentNodes();
    void checkCoincidentElements();
    // What an editing dialog's action asks of the window: back to the model
    // drawing, the diagram quantity buttons hidden, a redraw.
    void carryOutEdit(const EditEffects &effects);
    // View options (commands/OptionsCommands.cpp)
    void Button_Rithmiseis();
    // After the View options dialog changed the settings: colours, status
    // switches and the drawing follow them.
    void viewOptionsApplied();
    // Data and results window (commands/ResultsWindowCommands.cpp)
    void Button_Apotelesmata();
    // Help (commands/HelpMenu.cpp)
    void helpContents();
    void helpWeb();
    void helpAbout();

    // Result views and the deformation animation
    // (commands/ResultViewCommands.cpp)
    void Button_N();
    void Button_CT();
    void Button_Deform();
    void Button_animate();
    void cmdPLUS();
    void cmdMINUS();
    // A quantity option button: the diagrams show q.
    void chooseQuantity(Quantity q);
    // Starts the animation of drawing mode 4, which then plays on the event
    // loop until it stops and the still deformed model replaces it.
    void RunDeformationAnimation();
    bool isDeformationAnimationPlaying() const;
    ResultViewControls *resultViewControls() const { return m_resultControls; }
    ColourLegendPanel *colourLegend() const { return m_colourLegend; }
    AnimationPlayer *deformationAnimation() const { return m_animation; }
    // Picture export (commands/PictureExportCommands.cpp)
    void copyPictureToClipboard();
    void savePictureAsBmp();
    void savePictureAsSvg();
    void savePictureAsPdf();
    // Recent files and dropped model files (commands/RecentFilesMenu.cpp)
    // A file chosen from "Recent files": opened, or, when it is gone, told
    // and taken off the list.
    void openRecentFile(const QString &file);
    // A model file was opened or saved under this name: first in "Recent
    // files" and in the desktop's list of recent documents.
    void rememberFile(const QString &file);
    QMenu *recentFilesMenu() const { return m_recentMenu; }

    // Clears the running flag of the deformation animation; the animation
    // stops at its next check point.
    void stopDeformationAnimation() { m_animationRunning = false; }

    void Ask_Reanalyse();
    void Apply_View_Colours();
    void RedrawDrawingArea();
    void QuickRedraw();

    // Runs a command the way the menus and the tool bar do.
    void runCommand(void (frmMain::*handler)());
    // A view mode's tool-bar button, menu item or zoom-menu item was
    // checked or unchecked.
    void viewModeToggled(ViewMode mode, bool on);
    void setViewMode(ViewMode mode);
    ViewMode viewMode() const { return m_gestures.mode(); }

    // The model definition with the mouse, when it is built; not owned.
    void setModelMouseTool(ModelMouseTool *tool) { m_mouseTool = tool; }

    void setLogShown(bool shown);
    bool isLogShown() const;

    // For the tests and for later commands.
    Workspace &workspace() { return m_ws; }
    DrawingArea *drawingArea() const { return m_area; }
    LogView *logView() const { return m_log; }
    QToolButton *infoButton() const { return m_infoButton; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *action(const QString &id) const { return m_commands.byId.value(id); }
    QAction *toolAction(const QString &key) const { return m_commands.byToolKey.value(key); }
    MainStatusBar *statusPanels() const { return m_status; }
    QMenu *zoomMenu() const { return m_zoomMenu; }
    QString helpBookPath() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // MainWindowHooks
    void setCaption(const QString &caption) override;
    void setAnalyseEnabled(bool enabled) override;
    void setBusy(bool busy) override;
    void repaintLog() override;

    void buildWindow();
    QLayout *buildLogRow(QWidget *central);
    void buildZoomMenu();
    void writeGreeting();
    void openCommandLineModel();

    void returnToModelMode();
    void updateModeLook();
    void hideHoverMarkers();
    void syncAreaSize();
    void onAreaResized();

    // The drawing area's mouse (commands/DrawingAreaMouse.cpp).
    void onMousePressed(Qt::MouseButton button, double x, double y);
    void onMouseMoved(Qt::MouseButtons buttons, double x, double y);
    void onMouseReleased(Qt::MouseButton button, double x, double y);
    void onDoubleClicked();
    void carryOut(GestureSteps steps);

    // The result views' widgets (commands/ResultViewCommands.cpp).
    QLayout *buildDrawingRow(QWidget *central);
    void syncResultViewControls();
    void showDrawingModeName();
    void hideQuantityButtons();
    void applyResultViewColours();
    // The picture of the drawing mode, with the controls the mode shows.
    void drawPicture();
    void showAnimationFrame(double phi);
    void deformationAnimationEnded();
    void stepScale(ScaleStep step);
    // commands/EditMenu.cpp
    void buildUndoHistory();
    void editRestored(const QString &label, bool undone, const EditEffects &effects);
    void syncEditActions();
    // commands/RecentFilesMenu.cpp
    void buildRecentFilesMenu();
    void fillRecentFilesMenu();
    // commands/ToolsMenu.cpp: the first free motion of a mechanism over the
    // model, until the next redraw.
    void showFreeMotion(const FreeMotion &motion);
    // commands/PictureExportCommands.cpp: the save of the picture in any
    // format, and the drawing area's picture drawn again on another surface.
    void savePictureFile(PictureFormat format);
    void drawPictureAgain(Canvas &canvas);

    Workspace m_ws;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    std::unique_ptr<PlatformServices> m_ownServices;
    PlatformServices *m_services = nullptr;
    QString m_helpFallbackDir;
    QString m_commandLineModel;      // read once the window is on screen
    bool m_modelReadPending = false; // until the command-line model is read
    // The command-line model, read, for the recent-file lists: they are
    // written to disk, which the first frame need not wait for, so once the
    // window has been painted (or at closing, if it never was).
    QString m_fileToRemember;
    bool m_pictureOwed = false; // the area was resized and not yet drawn

    DrawingArea *m_area = nullptr;
    LogView *m_log = nullptr;
    QToolButton *m_infoButton = nullptr;
    QToolBar *m_toolBar = nullptr;
    CommandActions m_commands;
    MainStatusBar *m_status = nullptr;
    QMenu *m_zoomMenu = nullptr;
    // The view modes' actions: tool bar and View menu, and the zoom menu.
    std::vector<std::pair<QAction *, ViewMode>> m_modeActions;
    ModelMouseTool *m_mouseTool = nullptr;
    ResultViewControls *m_resultControls = nullptr;
    ColourLegendPanel *m_colourLegend = nullptr;
    AnimationPlayer *m_animation = nullptr;
    // A group deletion hides the quantity buttons until a diagram command
    // shows them again; the drawing mode stays.
    bool m_quantityButtonsHidden = false;
    // The definition of the model with the mouse (MouseDefinition.cpp),
    // installed as the mouse tool at start-up.
    std::unique_ptr<ModelMouseTool> m_ownMouseTool;

    // The free motion drawn over the model, until the next redraw.
    std::optional<FreeMotion> m_freeMotionShown;
    std::unique_ptr<UndoRecorder> m_undo;

    QMenu *m_recentMenu = nullptr;
    QString m_desktopRecentList;

    ViewGestures m_gestures;
    bool m_animationRunning = false; // the deformation animation's running flag
    int m_busyDepth = 0;
};
