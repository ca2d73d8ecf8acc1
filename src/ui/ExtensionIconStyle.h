#pragma once
// The application's style, with the icons of the tool bars' extension buttons
// read when first drawn. Every tool bar makes its extension button, with its
// icon, when it is made; the button shows only when the window is too narrow
// for the whole bar, and reading its icon loads every image-format plugin of
// the Qt installation. Everything else is the style's own.
#include <QProxyStyle>

class ExtensionIconStyle : public QProxyStyle {
public:
    // Takes over `base`, as QProxyStyle does.
    explicit ExtensionIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
