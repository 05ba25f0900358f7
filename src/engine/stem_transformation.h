#pragma once

#include "calendar/sexagenary.h"
#include "engine/chart_board.h"
#include "settings/usys_keys.h"

namespace kirvo {

// What the transformation test reads besides the board.
struct TransformationContext {
  TransformationRule rule{};            // `KaRG`: what makes a stem combination transform (化)
  Element season_element = kNoElement;  // element of the birth season
  bool hour_known = true;
};

// Whether the combination of the stems of columns `first` and `second` (either order) transforms
// into `element`:
// - 季節で取る: the element is the season's; year-hour, month-hour and year-day never transform,
//   and year-month only when both its stems also stand on the day and hour pillars;
// - 生助で取る: the month's commanding hidden stem supports the element, or the pair is the month
//   pillar with a running-luck pillar, or two running-luck pillars;
// - 地支助で取る: the element is that of the month branch.
bool CombinationTransforms(const ChartBoard& board, BoardColumn first, BoardColumn second, Element element,
                           const TransformationContext& context);

}  // namespace kirvo
