#include "drawing/gui/ColourLegendPanel.h"

#include "drawing/gui/PainterCanvas.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The bar's size in its own units, which are centimetres on the screen.
constexpr double kBarWidthCm = 1.0;
constexpr double kBarHeightCm = 5.10;

qreal logicalDpi(const QWidget *w)
{
    const QScreen *s = w->screen();
    const qreal dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

class ColourLegendPanel::Bar : public QWidget {
public:
    explicit Bar(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        const double pxPerCm = logicalDpi(this) / 2.54;
        // One pixel more than the bar, so its last line is on the surface.
        setFixedSize(int(std::ceil(kBarWidthCm * pxPerCm)),
                     int(std::ceil(kBarHeightCm * pxPerCm)) + 1);
        renew();
    }
    PainterCanvas canvas;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        renew();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(QPointF(0, 0), canvas.image());
    }

private:
    // A new, blank surface only when the size changed; the colour diagram
    // draws it again at its next redraw.
    void renew()
    {
        if (canvas.logicalSize() != size())
            canvas.resize(size(), devicePixelRatioF(), logicalDpi(this));
    }
};

ColourLegendPanel::ColourLegendPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("colourLegend"));
    setAccessibleName(QStringLiteral("Colour legend"));
    setAutoFillBackground(true);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    m_tension = new QLabel(QStringLiteral("T"), this);
    m_tension->setToolTip(QStringLiteral("Tension"));
    m_compression = new QLabel(QStringLiteral("C"), this);
    m_compression->setToolTip(QStringLiteral("Compression"));
    m_bar = new Bar(this);
    m_bar->setObjectName(QStringLiteral("colourBar"));
    m_bar->setAccessibleName(QStringLiteral("Colour bar"));
    column->addWidget(m_tension, 0, Qt::AlignHCenter);
    column->addWidget(m_bar, 0, Qt::AlignHCenter);
    column->addWidget(m_compression, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

ColourLegendPanel::~ColourLegendPanel() = default;

Canvas &ColourLegendPanel::canvas() { return m_bar->canvas; }
PainterCanvas &ColourLegendPanel::painterCanvas() { return m_bar->canvas; }
QWidget *ColourLegendPanel::bar() const { return m_bar; }

void ColourLegendPanel::setColours(const QColor &back, const QColor &text)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}
