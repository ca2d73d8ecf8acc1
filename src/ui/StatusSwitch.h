#pragma once
// A switch of the main window's status bar (COORDS, AXES, GRID) or its LABELS
// button. It looks like the other panels, its text lit while its option is on
// and dimmed while off, and it is a real button: it takes the keyboard focus,
// Space presses it, and assistive technology sees its checked state.
#include <QToolButton>

class StatusSwitch : public QToolButton {
    Q_OBJECT
public:
    // A switch is checkable; a button that opens a menu (LABELS) is not.
    StatusSwitch(const QString &key, const QString &text, const QString &toolTip, bool checkable,
                 QWidget *parent = nullptr);

    QString key() const { return m_key; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_key;
};
