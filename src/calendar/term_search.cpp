#include "calendar/term_search.h"

#include <cmath>

#include "calendar/birth_time.h"
#include "calendar/long_double_rounding.h"
#include "calendar/precise_terms.h"
#include "calendar/sun_longitude.h"

namespace kirvo {
namespace {

inline constexpr long double kDaysPerDegree = 365.2L / 360;  // the sun's mean pace, inverted
inline constexpr long double kOneSecondDays = 1.0L / 86400;
// The search converges in at most six steps from any start; the cap only guards against a
// non-finite input.
inline constexpr int kMaxSearchSteps = 100;

long double TargetLongitude(TermSearchMode mode, long double start_longitude) {
  switch (mode) {
    case TermSearchMode::kLatestTerm:
      return 15 * TruncatedWhole(start_longitude / 15);
    case TermSearchMode::kLatestMonthTerm:
      // The nearest multiple of 30° (ties to even), then back half a month to the odd multiple of 15°.
      return 30 * NearestWhole(start_longitude / 30) - 15;
    case TermSearchMode::kLatestSolsticeOrEquinox:
      return 90 * TruncatedWhole(start_longitude / 90);
    case TermSearchMode::kSpringOpening:
      break;
  }
  return 315;
}

// The term number the precise method answers with, from the latest term at or before the start.
long PreciseTermOfMode(TermSearchMode mode, long latest, JulianValue universal) {
  switch (mode) {
    case TermSearchMode::kLatestTerm:
      return latest;
    case TermSearchMode::kLatestMonthTerm:
      return latest % 2 != 0 ? latest : latest - 1;  // 節 have odd numbers
    case TermSearchMode::kLatestSolsticeOrEquinox:
      return latest - ((latest % 6) + 6) % 6;
    case TermSearchMode::kSpringOpening:
      break;
  }
  // 立春 is term 21 of each cycle: the one nearest in time.
  constexpr long kSpringIndex = 21;
  const long before = latest - (((latest - kSpringIndex) % 24) + 24) % 24;
  const long after = before + 24;
  return universal - PreciseTermMoment(before) <= PreciseTermMoment(after) - universal ? before : after;
}

TermSearchResult FindPreciseTermMoment(TermSearchMode mode, double zone_hours, JulianValue start) {
  const long double zone_days = zone_hours / 24.0L;
  const JulianValue universal = start - zone_days;
  const PrecisePlace place = PlaceAmongPreciseTerms(universal);
  const long number = PreciseTermOfMode(mode, place.latest, universal);
  return {PreciseTermMoment(number) + zone_days, place.longitude};
}

}  // namespace

TermSearchResult FindTermMoment(TermSearchMode mode, const TermClock& clock, JulianValue start) {
  if (clock.method == TermMethod::kPrecise) return FindPreciseTermMoment(mode, clock.zone_hours, start);
  const long double zone_days = clock.zone_hours / 24.0L;
  long double whole = TruncatedWhole(start);
  long double fraction = start - whole - zone_days;
  const long double start_longitude = SunLongitude(JulianCenturies(whole, fraction));
  const long double target = TargetLongitude(mode, start_longitude);

  long double longitude = start_longitude;  // the first step starts where λ0 was measured
  long double step_whole = 1;
  long double step_fraction = 1;
  for (int step = 0; std::fabs(step_whole + step_fraction) > kOneSecondDays && step < kMaxSearchSteps; ++step) {
    if (step > 0) longitude = SunLongitude(JulianCenturies(whole, fraction));
    long double difference = longitude - target;  // folded into (−180, 180]
    if (difference > 180) {
      difference -= 360;
    } else if (difference < -180) {
      difference += 360;
    }
    const long double days_back = difference * kDaysPerDegree;
    step_whole = TruncatedWhole(days_back);
    step_fraction = days_back - step_whole;
    whole -= step_whole;
    fraction -= step_fraction;
    if (fraction < 0) {
      fraction += 1;
      whole -= 1;
    }
  }
  return {whole + (fraction + zone_days), start_longitude};
}

TermMomentBefore FindTermMomentBefore(TermSearchMode mode, DateTime moment, const TermClock& clock) {
  const JulianValue start = JulianValueOf(moment);
  TermSearchResult found = FindTermMoment(mode, clock, start);
  TermMoment handed_on = TermMomentOf(found.moment);
  if (mode == TermSearchMode::kSpringOpening && handed_on.moment > moment) {
    // The 立春 nearest in time lies ahead: take the one a year earlier.
    handed_on = TermMomentOf(FindTermMoment(mode, clock, start - 365.25L).moment);
  }
  return {handed_on.moment, std::move(handed_on.text), found.start_longitude};
}

std::string MonthTermBeforeBirthText(std::string_view birth_text, const TermClock& clock) {
  const std::optional<DateTime> moment = BirthMomentOfText(birth_text);
  if (!moment) return {};
  return FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, *moment, clock).text;
}

}  // namespace kirvo
