#pragma once
// The display options of the program, one record. Fields are named by their
// keys in the settings store and keep the store's types: booleans, single
// precision scales, 16-bit counts and colours held as doubles carrying a
// 32-bit 0x00BBGGRR value (bit 31 set: system colour n = value - 0x80000000).
#include <cstdint>

struct Settings {
    // The factory values of the settings table (SettingsTable.h), which
    // holds each field's key, default, range and place in a model file.
    Settings();

    bool nai_aksones{};
    bool nai_grid{};
    float kannab{};
    bool nai_komboi{};
    bool nai_arithmisi_kombon{};
    bool nai_desmefseis{};
    bool nai_graf_stir{};
    bool nai_sint_kombon{};
    bool nai_springs{};
    bool nai_stoixeia{};
    bool nai_arithmisi_stoixeion{};
    bool nai_omades{};
    bool nai_miki{};
    bool nai_fortiseis_si{};
    bool nai_times_fortiseon_si{};
    bool nai_times_N{};
    bool N_sin_Ina{};
    float Ena_cm_posa_FORCE{};
    float Ena_cm_posa_STRESS{};
    float Ena_cm_posa_STRAIN{};
    float Ena_cm_posa_m_epi_1000{};
    std::int16_t Animation_Frames{};
    std::int16_t dekadika_N{};
    std::int16_t dekadika_strain{};
    double xroma_background{};
    double xroma_aksonon{};
    double xroma_grid{};
    double xroma_stoixeion{};
    double xroma_kombon{};
    double xroma_sigkentromenon{};
    double xroma_paramorfosis{};
    double Xroma_Efelkismou{};
    double Xroma_Thlipsis{};
    double Xroma_Afortistou{};
    double xroma_N{};
    bool Nai_Apolites_Sint{};
    bool Nai_Sxetikes_Sint{};
    bool Show_FORCE{};
    bool Show_STRESS{};
    bool Show_STRAIN{};

    bool operator==(const Settings &) const = default;
};

// A colour value as the drawing uses it: the 32-bit integer the double
// carries (rounded; out-of-range values fall back to black).
std::uint32_t colourValue(double colour);
