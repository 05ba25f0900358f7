#include "presentation/luck/season_elements.h"

#include <gtest/gtest.h>

#include "presentation/chart/chart_board_look.h"
#include "presentation/shared/content_fixture.h"
#include "settings/program_settings.h"
#include "settings/sys_colours.h"

namespace kirvo {
namespace {

TEST(SeasonElements, TheHiddenStemRowsShowTheSeasonElementsOfTheWorkingBranch) {
  ProgramSettings settings;
  // 甲子 丙寅 甲戌 庚午: 子 水; 寅 木 火; 戌 金 火 土; 午 火.
  const Chart chart = testing::ComputeChart(testing::Person("試験", "1984/02/10 12:00"), "2024/07/20 12:00",
                                            LuckRange::kNatalOnly, settings);
  const Chart shown = WithSeasonElements(chart, settings.sys);
  struct Case {
    BoardColumn column;
    std::array<const char*, 3> texts;
  };
  const Case cases[] = {
      {board::kYear, {"水", "", ""}},
      {board::kMonth, {"木", "火", ""}},
      {board::kDay, {"金", "火", "土"}},
      {board::kHour, {"火", "", ""}},
  };
  for (const Case& c : cases) {
    for (int place = 0; place < 3; ++place) {
      const ChartCell& cell = shown.board(c.column, board::kWorkHidden1 + place);
      EXPECT_EQ(cell.Text, c.texts[place]) << c.column.index << " " << place;
      if (cell.Text == "火") {
        EXPECT_EQ(cell.TopColor, ElementColour(settings.sys.CP, 1));
      }
    }
  }
  // The mark in force of a hidden stem moves to the element in its place; ◎ does not.
  for (BoardColumn column = board::kHour; column <= board::kYear; ++column) {
    for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
      const ChartCell& hidden = chart.board(column, row);
      const Mark expected = hidden.ZSet < Mark::kMonthCommand && !hidden.Text.empty() ? hidden.ZSet : Mark::kNone;
      EXPECT_EQ(shown.board(column, row).ZSet, expected);
    }
  }
  // The rows of season elements show no labels; the other rows keep theirs.
  for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
    EXPECT_EQ(BoardCellText(shown, {board::kHeaders, row}), "") << row;
    EXPECT_NE(BoardCellText(chart, {board::kHeaders, row}), "") << row;
  }
  EXPECT_EQ(BoardCellText(shown, {board::kHeaders, board::kWorkStem}), BoardCellText(chart, {board::kHeaders, board::kWorkStem}));
  EXPECT_EQ(shown.board(board::kMajorLuck, board::kWorkHidden3), chart.board(board::kMajorLuck, board::kWorkHidden3));

  // Without an hour pillar the hour column's cells stay empty.
  const Chart unknown = testing::ComputeChart(testing::Person("試験", "1984/02/10 99:99"), "2024/07/20 12:00",
                                              LuckRange::kNatalOnly, settings);
  EXPECT_EQ(WithSeasonElements(unknown, settings.sys).board(board::kHour, board::kWorkHidden1).Text, "");
}

}  // namespace
}  // namespace kirvo
