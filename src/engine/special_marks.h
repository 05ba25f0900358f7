#pragma once

#include <string>

#include "calendar/sexagenary.h"

namespace kirvo {

// The special marks (特殊) of one pillar set against the day pillar, as one text:
// - with `four_special_pillars` (`SsnCB`), the mark of each of the four special pillars equal to it;
// - when its branch is one of the day pillar's void branches, "真" or "半" instead of all that;
// - for a running-luck or major-luck pillar (`running_luck`): "反" for the day pillar itself, "天"
//   for the day stem over a branch clashing with the day branch, "伏" for a stem overcoming the day
//   stem over such a branch, "晦" for a stem and branch both combining with the day pillar (not
//   with `four_special_pillars`).
// `pillar.stem` may be kNoStem (a cell without a stem): only the void mark can then apply.
std::string SpecialMarksOf(Kanshi pillar, Kanshi day, bool running_luck, bool four_special_pillars);

}  // namespace kirvo
