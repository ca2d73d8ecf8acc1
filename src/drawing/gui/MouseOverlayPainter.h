#pragma once
// Paints the mouse's markers, labels and rubber line over the drawing area's
// picture, and tells which pixels they cover, so that a pointer move repaints
// only what the overlay left and what it now covers.
#include "drawing/ModelMouse.h"
#include "drawing/gui/NodeMarkerImages.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QRegion>

#include <functional>
#include <vector>

class QPainter;

class MouseOverlayPainter {
public:
    // `font`: the labels' font; `background`: the picture's background, which
    // the markers and the rubber line stand out from. `keepImages`: the
    // element marker and the labels are painted once into images that later
    // paints of the same item copy, and so is the node marker at each place
    // it is shown (off: every paint draws them afresh).
    MouseOverlayPainter(const QFont &font, const QColor &background, bool keepImages = true);

    const QFont &font() const { return m_font; }
    const QColor &background() const { return m_background; }

    // Everything the overlay paints at `pixelsPerCm`, in widget pixels.
    QRegion region(const MouseOverlay &overlay, double pixelsPerCm) const;
    // The pixels to repaint when `before` gives way to `after`: those of
    // the items that changed, where they were and where they are.
    QRegion change(const MouseOverlay &before, const MouseOverlay &after, double pixelsPerCm) const;
    // Paints the items that reach into `exposed`.
    void paint(QPainter &p, const MouseOverlay &overlay, double pixelsPerCm,
               const QRegion &exposed) const;

private:
    // One item painted into an image at its place, with what it was painted
    // from: the item, the scale and the device pixel ratio.
    struct KeptImage {
        OverlayLine line;
        OverlayLabel label;
        double pixelsPerCm = 0;
        qreal ratio = 0;
        QImage image;
        bool paintedFrom(const KeptImage &o) const
        {
            return !image.isNull() && line == o.line && label == o.label
                && pixelsPerCm == o.pixelsPerCm && ratio == o.ratio;
        }
    };

    // The last few images of one kind of item, the one shown last first: a
    // hand going back and forth over a few elements shows their markers and
    // labels again and again, and painting one afresh costs many copies.
    class KeptImages {
    public:
        explicit KeptImages(int most) : m_most(most) {}
        // The image painted from `wanted`, brought to the front; null if none.
        const KeptImage *find(const KeptImage &wanted);
        // Keeps `painted` first, dropping the oldest beyond the bounds.
        const KeptImage &add(KeptImage painted);

        // Beyond this the oldest images are dropped, all but the newest; an
        // item that would want a larger image than this is not kept.
        static constexpr qsizetype kMaxBytes = 16 * 1024 * 1024;

    private:
        int m_most;
        qsizetype m_bytes = 0;
        std::vector<KeptImage> m_images;
    };

    // The painter set up for drawing the items on it directly, on first
    // need, and left as it was afterwards. Copying kept images needs none of
    // it, and a pointer move mostly only copies them.
    class DirectPainting {
    public:
        explicit DirectPainting(QPainter &p) : m_p(p) {}
        ~DirectPainting();
        DirectPainting(const DirectPainting &) = delete;
        DirectPainting &operator=(const DirectPainting &) = delete;
        QPainter &operator*();
        QPainter &painter() const { return m_p; } // as it is

    private:
        QPainter &m_p;
        bool m_saved = false;
    };

    QSizeF labelSize(const QString &text) const;
    QRectF labelRect(const OverlayLabel &label, double k) const;
    QRect labelBounds(const OverlayLabel &label, double k) const;
    void paintLabel(QPainter &p, const OverlayLabel &label, double k) const;
    void paintElementMarker(QPainter &p, const OverlayLine &line, double k) const;
    // `draw(painter)` paints the item.
    template <typename Draw>
    void paintKept(DirectPainting &direct, KeptImages &kept, KeptImage wanted, const QRect &bounds,
                   const Draw &draw) const;
    KeptImage paintAnew(const QPainter &p, KeptImage wanted, const QRect &bounds,
                        const std::function<void(QPainter &)> &draw) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    QColor m_background;
    QColor m_ink;       // markers and rubber line
    QColor m_highlight; // the element marker
    QColor m_labelText, m_labelBase;
    bool m_keepImages;
    // Shaping a label's text is what a move would spend most on: its size is
    // worked out once per text.
    mutable QHash<QString, QSizeF> m_labelSizes;
    mutable KeptImages m_elementMarkerImages{32};
    // Node, element, coordinates: the last has a new text at nearly every
    // move of a drag.
    mutable KeptImages m_labelImages[3] = {KeptImages(32), KeptImages(32), KeptImages(1)};
    mutable NodeMarkerImages m_nodeMarkerImages;
};
