#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/twelve_stages.h"
#include "presentation/diagrams/five_element_diagram.h"
#include "presentation/frame/ini_window_placement.h"
#include "presentation/diagrams/stem_branch_diagram.h"

namespace kirvo {
namespace {

const PanelColours kColours = LightDefaultColours();
const std::array<std::string, 5> kRelations = {"主", "洩", "分", "剋", "生"};

Rgb Cp(int index) { return kColours[static_cast<std::size_t>(index)]; }

int Item(std::string_view text) {
  for (std::size_t i = 0; i < kFiveElementItems.size(); ++i) {
    if (kFiveElementItems[i] == text) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < kStemBranchItems.size(); ++i) {
    if (kStemBranchItems[i] == text) return static_cast<int>(i);
  }
  ADD_FAILURE() << text;
  return -1;
}

TEST(DiagramSizeRule, KeepsTheDrawingAreaSquareAndAtLeastTheMinimum) {
  struct Case {
    DiagramWindowSize given;
    int strip;
    DiagramWindowSize expected;
  };
  const Case cases[] = {
      {{100, 50}, 30, {160, 190}},   // too narrow: the minimum
      {{160, 500}, 30, {160, 190}},  // at the minimum width the height follows it
      {{600, 200}, 30, {600, 630}},  // too wide for its height: it grows in height
      {{300, 330}, 30, {300, 330}},  // square area: nothing changes
      {{300, 400}, 30, {370, 400}},  // taller: the width follows the height
      {{170, 170}, 20, {150, 170}},  // narrowed below the minimum …
      {{150, 170}, 20, {160, 180}},  // … which the next size change corrects
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DiagramSizeRule(c.given, c.strip), c.expected) << c.given.width << "x" << c.given.height;
  }
}

TEST(DiagramSizeRule, AKeptWidthAboveFiveHundredOpensAtTheMinimum) {
  EXPECT_EQ(KeptDiagramWidth(500), 500);
  EXPECT_EQ(DiagramSizeRule({KeptDiagramWidth(501), 531}, 30), (DiagramWindowSize{160, 190}));
  EXPECT_EQ(DiagramSizeRule({KeptDiagramWidth(900), 200}, 30), (DiagramWindowSize{160, 190}));
}

TEST(FiveElementLabels, TextsAndColoursOfTheSelectorItems) {
  struct Case {
    std::string_view item;
    std::array<std::string_view, 5> texts;
    std::array<int, 5> backgrounds;  // CP index
    int font_points;                 // for labels 60 pixels wide
  };
  // clang-format off
  const Case cases[] = {
      {"五行",    {"木", "火", "土", "金", "水"},                                  {0, 1, 2, 3, 4}, 33},
      {"天干",    {"甲\n乙", "丙\n丁", "戊\n己", "庚\n辛", "壬\n癸"},             {0, 1, 2, 3, 4}, 20},
      {"地支",    {"寅\n卯", "午\n巳", "丑辰\n未戌", "申\n酉", "子\n亥"},         {0, 1, 2, 3, 4}, 20},
      {"変通星",  {"比肩\n劫財", "食神\n傷官", "偏財\n正財", "偏官\n正官", "印綬\n偏印"}, {8, 8, 8, 8, 8}, 20},
      {"主宮-木", {"主", "洩", "分", "剋", "生"},                                  {0, 1, 2, 3, 4}, 33},
      {"主宮-火", {"主", "洩", "分", "剋", "生"},                                  {1, 2, 3, 4, 0}, 33},
      {"主宮-水", {"主", "洩", "分", "剋", "生"},                                  {4, 0, 1, 2, 3}, 33},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::vector<DiagramLabel> labels = FiveElementLabels(Item(c.item), 300, 300, kColours, kRelations);
    ASSERT_EQ(labels.size(), 5u) << c.item;
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(labels[i].text, c.texts[i]) << c.item << " " << i;
      EXPECT_EQ(labels[i].background, Cp(c.backgrounds[i])) << c.item << " " << i;
      EXPECT_EQ(labels[i].text_colour, ContrastTextColour(labels[i].background)) << c.item << " " << i;
      EXPECT_EQ(labels[i].font_points, c.font_points) << c.item << " " << i;
    }
  }
}

TEST(FiveElementLabels, StandRoundTheCircleFromTheTopAndHideForTheStages) {
  const std::vector<DiagramLabel> labels = FiveElementLabels(0, 300, 300, kColours, kRelations);
  ASSERT_EQ(labels.size(), 5u);
  // Squares of a fifth of the window width, corners on a circle about (120, 120).
  EXPECT_EQ(labels[0].rect, (PixelRect{120, 15, 180, 75}));
  EXPECT_EQ(labels[1].rect, (PixelRect{220, 88, 280, 148}));
  EXPECT_EQ(labels[4].rect, (PixelRect{20, 88, 80, 148}));
  // The relation names in use are the settings' own.
  const std::array<std::string, 5> renamed = {"自", "食", "財", "官", "印"};
  EXPECT_EQ(FiveElementLabels(Item("主宮-土"), 300, 300, kColours, renamed)[4].text, "印");

  EXPECT_TRUE(FiveElementLabels(Item("12運星"), 300, 300, kColours, kRelations).empty());
  EXPECT_EQ(FiveElementLabels(Item("地支"), 300, 300, kColours, kRelations).size(), 5u);
}

