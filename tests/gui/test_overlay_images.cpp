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

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <tuple>
#include <vector>

namespace {

constexpr double kPixelsPerCm = 37.795;

MouseOverlay overlayWith(double shift, const QString &coordinates)
{
    return MouseOverlay{true,
                        NodeMarkerShape::Circle,
                        3.013 + shift,
                        2.271,
                        OverlayLabel{true, QStringLiteral("17"), 3.107 + shift, 1.726, 0.2},
                        OverlayLine{true, 1.0031, 4.1177 + shift, 6.4419, 1.3303},
                        OverlayLabel{true, QStringLiteral("123"), 3.7225, 2.3240 + shift, 0.2},
                        OverlayLine{true, 0.5, 0.5, 3.013, 2.271},
                        OverlayLabel{true, coordinates, 3.113, 2.371, 0.5}};
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

QImage paintedOver(QImage screen, const MouseOverlayPainter &painter, const MouseOverlay &overlay,
                   const QRegion &exposed)
{
    QPainter p(&screen);
    p.setClipRegion(exposed);
    painter.paint(p, overlay, kPixelsPerCm, exposed);
    p.end();
    return screen;
}

// How many pixels of two images of one size differ, and by at most how many
// levels in a channel.
std::pair<int, int> differenceOf(const QImage &a, const QImage &b)
{
    int pixels = 0, levels = 0;
    for (int row = 0; a != b && row < a.height(); ++row)
        for (int column = 0; column < a.width(); ++column)
            if (const QRgb p = a.pixel(column, row), q = b.pixel(column, row); p != q) {
                ++pixels;
                for (const int shift : {0, 8, 16, 24})
                    levels = std::max(levels,
                                      std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)));
            }
    return {pixels, levels};
}

// All the items: the first paint makes the images, the next ones copy them,
// the third follows the items that changed, the last goes back to the first
// ones. Then the node marker alone at
// places a fraction of a pixel apart and on both sides of the area's edges,
// each painted twice: into its kept image, then copied from it (or drawn
// afresh where no image can stand for it). A square's one-pixel outline at
// ratio 1 blends the pixels where its sides meet its rounded corners twice,
// which over the picture rounds a level otherwise than over a clear image: up
// to three such pixels at each of the eight joins may be one level off.
TEST(OverlayImages, KeptImagesGiveTheSamePixelsAsDrawingAfresh)
{
    const QFont font = QApplication::font();
    const MouseOverlay first = overlayWith(0, QStringLiteral("12.5, -3.25\n@ 0.5, 1"));
    const MouseOverlay moved = overlayWith(0.0173, QStringLiteral("12.75, -3.5\n@ 0.75, 1.25"));
    for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32})
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << "format " << format << " ratio " << ratio);
            const QImage screen = screenImage(format, ratio);
            const MouseOverlayPainter afresh(font, Qt::white, false), kept(font, Qt::white, true);
            const QRegion whole = kept.region(first, kPixelsPerCm);
            // A piece of the element marker and of the node label only.
            const QRegion piece = QRegion(136, 99, 9, 8) + QRegion(125, 68, 12, 5);
            for (const auto &[overlay, exposed] : {std::pair{&first, &whole},
                                                   {&first, &piece},
                                                   {&moved, &whole},
                                                   {&first, &whole}}) {
                const QImage expected = paintedOver(screen, afresh, *overlay, *exposed);
                EXPECT_EQ(paintedOver(screen, kept, *overlay, *exposed), expected);
                EXPECT_NE(expected, screen); // something was painted
            }
            for (const NodeMarkerShape shape : {NodeMarkerShape::Square, NodeMarkerShape::Circle}) {
                int pixels = 0, levels = 0;
                for (int i = 0; i < 120; ++i) { // each place twice
                    const MouseOverlay o{
                        true, shape, -0.3 + i / 2 * 0.1537, 6.5 - i / 2 * 0.1173, {}, {}, {},
                        {},   {}};
                    const QRegion exposed = kept.region(o, kPixelsPerCm);
                    const auto [p, l] = differenceOf(paintedOver(screen, kept, o, exposed),
                                                     paintedOver(screen, afresh, o, exposed));
                    pixels = std::max(pixels, p);
                    levels = std::max(levels, l);
                }
                const bool thinOutline = nodeMarkerBorder(shape) * ratio <= 1;
                EXPECT_LE(pixels, thinOutline ? 8 * 3 : 0) << int(shape);
                EXPECT_LE(levels, thinOutline ? 1 : 0) << int(shape);
            }
        }
}

