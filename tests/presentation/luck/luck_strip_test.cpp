#include "presentation/luck/luck_strip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "luck/start_of_luck.h"
#include "presentation/luck/luck_strip_texts.h"
#include "presentation/luck/luck_strips.h"
#include "presentation/services/application_services.h"
#include "presentation/shared/content_fixture.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class LuckStripTest : public ::testing::Test {
 protected:
  StripPerson PersonOf(const char* birth, const char* chart_moment, Sex sex = Sex::kMale) {
    const Chart chart = testing::ComputeChart(testing::Person("試験", birth, sex), chart_moment, LuckRange::kNatalOnly,
                                              services_.settings());
    return StripPersonOf(chart);
  }
  LuckStrip Build(StripLevel level, const char* date, const StripPerson& person, const char* today, int shown = 10) {
    return BuildLuckStrip(level, At(date), person, services_.rules(), At(today), shown);
  }
  const CalendarRules& Calendar() const { return rules_.read.calendar; }

  RecordingInteraction interaction_;
  ApplicationServices services_ = ApplicationServices::Shipped(interaction_);
  ChartRules rules_ = services_.rules();
  // 甲子 丙寅 甲戌 庚午, 順, start of luck 7 years 11 months.
  StripPerson man_ = PersonOf("1984/02/10 12:00", "2024/07/20 12:00");
};

