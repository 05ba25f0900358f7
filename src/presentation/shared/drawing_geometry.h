#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/rgb_colour.h"
#include "calendar/sexagenary.h"

namespace kirvo {

// The geometry of the drawings the windows share, free of any toolkit: a window turns the points,
// bands and places computed here into its own drawing calls. Pixel coordinates, x to the right and
// y downwards. Angles in degrees, 0 at the top of a circle, increasing clockwise (90 to the right).

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Edges of a rectangle; right and bottom are the first pixel outside it.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// The pixel size of a font whose text, `advance` pixels wide at `pixel_size`, must fit `room`
// pixels: the size itself when it fits, else the size scaled down (never below 6 pixels, the least
// that stays legible) so that a cell's text such as the 通根 row's "98654" stays inside its cell.
int FittedPixelSize(int pixel_size, int advance, int room);

// The point at `angle` on the circle of radius `r` about (cx, cy), rounded half to even.
PixelPoint PointOnCircle(double cx, double cy, double r, double angle);

// The two base corners of an arrow head at `tip`: both `side` pixels from the tip, `half_angle`
// degrees either side of the direction from the tip back to `start`. When start and tip coincide
// they lie either side of the direction to the right of the tip.
struct ArrowCorners {
  PixelPoint first;
  PixelPoint second;
  bool operator==(const ArrowCorners&) const = default;
};
ArrowCorners ArrowHead(PixelPoint start, PixelPoint tip, double half_angle, double side);

// The most steps a gradient takes: the shared colour ramp holds 256 colours.
inline constexpr int kMaxGradientSteps = 255;

// Colours c0 … cn from `start` to `end`: c0 = start, cn = end and, between them, each component
// truncated after subtracting k times the step (s − e) / n. `n` is taken within 1 … kMaxGradientSteps.
std::vector<Rgb> ColourRamp(Rgb start, Rgb end, int n);

// One band of a vertical gradient.
struct GradientBand {
  PixelRect rect;
  Rgb colour = kBlack;
  bool operator==(const GradientBand&) const = default;
};

// The bands that fill `rect` from `start` (top) to `end` (bottom) in `n` steps: band k (1 … n)
// begins Trunc((k − 1)·h / n) below the top and is Trunc(h / n + 1) high, in colour ck of the ramp.
// Bands overlap by up to one pixel; the start colour itself never shows and the last band is the
// end colour. An n below 1 counts as 1; an n above kMaxGradientSteps as kMaxGradientSteps (the
// bands then grow taller instead of the ramp overflowing).
std::vector<GradientBand> GradientFill(const PixelRect& rect, Rgb start, int n, Rgb end);

// A ring of names on a drawing area: the ten stems, the twelve branches or the twelve stages.
// Mode 1: names of one full-width character (2 Shift-JIS bytes); mode 2: names of 4 bytes, two
// full-width characters or one between two half-width blanks (" 衰 ").
enum class NameRingMode { kOneCharacter = 1, kTwoCharacters = 2 };

// Font size of the names, in points: the area's width div 12 (mode 1) or div 14 (mode 2).
int NameRingFontPoints(int area_width, NameRingMode mode);

// The element box reaches this far round a name.
inline constexpr int kNameBoxMarginPx = 2;

// Where one name of the ring goes: its top-left corner and, for a name of an element group, the
// box filled behind it from that element's colour to black in `box_steps` steps.
struct NameRingPlace {
  std::string name;
  PixelPoint at;
  Element element = kNoElement;  // kNoElement: no box
  PixelRect box;
  int box_steps = 0;
};

// The places of the names in `names` (UTF-8, the names written one after another) on a ring about
// (cx, cy) of `radius`, with `glyph_width` the drawn width of "甲" in the ring's font. In mode 1 ten
// names run clockwise from the first at the top; twelve or any other count start from the seventh
// (so 子 … 亥 stand with 午 at the top and 子 at the bottom).
std::vector<NameRingPlace> NameRing(std::string_view names, int cx, int cy, NameRingMode mode, int radius,
                                    int glyph_width, const TenGodNames& ten_god_names);

}  // namespace kirvo
