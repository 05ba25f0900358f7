#include "presentation/print/page_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/chart_session.h"
#include "presentation/luck/luck_session.h"
#include "presentation/print/chart_print_job.h"
#include "presentation/print/luck_print_job.h"
#include "settings/sys_settings.h"
#include "support/person_input.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

constexpr PrintDevice kA4At96{794, 1123, 96, 96};

// A person list of `rows` rows (row 0 the headings) and `columns` columns of 100 units.
PrintJob ListJob(int rows, int columns, int row_units = 20) {
  PrintJob job;
  job.source = PrintSource::kPersonList;
  job.title = "名前リスト";
  job.target.grid = ContentGrid(static_cast<std::size_t>(columns), static_cast<std::size_t>(rows));
  job.target.grid.column_widths.assign(static_cast<std::size_t>(columns), 100);
  job.target.row_heights.assign(static_cast<std::size_t>(rows), row_units);
  job.target.fixed_rows = 1;
  return job;
}

// The rows a page shows, in order.
std::vector<int> RowsOf(const PagePlan& page) {
  std::vector<int> rows;
  for (const PlannedCell& cell : page.tables.at(0).cells) {
    if (rows.empty() || rows.back() != cell.row) rows.push_back(cell.row);
  }
  return rows;
}

std::set<int> ColumnsOf(const PagePlan& page) {
  std::set<int> columns;
  for (const PlannedCell& cell : page.tables.at(0).cells) columns.insert(cell.column);
  return columns;
}

TEST(PagePlan, ALongListBreaksIntoPagesWithItsHeadingsOnEach) {
  // Printable height 1123 − 38 − 19; the table starts a title line and 5 mm (19) below the top.
  // 20 units a row: the headings and 50 rows fill a page.
  const std::vector<PagePlan> pages = PlanPages(ListJob(121, 3), kA4At96, PageSettings{});
  ASSERT_EQ(pages.size(), 3u);
  std::vector<int> first = RowsOf(pages[0]), second = RowsOf(pages[1]), third = RowsOf(pages[2]);
  EXPECT_EQ(first.size(), 51u);
  EXPECT_EQ(first.front(), 0);
  EXPECT_EQ(second.front(), 0);
  EXPECT_EQ(second.at(1), 51);
  EXPECT_EQ(third.front(), 0);
  EXPECT_EQ(third.at(1), 101);
  EXPECT_EQ(third.back(), 120);
  for (const PagePlan& page : pages) {
    EXPECT_EQ(page.lines.at(0).text, "名前リスト");
    EXPECT_EQ(page.lines.at(0).at, (PixelPoint{38, 38}));
    for (const PlannedCell& cell : page.tables[0].cells) {
      EXPECT_GE(cell.box.left, page.printable.left);
      EXPECT_LE(cell.box.bottom, page.printable.bottom);
    }
  }
}

TEST(PagePlan, MarginsMoveTheTableAndChangeThePageBreaks) {
  const PageSettings wide{40, 40, 30, 10, false, 0};
  const std::vector<PagePlan> normal = PlanPages(ListJob(121, 3), kA4At96, PageSettings{});
  const std::vector<PagePlan> narrow = PlanPages(ListJob(121, 3), kA4At96, wide);
  EXPECT_EQ(narrow[0].tables[0].cells[0].box.left, DeviceOfMm(30, 96));
  EXPECT_EQ(narrow[0].tables[0].cells[0].box.top - normal[0].tables[0].cells[0].box.top,
            DeviceOfMm(40, 96) - DeviceOfMm(10, 96));
  EXPECT_LT(RowsOf(narrow[0]).size(), RowsOf(normal[0]).size());
  EXPECT_GT(narrow.size(), normal.size());
  // The same page at 600 dpi breaks at the same rows.
  const PrintDevice fine{794 * 600 / 96, 1123 * 600 / 96, 600, 600};
  const std::vector<PagePlan> printed = PlanPages(ListJob(121, 3), fine, PageSettings{});
  ASSERT_EQ(printed.size(), normal.size());
  EXPECT_EQ(RowsOf(printed[1]), RowsOf(normal[1]));
}

