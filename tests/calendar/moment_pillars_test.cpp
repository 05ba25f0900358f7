#include "calendar/moment_pillars.h"

#include <gtest/gtest.h>

#include <random>

#include "calendar/julian_value.h"
#include "calendar/term_moment_cache.h"
#include "calendar/term_search.h"
#include "settings/calendar_settings.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

DateTime At(int year, int month, int day, int hour, int minute = 0) {
  return *DateTime::FromFields({year, month, day, hour, minute, 0, 0});
}

CalendarRules ShippedRules() {
  const ProgramSettings& shipped = ShippedSettings();
  return CalendarRulesOf(shipped.usys, shipped.sys);
}

std::string PillarTexts(const MomentPillars& p) {
  return p.Pillar(0).Text() + p.Pillar(1).Text() + p.Pillar(2).Text() + p.Pillar(3).Text();
}

TEST(MomentPillars, YearAndMonthTurnAtTheMonthTerms) {
  const CalendarRules rules = ShippedRules();
  const struct {
    DateTime moment;
    const char* pillars;  // year month day hour
  } cases[] = {
      {At(1984, 2, 10, 12), "甲子丙寅甲戌庚午"},   // after 立春 1984
      {At(1985, 1, 20, 12), "甲子丁丑己未庚午"},   // after 小寒, before 立春: still 甲子
      {At(2024, 2, 4, 17, 50), "癸卯乙丑戊戌辛酉"},  // 立春 at 17:19 but the search starts at 17:00
      {At(2024, 2, 4, 18, 0), "甲辰丙寅戊戌辛酉"},
      {At(2000, 1, 1, 0, 0), "己卯丙子戊午壬子"},
  };
  for (const auto& c : cases) EXPECT_EQ(PillarTexts(MomentPillars::At(c.moment, rules)), c.pillars) << c.moment.DateTimeText();
}

// 1949-10-01 was a 甲子 day; every day since runs through the sixty-day cycle without a break.
TEST(MomentPillars, DayPillarFollowsTheUnbrokenSixtyDayCycle) {
  const CalendarRules rules = ShippedRules();
  const DateTime kasshi_day = At(1949, 10, 1, 12);
  for (int offset = -40000; offset <= 40000; offset += 997) {
    const MomentPillars p = MomentPillars::At(kasshi_day + offset, rules);
    const int expected = ((offset % 60) + 60) % 60;
    ASSERT_EQ(CycleIndex(p.stems[2], p.branches[2]), expected) << offset;
  }
}

TEST(MomentPillars, TheElevenOClockHourUnderBothDayBoundaries) {
  CalendarRules rules = ShippedRules();
  rules.day_boundary = DayBoundary::kMidnight;
  EXPECT_EQ(PillarTexts(MomentPillars::At(At(2000, 1, 1, 23, 30), rules)).substr(12), "戊午甲子");
  rules.day_boundary = DayBoundary::kElevenPm;
  EXPECT_EQ(PillarTexts(MomentPillars::At(At(2000, 1, 1, 23, 30), rules)).substr(12), "己未甲子");
  EXPECT_EQ(DayNumberUnderBoundary(At(2000, 1, 1, 23, 30), DayBoundary::kElevenPm), 36527);
  EXPECT_EQ(DayNumberUnderBoundary(At(2000, 1, 1, 23, 30), DayBoundary::kMidnight), 36526);
  EXPECT_EQ(DayNumberUnderBoundary(At(2000, 1, 1, 22, 59), DayBoundary::kElevenPm), 36526);
}

TEST(MomentPillars, ATermInTheElevenOClockHourOpensTheNextDay) {
  // 小寒 1990 falls at 1990/1/5 23:30:50.
  CalendarRules rules = ShippedRules();
  EXPECT_EQ(MomentPillars::At(At(1990, 1, 6, 12), rules).month_start_moment, "1990/1/5 23:30:50");
  rules.day_boundary = DayBoundary::kElevenPm;
  const MomentPillars p = MomentPillars::At(At(1990, 1, 6, 12), rules);
  EXPECT_EQ(p.month_start_moment, "1990/1/6");
  EXPECT_EQ(p.Pillar(1).Text(), "丁丑");
  EXPECT_EQ(p.Pillar(0).Text(), "己巳");
}

