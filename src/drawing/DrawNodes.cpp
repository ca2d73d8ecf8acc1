// The nodes: support symbols or x/o codes, springs, the node circle, the
// number and the coordinates.
#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/Sxediastika.h"

#include <cmath>

using drawing::lineBy;

namespace {

struct Direction {
    double ux = 0, uy = 0;
};

// Sum of the unit vectors from node n along each of its elements, in model
// axes: the supports are drawn on the opposite side. An element of zero
// length has no direction and adds nothing (it would make the sum NaN and
// throw every symbol of the node to one fixed side).
Direction elementDirection(const Model &m, int n)
{
    Direction d;
    const Node &a = m.nodes[n];
    for (int e = 1; e <= drawing::elementCount(m); ++e) {
        if (!drawing::drawableElement(m, e))
            continue;
        const int i = m.nodeI(e);
        const int j = m.nodeJ(e);
        if (i != n && j != n)
            continue;
        const Node &b = m.nodes[i == n ? j : i];
        const double dx = static_cast<double>(b.x) - a.x;
        const double dy = static_cast<double>(b.y) - a.y;
        const double len = std::sqrt(dx * dx + dy * dy);
        if (!(len > 0.0))
            continue;
        d.ux += dx / len;
        d.uy += dy / len;
    }
    return d;
}

// Roller against a wall, on the left (s = -1) or right (s = +1) of the node.
void drawXRoller(Canvas &c, double sx, double sy, double s)
{
    lineBy(c, sx, sy, 0.25 * s, 0.25);
    lineBy(c, sx, sy, 0.25 * s, -0.25);
    lineBy(c, sx + 0.25 * s, sy - 0.25, 0.0, 0.5);
    c.circle(sx + 0.35 * s, sy, 0.1);
    lineBy(c, sx + 0.45 * s, sy - 0.25, 0.0, 0.5);
    for (int i = 0; i <= 4; ++i)
        lineBy(c, sx + 0.45 * s, sy + 0.25 - 0.1 * i, 0.15 * s, -0.15);
}

// Roller on the ground, below (t = +1) or above (t = -1) the node.
void drawYRoller(Canvas &c, double sx, double sy, double t)
{
    lineBy(c, sx, sy, 0.25, 0.25 * t);
    lineBy(c, sx, sy, -0.25, 0.25 * t);
    lineBy(c, sx - 0.25, sy + 0.25 * t, 0.5, 0.0);
    c.circle(sx, sy + 0.35 * t, 0.1);
    lineBy(c, sx - 0.25, sy + 0.45 * t, 0.5, 0.0);
    for (int i = 1; i <= 5; ++i)
        lineBy(c, sx - 0.25 + 0.1 * i, sy + 0.45 * t, -0.15, 0.15 * t);
}

// Pin, below (t = +1) or above (t = -1) the node.
void drawPin(Canvas &c, double sx, double sy, double t)
{
    lineBy(c, sx, sy, 0.25, 0.25 * t);
    lineBy(c, sx, sy, -0.25, 0.25 * t);
    lineBy(c, sx - 0.25, sy + 0.25 * t, 0.5, 0.0);
    for (int i = 1; i <= 5; ++i)
        lineBy(c, sx - 0.25 + 0.1 * i, sy + 0.25 * t, -0.15, 0.15 * t);
}

// The node's number and, when constraints are shown as marks, its x/o code
// (x fixed, o free; nothing for a free node).
QString nodeLabel(const Settings &s, int n, bool fixedX, bool fixedY)
{
    QString label;
    if (s.nai_arithmisi_kombon)
        label = QString::number(n);
    if (s.nai_desmefseis && !s.nai_graf_stir && (fixedX || fixedY)) {
        label += QLatin1Char(' ');
        label += fixedX ? QLatin1Char('x') : QLatin1Char('o');
        label += fixedY ? QLatin1Char('x') : QLatin1Char('o');
    }
    return label;
}

// The support symbol on the side away from the node's elements; returns how
// far the node's label moves sideways to keep clear of it.
double drawSupport(Canvas &c, Direction d, double sx, double sy, bool fixedX, bool fixedY)
{
    if (fixedX && !fixedY) {
        const double side = d.ux > 0.0 ? -1.0 : 1.0;
        drawXRoller(c, sx, sy, side);
        return side > 0 ? -0.3 : 0.0;
    }
    const double t = d.uy >= 0.0 ? 1.0 : -1.0;
    if (fixedY && !fixedX)
        drawYRoller(c, sx, sy, t);
    else
        drawPin(c, sx, sy, t);
    return t > 0 ? 0.15 : 0.0;
}

// The spring's zig-zag, 0.88 cm long: to the right of the node, or downwards
// with x and y of every step exchanged.
void drawSpring(Canvas &c, double sx, double sy, bool vertical)
{
    static constexpr double steps[][2] = {
        {0.2, 0.0},  {0.04, 0.2},  {0.08, -0.4}, {0.08, 0.4}, {0.08, -0.4},
        {0.08, 0.4}, {0.08, -0.4}, {0.04, 0.2},  {0.2, 0.0},
    };
    double x = sx, y = sy;
    for (const auto &st : steps) {
        const double dx = vertical ? st[1] : st[0];
        const double dy = vertical ? st[0] : st[1];
        c.line(x, y, x + dx, y + dy);
        x += dx;
        y += dy;
    }
}

// The node's number and, on the line below, its coordinates.
void writeNodeText(Canvas &canvas, double sx, double sy, double shiftX, const QString &label,
                   const QString &coordinates)
{
    // The coordinates go on the line below the label's place, also when there
    // is no label to write: the text position would otherwise be wherever the
    // previous text left it.
    canvas.setTextPosition(sx + shiftX, sy);
    if (!label.isEmpty())
        canvas.text(label);
    else
        canvas.setTextPosition(sx, sy + canvas.textHeight(QStringLiteral(" ")));
    canvas.setTextPosition(sx, canvas.textY());
    canvas.text(coordinates);
}

} // namespace

