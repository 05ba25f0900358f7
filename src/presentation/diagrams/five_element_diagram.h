#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/diagrams/correlation_diagram.h"
#include "settings/sys_colours.h"

namespace kirvo {

// The five-element diagram (五行相関図): five labels round a circle joined by the production cycle
// (arrows along the circle) and the control cycle (arrows across it). The selector chooses what the
// labels say.

// clang-format off
inline constexpr std::array<std::string_view, 10> kFiveElementItems = {
    "五行", "天干", "地支", "変通星", "12運星", "主宮-木", "主宮-火", "主宮-土", "主宮-金", "主宮-水"};
// clang-format on
inline constexpr int kFiveElementStagesItem = 4;         // 12運星: the ring of stages, no labels
inline constexpr int kFiveElementFirstRelationItem = 5;  // 主宮-木 … 主宮-水

// One label: its square relative to the drawing area, its text (lines split by "\n"), colours and
// font size in points.
struct DiagramLabel {
  PixelRect rect;
  std::string text;
  Rgb background = kBlack;
  Rgb text_colour = kBlack;
  int font_points = 0;
  bool operator==(const DiagramLabel&) const = default;
};

// The five labels of `item` for a window `window_width` wide over a drawing area `area_width`
// wide; none for the stages item. `relations` are the five relation names in use (主 洩 分 剋 生).
std::vector<DiagramLabel> FiveElementLabels(int item, int window_width, int area_width, const PanelColours& colours,
                                            const std::array<std::string, 5>& relations);

// The picture under the labels, for a drawing area `area_width` × `area_height`: the circle, then
// the two cycles of arrows or, for the stages item, the ring of the twelve stages.
CorrelationFigure FiveElementFigure(int item, int window_width, int area_width, int area_height,
                                    const PanelColours& colours);

}  // namespace kirvo
