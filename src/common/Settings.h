#pragma once
// The display options of the program, one record. Fields are named by their
// keys in the settings store and keep the store's types: booleans, single
// precision scales, 16-bit counts and colours held as doubles carrying a
// 32-bit 0x00BBGGRR value (bit 31 set: system colour n = value - 0x80000000).
#include <cstdint>

struct Settings {
    bool nai_aksones = true;
    bool nai_grid = true;
    float kannab = 1.0f;
    bool nai_komboi = true;
    bool nai_arithmisi_kombon = true;
    bool nai_desmefseis = true;
    bool nai_graf_stir = true;
    bool nai_sint_kombon = false;
    bool nai_springs = true;
    bool nai_stoixeia = true;
    bool nai_arithmisi_stoixeion = true;
    bool nai_omades = false;
    bool nai_miki = false;
    bool nai_fortiseis_si = true;
    bool nai_times_fortiseon_si = true;
    bool nai_times_N = true;
    bool N_sin_Ina = true;
    float Ena_cm_posa_FORCE = 100.0f;
    float Ena_cm_posa_STRESS = 10000.0f;
    float Ena_cm_posa_STRAIN = 0.0001f;
    float Ena_cm_posa_m_epi_1000 = 100.0f;
    std::int16_t Animation_Frames = 100;
    std::int16_t dekadika_N = 3;
    std::int16_t dekadika_strain = 7;
    double xroma_background = -2147483634.0; // system colour 14
    double xroma_aksonon = 8388608.0;
    double xroma_grid = 14737632.0;
    double xroma_stoixeion = 0.0;
    double xroma_kombon = 16711680.0;
    double xroma_sigkentromenon = 41984.0;
    double xroma_paramorfosis = 16711680.0;
    double Xroma_Efelkismou = 16711680.0;
    double Xroma_Thlipsis = 255.0;
    double Xroma_Afortistou = 16777215.0;
    double xroma_N = 2852397.0;
    bool Nai_Apolites_Sint = false;
    bool Nai_Sxetikes_Sint = true;
    bool Show_FORCE = true;
    bool Show_STRESS = false;
    bool Show_STRAIN = false;

    bool operator==(const Settings &) const = default;
};

// A colour value as the drawing uses it: the 32-bit integer the double
// carries (rounded; out-of-range values fall back to black).
std::uint32_t colourValue(double colour);
