#include "common/SettingsTable.h"

#include "common/NumberForms.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {

using S = Settings;
using C = ViewOptionsCheck;

constexpr SettingRange kPositive{0.0, std::numeric_limits<double>::infinity(), true};
constexpr SettingRange kFrames{0.0, 1000.0, true};
constexpr SettingRange kDecimals{0.0, 13.0, false, true};

// The colour defaults are the 32-bit values: 0x8000000E (system colour 14,
// highlighted text) as its signed value, and the hexadecimal defaults of
// the store ("&HE0E0E0", "&HFF0000") as the numbers they read as.
// clang-format off
constexpr SettingRow kRows[] = {
    {.key = "nai_aksones", .member = &S::nai_aksones, .factory = 1, .fileLine = 1},
    {.key = "nai_grid", .member = &S::nai_grid, .factory = 1, .fileLine = 2},
    {.key = "kannab", .member = &S::kannab, .factory = 1, .range = kPositive,
     .check = C::GridSpacing, .fileLine = 30},
    {.key = "nai_komboi", .member = &S::nai_komboi, .factory = 1, .fileLine = 3},
    {.key = "nai_arithmisi_kombon", .member = &S::nai_arithmisi_kombon, .factory = 1,
     .fileLine = 4},
    {.key = "nai_desmefseis", .member = &S::nai_desmefseis, .factory = 1, .fileLine = 5},
    {.key = "nai_graf_stir", .member = &S::nai_graf_stir, .factory = 1, .fileLine = 15},
    {.key = "nai_sint_kombon", .member = &S::nai_sint_kombon, .factory = 0, .fileLine = 6},
    {.key = "nai_springs", .member = &S::nai_springs, .factory = 1, .fileLine = 18},
    {.key = "nai_stoixeia", .member = &S::nai_stoixeia, .factory = 1, .fileLine = 7},
    {.key = "nai_arithmisi_stoixeion", .member = &S::nai_arithmisi_stoixeion, .factory = 1,
     .fileLine = 8},
    {.key = "nai_omades", .member = &S::nai_omades, .factory = 0, .fileLine = 9},
    {.key = "nai_miki", .member = &S::nai_miki, .factory = 0, .fileLine = 10},
    {.key = "nai_fortiseis_si", .member = &S::nai_fortiseis_si, .factory = 1, .fileLine = 11},
    {.key = "nai_times_fortiseon_si", .member = &S::nai_times_fortiseon_si, .factory = 1,
     .fileLine = 12},
    {.key = "nai_times_N", .member = &S::nai_times_N, .factory = 1, .fileLine = 13},
    {.key = "N_sin_Ina", .member = &S::N_sin_Ina, .factory = 1, .fileLine = 14},
    {.key = "Ena_cm_posa_FORCE", .member = &S::Ena_cm_posa_FORCE, .factory = 100,
     .range = kPositive, .check = C::ForceScale, .fileLine = 24},
    {.key = "Ena_cm_posa_STRESS", .member = &S::Ena_cm_posa_STRESS, .factory = 10000,
     .range = kPositive, .check = C::StressScale, .fileLine = 25,
     .defaultKey = "Ena_cm_posa_Stress"},
    {.key = "Ena_cm_posa_STRAIN", .member = &S::Ena_cm_posa_STRAIN, .factory = 0.0001,
     .range = kPositive, .check = C::StrainScale, .fileLine = 26,
     .defaultKey = "Ena_cm_posa_Strain"},
    {.key = "Ena_cm_posa_m_epi_1000", .member = &S::Ena_cm_posa_m_epi_1000, .factory = 100,
     .range = kPositive, .check = C::DeformationScale, .fileLine = 31},
    {.key = "Animation_Frames", .member = &S::Animation_Frames, .factory = 100,
     .range = kFrames, .check = C::AnimationFrames, .fileLine = 32},
    {.key = "dekadika_N", .member = &S::dekadika_N, .factory = 3, .range = kDecimals,
     .check = C::DecimalsNNotWhole, .maxCheck = C::DecimalsNTooMany, .fileLine = 22},
    {.key = "dekadika_strain", .member = &S::dekadika_strain, .factory = 7, .range = kDecimals,
     .check = C::DecimalsStrainNotWhole, .maxCheck = C::DecimalsStrainTooMany, .fileLine = 23},
    {.key = "xroma_background", .member = &S::xroma_background, .factory = -2147483634.0,
     .fileLine = 33},
    {.key = "xroma_aksonon", .member = &S::xroma_aksonon, .factory = 8388608, .fileLine = 34},
    {.key = "xroma_grid", .member = &S::xroma_grid, .factory = 14737632, .fileLine = 35},
    {.key = "xroma_stoixeion", .member = &S::xroma_stoixeion, .factory = 0, .fileLine = 36},
    {.key = "xroma_kombon", .member = &S::xroma_kombon, .factory = 16711680, .fileLine = 37},
    {.key = "xroma_sigkentromenon", .member = &S::xroma_sigkentromenon, .factory = 41984,
     .fileLine = 38},
    {.key = "xroma_paramorfosis", .member = &S::xroma_paramorfosis, .factory = 16711680,
     .fileLine = 40},
    {.key = "Xroma_Efelkismou", .member = &S::Xroma_Efelkismou, .factory = 16711680,
     .fileLine = 41},
    {.key = "Xroma_Thlipsis", .member = &S::Xroma_Thlipsis, .factory = 255, .fileLine = 42},
    {.key = "Xroma_Afortistou", .member = &S::Xroma_Afortistou, .factory = 16777215,
     .fileLine = 43},
    {.key = "xroma_N", .member = &S::xroma_N, .factory = 2852397, .fileLine = 39},
    {.key = "Nai_Apolites_Sint", .member = &S::Nai_Apolites_Sint, .factory = 0, .fileLine = 16},
    {.key = "Nai_Sxetikes_Sint", .member = &S::Nai_Sxetikes_Sint, .factory = 1, .fileLine = 17},
    {.key = "Show_FORCE", .member = &S::Show_FORCE, .factory = 1, .fileLine = 19},
    {.key = "Show_STRESS", .member = &S::Show_STRESS, .factory = 0, .fileLine = 20},
    {.key = "Show_STRAIN", .member = &S::Show_STRAIN, .factory = 0, .fileLine = 21},
};
// clang-format on

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

} // namespace

