// The result views on the main window: the controls each drawing mode
// shows, the quantity buttons and steppers, the animation and Escape, and
// the picture copied and saved as drawn.
#include "MainWindowFixture.h"
#include "core/FileFixtures.h"
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
#include <functional>

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

    for (const auto &[button, step] : {std::pair{controls()->plusButton(), ScaleStep::Plus},
                                       {controls()->minusButton(), ScaleStep::Minus}}) {
        const float before = ws().settings.Ena_cm_posa_STRAIN;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(ws().settings.Ena_cm_posa_STRAIN,
                  *steppedScale(before, ws().results.extrema.maxAbsE, 0.2, step, 7));
    }
    EXPECT_EQ(ws().settings.Ena_cm_posa_FORCE, 100.0f);
}

// Escape finishes the rising half it is pressed in (the frames are drawn
// here, one a step, without the event loop's timer); another view, or Apply
// in the View options, ends the animation at once, so that no frame is
// drawn over the new picture.
TEST_F(ResultViews, EscapeAnotherViewOrApplyEndsTheAnimation)
{
    const auto applyViewOptions = [this] {
        QTimer::singleShot(0, window.get(), [] {
            auto *dialog = qobject_cast<frmSXEDIASI *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QAbstractButton *>(QStringLiteral("applyButton"))->click();
            dialog->reject();
        });
        trigger("mnuRITHMISEISitem");
    };
    const struct {
        const char *way;
        std::function<void()> end;
        std::int16_t mode;
        const char *panel;
        QList<double> frames; // two: ended at once; none: the dialog's loop ran the timer
    } rows[] = {
        {"Escape",
         [this] { QTest::keyClick(window.get(), Qt::Key_Escape); },
         ModeDeformed,
         " Deformed model",
         {0, 0.25, 0.5, 0.75, 1}},
        {"another view",
         [this] { trigger("tbCTitem"); },
         ModeColourDiagram,
         " Color Diagram: Compression / Tension",
         {0, 0.25}},
        {"View options", applyViewOptions, ModeDeformed, " Deformed model", {}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.way);
        ws().settings.Animation_Frames = 4;
        QSignalSpy frames(animation(), &AnimationPlayer::frameShown);
        trigger("mnuANIMATEitem");
        ASSERT_TRUE(animation()->isPlaying());
        EXPECT_FALSE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
        animation()->step();
        r.end();
        const QImage ended = picture();
        while (animation()->step()) {
        }
        QList<double> shown;
        for (const auto &f : frames)
            shown << f.at(0).toDouble();
        if (!r.frames.isEmpty()) {
            EXPECT_EQ(shown, r.frames);
        }
        if (r.frames.size() != 5) {
            EXPECT_EQ(picture(), ended);
        }
        EXPECT_FALSE(animation()->isPlaying());
        EXPECT_EQ(ws().drawingMode, r.mode);
        EXPECT_EQ(panel("mode")->text(), QLatin1String(r.panel));
        EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
        EXPECT_EQ(steppersShown(), r.mode == ModeDeformed);
        EXPECT_NE(quantitiesShown(), r.mode == ModeDeformed);
    }
}

// An E,A group deletion hides the quantity buttons and keeps the mode; an
// element deletion returns to the model drawing. A diagram command shows
// the buttons again.
TEST_F(ResultViews, EditingHidesTheQuantityButtonsUntilADiagramCommand)
{
    const struct {
        EditEffects effects;
        std::int16_t mode;
    } rows[] = {{{.redraw = true, .hideQuantityButtons = true}, ModeAxialForce},
                {{.redraw = true, .modelDrawing = true}, ModeModel}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.mode);
        trigger("mnuNitem");
        ASSERT_TRUE(quantitiesShown());
        window->carryOutEdit(r.effects);
        EXPECT_EQ(ws().drawingMode, r.mode);
        EXPECT_EQ(steppersShown(), r.mode == ModeAxialForce);
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

    // A screen that reports no rate is taken for 60 Hz.
    for (const auto &[hertz, ms] : {std::pair{144.0, 7L}, {0.0, 17L}})
        EXPECT_EQ(AnimationPlayer::refreshInterval(hertz).count(), ms) << hertz;
}

TEST_F(ResultViews, AnimationNeedsMoreThanOneNode)
{
    trigger("mnuNEWitem");
    ws().model.nodeCount = 1;
    prompts.answers.push_back(PromptAnswer::No); // New marked the model changed
    trigger("mnuANIMATEitem");
    EXPECT_EQ(ws().drawingMode, ModeModel);
    EXPECT_FALSE(animation()->isPlaying());
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
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), drawn);

    // Another paint device takes the same drawing: the seam for pictures in
    // other formats.
    PainterCanvas &own = area()->painterCanvas();
    QImage other(own.image().size(), QImage::Format_ARGB32_Premultiplied);
    other.setDevicePixelRatio(own.devicePixelRatio());
    other.setDotsPerMeterX(qRound(own.dpi() / 0.0254));
    other.setDotsPerMeterY(qRound(own.dpi() / 0.0254));
    {
        PainterCanvas onOther(other);
        RedrawDrawingArea(ws(), onOther);
        onOther.finish();
    }
    EXPECT_EQ(other.convertToFormat(QImage::Format_RGB32), drawn);
}

// A write cut short by the file-size limit, and a folder that is not there:
// the system's reason is told and the earlier file stays as it was.
TEST_F(ResultViews, AFailedSaveIsToldAndLeavesTheExistingFileAsItWas)
{
    const QString target = path(QStringLiteral("keep.bmp"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the earlier picture");
    old.close();

    prompts.files = {target, path(QStringLiteral("nowhere/p"))};
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    {
        const FileSizeLimit limit(4096);
        trigger("mnuEXPORTBMPitem");
    }
    trigger("mnuEXPORTBMPitem");

    const QString failed =
        QStringLiteral("An error occured while trying to save the bitmap file: ");
    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, failed + QStringLiteral("File too large"));
    EXPECT_EQ(boxes[2].text, failed + QStringLiteral("No such file or directory"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the earlier picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("keep")).size(), 1);
}

} // namespace
