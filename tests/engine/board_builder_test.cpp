#include "support/board_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/chart_pipeline.h"
#include "support/person_input.h"

namespace kirvo {
namespace {

PillarText PillarOf(const ChartBoard& board, BoardColumn column) {
  const std::string text = board(column, board::kStem).Text + board(column, board::kBranch).Text;
  return {text.c_str(), board(column, board::kDepthRow).Code, board(column, board::kHidden2).Text};
}

// The builder lays chosen pillars out exactly as the fill step lays out computed ones (before the
// stars): the same texts, codes, marks and colours in rows 0..2, 4..6 and the working rows.
TEST(BoardFromPillars, MatchesTheFillStepForTheSamePillars) {
  const ProgramSettings& settings = ShippedSettings();
  // 1990-08-20 12:00 lies in 申's second 中気, so the month shows 壬 in row 5.
  TMeiData record = NewChartRecord(testing::Person("x", "1990/08/20 12:00"), *DateTime::ParseDateTimeText("2024/07/10 12:00"));
  ChartBoard filled;
  RunFillStep(filled, record, true, {settings.usys, settings.sys});

  BoardPillars pillars;
  PillarText* const by_column[] = {nullptr,
                                   &pillars.running_hour,
                                   &pillars.running_day,
                                   &pillars.running_month,
                                   &pillars.running_year,
                                   &pillars.major_luck,
                                   &pillars.hour,
                                   &pillars.day,
                                   &pillars.month,
                                   &pillars.year};
  for (BoardColumn column{1}; column <= board::kYear; ++column) *by_column[column.index] = PillarOf(filled, column);
  const ChartBoard built = BoardFromPillars(pillars, settings);

  for (BoardColumn column{1}; column <= board::kYear; ++column) {
    for (int row : {0, 1, 2, 4, 5, 6, 13, 14, 16, 17, 18}) {
      const ChartCell& want = filled(column, row);
      const ChartCell& got = built(column, row);
      EXPECT_EQ(got.Text, want.Text) << column.index << "," << row;
      EXPECT_EQ(got.Code, want.Code) << column.index << "," << row;
      EXPECT_EQ(got.ZSet, want.ZSet) << column.index << "," << row;
      EXPECT_EQ(got.TopColor, want.TopColor) << column.index << "," << row;
    }
  }
  EXPECT_EQ(built(board::kMonth, board::kHidden2).Text, "壬");
}

}  // namespace
}  // namespace kirvo
