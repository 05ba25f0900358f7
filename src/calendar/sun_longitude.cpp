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

// Taylor coefficients in y = x²: cos x = Σ (−1)^k y^k / (2k)!, sin x = x Σ (−1)^k y^k / (2k + 1)!,
// k = 0..10. For |x| ≤ π/4 the first omitted terms fall below 1e-23, under the last bit of a long
// double.
struct TaylorCoefficients {
  std::array<long double, 11> cos;
  std::array<long double, 11> sin;
};
constexpr TaylorCoefficients kTaylor = [] {
  TaylorCoefficients c{};
  long double factorial = 1;  // n!
  for (int n = 0; n <= 21; ++n) {
    if (n > 0) factorial *= n;
    const long double term = ((n / 2) % 2 == 0 ? 1 : -1) / factorial;
    if (n % 2 == 0) c.cos[n / 2] = term;
    else c.sin[n / 2] = term;
  }
  return c;
}();

// A polynomial of degree 10 in y by Estrin's scheme: pairs first, so the multiplications do not
// wait on one another.
long double Polynomial(const std::array<long double, 11>& c, long double y) {
  const long double y2 = y * y;
  const long double y4 = y2 * y2;
  const long double y8 = y4 * y4;
  const long double q0 = (c[0] + c[1] * y) + (c[2] + c[3] * y) * y2;
  const long double q1 = (c[4] + c[5] * y) + (c[6] + c[7] * y) * y2;
  const long double q2 = (c[8] + c[9] * y) + c[10] * y2;
  return (q0 + q1 * y4) + q2 * y8;
}

long double CosSmall(long double x) { return Polynomial(kTaylor.cos, x * x); }
long double SinSmall(long double x) { return x * Polynomial(kTaylor.sin, x * x); }

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

long double SignedDegrees(long double degrees) {
  long double folded = std::fmod(degrees, 360.0L);
  if (folded > 180) folded -= 360;
  if (folded <= -180) folded += 360;
  return folded;
}

}  // namespace kirvo
