#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calendar/sexagenary.h"
#include "engine/element_analysis.h"
#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

// A board with only what the day-pillar cells of the content table read: the natal day and month
// pillars (rows 1 and 2) and the working day stem (row 13).
ChartBoard DayAndMonthBoard(const Kanshi& day, const Kanshi& month) {
  ChartBoard board;
  board(board::kDay, board::kStem).Text = kStemNames[day.stem];
  board(board::kDay, board::kBranch).Text = kBranchNames[day.branch];
  board(board::kDay, board::kWorkStem).Text = kStemNames[day.stem];
  board(board::kMonth, board::kStem).Text = kStemNames[month.stem];
  board(board::kMonth, board::kBranch).Text = kBranchNames[month.branch];
  return board;
}

TextTable FilledContentTable(const ChartBoard& board) {
  TextTable snb = NewContentTable().text;
  FillContentTable(snb, ElementAnalysis{}, board);
  return snb;
}

struct DayPillarCase {
  Kanshi day;
  Kanshi month;
  // 空亡, 宅神, 破宅神, 墓石, 墓神, 天地徳合, 日干支併臨, 月干支併臨
  std::vector<std::string> expected;
};

TEST(ContentTable, DayPillarGivesVoidBranchesSpecialPillarsAndPartners) {
  // clang-format off
  const DayPillarCase kCases[] = {
      {{0, 0},  {2, 2},  {"戌亥", "○ 己巳", "● 癸亥", "□ 乙丑", "■ 己未", "◇ 己丑", "◆ 甲子", "▲ 丙寅"}},
      {{9, 11}, {5, 7},  {"子丑", "○ 戊午", "● 甲子", "□ 壬戌", "■ 戊辰", "◇ 戊寅", "◆ 癸亥", "▲ 己未"}},
      {{0, 10}, {2, 2},  {"申酉", "○ 己卯", "● 癸酉", "□ 乙亥", "■ 己巳", "◇ 己卯", "◆ 甲戌", "▲ 丙寅"}},
      {{2, 6},  {0, 0},  {"寅卯", "○ 辛亥", "● 乙巳", "□ 丁未", "■ 辛丑", "◇ 辛未", "◆ 丙午", "▲ 甲子"}},
  };
  // clang-format on
  for (const DayPillarCase& c : kCases) {
    const TextTable snb = FilledContentTable(DayAndMonthBoard(c.day, c.month));
    const std::vector<std::string> shown = {snb.Cell(3, 4), snb.Cell(5, 5), snb.Cell(3, 5), snb.Cell(5, 6),
                                            snb.Cell(3, 6), snb.Cell(5, 7), snb.Cell(3, 7), snb.Cell(3, 8)};
    EXPECT_EQ(shown, c.expected) << c.day.Text();
    EXPECT_EQ(snb.Cell(5, 0), kStemNames[c.day.stem]) << "日主 is the working day stem";
  }
}

// The void pair by d = branch − stem of the day pillar, as the content table's rule states it.
TEST(ContentTable, VoidBranchesOfEverySixtyPillarFollowTheDifferenceRule) {
  const std::map<int, std::string> kByDifference = {{0, "戌亥"},  {2, "子丑"},  {4, "寅卯"}, {-8, "寅卯"},
                                                    {6, "辰巳"},  {-6, "辰巳"}, {8, "午未"}, {-4, "午未"},
                                                    {10, "申酉"}, {-2, "申酉"}};
  for (int index = 0; index < 60; ++index) {
    const Kanshi day = KanshiOfCycleIndex(index);
    const TextTable snb = FilledContentTable(DayAndMonthBoard(day, {0, 0}));
    EXPECT_EQ(snb.Cell(3, 4), kByDifference.at(day.branch - day.stem)) << day.Text();
  }
}

TEST(ContentTable, NoDayPillarLeavesTheDayPillarCellsEmpty) {
  ChartBoard board;  // no texts at all: a stem index 10 must not reach the tables
  const TextTable snb = FilledContentTable(board);
  for (const auto& [column, row] : std::vector<std::pair<int, int>>{{3, 4}, {5, 5}, {3, 5}, {5, 6}, {3, 6}, {5, 7}}) {
    EXPECT_EQ(snb.Cell(column, row), "") << column << "," << row;
  }
}

TEST(ContentTable, LabelsAreConstantAndTheInnerOuterEntryCanBeHidden) {
  TextTable snb = NewContentTable().text;
  EXPECT_EQ(snb.Row(0), (std::vector<std::string>{"順数値", "", "弱めたい", "", "日主", ""}));
  EXPECT_EQ(snb.Row(8), (std::vector<std::string>{"", "", "月干支併臨", "", "", ""}));
  snb.SetCell(5, 4, "内格");
  ApplyContentBranding(snb, ContentBranding{});
  EXPECT_EQ(snb.Cell(4, 4), "内外格");
  ApplyContentBranding(snb, ContentBranding{.hide_numbers = false, .hide_inner_outer = true});
  EXPECT_EQ(snb.Cell(4, 4), "");
  EXPECT_EQ(snb.Cell(5, 4), "");
}