TEST(LuckStripTexts, ElapsedTextsAreTidiedByTheirPlace) {
  struct Case {
    double days;
    int column;
    const char* raw;
    const char* tidied;
  };
  const Case cases[] = {
      {5 * 365.25 + 100, 3, "05.4", "5.4"},  // five years and a bit over three months
      {34 * 365.25 + 2, 3, "34.1", "34.1"},
      {6 * 365.25 - 10, 3, "05.12", "6.0"},  // a twelfth month reads as the next year
      {-5, 10, "99.12", "0.0"},              // the birth's own period, its term days before birth
      {-40, 10, "99.11", "0.0"},             // ... or a whole month before: last column only
      {-40, 4, "99.11", "99.11"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_EQ(ElapsedText(c.days), c.raw);
    EXPECT_EQ(TidyAgeText(ElapsedText(c.days), {c.column, 11}), c.tidied);
  }
  EXPECT_EQ(TidyAgeText("01歳", {0, 100}), "1歳");
  EXPECT_EQ(TidyAgeText("34歳", {0, 100}), "34歳");
  ASSERT_TRUE(ReadElapsedText("7.11"));
  EXPECT_EQ(ReadElapsedText("7.11")->years, 7);
  EXPECT_EQ(ReadElapsedText("7.11")->months, 11);
  EXPECT_FALSE(ReadElapsedText("34歳"));
  EXPECT_EQ(WeekdayCharacter(At("2024/03/05 17:00")), "火");
  EXPECT_EQ(WeekdayCharacter(At("1899/12/29 00:00")), "金");
}

TEST_F(LuckStripTest, DecadesRunFromTheMonthPillarThroughTheMajorLuck) {
  ASSERT_EQ(man_.start, (StartOfLuck{7, 11}));
  const LuckStrip strip = Build(StripLevel::kMajorLuck, "2024/07/20 12:00", man_, "2024/07/20 12:00");
  ASSERT_EQ(strip.ColumnCount(), 11);
  EXPECT_FALSE(strip.snapped);
  EXPECT_EQ(strip.moments[0], At("1984/02/10 12:00"));
  EXPECT_EQ(strip.moments[1], At("1992/01/10 12:00"));  // birth + 95 calendar months
  EXPECT_EQ(strip.moments[2], At("2002/01/10 12:00"));

  struct Case {
    int column;
    std::array<const char*, kStripRows> rows;
  };
  // The birth's period shows the month pillar; each decade the next pillar, 順.
  const Case cases[] = {
      {10, {"1984", "2/5", "0.0", "食神", "比肩", "建禄", "長生", "丙", "寅", ""}},
      {9, {"1992", "1/6", "7.11", "傷官", "劫財", "帝旺", " 病 ", "丁", "卯", ""}},
      {8, {"2002", "1/5", "17.11", "偏財", "偏財", " 衰 ", "冠帯", "戊", "辰", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    for (int row = 0; row < kStripRows; ++row) EXPECT_EQ(strip.Cell(c.column, row), c.rows[row]) << "row " << row;
  }
}

TEST_F(LuckStripTest, YearsMonthsAndDaysShowThePillarsOfTheirMoments) {
  const LuckStrip years = Build(StripLevel::kYearLuck, "2024/07/20 12:00", man_, "2024/07/20 12:00");
  const LuckStrip months = Build(StripLevel::kMonthLuck, "2024/07/20 12:00", man_, "2024/07/20 12:00");
  const LuckStrip days = Build(StripLevel::kDayLuck, "2024/02/10 12:00", man_, "2024/07/20 12:00");
  ASSERT_EQ(years.ColumnCount(), 100);
  ASSERT_EQ(months.ColumnCount(), 36);
  ASSERT_EQ(days.ColumnCount(), 31);

  struct Case {
    const LuckStrip* strip;
    int column;
    const char* year;
    const char* stem;
    const char* branch;
    const char* heaven_star;
    const char* special;
  };
  const auto column_of = [](const LuckStrip& strip, int index) { return strip.ColumnCount() - 1 - index; };
  // Years from the December after the solstice before birth; day master 甲 on 戌 (void 申酉).
  const Case cases[] = {
      {&years, column_of(years, 40), "2024", "甲", "辰", "比肩", "天"},
      {&years, column_of(years, 56), "2040", "庚", "申", "偏官", "真"},
      {&years, column_of(years, 70), "2054", "甲", "戌", "比肩", "反"},
      {&months, column_of(months, 17), "2024", "辛", "未", "正官", ""},  // 2024/07/15
      {&months, column_of(months, 26), "2025", "庚", "辰", "偏官", "伏"},
      {&days, column_of(days, 0), "2024", "戊", "戌", "偏財", ""},  // 立春 2024
      {&days, column_of(days, 30), "2024", "戊", "辰", "偏財", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stem) + c.branch);
    EXPECT_EQ(c.strip->Cell(c.column, kStripYearRow), c.year);
    EXPECT_EQ(c.strip->Cell(c.column, kStripStemRow), c.stem);
    EXPECT_EQ(c.strip->Cell(c.column, kStripBranchRow), c.branch);
    EXPECT_EQ(c.strip->Cell(c.column, kStripHeavenStarRow), c.heaven_star);
    EXPECT_EQ(c.strip->Cell(c.column, kStripSpecialRow), c.special);
  }
}

TEST_F(LuckStripTest, AStartOfLuckWithinAYearPlacesTheDecadesAfterMonthOpeningTerms) {
  // 甲辰 year, a man: 順, about 1.4 days to 啓蟄, so the luck starts at 0 years 5 months.
  const StripPerson early = PersonOf("2024/03/04 01:00", "2024/07/20 12:00");
  ASSERT_EQ(early.start, (StartOfLuck{0, 5}));
  const LuckStrip strip = Build(StripLevel::kMajorLuck, "2024/07/20 12:00", early, "2024/07/20 12:00");
  ASSERT_EQ(strip.ColumnCount(), 11);
  EXPECT_TRUE(strip.snapped);
  // Each decade about ten years after the one before, on the 5th day after a month-opening term.
  DateTime nominal = At("2024/08/04 01:00");  // birth + 5 months
  for (int i = 1; i < strip.ColumnCount(); ++i) {
    SCOPED_TRACE(i);
    const DateTime decade = strip.moments[static_cast<std::size_t>(i)];
    EXPECT_EQ(MonthTermAtOrBefore(decade - 4, Calendar(), nullptr), decade - 5);
    EXPECT_LT(std::abs(decade - (nominal + 3652.5)), 40);
    nominal = decade;
  }
  // The first snapped decade: the 節 before 2034/08/09 01:00 is 立秋 (08/07).
  EXPECT_EQ(strip.moments[1].DateText(), "2034/08/12");

  const LuckStrip plain = Build(StripLevel::kMajorLuck, "2024/07/20 12:00", man_, "2024/07/20 12:00");
  EXPECT_FALSE(plain.snapped);
}

TEST_F(LuckStripTest, TodaysPeriodIsHighlightedAndBroughtIntoView) {
  struct Case {
    StripLevel level;
    const char* date;
    int highlighted;
    int first_shown;
  };
  const Case cases[] = {
      // The decade from 2022/01/10 (7y11m + 30 years) holds today: M[4].
      {StripLevel::kMajorLuck, "2024/07/20 12:00", 10 - 4, 1},
      // The year whose age row reads AgeYears + 1 = 41: M[40], the strip's 2024/12.
      {StripLevel::kYearLuck, "2024/07/20 12:00", 99 - 40, 54},
      // 2024/07 is the 18th month from 2023/02.
      {StripLevel::kMonthLuck, "2024/07/20 12:00", 35 - 17, 13},
      // 2024/02/10, six days after 立春; the view stops at the earliest columns.
      {StripLevel::kDayLuck, "2024/02/10 12:00", 30 - 6, 19},
  };
  const DateTime today = At("2024/02/10 15:00");
  const StripPerson person = PersonOf("1984/02/10 12:00", "2024/07/20 12:00");
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.level));
    const DateTime day = c.level == StripLevel::kDayLuck ? today : At("2024/07/20 12:00");
    const LuckStrip strip = BuildLuckStrip(c.level, At(c.date), person, rules_, day, 10);
    ASSERT_TRUE(strip.highlighted);
    EXPECT_EQ(*strip.highlighted, c.highlighted);
    EXPECT_EQ(strip.first_shown, c.first_shown);
  }
  const LuckStrip years = Build(StripLevel::kYearLuck, "2024/07/20 12:00", person, "2024/07/20 12:00");
  EXPECT_EQ(years.Cell(*years.highlighted, kStripAgeRow), "41歳");
}

