#pragma once
// The colour chooser ("Select color"): the current selection, the sixteen
// classic colours, a spectrum to pick from and "More..." for the desktop's
// colour dialog. QtPrompts::colour opens it for Choose_Colour.
#include <QDialog>
#include <cstdint>
#include <memory>

namespace Ui {
class frmXROMATA;
}
class QColor;

class frmXROMATA : public QDialog {
    Q_OBJECT
public:
    // start: 0x00BBGGRR, or 0x80000000 + n for system colour n.
    explicit frmXROMATA(std::uint32_t start, QWidget *parent = nullptr);
    ~frmXROMATA() override;

    // The classic colours of the boxes, 0x00BBGGRR, and their names.
    static constexpr int kClassicCount = 16;
    static std::uint32_t classicColour(int index);
    static QString classicName(int index);

    // The current selection: the start colour until another is picked.
    std::uint32_t selection() const { return m_selection; }
    void select(std::uint32_t colour);

private:
    void buildClassicColours();
    void selectColour(const QColor &colour);
    void chooseMore();

    std::unique_ptr<Ui::frmXROMATA> m_ui;
    std::uint32_t m_selection;
};
