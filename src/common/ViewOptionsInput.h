#pragma once
// The View options dialog's controls as plain values, one for each row of
// the settings table: check boxes and option buttons as booleans, numeric
// fields as the text typed, swatches as colours. The dialog's checks and the
// "Default" button work on this record, so they run without widgets.
#include "common/SettingsTable.h"

#include <QString>

#include <vector>

class ViewOptionsInput {
public:
    // The factory options, as "Restore" shows them.
    ViewOptionsInput();
    // The controls as the dialog shows them on opening: numbers in the plain
    // report form (single precision to 7 digits, 16-bit fields as whole numbers).
    static ViewOptionsInput fromSettings(const Settings &settings);

    bool &flag(bool Settings::*member) { return m_choices.*member; }
    bool flag(bool Settings::*member) const { return m_choices.*member; }
    double &colour(double Settings::*member) { return m_choices.*member; }
    double colour(double Settings::*member) const { return m_choices.*member; }
    QString &text(float Settings::*member) { return text(settingRow(member)); }
    QString &text(std::int16_t Settings::*member) { return text(settingRow(member)); }

    // By row, for code that walks the table: the text of a numeric row, and
    // the boolean (1 or 0) or colour of any other.
    QString &text(const SettingRow &row) { return m_texts[settingRowIndex(row)]; }
    const QString &text(const SettingRow &row) const { return m_texts[settingRowIndex(row)]; }
    double choice(const SettingRow &row) const { return row.value(m_choices); }

    // Every control as a setting ("Apply"): numeric fields read by the
    // leading-number rule and held as their fields hold them. Meant for
    // checked input; a field the checks would refuse gives its factory value.
    Settings toSettings() const;
    // "Restore": the factory options, except the colour diagram's three
    // colours, which keep what the swatches show.
    void restore();
    // Whether the control of a field takes input now: the grid spacing while
    // "Grid" is checked, the constraint style while "Constraints" is, the
    // decimal places while "Show values" is; every other control always.
    bool isEnabled(SettingMember member) const;

private:
    explicit ViewOptionsInput(const Settings &choices);

    Settings m_choices;           // the booleans and colours; its numeric fields are unused
    std::vector<QString> m_texts; // the numeric fields, by row
};

// Runs the dialog's checks in order on the numeric fields, each read by the
// leading-number rule; returns the first that fails, or Ok. A number the
// field cannot hold, or holds as a value outside its range (1e39 or 1e-50
// in a single-precision scale, 0.4 animation frames, which round to none),
// fails the field's check.
ViewOptionsCheck checkViewOptions(const ViewOptionsInput &input);