TEST_F(LuckStripTest, NoPeriodIsHighlightedMoreThanAHundredYearsAfterBirth) {
  const StripPerson old = PersonOf("1920/05/01 08:00", "2019/07/20 12:00");
  for (const StripLevel level : {StripLevel::kMajorLuck, StripLevel::kYearLuck}) {
    SCOPED_TRACE(static_cast<int>(level));
    const LuckStrip strip = Build(level, "2019/07/20 12:00", old, "2024/07/20 12:00");
    EXPECT_FALSE(strip.highlighted);
    EXPECT_EQ(strip.first_shown, strip.ColumnCount() - 10);  // the earliest periods
  }
  // Within the hundred years the same decades strip has today's decade.
  EXPECT_TRUE(Build(StripLevel::kMajorLuck, "2019/07/20 12:00", old, "2019/07/20 12:00").highlighted);
}

TEST_F(LuckStripTest, StepsMoveTheDatesOrScrollTheYears) {
  const DateTime date = At("2024/07/20 12:00");
  struct Case {
    int level_item;
    StripSide side;
    StripStep step;
    bool changes;
    const char* upper;
    const char* lower;
  };
  const Case cases[] = {
      {1, StripSide::kUpper, StripStep::kLater, false, "2024/07/20", "2024/07/20"},  // decades do not step
      {3, StripSide::kUpper, StripStep::kLater, true, "2025/07/20", "2025/07/20"},   // the lower date follows
      {3, StripSide::kUpper, StripStep::kEarlier, true, "2023/07/20", "2023/07/20"},
      {4, StripSide::kUpper, StripStep::kEarlier, true, "2024/06/20", "2024/06/20"},
      {2, StripSide::kLower, StripStep::kLater, true, "2024/07/20", "2025/07/20"},    // lower 月運
      {3, StripSide::kLower, StripStep::kEarlier, true, "2024/07/20", "2024/06/20"},  // lower 日運
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level_item);
    LuckStrips strips(c.level_item, date);
    EXPECT_EQ(strips.Step(c.side, c.step), c.changes);
    EXPECT_EQ(strips.upper_date().DateText(), c.upper);
    EXPECT_EQ(strips.lower_date().DateText(), c.lower);
  }

  // Years scroll by the shown columns, within the strip.
  LuckStrips years(2, date);
  years.Fill(man_, rules_, date, 10);
  ASSERT_EQ(years.upper().first_shown, 54);
  EXPECT_FALSE(years.Step(StripSide::kUpper, StripStep::kLater));
  EXPECT_EQ(years.upper().first_shown, 44);
  for (int i = 0; i < 10; ++i) years.Step(StripSide::kUpper, StripStep::kLater);
  EXPECT_EQ(years.upper().first_shown, 0);
  for (int i = 0; i < 12; ++i) years.Step(StripSide::kUpper, StripStep::kEarlier);
  EXPECT_EQ(years.upper().first_shown, 90);
  // A refill after a step keeps the scrolled view; a fresh fill goes back to today's year.
  years.Fill(man_, rules_, date, 10, LuckStrips::View::kKeepScrolled);
  EXPECT_EQ(years.upper().first_shown, 90);
  years.Fill(man_, rules_, date, 10);
  EXPECT_EQ(years.upper().first_shown, 54);
}

