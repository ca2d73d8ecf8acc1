// The result views on the main window: which controls each drawing mode
// shows, the quantity buttons and steppers, the deformation animation played
// frame by frame and stopped with Escape, and the picture copied to the
// clipboard and saved as a BMP file.
#include "MainWindowFixture.h"
#include "drawing/DiagramScaleSteps.h"
#include "drawing/ResultQuantity.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/AnimationPlayer.h"
#include "drawing/gui/ColourLegendPanel.h"
#include "drawing/gui/PainterCanvas.h"
#include "drawing/gui/ResultViewControls.h"
#include "ui/dialogs/frmSXEDIASI.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace {

class ResultViews : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
        // The model was just opened: the first result view offers an analysis.
        prompts.answers.push_back(PromptAnswer::Yes);
        trigger("mnuNitem");
        ASSERT_FALSE(ws().model.modelChanged);
    }
    ResultViewControls *controls() { return window->resultViewControls(); }
    AnimationPlayer *animation() { return window->deformationAnimation(); }
    bool steppersShown()
    {
        return controls()->plusButton()->isVisible() && controls()->minusButton()->isVisible();
    }
    bool quantitiesShown()
    {
        return controls()->quantityButton(Quantity::Force)->isVisible()
            && controls()->quantityButton(Quantity::Strain)->isVisible();
    }
    QImage picture()
    {
        return area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(ResultViews, EachModeShowsItsPanelTextAndControls)
{
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral(
                  "Model has been changed. Do you want to reanalyze before the process goes on?"));
    ws().settings.Animation_Frames = 2;
    setChosenQuantity(ws().settings, Quantity::Stress);
    // clang-format off
    const struct {
        const char *command;
        std::int16_t mode;
        const char *panel;
        bool steppers, quantities, legend;
    } rows[] = {
        {"mnuFOREASitem", ModeModel, " Model", false, false, false},
        {"mnuNitem", ModeAxialForce, " Axial force Diagram [N]", true, true, false},
        {"tbCTitem", ModeColourDiagram, " Color Diagram: Compression / Tension", false, true, true},
        {"mnuDEFORMitem", ModeDeformed, " Deformed model", true, false, false},
        {"mnuANIMATEitem", ModeAnimation, " Deformation Animation: Press [ESC] to Cancel", true, false, false},
        {"tbCTitem", ModeColourDiagram, " Color Diagram: Compression / Tension", false, true, true},
        {"mnuFOREASitem", ModeModel, " Model", false, false, false},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.command);
        trigger(r.command);
        EXPECT_EQ(ws().drawingMode, r.mode);
        EXPECT_EQ(panel("mode")->text(), QLatin1String(r.panel));
        EXPECT_EQ(steppersShown(), r.steppers);
        EXPECT_EQ(quantitiesShown(), r.quantities);
        EXPECT_EQ(controls()->isVisible(), r.steppers || r.quantities);
        EXPECT_EQ(window->colourLegend()->isVisible(), r.legend);
        if (r.quantities) {
            EXPECT_TRUE(controls()->quantityButton(Quantity::Stress)->isChecked());
        }
    }
    // The controls sit in the drawing area's top-right corner.
    trigger("mnuNitem");
    EXPECT_EQ(controls()->parentWidget(), area());
    EXPECT_LE(controls()->geometry().right(), area()->width());
    EXPECT_GT(controls()->geometry().left(), area()->width() / 2);
}

TEST_F(ResultViews, QuantityButtonsChooseAndSteppersScaleTheShownQuantity)
{
    QTest::mouseClick(controls()->quantityButton(Quantity::Strain), Qt::LeftButton);
    EXPECT_TRUE(ws().settings.Show_STRAIN);
    EXPECT_FALSE(ws().settings.Show_FORCE || ws().settings.Show_STRESS);
    EXPECT_EQ(ws().drawingMode, ModeAxialForce);

    const float before = ws().settings.Ena_cm_posa_STRAIN;
    QTest::mouseClick(controls()->plusButton(), Qt::LeftButton);
    EXPECT_EQ(ws().settings.Ena_cm_posa_STRAIN,
              *steppedScale(before, ws().results.extrema.maxAbsE, 0.2, ScaleStep::Plus, 7));
    EXPECT_EQ(ws().settings.Ena_cm_posa_FORCE, 100.0f);

    trigger("mnuDEFORMitem");
    const float magnification = ws().settings.Ena_cm_posa_m_epi_1000;
    QTest::mouseClick(controls()->minusButton(), Qt::LeftButton);
    EXPECT_EQ(ws().settings.Ena_cm_posa_m_epi_1000,
              *steppedScale(magnification, ws().results.extrema.maxU, 0.0002, ScaleStep::Minus, 4));
}

