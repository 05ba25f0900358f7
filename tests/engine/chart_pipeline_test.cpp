#include "engine/chart_pipeline.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/program_settings.h"
#include "support/person_input.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class ChartPipelineTest : public ::testing::Test {
 protected:
  Chart Full(const BirthInput& input, const char* chart_moment, LuckRange range) {
    Chart chart{{}, NewChartRecord(input, At(chart_moment)), {}, {}, range, HourKnown(input)};
    RunFullPipeline(chart, Rules());
    return chart;
  }
  ChartRules Rules() const { return {settings_.usys, settings_.sys}; }

  ProgramSettings settings_ = ShippedSettings();
  // 甲子 year, 丙寅 month; a man goes 順 and starts his luck at 7 years 11 months.
  BirthInput man_ = testing::Person("試験太郎", "1984/02/10 12:00");
};

std::string PillarText(const ChartBoard& board, BoardColumn column) {
  return board(column, board::kStem).Text + board(column, board::kBranch).Text;
}

TEST_F(ChartPipelineTest, FillsTheRecordFromTheBirthAndChartMoments) {
  const Chart chart = Full(man_, "2024/07/20 12:00", LuckRange::kYearLuck);
  EXPECT_EQ(PillarText(chart.board, board::kYear), "甲子");
  EXPECT_EQ(PillarText(chart.board, board::kMonth), "丙寅");
  EXPECT_EQ(PillarText(chart.board, board::kRunningYear), "甲辰");
  EXPECT_EQ(chart.record.LuckDirection, 0);
  EXPECT_EQ(chart.record.StartAgeText, "7/11");
  EXPECT_EQ(chart.record.AgeText, " 40歳 5月");
  EXPECT_EQ(chart.record.SeasonIndex, 0);
  // Age 40/5 is the fourth decade from 7/11: 丙寅 + 4.
  EXPECT_EQ(PillarText(chart.board, board::kMajorLuck), "庚午");
  // The commanding stem is the month's hidden stem in force.
  const int in_force = board::kHidden1 + chart.board(board::kMonth, board::kDepthRow).Code;
  EXPECT_EQ(chart.record.CommandingStem, chart.board(board::kMonth, in_force).Code);
  EXPECT_EQ(chart.board(board::kMonth, in_force).ZSet, Mark::kInForce);
}

TEST_F(ChartPipelineTest, MajorLuckColumnShowsTheMonthPillarBeforeTheStartOfLuck) {
  struct Case {
    const char* chart_moment;
    const char* major_luck;
  };
  const Case kCases[] = {
      {"1991/12/01 12:00", "丙寅"},  // 7 years 9 months
      {"1992/02/20 12:00", "丁卯"},  // 8 years: the first pillar
      {"2002/02/20 12:00", "戊辰"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(PillarText(Full(man_, c.chart_moment, LuckRange::kMajorLuck).board, board::kMajorLuck), c.major_luck)
        << c.chart_moment;
  }
}

TEST_F(ChartPipelineTest, YearUnitStartOfLuckReadsAsWholeYears) {
  settings_.usys.SetChoice("DuRG", 1);
  EXPECT_EQ(Full(man_, "2024/07/20 12:00", LuckRange::kMajorLuck).record.StartAgeText, "9年");
}

TEST_F(ChartPipelineTest, UnknownHourLeavesColumnSixBlankAfterTheStars) {
  const BirthInput unknown = testing::Person("試験太郎", "1984/02/10 99:99");
  const Chart known = Full(man_, "2024/07/20 15:00", LuckRange::kHourLuck);
  const Chart blank = Full(unknown, "2024/07/20 15:00", LuckRange::kHourLuck);
  // Row 3 (never shown) carries the branch step's own count mark for every column; the relation
  // rows take their colour from the interaction steps.
  for (int row = 1; row < ChartBoard::kRows; ++row) {
    if (row == 3) continue;
    const ChartCell& cell = blank.board(board::kHour, row);
    EXPECT_EQ(cell.Text, "") << "row " << row;
    EXPECT_EQ(cell.ZSet, Mark::kNone) << "row " << row;
    if (row < board::kStemCombine) {
      EXPECT_EQ(cell.TopColor, 0x808080u) << "row " << row;
    }
  }
  // The other columns' stars were computed with the 12:00 hour pillar present.
  for (BoardColumn column = board::kRunningHour; column <= board::kYear; ++column) {
    if (column == board::kHour) continue;
    for (int row = board::kHeavenStar; row <= board::kStageOfStem; ++row) {
      EXPECT_EQ(blank.board(column, row).Text, known.board(column, row).Text) << column.index << "," << row;
    }
  }
  // Pillar 4 takes part in no root, relation or mark.
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = board::kRoots; row <= board::kSpecial; ++row) {
      if (row != board::kRoots && row < board::kStemCombine) continue;
      EXPECT_EQ(blank.board(column, row).Text.find('4'), std::string::npos) << column.index << "," << row;
    }
  }
  for (const RelationList* list : {&blank.stem_relations, &blank.branch_relations}) {
    for (const std::string& entry : *list) EXPECT_EQ(entry.substr(0, 3).find('4'), std::string::npos) << entry;
  }
}