TEST(FiveElementFigure, CircleAndTheTwoCyclesOrTheRingOfStages) {
  const CorrelationFigure arrows = FiveElementFigure(0, 300, 300, 300, kColours);
  EXPECT_EQ(arrows.background, Cp(8));
  ASSERT_TRUE(arrows.circle);
  EXPECT_EQ(*arrows.circle, (DiagramCircle{{30, 30, 270, 270}, Cp(6), Cp(8)}));
  EXPECT_FALSE(arrows.ring);
  ASSERT_EQ(arrows.marks.size(), 10u);
  // Production 木→火 along the circle, control 木→土 and 金→木 across it.
  EXPECT_EQ(arrows.marks[0], (DiagramMark{MarkKind::kArrow, {235, 65}, {249, 83}, Cp(6)}));
  EXPECT_EQ(arrows.marks[1], (DiagramMark{MarkKind::kArrow, {150, 60}, {193, 192}, Cp(7)}));
  EXPECT_EQ(arrows.marks[7], (DiagramMark{MarkKind::kArrow, {97, 223}, {140, 91}, Cp(7)}));

  const CorrelationFigure stages = FiveElementFigure(Item("12運星"), 300, 300, 300, kColours);
  EXPECT_TRUE(stages.circle);
  EXPECT_TRUE(stages.marks.empty());
  ASSERT_TRUE(stages.ring);
  std::string names;
  for (const std::string_view stage : kTwelveStageTexts) names += stage;
  EXPECT_EQ(*stages.ring, (DiagramNameRing{names, 150, 150, NameRingMode::kTwoCharacters, 150}));
}

// Every name of the stem-branch ring, with its element box, lies inside the square area: none is
// cut at the top or bottom (午/子, 甲/己) or at the sides.
TEST(StemBranchFigure, TheNamesAndTheirBoxesStayInsideTheArea) {
  for (const int side : {160, 300, 500}) {
    const int glyph_width = NameRingFontPoints(side, NameRingMode::kOneCharacter) * 4 / 3;  // pixels at 96 dpi
    for (const char* item : {"三合（支）", "合（干）"}) {
      const CorrelationFigure figure = StemBranchFigure(Item(item), side, glyph_width, kColours);
      ASSERT_TRUE(figure.ring);
      const DiagramNameRing& ring = *figure.ring;
      for (const NameRingPlace& place :
           NameRing(ring.names, ring.cx, ring.cy, ring.mode, ring.radius, glyph_width, TenGodNames{})) {
        const PixelRect cell = {place.at.x - kNameBoxMarginPx, place.at.y - kNameBoxMarginPx,
                                place.at.x + glyph_width + kNameBoxMarginPx, place.at.y + glyph_width + kNameBoxMarginPx};
        EXPECT_GE(cell.left, 0) << side << ' ' << place.name;
        EXPECT_GE(cell.top, 0) << side << ' ' << place.name;
        EXPECT_LE(cell.right, side) << side << ' ' << place.name;
        EXPECT_LE(cell.bottom, side) << side << ' ' << place.name;
      }
    }
  }
}

std::vector<MarkKind> KindsOf(const CorrelationFigure& figure) {
  std::vector<MarkKind> kinds;
  for (const DiagramMark& mark : figure.marks) kinds.push_back(mark.kind);
  return kinds;
}

