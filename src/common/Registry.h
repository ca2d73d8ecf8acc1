#pragma once
// The user's settings store: the program's default display options (section
// "Rithmiseis") and the main window's placement (section "Startup"), kept as
// text in an INI file. The in-memory Settings never reach the store except
// through the View options dialog's "Default" button.
#include "common/Settings.h"

#include <QSettings>
#include <QString>
#include <optional>

// Sections are INI groups; sections and keys match without regard to case.
class SettingsStore {
public:
    explicit SettingsStore(const QString &iniPath);
    // The user's config folder (XDG), application "Corvane Kel.2D".
    static QString defaultPath();

    // Nothing when the key is absent from the section.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Replaces the key in whatever letter case it is stored under.
    void setValue(const QString &section, const QString &key, const QString &text);
    // false when the store could not be written.
    bool sync();

private:
    QString storedKey(const QString &section, const QString &key) const;
    QSettings m_settings;
};

inline const QString kSettingsSection = QStringLiteral("Rithmiseis");
inline const QString kStartupSection = QStringLiteral("Startup");

// Fills every field from section "Rithmiseis", or with its default where the
// key is absent, unreadable or out of the range the View options dialog
// accepts. Never writes to the store.
void Load_Settings(Settings &settings, const SettingsStore &store);

// The main window's placement in device-independent pixels. state: 0 normal,
// 1 minimised, 2 maximised. left/top absent: centre the window.
struct WindowPlacement {
    int state = 2;
    double width = 667;    // 10000 x 8000 twips at 15 twips a pixel
    double height = 533;
    std::optional<double> left, top;
};
WindowPlacement Load_Window_Placement(const SettingsStore &store);
// Writes section "Startup"; a minimised window is stored as normal ("0").
void Save_Window_State(SettingsStore &store, const WindowPlacement &placement);

// The View options dialog's controls as the "Default" button finds them:
// check boxes and option buttons as booleans, the numeric fields as typed,
// the swatches' colours. Initialised to the program's factory options.
struct DefaultSettingsInput {
    bool nai_aksones = true;
    bool nai_grid = true;
    bool nai_komboi = true;
    bool nai_arithmisi_kombon = true;
    bool nai_desmefseis = true;
    bool nai_graf_stir = true;            // "Graphically" selected
    bool nai_sint_kombon = false;
    bool nai_springs = true;
    bool nai_fortiseis_si = true;
    bool nai_times_fortiseon_si = true;
    bool nai_stoixeia = true;
    bool nai_arithmisi_stoixeion = true;
    bool nai_omades = false;
    bool nai_miki = false;
    bool nai_times_N = true;
    bool N_sin_Ina = true;                // the dialog's drawing direction
    bool Nai_Apolites_Sint = false;
    bool Nai_Sxetikes_Sint = true;
    bool Show_FORCE = true;
    bool Show_STRESS = false;
    bool Show_STRAIN = false;

    QString kannab = QStringLiteral("1");
    QString Ena_cm_posa_FORCE = QStringLiteral("100");
    QString Ena_cm_posa_STRESS = QStringLiteral("10000");
    QString Ena_cm_posa_STRAIN = QStringLiteral("0.0001");
    QString Ena_cm_posa_m_epi_1000 = QStringLiteral("100");
    QString Animation_Frames = QStringLiteral("100");
    QString dekadika_N = QStringLiteral("3");
    QString dekadika_strain = QStringLiteral("7");

    double xroma_background = -2147483634.0;
    double xroma_aksonon = 8388608.0;
    double xroma_grid = 14737632.0;
    double xroma_kombon = 16711680.0;
    double xroma_stoixeion = 0.0;
    double xroma_sigkentromenon = 41984.0;
    double xroma_paramorfosis = 16711680.0;
    double Xroma_Efelkismou = 16711680.0;
    double Xroma_Thlipsis = 255.0;
    double Xroma_Afortistou = 16777215.0;
    double xroma_N = 2852397.0;

    // The controls as the dialog shows them on opening: numbers in the plain
    // report form (single precision to 7 digits, counts as whole numbers).
    static DefaultSettingsInput fromSettings(const Settings &settings);
};

// The View options dialog's checks, in the order they run; the first that
// fails is returned. The dialog owns the message and the field to focus.
enum class ViewOptionsCheck {
    Ok,
    ForceScale,            // greater than 0
    StressScale,           // greater than 0
    StrainScale,           // greater than 0
    DeformationScale,      // greater than 0
    AnimationFrames,       // greater than 0 and at most 1000
    DecimalsNNotWhole,     // whole and not negative
    DecimalsNTooMany,      // at most 13
    DecimalsStrainNotWhole,
    DecimalsStrainTooMany,
    GridSpacing,           // greater than 0
};
ViewOptionsCheck Check_View_Options(const DefaultSettingsInput &input);

// The "Default" button: runs the checks and, when they pass, writes the
// controls to section "Rithmiseis". Writes nothing and returns false (with
// the failed check in *failed) when a check fails.
bool Write_Default_Settings(SettingsStore &store, const DefaultSettingsInput &input,
                            ViewOptionsCheck *failed = nullptr);
