#include "presentation/shared/drawing_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/twelve_stages.h"

namespace kirvo {
namespace {

TEST(PointOnCircle, StartsAtTheTopAndRunsClockwise) {
  struct Case {
    double angle;
    PixelPoint point;
  };
  const Case cases[] = {{0, {100, 50}}, {90, {150, 100}}, {180, {100, 150}}, {270, {50, 100}}, {360, {100, 50}}};
  for (const Case& c : cases) EXPECT_EQ(PointOnCircle(100, 100, 50, c.angle), c.point) << c.angle;
}

TEST(PointOnCircle, RoundsHalvesToEven) {
  // cos and sin of a right angle are exact zeros here, so the centre's halves decide.
  EXPECT_EQ(PointOnCircle(10.5, 11.5, 0, 0), (PixelPoint{10, 12}));
  EXPECT_EQ(PointOnCircle(-2.5, 3.5, 0, 0), (PixelPoint{-2, 4}));
}

TEST(ArrowHead, CornersTrailBehindTheTipOnEitherSide) {
  // A line pointing right from (0, 0) to (100, 0), half-angle 20, side 10.
  EXPECT_EQ(ArrowHead({0, 0}, {100, 0}, 20, 10), (ArrowCorners{{91, -3}, {91, 3}}));

  struct Case {
    const char* what;
    PixelPoint start, tip;
  };
  const Case cases[] = {
      {"left", {100, 0}, {0, 0}},     {"right", {0, 0}, {100, 0}},     {"down", {0, 0}, {0, 100}},
      {"up", {0, 100}, {0, 0}},       {"down-right", {0, 0}, {60, 80}}, {"up-left", {60, 80}, {0, 0}},
      {"down-left", {60, 0}, {0, 80}}, {"up-right", {0, 80}, {60, 0}},
  };
  for (const Case& c : cases) {
    const ArrowCorners corners = ArrowHead(c.start, c.tip, 35, 12);
    // Both corners lie behind the tip: closer to the start than the tip is.
    const auto distance_to_start = [&](PixelPoint p) {
      const double dx = p.x - c.start.x, dy = p.y - c.start.y;
      return dx * dx + dy * dy;
    };
    const double tip_distance = distance_to_start(c.tip);
    EXPECT_LT(distance_to_start(corners.first), tip_distance) << c.what;
    EXPECT_LT(distance_to_start(corners.second), tip_distance) << c.what;
    // And on either side of the line: the cross products have opposite signs.
    const auto side = [&](PixelPoint p) {
      return (c.tip.x - c.start.x) * (p.y - c.start.y) - (c.tip.y - c.start.y) * (p.x - c.start.x);
    };
    EXPECT_LT(side(corners.first) * side(corners.second), 0) << c.what;
  }
}

TEST(ArrowHead, HorizontalAndVerticalLinesAsDrawnByTheDiagrams) {
  // Pointing left: both corners to the right of the tip; pointing down: both above it.
  const ArrowCorners left = ArrowHead({100, 50}, {0, 50}, 35, 10);
  EXPECT_GT(left.first.x, 0);
  EXPECT_GT(left.second.x, 0);
  const ArrowCorners down = ArrowHead({50, 0}, {50, 100}, 35, 10);
  EXPECT_LT(down.first.y, 100);
  EXPECT_LT(down.second.y, 100);
  // A tip on its start: either side of the direction to the right.
  EXPECT_EQ(ArrowHead({10, 10}, {10, 10}, 20, 10), (ArrowCorners{{19, 13}, {19, 7}}));
}

TEST(ColourRamp, RunsFromStartToEndTruncatingEachComponent) {
  EXPECT_EQ(ColourRamp(0xFFFFFF, 0x000000, 3), (std::vector<Rgb>{0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000}));
  // Red 0xFF→0x00 in 7 steps of 36.43: 218.57, 182.14 … truncated; green rises 0→0x70 by 16.
  const std::vector<Rgb> ramp = ColourRamp(0xFF0000, 0x007000, 7);
  ASSERT_EQ(ramp.size(), 8u);
  EXPECT_EQ(ramp[1], 0xDA1000u);
  EXPECT_EQ(ramp[6], 0x246000u);
  EXPECT_EQ(ramp[7], 0x007000u);
  EXPECT_EQ(ColourRamp(0x123456, 0x654321, 0), (std::vector<Rgb>{0x123456, 0x654321}));
}

TEST(GradientFill, BandsOverlapAndEndOnTheEndColour) {
  // 12 pixels in 3 steps: bands 5 high starting every 4 pixels; white itself never shows.
  EXPECT_EQ(GradientFill({2, 10, 30, 22}, 0xFFFFFF, 3, 0x000000),
            (std::vector<GradientBand>{{{2, 10, 30, 15}, 0xAAAAAA}, {{2, 14, 30, 19}, 0x555555},
                                       {{2, 18, 30, 23}, 0x000000}}));
  // One step per pixel, as a label cell is drawn: every row its own band.
  const std::vector<GradientBand> per_pixel = GradientFill({0, 0, 40, 16}, 0xFFFFFF, 16, 0xC6D6DF);
  ASSERT_EQ(per_pixel.size(), 16u);
  for (int k = 0; k < 16; ++k) EXPECT_EQ(per_pixel[static_cast<std::size_t>(k)].rect.top, k);
  EXPECT_EQ(per_pixel.back().colour, 0xC6D6DFu);
}

TEST(GradientFill, StepCountsOutsideTheRampAreTakenWithinIt) {
  const PixelRect rect{0, 0, 10, 9};
  const std::vector<GradientBand> one = {{{0, 0, 10, 10}, 0x0000FF}};
  EXPECT_EQ(GradientFill(rect, 0xFF0000, 0, 0x0000FF), one);
  EXPECT_EQ(GradientFill(rect, 0xFF0000, -4, 0x0000FF), one);
  EXPECT_EQ(GradientFill(rect, 0xFF0000, 1, 0x0000FF), one);

  // 600 pixels in 600 steps: 255 bands, each taller, still covering the rectangle to its end.
  const std::vector<GradientBand> tall = GradientFill({0, 0, 10, 600}, 0x000000, 600, 0xFFFFFF);
  ASSERT_EQ(tall.size(), static_cast<std::size_t>(kMaxGradientSteps));
  EXPECT_GE(tall.back().rect.bottom, 600);
  for (std::size_t k = 1; k < tall.size(); ++k) EXPECT_LE(tall[k].rect.top, tall[k - 1].rect.bottom);
}

std::map<std::string, PixelPoint> PlacesByName(const std::vector<NameRingPlace>& places) {
  std::map<std::string, PixelPoint> by_name;
  for (const NameRingPlace& place : places) by_name[place.name] = place.at;
  return by_name;
}

TEST(NameRing, BranchesStandWithHorseAtTheTopAndRatAtTheBottom) {
  // Glyph 12 wide: names' corners on a circle of 74 about (94, 94).
  const std::vector<NameRingPlace> places =
      NameRing("子丑寅卯辰巳午未申酉戌亥", 100, 100, NameRingMode::kOneCharacter, 80, 12, DefaultTenGodNames());
  ASSERT_EQ(places.size(), 12u);
  EXPECT_EQ(places.front().name, "午");
  const std::map<std::string, PixelPoint> at = PlacesByName(places);
  EXPECT_EQ(at.at("午"), (PixelPoint{94, 20}));
  EXPECT_EQ(at.at("酉"), (PixelPoint{168, 94}));
  EXPECT_EQ(at.at("子"), (PixelPoint{94, 168}));
  EXPECT_EQ(at.at("卯"), (PixelPoint{20, 94}));
  // 午 is fire: a box 2 pixels round the name, filled in width + 2 steps.
  EXPECT_EQ(places.front().element, 1);
  EXPECT_EQ(places.front().box, (PixelRect{92, 18, 108, 34}));
  EXPECT_EQ(places.front().box_steps, 14);
}

TEST(NameRing, StemsRunClockwiseFromTheFirstAndStagesGetNoBox) {
  const std::vector<NameRingPlace> stems =
      NameRing("甲乙丙丁戊己庚辛壬癸", 100, 100, NameRingMode::kOneCharacter, 80, 12, DefaultTenGodNames());
  ASSERT_EQ(stems.size(), 10u);
  EXPECT_EQ(stems[0].name, "甲");
  EXPECT_EQ(stems[0].at, (PixelPoint{94, 20}));
  EXPECT_EQ(stems[5].name, "己");
  EXPECT_EQ(stems[5].at, (PixelPoint{94, 168}));
  EXPECT_EQ(stems[9].element, 4);

  // Two-character names: the corner sits a quarter of the width above the centre line.
  const std::vector<NameRingPlace> stages = NameRing("長生沐浴冠帯建禄帝旺衰　病　死　墓　絶　胎　養　", 100, 100,
                                                     NameRingMode::kTwoCharacters, 80, 12, DefaultTenGodNames());
  ASSERT_EQ(stages.size(), 12u);
  EXPECT_EQ(stages[0].name, "長生");
  EXPECT_EQ(stages[0].at, (PixelPoint{88, 26}));  // corner (100 − 12, 100 − 6), radius 80 − 12
  EXPECT_EQ(stages[3].name, "建禄");
  for (const NameRingPlace& stage : stages) EXPECT_EQ(stage.element, kNoElement) << stage.name;
  // The stage texts as the chart writes them: a one-character stage between half-width blanks is
  // one name as wide as two characters.
  std::string stage_texts;
  for (const std::string_view text : kTwelveStageTexts) stage_texts += text;
  const std::vector<NameRingPlace> written =
      NameRing(stage_texts, 100, 100, NameRingMode::kTwoCharacters, 80, 12, DefaultTenGodNames());
  ASSERT_EQ(written.size(), 12u);
  for (std::size_t i = 0; i < written.size(); ++i) EXPECT_EQ(written[i].name, kTwelveStageTexts[i]) << i;
  EXPECT_EQ(written[6].at, stages[6].at);
  EXPECT_EQ(NameRingFontPoints(300, NameRingMode::kOneCharacter), 25);
  EXPECT_EQ(NameRingFontPoints(300, NameRingMode::kTwoCharacters), 21);
}

TEST(FittedPixelSize, ATextWiderThanItsCellShrinksToFit) {
  EXPECT_EQ(FittedPixelSize(16, 30, 34), 16);   // fits: unchanged
  EXPECT_EQ(FittedPixelSize(16, 34, 34), 16);
  EXPECT_EQ(FittedPixelSize(16, 45, 30), 10);   // "98654" in a pillar cell: 16 * 30 / 45
  EXPECT_EQ(FittedPixelSize(16, 200, 30), 6);   // never below the legible least
  EXPECT_EQ(FittedPixelSize(16, 0, 0), 16);     // no text
}

}  // namespace
}  // namespace kirvo
