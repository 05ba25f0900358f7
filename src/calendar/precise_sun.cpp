#include "calendar/precise_sun.h"

#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <cmath>
#include <numbers>

#include "calendar/delta_t.h"

namespace kirvo {
namespace {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
inline constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600;
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525;
inline constexpr double kDaysPerJulianYear = 365.25;
// Annual aberration shifts the sun back by this many arcseconds at one astronomical unit.
inline constexpr double kAberrationArcseconds = 20.4898;

double Fold360(double degrees) {
  const double folded = std::fmod(degrees, 360.0);
  return folded < 0 ? folded + 360 : folded;
}

// Ecliptic longitude of J2000 to the ecliptic and equinox of date by the rigorous rotation (the
// angles η, Π and p of the precession of the ecliptic, counted from J2000).
double PrecessedLongitude(double longitude, double latitude, double julian_day) {
  const double t = (julian_day - kJ2000) / kDaysPerJulianCentury;
  const double eta = ((0.000060 * t - 0.03302) * t + 47.0029) * t * kRadiansPerArcsecond;
  const double pi = 174.876384 * kRadiansPerDegree + (0.03536 * t - 869.8089) * t * kRadiansPerArcsecond;
  const double p = ((-0.000006 * t + 1.11113) * t + 5029.0966) * t * kRadiansPerArcsecond;
  const double lambda = longitude * kRadiansPerDegree;
  const double beta = latitude * kRadiansPerDegree;
  const double a = std::cos(eta) * std::cos(beta) * std::sin(pi - lambda) - std::sin(eta) * std::sin(beta);
  const double b = std::cos(beta) * std::cos(pi - lambda);
  return (p + pi - std::atan2(a, b)) / kRadiansPerDegree;
}

}  // namespace

double PreciseSunLongitude(double julian_day_tt) {
  ln_helio_posn sun{};  // geometric, referred to the ecliptic of J2000
  ln_get_solar_geom_coords(julian_day_tt, &sun);
  ln_nutation nutation{};
  ln_get_nutation(julian_day_tt, &nutation);
  const double of_date = PrecessedLongitude(sun.L, sun.B, julian_day_tt);
  return Fold360(of_date + nutation.longitude - kAberrationArcseconds / 3600 / sun.R);
}

double PreciseSunLongitudeAtUniversalTime(double julian_day_ut) {
  const double year = 2000 + (julian_day_ut - kJ2000) / kDaysPerJulianYear;
  return PreciseSunLongitude(julian_day_ut + DeltaTSeconds(year) / 86400);
}

}  // namespace kirvo
