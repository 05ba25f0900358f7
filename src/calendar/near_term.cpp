#include "calendar/near_term.h"

#include <cmath>

#include "calendar/julian_value.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

inline constexpr double kMinutesPerDay = 1440;
// The sun covers at most 1.02° a day; the methods' terms lie at most about 17 minutes apart; the
// longitude is read at the start of the hour, up to an hour before the birth. Ten minutes more
// keep a clear margin.
inline constexpr double kFastestDegreesPerDay = 1.02;
inline constexpr double kSlackMinutes = 17 + 60 + 10;
// Past the 節 the month runs on: a search from a day after it finds it again by either method.
inline constexpr double kIntoTheMonthDays = 1;
inline constexpr Branch kTigerMonth = 2;  // 寅, the month 立春 opens

DateTime MonthTermAtOrBefore(DateTime moment, const TermClock& clock, TermMomentCache* cache) {
  if (cache != nullptr && clock.method == TermMethod::kStandard) {
    return cache->MonthTermMomentBefore(JulianValueOf(moment), clock);
  }
  return FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, moment, clock).moment;
}

}  // namespace

bool MayLieNearMonthTerm(double longitude_at_hour_start, int margin_minutes) {
  const double from_term = std::fabs(std::remainder(longitude_at_hour_start - 15, 30));
  return from_term <= (margin_minutes + kSlackMinutes) / kMinutesPerDay * kFastestDegreesPerDay;
}

std::optional<NearTermWarning> NearTermWarningOf(DateTime birth, const CalendarRules& rules, int margin_minutes,
                                                 TermMomentCache* standard_terms) {
  const double margin_days = margin_minutes / kMinutesPerDay;
  std::optional<DateTime> anchor;
  for (const TermMethod method : {TermMethod::kStandard, TermMethod::kPrecise}) {
    const TermClock clock{rules.term_clock.zone_hours, method};
    const DateTime term = MonthTermAtOrBefore(birth + margin_days, clock, standard_terms);
    if (std::fabs(birth - term) <= margin_days + 1e-9) {
      anchor = term;
      break;
    }
  }
  if (!anchor) return std::nullopt;

  NearTermWarning warning;
  for (const TermMethod method : {TermMethod::kStandard, TermMethod::kPrecise}) {
    const int slot = static_cast<int>(method);
    CalendarRules by_method = rules;
    by_method.term_clock.method = method;
    warning.term[slot] = MonthTermAtOrBefore(*anchor + kIntoTheMonthDays, by_method.term_clock, standard_terms);
    const MomentPillars pillars = MomentPillars::At(birth, by_method, nullptr, MomentPillars::Detail::kStemsAndBranches);
    warning.year[slot] = pillars.Pillar(MomentPillars::kYear);
    warning.month[slot] = pillars.Pillar(MomentPillars::kMonth);
  }
  const MomentPillars opened =
      MomentPillars::At(*anchor + kIntoTheMonthDays, rules, nullptr, MomentPillars::Detail::kStemsAndBranches);
  warning.spring_opening = opened.branches[MomentPillars::kMonth] == kTigerMonth;
  return warning;
}

}  // namespace kirvo
