#pragma once
// What the View options dialog (frmSXEDIASI) does, without its widgets: the
// messages of its checks with the tab and field each one names, "Apply",
// "Default" and "Restore", and the colour swatches with the colour chooser.
// The dialog gathers its controls into a ViewOptionsInput and calls these.
#include "common/ViewOptionsInput.h"

#include <QString>

#include <span>

class Interaction;
class SettingsStore;
class UserPrompts;
class Workspace;

// The dialog's tabs, in their order.
enum class ViewOptionsTab { General = 0, Model = 1, Diagram = 2 };

// A failed check as the user is told it: the message, the tab brought to
// the front and the field that takes the focus with its whole text selected.
struct ViewOptionsFailure {
    QString message;
    ViewOptionsTab tab;
    const SettingRow *field;
};
// For every check but Ok.
ViewOptionsFailure describeFailure(ViewOptionsCheck check);

// The dialog's validation: runs the checks in order and tells the first
// failure (exclamation box, title "Corvane Kel.2D", the same text in red in
// the log). Returns that check, or Ok.
ViewOptionsCheck Elegxos_An_Einai_OK(Interaction &ui, const ViewOptionsInput &input);

// "Apply": validates, then copies every control into the settings; the
// deformation animation becomes the still deformed shape. The caller applies
// the view colours, shows the AXES and GRID switches as set and redraws.
// Returns the failed check, or Ok; on failure nothing changes.
ViewOptionsCheck applyViewOptions(Workspace &ws, const ViewOptionsInput &input);

// "Default": validates, then writes the controls to the settings store as
// the program's defaults. Neither the settings nor the drawing change.
ViewOptionsCheck writeDefaultViewOptions(Interaction &ui, SettingsStore &store,
                                         const ViewOptionsInput &input);

// The colour swatches: ten numbered in three groups (0-2 general, 3-6
// model, 7-9 colour diagram), then the [N] diagram's own.
struct ColourSwatch {
    const char *label;
    double Settings::*member;
};
std::span<const ColourSwatch> colourSwatches();

// The colour chooser's answer when it was cancelled.
inline constexpr double kColourCancelled = -1;
// Opens the colour chooser at `start`; the chosen colour as the settings
// hold colours (a system colour stays negative), or kColourCancelled.
double Choose_Colour(UserPrompts &prompts, double start);
// A click on a swatch: the chooser opens at its colour, and the swatch takes
// the colour chosen. false when the chooser was cancelled.
bool pickSwatchColour(UserPrompts &prompts, ViewOptionsInput &input, double Settings::*swatch);
