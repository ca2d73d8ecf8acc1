#pragma once
// The main window's status bar: the pointer's model coordinates, the drawing
// mode's name, the COORDS, AXES and GRID switches and the LABELS button with
// its pop-up menu. It changes the display settings itself and asks the window
// to redraw.
#include <QObject>
#include <QString>

class QMenu;
class QStatusBar;
class StatusPanel;
class StatusSwitch;
class Workspace;

class MainStatusBar : public QObject {
    Q_OBJECT
public:
    MainStatusBar(QStatusBar *bar, Workspace &ws);

    // The model coordinates under the pointer (cm on the drawing area),
    // snapped to the grid when it is on; nothing while COORDS is off.
    void showPointer(double xCm, double yCm);
    void clearPointer();
    void setModeName(const QString &name);
    // The switches show the settings as they are now (after Open or New).
    void syncSwitches();

    StatusPanel *panel(const QString &key) const;         // "x", "y", "mode"
    StatusSwitch *switchButton(const QString &key) const; // "sint", "Aksones", "Kannabos", "Times"
    QMenu *labelsMenu() const { return m_labelsMenu; }

signals:
    // A display setting changed: the drawing must be redrawn.
    void redrawNeeded();

private:
    void buildSwitches(QStatusBar *bar);
    void buildLabelsMenu();

    Workspace &m_ws;
    StatusPanel *m_x = nullptr;
    StatusPanel *m_y = nullptr;
    StatusPanel *m_mode = nullptr;
    StatusSwitch *m_coords = nullptr;
    StatusSwitch *m_axes = nullptr;
    StatusSwitch *m_grid = nullptr;
    StatusSwitch *m_labels = nullptr;
    QMenu *m_labelsMenu = nullptr;
};
