#pragma once
// A picture drawn from an SVG file at the widget's own size, so it stays
// crisp at any screen scale. A click on it is reported.
#include <QSvgRenderer>
#include <QWidget>

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(QWidget *parent = nullptr);

    // A resource path such as ":/pictures/support_x.svg".
    void setSource(const QString &path);
    QString source() const { return m_source; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QSvgRenderer m_renderer;
    QString m_source;
};
