#include "drawing/ModelMouse.h"

#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "common/Settings.h"
#include "drawing/DrawingSupport.h"
#include "drawing/ViewOps.h"
#include "drawing/ViewTransform.h"
#include "model/Model.h"
#include "model/NodeEditing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Pick distances, in centimetres of the drawing area, so that they feel the
// same at every zoom and on every screen.
constexpr double kNodePick = 0.15;
constexpr double kElementMargin = 0.15;
constexpr double kElementPick = 0.2;
constexpr double kSupportPick = 2.0;

const QString kNoGroupText = QStringLiteral(
    "Before defining an element, the main E,A Element Group must have been defined (#1).");

// Distance of (px, py) from the straight line through two points; from the
// point itself when the two coincide (an element of no length on screen).
double distanceToLine(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0))
        return std::hypot(px - x1, py - y1);
    return std::fabs(dx * (py - y1) - dy * (px - x1)) / length;
}

bool joined(const Model &m, int a, int b)
{
    for (int e = 1; e <= drawing::elementCount(m); ++e) {
        const int i = m.nodeI(e), j = m.nodeJ(e);
        if ((i == a && j == b) || (i == b && j == a))
            return true;
    }
    return false;
}

OverlayLabel numberLabel(int number, double left, double top)
{
    return OverlayLabel{true, QString::number(number), left, top, 0.2};
}

} // namespace

double nodeMarkerSize(NodeMarkerShape shape)
{
    return shape == NodeMarkerShape::Circle ? 0.45 : 0.238;
}

int nodeMarkerBorder(NodeMarkerShape shape) { return shape == NodeMarkerShape::Circle ? 2 : 1; }

ModelMouse::ModelMouse(Model &model, const Settings &settings, const ViewTransform &view,
                       Interaction &user)
    : m_model(model), m_settings(settings), m_view(view), m_user(user),
      m_index(kNodePick, kElementMargin)
{
}

double ModelMouse::pickedX(double x) const
{
    const double w = m_view.ToWorldX(x);
    return m_settings.nai_grid ? SnapToGrid(w, m_settings.kannab) : nf::RoundTo(w, 4);
}

double ModelMouse::pickedY(double y) const
{
    const double w = m_view.ToWorldY(y);
    return m_settings.nai_grid ? SnapToGrid(w, m_settings.kannab) : nf::RoundTo(w, 4);
}

int ModelMouse::nodeAt(double x, double y) const
{
    m_index.refresh(m_model, m_view);
    return nodeNear(x, y);
}

int ModelMouse::elementAt(double x, double y) const
{
    m_index.refresh(m_model, m_view);
    return elementNear(x, y);
}

int ModelMouse::nodeNear(double x, double y) const
{
    const Model &m = m_model;
    if (m_settings.nai_grid) {
        // Only a node standing exactly on the grid point can be picked.
        const float gx = static_cast<float>(pickedX(x)), gy = static_cast<float>(pickedY(y));
        for (int n = 1; n <= drawing::nodeCount(m); ++n)
            if (m.nodes[n].x == gx && m.nodes[n].y == gy)
                return n;
        return 0;
    }
    for (const int n : m_index.nodesNear(x, y))
        if (std::fabs(m_index.screenX(n) - x) < kNodePick
            && std::fabs(m_index.screenY(n) - y) < kNodePick)
            return n;
    return 0;
}

int ModelMouse::elementNear(double x, double y) const
{
    // Every move searches the elements near the pointer, in element order:
    // their places on screen are kept between moves, and most near ones are
    // passed over by their box alone.
    const std::vector<HoverIndex::Segment> &segments = m_index.segments();
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const int i : m_index.segmentsNear(x, y)) {
        const HoverIndex::Segment &s = segments[i];
        // Near the line beyond the element's ends is not on the element.
        if (x < s.minX - kElementMargin || x > s.maxX + kElementMargin
            || y < s.minY - kElementMargin || y > s.maxY + kElementMargin)
            continue;
        const double d = distanceToLine(x, y, s.x1, s.y1, s.x2, s.y2);
        if (d < bestDistance) {
            bestDistance = d;
            best = s.element;
        }
    }
    return bestDistance < kElementPick ? best : 0;
}

// ------------------------------------------------------------------ events

MouseSteps ModelMouse::press(Qt::MouseButton button, double x, double y)
{
    MouseSteps steps;
    if (button != Qt::LeftButton)
        return steps;
    m_buttonHeld = true;
    m_downX = x;
    m_downY = y;
    m_overlay.elementMarker.shown = false;
    m_overlay.elementLabel.shown = false;
    // The node under the press itself, whatever the last move reported.
    m_hoveredNode = nodeAt(x, y);
    if (m_hoveredNode) {
        m_startNode = m_hoveredNode;
    } else if (m_model.nodeCount < kMaxNodes) {
        m_startNode = steps.drawNode = placeNode(x, y);
        m_nodeJustPlaced = true;
    } else {
        // Nothing to start an element from: a drag from here makes none.
        m_startNode = 0;
    }
    return steps;
}

