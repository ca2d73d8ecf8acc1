#pragma once
// The main window's model mouse tool: hands the drawing area's events to the
// core's ModelMouse, shows its markers over the picture, and carries out what
// it answers (draw the new node, redraw, the E,A groups dialog, the item
// pop-up menu with its node, loads and element items).
#include "drawing/ModelMouse.h"
#include "ui/ModelMouseTool.h"

class frmMain;
class QAction;
class QMenu;

class MouseDefinition : public ModelMouseTool {
public:
    explicit MouseDefinition(frmMain &window);

    void pressed(Qt::MouseButton button, double xCm, double yCm) override;
    void moved(Qt::MouseButtons buttons, double xCm, double yCm) override;
    void released(Qt::MouseButton button, double xCm, double yCm) override;
    void doubleClicked() override;
    void hideHoverMarkers() override;

    QMenu *itemMenu() const { return m_itemMenu; }

private:
    void carryOut(const MouseSteps &steps);
    void buildItemMenu();
    void showItemMenu(int node, int element);
    void showOverlay();

    frmMain &m_window;
    ModelMouse m_mouse;
    QMenu *m_itemMenu = nullptr; // the window's child
    QAction *m_nodeItem = nullptr;
    QAction *m_loadsItem = nullptr;
    QAction *m_separator = nullptr;
    QAction *m_elementItem = nullptr;
    int m_menuNode = 0;
    int m_menuElement = 0;
};
