#include "calendar/sun_longitude.h"

#include <array>
#include <cmath>

#include "calendar/long_double_rounding.h"

namespace kirvo {
namespace {

inline constexpr long double kRadiansPerDegree = 3.14159265358979323846264338327950288L / 180;

// An angle in degrees folded into [0, 360).
long double NormalizeDegrees(long double x) {
  if (x >= 0) return x - 360 * TruncatedWhole(x / 360);
  return 360 - (-x - 360 * TruncatedWhole(-x / 360));
}

// Taylor coefficients in y = x²: cos x = Σ (−1)^k y^k / (2k)!, sin x = x Σ (−1)^k y^k / (2k + 1)!,
// k = 0..8. For |x| ≤ π/4 the first omitted terms fall below 3e-18, under the last bit of a double.
// Double precision is ample for the cosines: the largest amplitude is under 2 degrees, so a last-bit
// error moves the longitude by about 1e-16 degree, some 1e-11 seconds of the sun's motion.
struct TaylorCoefficients {
  std::array<double, 9> cos;
  std::array<double, 9> sin;
};
constexpr TaylorCoefficients kTaylor = [] {
  TaylorCoefficients c{};
  long double factorial = 1;  // n!
  for (int n = 0; n <= 17; ++n) {
    if (n > 0) factorial *= n;
    const auto term = static_cast<double>(((n / 2) % 2 == 0 ? 1 : -1) / factorial);
    if (n % 2 == 0) c.cos[n / 2] = term;
    else c.sin[n / 2] = term;
  }
  return c;
}();

// A polynomial of degree 8 in y by Estrin's scheme: pairs first, so the multiplications do not
// wait on one another.
double Polynomial(const std::array<double, 9>& c, double y) {
  const double y2 = y * y;
  const double y4 = y2 * y2;
  const double q0 = (c[0] + c[1] * y) + (c[2] + c[3] * y) * y2;
  const double q1 = (c[4] + c[5] * y) + (c[6] + c[7] * y) * y2;
  return (q0 + q1 * y4) + c[8] * (y4 * y4);
}

// cos of `radians` + quadrant · π/2 for |radians| ≤ π/4 (about), without a branch: the quadrant
// picks the sign and whether the sine or the cosine of the remainder serves.
double CosInQuadrant(double radians, long quadrant) {
  const double y = radians * radians;
  const double cos_r = Polynomial(kTaylor.cos, y);
  const double sin_r = radians * Polynomial(kTaylor.sin, y);
  const std::array<double, 4> by_quadrant = {cos_r, -sin_r, -cos_r, sin_r};
  return by_quadrant[static_cast<std::size_t>(quadrant & 3)];
}

// The multiple of a right angle nearest to an angle in degrees; it only has to be near.
long NearestQuadrant(double degrees) {
  const double quarters = degrees / 90;
  return static_cast<long>(quarters + (quarters >= 0 ? 0.5 : -0.5));
}

// cos of an angle in degrees, folded to within 45° of a multiple of a right angle. The angle is
// periodic in cos, so it need not be brought into [0, 360) first. `long double` keeps the fold exact
// for the fast-growing mean anomaly; the small terms below are folded in double precision.
long double CosDegrees(long double degrees) {
  const long quadrant = NearestQuadrant(static_cast<double>(degrees));
  const auto radians = static_cast<double>((degrees - 90.0L * quadrant) * kRadiansPerDegree);
  return CosInQuadrant(radians, quadrant);
}

double CosDegrees(double degrees) {
  constexpr double kDoubleRadiansPerDegree = static_cast<double>(kRadiansPerDegree);
  const long quadrant = NearestQuadrant(degrees);
  return CosInQuadrant((degrees - 90.0 * static_cast<double>(quadrant)) * kDoubleRadiansPerDegree, quadrant);
}

struct PeriodicTerm {
  double amplitude;  // degrees
  double rate;       // degrees per Julian century
  double phase;      // degrees
};

// The small periodic perturbations of the sun's longitude, summed in this order. Their amplitudes
// are at most 0.02 degree, so double precision keeps their sum within 1e-14 degree.
constexpr std::array<PeriodicTerm, 14> kPeriodicTerms = {{
    {0.0004, 31557, 161},
    {0.0004, 29930, 48},
    {0.0005, 2281, 221},
    {0.0005, 155, 118},
    {0.0006, 33718, 316},
    {0.0007, 9038, 64},
    {0.0007, 3035, 110},
    {0.0007, 65929, 45},
    {0.0013, 22519, 352},
    {0.0015, 45038, 254},
    {0.0018, 445267, 208},
    {0.0018, 19, 159},
    {0.0020, 32964, 158},
    {0.0200, 71998.1, 265.1},
}};

}  // namespace

long double JulianCenturies(long double integer_part, long double shifted_fraction) {
  return (shifted_fraction + 0.5L) / 36525 + (integer_part - 2451545) / 36525;
}

long double SunLongitude(long double t) {
  const auto t_double = static_cast<double>(t);
  double perturbations = 0;
  for (const PeriodicTerm& term : kPeriodicTerms) {
    perturbations += term.amplitude * CosDegrees(term.rate * t_double + term.phase);
  }
  long double sum = perturbations;
  // Equation of centre from the mean anomaly M.
  const long double cos_mean_anomaly = CosDegrees(35999.05L * t + 267.52L);
  sum -= 0.0048L * t * cos_mean_anomaly;
  sum += 1.9147L * cos_mean_anomaly;
  const long double mean_longitude = NormalizeDegrees(NormalizeDegrees(36000.7695L * t) + 280.4659L);
  return NormalizeDegrees(sum + mean_longitude);
}

long double SunLongitudeAtLocal(JulianValue local, long double zone_days) {
  const long double whole = TruncatedWhole(local);
  return SunLongitude(JulianCenturies(whole, local - whole - zone_days));
}

long double SignedDegrees(long double degrees) {
  long double folded = std::fmod(degrees, 360.0L);
  if (folded > 180) folded -= 360;
  if (folded <= -180) folded += 360;
  return folded;
}

}  // namespace kirvo