void ModelMouse::move(double x, double y, bool viewMode)
{
    m_nodeJustPlaced = false;
    // Once for both searches: nothing changes the model in between.
    m_index.refresh(m_model, m_view);
    if (m_buttonHeld && !viewMode)
        showRubber(x, y);
    m_lastX = x;
    m_lastY = y;
    followNode(x, y, viewMode);
    if (!m_buttonHeld)
        followElement(x, y);
    if (viewMode)
        hideHoverMarkers();
}

MouseSteps ModelMouse::release(Qt::MouseButton button, double x, double y)
{
    MouseSteps steps;
    const bool held = m_buttonHeld;
    m_buttonHeld = false;
    m_overlay.rubberLine.shown = false;
    m_overlay.coordinatesLabel.shown = false;
    if (button == Qt::RightButton) {
        steps.menuNode = m_hoveredNode = nodeAt(x, y);
        steps.menuElement = m_hoveredElement = elementAt(x, y);
        return steps;
    }
    if (button != Qt::LeftButton || !held)
        return steps;

    m_hoveredNode = nodeAt(x, y);
    m_endNode = m_hoveredNode;
    if (!m_endNode && !m_nodeJustPlaced && m_model.nodeCount < kMaxNodes)
        m_endNode = steps.drawNode = placeNode(x, y);
    m_nodeJustPlaced = false;
    if (!m_endNode || m_endNode == m_startNode || !drawing::validNode(m_model, m_startNode)) {
        steps.redraw = true;
        return steps;
    }
    if (m_model.groupCount < 1) {
        m_user.log.append(kNoGroupText, LogRed);
        const QString question = kNoGroupText + QLatin1Char('\n')
            + QStringLiteral("Elements defined on screen always belong to the main E,A Element "
                             "Group.\n\nDo you want to define the main E,A Element Group now?");
        if (m_user.prompts().message(question, kProgramTitle, PromptIcon::Exclamation,
                                     PromptButtons::YesNo)
            == PromptAnswer::Yes) {
            steps.openGroups = true;
            return steps;
        }
    }
    const MouseSteps joinedSteps = joinNodes();
    steps.redraw = joinedSteps.redraw;
    return steps;
}

MouseSteps ModelMouse::groupsDialogClosed() { return joinNodes(); }

MouseSteps ModelMouse::doubleClick()
{
    int nearest = 0;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int n = 1; n <= drawing::nodeCount(m_model); ++n) {
        const Node &node = m_model.nodes[n];
        const double d =
            std::hypot(m_view.ToScreenX(node.x) - m_lastX, m_view.ToScreenY(node.y) - m_lastY);
        if (d < nearestDistance) {
            nearestDistance = d;
            nearest = n;
        }
    }
    if (nearest && nearestDistance < kSupportPick)
        stepSupports(nearest);
    MouseSteps steps;
    steps.redraw = true;
    return steps;
}

void ModelMouse::hideHoverMarkers()
{
    m_overlay.nodeMarkerShown = false;
    m_overlay.nodeLabel.shown = false;
    m_overlay.elementMarker.shown = false;
    m_overlay.elementLabel.shown = false;
}

// ---------------------------------------------------------------- overlays

void ModelMouse::followNode(double x, double y, bool viewMode)
{
    MouseOverlay &o = m_overlay;
    const double px = viewMode ? nf::RoundTo(m_view.ToWorldX(x), 4) : pickedX(x);
    const double py = viewMode ? nf::RoundTo(m_view.ToWorldY(y), 4) : pickedY(y);
    o.nodeMarkerX = m_view.ToScreenX(px);
    o.nodeMarkerY = m_view.ToScreenY(py);
    const int hovered = nodeNear(x, y);
    const bool changed = hovered != m_hoveredNode;
    m_hoveredNode = hovered;
    if (viewMode)
        return;
    o.nodeMarkerShown = true;
    o.nodeMarkerShape = hovered ? NodeMarkerShape::Circle : NodeMarkerShape::Square;
    if (!hovered) {
        o.nodeLabel.shown = false;
    } else if (changed || !o.nodeLabel.shown) {
        // Placed once over the node; the marker may wander within reach.
        const double half = nodeMarkerSize(NodeMarkerShape::Circle) / 2;
        o.nodeLabel =
            numberLabel(hovered, o.nodeMarkerX - half + 0.32, o.nodeMarkerY - half - 0.32);
    }
}