TEST_F(ResultViews, EscapeInARisingHalfFinishesItThenShowsTheStillDeformedModel)
{
    ws().settings.Animation_Frames = 4;
    QSignalSpy frames(animation(), &AnimationPlayer::frameShown);
    trigger("mnuANIMATEitem");
    ASSERT_TRUE(animation()->isPlaying());
    EXPECT_FALSE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    EXPECT_TRUE(steppersShown());
    // The frames are drawn here, one a step, without the event loop's timer.
    animation()->step();
    ASSERT_EQ(frames.size(), 2); // the first frame is shown at the start
    QTest::keyClick(window.get(), Qt::Key_Escape);
    while (animation()->step()) {
    }
    QList<double> shown;
    for (const auto &f : frames)
        shown << f.at(0).toDouble();
    EXPECT_EQ(shown, (QList<double>{0, 0.25, 0.5, 0.75, 1}));
    EXPECT_EQ(ws().drawingMode, ModeDeformed);
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Deformed model"));
    EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    EXPECT_TRUE(steppersShown());
    EXPECT_FALSE(quantitiesShown());
}

// A command that draws another view ends the animation at once, so that no
// frame is drawn over its picture.
TEST_F(ResultViews, AnotherViewTakesOverTheDrawingAreaAtOnce)
{
    ws().settings.Animation_Frames = 50;
    trigger("mnuANIMATEitem");
    animation()->step();
    trigger("tbCTitem");
    const QImage colourDiagram = picture();
    EXPECT_FALSE(animation()->isPlaying());
    EXPECT_EQ(ws().drawingMode, ModeColourDiagram);
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Color Diagram: Compression / Tension"));
    EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    QTest::qWait(60);
    EXPECT_EQ(picture(), colourDiagram);
}

// Apply in the View options turns the animation into the still deformed
// model: the mode panel and the controls follow the new mode.
TEST_F(ResultViews, ViewOptionsApplyShowsTheStillDeformedModelByName)
{
    ws().settings.Animation_Frames = 500;
    trigger("mnuANIMATEitem");
    ASSERT_TRUE(animation()->isPlaying());
    bool applied = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto *dialog = qobject_cast<frmSXEDIASI *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QAbstractButton *>(QStringLiteral("applyButton"))->click();
        applied = true;
        dialog->reject();
    });
    trigger("mnuRITHMISEISitem");
    ASSERT_TRUE(applied);
    EXPECT_FALSE(animation()->isPlaying());
    EXPECT_EQ(ws().drawingMode, ModeDeformed);
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Deformed model"));
    EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    EXPECT_TRUE(steppersShown());
}

// An E,A group deletion hides the quantity buttons and keeps the mode; an
// element deletion returns to the model drawing. A diagram command shows
// the buttons again.
TEST_F(ResultViews, EditingHidesTheQuantityButtonsUntilADiagramCommand)
{
    // clang-format off
    const struct {
        const char *view;
        EditEffects effects;
        std::int16_t mode;
        bool steppers;
    } rows[] = {
        {"mnuNitem", {.redraw = true, .hideQuantityButtons = true}, ModeAxialForce, true},
        {"tbCTitem", {.redraw = true, .hideQuantityButtons = true}, ModeColourDiagram, false},
        {"mnuNitem", {.redraw = true, .modelDrawing = true}, ModeModel, false},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.view);
        trigger(r.view);
        ASSERT_TRUE(quantitiesShown());
        window->carryOutEdit(r.effects);
        EXPECT_EQ(ws().drawingMode, r.mode);
        EXPECT_FALSE(quantitiesShown());
        EXPECT_EQ(steppersShown(), r.steppers);
        window->RedrawDrawingArea(); // another redraw keeps them hidden
        EXPECT_FALSE(quantitiesShown());
    }
    trigger("tbCTitem");
    EXPECT_TRUE(quantitiesShown());
}