TEST(MomentPillars, SeasonAndQuarterFollowTheSunsLongitude) {
  const CalendarRules rules = ShippedRules();
  // Spring's 土用 runs from 27° to 立夏 at 45°.
  const MomentPillars mid_april = MomentPillars::At(At(2024, 4, 15, 12), rules);
  EXPECT_LT(mid_april.sun_longitude, 27);
  EXPECT_EQ(mid_april.season_index, 0);  // 春月
  const MomentPillars late_april = MomentPillars::At(At(2024, 4, 18, 12), rules);
  EXPECT_GE(late_april.sun_longitude, 27);
  EXPECT_EQ(late_april.season_index, 4);  // 土用
  EXPECT_EQ(MomentPillars::At(At(2024, 5, 4, 12), rules).season_index, 4);
  EXPECT_EQ(MomentPillars::At(At(2024, 5, 6, 12), rules).season_index, 1);  // 夏月 after 立夏
  EXPECT_EQ(mid_april.season_quarter, 0);
  EXPECT_EQ(MomentPillars::At(At(2024, 6, 21, 12), rules).season_quarter, 1);
  EXPECT_EQ(MomentPillars::At(At(2024, 9, 23, 12), rules).season_quarter, 2);
  EXPECT_EQ(MomentPillars::At(At(2024, 12, 22, 12), rules).season_quarter, 3);
  EXPECT_EQ(MomentPillars::At(At(2024, 12, 22, 12), rules).season_index, 3);
}

TEST(DepthPeriodStart, DayAndDoubleHourStartsUnderTheDayBoundary) {
  CalendarRules rules = ShippedRules();
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDoubleHour, At(2024, 3, 1, 23, 40), rules), At(2024, 3, 1, 23));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDoubleHour, At(2024, 3, 1, 0, 20), rules), At(2024, 2, 29, 23));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDoubleHour, At(2024, 3, 1, 14, 20), rules), At(2024, 3, 1, 13));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDay, At(2024, 3, 1, 23, 40), rules), At(2024, 3, 1, 0));
  rules.day_boundary = DayBoundary::kElevenPm;
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDay, At(2024, 3, 1, 23, 40), rules), At(2024, 3, 1, 23));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kDay, At(2024, 3, 1, 10, 0), rules), At(2024, 2, 29, 23));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kMonth, At(2024, 2, 10, 0), rules), At(2024, 2, 4, 17, 18));
  EXPECT_EQ(DepthPeriodStart(PeriodKind::kYear, At(2024, 1, 10, 0), rules), At(2023, 2, 4, 11, 31));
}

TEST(MomentPillars, DepthWithinTheMonthGivesEveryPillarTheMonthsClass) {
  const CalendarRules rules = ShippedRules();
  // 寅 month of 1984 (戊7 丙7 甲16 days), 5 days in: 余気; its stem for each pillar's own branch.
  const MomentPillars early = MomentPillars::At(At(1984, 2, 10, 12), rules);
  EXPECT_EQ(early.depth_class, (std::array<DepthClass, 5>{DepthClass::kResidual, DepthClass::kResidual,
                                                          DepthClass::kResidual, DepthClass::kResidual, {}}));
  EXPECT_EQ(early.depth_stem[1], "戊");  // 寅
  EXPECT_EQ(early.depth_stem[0], "壬");  // 子
  // 10 days in: 中気; a 子 branch has no 中気 and shows its 本気.
  const MomentPillars middle = MomentPillars::At(At(1984, 2, 15, 12), rules);
  EXPECT_EQ(middle.depth_class[1], DepthClass::kMiddle);
  EXPECT_EQ(middle.depth_stem[1], "丙");
  EXPECT_EQ(middle.depth_class[0], DepthClass::kMiddle);
  EXPECT_EQ(middle.depth_stem[0], "癸");
}

TEST(MomentPillars, DepthExactlyOnASegmentBoundaryStaysInTheEarlierSegment) {
  CalendarRules rules = ShippedRules();
  rules.depth_modes[2] = DepthMode::kWithinOwnPeriod;  // the day pillar within its own day
  // 2000-01-07 is a 甲子 day; 子 gives 壬 the first 10 of 30 parts, so the boundary is 08:00.
  const MomentPillars on = MomentPillars::At(At(2000, 1, 7, 8, 0), rules);
  ASSERT_EQ(on.Pillar(2).Text(), "甲子");
  EXPECT_EQ(on.depth_class[2], DepthClass::kResidual);
  EXPECT_EQ(on.depth_stem[2], "壬");
  const MomentPillars after = MomentPillars::At(At(2000, 1, 7, 8, 1), rules);
  EXPECT_EQ(after.depth_class[2], DepthClass::kPrincipal);
  EXPECT_EQ(after.depth_stem[2], "癸");
}

