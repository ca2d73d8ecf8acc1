// Icons that read their picture on first use must draw what the icon made
// from the picture file draws, at every size, ratio, mode and state; the
// style that reads the extension buttons' icons when first drawn, what its
// base style draws, at every size, ratio, mode and direction.
#include "ui/DeferredIcon.h"
#include "ui/ExtensionIconStyle.h"
#include "ui/IconPicture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The tool bar's size at ratios 1 and 2, the window icon's sizes, a size
// that is not square and one too small to draw.
const std::pair<QSize, qreal> kRequests[] = {{{18, 18}, 1.0}, {{18, 18}, 2.0}, {{16, 16}, 1.0},
                                             {{32, 32}, 1.0}, {{64, 64}, 1.0}, {{128, 128}, 1.0},
                                             {{40, 12}, 1.0}, {{0, 0}, 1.0}};
const QIcon::Mode kModes[] = {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected};

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
    const QStringList names = QDir(QStringLiteral(":/icons")).entryList({"*.svg"}, QDir::Files);
    ASSERT_GE(names.size(), 30);
    for (const QString &name : names) {
        const QString file = QStringLiteral(":/icons/") + name;
        const QIcon expected(file), deferred = deferredIcon(file);
        SCOPED_TRACE(file.toStdString());
        ASSERT_FALSE(expected.isNull());
        EXPECT_FALSE(deferred.isNull());
        EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
        for (const auto &[size, ratio] : kRequests)
            for (QIcon::Mode mode : kModes)
                for (QIcon::State state : {QIcon::Off, QIcon::On}) {
                    const QPixmap want = expected.pixmap(size, ratio, mode, state);
                    const QPixmap got = deferred.pixmap(size, ratio, mode, state);
                    EXPECT_TRUE(got.toImage() == want.toImage()
                                && got.devicePixelRatio() == want.devicePixelRatio()
                                && deferred.actualSize(size, mode, state)
                                    == expected.actualSize(size, mode, state))
                        << size.width() << "x" << size.height() << " @" << ratio << " mode " << mode
                        << " state " << state;
                }
        for (qreal ratio : {1.0, 2.0})
            for (QIcon::Mode mode : kModes)
                EXPECT_EQ(painted(deferred, ratio, mode), painted(expected, ratio, mode))
                    << "painted @" << ratio << " mode " << mode;
    }
    // A missing picture draws nothing.
    const QIcon missing = deferredIcon(QStringLiteral(":/icons/no_such_picture.svg"));
    EXPECT_TRUE(missing.pixmap(18).isNull() && missing.actualSize(QSize(18, 18)).isEmpty());
}

// The sizes the window shows at start come from the pixels the build drew,
// so the comparison above covers them; an icon with letters is drawn when
// shown, with the fonts of the machine it runs on.
TEST(DeferredIcon, StartUpSizesWereDrawnByTheBuild)
{
    // clang-format off
    const struct { const char *file; int size; bool built; } rows[] = {
        {":/icons/new.svg", 18, true},    {":/icons/new.svg", 36, true},
        {":/icons/kel2d.svg", 16, true},  {":/icons/kel2d.svg", 128, true},
        {":/icons/groups.svg", 18, false}, {":/icons/new.svg", 16, false}};
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(
            builtIconPicture(QString::fromLatin1(row.file), QSize(row.size, row.size)).isNull(),
            !row.built)
            << row.file << " " << row.size;
}

QStyle *freshStyle() { return QStyleFactory::create(QApplication::style()->name()); }

TEST(ExtensionIconStyle, DrawsTheBaseStylesIcons)
{
    const std::unique_ptr<QStyle> base(freshStyle());
    ExtensionIconStyle style(freshStyle());
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    const QStyleOption *options[] = {nullptr, &rightToLeft};
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        for (const QStyleOption *option : options) {
            SCOPED_TRACE(testing::Message()
                         << "icon " << which << " option " << (option != nullptr));
            const QIcon want = base->standardIcon(which, option);
            const QIcon later = style.standardIcon(which, option);
            EXPECT_EQ(later.availableSizes(), want.availableSizes());
            for (int size : {8, 12, 16, 24})
                for (qreal ratio : {1.0, 2.0})
                    for (QIcon::Mode mode : kModes) {
                        EXPECT_EQ(later.pixmap(QSize(size, size), ratio, mode).toImage(),
                                  want.pixmap(QSize(size, size), ratio, mode).toImage())
                            << size << " @" << ratio << " mode " << mode;
                        EXPECT_EQ(later.actualSize(QSize(size, size), mode),
                                  want.actualSize(QSize(size, size), mode));
                        EXPECT_EQ(painted(later, ratio, mode), painted(want, ratio, mode));
                    }
        }
}

} // namespace
