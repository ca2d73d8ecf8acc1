// The File menu's commands and the tool bar's New, Open and Save.
#include "ui/frmMain.h"

#include "common/Registry.h"
#include "files/FileCommands.h"

void frmMain::Button_Neo_arxeio()
{
    if (offerToSave(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    newModel(m_ws, *m_store);
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
    m_ws.log.append(QStringLiteral("New file"), LogBlack, true);
    m_ws.view.resetHistory();
}

void frmMain::Button_Anagnosi_Arxeiou()
{
    if (offerToSave(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    if (openModel(m_ws) == ReadOutcome::Cancelled)
        return;
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
}

void frmMain::Button_Apothikefsi_Arxeiou() { saveModel(m_ws); }

void frmMain::saveAs() { saveModelAs(m_ws); }

void frmMain::exitProgram() { close(); }