// An element marker running far beyond the area, as after zooming far in,
// still covers and paints its pixels on the area; one with an end that is
// not a number covers none.
TEST(OverlayImages, AnElementMarkerRunningFarOffTheAreaKeepsItsPixels)
{
    const MouseOverlayPainter painter(QApplication::font(), Qt::white);
    const QPoint onArea(int(2 * kPixelsPerCm), int(kPixelsPerCm));
    for (const double end : {1e12, -1e12, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        MouseOverlay o;
        o.elementMarker = OverlayLine{true, 2, 1, end, 1};
        const QRegion region = painter.region(o, kPixelsPerCm);
        if (std::isnan(end)) {
            EXPECT_TRUE(region.isEmpty());
            continue;
        }
        EXPECT_TRUE(region.contains(onArea)) << end;
        const QImage screen = screenImage(QImage::Format_RGB32, 1.0);
        EXPECT_NE(paintedOver(screen, painter, o, region).pixel(onArea), screen.pixel(onArea))
            << end;
    }
}

// A place met for the first time is left to be drawn afresh; from the second
// time on the marker comes from its image. However many places the pointer
// shows the marker at, the kept images stay within their bound.
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
        const bool first = images.paint(p, NodeMarkerShape::Circle, box, bounds);
        const bool second = images.paint(p, NodeMarkerShape::Circle, box, bounds);
        const bool otherShape = images.paint(p, NodeMarkerShape::Square, box, bounds);
        ASSERT_EQ(std::tuple(first, second, otherShape), std::tuple(false, true, false)) << i;
        most = std::max(most, images.bytes());
    }
    EXPECT_LE(most, NodeMarkerImages::kMaxBytes + 48 * 48 * 4);
    EXPECT_LT(images.count(), places);
}

// Whether `r`'s rectangles lie as QRegion keeps them: in bands from top to
// bottom, a band's rectangles of one height from left to right, neither
// overlapping nor touching sideways.
bool banded(const QRegion &r)
{
    return std::adjacent_find(r.begin(), r.end(),
                              [](const QRect &a, const QRect &b) {
                                  return b.top() == a.top()
                                      ? b.bottom() != a.bottom() || b.left() <= a.right() + 1
                                      : b.top() <= a.bottom();
                              })
        == r.end();
}

// The region built at once covers the pixels QRegion's own union covers, in a
// form QRegion can take: for rectangles reaching the last pixel an int can
// number, and for small ones crowded together (touching, overlapping, empty,
// repeated), up to more than are built at once.
TEST(OverlayImages, UnionOfRectsIsQRegionsUnion)
{
    constexpr int kLast = std::numeric_limits<int>::max();
    const auto corners = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right, bottom));
    };
    // Nothing, a marker moved, and two squares at the int limit.
    std::vector<std::vector<QRect>> cases = {
        {},
        {QRect(10, 10, 12, 12), QRect(11, 11, 12, 12)},
        {corners(kLast - 9, kLast - 9, kLast, kLast),
         corners(kLast - 20, kLast - 4, kLast - 10, kLast)},
    };
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, 40), side(0, 15);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<QRect> &rects = cases.emplace_back(1 + trial % (kMaxRectsAtOnce + 2));
        for (QRect &r : rects)
            r = QRect(place(random), place(random), side(random), side(random));
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        QRegion added;
        for (const QRect &rect : cases[i])
            added += rect;
        const QRegion built = unionOfRects(cases[i]);
        ASSERT_TRUE(banded(built) && built.xored(added).isEmpty()
                    && built.boundingRect() == added.boundingRect())
            << "case " << i;
    }
}

} // namespace
