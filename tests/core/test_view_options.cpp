// The View options dialog's checks without its widgets: the values the
// drawings would divide by are refused, with their message and field.
#include "common/LabelPresets.h"
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

TEST(ViewOptions, ValuesTheDrawingsDivideByAreRefused)
{
    const struct {
        SettingMember field;
        const char *text;
        ViewOptionsCheck check;
        const char *message; // for a failed check
        ViewOptionsTab tab;
    } cases[] = {
        // clang-format off
        {&S::Ena_cm_posa_STRAIN, " 2e-6 per cm", C::Ok, "", T::General},
        // 0.4 frames would be held as none, and the animation divides by them.
        {&S::Animation_Frames, "0.4", C::AnimationFrames, "The value given for the Animation Frames is unacceptable.", T::Model},
        // Zero as a single.
        {&S::Ena_cm_posa_STRAIN, "1e-50", C::StrainScale, "The value given for the equivalence cm - Strain units is unacceptable.", T::Diagram},
        {&S::Ena_cm_posa_m_epi_1000, "0", C::DeformationScale, "The value given for the equivalence cm - D units is unacceptable.", T::Model},
        // clang-format on
    };
    for (const auto &c : cases) {
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
        const ShownPrompt &box = ws.prompts.shown.at(0);
        const LogEntry &line = ws.log.entries().at(0);
        const ViewOptionsFailure f = describeFailure(c.check);
        EXPECT_EQ(std::tuple(box.text, box.title, box.icon, line.text, line.colour, f.tab, f.field),
                  std::tuple(message, QStringLiteral("Corvane Kel.2D"), PromptIcon::Exclamation,
                             message, int(LogRed), c.tab, &settingRow(c.field)));
        EXPECT_EQ(ws.log.entries().size(), 1);
    }
}

} // namespace

// The LABELS menu's presets: all seven labels, the basic four, none.
TEST(LabelPresets, EachPresetShowsItsLabels)
{
    const std::pair<LabelPreset, std::string> rows[] = {{LabelPreset::All, "1111111"},
                                                        {LabelPreset::Basic, "1010011"},
                                                        {LabelPreset::None, "0000000"}};
    for (const auto &[preset, expected] : rows) {
        Settings s;
        applyLabelPreset(s, preset);
        std::string shown;
        for (const LabelFlag &f : kLabelFlags)
            shown += s.*f.flag ? '1' : '0';
        EXPECT_EQ(shown, expected);
    }
}
