// The Model menu's dialogs, and the Tools menu's move, merge and
// coincidence checks.
#include "ui/frmMain.h"

#include "model/CoincidenceChecks.h"
#include "model/ElementEditing.h"
#include "model/LoadEditing.h"
#include "model/MoveMerge.h"
#include "ui/MainStatusBar.h"
#include "ui/dialogs/frmKomboi.h"

void frmMain::carryOutEdit(const EditEffects &effects)
{
    if (effects.modelDrawing) {
        m_ws.drawingMode = ModeModel;
        m_status->setModeName(QStringLiteral("Model"));
    }
    // The diagram quantity buttons, where the result views show them, go
    // with a deletion (effects.modelDrawing or effects.hideQuantityButtons).
    if (effects.redraw)
        RedrawDrawingArea();
}

void frmMain::Button_Komboi() { Button_Komboi(0); }

void frmMain::Button_Komboi(int node)
{
    stopDeformationAnimation();
    frmKomboi dialog(m_ws, [this](const EditEffects &e) { carryOutEdit(e); }, this);
    dialog.openOn(node);
    dialog.exec();
}
