#include "common/ViewOptionsInput.h"

#include "common/NumberForms.h"

#include <algorithm>
#include <cmath>

ViewOptionsInput::ViewOptionsInput() : ViewOptionsInput(fromSettings(Settings{})) {}

ViewOptionsInput ViewOptionsInput::fromSettings(const Settings &settings)
{
    ViewOptionsInput in(settings);
    for (const SettingRow &row : settingRows()) {
        QString &text = in.m_texts[settingRowIndex(row)];
        if (row.kind() == SettingKind::Single)
            text = nf::reportPlainSingle(static_cast<float>(row.value(settings)));
        else if (row.kind() == SettingKind::Int16)
            text = QString::number(static_cast<int>(row.value(settings)));
    }
    return in;
}

ViewOptionsInput::ViewOptionsInput(const Settings &choices)
    : m_choices(choices), m_texts(settingRows().size())
{
}

namespace {

// One of the dialog's checks: a numeric row's whole range, or its lower
// bound (with wholeness) and its upper bound as two checks.
struct FieldCheck {
    ViewOptionsCheck id;
    const SettingRow *row;
    bool lower;
    bool upper;

    bool passes(double v) const
    {
        const SettingRange &r = row->range;
        const bool lowerOk =
            (!r.whole || std::floor(v) == v) && (r.minExclusive ? v > r.min : v >= r.min);
        return (!lower || lowerOk) && (!upper || v <= r.max);
    }
};

const std::vector<FieldCheck> &fieldChecks()
{
    static const std::vector<FieldCheck> checks = [] {
        std::vector<FieldCheck> all;
        for (const SettingRow &row : settingRows()) {
            if (row.check == ViewOptionsCheck::Ok)
                continue;
            const bool split = row.maxCheck != ViewOptionsCheck::Ok;
            all.push_back({row.check, &row, true, !split});
            if (split)
                all.push_back({row.maxCheck, &row, false, true});
        }
        std::sort(all.begin(), all.end(),
                  [](const FieldCheck &a, const FieldCheck &b) { return a.id < b.id; });
        return all;
    }();
    return checks;
}

} // namespace

ViewOptionsCheck checkViewOptions(const ViewOptionsInput &input)
{
    for (const FieldCheck &c : fieldChecks()) {
        if (!c.passes(nf::readLeadingNumber(input.text(*c.row))))
            return c.id;
    }
    return ViewOptionsCheck::Ok;
}
