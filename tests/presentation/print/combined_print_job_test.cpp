#include "presentation/print/combined_print_job.h"

#include <gtest/gtest.h>

#include "platform/shift_jis.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/luck/combined_layout.h"
#include "presentation/luck/luck_strip_look.h"
#include "presentation/print/chart_print_job.h"
#include "presentation/print/page_plan.h"
#include "support/person_input.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

// A man born 1984-02-10 12:00 (day pillar 甲戌, branch of the month 寅), the strips at 2024-07-20.
class CombinedPrintJobTest : public ::testing::Test {
 protected:
  CombinedPrintJobTest()
      : services_(ApplicationServices::Shipped(interaction_)),
        session_(CombinedSession::Create(services_, testing::Person("試験太郎", "1984/02/10 12:00"),
                                         At("2024/07/20 15:47"), At("2024/07/20 09:30"))
                     .value()) {
    EXPECT_TRUE(session_.Recompute());
    session_.FillStrips(At("2024/07/20 15:47"));
    sys_ = services_.settings().sys;
    view_.caption = "試験太郎 命行";
  }

  PrintJob Job() const { return CombinedPrintJob(session_, sys_, view_); }

  RecordingInteraction interaction_;
  ApplicationServices services_;
  CombinedSession session_;
  SysSettings sys_;
  CombinedPrintView view_;
};

TEST_F(CombinedPrintJobTest, TheBoardPrintsTheNatalColumnsAsTheWindowDrawsThem) {
  const PrintJob job = Job();
  EXPECT_EQ(job.source, PrintSource::kCombined);
  EXPECT_EQ(job.target.name, "MKSG");
  EXPECT_EQ(job.title, "試験太郎 命行");
  ASSERT_TRUE(job.chart.has_value());
  const Chart& chart = session_.chart().chart();
  EXPECT_EQ(job.chart->chart, chart);
  EXPECT_EQ(job.chart->geometry.first_column, board::kHour);

  const PrintTable& table = job.target;
  ASSERT_EQ(table.grid.columns(), static_cast<std::size_t>(ChartBoard::kColumns));
  ASSERT_EQ(table.row_heights.size(), static_cast<std::size_t>(ChartBoard::kRows));
  ASSERT_EQ(table.grid.column_widths.size(), static_cast<std::size_t>(ChartBoard::kColumns));
  // Only the natal pillars and the labels have width: the running-luck columns print as nothing.
  for (int column = 0; column < ChartBoard::kColumns; ++column) {
    const bool shown = column >= board::kHour.index;
    EXPECT_EQ(table.grid.column_widths[static_cast<std::size_t>(column)] > 0, shown) << column;
    if (!shown) {
      EXPECT_EQ(table.grid.Cell(static_cast<std::size_t>(column), board::kWorkStem), "") << column;
    }
  }
  EXPECT_EQ(table.grid.Cell(board::kDay.index, board::kWorkStem), "甲");
  EXPECT_EQ(table.grid.Cell(board::kMonth.index, board::kWorkBranch), "寅");
  EXPECT_EQ(table.grid.Cell(board::kHeaders.index, board::kWorkHidden1),
            BoardCellText(chart, {board::kHeaders, board::kWorkHidden1}));
  // A row the layout hides has no height and no text.
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    if (table.row_heights[static_cast<std::size_t>(row)] == 0) {
      EXPECT_EQ(table.grid.Cell(board::kDay.index, static_cast<std::size_t>(row)), "") << row;
    }
  }
  // The diagram rows leave their pillar cells to the relation diagrams.
  EXPECT_EQ(table.grid.Cell(board::kDay.index, board::kStemDiagram), "");
}

TEST_F(CombinedPrintJobTest, TheSideTablesStripsAndCaptionsFollowTheWindow) {
  view_.lower_shown = true;
  const PrintJob with_lower = Job();
  ASSERT_EQ(with_lower.side.tables.size(), 2u);
  EXPECT_EQ(with_lower.side.tables[0].name, "SNB");
  EXPECT_EQ(with_lower.side.tables[0].grid, CombinedContentTable(session_.chart().content().SNB, sys_));
  EXPECT_EQ(with_lower.side.tables[1].grid, CombinedElementTable(session_.chart().content().SG2));
  EXPECT_EQ(with_lower.side.tables[1].row_heights.size(), with_lower.side.tables[1].grid.rows());

  ASSERT_EQ(with_lower.sub_tables.size(), 1u);
  const PrintTable& strips = with_lower.sub_tables[0];
  const StripPrintGrid grid = session_.strips().PrintGrid(sys_, view_.unit, true);
  ASSERT_EQ(strips.grid.rows(), grid.rows.size());
  ASSERT_EQ(strips.grid.rows(), 2u * kStripRows + 1);
  for (std::size_t row = 0; row < grid.rows.size(); ++row) {
    EXPECT_EQ(strips.grid.text.Row(row), grid.rows[row]) << row;
  }
  EXPECT_EQ(strips.grid.column_widths.back(), kStripLabelWidth);
  EXPECT_EQ(strips.row_heights[0], kStripHeadingRowHeight);
  EXPECT_EQ(strips.row_heights[kStripStemRow], kStripRowHeight);
  EXPECT_TRUE(strips.grid.Style(strips.grid.columns() - 1, 5).label);
  EXPECT_EQ(with_lower.second_title, "上段>大運　下段>年運");
  // The decades shown: from the birth's period to the tenth.
  EXPECT_EQ(with_lower.source_name, "1984年 － 2072年");

  view_.lower_shown = false;
  const PrintJob upper_only = Job();
  EXPECT_EQ(upper_only.sub_tables[0].grid.rows(), static_cast<std::size_t>(kStripRows));
  EXPECT_EQ(upper_only.second_title, "大運");
}

