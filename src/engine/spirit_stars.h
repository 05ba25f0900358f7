#pragma once

#include <array>
#include <vector>

#include "engine/natal_pillars.h"
#include "settings/spirit_star_slots.h"

namespace kirvo {

struct SpiritStarRules;

// Which half of the year the birth falls in, choosing the character of the 天乙貴人 cell: the
// first for kDay (sun longitude 90° to below 270°, summer solstice to winter solstice), the second
// for kNight.
enum class DayNight { kNight = 0, kDay = 1 };
DayNight DayNightOf(double sun_longitude_degrees);

// The spirit stars (神殺) each natal pillar carries, by slot 0..39 (slots 0 and 19 are never set).
struct SpiritStars {
  std::array<std::array<bool, kNatalPillarCount>, kSpiritStarSlotCount> carried{};  // [slot][pillar]

  bool Carries(int slot, NatalPillar pillar) const { return carried[slot][pillar]; }
  // The slots `pillar` carries, in slot order.
  std::vector<int> SlotsOf(NatalPillar pillar) const;
  bool operator==(const SpiritStars&) const = default;
};

// The spirit stars of the natal pillars under the tables `SiSG`, `SKSG` and `SSSG` (as read into
// `rules`). An absent pillar (the hour when it is not known) carries none and keys no table.
SpiritStars SpiritStarStep(const NatalPillars& natal, DayNight day_night, const SpiritStarRules& rules);

}  // namespace kirvo
