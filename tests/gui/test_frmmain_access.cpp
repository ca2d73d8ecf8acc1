// What assistive technology and a small window see of the main window: the
// controls' names and states as the accessibility bridge reads them, and a
// tool bar that fits the default normal window.
#include "MainWindowFixture.h"
#include "ui/LogView.h"

#include <QAccessible>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAccessibleInterface *accessible(QWidget *w) { return QAccessible::queryAccessibleInterface(w); }

TEST_F(MainWindowTest, ControlsAreNamedAndSwitchesExposeTheirState)
{
    writeStore("[Rithmiseis]\nnai_grid=False\n");
    frmMain &w = start();
    const auto toolButton = [&](const char *key) {
        return w.toolBar()->widgetForAction(w.toolAction(QString::fromLatin1(key)));
    };
    const struct {
        QWidget *widget;
        const char *name;
        QAccessible::Role role;
    } rows[] = {
        {area(), "Drawing", QAccessible::Client},
        {w.logView(), "Messages", QAccessible::EditableText},
        {w.infoButton(), "Hide messages", QAccessible::Button},
        {panel("x"), "Pointer x", QAccessible::StaticText},
        {panel("y"), "Pointer y", QAccessible::StaticText},
        {panel("mode"), "Drawing mode", QAccessible::StaticText},
        // On the tool bar the tool-tip names the button: "Model" draws it.
        {toolButton("Foreas"), "Draw model", QAccessible::Button},
        {toolButton("Apotelesmata"), "Data - Results", QAccessible::Button},
        {toolButton("Xeraki"), "Move drawing", QAccessible::CheckBox},
        {statusSwitch("sint"), "COORDS", QAccessible::CheckBox},
        {statusSwitch("Aksones"), "AXES", QAccessible::CheckBox},
        {statusSwitch("Kannabos"), "GRID", QAccessible::CheckBox},
        {statusSwitch("Times"), "LABELS", QAccessible::Button},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        QAccessibleInterface *a = accessible(r.widget);
        EXPECT_EQ(a->text(QAccessible::Name), QLatin1String(r.name));
        EXPECT_EQ(a->role() == QAccessible::PushButton ? QAccessible::Button : a->role(), r.role);
    }

    // A switch shows its state, and the Toggle action of assistive
    // technology works it.
    QAccessibleInterface *grid = accessible(statusSwitch("Kannabos"));
    EXPECT_TRUE(grid->state().checkable && grid->state().focusable && !grid->state().checked);
    grid->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(ws().settings.nai_grid && grid->state().checked);
}

TEST_F(MainWindowTest, WholeToolBarFitsTheDefaultNormalWindow)
{
    writeStore("[Startup]\nWindowState=0\n"); // the default size, not maximised
    frmMain &w = start();
    ASSERT_EQ(w.size(), QSize(667, 533));
    QToolBar *bar = w.toolBar();
    int buttons = 0;
    for (QAction *a : bar->actions())
        if (QWidget *button = a->isSeparator() ? nullptr : bar->widgetForAction(a); button) {
            EXPECT_TRUE(button->isVisible() && bar->rect().contains(button->geometry()))
                << qPrintable(a->toolTip());
            ++buttons;
        }
    EXPECT_EQ(buttons, 22);
    for (QToolButton *more :
         bar->findChildren<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        EXPECT_FALSE(more->isVisible());
}

TEST_F(MainWindowTest, StatusPanelsNeverOverlapHoweverNarrowTheWindow)
{
    writeStore("[Startup]\nWindowState=0\nfrmM_W=320\n"); // the narrowest placement
    frmMain &w = start();
    const std::vector<QWidget *> items{panel("x"),
                                       panel("y"),
                                       panel("mode"),
                                       statusSwitch("sint"),
                                       statusSwitch("Aksones"),
                                       statusSwitch("Kannabos"),
                                       statusSwitch("Times")};
    for (int width : {1, 400, 667}) {
        w.resize(width, 400);
        QApplication::processEvents();
        for (std::size_t k = 0; k < items.size(); ++k) {
            EXPECT_GE(items[k]->width(), items[k]->minimumSizeHint().width()) << k;
            EXPECT_TRUE(k == 0 || items[k - 1]->geometry().right() < items[k]->geometry().left())
                << width << " " << k;
        }
    }
}

} // namespace
