// The style that reads the extension buttons' icons when first drawn must
// draw what its base style draws, at every size, ratio, mode and direction.
#include "ui/ExtensionIconStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStyle *freshStyle() { return QStyleFactory::create(QApplication::style()->name()); }

QImage painted(const QIcon &icon, qreal ratio, QIcon::Mode mode)
{
    QImage image(QSize(30, 24) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(3, 2, 24, 20), Qt::AlignCenter, mode);
    return image;
}

TEST(ExtensionIconStyle, DrawsTheBaseStylesIcons)
{
    const std::unique_ptr<QStyle> base(freshStyle());
    ExtensionIconStyle style(freshStyle());
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    const QStyleOption *options[] = {nullptr, &rightToLeft};
    const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected};
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
                    for (QIcon::Mode mode : modes) {
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
