// The node and element under the pointer, found from the places kept between
// moves, against the plain rule worked out afresh from the model, over a
// sweep of pointer positions; and the kept places following removals.
#include "drawing/DrawingSupport.h"
#include "drawing/ModelMouse.h"
#include "drawing/ViewOps.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The plain rule: the first node within 0.15 cm in x and in y; the element
// nearest the pointer within 0.2 cm among those whose nodes' box, enlarged
// by 0.15 cm, holds it, the first of equally near ones.
int plainNodeAt(const Workspace &ws, double x, double y)
{
    const Model &m = ws.model;
    for (int n = 1; n <= drawing::nodeCount(m); ++n)
        if (std::fabs(ws.view.ToScreenX(m.nodes[n].x) - x) < 0.15
            && std::fabs(ws.view.ToScreenY(m.nodes[n].y) - y) < 0.15)
            return n;
    return 0;
}

int plainElementAt(const Workspace &ws, double x, double y)
{
    const Model &m = ws.model;
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int e = 1; e <= drawing::elementCount(m); ++e) {
        const int i = m.nodeI(e), j = m.nodeJ(e);
        if (!drawing::validNode(m, i) || !drawing::validNode(m, j))
            continue;
        const double x1 = ws.view.ToScreenX(m.nodes[i].x), y1 = ws.view.ToScreenY(m.nodes[i].y);
        const double x2 = ws.view.ToScreenX(m.nodes[j].x), y2 = ws.view.ToScreenY(m.nodes[j].y);
        if (x < std::min(x1, x2) - 0.15 || x > std::max(x1, x2) + 0.15
            || y < std::min(y1, y2) - 0.15 || y > std::max(y1, y2) + 0.15)
            continue;
        const double dx = x2 - x1, dy = y2 - y1, length = std::hypot(dx, dy);
        const double d = length > 0.0 ? std::fabs(dx * (y - y1) - dy * (x - x1)) / length
                                      : std::hypot(x - x1, y - y1);
        if (d < bestDistance) {
            bestDistance = d;
            best = e;
        }
    }
    return bestDistance < 0.2 ? best : 0;
}

void addNode(Model &m, float x, float y) { m.nodes[++m.nodeCount] = Node{x, y, 0, 0, 0, 0}; }
void addElement(Model &m, float i, float j) { m.elements[++m.elementCount] = Element{i, j, 1}; }

// 100 nodes on a 10 x 10 lattice joined by 200 elements.
void capacityModel(Model &m)
{
    for (int k = 0; k < 100; ++k)
        addNode(m, 1.5f * float(k % 10), 1.2f * float(k / 10));
    for (int k = 1; k <= 100; ++k) {
        if (k % 10)
            addElement(m, k, k + 1);
        if (k <= 90)
            addElement(m, k, k + 10);
    }
    for (int k = 0; k < 20; ++k)
        addElement(m, (k % 9) * 10 + k / 9 + 1, (k % 9) * 10 + k / 9 + 12);
}

// Items on top of one another: coincident nodes, the same element twice in
// both directions, collinear overlapping elements, an element of no length,
// references that are not whole numbers or name no node.
void overlappingModel(Model &m)
{
    const float places[][2] = {{0, 0}, {4, 0}, {0, 0}, {2, 0}, {6, 0}, {2, 2}, {4, 0}};
    const float ends[][2] = {{1, 2},    {2, 1}, {3, 5}, {4, 4}, {1, 6},
                             {6.5f, 2}, {2, 9}, {0, 1}, {7, 6}, {5, 2}};
    for (const auto &p : places)
        addNode(m, p[0], p[1]);
    for (const auto &e : ends)
        addElement(m, e[0], e[1]);
}

TEST(HoverSearch, KeptPlacesFindWhatThePlainRuleFinds)
{
    for (void (*build)(Model &) : {capacityModel, overlappingModel}) {
        Workspace ws;
        ws.settings.nai_grid = false;
        build(ws.model);
        ws.view.areaWidth = 30;
        ws.view.areaHeight = 20;
        FitViewToModel(ws.view, ws.model);
        ModelMouse mouse(ws.model, ws.settings, ws.view, ws);
        // Steps that are no fraction of the pick distances, over the area
        // and a little beyond it.
        int nodesFound = 0, elementsFound = 0, mismatches = 0;
        for (double x = -0.5; x < 30.5; x += 0.1237)
            for (double y = -0.5; y < 20.5; y += 0.1319) {
                const int node = mouse.nodeAt(x, y), element = mouse.elementAt(x, y);
                nodesFound += node != 0;
                elementsFound += element != 0;
                if ((node != plainNodeAt(ws, x, y) || element != plainElementAt(ws, x, y))
                    && ++mismatches <= 5)
                    ADD_FAILURE() << "at " << x << ", " << y;
            }
        // None differs, and the sweep met items, not only empty space.
        EXPECT_TRUE(mismatches == 0 && nodesFound > 20 && elementsFound > 100)
            << mismatches << " " << nodesFound << " " << elementsFound;
    }
}

// Nodes or elements removed between two searches are no longer found.
TEST(HoverSearch, RemovedNodesAndElementsAreNotFound)
{
    for (const bool removeNode : {false, true}) {
        Workspace ws;
        ws.settings.nai_grid = false;
        ws.view.resetView();
        addNode(ws.model, 0, 0);
        addNode(ws.model, 4, 0);
        addElement(ws.model, 1, 2);
        ModelMouse mouse(ws.model, ws.settings, ws.view, ws);
        const double x = ws.view.ToScreenX(4), y = ws.view.ToScreenY(0);
        ASSERT_EQ(std::pair(mouse.nodeAt(x, y), mouse.elementAt(x - 0.1, y)), std::pair(2, 1));
        (removeNode ? ws.model.nodeCount : ws.model.elementCount) = removeNode ? 1 : 0;
        EXPECT_EQ(std::pair(mouse.nodeAt(x, y), mouse.elementAt(x - 0.1, y)),
                  std::pair(removeNode ? 0 : 2, 0));
    }
}

} // namespace
