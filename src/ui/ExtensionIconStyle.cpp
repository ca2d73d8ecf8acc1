#include "ui/ExtensionIconStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <memory>

namespace {

// The base style's icon, asked for on the first use, with the option and
// widget it was first asked with (while the widget lives), then used for all.
class LaterIcon {
public:
    LaterIcon(QStyle *style, QStyle::StandardPixmap which, const QStyleOption *option,
              const QWidget *widget)
        : m_style(style), m_which(which), m_hasOption(option != nullptr),
          m_widget(const_cast<QWidget *>(widget))
    {
        if (option) {
            m_option = *option;
            m_styleObject = option->styleObject;
        }
    }

    const QIcon &icon()
    {
        if (!m_read) {
            m_read = true;
            m_option.styleObject = m_styleObject;
            if (m_style)
                m_icon =
                    m_style->standardIcon(m_which, m_hasOption ? &m_option : nullptr, m_widget);
        }
        return m_icon;
    }

private:
    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_hasOption;
    QStyleOption m_option;
    QPointer<QObject> m_styleObject;
    QPointer<QWidget> m_widget;
    bool m_read = false;
    QIcon m_icon;
};

// Hands every request to the base style's icon, as its own engine would
// answer it: the sizes in device pixels as asked, the ratio left to QIcon.
class LaterIconEngine : public QIconEngine {
public:
    explicit LaterIconEngine(std::shared_ptr<LaterIcon> later) : m_later(std::move(later)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_later->icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_later->icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_later->icon().availableSizes(mode, state);
    }
    // The styles always have these icons: asking must not read them.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("later"); }
    QIconEngine *clone() const override { return new LaterIconEngine(m_later); }

private:
    std::shared_ptr<LaterIcon> m_later;
};

} // namespace

ExtensionIconStyle::ExtensionIconStyle(QStyle *base) : QProxyStyle(base) {}

QIcon ExtensionIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                       const QWidget *widget) const
{
    // The extension buttons of tool bars and menu bars ask with a plain option
    // or none, which can be kept as it is.
    const bool extension = standardIcon == SP_ToolBarHorizontalExtensionButton
        || standardIcon == SP_ToolBarVerticalExtensionButton;
    if (!extension || (option && option->type != QStyleOption::SO_Default))
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    return QIcon(new LaterIconEngine(
        std::make_shared<LaterIcon>(baseStyle(), standardIcon, option, widget)));
}
