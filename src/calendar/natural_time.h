#pragma once

#include <optional>

#include "calendar/date_time.h"

namespace kirvo {

// Natural time (自然時): the local mean solar time of a birthplace. Standard time is the mean time of
// the 135°E meridian; a place d degrees further east sees the mean sun 4·d minutes earlier, so its
// clock would read 4·d minutes later.
inline constexpr int kMinutesPerDegreeEast = 4;
inline constexpr int kStandardMeridianDegrees = 135;

// The map of the country the offset is picked from: 400 × 400 pixels, 135°E at x = 153 and 17
// pixels per degree of longitude, so x alone gives the longitude.
inline constexpr int kMapSizePx = 400;
inline constexpr int kMapStandardMeridianX = 153;
inline constexpr int kMapPixelsPerDegree = 17;

// The offset of a click at pixel column x, whole minutes: (x − 153) · 4 / 17 to the nearest, a half
// to the even neighbour (with 17 pixels a degree no column falls on a half).
int MapClickMinutes(int x);

// The east longitude of pixel column x, 135 + (x − 153) / 17 degrees, as whole degrees and whole
// arc minutes, both truncated. For the columns of the map (x ≥ 0).
struct EastLongitude {
  int degrees = 0;
  int arc_minutes = 0;
  bool operator==(const EastLongitude&) const = default;
};
EastLongitude MapClickLongitude(int x);

// The natural time of a standard-time moment at a place `offset_minutes` east of the standard
// meridian; with the equation of time, the true solar time (the sundial's) instead of the mean.
// Rounded to the whole minute. Nothing when the result is not a moment the program computes with.
std::optional<DateTime> NaturalMoment(DateTime standard_time, long long offset_minutes, bool with_equation_of_time);

}  // namespace kirvo
