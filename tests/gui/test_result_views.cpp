// The result views on the main window: the animation and Escape ending it,
// and the picture saved as drawn, or the failure told.
#include "MainWindowFixture.h"
#include "core/FileFixtures.h"
#include "drawing/gui/AnimationPlayer.h"
#include "drawing/gui/PainterCanvas.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class ResultViews : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
        prompts.answers.push_back(PromptAnswer::Yes); // the first result view offers an analysis
        trigger("tbCTitem");
        ASSERT_FALSE(ws().model.modelChanged);
    }
    QImage picture()
    {
        return area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    }
};

// Escape lets the rising half finish (the frames are stepped here without
// the timer) and returns to the deformed model with the controls back.
TEST_F(ResultViews, EscapeEndsTheAnimation)
{
    AnimationPlayer *animation = window->deformationAnimation();
    ws().settings.Animation_Frames = 4;
    QSignalSpy frames(animation, &AnimationPlayer::frameShown);
    trigger("mnuANIMATEitem");
    EXPECT_EQ(panel("mode")->text(), " Deformation Animation: Press [ESC] to Cancel");
    EXPECT_FALSE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    animation->step();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    while (animation->step()) {
    }
    QList<double> shown;
    for (const auto &f : frames)
        shown << f.at(0).toDouble();
    EXPECT_EQ(shown, (QList<double>{0, 0.25, 0.5, 0.75, 1}));
    EXPECT_FALSE(animation->isPlaying());
    EXPECT_EQ(panel("mode")->text(), " Deformed model");
    EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
}

// The picture is the drawing area's image pixel for pixel: neither the
// controls over it nor the colour legend beside it.
TEST_F(ResultViews, PictureIsSavedAsABmpFileAsDrawn)
{
    const QImage drawn = picture();
    ASSERT_EQ(drawn.size(), area()->size() * area()->devicePixelRatioF());
    prompts.files.push_back(path(QStringLiteral("bridge.BMP")));
    trigger("mnuEXPORTBMPitem");
    QImage saved(path(QStringLiteral("bridge.BMP.bmp")), "BMP");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), drawn);
}

// A write cut short by the file-size limit is told with the system's reason
// and leaves the earlier file as it was.
TEST_F(ResultViews, AFailedSaveIsToldAndLeavesTheExistingFileAsItWas)
{
    QFile old(path(QStringLiteral("keep.bmp")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the earlier picture") > 0);
    old.close();
    prompts.files = {old.fileName()};
    prompts.answers = {PromptAnswer::Ok};
    {
        FileSizeLimit limit(4096);
        trigger("mnuEXPORTBMPitem");
    }
    EXPECT_EQ(prompts.messages().back().text,
              "An error occured while trying to save the bitmap file: File too large");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the earlier picture");
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files).size(), 1);
}

} // namespace