TEST_F(ChartPipelineTest, RangeZeroAnalysesTheNatalColumnsOnlyButFillsTheLuckColumns) {
  const Chart chart = Full(man_, "2024/07/20 12:00", LuckRange::kNatalOnly);
  for (BoardColumn column = board::kRunningHour; column <= board::kMajorLuck; ++column) {
    EXPECT_FALSE(chart.board(column, board::kStem).Text.empty()) << column.index;
    for (int row = board::kRoots; row <= board::kSpecial; ++row) {
      if (row != board::kRoots && row < board::kStemCombine) continue;
      EXPECT_EQ(chart.board(column, row).Text, "") << column.index << "," << row;
    }
  }
  for (BoardColumn column = board::kHour; column <= board::kYear; ++column) {
    const std::string& roots = chart.board(column, board::kRoots).Text;
    EXPECT_EQ(roots.find_first_not_of("1234"), std::string::npos) << roots;
  }
  for (const RelationList* list : {&chart.stem_relations, &chart.branch_relations}) {
    for (const std::string& entry : *list) EXPECT_EQ(entry.substr(0, 3).find_first_of("56789"), std::string::npos);
  }
}

TEST_F(ChartPipelineTest, NoChangeModeShowsTheFirstComputedRowsWithTheMonthCommandKept) {
  settings_.usys.SetFlag("KSCB", true);
  const Chart chart = Full(man_, "2024/07/20 12:00", LuckRange::kHourLuck);
  const ChartBoard& b = chart.board;
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = board::kStem; row <= board::kHeavenStar; ++row) {
      if (row + 12 == board::kPillarNumberRow) continue;
      EXPECT_EQ(b(column, row + 12).Text, b(column, row).Text) << column.index << "," << row + 12;
    }
    EXPECT_EQ(b(column, board::kPillarNumberRow).Text, std::to_string(10 - column.index));
  }
  const int command_row = board::kWorkHidden1 + b(board::kMonth, board::kDepthRow).Code;
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = board::kWorkStem; row <= board::kBranchDiagram; ++row) {
      const Mark expected = column == board::kMonth && row == command_row ? Mark::kMonthCommand : Mark::kNone;
      EXPECT_EQ(b(column, row).ZSet, expected) << column.index << "," << row;
    }
  }
}

TEST_F(ChartPipelineTest, SavesTheAnalysedRowsTwentyTwoRowsBelow) {
  const Chart chart = Full(man_, "2024/07/20 12:00", LuckRange::kHourLuck);
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = board::kRoots; row <= board::kWorkHidden3; ++row) {
      EXPECT_EQ(chart.board(column, row + 22).Text, chart.board(column, row).Text);
      EXPECT_EQ(chart.board(column, row + 22).ZSet, chart.board(column, row).ZSet);
    }
  }
}

