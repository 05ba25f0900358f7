#pragma once

namespace kirvo {

// The sun's apparent geocentric longitude in degrees, [0, 360), at a Julian Day of Terrestrial
// Time: the Earth's heliocentric position from libnova's VSOP87 theory, brought from the ecliptic
// of J2000 to the ecliptic of date, with the nutation in longitude and the annual aberration.
// Good to well under an arcsecond (a few seconds of a term moment) across 1900–2100.
double PreciseSunLongitude(double julian_day_tt);

// The same at a Julian Day of Universal Time, taking ΔT for the date.
double PreciseSunLongitudeAtUniversalTime(double julian_day_ut);

}  // namespace kirvo
