#include "workspace/ViewOptions.h"

#include "common/Registry.h"
#include "workspace/Workspace.h"

#include <cstdint>
#include <cstdlib>

namespace {

using S = Settings;
using C = ViewOptionsCheck;
using T = ViewOptionsTab;

struct CheckText {
    ViewOptionsCheck check;
    const char *message;
    ViewOptionsTab tab;
    SettingMember field;
};

const CheckText kCheckTexts[] = {
    {C::ForceScale, "The value given for the equivalence cm - Force units is unacceptable.",
     T::Diagram, &S::Ena_cm_posa_FORCE},
    {C::StressScale, "The value given for the equivalence cm - Stress units is unacceptable.",
     T::Diagram, &S::Ena_cm_posa_STRESS},
    {C::StrainScale, "The value given for the equivalence cm - Strain units is unacceptable.",
     T::Diagram, &S::Ena_cm_posa_STRAIN},
    {C::DeformationScale, "The value given for the equivalence cm - D units is unacceptable.",
     T::Model, &S::Ena_cm_posa_m_epi_1000},
    {C::AnimationFrames, "The value given for the Animation Frames is unacceptable.", T::Model,
     &S::Animation_Frames},
    {C::DecimalsNNotWhole, "The value given for the decimal places (N Diagram) is unacceptable.",
     T::Diagram, &S::dekadika_N},
    {C::DecimalsNTooMany, "The maximum number for decimal places is 13 (N Diagram).", T::Diagram,
     &S::dekadika_N},
    {C::DecimalsStrainNotWhole, "The value given for the decimal places (Strain) is unacceptable.",
     T::Diagram, &S::dekadika_strain},
    {C::DecimalsStrainTooMany, "The maximum number for decimal places is 13 (Strain).", T::Diagram,
     &S::dekadika_strain},
    {C::GridSpacing, "The value given for grid is unacceptable.", T::General, &S::kannab},
};

const ColourSwatch kSwatches[] = {
    {"Background", &S::xroma_background},
    {"Axes", &S::xroma_aksonon},
    {"Grid", &S::xroma_grid},
    {"Nodes", &S::xroma_kombon},
    {"Elements", &S::xroma_stoixeion},
    {"Nodal loads", &S::xroma_sigkentromenon},
    {"Deformation", &S::xroma_paramorfosis},
    {"Tension", &S::Xroma_Efelkismou},
    {"Compression", &S::Xroma_Thlipsis},
    {"Neutral", &S::Xroma_Afortistou},
    {"[N] Diagram", &S::xroma_N},
};

} // namespace

ViewOptionsFailure describeFailure(ViewOptionsCheck check)
{
    for (const CheckText &c : kCheckTexts) {
        if (c.check == check)
            return {QString::fromLatin1(c.message), c.tab, &settingRow(c.field)};
    }
    // Ok is no failure; asking for its text is a programming error.
    std::abort();
}

ViewOptionsCheck Elegxos_An_Einai_OK(Interaction &ui, const ViewOptionsInput &input)
{
    const ViewOptionsCheck check = checkViewOptions(input);
    if (check != ViewOptionsCheck::Ok)
        ui.reportWarning(describeFailure(check).message);
    return check;
}

ViewOptionsCheck applyViewOptions(Workspace &ws, const ViewOptionsInput &input)
{
    const ViewOptionsCheck check = Elegxos_An_Einai_OK(ws, input);
    if (check != ViewOptionsCheck::Ok)
        return check;
    ws.settings = input.toSettings();
    // The animation would go on with the old frames; show the still shape.
    if (ws.drawingMode == ModeAnimation)
        ws.drawingMode = ModeDeformed;
    return check;
}

ViewOptionsCheck writeDefaultViewOptions(Interaction &ui, SettingsStore &store,
                                         const ViewOptionsInput &input)
{
    const ViewOptionsCheck check = Elegxos_An_Einai_OK(ui, input);
    if (check == ViewOptionsCheck::Ok)
        writeDefaultSettings(store, input);
    return check;
}

std::span<const ColourSwatch> colourSwatches() { return kSwatches; }

double Choose_Colour(UserPrompts &prompts, double start)
{
    const auto chosen = prompts.colour(colourValue(start));
    if (!chosen)
        return kColourCancelled;
    // Held as the settings hold colours: a system colour (bit 31 set) as
    // its negative 32-bit value, so it is written as the store expects it.
    return static_cast<double>(static_cast<std::int32_t>(*chosen));
}

bool pickSwatchColour(UserPrompts &prompts, ViewOptionsInput &input, double Settings::*swatch)
{
    const double chosen = Choose_Colour(prompts, input.colour(swatch));
    if (chosen == kColourCancelled)
        return false;
    input.colour(swatch) = chosen;
    return true;
}
