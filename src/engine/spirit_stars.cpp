#include "engine/spirit_stars.h"

#include <optional>
#include <string_view>

#include "engine/spirit_star_tables.h"

namespace kirvo {

namespace {

inline constexpr double kDayHalfStartDegrees = 90;  // summer solstice
inline constexpr double kDayHalfEndDegrees = 270;   // winter solstice
inline constexpr Branch kDragon = 4, kDog = 10;     // 辰, 戌

constexpr std::array<NatalPillar, kNatalPillarCount> kAllPillars = {kYearPillar, kMonthPillar, kDayPillar, kHourPillar};

class SpiritStarMarker {
 public:
  SpiritStarMarker(const NatalPillars& natal, const SpiritStarRules& rules) : natal_(natal), rules_(rules) {}

  // Every present pillar that `SiSG` examines for `slot` and that the cell names.
  void MarkMatching(int slot, NamesInCell cell) {
    for (NatalPillar pillar : kAllPillars) MarkIfMatching(slot, pillar, cell);
  }
  void MarkIfMatching(int slot, NatalPillar pillar, NamesInCell cell) {
    const std::optional<Kanshi>& kanshi = natal_[pillar];
    if (kanshi && cell.NamePillar(*kanshi)) MarkIfLookedFor(slot, pillar);
  }
  void MarkIfLookedFor(int slot, NatalPillar pillar) {
    if (natal_[pillar] && rules_.looked_for[slot][pillar]) stars_.carried[slot][pillar] = true;
  }
  const SpiritStars& stars() const { return stars_; }

 private:
  const NatalPillars& natal_;
  const SpiritStarRules& rules_;
  SpiritStars stars_;
};

void MarkStemStars(SpiritStarMarker& marker, const NatalPillars& natal, DayNight day_night,
                   const SpiritStarRules& rules) {
  if (!natal[kDayPillar]) return;
  const Stem day_stem = natal[kDayPillar]->stem;
  for (int slot = kFirstStemStarSlot; slot <= kLastStemStarSlot; ++slot) {
    if (slot == kThreeWondersSlot) continue;
    // 天乙貴人 reads one character of its cell: the first by day, the second by night.
    const NamesInCell cell = slot == kHeavenlyNobleSlot
                                 ? rules.heavenly_noble[day_night == DayNight::kDay ? 0 : 1][day_stem]
                                 : rules.by_stem[slot][day_stem];
    marker.MarkMatching(slot, cell);
  }
  if (natal[kYearPillar] && natal[kMonthPillar] &&
      AreThreeWonders(natal[kYearPillar]->stem, natal[kMonthPillar]->stem, day_stem)) {
    for (NatalPillar pillar : kAllPillars) marker.MarkIfLookedFor(kThreeWondersSlot, pillar);
  }
}

void MarkMonthKeyedStars(SpiritStarMarker& marker, const NatalPillars& natal, const SpiritStarRules& rules) {
  if (!natal[kMonthPillar]) return;
  for (int slot = kFirstBranchStarSlot; slot <= kLastMonthKeyedSlot; ++slot) {
    marker.MarkMatching(slot, rules.by_branch[slot][natal[kMonthPillar]->branch]);
  }
}

// 魁…: a pillar on 辰 or 戌 whose own stem its branch's cell lists (庚辰, 壬辰, 戊戌, 庚戌 by default).
void MarkOwnBranchStar(SpiritStarMarker& marker, const NatalPillars& natal, const SpiritStarRules& rules) {
  for (NatalPillar pillar : kAllPillars) {
    const std::optional<Kanshi>& kanshi = natal[pillar];
    if (!kanshi || (kanshi->branch != kDragon && kanshi->branch != kDog)) continue;
    if (rules.by_branch[kOwnBranchSlot][kanshi->branch].NameStem(*kanshi))
      marker.MarkIfLookedFor(kOwnBranchSlot, pillar);
  }
}

// 咸池 .. 寡宿: the year pillar is read against the day branch's cell, the others against the year
// branch's cell.
void MarkYearKeyedStars(SpiritStarMarker& marker, const NatalPillars& natal, const SpiritStarRules& rules) {
  for (int slot = kFirstYearKeyedSlot; slot <= kLastSpiritStarSlot; ++slot) {
    if (natal[kDayPillar]) marker.MarkIfMatching(slot, kYearPillar, rules.by_branch[slot][natal[kDayPillar]->branch]);
    if (natal[kYearPillar]) {
      const NamesInCell cell = rules.by_branch[slot][natal[kYearPillar]->branch];
      for (NatalPillar pillar : {kMonthPillar, kDayPillar, kHourPillar}) marker.MarkIfMatching(slot, pillar, cell);
    }
  }
}

}  // namespace

DayNight DayNightOf(double sun_longitude_degrees) {
  const bool day = sun_longitude_degrees >= kDayHalfStartDegrees && sun_longitude_degrees < kDayHalfEndDegrees;
  return day ? DayNight::kDay : DayNight::kNight;
}

std::vector<int> SpiritStars::SlotsOf(NatalPillar pillar) const {
  std::vector<int> slots;
  for (int slot = 0; slot < kSpiritStarSlotCount; ++slot) {
    if (carried[slot][pillar]) slots.push_back(slot);
  }
  return slots;
}

SpiritStars SpiritStarStep(const NatalPillars& natal, DayNight day_night, const SpiritStarRules& rules) {
  SpiritStarMarker marker(natal, rules);
  MarkStemStars(marker, natal, day_night, rules);
  MarkMonthKeyedStars(marker, natal, rules);
  MarkOwnBranchStar(marker, natal, rules);
  MarkYearKeyedStars(marker, natal, rules);
  return marker.stars();
}

}  // namespace kirvo
