#include "calendar/natural_time.h"

#include <cmath>

#include "calendar/accepted_moments.h"
#include "calendar/equation_of_time.h"

namespace kirvo {
namespace {

constexpr double kMinutesPerDay = 24 * 60;

// n / d to the nearest integer, a half to the even one; d > 0.
int RoundHalfToEven(int n, int d) {
  int quotient = n / d;
  int remainder = n % d;
  if (remainder < 0) {
    --quotient;
    remainder += d;
  }
  if (2 * remainder > d || (2 * remainder == d && quotient % 2 != 0)) ++quotient;
  return quotient;
}

}  // namespace

int MapClickMinutes(int x) {
  return RoundHalfToEven((x - kMapStandardMeridianX) * kMinutesPerDegreeEast, kMapPixelsPerDegree);
}

EastLongitude MapClickLongitude(int x) {
  // In seventeenths of a degree, exactly: 135 · 17 + (x − 153).
  const int seventeenths = kStandardMeridianDegrees * kMapPixelsPerDegree + (x - kMapStandardMeridianX);
  return {seventeenths / kMapPixelsPerDegree, seventeenths % kMapPixelsPerDegree * 60 / kMapPixelsPerDegree};
}

std::optional<DateTime> NaturalMoment(DateTime standard_time, long long offset_minutes, bool with_equation_of_time) {
  double minutes = static_cast<double>(offset_minutes);
  if (with_equation_of_time) minutes += EquationOfTimeMinutes(standard_time);
  const double whole_minutes = std::round(standard_time.days() * kMinutesPerDay + minutes);
  const DateTime natural(whole_minutes / kMinutesPerDay);
  if (!std::isfinite(whole_minutes) || !IsAcceptedMoment(natural)) return std::nullopt;
  return natural;
}

}  // namespace kirvo
