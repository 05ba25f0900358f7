#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/rgb_colour.h"
#include "settings/sys_colours.h"
#include "settings/text_table.h"
#include "settings/usys_keys.h"

namespace kirvo {

// The five-element graph (五行): a circle of the five rows of the five-element table (主 洩 分 剋
// 生), by strength (力量) or by composition (構成).

enum class ElementGraphMode { kStrength, kComposition };

// The mode the graph takes when the main window becomes active: 構成 when `RRG` weighs by the
// totals, else 力量.
ElementGraphMode ElementGraphModeOf(ForwardBackwardValue rrg);
// A click on the graph: the other mode.
ElementGraphMode Toggled(ElementGraphMode mode);
// "力量" or "構成".
std::string_view ElementGraphCaption(ElementGraphMode mode);

inline constexpr std::size_t kElementGraphItems = 5;

struct ElementGraph {
  std::array<int, kElementGraphItems> values{};   // the row's 力量 or 構成 × 100, truncated
  std::array<Rgb, kElementGraphItems> colours{};  // the colour of the row's element
  std::string caption;
  bool operator==(const ElementGraph&) const = default;
};

// The graph of the five-element table `SG2` (rows 1..5; column 2 the element, 3 力量, 4 構成)
// in `mode`, with the element colours `CP0`..`CP4`. Nothing before a chart filled the table
// (力量 of row 1 empty).
std::optional<ElementGraph> ElementGraphOf(const TextTable& sg2, ElementGraphMode mode, const PanelColours& colours);

// A number as the table shows it ("42.25", "28.9") times 100, truncated toward zero; read from its
// digits, so that "28.9" gives 2890 where a binary product would fall just short. A text that is
// no such number gives 0.
int HundredthsOf(std::string_view number_text);

}  // namespace kirvo