void DrawNodes(const DrawingContext &dc, Canvas &canvas)
{
    for (int n = 1; n <= drawing::nodeCount(dc.model); ++n)
        DrawNode(dc, canvas, n);
    canvas.setFillSolid(true);
}

void DrawNode(const DrawingContext &dc, Canvas &canvas, int n)
{
    const Model &m = dc.model;
    const Settings &s = dc.settings;
    if (!drawing::validNode(m, n))
        return;
    const Node &node = m.nodes[n];
    const Spring &spring = m.springs[n];
    const double sx = dc.view.ToScreenX(node.x);
    const double sy = dc.view.ToScreenY(node.y);
    // Only a flag of exactly 1 is fixed; any other value (a hand-edited
    // file) is drawn as free, and the analysis refuses it.
    const bool fixedX = node.cx == 1.0f;
    const bool fixedY = node.cy == 1.0f;

    canvas.setForeColour(colourValue(s.xroma_kombon));
    canvas.setFillColour(colourValue(s.xroma_background));
    canvas.setFillSolid(true);
    canvas.setLineWidth(1);

    const QString label = nodeLabel(s, n, fixedX, fixedY);

    const double shiftX = s.nai_desmefseis && s.nai_graf_stir && (fixedX || fixedY)
        ? drawSupport(canvas, elementDirection(m, n), sx, sy, fixedX, fixedY)
        : 0.0;

    if (s.nai_springs) {
        if (spring.kx > 0.0f)
            drawSpring(canvas, sx, sy, false);
        if (spring.ky > 0.0f)
            drawSpring(canvas, sx, sy, true);
    }

    if (s.nai_komboi)
        canvas.circle(sx, sy, 0.08);

    QString coordinates;
    if (s.nai_sint_kombon)
        coordinates = QStringLiteral(" (") + nf::generalSingle(node.x) + QStringLiteral(", ")
            + nf::generalSingle(node.y) + QLatin1Char(')');

    writeNodeText(canvas, sx, sy, shiftX, label, coordinates);
}
