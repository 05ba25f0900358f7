#include "luck/start_of_luck.h"

#include <cmath>

#include "calendar/julian_value.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"
#include "luck/luck_direction.h"

namespace kirvo {
namespace {

constexpr double kAgeDaysPerBirthDay = 120;  // three days after birth count one year of life
constexpr double kYearDays = 365.25;
constexpr double kMonthDays = 30.59;
constexpr int kYearUnitMonthDays = 30;
// More than the longest month between two 節 and less than two of the shortest.
constexpr double kBeyondNextMonthTerm = 32;

// The first 節 after the moment. Stepping a fixed 30.59 days and searching back would miss the
// 節 after a short month, so the search starts beyond the next 節 counted from the current one.
DateTime FirstMonthTermAfter(DateTime moment, const CalendarRules& rules, TermMomentCache* cache) {
  DateTime next = MonthTermAtOrBefore(MonthTermAtOrBefore(moment, rules, cache) + kBeyondNextMonthTerm, rules, cache);
  if (next <= moment) next = MonthTermAtOrBefore(next + kBeyondNextMonthTerm, rules, cache);
  return next;
}

StartOfLuck InMonthUnit(int direction, DateTime birth, const MomentPillars& birth_pillars, const CalendarRules& rules,
                        TermMomentCache* cache) {
  double days = 0;
  if (direction == kReverse) {
    const std::optional<DateTime> month_start = DateTime::ParseTermMomentText(birth_pillars.month_start_moment);
    days = month_start ? birth - *month_start : 0;
  } else {
    days = FirstMonthTermAfter(birth, rules, cache) - birth;
  }
  const double age_days = days * kAgeDaysPerBirthDay;
  const int years = static_cast<int>(std::trunc(age_days / kYearDays));
  const int months = static_cast<int>(std::trunc((age_days - years * kYearDays) / kMonthDays));
  return {years, months};
}

// v of the year unit: whole days since the month's 節 (逆) or still to run in a 30-day month (順).
int YearUnitDays(int direction, DateTime birth, const CalendarRules& rules, TermMomentCache* cache) {
  const DateTime term = MonthTermAtOrBefore(birth, rules, cache);
  const long days =
      DayNumberUnderBoundary(birth, rules.day_boundary) - DayNumberUnderBoundary(term, rules.day_boundary);
  return static_cast<int>(direction == kReverse ? days : kYearUnitMonthDays - days);
}

StartOfLuck InYearUnit(int direction, DateTime birth, const CalendarRules& rules, TermMomentCache* cache) {
  const int v = YearUnitDays(direction, birth, rules, cache);
  int years = static_cast<int>(std::ceil(v / 3.0));
  if (years <= 2) years = direction == kReverse ? 1 : 10;
  return {years, 0};
}

}  // namespace

DateTime MonthTermAtOrBefore(DateTime moment, const CalendarRules& rules, TermMomentCache* cache) {
  if (cache != nullptr) return cache->MonthTermMomentBefore(JulianValueOf(moment), rules.term_clock);
  return FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, moment, rules.term_clock).moment;
}

StartOfLuck StartOfLuckOf(int direction, DateTime birth, const MomentPillars& birth_pillars, StartOfLuckUnit unit,
                          const CalendarRules& rules, TermMomentCache* cache) {
  if (unit == StartOfLuckUnit::kYears) return InYearUnit(direction, birth, rules, cache);
  return InMonthUnit(direction, birth, birth_pillars, rules, cache);
}

std::string DepthDaysText(int direction, DateTime birth, StartOfLuckUnit unit, const CalendarRules& rules,
                          TermMomentCache* cache) {
  if (unit != StartOfLuckUnit::kYears) return {};
  return std::to_string(YearUnitDays(direction, birth, rules, cache)) + "日";
}

}  // namespace kirvo
