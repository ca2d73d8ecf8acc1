#pragma once
// The node marker painted into an image at a place it is shown at a second
// time and copied from there whenever it is shown at that place again. It
// follows the pointer a pixel or less at a time, and its antialiased outline
// costs more than the whole repaint around it; a hand going back and forth
// over the same spot, a pointer snapping to the grid's points, or a node
// marked again while the view stays as it is, shows it at places it has
// already been shown at. A place met for the first time is drawn afresh:
// a pointer roaming freely seldom comes back to exactly the same place, and
// painting an image costs more than drawing the marker once.
#include "drawing/ModelMouse.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QSet>

class QPainter;

class NodeMarkerImages {
public:
    // `ink`: the marker's colour.
    explicit NodeMarkerImages(const QColor &ink) : m_ink(ink) {}

    // Paints the marker of `shape` with its box at `box` (pixels) on `p` from
    // its kept image, the pixels draw() gives on an antialiased painter
    // (with a border no wider than a device pixel, a few outline pixels may
    // be a level of 255 off); `bounds` holds every pixel the marker touches.
    // False, painting nothing, where the marker is to be drawn afresh: at a
    // place met for the first time, and wherever an image cannot stand for
    // it (a painter that scales or turns, a fractional pixel ratio).
    bool paint(QPainter &p, NodeMarkerShape shape, const QRectF &box, const QRect &bounds);
    // Draws the marker afresh; `p` antialiased and without a brush.
    void draw(QPainter &p, NodeMarkerShape shape, const QRectF &box) const;

    // How many places are kept, and how many bytes their images take.
    qsizetype count() const { return m_images.size(); }
    qsizetype bytes() const { return m_bytes; }

    // Beyond this the kept images are dropped and painted again as needed:
    // a few thousand places at ratio 1.
    static constexpr qsizetype kMaxBytes = 4 * 1024 * 1024;
    // Beyond this many places met once, those are forgotten.
    static constexpr qsizetype kMaxPlacesMetOnce = 4096;

private:
    // The exact place and size in pixels, bit for bit: a marker a fraction of
    // a pixel away, or of another shape, is another image.
    struct Key {
        quint64 left, top, side;
        NodeMarkerShape shape;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.left, k.top, k.side, int(k.shape));
        }
    };
    // The painted pixels, cut to those that are not transparent, and where
    // they go relative to `bounds`.
    struct Placed {
        QPoint offset;
        QImage image;
    };

    Placed paintImage(NodeMarkerShape shape, const QRectF &box, const QRect &bounds,
                      qreal ratio) const;

    QColor m_ink;
    qreal m_ratio = 0; // the device pixel ratio the kept images were painted for
    QHash<Key, Placed> m_images;
    QSet<Key> m_metOnce; // places shown at once, without an image
    qsizetype m_bytes = 0;
};
