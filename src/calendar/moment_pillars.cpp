#include "calendar/moment_pillars.h"

#include <cmath>
#include <optional>
#include <utility>

#include "calendar/julian_value.h"
#include "calendar/long_double_rounding.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"

namespace kirvo {
namespace {

// The month-opening term found from the start of the moment's hour, before any day-boundary shift.
struct MonthOpening {
  MonthTerm term;
  long double start_longitude;
  std::optional<long> crossing;  // the cache's handle, when one was used
};

MonthOpening FindMonthOpening(JulianValue start, const TermClock& clock, TermMomentCache* cache, bool with_longitude) {
  if (cache != nullptr) {
    TermMomentCache::Lookup found =
        with_longitude ? cache->MonthTermBefore(start, clock) : cache->MonthTermBeforeWithoutLongitude(start, clock);
    return {std::move(found.term), found.start_longitude, found.crossing};
  }
  const TermSearchResult found = FindTermMoment(TermSearchMode::kLatestMonthTerm, clock, start);
  return {MonthTermOf(found.moment), found.start_longitude, std::nullopt};
}

// Seasons by the month of the opening term: 寅卯辰 spring, 巳午未 summer, 申酉戌 autumn, the rest
// winter; the last 18 degrees before each seasonal opening term are 土用.
int SeasonIndexOf(int month, long double longitude) {
  const bool doyo = (longitude >= 27 && longitude < 45) || (longitude >= 117 && longitude < 135) ||
                    (longitude >= 207 && longitude < 225) || (longitude >= 297 && longitude < 315);
  if (doyo) return 4;
  if (month >= 2 && month <= 4) return 0;
  if (month >= 5 && month <= 7) return 1;
  if (month >= 8 && month <= 10) return 2;
  return 3;
}

int SeasonQuarterOf(long double longitude) {
  if (longitude >= 45 && longitude < 135) return 1;
  if (longitude >= 135 && longitude < 225) return 2;
  if (longitude >= 225 && longitude < 315) return 3;
  return 0;
}

// The hour stem follows the day stem: 甲己 days start their 子 hour at 甲, 乙庚 at 丙, and so on.
constexpr Stem HourStem(Stem day_stem, Branch hour_branch) { return ((day_stem % 5) * 2 + hour_branch) % 10; }

DateTime AtHour(DateTime day, int hour) { return day.DateOnly() + hour / 24.0; }

// The segment of a moment, given as its JulianValue to the minute (see DepthSegmentAt).
std::optional<int> SegmentAt(JulianValue at, DateTime period_start, DateTime period_end, const DistributionRow& row) {
  long double total = 0;
  for (double days : row.days) total += days;
  if (total == 0) return std::nullopt;
  const JulianValue start = JulianValueOf(period_start);
  const long double length = JulianValueOf(period_end) - start;
  long double share = 0;
  int segment = 0;
  for (int j = 0; j < 3; ++j) {
    share += row.days[j] / total;
    if (at > start + length * share) segment = j + 1;
  }
  return segment;
}

// The commanding hidden stem of a branch for a depth segment: the segment's own stem; for a 中気
// segment without a stem the branch's other 中気; otherwise the 本気, as a branch without a 中気
// shows its 本気 in the 中気 place.
const std::string& CommandingStem(const DistributionRow& row, int segment) {
  if (StemIndexOf(row.stems[segment])) return row.stems[segment];
  const int other_middle = segment == 1 ? 2 : segment == 2 ? 1 : -1;
  if (other_middle >= 0 && StemIndexOf(row.stems[other_middle])) return row.stems[other_middle];
  return row.stems[3];
}

class DepthCalculator {
 public:
  DepthCalculator(DateTime moment, const CalendarRules& rules, const MomentPillars& pillars,
                  const MonthOpening& opening, TermMomentCache* cache)
      : moment_(moment), at_(JulianValueOf(moment)), rules_(rules), pillars_(pillars), opening_(opening), cache_(cache) {}