// On paper the strips start below both the board and the side tables: a short board (元干支蔵干
// off) must not let the five-element table run into the strips.
TEST_F(CombinedPrintJobTest, OnTheFirstPageTheStripsStandBelowTheSideTables) {
  const std::vector<PagePlan> pages = PlanPages(Job(), PrintDevice{794, 1123, 96, 96}, PageSettings{});
  ASSERT_FALSE(pages.empty());
  int side_bottom = 0, strips_top = -1;
  for (const PlannedTable& table : pages[0].tables) {
    if (table.part == PlannedTablePart::kSide && table.rounded_frame) {
      side_bottom = std::max(side_bottom, table.rounded_frame->bottom);
    }
    if (table.part == PlannedTablePart::kSub && !table.cells.empty()) strips_top = table.cells.front().box.top;
  }
  ASSERT_GT(side_bottom, 0);
  EXPECT_GE(strips_top, side_bottom);
}

TEST_F(CombinedPrintJobTest, RowsHiddenByTheSettingsPrintWithNoHeight) {
  sys_.MKouChg = 127 & ~1u;  // 天星 unchecked
  const PrintTable strips = Job().sub_tables[0];
  EXPECT_EQ(strips.row_heights[kStripHeavenStarRow], 0);
  EXPECT_EQ(strips.row_heights[kStripRows + 1 + kStripHeavenStarRow], 0);
  EXPECT_EQ(strips.row_heights[kStripEarthStarRow], kStripRowHeight);
  EXPECT_EQ(strips.row_heights[kStripRows], kStripHeadingRowHeight);  // the gap between the strips
}

TEST_F(CombinedPrintJobTest, SeasonElementsReplaceTheHiddenStemsOnAPrintedCopy) {
  sys_.SzCB = true;
  const Chart before = session_.chart().chart();
  const PrintJob job = Job();
  for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
    EXPECT_EQ(job.target.grid.Cell(board::kHeaders.index, static_cast<std::size_t>(row)), "") << row;
    for (BoardColumn column = board::kHour; column <= board::kYear; ++column) {
      EXPECT_FALSE(job.chart->chart.board(column, row).Mark);
    }
  }
  // 寅 holds 木, 火 and 土 by season; the month column shows them.
  EXPECT_EQ(job.target.grid.Cell(board::kMonth.index, board::kWorkHidden3),
            job.chart->chart.board(board::kMonth, board::kWorkHidden3).Text);
  EXPECT_NE(job.chart->chart.board(board::kMonth, board::kWorkHidden3).Text,
            before.board(board::kMonth, board::kWorkHidden3).Text);
  EXPECT_EQ(session_.chart().chart(), before);  // the window's chart is not touched
}

TEST_F(CombinedPrintJobTest, TheStripsAlonePrintAsTheLuckTableTitledWithTheStripCaption) {
  const PrintJob job = CombinedStripsPrintJob(session_.strips(), sys_, view_);
  EXPECT_EQ(job.source, PrintSource::kLuckTable);
  EXPECT_EQ(job.title, "【試験太郎 命行　上段>大運　下段>年運】");
  EXPECT_EQ(job.target.name, "KSG");
  EXPECT_FALSE(job.chart.has_value());
  EXPECT_FALSE(job.graph.has_value());
  EXPECT_EQ(job.target.grid, Job().sub_tables[0].grid);
}

TEST(ChartHeaderLines, TheFirstTextsArePaddedInShiftJisWidth) {
  SummaryBlock summary;
  summary.Name = "試験太郎";  // 8 bytes
  summary.SexL = "男";
  summary.JuGa = "順行運";
  summary.DT = "1984/02/10 12:00";  // 16 bytes
  summary.TukiL = "春月:木[旺]";
  summary.KoukeiL = "黄経:";
  summary.RituNL = "立運：3年4月";
  summary.Old = "40歳 5ｶ月";
  summary.AngL = "321.12";
  const std::array<std::string, 3> lines = ChartHeaderLines(summary);
  EXPECT_EQ(lines[0], "試験太郎" + std::string(27, ' ') + "男　順行運");
  EXPECT_EQ(lines[1], "1984/02/10 12:00    春月:木[旺]　　黄経:");
  EXPECT_EQ(ShiftJisWidth(lines[2].substr(0, lines[2].find("40歳"))), 22);
  EXPECT_TRUE(lines[2].ends_with("40歳 5ｶ月　　 321.12"));

  summary.Name = std::string(40, 'A');  // a longer name stays whole
  EXPECT_EQ(ChartHeaderLines(summary)[0], std::string(40, 'A') + "男　順行運");
}

}  // namespace
}  // namespace kirvo
