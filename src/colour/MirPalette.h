#pragma once
// The game's palette: a colour index 0 to 255 stands for one of these colours.
#include <array>
#include <cstdint>

#include "app/Colour.h"

namespace lifeng {

extern const std::array<Colour, 256> MirPalette;

// The palette colour at position, or black (0) for a position outside 0 to 255.
Colour PaletteColour(int32_t position);

}  // namespace lifeng
