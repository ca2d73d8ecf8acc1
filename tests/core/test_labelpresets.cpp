// The LABELS menu: its presets and its flag items, applied in turn.
#include "common/LabelPresets.h"

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <variant>
#include <vector>

namespace {

using Click = std::variant<LabelPreset, const char *>; // a preset or a flag item

void click(Settings &s, const Click &c)
{
    if (const auto *preset = std::get_if<LabelPreset>(&c)) {
        applyLabelPreset(s, *preset);
        return;
    }
    for (const LabelFlag &f : kLabelFlags)
        if (QLatin1String(f.caption) == QLatin1String(std::get<const char *>(c))) {
            s.*f.flag = !(s.*f.flag);
            return;
        }
    ADD_FAILURE() << "no item " << std::get<const char *>(c);
}

TEST(LabelPresets, PresetsAndItemsSetTheirFlags)
{
    using P = LabelPreset;
    const struct {
        std::vector<Click> clicks;
        std::array<bool, 7>
            expected; // node numbers, coordinates, element numbers, groups, lengths, loads, [N]
    } rows[] = {
        {{P::All}, {true, true, true, true, true, true, true}},
        {{P::All, P::Basic}, {true, false, true, false, false, true, true}},
        {{P::All, P::None}, {false, false, false, false, false, false, false}},
        {{P::Basic, "Nodes numbering"}, {false, false, true, false, false, true, true}},
        {{P::None, "Node coordinates", "Element groups"},
         {false, true, false, true, false, false, false}},
        {{P::None, "Element lengths", "Nodal load values"},
         {false, false, false, false, true, true, false}},
        {{P::All, "Elements numbering", "[N] values"},
         {true, true, false, true, true, true, false}},
    };
    for (const auto &r : rows) {
        Settings s;
        for (const Click &c : r.clicks)
            click(s, c);
        EXPECT_EQ((std::array<bool, 7>{s.nai_arithmisi_kombon, s.nai_sint_kombon,
                                       s.nai_arithmisi_stoixeion, s.nai_omades, s.nai_miki,
                                       s.nai_times_fortiseon_si, s.nai_times_N}),
                  r.expected);
        // No other setting is touched.
        Settings others = s;
        for (const LabelFlag &f : kLabelFlags)
            others.*f.flag = Settings{}.*f.flag;
        EXPECT_EQ(others, Settings{});
    }
}

} // namespace