void ModelMouse::followElement(double x, double y)
{
    MouseOverlay &o = m_overlay;
    const int hovered = elementNear(x, y);
    const bool changed = hovered != m_hoveredElement;
    m_hoveredElement = hovered;
    if (!hovered) {
        o.elementMarker.shown = false;
        o.elementLabel.shown = false;
        return;
    }
    if (!changed && o.elementMarker.shown)
        return;
    const Node &a = m_model.nodes[m_model.nodeI(hovered)];
    const Node &b = m_model.nodes[m_model.nodeJ(hovered)];
    o.elementMarker = OverlayLine{true, m_view.ToScreenX(a.x), m_view.ToScreenY(a.y),
                                  m_view.ToScreenX(b.x), m_view.ToScreenY(b.y)};
    const double midX = (o.elementMarker.x1 + o.elementMarker.x2) / 2;
    const double midY = (o.elementMarker.y1 + o.elementMarker.y2) / 2;
    o.elementLabel = numberLabel(hovered, midX, midY - 0.4);
}

void ModelMouse::showRubber(double x, double y)
{
    // The line shows only where letting go can still make an element.
    if (m_model.elementCount >= kMaxElements || !drawing::validNode(m_model, m_startNode))
        return;
    m_overlay.rubberLine =
        OverlayLine{true, m_view.ToScreenX(pickedX(m_downX)), m_view.ToScreenY(pickedY(m_downY)),
                    m_view.ToScreenX(pickedX(x)), m_view.ToScreenY(pickedY(y))};
    m_overlay.coordinatesLabel = OverlayLabel{true, coordinatesText(x, y), x + 0.1, y + 0.1, 0.5};
}

QString ModelMouse::coordinatesText(double x, double y) const
{
    double wx = m_view.ToWorldX(x), wy = m_view.ToWorldY(y);
    if (m_settings.nai_grid) {
        wx = SnapToGrid(wx, m_settings.kannab);
        wy = SnapToGrid(wy, m_settings.kannab);
    }
    QString text;
    if (m_settings.Nai_Apolites_Sint)
        text += nf::generalDouble(nf::RoundTo(wx, 5)) + QStringLiteral(", ")
            + nf::generalDouble(nf::RoundTo(wy, 5)) + QLatin1Char('\n');
    if (m_settings.Nai_Sxetikes_Sint) {
        const Node &start = m_model.nodes[m_startNode];
        text += QStringLiteral("@ ") + nf::generalDouble(nf::RoundTo(wx - start.x, 4))
            + QStringLiteral(", ") + nf::generalDouble(nf::RoundTo(wy - start.y, 4));
    }
    return text;
}

// ------------------------------------------------------- changes to the model

int ModelMouse::placeNode(double x, double y)
{
    Model &m = m_model;
    const int n = m.nodeCount + 1;
    Node node;
    node.x = static_cast<float>(pickedX(x));
    node.y = static_cast<float>(pickedY(y));
    const QString line = nodeLogLine(QStringLiteral("New node #%1").arg(n), node, Spring{});
    EditStep step(m_user, line);
    m.nodes[n] = node;
    m.springs[n] = Spring{};
    m.nodeCount = static_cast<std::int16_t>(n);
    m_user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    return n;
}

MouseSteps ModelMouse::joinNodes()
{
    Model &m = m_model;
    MouseSteps steps;
    steps.redraw = true;
    const int i = m_startNode, j = m_endNode;
    if (m.groupCount < 1 || m.elementCount >= kMaxElements || !drawing::validNode(m, i)
        || !drawing::validNode(m, j) || i == j || joined(m, i, j))
        return steps;
    const int e = m.elementCount + 1;
    const QString line = QStringLiteral("New element #%1, Node i: #%2, Node j: #%3, E,A Group: "
                                        "#1, P2 Type")
                             .arg(e)
                             .arg(i)
                             .arg(j);
    EditStep step(m_user, line);
    m.elements[e] = Element{static_cast<float>(i), static_cast<float>(j), 1.0f};
    m.elementCount = static_cast<std::int16_t>(e);
    m_user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    return steps;
}

void ModelMouse::stepSupports(int n)
{
    Node node = m_model.nodes[n];
    const auto is = [&node](float cx, float cy) { return node.cx == cx && node.cy == cy; };
    // Free, fixed in x, fixed in y, fixed in both, and free again.
    if (is(0, 0) || is(0, 1)) {
        node.cx = 1;
    } else if (is(1, 0)) {
        node.cx = 0;
        node.cy = 1;
    } else if (is(1, 1)) {
        node.cx = 0;
        node.cy = 0;
    } else {
        return; // flags that are neither fixed nor free are not ours to change
    }
    // No log line: the support symbols change in the drawing at once.
    EditStep step(m_user,
                  nodeLogLine(QStringLiteral("* Node #%1").arg(n), node, m_model.springs[n]));
    m_model.nodes[n] = node;
    m_model.modelChanged = true;
}
