#include "engine/spirit_stars.h"

#include <optional>
#include <string_view>

#include "engine/spirit_star_tables.h"
#include "settings/usys_settings.h"

namespace kirvo {

namespace {

inline constexpr double kDayHalfStartDegrees = 90;  // summer solstice
inline constexpr double kDayHalfEndDegrees = 270;   // winter solstice
inline constexpr Branch kDragon = 4, kDog = 10;     // 辰, 戌

constexpr std::array<NatalPillar, kNatalPillarCount> kAllPillars = {kYearPillar, kMonthPillar, kDayPillar, kHourPillar};

class SpiritStarMarker {
 public:
  SpiritStarMarker(const NatalPillars& natal, const USysSettings& usys) : natal_(natal), usys_(usys) {}

  // Every present pillar that `SiSG` examines for `slot` and that matches `text`.
  void MarkMatching(int slot, std::string_view text) {
    for (NatalPillar pillar : kAllPillars) MarkIfMatching(slot, pillar, text);
  }
  void MarkIfMatching(int slot, NatalPillar pillar, std::string_view text) {
    const std::optional<Kanshi>& kanshi = natal_[pillar];
    if (kanshi && PillarOccursIn(*kanshi, text)) MarkIfLookedFor(slot, pillar);
  }
  void MarkIfLookedFor(int slot, NatalPillar pillar) {
    if (natal_[pillar] && IsSpiritStarLookedFor(usys_, slot, pillar)) stars_.carried[slot][pillar] = true;
  }
  const SpiritStars& stars() const { return stars_; }

 private:
  const NatalPillars& natal_;
  const USysSettings& usys_;
  SpiritStars stars_;
};

void MarkStemStars(SpiritStarMarker& marker, const NatalPillars& natal, DayNight day_night, const USysSettings& usys) {
  if (!natal[kDayPillar]) return;
  const Stem day_stem = natal[kDayPillar]->stem;
  for (int slot = kFirstStemStarSlot; slot <= kLastStemStarSlot; ++slot) {
    if (slot == kThreeWondersSlot) continue;
    std::string_view text = StemStarCell(usys, slot, day_stem);
    if (slot == kHeavenlyNobleSlot) text = CharacterAt(text, day_night == DayNight::kDay ? 0 : 1);
    marker.MarkMatching(slot, text);
  }
  if (natal[kYearPillar] && natal[kMonthPillar] &&
      AreThreeWonders(natal[kYearPillar]->stem, natal[kMonthPillar]->stem, day_stem)) {
    for (NatalPillar pillar : kAllPillars) marker.MarkIfLookedFor(kThreeWondersSlot, pillar);
  }
}

void MarkMonthKeyedStars(SpiritStarMarker& marker, const NatalPillars& natal, const USysSettings& usys) {
  if (!natal[kMonthPillar]) return;
  for (int slot = kFirstBranchStarSlot; slot <= kLastMonthKeyedSlot; ++slot) {
    marker.MarkMatching(slot, BranchStarCell(usys, slot, natal[kMonthPillar]->branch));
  }
}

// 魁…: a pillar on 辰 or 戌 whose own stem its branch's cell lists (庚辰, 壬辰, 戊戌, 庚戌 by default).
void MarkOwnBranchStar(SpiritStarMarker& marker, const NatalPillars& natal, const USysSettings& usys) {
  for (NatalPillar pillar : kAllPillars) {
    const std::optional<Kanshi>& kanshi = natal[pillar];
    if (!kanshi || (kanshi->branch != kDragon && kanshi->branch != kDog)) continue;
    if (StemOccursIn(*kanshi, BranchStarCell(usys, kOwnBranchSlot, kanshi->branch))) {
      marker.MarkIfLookedFor(kOwnBranchSlot, pillar);
    }
  }
}

// 咸池 .. 寡宿: the year pillar is read against the day branch's cell, the others against the year
// branch's cell.
void MarkYearKeyedStars(SpiritStarMarker& marker, const NatalPillars& natal, const USysSettings& usys) {
  for (int slot = kFirstYearKeyedSlot; slot <= kLastSpiritStarSlot; ++slot) {
    if (natal[kDayPillar]) {
      marker.MarkIfMatching(slot, kYearPillar, BranchStarCell(usys, slot, natal[kDayPillar]->branch));
    }
    if (natal[kYearPillar]) {
      const std::string& text = BranchStarCell(usys, slot, natal[kYearPillar]->branch);
      for (NatalPillar pillar : {kMonthPillar, kDayPillar, kHourPillar}) marker.MarkIfMatching(slot, pillar, text);
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

SpiritStars SpiritStarStep(const NatalPillars& natal, DayNight day_night, const USysSettings& usys) {
  SpiritStarMarker marker(natal, usys);
  MarkStemStars(marker, natal, day_night, usys);
  MarkMonthKeyedStars(marker, natal, usys);
  MarkOwnBranchStar(marker, natal, usys);
  MarkYearKeyedStars(marker, natal, usys);
  return marker.stars();
}

}  // namespace kirvo
