#include "drawing/ViewGestures.h"

#include "drawing/ViewTransform.h"

GestureSteps ViewGestures::setMode(ViewMode mode)
{
    GestureSteps steps = GestureStep::ModePointer;
    if (!m_rubber.isNull()) {
        m_rubber = QRectF();
        steps |= GestureStep::HideRubber;
    }
    if (mode != ViewMode::None && mode != m_mode)
        steps |= GestureStep::HideHoverMarkers;
    m_mode = mode;
    return steps;
}

GestureSteps ViewGestures::press(ViewTransform &view, Qt::MouseButton button, double x, double y)
{
    GestureSteps steps;
    if (button == Qt::LeftButton) {
        m_buttonHeld = true;
        m_drag = beginDrag(view, x, y);
        if (m_mode == ViewMode::Pan)
            steps |= GestureStep::GripPointer;
    }
    if (m_mode == ViewMode::None)
        steps |= GestureStep::ToMouseTool;
    return steps;
}

GestureSteps ViewGestures::move(ViewTransform &view, double x, double y)
{
    // Without a drag in a view mode the pointer is the mouse tool's, which
    // follows it with its markers in every mode.
    if (!m_buttonHeld || m_mode == ViewMode::None)
        return GestureStep::ToMouseTool;
    switch (m_mode) {
    case ViewMode::Pan: panDrag(view, m_drag, x, y); return GestureStep::QuickRedraw;
    case ViewMode::Zoom: zoomDrag(view, m_drag, x, y); return GestureStep::QuickRedraw;
    case ViewMode::ZoomWindow:
    case ViewMode::None: break;
    }
    m_rubber = QRectF(QPointF(m_drag.downX, m_drag.downY), QPointF(x, y)).normalized();
    return GestureStep::ShowRubber;
}

GestureSteps ViewGestures::release(ViewTransform &view, Qt::MouseButton button, double x, double y)
{
    const bool wasHeld = m_buttonHeld;
    m_buttonHeld = false;
    if (m_mode == ViewMode::None)
        return GestureStep::ToMouseTool;
    if (button == Qt::RightButton)
        return GestureStep::ZoomMenu;
    if (button != Qt::LeftButton || !wasHeld)
        return {};

    GestureSteps steps = GestureStep::Redraw | GestureStep::ModePointer;
    if (m_mode == ViewMode::ZoomWindow) {
        m_rubber = QRectF();
        steps |= GestureStep::HideRubber;
        FitViewToRectangle(view, x, y, m_drag.downX, m_drag.downY);
    }
    // The finished gesture is one step of the zoom history.
    PushView(view);
    return steps;
}