TEST_F(LuckStripTest, UnderDaysTheLowerStripShowsTheFollowingMonth) {
  LuckStrips strips(4, At("2024/02/10 12:00"));
  strips.Fill(man_, rules_, At("2024/02/10 12:00"), 10);
  EXPECT_EQ(strips.LowerCaption(), "下段>翌月");
  EXPECT_EQ(strips.lower().level, StripLevel::kDayLuck);
  EXPECT_EQ(strips.lower().moments.front().DateText(), "2024/03/05");  // 啓蟄
  EXPECT_EQ(strips.UpperDateCaption(), "2024年2月");
  const StripControls controls = strips.Controls(false);
  EXPECT_TRUE(controls.upper_steps && controls.upper_date);
  EXPECT_FALSE(controls.lower_steps || controls.lower_date);

  // "----" is shown as 大運, the lower strip then holds years.
  LuckStrips none(0, At("2024/02/10 12:00"));
  EXPECT_EQ(none.level_item(), 1);
  EXPECT_EQ(none.LowerCaption(), "下段>年運");
  EXPECT_EQ(none.PrintCaption(true), "上段>大運　下段>年運");

  LuckStrips months(3, At("2024/07/20 12:00"));
  months.Fill(man_, rules_, At("2024/07/20 12:00"), 10);
  EXPECT_EQ(months.UpperDateCaption(), "2024年");
  EXPECT_EQ(months.LowerDateCaption(), "2024年7月");
}

TEST_F(LuckStripTest, APrintGridAlignsAShortStripToTheRightOfItsLabels) {
  LuckStrips strips(1, At("2024/07/20 12:00"));
  strips.Fill(man_, rules_, At("2024/07/20 12:00"), 20);
  const StripPrintGrid grid = strips.PrintGrid(services_.settings().sys, StartOfLuckUnit::kMonths, true);
  ASSERT_EQ(grid.rows.size(), 2u * kStripRows + 1);
  const std::vector<std::string>& years_row = grid.rows[kStripYearRow];
  ASSERT_EQ(years_row.size(), 21u);
  EXPECT_EQ(years_row[8], "");
  EXPECT_EQ(years_row[9], "2082");  // the 11 decades end beside the labels
  EXPECT_EQ(years_row[19], "1984");
  EXPECT_EQ(years_row[20], "年");
  EXPECT_EQ(grid.rows[kStripAgeRow][20], "歳 .月");
  EXPECT_EQ(grid.rows[kStripRows], std::vector<std::string>(21));  // the row between the strips
  EXPECT_EQ(grid.rows[kStripRows + 1 + kStripAgeRow][20], "歳");   // the lower strip holds years
}

}  // namespace
}  // namespace kirvo