TEST(StemBranchFigure, RelationsSitInsideTheRingOfNames) {
  // Area 300 high, "甲" 25 high: relations on a circle of 150 − Round(37.5) = 112 about (150, 150).
  const CorrelationFigure triples = StemBranchFigure(Item("三合（支）"), 300, 25, kColours);
  EXPECT_EQ(triples.background, Cp(9));
  EXPECT_FALSE(triples.circle);
  ASSERT_EQ(triples.marks.size(), 24u);  // four closed triangles with a dot at each corner
  EXPECT_EQ(triples.marks[0], (DiagramMark{MarkKind::kLine, {206, 53}, {206, 247}, Cp(0)}));  // 未→亥
  EXPECT_EQ(triples.marks[2], (DiagramMark{MarkKind::kLine, {38, 150}, {206, 53}, Cp(0)}));   // 卯→未
  EXPECT_EQ(triples.marks[23].colour, Cp(4));
  ASSERT_TRUE(triples.ring);
  EXPECT_EQ(*triples.ring, (DiagramNameRing{"子丑寅卯辰巳午未申酉戌亥", 150, 150, NameRingMode::kOneCharacter, 144}));

  // Stem combinations: 甲 at the top joined to 己 at the bottom in the colour of earth.
  const CorrelationFigure stems = StemBranchFigure(Item("合（干）"), 300, 25, kColours);
  EXPECT_EQ(stems.marks[0], (DiagramMark{MarkKind::kDot, {150, 38}, {150, 38}, Cp(2)}));
  EXPECT_EQ(stems.marks[1], (DiagramMark{MarkKind::kLine, {150, 38}, {150, 262}, Cp(2)}));
  EXPECT_EQ(stems.marks.size(), 20u);
  EXPECT_EQ(stems.ring->names, "甲乙丙丁戊己庚辛壬癸");
  EXPECT_EQ(StemBranchFigure(Item("剋（干）"), 300, 25, kColours).marks[6].to, (PixelPoint{150, 38}));  // 庚→甲

  // Punishments: five pixels further in, 子卯 both ways, two one-way triangles, four self-punishers.
  const CorrelationFigure punishments = StemBranchFigure(Item("刑（支）"), 300, 25, kColours);
  EXPECT_EQ(punishments.marks[0], (DiagramMark{MarkKind::kBothWays, {150, 257}, {43, 150}, 0xFF0000}));
  const std::vector<MarkKind> expected = {MarkKind::kBothWays, MarkKind::kArrow, MarkKind::kArrow, MarkKind::kLine,
                                          MarkKind::kArrow,    MarkKind::kArrow, MarkKind::kLine,  MarkKind::kDot,
                                          MarkKind::kDot,      MarkKind::kDot,   MarkKind::kDot};
  EXPECT_EQ(KindsOf(punishments), expected);
}

TEST(StemBranchFigure, ColoursOfTheBranchRelations) {
  struct Case {
    std::string_view item;
    std::size_t marks;
    Rgb first_colour;
    MarkKind first_kind;
  };
  const Case cases[] = {
      {"合（支）", 18, Cp(1), MarkKind::kDot},  // 未午 fire: a dot, a line, a dot
      {"冲（支）", 6, 0xFF0000, MarkKind::kBothWays},
      {"方合（支）", 20, Cp(0), MarkKind::kLine},  // 寅卯辰 wood: two lines and three dots
      {"害（支）", 6, 0xFF0000, MarkKind::kBothWays},
      {"破（支）", 6, 0xFF0000, MarkKind::kBothWays},
  };
  for (const Case& c : cases) {
    const CorrelationFigure figure = StemBranchFigure(Item(c.item), 300, 25, kColours);
    ASSERT_EQ(figure.marks.size(), c.marks) << c.item;
    EXPECT_EQ(figure.marks[0].colour, c.first_colour) << c.item;
    EXPECT_EQ(figure.marks[0].kind, c.first_kind) << c.item;
  }
  // The six combinations end with 子丑 in the colour of earth, 寅亥 before them in wood.
  const CorrelationFigure six = StemBranchFigure(Item("合（支）"), 300, 25, kColours);
  EXPECT_EQ(six.marks[17].colour, Cp(2));
  EXPECT_EQ(six.marks[12].colour, Cp(0));
}

TEST(IniWindowPlacement, KeptPlacesComeBackOnTheScreen) {
  IniFile ini;
  WriteIniPlacement(ini, "SouGoF", {40, 50, 200, 230}, 1);
  EXPECT_EQ(ini.ToText(), "[SouGoF]\nLeft=40\nTop=50\nHeight=230\nWidth=200\nMONITORS=1\n");
  const IniPlacement kept = ReadIniPlacement(ini, "SouGoF");
  EXPECT_EQ(kept, (IniPlacement{40, 50, 230, 200}));
  EXPECT_EQ(PlaceOnScreen(kept, 300, 330, 1024, 768), (PlacedWindow{40, 50, 200, 230}));

  struct Case {
    const char* text;
    PlacedWindow expected;  // design 300 × 330 on a screen 1024 × 768
  };
  const Case cases[] = {
      {"", {362, 219, 300, 330}},                                        // nothing kept: centred
      {"[SouGoF]\nLeft=x\nTop=10\n", {362, 10, 300, 330}},               // not a number: as missing
      {"[SouGoF]\nLeft=1100\nTop=800\n", {76, 32, 300, 330}},            // beyond the screen: wrapped
      {"[SouGoF]\nLeft=-5\nTop=-1\nWidth=200\n", {412, 219, 200, 330}},  // negative: centred
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceOnScreen(ReadIniPlacement(IniFile::FromText(c.text), "SouGoF"), 300, 330, 1024, 768), c.expected)
        << c.text;
  }
}

}  // namespace
}  // namespace kirvo
