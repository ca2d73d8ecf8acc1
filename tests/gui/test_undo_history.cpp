// The undo history without a window: mixed edits of every kind undone to the
// start and redone to the end, the model exact at each step; steps that
// change nothing leave no entry; the oldest steps go beyond the limit.
#include "core/EditingFixture.h"
#include "drawing/ModelMouse.h"
#include "model/ElementEditing.h"
#include "model/GroupEditing.h"
#include "model/LoadEditing.h"
#include "model/MoveMerge.h"
#include "model/NodeEditing.h"
#include "ui/UndoRecorder.h"

namespace {

struct History : Editing {
    std::vector<std::pair<QString, bool>> restored; // label, undone
    UndoRecorder undo{ws.model, [this](const QString &label, bool undone, const EditEffects &) {
                          restored.emplace_back(label, undone);
                      }};
    History() { ws.setEditRecorder(&undo); }
};

// The user's work as steps, each leaving the model it is compared with.
std::vector<Model> editEverything(History &h, ModelMouse &mouse)
{
    std::vector<Model> states{h.model()};
    const auto done = [&] { states.push_back(h.model()); };
    bool changed = false;
    applyGroup(h.model(), h.ws,
               GroupInput{QStringLiteral("2"), QStringLiteral("200"), QStringLiteral("0.25")});
    done();
    applyNode(
        h.model(), h.ws,
        NodeInput{
            QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("0"), {}, {}, false, true});
    done();
    applyNode(h.model(), h.ws,
              NodeInput{QStringLiteral("2"),
                        QStringLiteral("4"),
                        QStringLiteral("0.5"),
                        QStringLiteral("10"),
                        {}});
    done();
    applyElement(h.model(), h.ws,
                 ElementInput{QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("4"),
                              QStringLiteral("2")});
    done();
    applyLoad(h.model(), h.ws,
              LoadInput{QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("-10")});
    done();
    h.okBoxes(); // node 2's elements go with it
    deleteNode(h.model(), h.ws, QStringLiteral("2"));
    done();
    mergeNodes(h.model(), h.ws, MergeInput{QStringLiteral("3"), QStringLiteral("1"), true, true},
               changed);
    done();
    // A press in empty space places a node; a drag from node 1, now at the
    // merge's midpoint (3, 0), joins them.
    const ViewTransform &v = h.ws.view;
    mouse.press(Qt::LeftButton, v.ToScreenX(5), v.ToScreenY(5));
    mouse.release(Qt::LeftButton, v.ToScreenX(5), v.ToScreenY(5));
    done();
    mouse.move(v.ToScreenX(3), v.ToScreenY(0), false);
    mouse.press(Qt::LeftButton, v.ToScreenX(3), v.ToScreenY(0));
    mouse.move(v.ToScreenX(5), v.ToScreenY(5), false);
    mouse.release(Qt::LeftButton, v.ToScreenX(5), v.ToScreenY(5));
    done();
    return states;
}

TEST(UndoHistory, MixedEditsUndoneAndRedoneRestoreEachStateExactly)
{
    History h;
    h.nodes({{0, 0}, {4, 0}, {2, 3}});
    h.groups(1);
    h.elements({{1, 2, 1}, {2, 3, 1}, {1, 3, 1}});
    h.model().fileName = QStringLiteral("/models/bridge.kel");
    h.model().analysisFailed = true;
    h.ws.view.resetView();
    h.ws.settings.nai_grid = false;
    ModelMouse mouse{h.ws.model, h.ws.settings, h.ws.view, h.ws};

    const std::vector<Model> states = editEverything(h, mouse);
    // Node 1 applied again as the merge left it changes nothing: no step.
    applyNode(h.model(), h.ws,
              NodeInput{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"), {}, {}});
    const int steps = int(states.size()) - 1;
    ASSERT_EQ(h.undo.stack().count(), steps);
    for (size_t i = 1; i < states.size(); ++i)
        ASSERT_FALSE(states[i].sameData(states[i - 1])) << "step " << i << " changed nothing";

    for (int i = steps - 1; i >= 0; --i) {
        h.model().modelChanged = false;
        h.undo.stack().undo();
        EXPECT_TRUE(h.model().sameData(states[i])) << "undone to " << i;
        EXPECT_TRUE(h.model().modelChanged);
    }
    for (int i = 1; i <= steps; ++i) {
        h.undo.stack().redo();
        EXPECT_TRUE(h.model().sameData(states[i])) << "redone to " << i;
    }
    EXPECT_EQ(h.model().fileName, QStringLiteral("/models/bridge.kel"));
    EXPECT_TRUE(h.model().analysisFailed);
    ASSERT_EQ(h.restored.size(), 2u * steps);
    // The first undo names the last step; the node deletion, its elements
    // with it, is one step named by the node's line.
    EXPECT_EQ(h.restored.front(),
              std::pair(QStringLiteral("New element #2, Node i: #1, Node j: #3, E,A Group: #1, "
                                       "P2 Type"),
                        true));
    EXPECT_EQ(h.restored[3].first, QStringLiteral("Node deleted: #2. Nodes renumbered: #3 to #4."));
    EXPECT_EQ(h.restored.back().second, false);
}

TEST(UndoHistory, TheOldestStepsGoBeyondTheLimit)
{
    History h;
    h.nodes({{0, 0}});
    const int extra = 5;
    for (int x = 1; x <= kUndoLimit + extra; ++x)
        applyNode(h.model(), h.ws,
                  NodeInput{QStringLiteral("1"), QString::number(x), QStringLiteral("0"), {}, {}});
    EXPECT_EQ(h.undo.stack().count(), kUndoLimit);
    while (h.undo.stack().canUndo())
        h.undo.stack().undo();
    EXPECT_EQ(h.model().nodes[1].x, float(extra));
}

TEST(UndoHistory, MenuTextsNameTheStepShortly)
{
    const struct {
        const char *label, *text;
    } rows[] = {
        {"New node #3, x=2, y=0, Free", "Undo New node #3"},
        {"Node #2 merged in node #1.", "Undo Node #2 merged in node #1"},
        {"Node deleted: #3. Nodes renumbered: #4 to #6.", "Undo Node deleted: #3"},
        {"Moved nodes: #1 to #3, dx=0.5, dy=0", "Undo Moved nodes: #1 to #3"},
        {"Group & co", "Undo Group && co"},
        {"", "Undo"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(undoActionText(QStringLiteral("Undo"), QString::fromUtf8(r.label)),
                  QString::fromLatin1(r.text));
}

} // namespace
