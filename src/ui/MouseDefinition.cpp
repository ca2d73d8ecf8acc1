#include "ui/MouseDefinition.h"

#include "drawing/Sxediastika.h"
#include "drawing/gui/DrawingArea.h"
#include "ui/frmMain.h"

#include <QCursor>
#include <QMenu>

MouseDefinition::MouseDefinition(frmMain &window)
    : m_window(window), m_mouse(window.workspace().model, window.workspace().settings,
                                window.workspace().view, window.workspace())
{
    buildItemMenu();
    QObject::connect(window.drawingArea(), &DrawingArea::pointerLeft, window.drawingArea(),
                     [this] { hideHoverMarkers(); });
}

void MouseDefinition::pressed(Qt::MouseButton button, double xCm, double yCm)
{
    const MouseSteps steps = m_mouse.press(button, xCm, yCm);
    showOverlay();
    carryOut(steps);
}

void MouseDefinition::moved(Qt::MouseButtons, double xCm, double yCm)
{
    m_mouse.move(xCm, yCm, m_window.viewMode() != ViewMode::None);
    showOverlay();
}

void MouseDefinition::released(Qt::MouseButton button, double xCm, double yCm)
{
    const MouseSteps steps = m_mouse.release(button, xCm, yCm);
    showOverlay();
    carryOut(steps);
}

void MouseDefinition::doubleClicked() { carryOut(m_mouse.doubleClick()); }

void MouseDefinition::hideHoverMarkers()
{
    m_mouse.hideHoverMarkers();
    showOverlay();
}

void MouseDefinition::showOverlay() { m_window.drawingArea()->setMouseOverlay(m_mouse.overlay()); }

void MouseDefinition::carryOut(const MouseSteps &steps)
{
    Workspace &ws = m_window.workspace();
    if (steps.drawNode) {
        // Shown at once, under the pointer that is about to drag from it.
        DrawNode(ws, m_window.drawingArea()->canvas(), steps.drawNode);
        m_window.drawingArea()->update();
    }
    if (steps.openGroups) {
        hideHoverMarkers();
        m_window.Button_EA();
        carryOut(m_mouse.groupsDialogClosed());
        return;
    }
    if (steps.redraw)
        m_window.RedrawDrawingArea();
    if (steps.menuNode || steps.menuElement)
        showItemMenu(steps.menuNode, steps.menuElement);
}

void MouseDefinition::buildItemMenu()
{
    m_itemMenu = new QMenu(&m_window);
    m_itemMenu->setObjectName(QStringLiteral("itemMenu"));
    m_nodeItem = m_itemMenu->addAction(QString());
    m_loadsItem = m_itemMenu->addAction(QString());
    m_separator = m_itemMenu->addSeparator();
    m_elementItem = m_itemMenu->addAction(QString());
    // The dialogs open on the item; the markers would linger over them.
    QObject::connect(m_nodeItem, &QAction::triggered, m_itemMenu, [this] {
        hideHoverMarkers();
        m_window.Button_Komboi(m_menuNode);
    });
    QObject::connect(m_loadsItem, &QAction::triggered, m_itemMenu, [this] {
        hideHoverMarkers();
        m_window.Button_Epikombia(m_menuNode);
    });
    QObject::connect(m_elementItem, &QAction::triggered, m_itemMenu, [this] {
        hideHoverMarkers();
        m_window.Button_Stoixeia(m_menuElement);
    });
}

void MouseDefinition::showItemMenu(int node, int element)
{
    m_menuNode = node;
    m_menuElement = element;
    m_nodeItem->setText(QStringLiteral("Node #%1").arg(node));
    m_loadsItem->setText(QStringLiteral("Loads on node #%1").arg(node));
    m_elementItem->setText(QStringLiteral("Element #%1").arg(element));
    m_nodeItem->setVisible(node != 0);
    m_loadsItem->setVisible(node != 0);
    m_separator->setVisible(node != 0 && element != 0);
    m_elementItem->setVisible(element != 0);
    m_itemMenu->popup(QCursor::pos());
}