TEST_F(ChartPipelineTest, RerunGivesTheSameBoardEvenAfterAnotherChart) {
  const Chart fresh = Full(man_, "2024/07/20 12:00", LuckRange::kHourLuck);
  Chart rerun = Full(testing::Person("別人", "1990/08/20 23:30", Sex::kFemale), "2010/03/01 06:00", LuckRange::kMonthLuck);
  rerun.record = NewChartRecord(man_, At("2024/07/20 12:00"));
  for (int pass = 0; pass < 2; ++pass) {
    rerun.range = LuckRange::kHourLuck;
    rerun.hour_known = true;
    RunFullPipeline(rerun, Rules());
    EXPECT_TRUE(rerun.board == fresh.board) << "pass " << pass;
    EXPECT_EQ(rerun.stem_relations, fresh.stem_relations);
    EXPECT_EQ(rerun.branch_relations, fresh.branch_relations);
  }
}

TEST_F(ChartPipelineTest, LightPipelineStopsAfterTheRoots) {
  const Chart full = Full(man_, "2024/07/20 12:00", LuckRange::kMonthLuck);
  Chart light{{}, NewChartRecord(man_, At("2024/07/20 12:00")), {}, {}, LuckRange::kMonthLuck, true};
  RunLightPipeline(light, Rules());
  for (BoardColumn column{0}; column <= board::kYear; ++column) {
    for (int row = 0; row <= board::kDirectional; ++row) {
      EXPECT_TRUE(light.board(column, row) == full.board(column, row)) << column.index << "," << row;
    }
    EXPECT_EQ(light.board(column, board::kSavedFirst).Text, "");
  }
  EXPECT_EQ(light.stem_relations, full.stem_relations);
  EXPECT_EQ(light.branch_relations, full.branch_relations);

  // In the no-change mode no interaction is computed, and no list survives from an earlier chart.
  settings_.usys.SetFlag("KSCB", true);
  RunLightPipeline(light, Rules());
  EXPECT_TRUE(light.stem_relations.empty());
  EXPECT_TRUE(light.branch_relations.empty());
}

TEST_F(ChartPipelineTest, DepthDecidesTheMarkedHiddenStemAndTheShown中気) {
  // 1990-08-20 12:00 lies in the second 中気 (壬) of the 申 month: the month column shows 壬 in
  // row 5 although the table's 中気 of 申 is 戊.
  const Chart chart = Full(BirthInput{"x", *BirthOfText("1990/08/20 12:00"), Sex::kMale}, "2024/07/20 12:00", LuckRange::kNatalOnly);
  EXPECT_EQ(PillarText(chart.board, board::kMonth), "甲申");
  EXPECT_EQ(chart.board(board::kMonth, board::kDepthRow).Code, 1);
  EXPECT_EQ(chart.board(board::kMonth, board::kHidden2).Text, "壬");
  EXPECT_EQ(chart.board(board::kMonth, board::kHidden2).ZSet, Mark::kInForce);
  EXPECT_EQ(chart.board(board::kMonth, board::kHidden3).ZSet, Mark::kNone);
}

TEST_F(ChartPipelineTest, RunningColumnsShowTheirDepthOnlyWhenAskedTo) {
  // 2024-07-10 lies early in the 未 month (小暑 about 07-06): a 余気 day.
  for (const int like_natal : {0, 1}) {
    settings_.usys.SetChoice("ZRG4", like_natal);
    const Chart chart = Full(man_, "2024/07/10 12:00", LuckRange::kHourLuck);
    for (BoardColumn column = board::kRunningHour; column <= board::kRunningYear; ++column) {
      EXPECT_EQ(chart.board(column, board::kDepthRow).Code, like_natal ? 0 : 2) << "ZRG4 " << like_natal;
    }
  }
}

}  // namespace
}  // namespace kirvo
