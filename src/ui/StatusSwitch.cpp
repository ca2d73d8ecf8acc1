#include "ui/StatusSwitch.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

namespace {
constexpr int kMargin = 4; // left and right, as the read-out panels have
}

StatusSwitch::StatusSwitch(const QString &key, const QString &text, const QString &toolTip,
                           bool checkable, QWidget *parent)
    : QToolButton(parent), m_key(key)
{
    setObjectName(QStringLiteral("panel_") + key);
    setText(text);
    setToolTip(toolTip);
    setAccessibleName(text);
    setAccessibleDescription(toolTip);
    setCheckable(checkable);
    setFocusPolicy(Qt::StrongFocus);
    // As tall as the bar lets it be, like the read-out panels beside it.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
}

QSize StatusSwitch::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return QSize(fm.horizontalAdvance(text()) + 2 * kMargin + 2, fm.height() + 2);
}

void StatusSwitch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The read-out panels' frame, placed as their margins place it: its
    // sides show 3 pixels in from the edges, its top and bottom fall just
    // outside.
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(kMargin - 1, -1, 1 - kMargin, 1);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &p, this);

    // The dimmed look borrows the theme's colour for disabled text, so it
    // reads right on light and dark themes alike.
    const bool lit = !isCheckable() || isChecked();
    const QPalette base = QApplication::palette(this);
    p.setPen(base.color(lit ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}
