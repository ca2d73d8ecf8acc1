#pragma once
// A panel of the main window's status bar. It can be clicked, and its option
// panels show with a lit or dimmed text whether their option is on; a dimmed
// panel still takes clicks, so the option can be switched on again.
#include <QLabel>

class StatusPanel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit WRITE setLit)
public:
    StatusPanel(const QString &key, const QString &text, const QString &toolTip,
                QWidget *parent = nullptr);

    QString key() const { return m_key; }
    bool isLit() const { return m_lit; }
    void setLit(bool lit);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyLook();

    QString m_key;
    bool m_lit = true;
};