TEST(ContentTable, BrandingAndTheNumbersSettingDecideWhatIsHidden) {
  struct Case {
    bool branded_numbers, branded_inner_outer, MCBL;
    bool hide_numbers, hide_inner_outer;
  };
  const Case kCases[] = {
      {false, false, false, false, false},
      {true, false, false, true, false},
      {false, true, false, false, true},
      {false, false, true, true, false},
  };
  for (const Case& c : kCases) {
    Branding branding;
    branding.hide_content_numbers = c.branded_numbers;
    branding.hide_content_inner_outer = c.branded_inner_outer;
    SysSettings sys;
    sys.MCBL = c.MCBL;
    const ContentBranding hides = ContentBrandingOf(branding, sys);
    EXPECT_EQ(hides.hide_numbers, c.hide_numbers);
    EXPECT_EQ(hides.hide_inner_outer, c.hide_inner_outer);
  }
  const ContentBranding none = ContentBrandingOf(std::nullopt, SysSettings{});
  EXPECT_FALSE(none.hide_numbers || none.hide_inner_outer);
}

// Rows 1..5 carry the relations 主 洩 分 剋 生 whatever the day master, so the elements turn with
// the day master's element.
TEST(ElementTable, RowsFollowTheRelationsToTheDayMaster) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const std::vector<std::pair<const char*, std::vector<std::string>>> kCases = {
      {"甲子", {"木", "火", "土", "金", "水"}}, {"丁卯", {"火", "土", "金", "水", "木"}},
      {"戊辰", {"土", "金", "水", "木", "火"}}, {"辛未", {"金", "水", "木", "火", "土"}},
      {"壬申", {"水", "木", "火", "土", "金"}},
  };
  for (const auto& [day, elements] : kCases) {
    const ChartBoard board = BoardFromPillars({.year = "甲子", .month = "丙寅", .day = day, .hour = "庚午"});
    const ElementAnalysis analysis = AnalyseElements(board, TMeiData{}, LuckRange::kNatalOnly, true, rules);
    TextTable sg2 = NewElementTable().text;
    FillElementTable(sg2, analysis.numbers.table);
    for (std::size_t n = 0; n < 5; ++n) {
      EXPECT_EQ(sg2.Cell(0, n + 1), std::to_string(n)) << day;
      EXPECT_EQ(sg2.Cell(1, n + 1), settings.sys.names.relations[n]) << day;
      EXPECT_EQ(sg2.Cell(2, n + 1), elements[n]) << day;
    }
  }
}

TEST(ElementTable, AnEmptyChartShowsZeroSharesAndHidesTheSortColumn) {
  ElementNumberTable table;
  for (int n = 0; n < 5; ++n) table.rows[n] = {.relation = n, .relation_name = "主", .element = n};
  ContentGrid sg2 = NewElementTable();
  FillElementTable(sg2.text, table);
  for (std::size_t row = 1; row <= 5; ++row) {
    EXPECT_EQ(sg2.Cell(3, row), "0.00");
    EXPECT_EQ(sg2.Cell(4, row), "0.0");
    EXPECT_EQ(sg2.Cell(5, row), "0");
    EXPECT_EQ(sg2.Cell(11, row), "0.00");
  }
  EXPECT_EQ(sg2.text.Row(0),
            (std::vector<std::string>{"", "気", "五", "力量", "構成", "計", "干", "支", "蔵", "令", "通", "係数"}));
  EXPECT_EQ(sg2.column_widths, (std::vector<int>{0, 22, 22, 40, 35, 22, 22, 22, 22, 22, 22, 35}));
}

TEST(StemNumberTable, TotalsAsIntegersAndWeightedTotalsWithOneDecimal) {
  StemNumbers stems;
  stems.totals = {28, 8, 40, 38, 4, 2, 12, 2, 2, 8};
  stems.weighted = {22.75, 6.5, 12.5, 11.875, 2.5, 1.25, 3.375, 0.5625, 0.8125, 3.25};
  TextTable kan = NewStemNumberTable().text;
  FillStemNumberTable(kan, stems);
  EXPECT_EQ(kan.Row(0), (std::vector<std::string>{"", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}));
  EXPECT_EQ(kan.Row(1), (std::vector<std::string>{"計", "28", "8", "40", "38", "4", "2", "12", "2", "2", "8"}));
  EXPECT_EQ(kan.Row(2), (std::vector<std::string>{"力量", "22.8", "6.5", "12.5", "11.9", "2.5", "1.3", "3.4", "0.6",
                                                  "0.8", "3.3"}));
}

}  // namespace
}  // namespace kirvo
