#pragma once
// The user's settings store: the program's default display options (section
// "Rithmiseis") and the main window's placement (section "Startup"), kept as
// text in an INI file. The in-memory Settings never reach the store except
// through the View options dialog's "Default" button.
#include "common/Settings.h"
#include "common/ViewOptionsInput.h"

#include <QSettings>
#include <QString>
#include <optional>

// Sections are INI groups; sections and keys match without regard to case.
// Every value is text (see common/IniText.h).
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
    double width = 667; // 10000 x 8000 twips at 15 twips a pixel
    double height = 533;
    std::optional<double> left, top;
};
WindowPlacement loadWindowPlacement(const SettingsStore &store);
// Writes section "Startup"; a minimised window is stored as normal ("0").
void Save_Window_State(SettingsStore &store, const WindowPlacement &placement);

// The "Default" button: runs the checks and, when they pass, writes every
// control to section "Rithmiseis" (numeric fields as the number read from
// their text). Writes nothing and returns false (with the failed check in
// *failed) when a check fails.
bool writeDefaultSettings(SettingsStore &store, const ViewOptionsInput &input,
                          ViewOptionsCheck *failed = nullptr);
