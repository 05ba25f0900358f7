#include "presentation/panel/graph_geometry.h"

#include <gtest/gtest.h>

#include "settings/sys_settings.h"

namespace kirvo {
namespace {

const std::array<std::string, kGraphItems> kGroupLabels = {"比劫", "食傷", "財星", "官星", "印星"};

// On 150 × 100: m = 100, R = (100 − 2·2) div 2 = 48 about (75, 50).
TEST(RadarGeometry, PolygonsScaleToTheLargestValue) {
  const RadarGeometry radar = RadarGeometryOf(150, 100, {10, 5, 0, 10, 2}, {4, 5, 0, 0, 1}, kGroupLabels, 9);
  EXPECT_EQ(radar.centre, (PixelPoint{75, 50}));
  EXPECT_EQ(radar.radius, 48);
  ASSERT_TRUE(radar.value_polygon && radar.part_polygon);
  // 0°: full reach (75, 2); 72°: 24 out (75 + 22.8, 50 − 7.4); 144°: the centre; 216°: full reach
  // (75 − 28.2, 50 + 38.8); 288°: Trunc(0.2 · 48) = 9 out (75 − 8.6, 50 − 2.8).
  EXPECT_EQ(*radar.value_polygon, (std::array<PixelPoint, 5>{{{75, 2}, {98, 43}, {75, 50}, {47, 89}, {66, 47}}}));
  // Parts on the same scale: Trunc(0.4 · 48) = 19 up, 24 at 72°, Trunc(0.1 · 48) = 4 at 288°.
  EXPECT_EQ(*radar.part_polygon, (std::array<PixelPoint, 5>{{{75, 31}, {98, 43}, {75, 50}, {75, 50}, {71, 49}}}));
}

// Label n at the axis end P, font size s = 9, "比劫" 4 bytes wide: x = P.x − 4 and then 0: − (3·4·9)
// div 2 − 2 with y = P.y; 1, 2: + 9; 3, 4: − (4·9) div 2 − 2; y = P.y − 4 except at the top.
TEST(RadarGeometry, WithoutValuesTheAxesAndLabelsStay) {
  const RadarGeometry radar = RadarGeometryOf(150, 100, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, kGroupLabels, 9);
  EXPECT_FALSE(radar.value_polygon);
  EXPECT_FALSE(radar.part_polygon);
  EXPECT_EQ(radar.axis_ends, (std::array<PixelPoint, 5>{{{75, 2}, {121, 35}, {103, 89}, {47, 89}, {29, 35}}}));
  EXPECT_EQ(
      radar.label_places,
      (std::array<PixelPoint, 5>{{{75 - 4 - 56, 2}, {121 + 5, 31}, {103 + 5, 85}, {47 - 24, 85}, {29 - 24, 31}}}));
}

// On 150 × 100: m = 100, r = (100 − 2·1) div 2 = 49.
TEST(CircleGeometry, ItemZeroIsCentredAtTheTopAndTheOthersFollowClockwise) {
  const CircleGeometry circle = CircleGeometryOf(150, 100, {25, 25, 25, 25, 0});
  EXPECT_EQ(circle.radius, 49);
  EXPECT_EQ(circle.offset, 45);
  EXPECT_EQ(circle.boundary_angles, (std::array<int, 5>{45, 135, 225, 315, 315}));
  EXPECT_EQ(circle.boundaries[0], (PixelPoint{110, 15}));  // (75 + 34.6, 50 − 34.6)
  EXPECT_EQ(circle.sectors, (std::vector<PieSector>{{0, -45, 90}, {1, 45, 90}, {2, 135, 90}, {3, 225, 90}}));
}

TEST(CircleGeometry, OneItemFillsTheCircleAndNoTotalDrawsNothing) {
  EXPECT_EQ(CircleGeometryOf(150, 100, {0, 0, 7, 0, 0}).sectors, (std::vector<PieSector>{{2, 0, 360}}));
  EXPECT_EQ(CircleGeometryOf(150, 100, {7, 0, 0, 0, 0}).sectors, (std::vector<PieSector>{{0, -180, 360}}));
  // Shares cut to whole degrees: 1/3 and 2/3 of the turn, item 0 centred on the top.
  EXPECT_EQ(CircleGeometryOf(150, 100, {1, 0, 2, 0, 0}).sectors, (std::vector<PieSector>{{0, -60, 120}, {2, 60, 240}}));

  const CircleGeometry empty = CircleGeometryOf(150, 100, {0, 0, 0, 0, 0});
  EXPECT_TRUE(empty.sectors.empty());
  EXPECT_EQ(empty.offset, 0);
  EXPECT_EQ(empty.boundary_angles, (std::array<int, 5>{}));
}

TEST(GraphComponent, SystemSettingsGiveTheTenGodGraphItsNamesAndColours) {
  SysSettings sys;
  sys.names.ten_god_groups = {"比", "食", "財", "官", "印"};
  const GraphComponent ten_gods = TenGodGraphComponent(sys);
  EXPECT_EQ(ten_gods.kind, GraphKind::kRadar);
  EXPECT_EQ(ten_gods.labels, sys.names.ten_god_groups);
  EXPECT_EQ(ten_gods.first_colour, kWhite);
  EXPECT_EQ(ten_gods.second_colour, ColourOf(sys.CP, PanelColour::kSelection));
  EXPECT_EQ(ten_gods.label_colour, ColourOf(sys.CP, PanelColour::kSelection));
  EXPECT_EQ(ten_gods.background, sys.backgrounds[1]);
  EXPECT_FALSE(ten_gods.has_figure);

  GraphComponent elements = ElementGraphComponent(sys);
  EXPECT_EQ(elements.kind, GraphKind::kCircle);
  ShowElementGraph(elements, ElementGraph{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, "構成"});
  EXPECT_TRUE(elements.has_figure);
  EXPECT_EQ(elements.caption, "構成");
  ShowElementGraph(elements, std::nullopt);
  EXPECT_FALSE(elements.has_figure);
}

}  // namespace
}  // namespace kirvo
