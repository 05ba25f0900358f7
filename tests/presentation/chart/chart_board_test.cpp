// The chart window's board as the core lays it out and changes it: geometry per range and
// settings, the cells' looks, hints, the hand-change menu and its effects, and the relation
// diagrams.
#include <gtest/gtest.h>

#include "presentation/shared/content_fixture.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/chart_cell_hint.h"
#include "presentation/chart/chart_hand_change.h"
#include "presentation/chart/chart_session.h"
#include "presentation/chart/relation_diagram.h"
#include "support/recording_interaction.h"

namespace kirvo {
namespace {

ChartRowLayout DefaultLayout() { return ChartRowLayoutOf(SysSettings{}, false); }

TEST(BoardGeometryTest, ShownColumnsFollowTheRange) {
  struct Case {
    LuckRange range;
    int first_column;
    int width;
  };
  // Pillars 34 wide, one pixel apart, and the 50-wide label column.
  for (const Case& c : {Case{LuckRange::kNatalOnly, 6, 4 * 35 + 50}, Case{LuckRange::kMajorLuck, 5, 5 * 35 + 50},
                        Case{LuckRange::kHourLuck, 1, 9 * 35 + 50}}) {
    const BoardGeometry geometry = LayOutBoard(DefaultLayout(), c.range, 0, 0);
    EXPECT_EQ(geometry.first_column, BoardColumn{c.first_column});
    EXPECT_EQ(geometry.width, c.width);
    EXPECT_EQ(geometry.column_width[0], 0);
    EXPECT_EQ(geometry.column_width[c.first_column - 1], 0);
    EXPECT_EQ(geometry.column_width[c.first_column], 34);
    EXPECT_EQ(geometry.column_left[c.first_column], 0);
    EXPECT_EQ(geometry.column_width[board::kHeaders.index], 50);
  }
}

TEST(BoardGeometryTest, RowHeightsFollowTheSettingsAndTheRelationLists) {
  SysSettings sys;
  sys.Kh = "40";
  sys.Zh = "24";
  sys.Tw = "30";
  sys.MeiChg &= ~(1u << (board::kHeavenStar - 7));  // 天星 unchecked
  const BoardGeometry shown = LayOutBoard(ChartRowLayoutOf(sys, true), LuckRange::kNatalOnly, 3, 0);
  EXPECT_EQ(shown.row_height[0], 20);
  EXPECT_EQ(shown.row_height[board::kStem], 16);
  EXPECT_EQ(shown.row_height[3], 1);
  EXPECT_EQ(shown.row_height[board::kHeavenStar], 1);
  EXPECT_EQ(shown.row_height[board::kEarthStar], 16);
  EXPECT_EQ(shown.row_height[board::kWorkStem], 40);
  EXPECT_EQ(shown.row_height[board::kWorkHidden2], 24);
  EXPECT_EQ(shown.row_height[board::kStemDiagram], (30 / 4) * 3 + 2);  // max(16, 23)
  EXPECT_EQ(shown.row_height[board::kBranchDiagram], 16);
  EXPECT_EQ(shown.row_height[board::kSavedFirst], 0);
  const BoardGeometry collapsed = LayOutBoard(ChartRowLayoutOf(sys, false), LuckRange::kNatalOnly, 3, 0);
  EXPECT_EQ(collapsed.row_height[board::kStem], 1);
  EXPECT_EQ(shown.height - collapsed.height, 5 * 15);
  EXPECT_EQ(shown.row_top[board::kWorkStem], shown.row_top[board::kRoots] + 16);
}

TEST(BoardGeometryTest, DiagramRowsHaveNoPillarCellsAndPointsFindTheirCells) {
  const BoardGeometry geometry = LayOutBoard(DefaultLayout(), LuckRange::kNatalOnly, 2, 2);
  const PixelRect diagram = BoardDiagramRect(geometry, board::kStemDiagram);
  EXPECT_EQ(diagram.right, 4 * 35);
  EXPECT_EQ(BoardCellRect(geometry, {board::kDay, board::kStemDiagram}).right,
            BoardCellRect(geometry, {board::kDay, board::kStemDiagram}).left);
  EXPECT_EQ(BoardCellAt(geometry, 5, diagram.top + 1), std::nullopt);
  const int stem_top = geometry.row_top[board::kWorkStem];
  EXPECT_EQ(BoardCellAt(geometry, 35 + 3, stem_top + 3), (BoardPosition{board::kDay, board::kWorkStem}));
  EXPECT_EQ(BoardCellAt(geometry, 34, stem_top + 3), std::nullopt);  // the pixel between two pillars
  EXPECT_EQ(BoardCellAt(geometry, 4 * 35 + 10, 2), (BoardPosition{board::kHeaders, 0}));
}

class ChartBoardTest : public ::testing::Test {
 protected:
  RecordingInteraction interaction_;
  ApplicationServices services_ = ApplicationServices::Shipped(interaction_);
  Chart chart_ = testing::HandCheckedChart(services_.settings());
  const SysSettings& sys_ = services_.settings().sys;
};

TEST_F(ChartBoardTest, CellsTakeTheirColoursFromTheSettingsAndTheirTexts) {
  const BoardCellLook title = LookOfBoardCell(chart_, {board::kDay, 0}, 34, 20, sys_);
  EXPECT_EQ(title.top, ColourOf(sys_.CP, PanelColour::kFixedGradientStart));
  EXPECT_EQ(title.text, ColourOf(sys_.CP, PanelColour::kFixedText));
  EXPECT_EQ(title.bands, 9);
  // The day stem 甲 is wood: wood's colour fading to black, in the chart font sized by the cell.
  const BoardCellLook stem = LookOfBoardCell(chart_, {board::kDay, board::kWorkStem}, 34, 36, sys_);
  EXPECT_EQ(stem.top, ElementColour(sys_.CP, 0));
  EXPECT_EQ(stem.end, kBlack);
  EXPECT_TRUE(stem.chart_font);
  EXPECT_EQ(stem.font_points, 17);
  EXPECT_TRUE(stem.changes_on_hover);
  EXPECT_EQ(stem.hover_end, kWhite);
  EXPECT_EQ(LookOfBoardCell(chart_, {board::kDay, board::kWorkHidden1}, 34, 20, sys_).font_points, 11);
  EXPECT_EQ(LookOfBoardCell(chart_, {board::kMajorLuck, board::kWorkStem}, 34, 36, sys_).outline, 0xC0C0C0u);
  EXPECT_FALSE(LookOfBoardCell(chart_, {board::kDay, board::kHeavenStar}, 34, 16, sys_).changes_on_hover);
  EXPECT_FALSE(LookOfBoardCell(chart_, {board::kHeaders, board::kWorkStem}, 50, 36, sys_).changes_on_hover);

  SysSettings monochrome = sys_;
  monochrome.CCB = true;
  monochrome.GCB = true;
  const BoardCellLook grey = LookOfBoardCell(chart_, {board::kDay, board::kWorkStem}, 34, 36, monochrome);
  EXPECT_EQ(grey.top, kBlack);
  EXPECT_EQ(grey.end, 0x808080u);
  EXPECT_EQ(grey.bands, 6);

  chart_.hour_known = false;
  const BoardCellLook hour = LookOfBoardCell(chart_, {board::kHour, board::kWorkStem}, 34, 36, sys_);
  EXPECT_EQ(hour.top, 0x808080u);
  EXPECT_FALSE(hour.changes_on_hover);
}

TEST_F(ChartBoardTest, HintsNameTheReachedPillarsOrTheTenGodOfAStem) {
  ChartBoard& board = chart_.board;
  board(board::kYear, board::kClash).Text = "37";
  EXPECT_EQ(BoardCellHint(board, {board::kYear, board::kClash}, sys_),
            "<< 命式年柱：▽冲　 >>\n命式日柱\n行運月柱");
  // Seen from the day master 甲, 庚 is 偏官.
  EXPECT_EQ(BoardCellHint(board, {board::kHour, board::kWorkStem}, sys_), "偏官");
  EarthStarHints hints = NoEarthStars();
  hints[board::kMonth.index] = {4, 2, 0};  // 偏財 食神 比肩
  EXPECT_EQ(BoardCellHint(board, {board::kMonth, board::kEarthStar}, sys_, &hints), "余:偏財\n中:食神\n本:比肩");
  board(board::kMonth, board::kEarthStar).Text = "";
  EXPECT_EQ(BoardCellHint(board, {board::kMonth, board::kEarthStar}, sys_, &hints), std::nullopt);
  EXPECT_EQ(BoardCellHint(board, {board::kHeaders, board::kWorkStem}, sys_), std::nullopt);
}

TEST(HandChangeTest, TheMenuOffersWhatTheRowAllows) {
  ChartBoard board;
  board(board::kDay, board::kWorkStem) = {"甲", 0, 0, Mark::kHalved, false, false};
  board(board::kDay, board::kWorkBranch).Text = "戌";
  board(board::kDay, board::kRoots).ZSet = Mark::kInForce;
  const auto enabled = [&](int row) {
    std::string flags;
    for (const HandChangeEntry& entry : HandChangeMenu(board, {board::kDay, row})) flags += entry.enabled ? '1' : '0';
    return flags;
  };
  EXPECT_EQ(enabled(board::kWorkStem), "0111011");  // not ○, not the △ it has
  EXPECT_EQ(enabled(board::kWorkBranch), "0101111");  // a branch does not transform
  EXPECT_EQ(enabled(board::kRoots), "0100001");
  EXPECT_EQ(HandChangeMenu(board, {board::kDay, board::kWorkStem})[0].caption, "日柱:干 <甲> を ○:採用 に変更");
  EXPECT_EQ(HandChangeMenu(board, {board::kDay, board::kRoots})[6].caption, "日柱:通根を ●自動作式値に変更");
  EXPECT_FALSE(IsHandChangeable({board::kDay, board::kPillarNumberRow}));
  EXPECT_FALSE(IsHandChangeable({board::kScratch, board::kWorkStem}));
}

TEST(HandChangeTest, TransformingAStemTakesItsTransformedStem) {
  const std::string transformed = "戊辛壬乙丙己庚癸甲丁";
  for (Stem stem = 0; stem < 10; ++stem) {
    EXPECT_EQ(kStemNames[TransformedStem(stem)], transformed.substr(3 * stem, 3)) << kStemNames[stem];
  }
  ChartBoard board;
  board(board::kMonth, board::kWorkHidden3) = {"甲", 0, 0, Mark::kNone, false, false};
  board(board::kMonth, board::kHidden3).Text = "甲";
  board(board::kMonth, board::kWorkHidden3 + 22) = {"甲", 0, 0, Mark::kInForce, false, false};
  ApplyHandChange(board, {board::kMonth, board::kWorkHidden3}, HandChange::kTransform);
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).Text, "戊");
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).Code, 4);
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).ZSet, Mark::kTransformed);
  ApplyHandChange(board, {board::kMonth, board::kWorkHidden3}, HandChange::kFirstComputed);
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).Text, "甲");
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).Code, 0);  // the code follows the restored stem
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).ZSet, Mark::kNone);
  ApplyHandChange(board, {board::kMonth, board::kWorkHidden3}, HandChange::kDouble);
  ApplyHandChange(board, {board::kMonth, board::kWorkHidden3}, HandChange::kAutomatic);
  EXPECT_EQ(board(board::kMonth, board::kWorkHidden3).ZSet, Mark::kInForce);
}

