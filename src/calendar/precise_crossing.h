#pragma once

#include "calendar/julian_value.h"

namespace kirvo {

// One crossing of the precise terms (see precise_terms.h): the moment of term n in Universal Time,
// and the full theory's longitude less the fixed series' there, in degrees.
struct PreciseCrossing {
  JulianValue moment;
  long double correction;
};

inline constexpr long double kSeriesDaysPerDegree = 365.2L / 360;  // the fixed series' search pace
inline constexpr long double kMeanTermSpacingDays = 365.2422L / 24;
// Mean position of term 0: the March equinox of 2000, 2000-03-20 about 07:35 UT. Every term lies
// within a few days of its mean position (the uneven pace of the sun and ΔT), far less than the
// half year within which a search from there finds the right crossing.
inline constexpr long double kTermZeroUniversal = 2451623.32L;

// The fixed series' longitude at a Universal JulianValue, degrees.
long double SeriesLongitudeAt(JulianValue universal);

// Term n computed: the fixed series' own crossing, found from the mean position at its pace, then
// a Newton step on the full theory with the series' pace there. One evaluation of the theory.
PreciseCrossing ComputePreciseCrossing(long number);

}  // namespace kirvo
