#pragma once

#include "calendar/julian_value.h"

namespace kirvo {

// Julian centuries of Universal Time since 2000-01-01 12:00 for a local JulianValue split into its
// integer part and a fraction already shifted by the time zone (fraction − zone/24, may be < 0).
long double JulianCenturies(long double integer_part, long double shifted_fraction);

// The sun's apparent ecliptic longitude in degrees, [0, 360), at T Julian centuries, from a fixed
// truncated periodic series (fourteen terms, the equation of centre and the mean longitude).
// Good to about 0.01 degree, a quarter of an hour in a term moment, across 1700–2300.
long double SunLongitude(long double centuries);

// The same at a local JulianValue `zone_days` ahead of Universal Time. The value is split into its
// whole days and the rest, the zone taken off the rest, as the searches of the series do.
long double SunLongitudeAtLocal(JulianValue local, long double zone_days);

// An angle in degrees brought into (−180, 180]: how far one longitude lies past another.
long double SignedDegrees(long double degrees);

}  // namespace kirvo
