#pragma once
// Colours are stored as 32-bit values with red in the low byte, then green, then blue
// (0x00BBGGRR), in the settings file and in every colour property.
#include <QtGlobal>
#include <array>

using OleColor = quint32;

namespace Colour {

constexpr OleColor rgb(int r, int g, int b) {
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}

// The colour picker's table of custom colours, kept with the settings.
using CustomColors = std::array<OleColor, 17>;

} // namespace Colour
