#include "ui/WindowPlacement.h"

#include "common/NumberForms.h"
#include "common/Registry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void restorePlacement(QWidget &window, const SettingsStore &store)
{
    const WindowPlacement placement = loadWindowPlacement(store);
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect desktop = screen ? screen->availableVirtualGeometry() : available;

    // A damaged store must not give a window of no size or one larger than
    // anything the desktop can show.
    const int width =
        std::clamp(nf::toInt32Clamped(placement.width), 320, std::max(320, desktop.width()));
    const int height =
        std::clamp(nf::toInt32Clamped(placement.height), 240, std::max(240, desktop.height()));
    QRect frame(0, 0, width, height);
    if (placement.left && placement.top) {
        frame.moveTopLeft(
            QPoint(nf::toInt32Clamped(*placement.left), nf::toInt32Clamped(*placement.top)));
        // A window stored on a screen that is no longer there comes back
        // centred instead of out of reach.
        if (!desktop.intersects(frame))
            frame.moveCenter(available.center());
    } else {
        frame.moveCenter(available.center());
    }
    window.setGeometry(frame);
    if (placement.state == 2)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void storePlacement(const QWidget &window, SettingsStore &store)
{
    WindowPlacement placement;
    // A minimised window is stored as a normal one.
    placement.state = window.isMaximized() ? 2 : 0;
    QRect frame = window.geometry();
    if ((window.isMaximized() || window.isMinimized()) && window.normalGeometry().isValid())
        frame = window.normalGeometry();
    placement.width = frame.width();
    placement.height = frame.height();
    placement.left = frame.x();
    placement.top = frame.y();
    Save_Window_State(store, placement);
    store.sync();
}
