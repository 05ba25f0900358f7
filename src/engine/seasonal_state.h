#pragma once

#include "calendar/sexagenary.h"

namespace kirvo {

// The state of an element in a season (旺相休囚死, index into kSeasonalStateNames): with the season's
// element (春 木, 夏 火, 秋 金, 冬 水, 土用 土) and d = (season element − element + 5) mod 5 over
// 木火土金水: 旺 for d = 0, 相 1, 囚 2, 死 3, 休 4 — so in spring 水 is 相 and 火 is 休.
// `season_index` 0..4; `element` 0..4.
int SeasonalStateOf(int season_index, Element element);

}  // namespace kirvo
