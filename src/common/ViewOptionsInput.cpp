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

Settings ViewOptionsInput::toSettings() const
{
    Settings s = m_choices;
    for (const SettingRow &row : settingRows()) {
        if (row.kind() != SettingKind::Single && row.kind() != SettingKind::Int16)
            continue;
        const double number = nf::readLeadingNumber(text(row));
        row.setValue(s, row.accepts(number) ? *row.held(number) : row.factory);
    }
    return s;
}

void ViewOptionsInput::restore()
{
    // The colour diagram's colours are the user's to keep.
    const Settings kept = m_choices;
    *this = ViewOptionsInput();
    for (double Settings::*member :
         {&Settings::Xroma_Efelkismou, &Settings::Xroma_Thlipsis, &Settings::Xroma_Afortistou})
        m_choices.*member = kept.*member;
}

bool ViewOptionsInput::isEnabled(SettingMember member) const
{
    // Each dependent control follows the check box it belongs to.
    const struct {
        SettingMember dependent;
        bool Settings::*owner;
    } rules[] = {
        {&Settings::kannab, &Settings::nai_grid},
        {&Settings::nai_graf_stir, &Settings::nai_desmefseis},
        {&Settings::dekadika_N, &Settings::nai_times_N},
        {&Settings::dekadika_strain, &Settings::nai_times_N},
    };
    for (const auto &rule : rules) {
        if (rule.dependent == member)
            return m_choices.*rule.owner;
    }
    return true;
}

namespace {

// One of the dialog's checks: a numeric row's whole range, or its lower
// bound (with wholeness) and its upper bound as two checks.
struct FieldCheck {
    ViewOptionsCheck id;
    const SettingRow *row;
    bool lower;
    bool upper;

    // The typed number is checked against the range as typed; the check of
    // the upper bound also makes sure the field can hold it and that the
    // value it holds is still in the range.
    bool passes(double v) const
    {
        const SettingRange &r = row->range;
        const bool lowerOk =
            (!r.whole || std::floor(v) == v) && (r.minExclusive ? v > r.min : v >= r.min);
        return (!lower || lowerOk) && (!upper || (v <= r.max && row->accepts(v)));
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
