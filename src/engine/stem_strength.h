#pragma once

#include <cstdint>
#include <string_view>

#include "engine/chart_board.h"

namespace kirvo {

// 進 混 退: how a pillar's stem stands on its own branch, by how many of the branch's three hidden
// stems (rows 4 to 6) support the stem's element (same element or generating it).
struct StemStrength {
  std::string_view text;  // "進", "混" or "退"
  std::int32_t code = 0;  // the class that decides who may overcome whom (higher is stronger)
};

// The strength of the stem of `column`. Classes: 4 進 (all three support), 3 混, 2 退 (none
// supports). The day column is ranked on its own scale: 5 進, 1 退, and for 混 4 when the day
// branch's hidden stem at the month pillar's depth supports the day stem, else 3. A hidden stem
// cell without a stem supports nothing.
StemStrength StemStrengthOf(const ChartBoard& board, BoardColumn column);

}  // namespace kirvo
