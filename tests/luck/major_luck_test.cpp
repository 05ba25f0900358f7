#include "luck/major_luck.h"

#include <gtest/gtest.h>

#include <string>

#include "luck/luck_direction.h"
#include "settings/calendar_settings.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

constexpr Kanshi kMonth丙寅 = {2, 2};

struct PillarCase {
  int direction;
  StartOfLuck start;
  int age_years, age_months;
  const char* expected;
};

TEST(MajorLuckPillar, IsTheMonthPillarBeforeTheStartThenOneStepPerDecade) {
  // clang-format off
  constexpr PillarCase kCases[] = {
      {kForward, {7, 11}, 7, 10, "丙寅"},   // one month before the start of luck
      {kForward, {7, 11}, 7, 11, "丁卯"},   // exactly at the start: k = 1
      {kForward, {7, 11}, 17, 10, "丁卯"},
      {kForward, {7, 11}, 17, 11, "戊辰"},
      {kForward, {7, 11}, 0, 0, "丙寅"},
      {kReverse, {1, 9}, 1, 9, "乙丑"},
      {kReverse, {1, 9}, 31, 9, "壬戌"},    // k = 4 goes back across 子
      {kForward, {0, 0}, 0, 0, "丁卯"},     // a start of 0 gives the first pillar at birth
  };
  // clang-format on
  for (const PillarCase& c : kCases) {
    EXPECT_EQ(MajorLuckPillar(c.direction, kMonth丙寅, c.age_years, c.age_months, c.start).Text(), c.expected)
        << "direction " << c.direction << " age " << c.age_years << "/" << c.age_months;
  }
}

class MajorLuckDepthTest : public ::testing::Test {
 protected:
  MajorLuckDepth DepthAt(MajorLuckDepthRule mode, const char* chart, Branch branch = 3 /*卯: 甲 10 days, 乙 20 days*/) {
    const CalendarRules rules = CalendarRulesOf(settings_.usys, settings_.sys);
    return MajorLuckDepthOf(branch, DepthClass::kMiddle, birth_, At(chart), start_, mode, rules);
  }

  const ProgramSettings& settings_ = ShippedSettings();
  DateTime birth_ = At("1984/02/10 12:00");
  StartOfLuck start_{7, 11};  // the first decade starts about 1992-01-08
};

TEST_F(MajorLuckDepthTest, ModesZeroAndOneTakeThe本気OrTheNatalMonthClass) {
  EXPECT_EQ(DepthAt(MajorLuckDepthRule::kPrincipalOnly, "2000/06/01 12:00").depth_class, DepthClass::kPrincipal);
  const MajorLuckDepth natal = DepthAt(MajorLuckDepthRule::kNatalMonth, "2000/06/01 12:00");
  EXPECT_EQ(natal.depth_class, DepthClass::kMiddle);
  EXPECT_EQ(natal.depth_stem, "");
}

TEST_F(MajorLuckDepthTest, ModeTwoMeasuresWithinTheTenYearPeriod) {
  struct Case {
    const char* chart;
    DepthClass expected;
    const char* stem;
  };
  // 卯 gives the first third of a decade to 甲 (余気) and the rest to 乙 (本気); 申 has two 中気.
  const Case kCases[] = {
      {"1990/01/01 12:00", DepthClass::kPrincipal, ""},   // before the start of luck: no period
      {"1993/01/01 12:00", DepthClass::kResidual, "甲"},  // first year of the first decade
      {"1999/01/01 12:00", DepthClass::kPrincipal, "乙"},
      {"2003/01/01 12:00", DepthClass::kResidual, "甲"},  // first year of the second decade
  };
  for (const Case& c : kCases) {
    const MajorLuckDepth depth = DepthAt(MajorLuckDepthRule::kWithinDecade, c.chart);
    EXPECT_EQ(depth.depth_class, c.expected) << c.chart;
    EXPECT_EQ(depth.depth_stem, c.stem) << c.chart;
  }
  // 申: 己 7, 戊 3, 壬 3, 庚 17 of 30 — the span from 7/30 to 13/30 of the decade is 中気, first 戊 then 壬.
  const MajorLuckDepth second_middle = DepthAt(MajorLuckDepthRule::kWithinDecade, "1995/10/01 12:00", 8);
  EXPECT_EQ(second_middle.depth_class, DepthClass::kMiddle);
  EXPECT_EQ(second_middle.depth_stem, "壬");
}

TEST(LuckPeriod, DecadesAfterTheFirstStartFiveDaysAfterA節) {
  const ProgramSettings& settings = ShippedSettings();
  const CalendarRules rules = CalendarRulesOf(settings.usys, settings.sys);
  const DateTime birth = At("1984/02/10 12:00");
  const StartOfLuck start{7, 11};
  const DateTime anchor = birth + 7 * 365.25 + 11 * 30.59;

  const LuckPeriod first = LuckPeriodAt(At("1995/01/01 00:00"), birth, start, rules);
  EXPECT_EQ(first.start, anchor);
  const LuckPeriod third = LuckPeriodAt(At("2015/01/01 00:00"), birth, start, rules);
  EXPECT_LE(third.start, At("2015/01/01 00:00"));
  EXPECT_GT(third.end, At("2015/01/01 00:00"));
  // Each boundary lies within a month before its nominal point and 5 days after a 節.
  const DateTime nominal = anchor + 2 * 3652.5;
  EXPECT_LE(third.start, nominal + 5);
  EXPECT_GT(third.start, nominal - 32);
  const MomentPillars before = MomentPillars::At(third.start - 5 - 1.0 / 1440, rules);
  const MomentPillars after = MomentPillars::At(third.start - 5 + 1.0 / 24, rules);
  EXPECT_NE(before.branches[MomentPillars::kMonth], after.branches[MomentPillars::kMonth]);
}

}  // namespace
}  // namespace kirvo
