#include "presentation/panel/ten_god_graph.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/analysis_steps.h"
#include "engine/board_fill.h"
#include "settings/program_settings.h"
#include "support/board_builder.h"

namespace kirvo {
namespace {

using Groups = std::array<int, kTenGodGroups>;

// The pillars 甲子 丙寅 甲戌 庚午 (day master 甲) with the major luck 丁卯, every branch at its
// 本気, the stars computed. Hidden stems: 子 壬 癸 癸, 寅 戊 丙 甲, 戌 辛 丁 戊, 午 丙 己 丁, 卯 甲 乙 乙.
ChartBoard StarredBoard(const ProgramSettings& settings, bool hour_known) {
  BoardPillars pillars = Natal("甲子", "丙寅", "甲戌", "庚午");
  pillars.major_luck = "丁卯";
  ChartBoard board = BoardFromPillars(pillars, settings, false);
  StarsStep(board, ChartRules{settings.usys, settings.sys});
  if (!hour_known) BlankHourColumn(board);
  return board;
}

// The shipped weights, with the year's 余気 and 中気 weighing 3.
ProgramSettings WeightsOfThree() {
  ProgramSettings settings = ShippedSettings();
  settings.usys.SetCell("HSG", board::kYear.index, 3, "3");
  settings.usys.SetCell("HSG", board::kYear.index, 4, "3");
  return settings;
}

// Worked by hand from the weights (HSG column: 天星, 地星, 余, 中, 本) 時 10 6 2 2 6, 日 0 0 2 2 8,
// 月 10 10 4 4 10, 年 8 6 3 3 6, with the day's 本気 戊 removed (×), the year's 余気 壬 doubled (□)
// and its 中気 癸 halved (△):
//   時 庚 偏官 10, 地星 丁 傷官 6, 丙 食神 2, 己 正財 2, 丁 傷官 6;
//   日 辛 正官 2, 丁 傷官 2, 戊 偏財 × 0;
//   月 丙 食神 10, 地星 甲 比肩 10, 戊 偏財 4, 丙 食神 4, 甲 比肩 10;
//   年 甲 比肩 8, 地星 癸 印綬 6, 壬 偏印 3 □ 6, 癸 印綬 3 △ 1, 癸 印綬 6.
TEST(TenGodGraph, WeighsEveryStarByItsColumnAndItsMark) {
  const ProgramSettings settings = WeightsOfThree();
  ChartBoard board = StarredBoard(settings, true);
  board(board::kDay, board::kWorkHidden3).ZSet = Mark::kRemoved;
  board(board::kYear, board::kWorkHidden1).ZSet = Mark::kRemovedByDayMaster;
  board(board::kYear, board::kWorkHidden2).ZSet = Mark::kHalved;

  const TenGodGraph graph = TenGodGraphOf(board, LuckRange::kNatalOnly, ChartRules{settings.usys, settings.sys});
  EXPECT_EQ(graph.tally, (TenGodTally{28, 0, 16, 14, 4, 2, 10, 2, 6, 13}));
  EXPECT_EQ(graph.values, (Groups{28, 30, 6, 12, 19}));
  EXPECT_EQ(graph.parts, (Groups{28, 16, 4, 10, 6}));
  EXPECT_EQ(TenGodGraphHint(graph.values, settings.sys.names.ten_god_groups), "比劫:29.5% [28]\n食傷:31.6% [30]\n財星:06.3% [ 6]\n官星:12.6% [12]\n印星:20.0% [19]");

  // The 地星 hints name the stars of the hidden stems, removed ones too; columns not taking part
  // have none.
  const TenGodNames& names = settings.sys.names.ten_gods;
  EXPECT_EQ(EarthStarHint(graph.earth_stars[board::kHour.index], names), "余:食神\n中:正財\n本:傷官");
  EXPECT_EQ(EarthStarHint(graph.earth_stars[board::kDay.index], names), "余:正官\n中:傷官\n本:偏財");
  EXPECT_EQ(EarthStarHint(graph.earth_stars[board::kMonth.index], names), "余:偏財\n中:食神\n本:比肩");
  EXPECT_EQ(EarthStarHint(graph.earth_stars[board::kYear.index], names), "余:偏印\n中:印綬\n本:印綬");
  EXPECT_EQ(EarthStarHint(graph.earth_stars[board::kMajorLuck.index], names), "");
}

TEST(TenGodGraph, RemovedHiddenStemsAddNothing) {
  const ProgramSettings& settings = ShippedSettings();
  ChartBoard board = StarredBoard(settings, true);
  for (BoardColumn column = board::kHour; column <= board::kYear; ++column) {
    for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) board(column, row).ZSet = Mark::kRemoved;
  }
  const TenGodGraph graph = TenGodGraphOf(board, LuckRange::kNatalOnly, ChartRules{settings.usys, settings.sys});
  // Only 天星 and 地星: 時 偏官 10 傷官 6, 月 食神 10 比肩 10, 年 比肩 8 印綬 6.
  EXPECT_EQ(graph.tally, (TenGodTally{18, 0, 10, 6, 0, 0, 10, 0, 0, 6}));
}

// The columns 6 − range to 9 take part; an unknown hour leaves column 6 without stars.
TEST(TenGodGraph, TheRangeAndAnUnknownHourDecideTheColumns) {
  const ProgramSettings& settings = ShippedSettings();
  const ChartRules rules{settings.usys, settings.sys};
  const ChartBoard board = StarredBoard(settings, false);

  // 日 辛 2 丁 2 戊 8; 月 丙 10 甲 10, 戊 4 丙 4 甲 10; 年 甲 8 癸 6, 壬 2 癸 2 癸 6.
  EXPECT_EQ(TenGodGraphOf(board, LuckRange::kNatalOnly, rules).values, (Groups{28, 16, 12, 2, 16}));
  EXPECT_EQ(EarthStarHint(TenGodGraphOf(board, LuckRange::kNatalOnly, rules).earth_stars[board::kHour.index],
                          settings.sys.names.ten_gods),
            "");
  // 大運 丁卯 (weights 8 6 2 2 6): 丁 傷官 8, 地星 乙 劫財 6, 甲 比肩 2, 乙 劫財 2 + 6.
  EXPECT_EQ(TenGodGraphOf(board, LuckRange::kMajorLuck, rules).values, (Groups{28 + 16, 16 + 8, 12, 2, 16}));
}

TEST(TenGodGraph, HintLinesShowShareAndValue) {
  const std::array<std::string, kTenGodGroups> names = {"比劫", "食傷", "財星", "官星", "印星"};
  struct Case {
    Groups values;
    const char* hint;
  };
  const Case cases[] = {
      {{5, 5, 5, 5, 0}, "比劫:25.0% [ 5]\n食傷:25.0% [ 5]\n財星:25.0% [ 5]\n官星:25.0% [ 5]\n印星:00.0% [ 0]"},
      {{0, 123, 0, 0, 0}, "比劫:00.0% [ 0]\n食傷:100.0% [123]\n財星:00.0% [ 0]\n官星:00.0% [ 0]\n印星:00.0% [ 0]"},
      // No total to share: every group reads as a group of 0.
      {{0, 0, 0, 0, 0}, "比劫:00.0% [ 0]\n食傷:00.0% [ 0]\n財星:00.0% [ 0]\n官星:00.0% [ 0]\n印星:00.0% [ 0]"},
      {{1, 2, 0, 0, 0}, "比劫:33.3% [ 1]\n食傷:66.7% [ 2]\n財星:00.0% [ 0]\n官星:00.0% [ 0]\n印星:00.0% [ 0]"},
  };
  for (const Case& c : cases) EXPECT_EQ(TenGodGraphHint(c.values, names), c.hint);
}

}  // namespace
}  // namespace kirvo
