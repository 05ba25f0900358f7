#include "presentation/panel/element_graph.h"

#include <gtest/gtest.h>

#include "presentation/panel/chart_content.h"
#include "settings/sys_colours.h"

namespace kirvo {
namespace {

using Values = std::array<int, kElementGraphItems>;

// The five-element table of a 甲 day master after the sort: 主 木, 洩 火, 分 土, 剋 金, 生 水.
TextTable FilledElementTable() {
  TextTable sg2 = NewElementTable().text;
  const char* rows[5][5] = {{"0", "主", "木", "42.25", "28.9"},
                            {"1", "洩", "火", "26.25", "46.7"},
                            {"2", "分", "土", "8.75", "7.8"},
                            {"3", "剋", "金", "3.94", "7.8"},
                            {"4", "生", "水", "0.00", "0.0"}};
  for (std::size_t row = 0; row < 5; ++row) {
    for (std::size_t column = 0; column < 5; ++column) sg2.SetCell(column, row + 1, rows[row][column]);
  }
  return sg2;
}

TEST(ElementGraph, TakesStrengthOrCompositionOfTheRowsWithTheirElementColours) {
  const PanelColours colours = DarkDefaultColours();
  const TextTable sg2 = FilledElementTable();

  const std::optional<ElementGraph> strength = ElementGraphOf(sg2, ElementGraphMode::kStrength, colours);
  ASSERT_TRUE(strength);
  EXPECT_EQ(strength->values, (Values{4225, 2625, 875, 394, 0}));
  EXPECT_EQ(strength->caption, "力量");
  EXPECT_EQ(strength->colours, (std::array<Rgb, 5>{0x00FF00, 0xFF0000, 0x800000, 0xFFFF00, 0x00FFFF}));

  const std::optional<ElementGraph> composition = ElementGraphOf(sg2, Toggled(ElementGraphMode::kStrength), colours);
  ASSERT_TRUE(composition);
  EXPECT_EQ(composition->values, (Values{2890, 4670, 780, 780, 0}));
  EXPECT_EQ(composition->caption, "構成");
  EXPECT_EQ(composition->colours, strength->colours);
}

TEST(ElementGraph, NothingBeforeTheTableIsFilled) {
  EXPECT_FALSE(ElementGraphOf(NewElementTable().text, ElementGraphMode::kStrength, DarkDefaultColours()));
}

TEST(ElementGraph, ModeFollowsTheRuleSettingAndToggles) {
  EXPECT_EQ(ElementGraphModeOf(ForwardBackwardValue::kStrength), ElementGraphMode::kStrength);
  EXPECT_EQ(ElementGraphModeOf(ForwardBackwardValue::kTotal), ElementGraphMode::kComposition);
  EXPECT_EQ(Toggled(Toggled(ElementGraphMode::kComposition)), ElementGraphMode::kComposition);
}

TEST(ElementGraph, HundredthsAreReadFromTheDigits) {
  struct Case {
    const char* text;
    int hundredths;
  };
  const Case cases[] = {{"28.9", 2890},  {"0.57", 57}, {"42.25", 4225}, {"12", 1200}, {"1.259", 125},
                        {"-3.94", -394}, {"", 0},      {"abc", 0},      {"1.2x", 0},  {".", 0}};
  for (const Case& c : cases) EXPECT_EQ(HundredthsOf(c.text), c.hundredths) << c.text;
}

}  // namespace
}  // namespace kirvo
