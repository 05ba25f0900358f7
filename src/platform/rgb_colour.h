#pragma once

#include <cstdint>

namespace kirvo {

// A colour as 24-bit RGB, 0xRRGGBB.
using Rgb = std::uint32_t;

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;

// The text colour to draw on a background: white on a dark one, black on a light one. Brightness is
// trunc((0.299 R + 0.587 G + 0.114 B) / 256 × 100), 0..99; up to 50 counts as dark.
Rgb ContrastTextColour(Rgb background);

}  // namespace kirvo
