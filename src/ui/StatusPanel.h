#pragma once
// A read-out panel of the main window's status bar (pointer coordinates,
// drawing mode). It asks for room for its usual text but gives way on a
// narrow window down to a few characters, eliding the rest, so the panels
// never draw over each other; the full text stays its accessible text.
#include <QLabel>

class StatusPanel : public QLabel {
    Q_OBJECT
public:
    // `usualText` sizes the panel; `shortestText` is what it keeps when narrow.
    StatusPanel(const QString &key, const QString &accessibleName, const QString &usualText,
                const QString &shortestText, QWidget *parent = nullptr);

    QString key() const { return m_key; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int widthFor(const QString &text) const;

    QString m_key;
    QString m_usualText;
    QString m_shortestText;
    // The two widths, measured once per font and style: the status bar asks
    // for the size hints of every panel each time it lays itself out.
    mutable int m_usualWidth = -1;
    mutable int m_shortestWidth = -1;
};
