// The LABELS menu's presets set the label flags and nothing else.
#include "common/LabelPresets.h"

#include <gtest/gtest.h>

TEST(LabelPresets, EachPresetSetsItsFlagsOnly)
{
    // In menu order: node numbers, coordinates, element numbers, groups,
    // lengths, load values, [N] values.
    const std::pair<LabelPreset, std::array<bool, 7>> rows[] = {
        {LabelPreset::All, {1, 1, 1, 1, 1, 1, 1}},
        {LabelPreset::Basic, {1, 0, 1, 0, 0, 1, 1}},
        {LabelPreset::None, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto &[preset, expected] : rows) {
        Settings s, want;
        for (size_t k = 0; k < kLabelFlags.size(); ++k) {
            s.*kLabelFlags[k].flag = !expected[k];
            want.*kLabelFlags[k].flag = expected[k];
        }
        applyLabelPreset(s, preset);
        EXPECT_EQ(s, want) << int(preset);
    }
}
