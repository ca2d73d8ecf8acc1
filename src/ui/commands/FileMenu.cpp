// The File menu's commands and the tool bar's New, Open and Save.
#include "ui/frmMain.h"

#include "common/Registry.h"
#include "files/FileCommands.h"
#include "ui/UndoRecorder.h"

void frmMain::Button_Neo_arxeio()
{
    if (offerToSave(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    newModel(m_ws, *m_store);
    m_undo->clear();
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
    m_ws.log.append(QStringLiteral("New file"), LogBlack, true);
    m_ws.view.resetHistory();
}

void frmMain::Button_Anagnosi_Arxeiou() { openModelFile(QString()); }

void frmMain::openModelFile(const QString &file)
{
    if (offerToSave(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    const ReadOutcome outcome = openModel(m_ws, file);
    if (outcome == ReadOutcome::Cancelled)
        return;
    m_undo->clear();
    if (outcome == ReadOutcome::Read)
        rememberFile(m_ws.model.fileName);
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
}

void frmMain::Button_Apothikefsi_Arxeiou()
{
    if (saveModel(m_ws))
        rememberFile(m_ws.model.fileName);
}

void frmMain::saveAs()
{
    if (saveModelAs(m_ws))
        rememberFile(m_ws.model.fileName);
}

void frmMain::exitProgram() { close(); }
