#include "presentation/diagrams/five_element_diagram.h"

#include <cmath>

#include "calendar/sexagenary.h"
#include "engine/twelve_stages.h"

namespace kirvo {
namespace {

constexpr int kLabelCount = 5;
constexpr int kLabelStepDegrees = 72;  // the five labels stand a fifth of the circle apart

// The texts of the labels 0 … 4 (木 火 土 金 水 places), two lines where the element holds two.
// clang-format off
constexpr std::array<std::string_view, kLabelCount> kStemPairs      = {"甲\n乙", "丙\n丁", "戊\n己", "庚\n辛", "壬\n癸"};
constexpr std::array<std::string_view, kLabelCount> kBranchGroups   = {"寅\n卯", "午\n巳", "丑辰\n未戌", "申\n酉", "子\n亥"};
// Always these words, whatever names the settings give the ten gods; 印綬 comes before 偏印.
constexpr std::array<std::string_view, kLabelCount> kTenGodPairs    = {"比肩\n劫財", "食神\n傷官", "偏財\n正財",
                                                                       "偏官\n正官", "印綬\n偏印"};
// Production arrows: the tip lies 50 + d degrees past a label, d for labels 0 … 4.
constexpr std::array<int, kLabelCount> kProductionTipOffsets = {6, 6, 0, 4, 6};
// clang-format on
constexpr int kProductionStartDegrees = 45;
constexpr int kProductionTipDegrees = 50;
constexpr int kControlTipBackDegrees = 10;

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int LabelSide(int window_width) { return window_width / 5; }

Rgb ElementColourAt(const PanelColours& colours, int element) { return ElementColour(colours, element % 5); }

std::string StageNames() {
  std::string names;
  for (const std::string_view stage : kTwelveStageTexts) names += stage;
  return names;
}

}  // namespace

std::vector<DiagramLabel> FiveElementLabels(int item, int window_width, int area_width, const PanelColours& colours,
                                            const std::array<std::string, 5>& relations) {
  if (item < 0 || item >= static_cast<int>(kFiveElementItems.size()) || item == kFiveElementStagesItem) return {};
  const int side = LabelSide(window_width);
  const int c = area_width / 2 - side / 2;
  const int large_font = RoundHalfEven(side / 1.8);  // one character fills the label
  const int small_font = side / 3;                   // two lines of up to two characters
  std::vector<DiagramLabel> labels;
  for (int i = 0; i < kLabelCount; ++i) {
    DiagramLabel label;
    const PixelPoint corner = PointOnCircle(c, c, c - side / 4, kLabelStepDegrees * i);
    label.rect = {corner.x, corner.y, corner.x + side, corner.y + side};
    label.background = ElementColourAt(colours, i);
    label.font_points = small_font;
    const auto at = static_cast<std::size_t>(i);
    switch (item) {
      case 0:
        label.text = kElementNames[at];
        label.font_points = large_font;
        break;
      case 1:
        label.text = kStemPairs[at];
        break;
      case 2:
        label.text = kBranchGroups[at];
        break;
      case 3:
        label.text = kTenGodPairs[at];
        label.background = ColourOf(colours, PanelColour::kCorrelationBackground);
        break;
      default: {
        // Seen from a day master of element e: label i is the relation i, in the colour of the
        // element that stands in that relation to e (主 itself, 洩 the one it produces, …).
        const int day_master = item - kFiveElementFirstRelationItem;
        label.text = relations[at];
        label.background = ElementColourAt(colours, day_master + i);
        label.font_points = large_font;
        break;
      }
    }
    label.text_colour = ContrastTextColour(label.background);
    labels.push_back(std::move(label));
  }
  return labels;
}

CorrelationFigure FiveElementFigure(int item, int window_width, int area_width, int area_height,
                                    const PanelColours& colours) {
  CorrelationFigure figure;
  const Rgb background = ColourOf(colours, PanelColour::kCorrelationBackground);
  const Rgb production = ColourOf(colours, PanelColour::kLine2);
  const Rgb control = ColourOf(colours, PanelColour::kLine3);
  figure.background = background;
  const int a = LabelSide(window_width) / 2;
  figure.circle = DiagramCircle{{a, a, area_width - a, area_height - a}, production, background};

  if (item == kFiveElementStagesItem) {
    const int centre = area_height / 2;
    figure.ring = DiagramNameRing{StageNames(), centre, centre, NameRingMode::kTwoCharacters, centre};
    return figure;
  }
  const int r = area_width / 2 - a;
  const int centre = area_width / 2;
  for (int i = 0; i < kLabelCount; ++i) {
    // Along the circle from label i towards label i + 1.
    const int from_degrees = kLabelStepDegrees * i + kProductionStartDegrees;
    const int tip_degrees =
        kLabelStepDegrees * i + kProductionTipDegrees + kProductionTipOffsets[static_cast<std::size_t>(i)];
    figure.marks.push_back({MarkKind::kArrow, PointOnCircle(centre, centre, r, from_degrees),
                            PointOnCircle(centre, centre, r, tip_degrees), production});
    // Across the circle from label i to label i + 2: 木→土, 火→金, 土→水, 金→木, 水→火.
    const int target_degrees = kLabelStepDegrees * ((i + 2) % kLabelCount) - kControlTipBackDegrees;
    figure.marks.push_back({MarkKind::kArrow, PointOnCircle(centre, centre, r - a, kLabelStepDegrees * i),
                            PointOnCircle(centre, centre, r - 2 * a, target_degrees), control});
  }
  return figure;
}

}  // namespace kirvo
