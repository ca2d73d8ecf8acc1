#pragma once
// The program's 32-bit colour values as Qt colours.
#include <QColor>
#include <QPalette>
#include <cstdint>

// 0x00BBGGRR (red in the lowest byte) gives that colour; a value with bit 31
// set, 0x80000000 + n, names entry n of the classic system colour table and
// takes the matching colour of the palette.
QColor resolveColour(std::uint32_t value, const QPalette &palette);
