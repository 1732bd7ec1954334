#pragma once
#include <cstdint>

namespace lifeng {

// A Windows colour value, 0x00BBGGRR: red in the low byte, then green, then blue.
using Colour = uint32_t;

inline constexpr Colour kBlack = 0;
inline constexpr Colour kWhite = 0xFFFFFF;

constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }

}  // namespace lifeng
