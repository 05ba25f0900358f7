#pragma once

#include <optional>

#include "engine/natal_pillars.h"

namespace kirvo {

// The special patterns read from the natal pillars alone. Each gives its pattern index (see
// patterns.h) or nothing; an absent pillar matches no rule and counts in no tally.

// 化格 (16..20): the day stem and the month or hour stem form a stem combination: 丁壬 化木,
// 戊癸 化火, 甲己 化土, 乙庚 化金, 丙辛 化水.
std::optional<int> TransformationPattern(const NatalPillars& natal);

// One-element patterns (21..25) by the day stem's element, when the branches hold a whole
// directional or three-harmony group of it: 木 寅卯辰 or 亥卯未 曲直; 火 巳午未 or 寅午戌 炎上; 金
// 申酉戌 or 巳酉丑 従革; 水 亥子丑 or 申子辰 潤下; 土 all of 辰戌丑未 稼穡.
std::optional<int> OneElementPattern(const NatalPillars& natal);

// 両神成象格 (26): exactly two elements hold two stems each; failing that, counting the branches
// too, exactly two elements hold three characters each, or else exactly two hold four.
bool IsTwoElementPattern(const NatalPillars& natal);

// 暗衝格 (27): a day pillar 丙午 丁巳 庚子 壬子 辛亥 or 癸亥 whose branch stands three times or more
// among the branches. 暗合格 (28): the same with a day pillar 甲辰 戊戌 癸卯 or 癸酉.
bool IsHiddenClashPattern(const NatalPillars& natal);
bool IsHiddenCombinationPattern(const NatalPillars& natal);

}  // namespace kirvo
