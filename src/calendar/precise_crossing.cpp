#include "calendar/precise_crossing.h"

#include <cmath>

#include "calendar/precise_sun.h"
#include "calendar/sun_longitude.h"

namespace kirvo {
namespace {

inline constexpr long double kPaceStepDays = 0.01L;
// The series' crossing lies within about 16 minutes of the theory's, and its pace there is within
// about 0.01% of the true one: one Newton step lands within 0.06 s of the theory's crossing over
// 1900–2100, far inside the theory's own few seconds, so a crossing costs one evaluation.
inline constexpr int kNewtonSteps = 1;
// The series' crossing only has to be near: the Newton step takes it from there.
inline constexpr long double kSeriesCloseEnoughDegrees = 1e-6L;

int TermIndex(long number) { return static_cast<int>(((number % 24) + 24) % 24); }

}  // namespace

long double SeriesLongitudeAt(JulianValue universal) { return SunLongitudeAtLocal(universal, 0); }

PreciseCrossing ComputePreciseCrossing(long number) {
  const long double target = 15.0L * TermIndex(number);
  JulianValue t = kTermZeroUniversal + number * kMeanTermSpacingDays;
  for (int step = 0; step < 40; ++step) {
    const long double off = SignedDegrees(SeriesLongitudeAt(t) - target);
    t -= off * kSeriesDaysPerDegree;
    if (std::fabs(off) < kSeriesCloseEnoughDegrees) break;
  }
  const long double pace =
      SignedDegrees(SeriesLongitudeAt(t + kPaceStepDays) - SeriesLongitudeAt(t - kPaceStepDays)) / (2 * kPaceStepDays);
  for (int step = 0; step < kNewtonSteps; ++step) {
    t -= SignedDegrees(PreciseSunLongitudeAtUniversalTime(static_cast<double>(t + 0.5L)) - target) / pace;
  }
  return {t, SignedDegrees(target - SeriesLongitudeAt(t))};
}

}  // namespace kirvo
