// The Model menu's dialogs, and the Tools menu's move, merge and
// coincidence checks.
#include "ui/frmMain.h"

#include "model/CoincidenceChecks.h"
#include "model/ElementEditing.h"
#include "model/LoadEditing.h"
#include "model/MoveMerge.h"
#include "ui/MainStatusBar.h"
#include "ui/dialogs/frmEPIKOMBIO.h"
#include "ui/dialogs/frmKomboi.h"
#include "ui/dialogs/frmMETAKINISI.h"
#include "ui/dialogs/frmOmades.h"
#include "ui/dialogs/frmSigxonefsi.h"
#include "ui/dialogs/frmStoixeia.h"

namespace {

// Every editing dialog is modal; each change it makes is already in the
// model when it closes. Undo and redo reach into it by their keys.
template <typename Dialog, typename... On>
void runDialog(frmMain &window, On... on)
{
    Dialog dialog(
        window.workspace(), [&window](const EditEffects &e) { window.carryOutEdit(e); }, &window);
    dialog.addActions({window.action(QStringLiteral("mnuUNDOitem")),
                       window.action(QStringLiteral("mnuREDOitem"))});
    dialog.openOn(on...);
    dialog.exec();
}

} // namespace

void frmMain::carryOutEdit(const EditEffects &effects)
{
    if (effects.modelDrawing) {
        m_ws.drawingMode = ModeModel;
        m_status->setModeName(QStringLiteral("Model"));
    }
    if (effects.modelDrawing || effects.hideQuantityButtons)
        hideQuantityButtons();
    if (effects.redraw)
        RedrawDrawingArea();
}

void frmMain::Button_EA()
{
    stopDeformationAnimation();
    runDialog<frmOmades>(*this);
}

void frmMain::Button_Komboi() { Button_Komboi(0); }

void frmMain::Button_Komboi(int node)
{
    stopDeformationAnimation();
    runDialog<frmKomboi>(*this, node);
}

void frmMain::Button_Stoixeia() { Button_Stoixeia(0); }

void frmMain::Button_Stoixeia(int element)
{
    stopDeformationAnimation();
    if (elementsDialogMayOpen(m_ws.model, m_ws))
        runDialog<frmStoixeia>(*this, element);
}

void frmMain::Button_Epikombia() { Button_Epikombia(0); }

void frmMain::Button_Epikombia(int node)
{
    stopDeformationAnimation();
    if (loadsDialogMayOpen(m_ws.model, m_ws))
        runDialog<frmEPIKOMBIO>(*this, node);
}

void frmMain::moveNodes()
{
    // The animation would draw nodes while they move.
    stopDeformationAnimation();
    if (nodesDefined(m_ws.model, m_ws))
        runDialog<frmMETAKINISI>(*this);
}

void frmMain::mergeNodes()
{
    stopDeformationAnimation();
    if (nodesDefined(m_ws.model, m_ws))
        runDialog<frmSigxonefsi>(*this);
}

void frmMain::checkCoincidentNodes() { ::checkCoincidentNodes(m_ws.model, m_ws); }

void frmMain::checkCoincidentElements() { ::checkCoincidentElements(m_ws.model, m_ws); }
