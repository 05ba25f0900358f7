#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/sexagenary.h"
#include "engine/natal_pillars.h"
#include "settings/spirit_star_slots.h"

namespace kirvo {

class USysSettings;

// How the spirit-star slots are looked up. Stem stars (slots 1..18) are keyed by the day stem in
// `SKSG`; branch stars (slots 20..39) by a branch in `SSSG`, which branch depending on the slot.
inline constexpr int kFirstStemStarSlot = 1, kLastStemStarSlot = 18;
inline constexpr int kHeavenlyNobleSlot = 2;  // 天乙貴人: one character of its cell, by the half of the year
inline constexpr int kThreeWondersSlot = 8;   // 三奇貴人: by the three-stem rule, not by its cell
inline constexpr int kFirstBranchStarSlot = 20;
inline constexpr int kLastMonthKeyedSlot = 32;  // 天徳 .. 駅馬: keyed by the month branch
inline constexpr int kOwnBranchSlot = 33;       // 魁…: keyed by the pillar's own branch, for 辰 and 戌 only
// 咸池 .. 寡宿: the year pillar keyed by the day branch, the others by the year branch.
inline constexpr int kFirstYearKeyedSlot = 34;
inline constexpr int kLastSpiritStarSlot = 39;
static_assert(kOwnBranchSlot == kGaijiSlot);

// Whether `SiSG` looks for the star of `slot` on `pillar`: its cell reads exactly "1".
bool IsSpiritStarLookedFor(const USysSettings& usys, int slot, NatalPillar pillar);

// The `SKSG` cell of stem-star `slot` (1..18) for the reference stem: column stem + 1, row slot.
const std::string& StemStarCell(const USysSettings& usys, int slot, Stem reference);

// The `SSSG` cell of branch-star `slot` (20..39) for the reference branch: column branch + 1, row
// slot − 19.
const std::string& BranchStarCell(const USysSettings& usys, int slot, Branch reference);

// The stems and branches whose names occur in a cell.
struct NamesInCell {
  std::uint16_t stems = 0;     // bit s: kStemNames[s] occurs
  std::uint16_t branches = 0;  // bit b: kBranchNames[b] occurs

  static NamesInCell Of(std::string_view text);
  // PillarOccursIn and StemOccursIn of the cell.
  bool NamePillar(const Kanshi& pillar) const { return NameStem(pillar) || (branches >> pillar.branch & 1U) != 0; }
  bool NameStem(const Kanshi& pillar) const { return (stems >> pillar.stem & 1U) != 0; }
};

// The three spirit-star tables as the step reads them, taken once from the rule settings.
struct SpiritStarRules {
  // `SiSG`: IsSpiritStarLookedFor, [slot][pillar].
  std::array<std::array<bool, kNatalPillarCount>, kSpiritStarSlotCount> looked_for{};
  // `SKSG`: the names in StemStarCell, [slot][reference stem]; for 天乙貴人 the names of its first
  // (kDay) and second (kNight) character as well, [character][reference stem].
  std::array<std::array<NamesInCell, 10>, kSpiritStarSlotCount> by_stem{};
  std::array<std::array<NamesInCell, 10>, 2> heavenly_noble{};
  // `SSSG`: the names in BranchStarCell, [slot][reference branch].
  std::array<std::array<NamesInCell, 12>, kSpiritStarSlotCount> by_branch{};
};
SpiritStarRules ReadSpiritStarRules(const USysSettings& usys);

// True when the pillar's stem name or branch name occurs in `text`; an empty text matches nothing.
bool PillarOccursIn(const Kanshi& pillar, std::string_view text);
// True when the pillar's stem name occurs in `text`.
bool StemOccursIn(const Kanshi& pillar, std::string_view text);

// The three wonders (三奇): the year, month and day stems run 丁丙乙, 庚戊甲 or 辛癸壬.
bool AreThreeWonders(Stem year, Stem month, Stem day);

// Character `index` (from 0) of a UTF-8 text; empty past its end.
std::string_view CharacterAt(std::string_view text, int index);

}  // namespace kirvo
