// The result views on the main window: the controls each drawing mode
// shows, the animation and how it ends, and the picture copied and saved as
// drawn.
#include "MainWindowFixture.h"
#include "core/FileFixtures.h"
#include "drawing/DiagramScaleSteps.h"
#include "drawing/ResultQuantity.h"
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
        prompts.answers.push_back(PromptAnswer::Yes); // the first result view offers an analysis
        trigger("mnuNitem");
        ASSERT_FALSE(ws().model.modelChanged);
    }
    ResultViewControls *controls() { return window->resultViewControls(); }
    AnimationPlayer *animation() { return window->deformationAnimation(); }
    bool steppersShown() { return controls()->plusButton()->isVisible(); }
    bool quantitiesShown() { return controls()->quantityButton(Quantity::Strain)->isVisible(); }
    QImage picture()
    {
        return area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(ResultViews, EachModeShowsItsPanelTextAndControls)
{
    ws().settings.Animation_Frames = 2;
    setChosenQuantity(ws().settings, Quantity::Stress);
    const struct {
        const char *command;
        const char *panel;
        bool steppers, quantities, legend;
    } rows[] = {
        // clang-format off
        {"mnuFOREASitem", " Model", false, false, false},
        {"mnuNitem", " Axial force Diagram [N]", true, true, false},
        {"tbCTitem", " Color Diagram: Compression / Tension", false, true, true},
        {"mnuDEFORMitem", " Deformed model", true, false, false},
        {"mnuANIMATEitem", " Deformation Animation: Press [ESC] to Cancel", true, false, false},
        {"mnuFOREASitem", " Model", false, false, false},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.command);
        trigger(r.command);
        EXPECT_EQ(panel("mode")->text(), QLatin1String(r.panel));
        EXPECT_EQ(std::tuple(steppersShown(), quantitiesShown(), controls()->isVisible(),
                             window->colourLegend()->isVisible()),
                  std::tuple(r.steppers, r.quantities, r.steppers || r.quantities, r.legend));
        EXPECT_TRUE(!r.quantities || controls()->quantityButton(Quantity::Stress)->isChecked());
    }
    // The controls sit in the drawing area's top-right corner.
    trigger("mnuNitem");
    const QRect corner = controls()->geometry();
    EXPECT_EQ(controls()->parentWidget(), area());
    EXPECT_TRUE(corner.left() > area()->width() / 2 && corner.right() <= area()->width());
}

TEST_F(ResultViews, QuantityButtonsChooseAndSteppersScaleTheShownQuantity)
{
    QTest::mouseClick(controls()->quantityButton(Quantity::Strain), Qt::LeftButton);
    EXPECT_EQ(chosenQuantity(ws().settings), Quantity::Strain);
    EXPECT_EQ(ws().drawingMode, ModeAxialForce);
    for (const auto &[button, step] : {std::pair{controls()->plusButton(), ScaleStep::Plus},
                                       {controls()->minusButton(), ScaleStep::Minus}}) {
        const float before = ws().settings.Ena_cm_posa_STRAIN;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(ws().settings.Ena_cm_posa_STRAIN,
                  *steppedScale(before, ws().results.extrema.maxAbsE, 0.2, step, 7));
    }
}

// Escape lets the rising half finish (the frames are stepped here without
// the timer); another view, or Apply in the View options, ends it at once so
// that no frame is drawn over the new picture.
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
        std::function<void()> end;
        const char *panel;
        QList<double> frames; // none: the dialog's own loop ran the timer
    } rows[] = {
        {[this] { QTest::keyClick(window.get(), Qt::Key_Escape); },
         " Deformed model",
         {0, 0.25, 0.5, 0.75, 1}},
        {[this] { trigger("tbCTitem"); }, " Color Diagram: Compression / Tension", {0, 0.25}},
        {applyViewOptions, " Deformed model", {}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.panel);
        ws().settings.Animation_Frames = 4;
        QSignalSpy frames(animation(), &AnimationPlayer::frameShown);
        trigger("mnuANIMATEitem");
        EXPECT_FALSE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
        animation()->step();
        r.end();
        const QImage ended = picture();
        while (animation()->step()) {
        }
        QList<double> shown;
        for (const auto &f : frames)
            shown << f.at(0).toDouble();
        EXPECT_TRUE(r.frames.isEmpty() || shown == r.frames);
        EXPECT_TRUE(r.frames.size() == 5 || picture() == ended);
        EXPECT_FALSE(animation()->isPlaying());
        EXPECT_EQ(panel("mode")->text(), QLatin1String(r.panel));
        EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
        const bool deformed = r.panel == QLatin1String(" Deformed model");
        EXPECT_EQ(std::pair(steppersShown(), quantitiesShown()), std::pair(deformed, !deformed));
    }
}