TEST(PagePlan, ColumnsSplitTheSameWayAndThePagesMultiply) {
  // Ten columns of 100 units on 718 printable: seven, then three.
  const std::vector<PagePlan> pages = PlanPages(ListJob(121, 10), kA4At96, PageSettings{});
  ASSERT_EQ(pages.size(), 3u * 2u);
  EXPECT_EQ(ColumnsOf(pages[0]), (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(ColumnsOf(pages[1]), (std::set<int>{7, 8, 9}));
  EXPECT_EQ(RowsOf(pages[0]), RowsOf(pages[1]));
  EXPECT_EQ(pages[1].tables[0].cells[0].box.left, pages[0].printable.left);
}

TEST(PagePlan, ARowTooHighForAPageGetsAPageOfItsOwn) {
  PrintJob job = ListJob(6, 2);
  job.target.row_heights[3] = 2000;
  const std::vector<PagePlan> pages = PlanPages(job, kA4At96, PageSettings{});
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(RowsOf(pages[0]), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(RowsOf(pages[1]), (std::vector<int>{0, 3}));
  EXPECT_EQ(RowsOf(pages[2]), (std::vector<int>{0, 4, 5}));
}

TEST(PagePlan, TextListsStartLowerAndWrapTheirTextColumns) {
  PrintJob job = ListJob(5, 2);
  const int person_top = PlanPages(job, kA4At96, PageSettings{})[0].tables[0].cells[0].box.top;
  job.source = PrintSource::kMemoList;
  const PagePlan memo = PlanPages(job, kA4At96, PageSettings{})[0];
  EXPECT_EQ(memo.tables[0].cells[0].box.top - person_top, DeviceOfMm(5, 96));
  EXPECT_EQ(memo.tables[0].look, CellLook::kListWrapped);
}

TEST(PagePlan, AWrappedListRowGrowsToHoldItsWholeText) {
  PrintJob job = ListJob(3, 2);
  job.source = PrintSource::kMemoList;
  // Column 1 is 100 units: 100 device pixels less the insets hold eight full-width characters at 9
  // points, so thirty take four lines; the short text keeps its row's own height.
  job.target.grid.text.SetCell(1, 1, "短い");
  std::string long_text;
  for (int i = 0; i < 30; ++i) long_text += "長";
  job.target.grid.text.SetCell(1, 2, long_text);
  const PagePlan page = PlanPages(job, kA4At96, PageSettings{})[0];
  const auto height_of = [&page](int row) {
    for (const PlannedCell& cell : page.tables[0].cells) {
      if (cell.row == row && cell.column == 1) return cell.box.bottom - cell.box.top;
    }
    return -1;
  };
  EXPECT_EQ(height_of(1), DeviceOfUnits(20, 96));
  EXPECT_GE(height_of(2), 4 * LineHeightOf(9, 96));
  EXPECT_EQ(WrappedToWidth(long_text, 100 - 2 * DeviceOfUnits(kCellInsetUnits, 96), 9, 96).size(), 4u);
}

TEST(PagePlan, TheExplanationFollowsTheTable) {
  PrintJob job = ListJob(4, 2);
  job.source = PrintSource::kElementTable;
  job.explanation_lines = {"一行目", "二行目"};
  const std::vector<PagePlan> pages = PlanPages(job, kA4At96, PageSettings{});
  ASSERT_EQ(pages.size(), 1u);
  const auto& lines = pages[0].lines;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].text, "【 命式の説明 】");
  EXPECT_GT(lines[1].at.y, pages[0].tables[0].cells.back().box.bottom);
  EXPECT_EQ(lines[3].text, "二行目");
}

class PrintJobTest : public ::testing::Test {
 protected:
  ChartSession Chart(LuckRange range) {
    ChartSession session = std::move(ChartSession::Create(services_, testing::Person("試験太郎", "1984/02/10 12:00"),
                                                          *DateTime::ParseDateTimeText("1995/03/15 09:30")))
                               .value();
    session.SetRange(range);
    EXPECT_TRUE(session.Compute());
    return session;
  }

  RecordingInteraction interaction_;
  ApplicationServices services_ = ApplicationServices::Shipped(interaction_);
};

TEST_F(PrintJobTest, ANatalChartPrintsItsFourPillarsAndTheLabelsOnly) {
  const SysSettings& sys = services_.settings().sys;
  const PrintJob natal = ChartPrintJob(Chart(LuckRange::kNatalOnly), sys, false);
  std::set<int> shown;
  for (std::size_t column = 0; column < natal.target.grid.column_widths.size(); ++column) {
    if (natal.target.grid.column_widths[column] > 1) shown.insert(static_cast<int>(column));
  }
  EXPECT_EQ(shown, (std::set<int>{6, 7, 8, 9, board::kHeaders.index}));
  EXPECT_EQ(natal.title, "");
  EXPECT_EQ(natal.target.grid.Cell(5, board::kWorkStem), "");  // the major luck is not shown
  EXPECT_FALSE(natal.target.grid.Cell(9, board::kWorkStem).empty());

  const PrintJob luck = ChartPrintJob(Chart(LuckRange::kMajorLuck), sys, false);
  EXPECT_GT(luck.target.grid.column_widths[5], 1);
  EXPECT_EQ(luck.title, "作式：1995/03/15 09:30");
}

TEST_F(PrintJobTest, AChartPageHoldsTheBoardHeaderLinesAndTheChosenSideItems) {
  SysSettings sys = services_.settings().sys;
  ChartSession session = Chart(LuckRange::kMajorLuck);
  const PrintJob job = ChartPrintJob(session, sys, false);
  EXPECT_EQ(job.chart->header_lines[0].substr(0, 12), "試験太郎");
  EXPECT_EQ(job.chart->header_lines[0].find(session.content().summary.SexL),
            12u + 27u);  // 35 places: 4 × 2 and 27 blanks
  const std::vector<PagePlan> pages = PlanPages(job, kA4At96, PageSettings{});
  ASSERT_FALSE(pages.empty());
  const PagePlan& page = pages[0];
  ASSERT_TRUE(page.board.has_value());
  EXPECT_EQ(page.board->clip.left, page.printable.left);
  EXPECT_EQ(page.board->clip.right - page.board->clip.left, job.chart->geometry.width);
  ASSERT_EQ(page.tables.size(), 3u);  // 内容表, 五行表, 干数値表
  for (const PlannedTable& table : page.tables) {
    ASSERT_TRUE(table.rounded_frame.has_value());
    EXPECT_GE(table.rounded_frame->left, page.printable.left + DeviceOfMm(60, 96));
    EXPECT_GE(table.rounded_frame->left, page.board->clip.right);
  }
  EXPECT_TRUE(std::any_of(page.lines.begin(), page.lines.end(),
                          [&](const PlannedLine& line) { return line.text == job.chart->header_lines[2]; }));
  // The pattern and spirit-star texts follow the tables, wrapped to the page, and go on over pages
  // of their own: every line stays inside the printable area and none is lost.
  std::size_t side_lines = 0;
  for (const PagePlan& each : pages) {
    for (const PlannedLine& line : each.lines) {
      EXPECT_LE(line.at.y + LineHeightOf(line.points, 96), each.printable.bottom) << line.text;
      if (line.points == 9 && line.at.y > page.tables.back().rounded_frame->bottom) ++side_lines;
    }
    if (&each != &page) {
      EXPECT_FALSE(each.board.has_value());
    }
  }
  EXPECT_GE(side_lines, job.side.pattern_lines.size() + job.side.spirit_star_lines.size());

  sys.MCGP = 2;  // the element table alone
  const PagePlan fewer = PlanPages(ChartPrintJob(session, sys, false), kA4At96, PageSettings{})[0];
  ASSERT_EQ(fewer.tables.size(), 1u);
  EXPECT_EQ(fewer.tables[0].index, 0);
  EXPECT_EQ(job.side.tables[1].grid, session.content().SG2);
}

TEST_F(PrintJobTest, MonochromePrintingWhitensEveryCell) {
  const SysSettings& sys = services_.settings().sys;
  ChartSession session = Chart(LuckRange::kMajorLuck);
  const BoardPosition stem{board::kDay, board::kWorkStem};
  const BoardCellLook screen = LookOfBoardCell(session.chart(), stem, 34, 36, sys);
  ASSERT_NE(screen.top, kWhite);
  const BoardCellLook mono = PrintLookOfBoardCell(screen, stem, false);
  EXPECT_EQ(mono.top, kWhite);
  EXPECT_EQ(mono.end, kWhite);
  EXPECT_EQ(mono.text, kBlack);
  EXPECT_EQ(mono.font_points, screen.font_points);
  const BoardCellLook colour = PrintLookOfBoardCell(screen, stem, true);
  EXPECT_EQ(colour.top, screen.top);
  // The labels are white in colour too.
  const BoardPosition label{board::kHeaders, board::kWorkStem};
  EXPECT_EQ(PrintLookOfBoardCell(LookOfBoardCell(session.chart(), label, 50, 36, sys), label, true).top, kWhite);
}

TEST_F(PrintJobTest, TheLuckPrintLeavesOutTheHiddenRowsAndDrawsTheGraphOnTheFirstPage) {
  ChartSession chart = Chart(LuckRange::kHourLuck);
  LuckSession session(services_, std::move(chart), LuckLevel::kYear);
  ASSERT_TRUE(session.moment_model().SetMoment(*DateTime::ParseDateTimeText("2024/01/15 12:00")));
  session.Place();
  SysSettings sys = services_.settings().sys;
  const PrintJob job = LuckPrintJob(session, sys);
  EXPECT_EQ(job.source, PrintSource::kLuckTable);
  EXPECT_EQ(job.title, "行運表　試験太郎　年運＋大運");
  ASSERT_EQ(job.target.row_heights.size(), session.table().KSG.rows());
  EXPECT_EQ(job.target.row_heights[19], 0);  // the moments are never shown
  EXPECT_GT(job.target.row_heights[0], 0);
  EXPECT_EQ(job.graph, session.graph());

  // Pages narrow enough to split the table: the graph stands on the first page only.
  const PrintDevice narrow{400, 600, 96, 96};
  const std::vector<PagePlan> pages = PlanPages(job, narrow, PageSettings{});
  ASSERT_GT(pages.size(), 1u);
  EXPECT_TRUE(pages[0].graph.has_value());
  for (std::size_t i = 1; i < pages.size(); ++i) EXPECT_FALSE(pages[i].graph.has_value());
  for (const PagePlan& page : pages) {
    for (const PlannedCell& cell : page.tables[0].cells) EXPECT_NE(cell.row, 19);
  }
}

}  // namespace
}  // namespace kirvo
