// The data and results window, opened from the main window's tool bar.
#include "ui/frmMain.h"

#include "reports/gui/frmApotelesmata.h"

#include <QScreen>
#include <algorithm>

namespace {

// Over the middle of the main window, inside the screen.
QPoint centredOver(const QWidget &main, const QWidget &window)
{
    const QRect screen = main.screen()->availableGeometry();
    const QPoint p = main.geometry().center() - window.rect().center();
    return {
        std::clamp(p.x(), screen.left(), std::max(screen.left(), screen.right() - window.width())),
        std::clamp(p.y(), screen.top(), std::max(screen.top(), screen.bottom() - window.height()))};
}

} // namespace

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
    window->move(centredOver(*this, *window));
    window->show();
}
