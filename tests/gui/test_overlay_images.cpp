// The element marker and the labels copied from kept images look exactly as
// when drawn afresh: same pixels at pixel ratios 1 and 2, on both kinds of
// screen image, whole or in pieces, and again after the items changed. So
// does the node marker, but for a level on a few corner pixels of the square
// with a one-pixel border. The region a move repaints covers the pixels of
// the items' rectangles.
#include "drawing/gui/MouseOverlayPainter.h"
#include "drawing/gui/NodeMarkerImages.h"
#include "drawing/gui/RectUnion.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kPixelsPerCm = 37.795;

MouseOverlay overlayWith(double shift, const QString &coordinates)
{
    MouseOverlay o;
    o.nodeMarkerShown = true;
    o.nodeMarkerShape = NodeMarkerShape::Circle;
    o.nodeMarkerX = 3.013 + shift;
    o.nodeMarkerY = 2.271;
    o.nodeLabel = OverlayLabel{true, QStringLiteral("17"), 3.107 + shift, 1.726, 0.2};
    o.elementMarker = OverlayLine{true, 1.0031, 4.1177 + shift, 6.4419, 1.3303};
    o.elementLabel = OverlayLabel{true, QStringLiteral("123"), 3.7225, 2.3240 + shift, 0.2};
    o.rubberLine = OverlayLine{true, 0.5, 0.5, 3.013, 2.271};
    o.coordinatesLabel = OverlayLabel{true, coordinates, 3.113, 2.371, 0.5};
    return o;
}

// A picture under the overlay that is no single colour, so that blending
// shows.
QImage screenImage(QImage::Format format, qreal ratio)
{
    QImage image(QSize(320, 240) * ratio, format);
    image.setDevicePixelRatio(ratio);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, ((x + y) * 3) & 255));
    return image;
}

void paintOn(QImage &image, const MouseOverlayPainter &painter, const MouseOverlay &overlay,
             const QRegion &exposed)
{
    QPainter p(&image);
    p.setClipRegion(exposed);
    painter.paint(p, overlay, kPixelsPerCm, exposed);
}

TEST(OverlayImages, KeptImagesGiveTheSamePixelsAsDrawingAfresh)
{
    const QFont font = QApplication::font();
    const MouseOverlay first = overlayWith(0, QStringLiteral("12.5, -3.25\n@ 0.5, 1"));
    const MouseOverlay moved = overlayWith(0.0173, QStringLiteral("12.75, -3.5\n@ 0.75, 1.25"));
    const QColor background(Qt::white);
    for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32})
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << "format " << format << " ratio " << ratio);
            const MouseOverlayPainter afresh(font, background, false);
            const MouseOverlayPainter kept(font, background, true);
            const QRegion whole = kept.region(first, kPixelsPerCm);
            // A piece of the element marker and of the node label only.
            const QRegion piece = QRegion(136, 99, 9, 8) + QRegion(125, 68, 12, 5);
            // The first paint makes the images, the next ones copy them;
            // the last follows the items that changed.
            const struct {
                const MouseOverlay *overlay;
                const QRegion *exposed;
            } paints[] = {{&first, &whole}, {&first, &piece}, {&moved, &whole}};
            for (const auto &step : paints) {
                QImage expected = screenImage(format, ratio), actual = expected;
                paintOn(expected, afresh, *step.overlay, *step.exposed);
                paintOn(actual, kept, *step.overlay, *step.exposed);
                EXPECT_EQ(actual, expected);
                EXPECT_NE(actual, screenImage(format, ratio)); // something was painted
            }
        }
}

} // namespace

namespace {

// How far apart two images of the same size are: how many pixels differ, and
// by at most how many levels in a channel.
struct Difference {
    int pixels = 0;
    int levels = 0;
};

Difference differenceOf(const QImage &a, const QImage &b)
{
    Difference d;
    if (a == b)
        return d;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            if (p == q)
                continue;
            ++d.pixels;
            for (const int shift : {0, 8, 16, 24})
                d.levels =
                    std::max(d.levels, std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)));
        }
    return d;
}

