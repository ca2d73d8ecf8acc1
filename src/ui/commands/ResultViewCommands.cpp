// The result views: the [N] diagram, the colour diagram, the deformed model
// and the deformation animation, with the quantity option buttons, the scale
// steppers and the colour legend that belong to them.
#include "ui/frmMain.h"

#include "drawing/DiagramScaleSteps.h"
#include "drawing/ResultQuantity.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/AnimationPlayer.h"
#include "drawing/gui/ColourLegendPanel.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/ResultViewControls.h"
#include "ui/MainStatusBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QScreen>

// ------------------------------------------------------------ the widgets

QLayout *frmMain::buildDrawingRow(QWidget *central)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_area, 1);
    m_colourLegend = new ColourLegendPanel(central);
    m_colourLegend->hide();
    row->addWidget(m_colourLegend, 0, Qt::AlignTop);

    m_resultControls = new ResultViewControls(m_area);
    connect(m_resultControls, &ResultViewControls::quantityChosen, this, &frmMain::chooseQuantity);
    connect(m_resultControls, &ResultViewControls::plusClicked, this, &frmMain::cmdPLUS);
    connect(m_resultControls, &ResultViewControls::minusClicked, this, &frmMain::cmdMINUS);

    m_animation =
        new AnimationPlayer({.running = [this] { return m_animationRunning; },
                             .shown = [this] { return m_ws.drawingMode == ModeAnimation; },
                             .showFrame = [this](double phi) { showAnimationFrame(phi); },
                             .stopped = [this] { deformationAnimationEnded(); }},
                            this);
    return row;
}

void frmMain::applyResultViewColours()
{
    const QColor back = resolveColour(colourValue(m_ws.settings.xroma_background), palette());
    const QColor text = resolveColour(colourValue(m_ws.settings.xroma_stoixeion), palette());
    m_resultControls->setColours(back, text);
    m_colourLegend->setColours(back, text);
}

// Each mode shows its own controls: the steppers in the [N] diagram, the
// deformed model and the animation; the quantity buttons in the two
// diagrams; the colour legend in the colour diagram only.
void frmMain::syncResultViewControls()
{
    const std::int16_t mode = m_ws.drawingMode;
    m_resultControls->showGroups(
        mode == ModeAxialForce || mode == ModeDeformed || mode == ModeAnimation,
        !m_quantityButtonsHidden && (mode == ModeAxialForce || mode == ModeColourDiagram));
    m_resultControls->setQuantity(chosenQuantity(m_ws.settings));
    m_colourLegend->setVisible(mode == ModeColourDiagram);
}

void frmMain::hideQuantityButtons()
{
    m_quantityButtonsHidden = true;
    syncResultViewControls();
}

void frmMain::drawPicture()
{
    syncResultViewControls();
    m_freeMotionShown.reset();
    // Another view takes the drawing area: no frame may be drawn over it.
    if (m_ws.drawingMode != ModeAnimation)
        m_animation->end();
    if (m_ws.drawingMode == ModeAnimation && !m_animation->isPlaying()) {
        RunDeformationAnimation();
        return;
    }
    ::RedrawDrawingArea(m_ws, m_area->canvas(),
                        RedrawExtras{&m_colourLegend->canvas(), m_animation->phase()});
    m_colourLegend->bar()->update();
    m_area->update();
}

// ------------------------------------------------------- the mode commands

// The status bar's mode panel names the drawing mode; a change of mode by
// any command (the View options' Apply turns the animation into the still
// deformed model) shows the new name through here.
void frmMain::showDrawingModeName()
{
    switch (m_ws.drawingMode) {
    case ModeAxialForce: m_status->setModeName(QStringLiteral("Axial force Diagram [N]")); break;
    case ModeDeformed: m_status->setModeName(QStringLiteral("Deformed model")); break;
    case ModeColourDiagram:
        m_status->setModeName(QStringLiteral("Color Diagram: Compression / Tension"));
        break;
    case ModeAnimation:
        m_status->setModeName(QStringLiteral("Deformation Animation: Press [ESC] to Cancel"));
        break;
    default: m_status->setModeName(QStringLiteral("Model")); break;
    }
}

void frmMain::Button_N()
{
    stopDeformationAnimation();
    Ask_Reanalyse();
    m_quantityButtonsHidden = false;
    m_ws.drawingMode = ModeAxialForce;
    showDrawingModeName();
    RedrawDrawingArea();
}

void frmMain::Button_CT()
{
    stopDeformationAnimation();
    Ask_Reanalyse();
    m_quantityButtonsHidden = false;
    m_ws.drawingMode = ModeColourDiagram;
    showDrawingModeName();
    RedrawDrawingArea();
}

void frmMain::Button_Deform()
{
    stopDeformationAnimation();
    Ask_Reanalyse();
    m_ws.drawingMode = ModeDeformed;
    showDrawingModeName();
    RedrawDrawingArea();
}

void frmMain::Button_animate()
{
    Ask_Reanalyse();
    if (m_ws.model.nodeCount <= 1)
        return;
    m_ws.drawingMode = ModeAnimation;
    showDrawingModeName();
    RedrawDrawingArea();
}

void frmMain::chooseQuantity(Quantity q)
{
    setChosenQuantity(m_ws.settings, q);
    RedrawDrawingArea();
}

void frmMain::cmdPLUS() { stepScale(ScaleStep::Plus); }
void frmMain::cmdMINUS() { stepScale(ScaleStep::Minus); }

void frmMain::stepScale(ScaleStep step)
{
    Ask_Reanalyse();
    stepDiagramScale(m_ws.settings, m_ws.results.extrema, m_ws.drawingMode, step);
    // A running animation takes the new scale with its next frame.
    if (m_ws.drawingMode != ModeAnimation)
        RedrawDrawingArea();
}

// ------------------------------------------------------------ the animation

bool frmMain::isDeformationAnimationPlaying() const { return m_animation->isPlaying(); }

void frmMain::RunDeformationAnimation()
{
    if (m_animation->isPlaying())
        return;
    m_animationRunning = true;
    if (QAction *a = toolAction(QStringLiteral("Animate")))
        a->setEnabled(false);
    const QScreen *screen = m_area->screen();
    m_animation->start(m_ws.settings.Animation_Frames,
                       AnimationPlayer::refreshInterval(screen ? screen->refreshRate() : 0.0));
}

void frmMain::showAnimationFrame(double phi)
{
    syncAreaSize();
    ::RedrawDrawingArea(m_ws, m_area->canvas(), RedrawExtras{nullptr, phi});
    // Shown now, one frame per tick: a later update could merge frames.
    m_area->repaint();
}

void frmMain::deformationAnimationEnded()
{
    m_animationRunning = false;
    if (QAction *a = toolAction(QStringLiteral("Animate")))
        a->setEnabled(true);
    if (m_ws.drawingMode != ModeAnimation)
        return; // the command that changed the mode has drawn its picture
    m_ws.drawingMode = ModeDeformed;
    showDrawingModeName();
    RedrawDrawingArea();
}
