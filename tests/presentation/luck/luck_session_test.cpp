#include "presentation/luck/luck_session.h"

#include <gtest/gtest.h>

#include "presentation/luck/luck_view.h"
#include "engine/decimal_text.h"
#include "settings/sys_colours.h"
#include "support/person_input.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "platform/text_file.h"

namespace kirvo {
namespace {

DateTime At(const char* text) { return *DateTime::ParseDateTimeText(text); }

class LuckSessionTest : public ::testing::Test {
 protected:
  LuckSession Session(LuckLevel level, const char* birth = "1984/02/10 12:00") {
    ChartSession chart =
        std::move(ChartSession::Create(services_, testing::Person("試験太郎", birth), At("2024/01/15 12:00"))).value();
    chart.SetRange(LuckRange::kHourLuck);
    EXPECT_TRUE(chart.Compute());
    LuckSession session(services_, std::move(chart), level);
    EXPECT_TRUE(session.moment_model().SetMoment(At("2024/01/15 12:00")));
    session.Place();
    return session;
  }

  RecordingInteraction interaction_;
  ApplicationServices services_ = ApplicationServices::Shipped(interaction_);
};

// After every move the highlighted period's chart is what the side panel shows, under the
// period's heading.
TEST_F(LuckSessionTest, ThePanelShowsTheHighlightedPeriodsChart) {
  LuckSession session = Session(LuckLevel::kYear);
  EXPECT_EQ(session.selected_column(), 4);
  EXPECT_EQ(session.chart_session().content().header, "< 年運まで >　作式：2023/12/25 22:00");
  EXPECT_EQ(session.chart_session().chart().record.ChartDateTime, At("2023/12/25 22:00"));

  ASSERT_TRUE(session.Shift(StepDirection::kForward));
  EXPECT_EQ(session.selected_column(), 3);
  EXPECT_EQ(session.chart_session().content().header, "< 年運まで >　作式：2023/12/25 22:00");

  ASSERT_TRUE(session.ShowColumn(1));
  EXPECT_EQ(session.chart_session().content().header, "< 年運まで >　作式：2021/12/25 22:00");
  session.RefreshContent();  // activation keeps the period's heading
  EXPECT_EQ(session.chart_session().content().header, "< 年運まで >　作式：2021/12/25 22:00");

  // The level pair changes at the same chart date and time.
  session.SetLevel(LuckLevel::kMonth);
  EXPECT_EQ(session.table().KSG.Cell(4, luck_row::kMoment), "2024/01/25 22:00");
  EXPECT_EQ(session.chart_session().content().header, "< 月運まで >　作式：2024/01/25 22:00");
}

TEST_F(LuckSessionTest, ADecadesChartShowsTheAgeAtTheDecadesStart) {
  LuckSession session = Session(LuckLevel::kMajor);
  EXPECT_EQ(session.selected_column(), 5);
  EXPECT_FALSE(session.Shift(StepDirection::kBack));
  EXPECT_FALSE(session.Page(StepDirection::kForward));
  EXPECT_EQ(session.chart_session().content().summary.Old, "37歳10ｶ月");
}

TEST_F(LuckSessionTest, APeriodWithoutDataIsNeitherShownNorSelected) {
  LuckSession session = Session(LuckLevel::kMajor);
  ASSERT_TRUE(LuckColumnHidden(session.table(), 13));
  EXPECT_FALSE(session.ShowColumn(13));
  EXPECT_FALSE(session.ShowColumn(0));
  EXPECT_EQ(session.selected_column(), 5);
}

TEST_F(LuckSessionTest, TheGraphHasAPointForEveryPeriodWithData) {
  const LuckSession decades = Session(LuckLevel::kMajor);
  const LuckGraph& graph = decades.graph();
  EXPECT_EQ(graph.total_title, "大運＋命式");
  EXPECT_EQ(graph.listed_title, "大運");
  ASSERT_EQ(graph.points.size(), 11u);  // columns 1..11: the 12th decade starts beyond 110 years
  EXPECT_EQ(graph.points[1].label, "7歳");
  EXPECT_EQ(graph.points[4].label, "37歳");
  for (const LuckGraphPoint& point : graph.points) {
    EXPECT_EQ(point.highlighted, point.column == 5);
    const std::string& total = decades.table().KSG.Cell(static_cast<std::size_t>(point.column), luck_row::kTotal);
    EXPECT_EQ(DecimalText(point.total, 2), total);
  }

  struct Case {
    LuckLevel level;
    const char* fourth_label;
  };
  const Case cases[] = {{LuckLevel::kYear, "23年"},
                        {LuckLevel::kMonth, "24年1月"},
                        {LuckLevel::kDay, "15日"},
                        {LuckLevel::kHour, "15日12時"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Session(c.level).graph().points[3].label, c.fourth_label) << LuckLevelNumber(c.level);
  }
}

TEST_F(LuckSessionTest, DraggingDownRightZoomsAndAnyOtherDragShowsItAll) {
  const LuckGraph graph = Session(LuckLevel::kYear).graph();
  const LuckGraphView whole = WholeLuckGraph(graph);
  EXPECT_EQ(whole.x_first, -0.5);
  EXPECT_EQ(whole.x_last, 12.5);
  const LuckGraphLayout layout = LayOutLuckGraph(graph, whole, 660, 300, 12);
  const PixelRect& plot = layout.plot;
  const int mid_x = (plot.left + plot.right) / 2, mid_y = (plot.top + plot.bottom) / 2;
  const LuckGraphView zoomed = DraggedView(graph, whole, layout, {plot.left, plot.top}, {mid_x, mid_y});
  EXPECT_NEAR(zoomed.x_first, -0.5, 1e-9);
  EXPECT_NEAR(zoomed.x_last, 6.0, 0.1);
  EXPECT_NEAR(zoomed.y_low, 50, 1);
  EXPECT_NEAR(zoomed.y_high, 100, 1e-9);
  EXPECT_EQ(DraggedView(graph, zoomed, layout, {mid_x, mid_y}, {plot.left, plot.top}), whole);
  const LuckGraphView panned = PannedView(zoomed, layout, plot.right - plot.left);
  EXPECT_NEAR(panned.x_last - panned.x_first, zoomed.x_last - zoomed.x_first, 1e-9);
  EXPECT_LT(panned.x_first, zoomed.x_first);
  // Every point on the plot, the ticks from 0 to 100.
  for (const PixelPoint& point : layout.total) {
    EXPECT_GE(point.x, plot.left);
    EXPECT_LE(point.x, plot.right);
  }
  EXPECT_EQ(layout.y_ticks.front(), std::make_pair(plot.bottom, 0));
  EXPECT_EQ(layout.y_ticks.back(), std::make_pair(plot.top, 100));
}

TEST_F(LuckSessionTest, RowsAreShownAsKouChgSays) {
  SysSettings sys;
  sys.KouChg = 8191 & ~(1u << 1) & ~(1u << 12);  // 内外格 and 特殊 unchecked
  for (int row = 0; row < luck_row::kCount; ++row) {
    const bool hidden = row == luck_row::kInnerOuter || row == luck_row::kSpecial || row == luck_row::kMoment;
    EXPECT_EQ(LuckRowShown(sys, row), !hidden) << row;
  }
}

TEST_F(LuckSessionTest, TheTableGridStylesByRowAndColumn) {
  const LuckSession session = Session(LuckLevel::kMajor);
  const SysSettings& sys = services_.settings().sys;
  const ContentGrid grid = LuckTableGrid(session.table(), sys, session.selected_column());
  EXPECT_EQ(grid.column_widths[0], kLuckLabelColumnWidth);
  EXPECT_EQ(grid.column_widths[1], kLuckPeriodColumnWidth);
  EXPECT_EQ(grid.column_widths[13], 0);  // beyond 110 years
  EXPECT_TRUE(grid.Style(0, luck_row::kStem).label);
  EXPECT_TRUE(grid.Style(3, luck_row::kAge).label);
  EXPECT_EQ(grid.Style(5, luck_row::kStem).background, ColourOf(sys.CP, PanelColour::kSelection));
  // 丙 (column 1's stem) is fire: shaded from the fire colour down to white, black text.
  ASSERT_EQ(grid.Cell(1, luck_row::kStem), "丙");
  EXPECT_EQ(grid.Style(1, luck_row::kStem).background, ColourOf(sys.CP, PanelColour::kFire));
  EXPECT_EQ(grid.Style(1, luck_row::kStem).background_bottom, kWhite);
  EXPECT_EQ(grid.Style(1, luck_row::kStem).text, kBlack);
  EXPECT_EQ(grid.Style(1, luck_row::kHeavenStar).background, kWhite);
  EXPECT_EQ(grid.Style(1, luck_row::kTotal).alignment, CellAlignment::kRight);
  EXPECT_EQ(grid.Style(1, luck_row::kInnerOuter).alignment, CellAlignment::kCentre);
  EXPECT_FALSE(grid.selectable);
}

TEST_F(LuckSessionTest, TheCsvExportIsShiftJisWithCrLf) {
  const LuckSession session = Session(LuckLevel::kDay);
  TempFolder folder;
  const std::filesystem::path file = folder / "行運.csv";
  ASSERT_TRUE(session.ExportCsv(file));
  const Outcome<std::string> text = ReadShiftJisFile(file);
  ASSERT_TRUE(text);
  EXPECT_EQ(text.value().substr(0, std::string("年月,24年1月,").size()), "年月,24年1月,");
  const Outcome<std::string> bytes = ReadFileBytes(file);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes.value().substr(0, 4), "\x94\x4e\x8c\x8e");  // 年月 in Shift-JIS
  EXPECT_NE(bytes.value().find(",\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kirvo
