#include "common/LabelPresets.h"

const std::array<LabelFlag, 7> kLabelFlags = {{
    {"Nodes numbering", &Settings::nai_arithmisi_kombon},
    {"Node coordinates", &Settings::nai_sint_kombon},
    {"Elements numbering", &Settings::nai_arithmisi_stoixeion},
    {"Element groups", &Settings::nai_omades},
    {"Element lengths", &Settings::nai_miki},
    {"Nodal load values", &Settings::nai_times_fortiseon_si},
    {"[N] values", &Settings::nai_times_N},
}};

void applyLabelPreset(Settings &settings, LabelPreset preset)
{
    const bool all = preset == LabelPreset::All;
    const bool basic = all || preset == LabelPreset::Basic;
    settings.nai_arithmisi_kombon = basic;
    settings.nai_sint_kombon = all;
    settings.nai_arithmisi_stoixeion = basic;
    settings.nai_omades = all;
    settings.nai_miki = all;
    settings.nai_times_fortiseon_si = basic;
    settings.nai_times_N = basic;
}
