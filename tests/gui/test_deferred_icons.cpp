// Icons that read their picture on first use must draw what the icon made
// from the picture file draws, at every size, ratio, mode and state.
#include "ui/DeferredIcon.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QStringList programIcons()
{
    QStringList files;
    for (const QString &name : QDir(QStringLiteral(":/icons")).entryList({"*.svg"}, QDir::Files))
        files << QStringLiteral(":/icons/") + name;
    return files;
}

struct Request {
    QSize size;
    qreal ratio;
};

// The tool bar's size at ratios 1 and 2, the window icon's sizes, a size
// that is not square and one too small to draw.
const Request kRequests[] = {{{18, 18}, 1.0}, {{18, 18}, 2.0},   {{16, 16}, 1.0}, {{32, 32}, 1.0},
                             {{64, 64}, 1.0}, {{128, 128}, 1.0}, {{40, 12}, 1.0}, {{0, 0}, 1.0}};
const QIcon::Mode kModes[] = {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected};
const QIcon::State kStates[] = {QIcon::Off, QIcon::On};

QImage painted(const QIcon &icon, qreal ratio, QIcon::Mode mode)
{
    QImage image(QSize(30, 24) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(3, 2, 24, 20), Qt::AlignCenter, mode);
    return image;
}

TEST(DeferredIcon, DrawsWhatTheFileIconDraws)
{
    const QStringList files = programIcons();
    ASSERT_GE(files.size(), 30);
    for (const QString &file : files) {
        const QIcon expected(file);
        const QIcon deferred = deferredIcon(file);
        ASSERT_FALSE(expected.isNull()) << file.toStdString();
        EXPECT_FALSE(deferred.isNull()) << file.toStdString();
        EXPECT_EQ(deferred.availableSizes(), expected.availableSizes()) << file.toStdString();
        for (const Request &r : kRequests)
            for (QIcon::Mode mode : kModes)
                for (QIcon::State state : kStates) {
                    const QPixmap want = expected.pixmap(r.size, r.ratio, mode, state);
                    const QPixmap got = deferred.pixmap(r.size, r.ratio, mode, state);
                    SCOPED_TRACE(file.toStdString() + " " + std::to_string(r.size.width()) + "x"
                                 + std::to_string(r.size.height()) + " @" + std::to_string(r.ratio)
                                 + " mode " + std::to_string(mode) + " state "
                                 + std::to_string(state));
                    EXPECT_EQ(got.toImage(), want.toImage());
                    EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio());
                    EXPECT_EQ(deferred.actualSize(r.size, mode, state),
                              expected.actualSize(r.size, mode, state));
                }
        for (qreal ratio : {1.0, 2.0})
            for (QIcon::Mode mode : kModes)
                EXPECT_EQ(painted(deferred, ratio, mode), painted(expected, ratio, mode))
                    << file.toStdString() << " painted @" << ratio << " mode " << mode;
    }
}

TEST(DeferredIcon, CopiesDrawAlikeAndAMissingPictureDrawsNothing)
{
    const QIcon first = deferredIcon(QStringLiteral(":/icons/zoom.svg"));
    const QIcon copy = first;
    EXPECT_EQ(copy.pixmap(18).toImage(), first.pixmap(18).toImage());
    EXPECT_FALSE(first.pixmap(18).isNull());

    const QIcon missing = deferredIcon(QStringLiteral(":/icons/no_such_picture.svg"));
    EXPECT_TRUE(missing.pixmap(18).isNull());
    EXPECT_TRUE(missing.actualSize(QSize(18, 18)).isEmpty());
}

} // namespace