double SettingRow::value(const Settings &s) const
{
    return std::visit([&](auto m) { return static_cast<double>(s.*m); }, member);
}

void SettingRow::setValue(Settings &s, double v) const
{
    std::visit(Overloaded{
                   [&](bool Settings::*m) { s.*m = v != 0; },
                   [&](float Settings::*m) { s.*m = static_cast<float>(v); },
                   [&](std::int16_t Settings::*m) { s.*m = static_cast<std::int16_t>(v); },
                   [&](double Settings::*m) { s.*m = v; },
               },
               member);
}

std::optional<double> SettingRow::held(double number) const
{
    if (!std::isfinite(number))
        return std::nullopt;
    switch (kind()) {
    case SettingKind::Boolean: return number != 0 ? 1.0 : 0.0;
    case SettingKind::Single:
        if (std::fabs(number) > FLT_MAX)
            return std::nullopt;
        return static_cast<double>(static_cast<float>(number));
    case SettingKind::Int16:
        if (const auto whole = nf::toInt16(number))
            return static_cast<double>(*whole);
        return std::nullopt;
    case SettingKind::Colour: break;
    }
    return number;
}

bool SettingRow::accepts(double number) const
{
    const auto v = held(number);
    return v && range.contains(*v);
}

std::span<const SettingRow> settingRows() { return kRows; }

const SettingRow &settingRow(SettingMember member)
{
    for (const SettingRow &row : kRows) {
        if (row.member == member)
            return row;
    }
    // Every field has a row; asking for one without is a programming error.
    std::abort();
}

std::size_t settingRowIndex(const SettingRow &row)
{
    return static_cast<std::size_t>(&row - kRows);
}

Settings::Settings()
{
    for (const SettingRow &row : kRows)
        row.setValue(*this, row.factory);
}
