#pragma once

#include "calendar/date_time.h"

namespace kirvo {

// The equation of time (均時差) at a moment of Japan Standard Time, in minutes: apparent (true) solar
// time minus mean solar time. Positive when the sundial is ahead of the clock — about +16.4 minutes
// early in November, about −14.2 minutes in mid-February, near zero in mid-April, mid-June, early
// September and late December.
//
// E = L0 − 0.0057183° − α, four minutes per degree, where L0 is the sun's mean longitude
// (280.46646° + 36000.76983° T + 0.0003032° T², T in Julian centuries from J2000.0), α the right
// ascension of the apparent sun from its ecliptic longitude (the program's solar-longitude series)
// and the obliquity 23.4392911° − 0.0130042° T, and 0.0057183° the aberration. The nutation in right
// ascension (at most about a second of time) is left out. Good to a few seconds of time between
// 1700 and 2300; the equation changes by at most half a minute a day, so the hour matters little.
double EquationOfTimeMinutes(DateTime standard_time);

}  // namespace kirvo