  // The segment of the period `kind`, computed once per kind.
  std::optional<int> Segment(PeriodKind kind) {
    const int index = static_cast<int>(kind);
    if (!known_[index]) {
      known_[index] = true;
      const auto [start, end] = Period(kind);
      segments_[index] = SegmentAt(at_, start, end, rules_.distribution[pillars_.branches[index]]);
    }
    return segments_[index];
  }

 private:
  std::pair<DateTime, DateTime> Period(PeriodKind kind) {
    if (kind == PeriodKind::kMonth && cache_ != nullptr) return CachedMonthPeriod();
    const DateTime start = DepthPeriodStart(kind, moment_, rules_);
    const double reach = 1.3 * kPeriodLengthDays[static_cast<int>(kind) + 1];
    return {start, DepthPeriodStart(kind, start + reach, rules_)};
  }

  // The month around the moment from the remembered terms, to the minute. The moment's own 節 is
  // the one found from the start of its hour unless the next 節 falls within that hour before the
  // moment; the month ends at the next 節.
  std::pair<DateTime, DateTime> CachedMonthPeriod() {
    constexpr long double kMarginDays = 0.001L / 86400;
    const TermClock& clock = rules_.term_clock;
    const JulianValue at = at_;
    const std::optional<long> crossing = opening_.crossing;
    const std::optional<JulianValue> next = crossing ? cache_->RefinedCrossing(*crossing + 1) : std::nullopt;
    std::optional<DateTime> start;
    std::optional<DateTime> end;
    if (next && at < *next - kMarginDays) {
      start = cache_->CertainMinute(*crossing);
      end = cache_->CertainMinute(*crossing + 1);
    }
    if (!start) {
      start = cache_->MonthTermMinuteBefore(at, clock);
      end.reset();
    }
    if (!end) end = cache_->MonthTermMinuteBefore(JulianValueOf(*start + 1.3 * kPeriodLengthDays[2]), clock);
    return {*start, *end};
  }

