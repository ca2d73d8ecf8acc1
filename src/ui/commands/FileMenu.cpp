// The File menu's commands and the tool bar's New, Open and Save.
#include "ui/frmMain.h"

#include "common/Registry.h"
#include "files/FileCommands.h"

void frmMain::Button_Neo_arxeio()
{
    if (Offer_To_Save(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    New_Model(m_ws, *m_store);
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
    m_ws.log.append(QStringLiteral("New file"), LogBlack, true);
    m_ws.view.resetHistory();
}

void frmMain::Button_Anagnosi_Arxeiou()
{
    if (Offer_To_Save(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    if (Open_Model(m_ws) == ReadOutcome::Cancelled)
        return;
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
}

void frmMain::Button_Apothikefsi_Arxeiou()
{
    Save_Model(m_ws);
}

void frmMain::Save_As()
{
    Save_Model_As(m_ws);
}

void frmMain::Exit()
{
    close();
}
