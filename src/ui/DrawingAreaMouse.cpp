// The drawing area's mouse: the view gestures in the pan, zoom and
// zoom-window modes, the pointer's coordinates in the status bar, and
// everything else handed to the model mouse tool in the model drawing mode.
#include "ui/frmMain.h"

#include "drawing/gui/DrawingArea.h"
#include "ui/MainStatusBar.h"
#include "ui/ModelMouseTool.h"

#include <QCursor>
#include <QMenu>

namespace {
bool forMouseTool(GestureSteps steps, const Workspace &ws, const ModelMouseTool *tool)
{
    return steps.testFlag(GestureStep::ToMouseTool) && ws.drawingMode == ModeModel && tool;
}
} // namespace

void frmMain::onMousePressed(Qt::MouseButton button, double x, double y)
{
    syncAreaSize();
    const GestureSteps steps = m_gestures.press(m_ws.view, button, x, y);
    carryOut(steps);
    if (forMouseTool(steps, m_ws, m_mouseTool))
        m_mouseTool->pressed(button, x, y);
}

void frmMain::onMouseMoved(Qt::MouseButtons buttons, double x, double y)
{
    syncAreaSize();
    m_status->showPointer(x, y);
    const GestureSteps steps = m_gestures.move(m_ws.view, x, y);
    carryOut(steps);
    if (forMouseTool(steps, m_ws, m_mouseTool))
        m_mouseTool->moved(buttons, x, y);
}

void frmMain::onMouseReleased(Qt::MouseButton button, double x, double y)
{
    syncAreaSize();
    const GestureSteps steps = m_gestures.release(m_ws.view, button, x, y);
    carryOut(steps);
    if (forMouseTool(steps, m_ws, m_mouseTool))
        m_mouseTool->released(button, x, y);
}

void frmMain::onDoubleClicked()
{
    if (viewMode() == ViewMode::None && m_ws.drawingMode == ModeModel && m_mouseTool)
        m_mouseTool->doubleClicked();
}

void frmMain::carryOut(GestureSteps steps)
{
    using S = GestureStep;
    if (steps.testFlag(S::HideRubber))
        m_area->setRubberRectangle(QRectF());
    if (steps.testFlag(S::ShowRubber))
        m_area->setRubberRectangle(m_gestures.rubberRectangle());
    if (steps.testFlag(S::HideHoverMarkers))
        hideHoverMarkers();
    if (steps.testFlag(S::QuickRedraw))
        QuickRedraw();
    if (steps.testFlag(S::Redraw))
        RedrawDrawingArea();
    if (steps.testFlag(S::ModePointer))
        updateModeLook();
    if (steps.testFlag(S::GripPointer))
        m_area->setCursor(Qt::ClosedHandCursor); // the hand grips the drawing
    if (steps.testFlag(S::ZoomMenu))
        m_zoomMenu->popup(QCursor::pos());
}
