#pragma once
// The one table of the display settings. Each row names a field of Settings
// with its key in the settings store, its factory value, the range the View
// options dialog accepts, the dialog's checks of that range and its line in
// a model file's settings block. The settings store, the model file, the
// dialog's checks and the defaults writer all read the rows, so a new
// setting is a field of Settings, one row here and the code that uses it.
#include "common/Settings.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <variant>

// The field a row describes. Its type is the row's kind and value form:
// boolean, single precision, 16-bit whole number, or a colour value held as
// a double (0x00BBGGRR, or 0x80000000 + n for system colour n).
using SettingMember =
    std::variant<bool Settings::*, float Settings::*, std::int16_t Settings::*, double Settings::*>;
enum class SettingKind { Boolean, Single, Int16, Colour }; // in the order of SettingMember

// The View options dialog's checks, in the order they run. The dialog owns
// each check's message, tab and field to focus.
enum class ViewOptionsCheck {
    Ok,
    ForceScale,        // greater than 0
    StressScale,       // greater than 0
    StrainScale,       // greater than 0
    DeformationScale,  // greater than 0
    AnimationFrames,   // greater than 0 and at most 1000
    DecimalsNNotWhole, // whole and not negative
    DecimalsNTooMany,  // at most 13
    DecimalsStrainNotWhole,
    DecimalsStrainTooMany,
    GridSpacing, // greater than 0
};

// The values the View options dialog accepts for a numeric field. Loading a
// value outside it from the store or a model file gives the factory value
// instead: the program never produces one, and the drawing cannot use it.
struct SettingRange {
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    bool minExclusive = false;
    bool whole = false; // the typed number must be a whole number

    bool contains(double v) const { return (minExclusive ? v > min : v >= min) && v <= max; }
};

struct SettingRow {
    const char *key; // in section "Rithmiseis", as Load_Settings reads it
    SettingMember member;
    double factory; // booleans 1 or 0
    SettingRange range{};
    // The dialog's check of the range; with maxCheck, check tests the lower
    // bound (and wholeness) and maxCheck the upper bound on its own.
    ViewOptionsCheck check = ViewOptionsCheck::Ok;
    ViewOptionsCheck maxCheck = ViewOptionsCheck::Ok;
    int fileLine = 0; // 1 to 43 in a model file's settings block; 0: not in the file
    const char *defaultKey = nullptr; // the spelling the "Default" button writes, if another

    SettingKind kind() const { return static_cast<SettingKind>(member.index()); }
    const char *writtenKey() const { return defaultKey ? defaultKey : key; }
    // The field's value as a double (booleans 1 or 0).
    double value(const Settings &s) const;
    // Stores v, which must already be a value of the field's kind.
    void setValue(Settings &s, double v) const;
    // A number as the field holds it: narrowed to single precision, or
    // rounded to a 16-bit whole number (halves to even). Nothing when the
    // field cannot hold it (not finite, too large for the type).
    std::optional<double> held(double number) const;
    // Whether the field can hold the number and the value it holds lies in
    // the range: what typed text and stored text must pass alike, so that
    // 1e39 (infinite as a single), 1e-50 (zero as a single) or 0.4 frames
    // (zero frames once rounded) never reach the drawing.
    bool accepts(double number) const;
};

// Every row, in the order Load_Settings reads the store.
std::span<const SettingRow> settingRows();
// The row of a field (every field of Settings has one).
const SettingRow &settingRow(SettingMember member);
// The row's place in settingRows().
std::size_t settingRowIndex(const SettingRow &row);
