#include "luck/major_luck.h"

#include <array>

#include "calendar/julian_value.h"
#include "luck/luck_direction.h"

namespace kirvo {
namespace {

constexpr int kMonthsPerPillar = 120;
constexpr double kYearDays = 365.25;
constexpr double kMonthDays = 30.59;
constexpr double kDecadeDays = 3652.5;
constexpr double kDaysAfterMonthTerm = 5;
// Decades stepped at most: enough for the oldest age the age check lets through.
constexpr int kMaxDecades = 12;

// A decade boundary sits 5 days after the 節 at or before its nominal moment.
DateTime PlacedAfterMonthTerm(DateTime nominal, const CalendarRules& rules, TermMomentCache* cache) {
  return MonthTermAtOrBefore(nominal, rules, cache) + kDaysAfterMonthTerm;
}

}  // namespace

Kanshi MajorLuckPillar(int direction, Kanshi month_pillar, int age_years, int age_months, StartOfLuck start) {
  const int age = 12 * age_years + age_months;
  const int start_months = start.TotalMonths();
  if (age < start_months) return month_pillar;
  const int k = (age - start_months) / kMonthsPerPillar + 1;
  return month_pillar.Advanced(direction == kReverse ? -k : k);
}

LuckPeriod LuckPeriodAt(DateTime moment, DateTime birth, StartOfLuck start, const CalendarRules& rules,
                        TermMomentCache* cache) {
  const DateTime anchor = birth + start.years * kYearDays + start.months * kMonthDays;
  LuckPeriod period{anchor, anchor};
  for (int k = 1; k <= kMaxDecades; ++k) {
    period.end = PlacedAfterMonthTerm(anchor + k * kDecadeDays, rules, cache);
    if (moment < period.end || moment <= period.start) break;
    period.start = period.end;
  }
  return period;
}

MajorLuckDepth MajorLuckDepthOf(Branch major_luck_branch, DepthClass natal_month_depth, DateTime birth,
                                DateTime chart_moment, StartOfLuck start, MajorLuckDepthRule rule,
                                const CalendarRules& rules, TermMomentCache* cache) {
  switch (rule) {
    case MajorLuckDepthRule::kNatalMonth:
      return {natal_month_depth, {}};
    case MajorLuckDepthRule::kWithinDecade: {
      const LuckPeriod period = LuckPeriodAt(chart_moment, birth, start, rules, cache);
      if (chart_moment <= period.start) return {};
      const DistributionRow& row = rules.distribution[major_luck_branch];
      const std::optional<int> segment = DepthSegmentAt(chart_moment, period.start, period.end, row);
      if (!segment) return {};
      const std::string& stem = row.stems[*segment];
      return {DepthClassOfSegment(*segment), StemIndexOf(stem) ? stem : std::string()};
    }
    case MajorLuckDepthRule::kPrincipalOnly:
      break;
  }
  return {};
}

}  // namespace kirvo
