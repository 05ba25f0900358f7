#pragma once

#include <cmath>
#include <limits>

namespace kirvo {

// Rounding of long double values to whole numbers without touching the x87 rounding mode.
// std::trunc and std::nearbyint on long double set and restore the x87 control word, which costs
// more than the series term or the calendar step around them. Both give the standard functions'
// values for magnitudes below 2^(digits − 2), 2^62 for the x87 format (a zero may come out
// unsigned where those give −0).

// 1.5 · 2^(digits − 1): adding it leaves no bits below the units, so the sum is rounded there.
inline constexpr long double kWholeRoundingShift = [] {
  long double shift = 1.5L;
  for (int bit = 1; bit < std::numeric_limits<long double>::digits; ++bit) shift *= 2;
  return shift;
}();

// Whether long double arithmetic carries all the format's digits at run time. An emulator may
// compute long doubles as doubles (valgrind does); the shift would then round far above the units,
// so the helpers hand the work to the standard functions.
inline const bool kLongDoubleArithmeticIsFull = [] {
  const volatile long double one = 1;
  return one + std::numeric_limits<long double>::epsilon() != one;
}();

// The nearest whole number, ties to even, as std::nearbyint gives it in the default rounding mode.
inline long double NearestWhole(long double x) {
  if (!kLongDoubleArithmeticIsFull) return std::nearbyint(x);
  return (x + kWholeRoundingShift) - kWholeRoundingShift;
}

// The whole part, towards zero, as std::trunc gives it.
inline long double TruncatedWhole(long double x) {
  if (!kLongDoubleArithmeticIsFull) return std::trunc(x);
  const long double nearest = NearestWhole(x);
  if (x >= 0) return nearest > x ? nearest - 1 : nearest;
  return nearest < x ? nearest + 1 : nearest;
}

}  // namespace kirvo
