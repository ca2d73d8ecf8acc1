#pragma once
// The controls of the result views that lie over the drawing area's
// top-right corner: the option buttons of the diagram quantity ("Force",
// "Stress", "Strain") and the two scale steppers ("+" and "-"). They are not
// part of the drawing area's picture.
#include <QWidget>

enum class Quantity;
class QRadioButton;
class QToolButton;

class ResultViewControls : public QWidget {
    Q_OBJECT
public:
    // A child of `area`, kept at its top-right corner.
    explicit ResultViewControls(QWidget *area);

    // Shows the steppers and the quantity buttons, each or neither.
    void showGroups(bool steppers, bool quantities);
    // Selects the quantity's button without telling anyone.
    void setQuantity(Quantity q);
    void setColours(const QColor &back, const QColor &text);

    QRadioButton *quantityButton(Quantity q) const;
    QToolButton *plusButton() const { return m_plus; }
    QToolButton *minusButton() const { return m_minus; }

signals:
    void quantityChosen(Quantity q);
    void plusClicked();
    void minusClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QRadioButton *m_quantities[3] = {};
    QToolButton *m_plus = nullptr;
    QToolButton *m_minus = nullptr;
};
