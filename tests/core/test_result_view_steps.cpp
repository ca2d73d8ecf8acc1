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

TEST(ScaleStepper, LengthensOrShortensTheLongestOrdinateBy2mm)
{
    // clang-format off
    const struct {
        const char *name;
        double f, m, step;
        ScaleStep dir;
        int decimals;
        std::optional<float> expected;
    } cases[] = {
        // 250 at 1 cm per 100 is 2.5 cm; one plus makes it 2.7 cm.
        {"plus, force", 100, 250, 0.2, ScaleStep::Plus, 3, 92.593f},
        {"minus, force", 100, 250, 0.2, ScaleStep::Minus, 3, 108.696f},
        {"plus, magnification to 4 decimals", 100, 0.1, 0.0002, ScaleStep::Plus, 4, 83.3333f},
        // The longest ordinate is 0.1 cm: no shorter.
        {"minus at exactly 0.2 cm", 100, 20, 0.2, ScaleStep::Minus, 3, std::nullopt},
        {"nothing to scale (M = 0)", 100, 0, 0.2, ScaleStep::Plus, 3, std::nullopt},
        {"no scale (f = 0)", 0, 250, 0.2, ScaleStep::Plus, 3, std::nullopt},
        {"rounds to 0", 0.0001, 1e-9, 0.2, ScaleStep::Plus, 3, std::nullopt},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto got = steppedScale(c.f, c.m, c.step, c.dir, c.decimals);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(*got, *c.expected);
        }
    }
    EXPECT_NEAR(250 / double(*steppedScale(100, 250, 0.2, ScaleStep::Plus, 3)), 2.7, 1e-4);
}

TEST(ScaleStepperClick, ChangesTheScaleOfTheDrawingMode)
{
    ResultExtrema x;
    x.maxAbsN = 250;
    x.maxAbsS = 125;
    x.maxAbsE = 0.0005;
    x.maxU = 0.1;
    // clang-format off
    const struct {
        const char *name;
        std::int16_t mode;
        bool Settings::*show;
        float Settings::*changed;   // null: nothing changes
        float expected;
    } cases[] = {
        {"[N] diagram, force", ModeAxialForce, &Settings::Show_FORCE, &Settings::Ena_cm_posa_FORCE, 92.593f},
        {"[N] diagram, stress", ModeAxialForce, &Settings::Show_STRESS, &Settings::Ena_cm_posa_STRESS, 588.235f},
        {"[N] diagram, strain", ModeAxialForce, &Settings::Show_STRAIN, &Settings::Ena_cm_posa_STRAIN, 0.0000962f},
        {"deformed model", ModeDeformed, &Settings::Show_FORCE, &Settings::Ena_cm_posa_m_epi_1000, 83.3333f},
        {"animation", ModeAnimation, &Settings::Show_FORCE, &Settings::Ena_cm_posa_m_epi_1000, 83.3333f},
        {"colour diagram", ModeColourDiagram, &Settings::Show_FORCE, nullptr, 0},
        {"model", ModeModel, &Settings::Show_FORCE, nullptr, 0},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Settings s;
        s.Show_FORCE = false;
        s.*c.show = true;
        Settings expected = s;
        if (c.changed)
            expected.*c.changed = c.expected;
        EXPECT_EQ(stepDiagramScale(s, x, c.mode, ScaleStep::Plus), c.changed != nullptr);
        EXPECT_TRUE(s == expected);
    }
}

namespace {

// The fractions an animation draws until it stops, with the running flag
// cleared just before frame number `clearAt` (counted from 0) is asked for.
std::vector<double> play(int frames, int clearAt, int limit = 10000)
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
    const std::vector<double> swing = play(100, 1 << 30, 202);
    ASSERT_EQ(swing.size(), 202u);
    for (int k = 0; k <= 100; ++k) {
        EXPECT_DOUBLE_EQ(swing[k], k / 100.0);
        EXPECT_DOUBLE_EQ(swing[201 - k], k / 100.0);
    }
    EXPECT_EQ(play(1, 1 << 30, 8), (std::vector<double>{0, 1, 1, 0, 0, 1, 1, 0}));
    // No frames below 1: as one.
    EXPECT_EQ(play(0, 1 << 30, 4), (std::vector<double>{0, 1, 1, 0}));
}

TEST(AnimationSequence, TheRunningFlagCountsOnlyAtTheCheckPoints)
{
    // clang-format off
    const struct {
        const char *name;
        int frames, clearAt;
        std::size_t shown;
    } cases[] = {
        {"cleared before the start: nothing", 100, 0, 0},
        {"cleared in a rising half: the half finishes", 100, 30, 101},
        {"cleared at the turn: the falling half does not start", 100, 101, 101},
        {"cleared in a falling half: stops at the next frame", 100, 150, 150},
        {"cleared in the second rising half", 4, 12, 15},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(play(c.frames, c.clearAt).size(), c.shown);
    }
    AnimationSequence seq(2);
    seq.next(false); // the start of a rising half is a check point
    EXPECT_TRUE(seq.stopped());
    EXPECT_FALSE(seq.next(true));
}
