#pragma once
// What the picture benchmarks share: the application object, the model at
// the capacities with every label on, and a bare QPainter loop that draws
// the primitives of a recorded picture, prepared in advance, as the
// baseline the program's drawing is measured against.
#include "drawing/RecordingCanvas.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <benchmark/benchmark.h>

#include <variant>
#include <vector>

class PainterCanvas;
class Workspace;

namespace bench {

inline const QSize kArea(1200, 800);

// benchmark_main owns main(), so the application is made on first use.
// False when a non-GUI application object already exists.
bool ensureGuiApplication();

// 100 nodes on a 10 x 10 lattice, 200 elements (rows, columns and 20
// diagonals), loads of both signs, every kind of support, springs, and every
// label switched on; fitted to an area of the given size.
void buildCapacityModel(Workspace &ws, double widthCm, double heightCm);
// Results for it: axial forces of both signs and displacements of every
// node, with their extrema.
void fillResults(Workspace &ws);

// One painter call with everything it needs, already in pixels.
struct Prepared {
    struct Line {
        QLineF line;
        QPen pen;
    };
    struct Circle {
        QPointF centre;
        double r;
        QPen pen;
        QBrush brush;
    };
    struct Text {
        QPointF at;
        QString text;
        QPen pen;
        QFont font;
    };
    QColor background;
    std::vector<std::variant<Line, Circle, Text>> ops;
    // Pens and fonts are handed over only where they change, as a careful
    // hand-written drawing would.
    std::vector<char> newPen, newFont;
};

// The primitives of a picture recorded at the reference canvas's size.
Prepared prepare(const RecordingCanvas &recorded, const PainterCanvas &reference);

// The benchmark loop of the baseline: the prepared calls on a bare image.
void runBaseline(benchmark::State &state, const Prepared &prepared);

} // namespace bench
