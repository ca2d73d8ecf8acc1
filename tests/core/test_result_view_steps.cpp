// The scale steppers of the result views and the frame sequence of the
// deformation animation: what each click stores or refuses, and which frames
// a swing shows and where the running flag stops it.
#include "common/Settings.h"
#include "drawing/AnimationSequence.h"
#include "drawing/DiagramScaleSteps.h"
#include "drawing/DrawingContext.h"
#include "model/AnalysisResults.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// One click lengthens or shortens the longest ordinate by 2 mm: 250 at 1 cm
// per 100 is 2.5 cm, one plus makes it 2.7 cm. It never goes below 0.1 cm.
TEST(ScaleStepper, LengthensOrShortensTheLongestOrdinateBy2mm)
{
    const struct {
        double f, m, step;
        ScaleStep dir;
        int decimals;
        std::optional<float> expected;
    } cases[] = {
        {100, 250, 0.2, ScaleStep::Plus, 3, 92.593f},
        {100, 250, 0.2, ScaleStep::Minus, 3, 108.696f},
        {100, 20, 0.2, ScaleStep::Minus, 3, std::nullopt},     // at exactly 0.2 cm
        {0.0001, 1e-9, 0.2, ScaleStep::Plus, 3, std::nullopt}, // rounds to 0
    };
    for (const auto &c : cases)
        EXPECT_EQ(steppedScale(c.f, c.m, c.step, c.dir, c.decimals), c.expected) << c.m;
}

TEST(ScaleStepperClick, ChangesTheScaleOfTheDrawingMode)
{
    ResultExtrema x;
    x.maxAbsN = 250;
    x.maxAbsE = 0.0005;
    x.maxU = 0.1;
    const struct {
        std::int16_t mode;
        bool Settings::*show;
        float Settings::*changed; // null: nothing changes
        float expected;
    } cases[] = {
        {ModeAxialForce, &Settings::Show_STRAIN, &Settings::Ena_cm_posa_STRAIN, 0.0000962f},
        {ModeColourDiagram, &Settings::Show_FORCE, nullptr, 0},
    };
    for (const auto &c : cases) {
        Settings s;
        s.Show_FORCE = false;
        s.*c.show = true;
        Settings expected = s;
        if (c.changed)
            expected.*c.changed = c.expected;
        EXPECT_EQ(stepDiagramScale(s, x, c.mode, ScaleStep::Plus), c.changed != nullptr);
        EXPECT_TRUE(s == expected) << c.mode;
    }
}

namespace {

// The fractions an animation draws until it stops, with the running flag
// cleared just before frame number `clearAt` (counted from 0) is asked for.
// (The window's test ends an animation with Escape.)
std::vector<double> play(int frames, int clearAt, int limit)
{
    AnimationSequence seq(frames);
    std::vector<double> shown;
    for (int i = 0; i < limit; ++i) {
        const auto phi = seq.next(i < clearAt);
        if (!phi)
            break;
        shown.push_back(*phi);
    }
    return shown;
}

} // namespace

TEST(AnimationSequence, ASwingShowsEveryFrameUpAndDownWithTheTurningFramesTwice)
{
    std::vector<double> swing;
    for (int k = 0; k < 202; ++k)
        swing.push_back((k <= 100 ? k : 201 - k) / 100.0);
    EXPECT_EQ(play(100, 1 << 30, 202), swing);
    EXPECT_EQ(play(1, 1 << 30, 8), (std::vector<double>{0, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(play(0, 1 << 30, 4), (std::vector<double>{0, 1, 1, 0})); // below 1: as one
    // The running flag counts at the start of each half and at each frame of
    // a falling half: cleared before the start, in a rising half, in a falling
    // half, in the second rising half.
    EXPECT_EQ((std::vector{play(100, 0, 999).size(), play(100, 30, 999).size(),
                           play(100, 150, 999).size(), play(4, 12, 999).size()}),
              (std::vector<std::size_t>{0, 101, 150, 15}));
}