TEST_F(ResultViews, AnimationPlaysOneFrameARefreshAndKeepsTheWindowAlive)
{
    ws().settings.Animation_Frames = 5;
    QSignalSpy frames(animation(), &AnimationPlayer::frameShown);
    QElapsedTimer clock;
    clock.start();
    trigger("mnuANIMATEitem");
    const auto interval = animation()->interval();
    EXPECT_EQ(interval, AnimationPlayer::refreshInterval(area()->screen()->refreshRate()));
    // A whole swing, 12 frames, and the next one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() >= 13; }, 5000));
    EXPECT_GE(clock.elapsed(), 12 * interval.count());
    // The window repaints and resizes in between.
    window->resize(window->width() - 40, window->height() - 30);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(ws().view.areaWidth, area()->widthCm());
    window->stopDeformationAnimation();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !animation()->isPlaying(); }, 5000));
    EXPECT_EQ(ws().drawingMode, ModeDeformed);

    // clang-format off
    const struct {
        double hertz;
        long ms;
    } rates[] = {{60, 17}, {59.94, 17}, {144, 7}, {0, 17}, {-1, 17}};
    // clang-format on
    for (const auto &r : rates)
        EXPECT_EQ(AnimationPlayer::refreshInterval(r.hertz).count(), r.ms) << r.hertz;
}

TEST_F(ResultViews, AnimationNeedsMoreThanOneNode)
{
    trigger("mnuNEWitem");
    ws().model.nodeCount = 1;
    prompts.answers.push_back(PromptAnswer::No); // New marked the model changed
    trigger("mnuANIMATEitem");
    EXPECT_EQ(ws().drawingMode, ModeModel);
    EXPECT_FALSE(animation()->isPlaying());
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Model"));
}

// The picture is the drawing area's image pixel for pixel: neither the
// controls over it nor the colour legend beside it.
TEST_F(ResultViews, PictureGoesToTheClipboardAndToABmpFileAsDrawn)
{
    trigger("tbCTitem");
    ASSERT_TRUE(window->colourLegend()->isVisible());
    const QImage drawn = picture();
    ASSERT_EQ(drawn.size(), area()->size() * area()->devicePixelRatioF());

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    trigger("mnuEXPORTCLIPBOARDitem");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), drawn);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    prompts.files.push_back(path(QStringLiteral("bridge.BMP")));
    trigger("mnuEXPORTBMPitem");
    QImage saved(path(QStringLiteral("bridge.BMP.bmp")), "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), drawn);
}

TEST_F(ResultViews, AFailedSaveIsToldAndLeavesTheExistingFileAsItWas)
{
    const QString target = path(QStringLiteral("keep.bmp"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the earlier picture");
    old.close();

    // A file size limit the picture does not fit in.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    prompts.files.push_back(target);
    prompts.answers.push_back(PromptAnswer::Ok);
    trigger("mnuEXPORTBMPitem");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    const QString text =
        QStringLiteral("An error occured while trying to save the bitmap file: File too large");
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[1].text, text);
    EXPECT_EQ(prompts.messages()[1].icon, PromptIcon::Critical);
    EXPECT_EQ(ws().log.entries().last().text, text);
    EXPECT_TRUE(ws().log.entries().last().bold);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the earlier picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("keep")).size(), 1);

    // A folder that is not there: the system's reason.
    prompts.files.push_back(path(QStringLiteral("nowhere/p")));
    prompts.answers.push_back(PromptAnswer::Ok);
    trigger("mnuEXPORTBMPitem");
    EXPECT_EQ(
        ws().log.entries().last().text,
        QStringLiteral(
            "An error occured while trying to save the bitmap file: No such file or directory"));
}

// Another paint device takes the same drawing: the seam for pictures in
// other formats.
TEST_F(ResultViews, TheDrawingGoesOntoAnyPaintDevice)
{
    PainterCanvas &own = area()->painterCanvas();
    QImage other(own.image().size(), QImage::Format_ARGB32_Premultiplied);
    other.setDevicePixelRatio(own.devicePixelRatio());
    const int dpm = qRound(own.dpi() / 0.0254);
    other.setDotsPerMeterX(dpm);
    other.setDotsPerMeterY(dpm);
    {
        PainterCanvas onOther(other);
        EXPECT_NEAR(onOther.widthCm(), own.widthCm(), 1e-9);
        RedrawDrawingArea(ws(), onOther);
        onOther.finish();
    }
    EXPECT_EQ(other.convertToFormat(QImage::Format_RGB32), picture());
}

} // namespace
