// The Tools menu's commands.
#include "ui/frmMain.h"

#include "analysis/epilisi.h"
#include "common/PlatformServices.h"
#include "model/ModelChecks.h"

void frmMain::Button_Epilisi()
{
    stopDeformationAnimation();
    if (m_ws.model.nodeCount == 0)
        return;
    if (!checkUnconnectedNodes(m_ws.model, m_ws, [this] { RedrawDrawingArea(); }))
        return;
    Run_Analysis(m_ws);
}

void frmMain::startCalculator()
{
    if (!m_services->startCalculator())
        m_ws.reportWarning(
            QStringLiteral("No calculator program was found. Install one of "
                           "gnome-calculator, kcalc, galculator, mate-calc or xcalc."));
}
