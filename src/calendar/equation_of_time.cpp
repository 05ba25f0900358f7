#include "calendar/equation_of_time.h"

#include <cmath>

#include "calendar/julian_value.h"
#include "calendar/sun_longitude.h"

namespace kirvo {
namespace {

constexpr long double kRadiansPerDegree = 3.14159265358979323846264338327950288L / 180;
constexpr long double kStandardTimeZoneHours = 9;  // 135°E
constexpr long double kMinutesPerDegree = 4;

}  // namespace

double EquationOfTimeMinutes(DateTime standard_time) {
  const JulianValue value = JulianValueOf(standard_time);
  const long double whole = std::floor(value);
  const long double t = JulianCenturies(whole, value - whole - kStandardTimeZoneHours / 24);
  const long double mean_longitude = 280.46646L + 36000.76983L * t + 0.0003032L * t * t;
  const long double longitude = SunLongitude(t) * kRadiansPerDegree;
  const long double obliquity = (23.4392911L - 0.0130042L * t) * kRadiansPerDegree;
  const long double right_ascension =
      std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)) / kRadiansPerDegree;
  return static_cast<double>(SignedDegrees(mean_longitude - 0.0057183L - right_ascension) * kMinutesPerDegree);
}

}  // namespace kirvo
