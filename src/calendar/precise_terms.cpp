#include "calendar/precise_terms.h"

#include <cmath>
#include <vector>

#include "calendar/precise_sun.h"
#include "calendar/sun_longitude.h"

namespace kirvo {
namespace {

inline constexpr long double kDaysPerDegree = 365.2L / 360;  // the fixed series' search pace
inline constexpr long double kMeanTermSpacingDays = 365.2422L / 24;
// Mean position of term 0: the March equinox of 2000, 2000-03-20 about 07:35 UT. Every term lies
// within a few days of its mean position (the uneven pace of the sun and ΔT), far less than the
// half year within which a search from there finds the right crossing.
inline constexpr long double kTermZeroUniversal = 2451623.32L;
inline constexpr long double kPaceStepDays = 0.01L;
// The series' crossing lies within about 16 minutes of the theory's, and its pace there is within
// about 0.01% of the true one: one Newton step lands within 0.06 s of the theory's crossing over
// 1900–2100, far inside the theory's own few seconds, so a crossing costs one evaluation.
inline constexpr int kNewtonSteps = 1;
// The series' crossing only has to be near: the Newton step takes it from there.
inline constexpr long double kSeriesCloseEnoughDegrees = 1e-6L;

int TermIndex(long number) { return static_cast<int>(((number % 24) + 24) % 24); }

long double FoldHalfTurn(long double degrees) {
  long double folded = std::fmod(degrees, 360.0L);
  if (folded > 180) folded -= 360;
  if (folded <= -180) folded += 360;
  return folded;
}

long double SeriesLongitude(JulianValue universal) {
  const long double whole = std::trunc(universal);
  return SunLongitude(JulianCenturies(whole, universal - whole));
}

struct Crossing {
  JulianValue moment = 0;
  long double correction = 0;  // precise minus series longitude at the moment, degrees
  bool known = false;
};

// The crossing of term n: first the fixed series' own crossing, found from the mean position at its
// pace, then a Newton step on the full theory with the series' pace there.
Crossing Compute(long number) {
  const long double target = 15.0L * TermIndex(number);
  JulianValue t = kTermZeroUniversal + number * kMeanTermSpacingDays;
  for (int step = 0; step < 40; ++step) {
    const long double off = FoldHalfTurn(SeriesLongitude(t) - target);
    t -= off * kDaysPerDegree;
    if (std::fabs(off) < kSeriesCloseEnoughDegrees) break;
  }
  const long double pace =
      FoldHalfTurn(SeriesLongitude(t + kPaceStepDays) - SeriesLongitude(t - kPaceStepDays)) / (2 * kPaceStepDays);
  for (int step = 0; step < kNewtonSteps; ++step) {
    t -= FoldHalfTurn(PreciseSunLongitudeAtUniversalTime(static_cast<double>(t + 0.5L)) - target) / pace;
  }
  return {t, FoldHalfTurn(target - SeriesLongitude(t)), true};
}

// The crossings computed on this thread, by number, in one run of slots.
class CrossingMemo {
 public:
  const Crossing& Get(long number) {
    if (slots_.empty()) first_ = number;
    if (number < first_) {
      std::vector<Crossing> grown(static_cast<std::size_t>(first_ - number));
      grown.insert(grown.end(), slots_.begin(), slots_.end());
      slots_ = std::move(grown);
      first_ = number;
    }
    const auto slot = static_cast<std::size_t>(number - first_);
    if (slot >= slots_.size()) slots_.resize(slot + 1);
    Crossing& crossing = slots_[slot];
    if (!crossing.known) crossing = Compute(number);
    return crossing;
  }

 private:
  long first_ = 0;
  std::vector<Crossing> slots_;
};

const Crossing& Known(long number) {
  thread_local CrossingMemo memo;
  return memo.Get(number);
}

}  // namespace

JulianValue PreciseTermMoment(long number) { return Known(number).moment; }

namespace {

long LatestTermFrom(JulianValue universal, long double series_longitude) {
  // The series names the term and so its number; the full theory's crossings settle the side.
  const int index = static_cast<int>(std::floor(series_longitude / 15)) % 24;
  const JulianValue estimate = universal - (series_longitude - 15.0L * index) * kDaysPerDegree;
  const long cycles =
      std::lround((estimate - kTermZeroUniversal - index * kMeanTermSpacingDays) / (24 * kMeanTermSpacingDays));
  long number = 24 * cycles + index;
  while (PreciseTermMoment(number) > universal) --number;
  while (PreciseTermMoment(number + 1) <= universal) ++number;
  return number;
}

}  // namespace

long LatestPreciseTerm(JulianValue universal) { return LatestTermFrom(universal, SeriesLongitude(universal)); }

PrecisePlace PlaceAmongPreciseTerms(JulianValue universal) {
  const long double series = SeriesLongitude(universal);
  const long number = LatestTermFrom(universal, series);
  const Crossing before = Known(number);  // copies: the memo may grow between the two
  const Crossing after = Known(number + 1);
  const long double share = (universal - before.moment) / (after.moment - before.moment);
  const long double correction = before.correction + (after.correction - before.correction) * share;
  long double longitude = std::fmod(series + correction, 360.0L);
  if (longitude < 0) longitude += 360;
  return {number, longitude};
}

}  // namespace kirvo