TEST_F(ChartBoardTest, AHandChangeReachesTheNumbersWithoutRecomputingTheBoard) {
  ChartSession session = std::move(ChartSession::Create(services_, BirthInput{"試験太郎", *BirthOfText("1984/02/10 12:00"), Sex::kMale},
                                                        *DateTime::ParseDateTimeText("1995/03/15 09:30")))
                             .value();
  ASSERT_TRUE(session.Compute());
  // The year stem 甲 (甲子 丙寅 甲戌 庚午).
  const std::optional<BoardPosition> wood = BoardPosition{board::kYear, board::kWorkStem};
  ASSERT_EQ(session.chart().board(wood->column, wood->row).Text, "甲");
  const auto before = session.content().SG2.text;
  EXPECT_FALSE(session.ChangeByHand(*wood, HandChange::kAdopt));  // not offered outside the roots row
  ASSERT_TRUE(session.ChangeByHand(*wood, HandChange::kTransform));
  EXPECT_EQ(session.chart().board(wood->column, wood->row).Text, "戊");
  EXPECT_NE(session.content().SG2.text, before);
  EXPECT_EQ(session.chart().board(wood->column, wood->row + 22).Text, "甲");  // the automatic value stays
}

TEST(RelationDiagramTest, EachKindDrawsItsMarkers) {
  // Pillars 34 wide at 命式のみ: 年柱 (1) is column 9, centred at 3 × 35 + 17; s = 8.
  EXPECT_EQ(DiagramPillarCentre(1, 34, LuckRange::kNatalOnly), 3 * 35 + 17);
  EXPECT_EQ(DiagramPillarCentre(4, 34, LuckRange::kNatalOnly), 17);
  EXPECT_EQ(DiagramPillarCentre(5, 34, LuckRange::kNatalOnly), 17);  // not shown: at the left edge
  using Kind = DiagramShape::Kind;
  const auto kinds = [](const std::vector<DiagramShape>& shapes) {
    std::string text;
    for (const DiagramShape& shape : shapes) text += "LEPT"[static_cast<int>(shape.kind)];
    return text;
  };
  EXPECT_EQ(kinds(RelationDiagramShapes({"1200"}, 34, LuckRange::kNatalOnly, false)), "EEL");
  EXPECT_EQ(kinds(RelationDiagramShapes({"1230"}, 34, LuckRange::kNatalOnly, false)), "EELEL");
  EXPECT_EQ(kinds(RelationDiagramShapes({"1201"}, 34, LuckRange::kNatalOnly, false)), "LPLPL");
  EXPECT_EQ(kinds(RelationDiagramShapes({"1235"}, 34, LuckRange::kNatalOnly, false)), "PPPL");
  EXPECT_EQ(kinds(RelationDiagramShapes({"1236"}, 34, LuckRange::kNatalOnly, false)), "PPPL");
  EXPECT_EQ(kinds(RelationDiagramShapes({"1204"}, 34, LuckRange::kNatalOnly, false)), "");
  EXPECT_EQ(kinds(RelationDiagramShapes({"12350x1"}, 34, LuckRange::kNatalOnly, true)), "PPPLT");

  const std::vector<DiagramShape> shapes = RelationDiagramShapes({"1200", "1302"}, 34, LuckRange::kNatalOnly, false);
  ASSERT_EQ(shapes.size(), 3u + 5u);
  EXPECT_EQ(shapes[0].box, (PixelRect{3 * 35 + 17 - 4, 0, 3 * 35 + 17 + 4, 8}));
  // The second entry stands s − 1 lower; an arrow pointing down ends at the marker's bottom.
  const DiagramShape& shaft = shapes[3];
  EXPECT_EQ(shaft.kind, Kind::kLine);
  EXPECT_EQ(shaft.points[0], (PixelPoint{3 * 35 + 17, 7}));
  EXPECT_EQ(shaft.points[1], (PixelPoint{3 * 35 + 17, 15}));
  const DiagramShape& head = shapes[4];
  EXPECT_EQ(head.points[0], shaft.points[1]);
  EXPECT_LT(head.points[1].y, 15);  // the corners lie above a downward tip
  EXPECT_TRUE(RelationDiagramShapes({"12350x1"}, 34, LuckRange::kNatalOnly, true).back().inverse);
}

}  // namespace
}  // namespace kirvo
