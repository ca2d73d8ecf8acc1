#pragma once
// The label flags of the drawing as the LABELS pop-up menu lists them, and
// its three presets.
#include "common/Settings.h"

#include <array>

struct LabelFlag {
    const char *caption; // the menu item
    bool Settings::*flag;
};

// In menu order.
extern const std::array<LabelFlag, 7> kLabelFlags;

enum class LabelPreset { All, Basic, None };

// "All labels" sets every flag, "No labels" clears every flag, "Basic labels"
// keeps node and element numbers and the load and [N] values only.
void applyLabelPreset(Settings &settings, LabelPreset preset);
