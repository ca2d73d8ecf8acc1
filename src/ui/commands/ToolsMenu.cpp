// The Tools menu's commands.
#include "ui/frmMain.h"

#include "analysis/FreeMotions.h"
#include "analysis/epilisi.h"
#include "common/PlatformServices.h"
#include "drawing/FreeMotionDrawing.h"
#include "drawing/gui/DrawingArea.h"
#include "model/ModelChecks.h"

void frmMain::Button_Epilisi()
{
    stopDeformationAnimation();
    if (m_ws.model.nodeCount == 0)
        return;
    if (!checkUnconnectedNodes(m_ws.model, m_ws, [this] { RedrawDrawingArea(); }))
        return;
    std::vector<FreeMotion> motions;
    Run_Analysis(m_ws, &motions);
    if (!motions.empty())
        showFreeMotion(motions.front());
}

void frmMain::showFreeMotion(const FreeMotion &motion)
{
    syncAreaSize();
    drawFreeMotion(m_ws, m_area->canvas(), motion, 1);
    m_freeMotionShown = motion;
    m_area->update();
}

void frmMain::startCalculator()
{
    if (!m_services->startCalculator())
        m_ws.reportWarning(
            QStringLiteral("No calculator program was found. Install one of "
                           "gnome-calculator, kcalc, galculator, mate-calc or xcalc."));
}
