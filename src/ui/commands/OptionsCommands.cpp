// The View options command: the dialog over the display settings.
#include "ui/frmMain.h"

#include "ui/MainStatusBar.h"
#include "ui/dialogs/frmSXEDIASI.h"

void frmMain::Button_Rithmiseis()
{
    stopDeformationAnimation();
    frmSXEDIASI dialog(
        m_ws, *m_store, [this] { viewOptionsApplied(); }, this);
    dialog.exec();
}

void frmMain::viewOptionsApplied()
{
    Apply_View_Colours();
    // The AXES and GRID switches show the boxes as applied.
    m_status->syncSwitches();
    // Apply turns the animation into the still deformed model.
    showDrawingModeName();
    RedrawDrawingArea();
}