TEST(MomentPillars, HourDepthMeasuresWithinTheDoubleHourAcrossMidnight) {
  CalendarRules rules = ShippedRules();
  rules.depth_modes[3] = DepthMode::kWithinOwnPeriod;
  // 子 hour: 壬 for the first 40 minutes from 23:00, then 癸.
  EXPECT_EQ(MomentPillars::At(At(2024, 3, 1, 23, 30), rules).depth_stem[3], "壬");
  EXPECT_EQ(MomentPillars::At(At(2024, 3, 1, 23, 50), rules).depth_stem[3], "癸");
  EXPECT_EQ(MomentPillars::At(At(2024, 3, 2, 0, 20), rules).depth_stem[3], "癸");
}

TEST(MomentPillars, ARowWhoseDaysAddUpToZeroKeepsThePrincipalStem) {
  CalendarRules rules = ShippedRules();
  rules.distribution[2].days = {0, 0, 0, 0};  // 寅
  const MomentPillars p = MomentPillars::At(At(1984, 2, 10, 12), rules);
  ASSERT_EQ(p.branches[1], 2);
  for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(p.depth_class[slot], DepthClass::kPrincipal) << slot;
  EXPECT_EQ(p.depth_stem[1], "甲");
}

TEST(MomentPillars, PrincipalOnlyModeIgnoresTheDistribution) {
  CalendarRules rules = ShippedRules();
  rules.depth_modes = {DepthMode::kPrincipalOnly, DepthMode::kPrincipalOnly, DepthMode::kPrincipalOnly,
                       DepthMode::kPrincipalOnly};
  const MomentPillars p = MomentPillars::At(At(1984, 2, 10, 12), rules);
  EXPECT_EQ(p.depth_stem[0] + p.depth_stem[1] + p.depth_stem[2] + p.depth_stem[3], "癸甲戊丁");
}

void ExpectSame(const MomentPillars& a, const MomentPillars& b, DateTime moment) {
  ASSERT_EQ(a.stems, b.stems) << moment.DateTimeText();
  ASSERT_EQ(a.branches, b.branches) << moment.DateTimeText();
  ASSERT_EQ(a.month_start_moment, b.month_start_moment) << moment.DateTimeText();
  ASSERT_EQ(a.sun_longitude, b.sun_longitude) << moment.DateTimeText();
  ASSERT_EQ(a.season_index, b.season_index);
  ASSERT_EQ(a.depth_class, b.depth_class) << moment.DateTimeText();
  ASSERT_EQ(a.depth_stem, b.depth_stem) << moment.DateTimeText();
}

// Remembering terms across moments must never change a result: many moments in each of hundreds of
// random months (so that most are answered from what earlier moments found), and moments in the
// hour of a month term, under both day boundaries and with every pillar measured in its own period.
TEST(TermMomentCache, GivesTheSameResultsAsSearchingEveryTime) {
  CalendarRules month_rules = ShippedRules();
  CalendarRules own_period_rules = month_rules;
  own_period_rules.day_boundary = DayBoundary::kElevenPm;
  own_period_rules.depth_modes = {DepthMode::kWithinOwnPeriod, DepthMode::kWithinMonth, DepthMode::kWithinOwnPeriod,
                                  DepthMode::kWithinOwnPeriod};
  std::mt19937_64 random(7);
  const double first = At(1900, 1, 1, 0).days();
  std::uniform_int_distribution<long> month_start(0, 200L * 366);
  std::uniform_int_distribution<long> minute_in_month(0, 32L * 1440);
  std::vector<DateTime> moments;
  for (int month = 0; month < 300; ++month) {
    const double start = first + static_cast<double>(month_start(random));
    for (int i = 0; i < 12; ++i) moments.emplace_back(start + minute_in_month(random) / 1440.0);
  }
  for (int month = 1; month <= 12; ++month) {
    const DateTime term = DepthPeriodStart(PeriodKind::kMonth, At(2024, month, 12, 0), month_rules);
    for (int m = -90; m <= 90; m += 7) moments.push_back(term + m / 1440.0);
    // Seconds around the term itself, where a remembered crossing answers only with a margin.
    const DateTime exact =
        FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, At(2024, month, 12, 0), month_rules.term_clock).moment;
    for (int s = -3; s <= 3; ++s) moments.push_back(exact + s / 86400.0);
  }
  for (const CalendarRules* rules : {&month_rules, &own_period_rules}) {
    TermMomentCache cache;
    for (const DateTime moment : moments) {
      ExpectSame(MomentPillars::At(moment, *rules, &cache), MomentPillars::At(moment, *rules), moment);
      // The term before a moment, as the start of luck asks for it, from the remembered crossings.
      EXPECT_EQ(cache.MonthTermMomentBefore(JulianValueOf(moment), rules->term_clock).days(),
                FindTermMomentBefore(TermSearchMode::kLatestMonthTerm, moment, rules->term_clock).moment.days())
          << moment.DateTimeText();
    }
  }
}

}  // namespace
}  // namespace kirvo
