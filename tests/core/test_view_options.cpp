// The View options dialog's checks without its widgets: their messages and
// the field each points at.
#include "common/Registry.h"
#include "core/Fixtures.h"
#include "workspace/ViewOptions.h"
#include "workspace/Workspace.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

using S = Settings;
using C = ViewOptionsCheck;
using T = ViewOptionsTab;

struct Case {
    SettingMember field;
    const char *text;
    ViewOptionsCheck check;
    const char *message; // for a failed check
    ViewOptionsTab tab;
};

const char kFrames[] = "The value given for the Animation Frames is unacceptable.";

// clang-format off
const Case kCases[] = {
    {&S::Animation_Frames, "1000", C::Ok, "", T::General},
    // 0.4 frames would be held as none, and the animation divides by them.
    {&S::Animation_Frames, "0.4", C::AnimationFrames, kFrames, T::Model},
    {&S::dekadika_N, "13", C::Ok, "", T::General},
    {&S::dekadika_N, "14", C::DecimalsNTooMany, "The maximum number for decimal places is 13 (N Diagram).", T::Diagram},
    {&S::dekadika_N, "2.5", C::DecimalsNNotWhole, "The value given for the decimal places (N Diagram) is unacceptable.", T::Diagram},
    {&S::dekadika_strain, "14", C::DecimalsStrainTooMany, "The maximum number for decimal places is 13 (Strain).", T::Diagram},
    // Infinite as a single.
    {&S::Ena_cm_posa_FORCE, "1e39", C::ForceScale, "The value given for the equivalence cm - Force units is unacceptable.", T::Diagram},
    // Zero as a single: the diagram would divide by it.
    {&S::Ena_cm_posa_STRAIN, "1e-50", C::StrainScale, "The value given for the equivalence cm - Strain units is unacceptable.", T::Diagram},
    {&S::Ena_cm_posa_STRAIN, " 2e-6 per cm", C::Ok, "", T::General},
    {&S::Ena_cm_posa_m_epi_1000, "0", C::DeformationScale, "The value given for the equivalence cm - D units is unacceptable.", T::Model},
    {&S::kannab, "1e39", C::GridSpacing, "The value given for grid is unacceptable.", T::General},
    {&S::kannab, "&H10", C::Ok, "", T::General},
};
// clang-format on

TEST(ViewOptions, EachCheckTellsItsMessageTabAndField)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.text);
        ViewOptionsInput in;
        in.text(settingRow(c.field)) = QString::fromLatin1(c.text);
        TestWorkspace ws;
        if (c.check != C::Ok)
            ws.prompts.answers.push_back(PromptAnswer::Ok);
        EXPECT_EQ(Elegxos_An_Einai_OK(ws, in), c.check);
        if (c.check == C::Ok)
            continue; // the strict prompts fail any box
        const QString message = QLatin1String(c.message);
        ASSERT_EQ(std::pair(ws.prompts.shown.size(), ws.log.entries().size()), std::pair(1ul, 1ll));
        const ShownPrompt &box = ws.prompts.shown[0];
        const LogEntry &line = ws.log.entries()[0];
        EXPECT_EQ(std::tuple(box.text, box.title, box.icon, line.text, line.colour),
                  std::tuple(message, QStringLiteral("Corvane Kel.2D"), PromptIcon::Exclamation,
                             message, int(LogRed)));
        const ViewOptionsFailure f = describeFailure(c.check);
        EXPECT_EQ(std::pair(f.tab, f.field), std::pair(c.tab, &settingRow(c.field)));
    }
}

} // namespace
