#include "calendar/sun_longitude.h"

#include <array>
#include <cmath>

namespace kirvo {
namespace {

inline constexpr long double kRadiansPerDegree = 3.14159265358979323846264338327950288L / 180;

// An angle in degrees folded into [0, 360).
long double NormalizeDegrees(long double x) {
  if (x >= 0) return x - 360 * std::trunc(x / 360);
  return 360 - (-x - 360 * std::trunc(-x / 360));
}

// 1 / (n (n − 1)) for n = 2 .. 21: the ratios of consecutive Taylor terms of cos and sin.
constexpr std::array<long double, 22> kTaylorRatios = [] {
  std::array<long double, 22> ratios{};
  for (int n = 2; n < 22; ++n) ratios[n] = 1.0L / (n * (n - 1));
  return ratios;
}();

// cos and sin of |x| ≤ π/4 radians by their Taylor series in extended precision: the terms fall
// below 1e-23 by the twentieth power, under the last bit of a long double.
long double CosSmall(long double x) {
  const long double x2 = x * x;
  long double sum = 1;
  for (int n = 20; n >= 2; n -= 2) sum = 1 - x2 * kTaylorRatios[n] * sum;
  return sum;
}

long double SinSmall(long double x) {
  const long double x2 = x * x;
  long double sum = 1;
  for (int n = 21; n >= 3; n -= 2) sum = 1 - x2 * kTaylorRatios[n] * sum;
  return x * sum;
}

// cos of an angle in degrees. The angle is folded to within 45° of a multiple of a right angle —
// the multiple is found in double precision, which only has to be near, the remainder is taken in
// extended precision — so no general argument reduction is needed, and cos is periodic, so the
// angle need not be brought into [0, 360) first.
long double CosDegrees(long double degrees) {
  const double quarters = static_cast<double>(degrees) / 90;
  const long quadrant = static_cast<long>(quarters + (quarters >= 0 ? 0.5 : -0.5));
  const long double radians = (degrees - 90.0L * quadrant) * kRadiansPerDegree;  // about [−π/4, π/4]
  switch (((quadrant % 4) + 4) % 4) {
    case 0:
      return CosSmall(radians);
    case 1:
      return -SinSmall(radians);
    case 2:
      return -CosSmall(radians);
    default:
      return SinSmall(radians);
  }
}

struct PeriodicTerm {
  long double amplitude;  // degrees
  long double rate;       // degrees per Julian century
  long double phase;      // degrees
};

// The small periodic perturbations of the sun's longitude, summed in this order.
constexpr std::array<PeriodicTerm, 14> kPeriodicTerms = {{
    {0.0004L, 31557, 161},
    {0.0004L, 29930, 48},
    {0.0005L, 2281, 221},
    {0.0005L, 155, 118},
    {0.0006L, 33718, 316},
    {0.0007L, 9038, 64},
    {0.0007L, 3035, 110},
    {0.0007L, 65929, 45},
    {0.0013L, 22519, 352},
    {0.0015L, 45038, 254},
    {0.0018L, 445267, 208},
    {0.0018L, 19, 159},
    {0.0020L, 32964, 158},
    {0.0200L, 71998.1L, 265.1L},
}};

}  // namespace

long double JulianCenturies(long double integer_part, long double shifted_fraction) {
  return (shifted_fraction + 0.5L) / 36525 + (integer_part - 2451545) / 36525;
}

long double SunLongitude(long double t) {
  long double sum = 0;
  for (const PeriodicTerm& term : kPeriodicTerms) sum += term.amplitude * CosDegrees(term.rate * t + term.phase);
  // Equation of centre from the mean anomaly M.
  const long double cos_mean_anomaly = CosDegrees(35999.05L * t + 267.52L);
  sum -= 0.0048L * t * cos_mean_anomaly;
  sum += 1.9147L * cos_mean_anomaly;
  const long double mean_longitude = NormalizeDegrees(NormalizeDegrees(36000.7695L * t) + 280.4659L);
  return NormalizeDegrees(sum + mean_longitude);
}

}  // namespace kirvo
