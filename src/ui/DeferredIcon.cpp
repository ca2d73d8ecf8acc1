#include "ui/DeferredIcon.h"

#include "ui/IconPicture.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <memory>

namespace {

// The sizes drawn so far, shared by the copies of one icon. The parsed
// picture is not kept: it takes more memory than the few sizes drawn.
using Drawn = QHash<quint64, QPixmap>;

quint64 drawnKey(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return (quint64(quint32(size.width())) << 32) ^ (quint64(quint16(size.height())) << 16)
        ^ (quint64(mode) << 4) ^ quint64(state);
}

// Draws the picture as the icon made from its file does: scaled to fit the
// size, keeping its proportions, on a transparent ground; the modes other than
// Normal as the style makes them from the Normal picture.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(const QString &fileName) : m_fileName(fileName) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap pm = pixmap(size, mode, state);
        return pm.isNull() ? QSize() : pm.size();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (!m_drawn)
            m_drawn = std::make_shared<Drawn>();
        QPixmap &pm = (*m_drawn)[drawnKey(size, mode, state)];
        if (pm.isNull())
            pm = draw(size, mode);
        return pm;
    }
    // The size is in device pixels already.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }
    // The program's own pictures are always there: asking must not read one.
    bool isNull() override { return m_fileName.isEmpty(); }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    QPixmap draw(const QSize &size, QIcon::Mode mode) const
    {
        QImage picture = builtIconPicture(m_fileName, size);
        if (picture.isNull())
            picture = drawIconPicture(m_fileName, size);
        if (picture.isNull())
            return QPixmap();
        const QPixmap pm = QPixmap::fromImage(picture);
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!generated.isNull())
                return generated;
        }
        return pm;
    }

    QString m_fileName;
    std::shared_ptr<Drawn> m_drawn;
};

} // namespace

QIcon deferredIcon(const QString &fileName) { return QIcon(new DeferredIconEngine(fileName)); }
