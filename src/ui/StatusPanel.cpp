#include "ui/StatusPanel.h"

#include <QApplication>
#include <QMouseEvent>

StatusPanel::StatusPanel(const QString &key, const QString &text, const QString &toolTip,
                         QWidget *parent)
    : QLabel(text, parent), m_key(key)
{
    setObjectName(QStringLiteral("panel_") + key);
    setToolTip(toolTip);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setContentsMargins(4, 0, 4, 0);
    applyLook();
}

void StatusPanel::setLit(bool lit)
{
    if (m_lit == lit)
        return;
    m_lit = lit;
    applyLook();
}

void StatusPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void StatusPanel::applyLook()
{
    // The dimmed look borrows the theme's colour for disabled text, so it
    // reads right on light and dark themes alike.
    const QPalette base = QApplication::palette(this);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, m_lit ? base.color(QPalette::Active, QPalette::WindowText)
                                           : base.color(QPalette::Disabled, QPalette::WindowText));
    setPalette(p);
}