// A group deletion hides the quantity buttons and keeps the mode; an element
// deletion returns to the model; a diagram command shows them again.
TEST_F(ResultViews, EditingHidesTheQuantityButtonsUntilADiagramCommand)
{
    for (const EditEffects &e : {EditEffects{.redraw = true, .hideQuantityButtons = true},
                                 EditEffects{.redraw = true, .modelDrawing = true}}) {
        trigger("mnuNitem");
        window->carryOutEdit(e);
        EXPECT_EQ(ws().drawingMode, e.modelDrawing ? ModeModel : ModeAxialForce);
        EXPECT_EQ(steppersShown(), !e.modelDrawing);
        window->RedrawDrawingArea(); // another redraw keeps them hidden
        EXPECT_FALSE(quantitiesShown());
    }
    trigger("tbCTitem");
    EXPECT_TRUE(quantitiesShown());
}

TEST_F(ResultViews, AnimationPlaysOneFrameARefreshUntilStopped)
{
    ws().settings.Animation_Frames = 5;
    QSignalSpy frames(animation(), &AnimationPlayer::frameShown);
    QElapsedTimer clock;
    clock.start();
    trigger("mnuANIMATEitem");
    const auto interval = animation()->interval();
    EXPECT_EQ(interval, AnimationPlayer::refreshInterval(area()->screen()->refreshRate()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() >= 13; }, 5000)); // a whole swing
    EXPECT_GE(clock.elapsed(), 12 * interval.count());
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
    EXPECT_FALSE(animation()->isPlaying());
    EXPECT_EQ(ws().drawingMode, ModeModel);
}

// The picture is the drawing area's image pixel for pixel: neither the
// controls over it nor the colour legend beside it.
TEST_F(ResultViews, PictureGoesToTheClipboardAndToABmpFileAsDrawn)
{
    trigger("tbCTitem");
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
}

// A write cut short by the file-size limit, and a folder that is not there:
// the system's reason is told and the earlier file stays as it was.
TEST_F(ResultViews, AFailedSaveIsToldAndLeavesTheExistingFileAsItWas)
{
    const QString bitmap =
        QStringLiteral("An error occured while trying to save the bitmap file: ");
    const struct {
        const char *command, *file;
        rlim_t limit; // 0: none
        QString message;
    } rows[] = {
        {"mnuEXPORTBMPitem", "keep.bmp", 4096, bitmap + "File too large"},
        {"mnuEXPORTBMPitem", "nowhere/p", 0, bitmap + "No such file or directory"},
        {"mnuEXPORTPDFitem", "keep.pdf", 1024,
         "An error occurred while trying to save the PDF file: File too large"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.file);
        QFile old(path(QLatin1String(r.file)));
        if (old.open(QIODevice::WriteOnly))
            old.write("the earlier picture");
        old.close();
        prompts.files = {old.fileName()};
        prompts.answers = {PromptAnswer::Ok};
        {
            std::optional<FileSizeLimit> limit;
            if (r.limit)
                limit.emplace(r.limit);
            trigger(r.command);
        }
        EXPECT_EQ(prompts.messages().back().text, r.message);
        EXPECT_TRUE(!old.open(QIODevice::ReadOnly) || old.readAll() == "the earlier picture");
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files).size(), 2);
}

} // namespace
