// Undo and redo through the Edit menu: every kind of edit, the mouse's too,
// undone and redone restores each state exactly; the menu names the step and
// the log has one line for it.
#include "MainWindowFixture.h"
#include "drawing/ModelMouse.h"
#include "model/ElementEditing.h"
#include "model/GroupEditing.h"
#include "model/LoadEditing.h"
#include "model/MoveMerge.h"
#include "model/NodeEditing.h"

#include <functional>

namespace {

TEST_F(MainWindowTest, EditMenuUndoesAndRedoesEachEditExactly)
{
    start();
    Model &m = ws().model;
    truss::apex(m); // nodes (0, 0), (2, 0) fixed, (1, 1); elements 1-3, 2-3
    ws().settings.nai_grid = false;
    ModelMouse mouse{m, ws().settings, ws().view, ws()};
    const ViewTransform &v = ws().view;
    const auto drag = [&](double x0, double y0) {
        mouse.move(v.ToScreenX(x0), v.ToScreenY(y0), false);
        mouse.press(Qt::LeftButton, v.ToScreenX(x0), v.ToScreenY(y0));
        mouse.move(v.ToScreenX(5), v.ToScreenY(5), false);
        mouse.release(Qt::LeftButton, v.ToScreenX(5), v.ToScreenY(5));
    };
    bool merged = false;
    prompts.answers = {PromptAnswer::Ok}; // node 2's elements go with it
    std::vector<Model> states{m};
    // clang-format off
    for (const auto &edit : std::vector<std::function<void()>>{
             [&] { applyNode(m, ws(), {"4", "6", "0", {}, {}, false, true}); },
             [&] { applyGroup(m, ws(), {"2", "200", "0.25"}); },
             [&] { applyNode(m, ws(), {"2", "4", "0.5", "10", {}}); },
             [&] { applyElement(m, ws(), {"3", "2", "4", "2"}); },
             [&] { applyLoad(m, ws(), {"3", "5", "-10"}); },
             [&] { deleteNode(m, ws(), "2"); },
             [&] { mergeNodes(m, ws(), {"3", "1", true, true}, merged); },
             [&] { drag(5, 5); }, // a node placed at (5, 5)
             [&] { drag(3, 0); }, // an element to it from node 1, now at (3, 0)
         }) {
        // clang-format on
        edit();
        ASSERT_FALSE(m.sameData(states.back())) << states.size();
        states.push_back(m);
    }
    const int steps = int(states.size()) - 1;
    QAction *undo = window->action(QStringLiteral("mnuUNDOitem"));
    QAction *redo = window->action(QStringLiteral("mnuREDOitem"));
    for (int i = steps - 1; i >= 0; --i) {
        m.modelChanged = false;
        trigger("mnuUNDOitem");
        EXPECT_TRUE(m.sameData(states[i]) && m.modelChanged) << "undone to " << i;
    }
    EXPECT_EQ(ws().log.entries().back().text, "Undo: New node #4, x=6, y=0, Constraints: ox");
    EXPECT_EQ(std::tuple(undo->text(), undo->isEnabled(), redo->text()),
              std::tuple(QString("Undo"), false, QString("Redo New node #4")));
    for (int i = 1; i <= steps; ++i) {
        trigger("mnuREDOitem");
        EXPECT_TRUE(m.sameData(states[i])) << "redone to " << i;
    }
    EXPECT_FALSE(redo->isEnabled());
}

} // namespace
