#pragma once

namespace kirvo {

// Rounding of long double values to whole numbers without touching the x87 rounding mode.
// std::trunc and std::nearbyint on long double set and restore the x87 control word, which costs
// more than the series term or the calendar step around them. Both give the standard functions'
// values for magnitudes below 2^62 (a zero may come out unsigned where those give −0).

// The nearest whole number, ties to even, as std::nearbyint gives it in the default rounding mode:
// adding 1.5 · 2^63 leaves no bits below the units, so the sum is rounded there.
inline long double NearestWhole(long double x) {
  constexpr long double kRoundingShift = 0x1.8p63L;
  return (x + kRoundingShift) - kRoundingShift;
}

// The whole part, towards zero, as std::trunc gives it.
inline long double TruncatedWhole(long double x) {
  const long double nearest = NearestWhole(x);
  if (x >= 0) return nearest > x ? nearest - 1 : nearest;
  return nearest < x ? nearest + 1 : nearest;
}

}  // namespace kirvo
