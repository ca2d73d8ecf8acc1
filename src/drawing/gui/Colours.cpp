#include "drawing/gui/Colours.h"

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Index n of the classic system colour table -> the palette colour that
// plays the same part on this desktop.
SystemColour systemColour(std::uint32_t n)
{
    using P = QPalette;
    // clang-format off
    switch (n) {
    case 0:  return {P::Active, P::Button};           // scroll bar
    case 1:  return {P::Active, P::Window};           // desktop
    case 2:  return {P::Active, P::Highlight};        // active caption
    case 3:  return {P::Inactive, P::Mid};            // inactive caption
    case 4:  return {P::Active, P::Window};           // menu
    case 5:  return {P::Active, P::Base};             // window background
    case 6:  return {P::Active, P::WindowText};       // window frame
    case 7:  return {P::Active, P::WindowText};       // menu text
    case 8:  return {P::Active, P::Text};             // window text
    case 9:  return {P::Active, P::HighlightedText};  // caption text
    case 10: return {P::Active, P::Window};           // active border
    case 11: return {P::Inactive, P::Window};         // inactive border
    case 12: return {P::Active, P::Mid};              // application workspace
    case 13: return {P::Active, P::Highlight};        // highlight
    case 14: return {P::Active, P::HighlightedText};  // highlighted text
    case 15: return {P::Active, P::Button};           // button face
    case 16: return {P::Active, P::Dark};             // button shadow
    case 17: return {P::Disabled, P::Text};           // grey text
    case 18: return {P::Active, P::ButtonText};       // button text
    case 19: return {P::Inactive, P::PlaceholderText};// inactive caption text
    case 20: return {P::Active, P::Light};            // button highlight
    case 21: return {P::Active, P::Shadow};           // 3D dark shadow
    case 22: return {P::Active, P::Midlight};         // 3D light
    case 23: return {P::Active, P::ToolTipText};      // tool-tip text
    case 24: return {P::Active, P::ToolTipBase};      // tool-tip background
    case 26: return {P::Active, P::Link};             // hot-tracked item
    case 27: return {P::Active, P::Highlight};        // active caption gradient
    case 28: return {P::Inactive, P::Midlight};       // inactive caption gradient
    case 29: return {P::Active, P::Highlight};        // menu highlight
    case 30: return {P::Active, P::Window};           // menu bar
    default: return {P::Active, P::Window};           // unknown: the window surface
    }
    // clang-format on
}

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &palette)
{
    if (value & 0x80000000u) {
        const SystemColour s = systemColour(value & 0x7FFFFFFFu);
        return palette.color(s.group, s.role);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}
