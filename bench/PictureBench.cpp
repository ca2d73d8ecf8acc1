#include "PictureBench.h"

#include "analysis/Functions_Bres_Megista.h"
#include "drawing/ViewOps.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/PainterCanvas.h"
#include "workspace/Workspace.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <memory>

namespace bench {

bool ensureGuiApplication()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    if (QCoreApplication::instance())
        return false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kel2d_bench";
    static char *argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(argc, argv));
    return true;
}

void buildCapacityModel(Workspace &ws, double widthCm, double heightCm)
{
    Model &m = ws.model;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) {
            const int n = ++m.nodeCount;
            m.nodes[n] = Node{1.5f * c, 1.2f * r, 0, 0, 0, 0};
            if (n % 3 == 0)
                m.nodes[n].fx = (n % 2 ? -1.0f : 1.0f) * 12.5f * n;
            if (n % 4 == 0)
                m.nodes[n].fy = (n % 8 ? -1.0f : 1.0f) * 0.75f * n;
            if (n % 7 == 0)
                m.springs[n] = Spring{1000.0f, n % 2 ? 250.0f : 0.0f};
        }
    for (int c = 1; c <= 10; ++c) {
        m.nodes[c].cx = float(c % 3 != 1);
        m.nodes[c].cy = float(c % 3 != 2);
    }
    m.groupCount = 3;
    for (int g = 1; g <= 3; ++g)
        m.groups[g] = ElementGroup{2.1e8 / g, 0.001 * g};
    const auto add = [&m](int i, int j) {
        const int e = ++m.elementCount;
        m.elements[e] = Element{float(i), float(j), float(1 + e % 3)};
    };
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 9; ++c)
            add(r * 10 + c + 1, r * 10 + c + 2);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 10; ++c)
            add(r * 10 + c + 1, r * 10 + c + 11);
    for (int k = 0; k < 20; ++k)
        add((k % 9) * 10 + k / 9 + 1, (k % 9) * 10 + k / 9 + 12);

    Settings &s = ws.settings;
    s.nai_omades = s.nai_miki = s.nai_sint_kombon = true;
    s.xroma_background = 0xFFFFFF;
    ws.view.areaWidth = widthCm;
    ws.view.areaHeight = heightCm;
    FitViewToModel(ws.view, m);
    ws.view.resetHistory();
}

void fillResults(Workspace &ws)
{
    for (int e = 1; e <= ws.model.elementCount; ++e) {
        ws.results.F[e][2] = 40.0 * std::sin(0.7 * e) + (e % 5 == 0 ? 0.0 : 3.0);
        ws.results.F[e][1] = -ws.results.F[e][2];
    }
    for (int n = 1; n <= ws.model.nodeCount; ++n) {
        ws.results.U[2 * n - 1] = 0.002 * std::sin(0.3 * n);
        ws.results.U[2 * n] = -0.003 * std::cos(0.2 * n);
    }
    ws.results.extrema = findExtrema(ws.model, ws.results);
}

Prepared prepare(const RecordingCanvas &rec, const PainterCanvas &reference)
{
    const double k = reference.pixelsPerCm();
    const QPalette pal = QGuiApplication::palette();
    Prepared p;
    p.background = resolveColour(rec.lastBackground(), pal);
    QImage metricsDevice(1, 1, QImage::Format_ARGB32_Premultiplied);
    metricsDevice.setDotsPerMeterX(qRound(reference.dpi() / 0.0254));
    metricsDevice.setDotsPerMeterY(qRound(reference.dpi() / 0.0254));
    // The recording canvas keeps lines, circles and texts apart; the order
    // within each kind is the drawing order, which is what the painter sees.
    for (const auto &l : rec.lines())
        p.ops.emplace_back(Prepared::Line{QLineF(l.x1 * k, l.y1 * k, l.x2 * k, l.y2 * k),
                                          QPen(resolveColour(l.colour, pal), l.width, Qt::SolidLine,
                                               Qt::RoundCap, Qt::RoundJoin)});
    for (const auto &c : rec.circles())
        p.ops.emplace_back(Prepared::Circle{
            QPointF(c.cx * k, c.cy * k), c.radius * k, QPen(resolveColour(c.colour, pal), c.width),
            c.solid ? QBrush(resolveColour(c.fill, pal)) : QBrush()});
    for (const auto &t : rec.texts()) {
        if (t.text.isEmpty())
            continue;
        QFont f = QGuiApplication::font();
        f.setPointSizeF(t.size);
        f.setBold(t.bold);
        const double ascent = QFontMetricsF(f, &metricsDevice).ascent();
        p.ops.emplace_back(Prepared::Text{QPointF(t.x * k, t.y * k + ascent), t.text,
                                          QPen(resolveColour(t.colour, pal)), f});
    }

    p.newPen.assign(p.ops.size(), 0);
    p.newFont.assign(p.ops.size(), 0);
    const QPen *lastPen = nullptr;
    const QFont *lastFont = nullptr;
    for (std::size_t i = 0; i < p.ops.size(); ++i) {
        const QPen *pen = std::visit([](const auto &op) { return &op.pen; }, p.ops[i]);
        p.newPen[i] = !lastPen || *pen != *lastPen;
        lastPen = pen;
        if (const auto *t = std::get_if<Prepared::Text>(&p.ops[i])) {
            p.newFont[i] = !lastFont || t->font != *lastFont;
            lastFont = &t->font;
        }
    }
    return p;
}

void runBaseline(benchmark::State &state, const Prepared &prepared)
{
    QImage image(kArea, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    state.counters["primitives"] = double(prepared.ops.size());
    for (auto _ : state) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.fillRect(image.rect(), prepared.background);
        for (std::size_t i = 0; i < prepared.ops.size(); ++i) {
            const auto &op = prepared.ops[i];
            if (const auto *l = std::get_if<Prepared::Line>(&op)) {
                if (prepared.newPen[i])
                    p.setPen(l->pen);
                p.drawLine(l->line);
            } else if (const auto *c = std::get_if<Prepared::Circle>(&op)) {
                if (prepared.newPen[i])
                    p.setPen(c->pen);
                p.setBrush(c->brush);
                p.drawEllipse(c->centre, c->r, c->r);
            } else if (const auto *t = std::get_if<Prepared::Text>(&op)) {
                if (prepared.newPen[i])
                    p.setPen(t->pen);
                if (prepared.newFont[i])
                    p.setFont(t->font);
                p.drawText(t->at, t->text);
            }
        }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace bench
