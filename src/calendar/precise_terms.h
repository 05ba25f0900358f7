#pragma once

#include "calendar/julian_value.h"

namespace kirvo {

// The solar terms of the precise method, numbered from the March equinox of 2000: term n is the
// moment the sun's apparent longitude reaches 15·(n mod 24)°, so month-opening terms (節) have odd
// numbers. The crossings of 1900–2100 are computed when the program is built, those of other years
// once per thread; every search from any start answers with the same crossing, so results never
// depend on what was asked before.
//
// Moments here are JulianValues of Universal Time (the local value at zone 0).

// The moment of term n.
JulianValue PreciseTermMoment(long number);

// The number of the latest term at or before `universal`.
long LatestPreciseTerm(JulianValue universal);

// The latest term at or before `universal` with the sun's apparent longitude there, degrees: the
// fixed series' value corrected by the difference the two terms around the moment show (exact at
// the terms, within a few arcseconds between them). Costs one evaluation of the series and none of
// the full theory once those terms are known.
struct PrecisePlace {
  long latest;
  long double longitude;
};
PrecisePlace PlaceAmongPreciseTerms(JulianValue universal);

}  // namespace kirvo