  DateTime moment_;
  JulianValue at_;  // the moment to the minute
  const CalendarRules& rules_;
  const MomentPillars& pillars_;
  const MonthOpening& opening_;
  TermMomentCache* cache_;
  std::array<bool, 4> known_{};
  std::array<std::optional<int>, 4> segments_{};
};

}  // namespace

MomentPillars MomentPillars::At(DateTime moment, const CalendarRules& rules, TermMomentCache* cache,
                                Detail detail) {
  MomentPillars result;
  const DateFields clock = moment.Fields();
  const bool days_begin_at_23 = rules.day_boundary == DayBoundary::kElevenPm;

  // The month-opening term is searched from the start of the hour; minutes do not count.
  const JulianValue hour_start = JulianValueOf(clock.year, clock.month, clock.day, clock.hour, 0, 0);
  // Stems and branches need only the term's moment, which the cache mostly knows without
  // evaluating the sun's longitude at the start.
  const bool pillars_only = detail == Detail::kStemsAndBranches && cache != nullptr;
  MonthOpening opening =
      pillars_only ? MonthOpening{{{}, cache->MonthTermMomentBefore(hour_start, rules.term_clock), {}}, 0, std::nullopt}
                   : FindMonthOpening(hour_start, rules.term_clock, cache, detail == Detail::kWithDepth);

  DateFields opened = opening.term.moment.Fields();
  result.month_start_moment = std::move(opening.term.text);
  if (opened.hour == 23 && days_begin_at_23) {
    // A term in the 23 o'clock hour opens the month with the next day.
    opened = (opening.term.moment.DateOnly() + 1).Fields();
    result.month_start_moment =
        std::to_string(opened.year) + "/" + std::to_string(opened.month) + "/" + std::to_string(opened.day);
  }
  const int year = opened.year;
  const int month = opened.month;

  // The year turns at 立春, the 節 of February; the 小寒 month still belongs to the year before.
  if (month > 1) {
    result.stems[kYear] = (year + 16) % 10;
    result.branches[kYear] = (year + 20) % 12;
  } else {
    result.stems[kYear] = (year + 5) % 10;
    result.branches[kYear] = (year + 7) % 12;
  }
  // The 節 of February opens the 寅 month.
  result.stems[kMonth] = (month + 12 * year + 12) % 10;
  result.branches[kMonth] = month % 12;

  // Days run through the cycle without a break; 2000-01-01 is 戊午.
  const long day_number = static_cast<long>(TruncatedWhole(hour_start));
  Stem day_stem = static_cast<Stem>(day_number % 10);
  Branch day_branch = static_cast<Branch>((day_number + 2) % 12);
  const Branch hour_branch = HourBranch(clock.hour);
  Stem hour_day_stem = day_stem;
  if (clock.hour == 23) {
    // The 子 hour from 23:00 belongs to the next day; whether the day pillar turns with it is the
    // day-boundary setting.
    hour_day_stem = (day_stem + 1) % 10;
    if (days_begin_at_23) {
      day_stem = hour_day_stem;
      day_branch = (day_branch + 1) % 12;
    }
  }
  result.stems[kDay] = day_stem;
  result.branches[kDay] = day_branch;
  result.stems[kHour] = HourStem(hour_day_stem, hour_branch);
  result.branches[kHour] = hour_branch;

  if (detail == Detail::kStemsAndBranches) return result;
  if (detail == Detail::kWithDepth) {
    result.sun_longitude = static_cast<double>(opening.start_longitude);
    result.season_index = SeasonIndexOf(month, opening.start_longitude);
    result.season_quarter = SeasonQuarterOf(opening.start_longitude);
  }

  // Depth: which hidden stem commands each pillar, measured in the month (mode 1) or in the
  // pillar's own period (mode 2). Every pillar measured in the month takes the month's class.
  DepthCalculator depth(moment, rules, result, opening, cache);
  for (int slot = kYear; slot <= kHour; ++slot) {
    const DistributionRow& own_row = rules.distribution[result.branches[slot]];
    result.depth_class[slot] = DepthClass::kPrincipal;
    result.depth_stem[slot] = own_row.stems[3];
    const DepthMode mode = rules.depth_modes[slot];
    if (mode == DepthMode::kPrincipalOnly) continue;
    const PeriodKind kind = mode == DepthMode::kWithinMonth ? PeriodKind::kMonth : static_cast<PeriodKind>(slot);
    const std::optional<int> segment = depth.Segment(kind);
    if (!segment) continue;
    result.depth_class[slot] = DepthClassOfSegment(*segment);
    result.depth_stem[slot] = CommandingStem(own_row, *segment);
  }
  return result;
}

std::optional<int> DepthSegmentAt(DateTime moment, DateTime period_start, DateTime period_end, const DistributionRow& row) {
  return SegmentAt(JulianValueOf(moment), period_start, period_end, row);
}

long DayNumberUnderBoundary(DateTime moment, DayBoundary boundary) {
  const long day = moment.DayNumber();
  return boundary == DayBoundary::kElevenPm && moment.Fields().hour == 23 ? day + 1 : day;
}

DateTime DepthPeriodStart(PeriodKind kind, DateTime moment, const CalendarRules& rules, TermMomentCache* cache) {
  switch (kind) {
    case PeriodKind::kYear:
      return FindTermMomentBefore(TermSearchMode::kSpringOpening, moment, rules.term_clock).moment.TruncatedToMinute();
    case PeriodKind::kMonth:
      if (cache != nullptr) {
        return cache->MonthTermMomentBefore(JulianValueOf(moment), rules.term_clock).TruncatedToMinute();
      }
      return FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, moment, rules.term_clock).moment.TruncatedToMinute();
    case PeriodKind::kDay: {
      if (rules.day_boundary == DayBoundary::kMidnight) return moment.DateOnly();
      const int hour = moment.Fields().hour;
      return AtHour(hour == 23 ? moment : moment - 1, 23);
    }
    case PeriodKind::kDoubleHour: {
      const int hour = moment.Fields().hour;
      const Branch branch = HourBranch(hour);
      if (branch == 0) return AtHour(hour == 23 ? moment : moment - 1, 23);
      return AtHour(moment, 2 * branch - 1);
    }
  }
  return moment;
}

}  // namespace kirvo
