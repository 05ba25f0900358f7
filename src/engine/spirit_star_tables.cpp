#include "engine/spirit_star_tables.h"

#include <array>

#include "platform/utf8.h"
#include "settings/usys_settings.h"

namespace kirvo {

namespace {

inline constexpr std::string_view kLookedFor = "1";
inline constexpr int kBranchTableRowOffset = 19;  // `SSSG` row r holds slot r + 19

struct ThreeWonders {
  Stem year, month, day;
};
// 三奇 as the year, month and day stems: the runs 乙丙丁, 甲戊庚 and 壬癸辛 read from the day pillar
// back to the year pillar.
constexpr std::array<ThreeWonders, 3> kThreeWonders = {{
    {3, 2, 1},  // 丁 丙 乙
    {6, 4, 0},  // 庚 戊 甲
    {7, 9, 8},  // 辛 癸 壬
}};

}  // namespace

bool IsSpiritStarLookedFor(const USysSettings& usys, int slot, NatalPillar pillar) {
  return usys.Cell(USysTable::SiSG, static_cast<std::size_t>(pillar) + 1, static_cast<std::size_t>(slot)) == kLookedFor;
}

const std::string& StemStarCell(const USysSettings& usys, int slot, Stem reference) {
  return usys.Cell(USysTable::SKSG, static_cast<std::size_t>(reference) + 1, static_cast<std::size_t>(slot));
}

const std::string& BranchStarCell(const USysSettings& usys, int slot, Branch reference) {
  return usys.Cell(USysTable::SSSG, static_cast<std::size_t>(reference) + 1,
                   static_cast<std::size_t>(slot - kBranchTableRowOffset));
}

bool StemOccursIn(const Kanshi& pillar, std::string_view text) {
  return text.find(kStemNames[pillar.stem]) != std::string_view::npos;
}

bool PillarOccursIn(const Kanshi& pillar, std::string_view text) {
  return StemOccursIn(pillar, text) || text.find(kBranchNames[pillar.branch]) != std::string_view::npos;
}

bool AreThreeWonders(Stem year, Stem month, Stem day) {
  for (const ThreeWonders& wonders : kThreeWonders) {
    if (wonders.year == year && wonders.month == month && wonders.day == day) return true;
  }
  return false;
}

std::string_view CharacterAt(std::string_view text, int index) {
  std::size_t at = 0;
  for (int skipped = 0; skipped < index && at < text.size(); ++skipped) at += DecodeUtf8Char(text, at).length;
  if (at >= text.size()) return {};
  return text.substr(at, DecodeUtf8Char(text, at).length);
}

NamesInCell NamesInCell::Of(std::string_view text) {
  NamesInCell names;
  for (Stem stem = 0; stem < 10; ++stem) {
    if (text.find(kStemNames[stem]) != std::string_view::npos) names.stems |= static_cast<std::uint16_t>(1U << stem);
  }
  for (Branch branch = 0; branch < 12; ++branch) {
    if (text.find(kBranchNames[branch]) != std::string_view::npos) {
      names.branches |= static_cast<std::uint16_t>(1U << branch);
    }
  }
  return names;
}

SpiritStarRules ReadSpiritStarRules(const USysSettings& usys) {
  SpiritStarRules rules;
  for (int slot = 0; slot < kSpiritStarSlotCount; ++slot) {
    for (int pillar = 0; pillar < kNatalPillarCount; ++pillar) {
      rules.looked_for[slot][pillar] = IsSpiritStarLookedFor(usys, slot, static_cast<NatalPillar>(pillar));
    }
  }
  for (int slot = kFirstStemStarSlot; slot <= kLastStemStarSlot; ++slot) {
    for (Stem stem = 0; stem < 10; ++stem) rules.by_stem[slot][stem] = NamesInCell::Of(StemStarCell(usys, slot, stem));
  }
  for (Stem stem = 0; stem < 10; ++stem) {
    const std::string& cell = StemStarCell(usys, kHeavenlyNobleSlot, stem);
    for (int character = 0; character < 2; ++character) {
      rules.heavenly_noble[character][stem] = NamesInCell::Of(CharacterAt(cell, character));
    }
  }
  for (int slot = kFirstBranchStarSlot; slot <= kLastSpiritStarSlot; ++slot) {
    for (Branch branch = 0; branch < 12; ++branch) {
      rules.by_branch[slot][branch] = NamesInCell::Of(BranchStarCell(usys, slot, branch));
    }
  }
  return rules;
}

}  // namespace kirvo
