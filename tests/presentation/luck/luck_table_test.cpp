#include "presentation/luck/luck_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/chart_age.h"
#include "presentation/luck/luck_table_headings.h"
#include "presentation/shared/content_fixture.h"
#include "presentation/shared/grid_csv.h"
#include "settings/program_settings.h"
#include "support/person_input.h"

namespace kirvo {
namespace {

using testing::Person;

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class LuckTableTest : public ::testing::Test {
 protected:
  ChartRules Rules() const { return {settings_.usys, settings_.sys}; }

  LuckTable Built(const BirthInput& person, LuckLevel level, const char* chart_moment) {
    LuckTable table = NewLuckTable(person, level, At(chart_moment));
    BuildLuckTable(table, At(chart_moment), Rules());
    return table;
  }
  static const std::string& Cell(const LuckTable& table, int column, int row) {
    return table.KSG.Cell(static_cast<std::size_t>(column), static_cast<std::size_t>(row));
  }

  ProgramSettings settings_ = ShippedSettings();
  const BirthInput man_ = Person("試験太郎", "1984/02/10 12:00");
};

// Where each level places its columns around 2024/01/15 12:00 with three periods before it and the
// anchor "12/25 22:00": the moments of columns 1 and 4 and the highlighted column.
TEST_F(LuckTableTest, EachLevelPlacesItsColumnsOnItsAnchor) {
  struct Case {
    LuckLevel level;
    const char* first;
    const char* fourth;
    int highlighted;
  };
  const Case cases[] = {
      // Decades from birth: the start of luck is 7 years 11 months, column 1 its month before; the
      // chart moment lies in the decade from 37 years 11 months, column 5.
      {LuckLevel::kMajor, "1991/12/10 12:00", "2021/12/10 12:00", 5},
      // January belongs to the solar year begun at the previous 立春.
      {LuckLevel::kYear, "2020/12/25 22:00", "2023/12/25 22:00", 4},
      {LuckLevel::kMonth, "2023/10/25 22:00", "2024/01/25 22:00", 4},
      {LuckLevel::kDay, "2024/01/12 22:00", "2024/01/15 22:00", 4},
      {LuckLevel::kHour, "2024/01/15 06:00", "2024/01/15 12:00", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(LuckLevelNumber(c.level));
    const LuckTable table = Built(man_, c.level, "2024/01/15 12:00");
    EXPECT_EQ(Cell(table, 1, luck_row::kMoment), c.first);
    EXPECT_EQ(Cell(table, 4, luck_row::kMoment), c.fourth);
    EXPECT_EQ(table.highlighted, c.highlighted);
    EXPECT_EQ(table.start, At(c.first));
  }
}

TEST_F(LuckTableTest, YearColumnsCountFromTheSolarYearOf立春) {
  const std::pair<const char*, const char*> cases[] = {
      {"2024/02/03 12:00", "2020/12/25 22:00"},  // before 4 February: the year before
      {"2024/02/04 12:00", "2021/12/25 22:00"},
      {"2024/05/03 12:00", "2021/12/25 22:00"},
      {"2024/12/31 12:00", "2021/12/25 22:00"},
  };
  for (const auto& [moment, first] : cases) {
    EXPECT_EQ(Cell(Built(man_, LuckLevel::kYear, moment), 1, luck_row::kMoment), first) << moment;
  }
}

// An anchor day a month lacks takes the month's last day, and every later month column its own
// anchor day again (not the shortened day of the month before).
TEST_F(LuckTableTest, AnAnchorDayAMonthLacksTakesItsLastDay) {
  settings_.sys.AlDtE = "01/31 12:00";
  settings_.sys.PreE = "1";
  const LuckTable table = Built(man_, LuckLevel::kMonth, "2024/03/10 12:00");
  const char* expected[] = {"2024/02/29 12:00", "2024/03/31 12:00", "2024/04/30 12:00", "2024/05/31 12:00"};
  for (int column = 1; column <= 4; ++column) {
    EXPECT_EQ(Cell(table, column, luck_row::kMoment), expected[column - 1]) << column;
  }
  EXPECT_EQ(table.highlighted, 2);
}

// Columns before the birth are stepped forward to the first period at or after it, at every level.
TEST_F(LuckTableTest, ABirthAfterTheStartMovesTheFirstColumnToTheFirstPeriodAfterIt) {
  struct Case {
    LuckLevel level;
    const char* birth;
    const char* chart_moment;
    const char* first;
  };
  const Case cases[] = {
      {LuckLevel::kYear, "2023/06/01 12:00", "2024/01/15 12:00", "2023/12/25 22:00"},
      {LuckLevel::kMonth, "2023/12/26 12:00", "2024/01/15 12:00", "2024/01/25 22:00"},
      {LuckLevel::kDay, "2024/01/13 12:00", "2024/01/14 12:00", "2024/01/13 22:00"},
      {LuckLevel::kHour, "2024/01/15 07:30", "2024/01/15 08:00", "2024/01/15 08:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.birth);
    const LuckTable table = Built(Person("未来", c.birth), c.level, c.chart_moment);
    EXPECT_EQ(Cell(table, 1, luck_row::kMoment), c.first);
    EXPECT_FALSE(Cell(table, 1, luck_row::kAge).empty());
    EXPECT_EQ(table.start, At(c.first));
  }
}

// A woman born hours before 立春 2024 (year 癸卯, so her luck runs forward) starts her luck at 0
// years 0 months: the month before it lies before her birth, so the first decade column is the
// last month of her first decade.
TEST_F(LuckTableTest, AStartOfLuckAtBirthSkipsTheMonthBeforeIt) {
  const LuckTable table = Built(Person("立春前", "2024/02/04 12:00", Sex::kFemale), LuckLevel::kMajor, "2024/03/01 12:00");
  ASSERT_EQ(table.chart.record.StartAgeYears, 0);
  ASSERT_EQ(table.chart.record.StartAgeMonths, 0);
  EXPECT_EQ(Cell(table, 1, luck_row::kMoment), "2034/01/04 12:00");
  EXPECT_EQ(Cell(table, 2, luck_row::kMoment), "2044/01/04 12:00");
}

TEST_F(LuckTableTest, DecadeColumnsAreHeadedByAgeFromTheStartOfLuck) {
  // Born ten and a quarter days before 啓蟄 with his luck running forward: 3 years 4 months.
  const BirthInput person = Person("三歳", "1984/02/24 12:00");
  LuckTable table = Built(person, LuckLevel::kMajor, "2000/01/01 12:00");
  ASSERT_EQ(table.chart.record.StartAgeYears, 3);
  ASSERT_EQ(table.chart.record.StartAgeMonths, 4);
  EXPECT_EQ(Cell(table, 0, luck_row::kAge), "立：" + table.chart.record.StartAgeText);
  const char* expected[][3] = {{"84年2月", "-", "0歳0月"}, {"87年6月", "-", "3歳4月"}, {"97年6月", "-", "13歳4月"}};
  for (int column = 1; column <= 3; ++column) {
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ(Cell(table, column, row), expected[column - 1][row]) << column << "," << row;
    }
  }
  // In whole years the months are cut off.
  settings_.usys.SetChoice("DuRG", 1);
  table = Built(person, LuckLevel::kMajor, "2000/01/01 12:00");
  EXPECT_EQ(Cell(table, 1, luck_row::kAge), "0歳");
  EXPECT_EQ(Cell(table, 3, luck_row::kAge).back(), std::string("歳").back());
}

// Rows 3 and 4 are the favour degree the side panel shows for the column's moment at the range of
// the level above and at the listed level; rows 6..18 what it shows of the listed range.
TEST_F(LuckTableTest, EveryColumnHoldsWhatTheChartOfItsMomentShows) {
  testing::RecordingExplanations explanations;
  for (const LuckLevelRow& level : kLuckLevels) {
    SCOPED_TRACE(level.caption);
    const LuckTable table = Built(man_, level.level, "2024/01/15 12:00");
    int checked = 0;
    for (int column = 1; column <= 13; ++column) {
      if (!LuckColumnHasData(table, column)) continue;
      ++checked;
      const std::string moment = Cell(table, column, luck_row::kMoment);
      const Chart base = testing::ComputeChart(man_, moment.c_str(), level.base, settings_);
      const Chart listed = testing::ComputeChart(man_, moment.c_str(), level.listed, settings_);
      const ChartContent base_content = testing::RefreshedContent(base, settings_, explanations);
      const ChartContent listed_content = testing::RefreshedContent(listed, settings_, explanations);
      EXPECT_EQ(Cell(table, column, luck_row::kBaseFavour), base_content.SNB.Cell(1, 4)) << column;
      EXPECT_EQ(Cell(table, column, luck_row::kListedFavour), listed_content.SNB.Cell(1, 4)) << column;
      EXPECT_EQ(Cell(table, column, luck_row::kBalance), listed_content.SNB.Cell(1, 3));
      EXPECT_EQ(Cell(table, column, luck_row::kInnerOuter), listed_content.SNB.Cell(5, 4));
      EXPECT_EQ(Cell(table, column, luck_row::kUsefulGod), listed_content.SNB.Cell(5, 1));
      EXPECT_EQ(Cell(table, column, luck_row::kFavourable), listed_content.SNB.Cell(3, 3));
      const auto pillar = [&](int row) { return listed.board(level.listed_column, row).Text; };
      EXPECT_EQ(Cell(table, column, luck_row::kHeavenStar), pillar(board::kHeavenStar));
      EXPECT_EQ(Cell(table, column, luck_row::kStem), pillar(board::kStem));
      EXPECT_EQ(Cell(table, column, luck_row::kBranch), pillar(board::kBranch));
      EXPECT_EQ(Cell(table, column, luck_row::kSpecial), pillar(board::kSpecial));
      EXPECT_EQ(Cell(table, column, luck_row::kTotal),
                LuckTotalText(base_content.SNB.Cell(1, 4), listed_content.SNB.Cell(1, 4), 60));
    }
    EXPECT_GE(checked, 10);
  }
}

TEST_F(LuckTableTest, TheTotalWeighsTheUpperRowByTBar1) {
  EXPECT_EQ(LuckTotalText("50.00", "80.00", 60), "62.00");
  EXPECT_EQ(LuckTotalText("50.00", "80.00", 100), "50.00");
  EXPECT_EQ(LuckTotalText("50.00", "80.00", 0), "80.00");
  EXPECT_EQ(LuckTotalText("", "80.00", 60), "");
}

TEST_F(LuckTableTest, ShiftedTablesEqualTablesFilledAtTheNewStart) {
  for (int number = 1; number < kLuckLevelCount; ++number) {
    const LuckLevel level = *LuckLevelOf(number);
    SCOPED_TRACE(number);
    LuckTable shifted = Built(man_, level, "2024/01/31 12:00");
    const int highlighted = shifted.highlighted;
    ASSERT_TRUE(ShiftLuckTable(shifted, StepDirection::kForward, Rules()));
    ASSERT_TRUE(ShiftLuckTable(shifted, StepDirection::kForward, Rules()));
    ASSERT_TRUE(ShiftLuckTable(shifted, StepDirection::kBack, Rules()));
    EXPECT_EQ(shifted.highlighted, highlighted - 1);

    LuckTable fresh = NewLuckTable(man_, level, At("2024/01/31 12:00"));
    fresh.settings = shifted.settings;
    FillLuckTable(fresh, shifted.start, Rules());
    EXPECT_EQ(shifted.KSG, fresh.KSG);

    ASSERT_TRUE(PageLuckTable(shifted, StepDirection::kForward, Rules()));
    EXPECT_EQ(Cell(shifted, 1, luck_row::kMoment), Cell(fresh, 13, luck_row::kMoment));
    EXPECT_EQ(shifted.highlighted, highlighted - 13);
    ASSERT_TRUE(PageLuckTable(shifted, StepDirection::kBack, Rules()));
    EXPECT_EQ(shifted.KSG, fresh.KSG);
  }
}

// The decade columns beyond 110 years compute no chart, so they do not count as an old age: a
// level chosen after the decades stays at the chart moment.
TEST_F(LuckTableTest, ALevelChosenAfterTheDecadesStaysAtTheChartMoment) {
  LuckTable table = Built(man_, LuckLevel::kMajor, "2024/01/15 12:00");
  ASSERT_FALSE(LuckColumnHasData(table, 13));
  table.level = LuckLevel::kYear;
  BuildLuckTable(table, At("2024/01/15 12:00"), Rules());
  EXPECT_EQ(Cell(table, 1, luck_row::kMoment), "2020/12/25 22:00");
}

TEST_F(LuckTableTest, MajorLuckTablesDoNotMove) {
  LuckTable table = Built(man_, LuckLevel::kMajor, "2024/01/15 12:00");
  const TextTable before = table.KSG;
  EXPECT_FALSE(ShiftLuckTable(table, StepDirection::kForward, Rules()));
  EXPECT_FALSE(PageLuckTable(table, StepDirection::kBack, Rules()));
  EXPECT_EQ(table.KSG, before);
}

// Paging back from the first years of life stops at birth: the first column is the first period
// after it, and a page back from there finds no earlier data.
TEST_F(LuckTableTest, PagingBackStopsAtBirth) {
  LuckTable table = Built(man_, LuckLevel::kYear, "1986/01/15 12:00");
  EXPECT_EQ(Cell(table, 1, luck_row::kMoment), "1984/12/25 22:00");
  ASSERT_TRUE(PageLuckTable(table, StepDirection::kBack, Rules()));
  EXPECT_EQ(Cell(table, 1, luck_row::kMoment), "1984/12/25 22:00");
}

TEST_F(LuckTableTest, APeriodBeyond110YearsHasNoData) {
  const std::pair<LuckLevel, const char*> cases[] = {{LuckLevel::kDay, "2095/06/01 12:00"},
                                                     {LuckLevel::kYear, "2099/06/01 12:00"}};
  for (const auto& [level, moment] : cases) {
    LuckTable table = Built(man_, level, "2024/01/15 12:00");
    BuildLuckTable(table, At(moment), Rules());
    for (int column = 1; column <= 13; ++column) {
      EXPECT_TRUE(LuckColumnHidden(table, column)) << column;
      EXPECT_FALSE(LuckColumnHasData(table, column));
      EXPECT_FALSE(LuckColumnChart(table, column));
      EXPECT_FALSE(Cell(table, column, luck_row::kYearMonth).empty());
    }
  }
  // Periods up to 110 years still have their data; a table placed after one whose last chart was
  // older than 109 years starts again from birth.
  LuckTable oldest = Built(man_, LuckLevel::kYear, "2024/01/15 12:00");
  BuildLuckTable(oldest, At("2096/06/01 12:00"), Rules());
  EXPECT_EQ(Cell(oldest, 1, luck_row::kMoment), "2093/12/25 22:00");
  EXPECT_TRUE(LuckColumnHasData(oldest, 2));
  EXPECT_FALSE(LuckColumnHasData(oldest, 3));
  EXPECT_TRUE(LuckColumnHasData(oldest, 1));
  EXPECT_FALSE(LuckColumnHasData(oldest, 13));
  BuildLuckTable(oldest, At("2096/06/01 12:00"), Rules());
  EXPECT_EQ(Cell(oldest, 1, luck_row::kMoment), "1984/12/25 22:00");
}

TEST_F(LuckTableTest, ColumnHeadingsByLevel) {
  EXPECT_EQ(LuckYearMonthText(At("2026/04/05 13:00")), "26年4月");
  EXPECT_EQ(LuckYearMonthText(At("2005/11/05 13:00")), "05年11月");
  EXPECT_EQ(LuckDayHourText(At("2026/04/05 13:00")), "5日13時");
  EXPECT_EQ(LuckDayText(At("2026/04/05 13:00")), "5日");
  const std::pair<const char*, const char*> weekdays[] = {
      {"2026/04/05 13:00", "(日)"}, {"2026/04/06 00:00", "(月)"}, {"1899/12/30 12:00", "(土)"},
      {"1899/12/29 23:00", "(金)"}, {"2024/02/29 00:00", "(木)"}};
  for (const auto& [moment, weekday] : weekdays) EXPECT_EQ(LuckWeekdayText(At(moment)), weekday) << moment;

  // Years and months are headed by the term that opened them: 立春 2024 and 小寒 2024.
  const LuckTable years = Built(man_, LuckLevel::kYear, "2024/06/15 12:00");
  EXPECT_EQ(Cell(years, 4, luck_row::kYearMonth), "24年2月");
  EXPECT_EQ(Cell(years, 4, luck_row::kDayHour).substr(0, std::string("4日").size()), "4日");
  const LuckTable months = Built(man_, LuckLevel::kMonth, "2024/04/15 12:00");
  EXPECT_EQ(Cell(months, 1, luck_row::kYearMonth), "24年1月");
  EXPECT_EQ(Cell(months, 1, luck_row::kDayHour).substr(0, std::string("6日").size()), "6日");
  EXPECT_EQ(Cell(months, 1, luck_row::kAge), AgeAt(man_.birth.moment, At("2024/01/25 22:00")).text);
  EXPECT_EQ(Cell(months, 0, luck_row::kBaseFavour), "年：吉数");
  EXPECT_EQ(Cell(months, 0, luck_row::kListedFavour), "月：吉数");
}

TEST_F(LuckTableTest, AColumnsChartIsThatOfItsMomentAtTheListedRange) {
  const LuckTable years = Built(man_, LuckLevel::kYear, "2024/01/15 12:00");
  const std::optional<LuckColumnChartData> year = LuckColumnChart(years, 4);
  ASSERT_TRUE(year);
  EXPECT_EQ(year->chart_moment, At("2023/12/25 22:00"));
  EXPECT_EQ(year->range, LuckRange::kYearLuck);
  EXPECT_EQ(year->header, "< 年運まで >　作式：2023/12/25 22:00");
  EXPECT_FALSE(year->age_text);
  EXPECT_FALSE(LuckColumnChart(years, 0));
  EXPECT_FALSE(LuckColumnChart(years, 14));

  // A decade column stands at the decade's last month; its chart tells the age 119 months before,
  // at the decade's start (by the chart's own reckoning of age, which counts 17 years 9 months
  // here).
  const LuckTable decades = Built(man_, LuckLevel::kMajor, "2024/01/15 12:00");
  const std::optional<LuckColumnChartData> decade = LuckColumnChart(decades, 2);
  ASSERT_TRUE(decade);
  EXPECT_EQ(decade->header, "< 大運まで >　作式：2001/12/10 12:00");
  EXPECT_EQ(decade->age_text, "7歳10ｶ月");
}

std::string Golden(const char* name) {
  std::ifstream file(std::string(KIRVO_TESTS_DIR) + "/presentation/luck/golden/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(LuckTableTest, TheCsvExportWritesEveryRowAndColumn) {
  settings_.sys.CCnt = "5";
  settings_.sys.PreE = "2";
  const LuckTable table = Built(man_, LuckLevel::kDay, "2024/01/15 12:00");
  EXPECT_EQ(GridCsvText(LuckTableRows(table)), Golden("days_2024-01-15.csv"));
}

}  // namespace
}  // namespace kirvo
