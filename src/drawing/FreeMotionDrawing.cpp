#include "drawing/FreeMotionDrawing.h"

#include "analysis/FreeMotions.h"
#include "drawing/DrawingSupport.h"
#include "drawing/Sxediastika.h"

namespace {

constexpr double kAmplitudeShare = 0.1; // of the area's smaller side
constexpr double kMarkRadius = 0.1;     // cm

struct Moved {
    double x, y; // cm
};

// Node n on the screen, moved by its share of the motion; y grows downwards
// on the screen and upwards in the model.
Moved movedNode(const DrawingContext &dc, const FreeMotion &motion, int n, double amplitude)
{
    const Node &node = dc.model.nodes[n];
    const std::size_t x = std::size_t(2 * n - 1), y = std::size_t(2 * n);
    const double ux = x < motion.u.size() ? motion.u[x] : 0.0;
    const double uy = y < motion.u.size() ? motion.u[y] : 0.0;
    return {dc.view.ToScreenX(node.x) + amplitude * ux, dc.view.ToScreenY(node.y) - amplitude * uy};
}

} // namespace

void drawFreeMotion(const DrawingContext &dc, Canvas &canvas, const FreeMotion &motion, int number)
{
    const Settings &s = dc.settings;
    const Model &m = dc.model;
    canvas.clear(colourValue(s.xroma_background));
    DrawGrid(dc, canvas);
    DrawAxes(dc, canvas);
    DrawElements(dc, canvas);
    DrawNodalLoads(dc, canvas);
    DrawNodes(dc, canvas);

    const double amplitude = kAmplitudeShare * std::min(canvas.widthCm(), canvas.heightCm());
    const std::uint32_t colour = colourValue(s.xroma_paramorfosis);
    canvas.setForeColour(colour);
    canvas.setLineWidth(2);
    if (s.nai_stoixeia) {
        for (int e = 1; e <= drawing::elementCount(m); ++e) {
            if (!drawing::drawableElement(m, e))
                continue;
            const Moved a = movedNode(dc, motion, m.nodeI(e), amplitude);
            const Moved b = movedNode(dc, motion, m.nodeJ(e), amplitude);
            canvas.line(a.x, a.y, b.x, b.y);
        }
    }
    canvas.setLineWidth(1);
    canvas.setFillColour(colour);
    canvas.setFillSolid(true);
    for (const FreeMotion::MovingNode &n : motion.nodes) {
        if (!drawing::validNode(m, n.node))
            continue;
        const Moved p = movedNode(dc, motion, n.node, amplitude);
        canvas.circle(p.x, p.y, kMarkRadius);
    }

    canvas.setForeColour(colourValue(s.xroma_stoixeion));
    canvas.setFontSize(8);
    canvas.setFontBold(false);
    canvas.setTextPosition(0.1, 0.07);
    canvas.text(QStringLiteral("Free motion %1").arg(number));
}
