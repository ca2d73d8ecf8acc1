#include "common/Settings.h"
#include "common/NumberForms.h"

std::uint32_t colourValue(double colour)
{
    // Colours are 32-bit values held in a double; system colours are stored
    // as negative numbers (bit 31 set), so go through a signed 32-bit value.
    if (const auto v = nf::toInt32(colour))
        return static_cast<std::uint32_t>(*v);
    if (colour >= 0 && colour <= 4294967295.0)
        return static_cast<std::uint32_t>(nf::toInt32Clamped(colour - 4294967296.0));
    return 0;
}