// The node marker alone, at places a fraction of a pixel apart and on both
// sides of the area's edges, each painted twice: once into its kept image,
// once copied from it (or drawn afresh where no image can stand for it). A
// square's one-pixel outline at ratio 1 blends the pixels where its sides
// meet its rounded corners twice, which over the picture rounds a level
// otherwise than over a clear image: up to three such pixels at each of the
// eight joins may be one level off. Every other copy is exact.
TEST(OverlayImages, NodeMarkerCopiedAtEveryPlaceGivesTheSamePixelsAsDrawingAfresh)
{
    const QFont font = QApplication::font();
    for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32})
        for (const qreal ratio : {1.0, 2.0})
            for (const NodeMarkerShape shape : {NodeMarkerShape::Square, NodeMarkerShape::Circle}) {
                SCOPED_TRACE(testing::Message() << "format " << format << " ratio " << ratio
                                                << " shape " << int(shape));
                const bool thinOutline = nodeMarkerBorder(shape) * ratio <= 1;
                const MouseOverlayPainter afresh(font, Qt::white, false);
                const MouseOverlayPainter kept(font, Qt::white, true);
                const QImage screen = screenImage(format, ratio);
                Difference most;
                for (int i = 0; i < 60; ++i)
                    for (int pass = 0; pass < 2; ++pass) {
                        MouseOverlay o;
                        o.nodeMarkerShown = true;
                        o.nodeMarkerShape = shape;
                        o.nodeMarkerX = -0.3 + i * 0.1537;
                        o.nodeMarkerY = 6.5 - i * 0.1173;
                        const QRegion exposed = kept.region(o, kPixelsPerCm);
                        QImage expected = screen, actual = screen;
                        paintOn(expected, afresh, o, exposed);
                        paintOn(actual, kept, o, exposed);
                        const Difference d = differenceOf(actual, expected);
                        most.pixels = std::max(most.pixels, d.pixels);
                        most.levels = std::max(most.levels, d.levels);
                    }
                EXPECT_LE(most.pixels, thinOutline ? 8 * 3 : 0);
                EXPECT_LE(most.levels, thinOutline ? 1 : 0);
            }
}

// However many places the pointer shows the marker at, the kept images stay
// within their bound.
TEST(OverlayImages, NodeMarkerImagesStayWithinTheirBound)
{
    QImage screen = screenImage(QImage::Format_RGB32, 1.0);
    NodeMarkerImages images(Qt::black);
    QPainter p(&screen);
    p.setRenderHint(QPainter::Antialiasing);
    qsizetype most = 0;
    const int places = 3000; // of a large marker: some 8 KiB each
    for (int i = 0; i < places; ++i) {
        const QRectF box(20 + i * 0.0173, 30, 40, 40);
        const QRect bounds(int(box.left()) - 3, 27, 48, 48);
        ASSERT_TRUE(images.paint(p, NodeMarkerShape::Circle, box, bounds));
        most = std::max(most, images.bytes());
    }
    EXPECT_LE(most, NodeMarkerImages::kMaxBytes + 48 * 48 * 4);
    EXPECT_LT(images.count(), places);
}

} // namespace

namespace {

// Whether `r`'s rectangles lie as QRegion keeps them: in bands from top to
// bottom, a band's rectangles of one height from left to right, neither
// overlapping nor touching sideways.
bool banded(const QRegion &r)
{
    const QRect *previous = nullptr;
    for (const QRect &rect : r) {
        if (previous) {
            const bool sameBand = rect.top() == previous->top();
            if (sameBand
                    ? rect.bottom() != previous->bottom() || rect.left() <= previous->right() + 1
                    : rect.top() <= previous->bottom())
                return false;
        }
        previous = &rect;
    }
    return true;
}

// The region built at once covers the pixels QRegion's own union covers, for
// the shapes a pointer move makes and for any others, in a form QRegion can
// take.
TEST(OverlayImages, UnionOfRectsIsQRegionsUnion)
{
    constexpr int kLast = std::numeric_limits<int>::max();
    const std::vector<std::vector<QRect>> cases = {
        {},
        {QRect(5, 5, 0, 4)},                                               // empty only
        {QRect(3, 4, 10, 10)},                                             // one
        {QRect(3, 4, 10, 10), QRect(3, 4, 10, 10)},                        // the same twice
        {QRect(10, 10, 12, 12), QRect(11, 11, 12, 12)},                    // a marker moved
        {QRect(10, 10, 12, 12), QRect(22, 10, 12, 12)},                    // touching sideways
        {QRect(10, 10, 12, 12), QRect(10, 22, 12, 12)},                    // touching below
        {QRect(10, 10, 12, 12), QRect(40, 60, 5, 5)},                      // apart
        {QRect(0, 0, 50, 50), QRect(10, 10, 5, 5)},                        // one inside the other
        {QRect(0, 0, 10, 30), QRect(20, 0, 10, 30), QRect(5, 10, 20, 10)}, // an H
        {QRect(0, 0, 10, 10), QRect(20, 0, 10, 10), QRect(0, 10, 10, 10), QRect(20, 10, 10, 10)},
        // reaching the last pixel an int can number
        {QRect(QPoint(kLast - 9, kLast - 9), QPoint(kLast, kLast)),
         QRect(QPoint(kLast - 20, kLast - 4), QPoint(kLast - 10, kLast))},
    };
    const auto byAdding = [](const std::vector<QRect> &rects) {
        QRegion r;
        for (const QRect &rect : rects)
            r += rect;
        return r;
    };
    const auto same = [&](const std::vector<QRect> &rects) {
        const QRegion actual = unionOfRects(rects);
        return banded(actual) && actual.xored(byAdding(rects)).isEmpty()
            && actual.boundingRect() == byAdding(rects).boundingRect();
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_TRUE(same(cases[i])) << "case " << i;
    // Small rectangles crowded together, up to more than are built at once.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, 40), side(0, 15);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<QRect> rects(1 + trial % (kMaxRectsAtOnce + 2));
        for (QRect &r : rects)
            r = QRect(place(random), place(random), side(random), side(random));
        ASSERT_TRUE(same(rects)) << "trial " << trial;
    }
}

} // namespace
