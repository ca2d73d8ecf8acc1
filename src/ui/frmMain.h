#pragma once
// The main window: menus, tool bar, drawing area, message log and status
// bar. It owns the Workspace for the whole run and carries out the program's
// commands; the computations live in the core and are called from here.
#include "common/MainWindowHooks.h"
#include "common/Workspace.h"
#include "drawing/ViewOps.h"
#include "ui/Commands.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class DrawingArea;
class LogView;
class ModelMouseTool;
class PlatformServices;
class QMenu;
class QToolBar;
class QToolButton;
class SettingsStore;
class StatusPanel;
class UserPrompts;

struct frmMainOptions {
    QString settingsPath;                 // empty: the user's settings store
    UserPrompts *prompts = nullptr;       // null: Qt message boxes and dialogs
    PlatformServices *services = nullptr; // null: the desktop
    QString commandLine;                  // a model file to open, may be empty
    QString helpFallbackDir;              // help book of an uninstalled build
};

class frmMain : public QMainWindow, private MainWindowHooks {
    Q_OBJECT
public:
    explicit frmMain(const frmMainOptions &options = {}, QWidget *parent = nullptr);
    ~frmMain() override;

    static QString versionString();      // "1.0"
    static QString webAddress();

    // The public operations behind the commands.
    void Button_Neo_arxeio();
    void Button_Anagnosi_Arxeiou();
    void Button_Apothikefsi_Arxeiou();
    void Save_As();
    void Exit();
    void Button_Xeraki();
    void Button_Zoom();
    void Button_Zoom_Window();
    void Button_Zoom_Previous();
    void Button_Zoom_Best_Fit();
    void Button_Foreas();
    void Button_Epilisi();
    void Reset_Pointer();
    void Start_Calculator();
    void Help_Contents();
    void Help_Web();
    void Help_About();

    void Ask_Reanalyse();
    void Apply_View_Colours();
    void RedrawDrawingArea();
    void QuickRedraw();

    // Runs a command the way the menus and the tool bar do.
    void runCommand(void (frmMain::*handler)());

    // The model definition with the mouse, when it is built; not owned.
    void setModelMouseTool(ModelMouseTool *tool) { m_mouseTool = tool; }

    // Label flags and presets of the LABELS pop-up menu.
    enum class LabelPreset { All, Basic, None };
    void applyLabelPreset(LabelPreset preset);

    void setLogShown(bool shown);
    bool isLogShown() const;

    // For the tests and for later commands.
    Workspace &workspace() { return m_ws; }
    DrawingArea *drawingArea() const { return m_area; }
    LogView *logView() const { return m_log; }
    QToolButton *infoButton() const { return m_infoButton; }
    QAction *action(const QString &id) const { return m_commands.byId.value(id); }
    QAction *toolAction(const QString &key) const { return m_commands.byToolKey.value(key); }
    StatusPanel *statusPanel(const QString &key) const;
    QMenu *labelsMenu() const { return m_labelsMenu; }
    QMenu *zoomMenu() const { return m_zoomMenu; }
    bool panMode() const { return m_panMode; }
    bool zoomMode() const { return m_zoomMode; }
    bool zoomWindowMode() const { return m_zoomWindowMode; }
    QString helpBookPath() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // MainWindowHooks
    void setCaption(const QString &caption) override;
    void setAnalyseEnabled(bool enabled) override;
    void setBusy(bool busy) override;
    void repaintLog() override;

    void buildWindow();
    void buildStatusBar();
    void buildPopupMenus();
    void writeGreeting();
    void applyPlacement();
    void saveWindowState();

    void returnToModelMode();
    void setModePanel(const QString &name);
    void updateOptionPanels();
    void toggleViewMode(bool &flag);
    void updateModeLook();
    bool anyViewMode() const { return m_panMode || m_zoomMode || m_zoomWindowMode; }
    void hideHoverMarkers();
    void syncAreaSize();

    void onMousePressed(Qt::MouseButton button, double x, double y);
    void onMouseMoved(Qt::MouseButtons buttons, double x, double y);
    void onMouseReleased(Qt::MouseButton button, double x, double y);
    void onDoubleClicked();
    void showPointerCoordinates(double x, double y);

    Workspace m_ws;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    std::unique_ptr<PlatformServices> m_ownServices;
    PlatformServices *m_services = nullptr;
    QString m_helpFallbackDir;

    DrawingArea *m_area = nullptr;
    LogView *m_log = nullptr;
    QToolButton *m_infoButton = nullptr;
    QToolBar *m_toolBar = nullptr;
    CommandActions m_commands;
    StatusPanel *m_panelX = nullptr;
    StatusPanel *m_panelY = nullptr;
    StatusPanel *m_panelMode = nullptr;
    StatusPanel *m_panelCoords = nullptr;
    StatusPanel *m_panelAxes = nullptr;
    StatusPanel *m_panelGrid = nullptr;
    StatusPanel *m_panelLabels = nullptr;
    QMenu *m_labelsMenu = nullptr;
    QMenu *m_zoomMenu = nullptr;
    ModelMouseTool *m_mouseTool = nullptr;

    bool m_panMode = false;
    bool m_zoomMode = false;
    bool m_zoomWindowMode = false;
    bool m_buttonHeld = false;
    bool m_showCoordinates = true;
    bool m_animationRunning = false;   // the deformation animation, when it comes
    int m_busyDepth = 0;
    DragState m_drag;
};
