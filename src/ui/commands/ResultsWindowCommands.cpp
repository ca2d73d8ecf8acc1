// The data and results window, opened from the main window's tool bar.
#include "ui/frmMain.h"

#include "reports/gui/frmApotelesmata.h"

void frmMain::Button_Apotelesmata()
{
    stopDeformationAnimation();
    // A changed model may be analysed first; the window opens either way,
    // with whatever results there are.
    Ask_Reanalyse();
    // One window at a time, built afresh from the model and results now.
    if (frmApotelesmata *old = findChild<frmApotelesmata *>()) {
        old->close();
        delete old;
    }
    auto *window = new frmApotelesmata(m_ws, *m_services, this);
    window->show();
}
