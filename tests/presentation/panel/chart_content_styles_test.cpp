#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/panel/chart_content.h"
#include "settings/program_settings.h"

namespace kirvo {
namespace {

// The light default colours the shipped settings use.
constexpr Rgb kWood = 0x80FF80, kFire = 0xFF68B4, kEarth = 0xAD5A5A, kWater = 0x80FFFF;
constexpr Rgb kSelection = 0xF1F1DE;                                                 // CP11
constexpr Rgb kLabelTop = 0xFFFFFF, kLabelBottom = 0xC6D6DF, kLabelText = 0x000000;  // CP12, CP13, CP14

CellStyle Label(int font = 0) {
  return {.label = true,
          .background = kLabelTop,
          .background_bottom = kLabelBottom,
          .text = kLabelText,
          .font_points = font};
}
CellStyle Plain(CellAlignment alignment, int font = 0) { return {.alignment = alignment, .font_points = font}; }
CellStyle Coloured(Rgb background, Rgb text, CellAlignment alignment, int font = 0) {
  return {.background = background,
          .background_bottom = background,
          .text = text,
          .alignment = alignment,
          .font_points = font};
}
constexpr CellAlignment kLeft = CellAlignment::kLeft, kCentre = CellAlignment::kCentre, kRight = CellAlignment::kRight;

struct StyleCase {
  std::size_t column, row;
  std::string text;  // written into the cell first; empty keeps the cell's text
  CellStyle expected;
};

void ExpectStyles(ContentGrid& grid, const std::vector<StyleCase>& cases, auto style) {
  for (const StyleCase& c : cases) {
    if (!c.text.empty()) grid.text.SetCell(c.column, c.row, c.text);
  }
  style(grid);
  ASSERT_EQ(grid.styles.size(), grid.columns() * grid.rows());
  for (const StyleCase& c : cases) EXPECT_EQ(grid.Style(c.column, c.row), c.expected) << c.column << "," << c.row;
}

TEST(ContentTableStyle, LabelsValuesAlignmentAndSmallFont) {
  const SysSettings& sys = ShippedSettings().sys;
  ContentGrid snb = NewContentTable();
  // clang-format off
  ExpectStyles(snb, {
      {0, 0, "",           Label()},
      {2, 0, "",           Label(8)},               // 弱めたい
      {2, 1, "",           Label()},                // 忌神
      {2, 2, "",           Label(8)},               // 強めたい
      {2, 7, "",           Label(8)},               // 日干支併臨: 10 bytes
      {4, 4, "",           Label()},
      {1, 0, "48.75",      Plain(kRight)},
      {1, 7, "",           Plain(kRight)},
      {3, 0, "火土金",     Plain(kCentre)},
      {3, 2, "木火土金水", Plain(kCentre, 8)},     // more than 8 bytes
      {5, 2, "甲庚丙戊",   Plain(kLeft)},           // 調候: exactly 8 bytes
      {5, 3, "中和",       Plain(kCentre)},
      {5, 5, "○ 己卯",     Plain(kCentre)},
  }, [&](ContentGrid& grid) { StyleContentTable(grid, sys, {}); });
  snb.text.SetCell(5, 2, "庚丁壬甲癸");
  StyleContentTable(snb, sys, {});
  EXPECT_EQ(snb.Style(5, 2), Plain(kLeft, 8));
}

TEST(ContentTableStyle, HiddenNumbersLeaveColumnsZeroAndOneUndrawn) {
  const SysSettings& sys = ShippedSettings().sys;
  ContentGrid snb = NewContentTable();
  StyleContentTable(snb, sys, ContentBranding{.hide_numbers = true, .hide_inner_outer = false});
  for (std::size_t row = 0; row < snb.rows(); ++row) {
    for (std::size_t column = 0; column < snb.columns(); ++column) {
      EXPECT_EQ(snb.Style(column, row).drawn, column > 1) << column << "," << row;
    }
  }
}

TEST(ElementTableStyle, ElementColoursOfTheFirstCharacterAndTheHighlightedColumn) {
  const SysSettings& sys = ShippedSettings().sys;
  // clang-format off
  const std::vector<StyleCase> kCases = {
      {1, 0,  "",     Label()},
      {0, 1,  "0",    Plain(kRight)},
      {1, 1,  "主",   Plain(kCentre)},                      // a relation name is no element word
      {2, 1,  "木",   Coloured(kWood, kBlack, kCentre)},
      {2, 2,  "火",   Coloured(kFire, kBlack, kCentre)},
      {2, 3,  "土",   Coloured(kEarth, kWhite, kCentre)},   // dark enough for white text
      {5, 1,  "52",   Plain(kRight)},
      {9, 5,  "水",   Coloured(kWater, kBlack, kRight)},    // an element in any column
      {3, 1,  "42.25", Coloured(kSelection, kBlack, kRight)},  // RRG 0: 力量
      {4, 1,  "28.9", Plain(kRight)},
  };
  // clang-format on
  ContentGrid sg2 = NewElementTable();
  ExpectStyles(sg2, kCases, [&](ContentGrid& grid) { StyleElementTable(grid, sys, ForwardBackwardValue::kStrength); });
  StyleElementTable(sg2, sys, ForwardBackwardValue::kTotal);
  EXPECT_EQ(sg2.Style(3, 1), Plain(kRight));
  EXPECT_EQ(sg2.Style(4, 1), Coloured(kSelection, kBlack, kRight));
  EXPECT_EQ(sg2.Style(4, 0), Label());
}

TEST(StemNumberAndSpiritStarStyle, StemHeadersInElementColoursAndLabelsAtTheEdges) {
  const SysSettings& sys = ShippedSettings().sys;
  ContentGrid kan = NewStemNumberTable();
  // clang-format off
  ExpectStyles(kan, {
      {0, 0, "", Label()},
      {0, 2, "", Label()},
      {1, 0, "", Coloured(kWood, kBlack, kCentre, 9)},   // 甲
      {4, 0, "", Coloured(kFire, kBlack, kCentre, 9)},   // 丁
      {6, 0, "", Coloured(kEarth, kWhite, kCentre, 9)},  // 己
      {9, 0, "", Coloured(kWater, kBlack, kCentre, 9)},  // 壬
      {5, 1, "4", Plain(kCentre)},
      {10, 2, "3.3", Plain(kCentre)},
  }, [&](ContentGrid& grid) { StyleStemNumberTable(grid, sys); });
  // clang-format on

  ContentGrid sin(kSpiritStarTableColumns, 3);
  sin.text = SpiritStarTable(SpiritStars{}, sys.names.spirit_stars);
  StyleSpiritStarTable(sin, sys);
  ASSERT_EQ(sin.styles.size(), 4u);
  for (std::size_t column = 0; column < 4; ++column) EXPECT_EQ(sin.Style(column, 0), Label());
  EXPECT_EQ(sin.Style(0, 5), CellStyle{}) << "outside the grid: the plain style";
}

}  // namespace
}  // namespace kirvo
