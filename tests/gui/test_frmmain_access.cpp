// What assistive technology and a small window see of the main window: the
// controls' names and states as the accessibility bridge reads them, a
// layout that fits the default normal window, and sharp mode cursors; the
// command table behind the menus and the tool bar.
#include "MainWindowFixture.h"
#include "ui/Commands.h"
#include "ui/LogView.h"
#include "ui/ModeCursors.h"

#include <QAccessible>
#include <QTest>
#include <QToolBar>
#include <set>

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
        // clang-format off
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
        // clang-format on
    };
    for (const auto &r : rows) {
        QAccessibleInterface *a = accessible(r.widget);
        EXPECT_EQ(a->text(QAccessible::Name), QLatin1String(r.name));
        EXPECT_EQ(a->role() == QAccessible::PushButton ? QAccessible::Button : a->role(), r.role)
            << r.name;
    }
    // A switch shows its state, and the Toggle action of assistive
    // technology works it.
    QAccessibleInterface *grid = accessible(statusSwitch("Kannabos"));
    EXPECT_TRUE(grid->state().checkable && grid->state().focusable && !grid->state().checked);
    grid->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(ws().settings.nai_grid && grid->state().checked);
}

// At the default normal size the whole tool bar fits, the log's "<" button
// stays at the right edge where the "x" was, and however narrow the window
// the status panels never overlap.
TEST_F(MainWindowTest, StartWindowFitsToolBarLogButtonAndStatusPanels)
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

    const int rightEdge = w.infoButton()->geometry().right();
    QTest::mouseClick(w.infoButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(w.infoButton()->text() + w.infoButton()->accessibleName(), "<Show messages");
    EXPECT_EQ(w.infoButton()->geometry().right(), rightEdge);

    std::vector<QWidget *> items{panel("x"), panel("y"), panel("mode")};
    for (const char *key : {"sint", "Aksones", "Kannabos", "Times"})
        items.push_back(statusSwitch(key));
    for (int width : {1, 400}) {
        w.resize(width, 400);
        QApplication::processEvents();
        for (std::size_t k = 0; k < items.size(); ++k) {
            EXPECT_GE(items[k]->width(), items[k]->minimumSizeHint().width()) << k;
            EXPECT_TRUE(k == 0 || items[k - 1]->geometry().right() < items[k]->geometry().left())
                << width << " " << k;
        }
    }
}

TEST(ModeCursors, PicturesHaveTheScreensPixelRatio)
{
    for (qreal ratio : {1.0, 1.5, 2.0})
        for (const QCursor &c : {ModeCursors::zoom(ratio), ModeCursors::zoomWindow(ratio)}) {
            EXPECT_EQ(c.pixmap().devicePixelRatio(), ratio);
            EXPECT_EQ(c.pixmap().width(), qCeil(32 * ratio));
            EXPECT_LT(c.hotSpot().x(), 32); // in logical pixels
        }
}

TEST(CommandTable, RowsAreConsistent)
{
    std::set<QString> ids, toolKeys;
    std::set<int> places;
    const auto menus = knownMenus();
    for (const CommandRow &row : commandTable()) {
        SCOPED_TRACE(row.id);
        EXPECT_TRUE(ids.insert(QLatin1String(row.id)).second);
        EXPECT_TRUE(!*row.icon || QFile::exists(iconPath(row))) << qPrintable(iconPath(row));
        EXPECT_TRUE(!*row.menu
                    || (*row.caption
                        && std::any_of(menus.begin(), menus.end(),
                                       [&](const char *m) { return qstrcmp(m, row.menu) == 0; })))
            << row.menu;
        // A view mode's switch runs on its checked state, not on a handler.
        EXPECT_FALSE(row.viewMode != ViewMode::None && row.handler);
        EXPECT_TRUE(*row.menu || *row.toolKey); // reachable somewhere
        if (!*row.toolKey)
            continue;
        EXPECT_TRUE(toolKeys.insert(QLatin1String(row.toolKey)).second);
        EXPECT_GT(row.toolPlace, 0);
        EXPECT_TRUE(places.insert(row.toolPlace).second);
        EXPECT_TRUE(*row.icon && *row.toolTip);
    }
    EXPECT_EQ(places.size(), 22u);
}

} // namespace
