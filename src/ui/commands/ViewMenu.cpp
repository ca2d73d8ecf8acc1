// The View menu's commands: the drawing modes, the view modes with their
// zoom pop-up menu, and the zoom steps.
#include "ui/frmMain.h"

#include "drawing/ViewOps.h"
#include "drawing/gui/DrawingArea.h"
#include "ui/DeferredIcon.h"
#include "ui/MainStatusBar.h"
#include "ui/ModeCursors.h"

#include <QAction>
#include <QMenu>

void frmMain::Button_Foreas()
{
    stopDeformationAnimation();
    m_ws.drawingMode = ModeModel;
    m_status->setModeName(QStringLiteral("Model"));
    RedrawDrawingArea();
}

void frmMain::Button_Xeraki() { carryOut(m_gestures.toggle(ViewMode::Pan)); }
void frmMain::Button_Zoom() { carryOut(m_gestures.toggle(ViewMode::Zoom)); }
void frmMain::Button_Zoom_Window() { carryOut(m_gestures.toggle(ViewMode::ZoomWindow)); }
void frmMain::Reset_Pointer() { setViewMode(ViewMode::None); }

void frmMain::setViewMode(ViewMode mode) { carryOut(m_gestures.setMode(mode)); }

void frmMain::viewModeToggled(ViewMode mode, bool on)
{
    // The buttons and items follow the mode, so only a change of state by
    // the user reaches here with a mode to start or end.
    if (on == (viewMode() == mode))
        return;
    hideHoverMarkers();
    setViewMode(on ? mode : ViewMode::None);
}

void frmMain::updateModeLook()
{
    const qreal ratio = m_area->devicePixelRatioF();
    switch (viewMode()) {
    case ViewMode::Pan: m_area->setCursor(ModeCursors::pan()); break;
    case ViewMode::Zoom: m_area->setCursor(ModeCursors::zoom(ratio)); break;
    case ViewMode::ZoomWindow: m_area->setCursor(ModeCursors::zoomWindow(ratio)); break;
    case ViewMode::None: m_area->setCursor(Qt::CrossCursor); break;
    }
    for (const auto &[action, mode] : m_modeActions)
        action->setChecked(mode == viewMode());
}

void frmMain::Button_Zoom_Previous()
{
    syncAreaSize();
    if (zoomPrevious(m_ws.view))
        RedrawDrawingArea();
}

void frmMain::Button_Zoom_Best_Fit()
{
    syncAreaSize();
    FitViewToModel(m_ws.view, m_ws.model);
    PushView(m_ws.view);
    RedrawDrawingArea();
}

void frmMain::buildZoomMenu()
{
    m_zoomMenu = new QMenu(this);
    m_zoomMenu->setObjectName(QStringLiteral("zoomMenu"));
    connect(m_zoomMenu->addAction(QStringLiteral("Exit")), &QAction::triggered, this,
            [this] { setViewMode(ViewMode::None); });
    m_zoomMenu->addSeparator();
    const struct {
        const char *icon, *caption;
        ViewMode mode;
    } modes[] = {{"pan", "Move", ViewMode::Pan},
                 {"zoom", "Zoom", ViewMode::Zoom},
                 {"zoom_window", "Zoom Window", ViewMode::ZoomWindow}};
    for (const auto &m : modes) {
        QAction *a = m_zoomMenu->addAction(
            deferredIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(m.icon))),
            QString::fromLatin1(m.caption));
        a->setCheckable(true); // ticked while its mode is on, as on the tool bar
        const ViewMode mode = m.mode;
        connect(a, &QAction::toggled, this, [this, mode](bool on) { viewModeToggled(mode, on); });
        m_modeActions.emplace_back(a, mode);
    }
    connect(m_zoomMenu->addAction(deferredIcon(QStringLiteral(":/icons/zoom_previous.svg")),
                                  QStringLiteral("Zoom Previous")),
            &QAction::triggered, this, &frmMain::Button_Zoom_Previous);
    connect(m_zoomMenu->addAction(deferredIcon(QStringLiteral(":/icons/zoom_extents.svg")),
                                  QStringLiteral("Zoom Extends")),
            &QAction::triggered, this, &frmMain::Button_Zoom_Best_Fit);
}
