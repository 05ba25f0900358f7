#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kirvo {

using Stem = int;     // 0..9, 甲..癸; 10 = no stem
using Branch = int;   // 0..11, 子..亥
using Element = int;  // 0..4, 木火土金水; 5 = no element
using SolarTerm = int;  // 0..23, term k at sun longitude (270 + 15k) mod 360

inline constexpr Stem kNoStem = 10;
inline constexpr Element kNoElement = 5;

inline constexpr std::array<std::string_view, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchNames = {"子", "丑", "寅", "卯", "辰", "巳",
                                                                  "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 6> kElementNames = {"木", "火", "土", "金", "水", ""};
inline constexpr std::array<std::string_view, 24> kSolarTermNames = {
    "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種",
    "夏至", "小暑", "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};
inline constexpr std::array<std::string_view, 5> kSeasonNames = {"春月:木", "夏月:火", "秋月:金", "冬月:水", "土用:土"};
inline constexpr std::array<std::string_view, 5> kSeasonalStateNames = {"旺", "相", "休", "囚", "死"};
inline constexpr std::array<std::string_view, 2> kLuckDirectionNames = {"順", "逆"};
inline constexpr std::array<std::string_view, 2> kBalanceClassNames = {"内格", "外格"};

// Lengths of the luck periods in days: decade, year, month, day, double-hour. The period index is
// also the unit of moment stepping and of depth periods.
inline constexpr std::array<double, 5> kPeriodLengthDays = {3652.5, 365.25, 30.59, 1.0, 1.0 / 12.0};

// Yang (陽) for an even index, yin (陰) for an odd one; stems and branches alike.
constexpr bool IsYang(int index) { return index % 2 == 0; }

constexpr Element ElementOfStem(Stem stem) { return stem / 2; }
constexpr Element ElementOfBranch(Branch branch) {
  constexpr std::array<Element, 12> kBranchElements = {
      // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
      4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4};
  return kBranchElements[branch];
}

// A stem and branch of equal polarity: one of the sixty pairs of the cycle.
struct Kanshi {
  Stem stem = 0;
  Branch branch = 0;

  // Advances (or, for negative k, goes back) stem and branch each by k within their cycles.
  constexpr Kanshi Advanced(int k) const {
    return {((stem + k) % 10 + 10) % 10, ((branch + k) % 12 + 12) % 12};
  }
  std::string Text() const;
  constexpr bool operator==(const Kanshi&) const = default;
};

// The i in 0..59 with i mod 10 = stem and i mod 12 = branch (0 甲子 ... 59 癸亥), or -1 when the
// stem and branch differ in polarity and so form no pair of the cycle.
constexpr int CycleIndex(Stem stem, Branch branch) {
  if ((stem - branch) % 2 != 0) return -1;
  return (6 * stem - 5 * branch + 60) % 60;
}
constexpr Kanshi KanshiOfCycleIndex(int index) { return {index % 10, index % 12}; }

// Stem and branch names by their bytes. Every one is a three-byte character, and its three bytes
// as one number leave a remainder by 69 that no other name shares, so a text is looked up in one
// slot of a table instead of compared with every name in turn. The lookups run for every cell of
// every chart, so they are inline.
namespace name_slots {

constexpr unsigned CharacterCode(std::string_view name) {
  return static_cast<unsigned>(static_cast<unsigned char>(name[0])) << 16 |
         static_cast<unsigned>(static_cast<unsigned char>(name[1])) << 8 | static_cast<unsigned char>(name[2]);
}

struct Slot {
  unsigned code = 0;
  int stem = -1;
  int branch = -1;
};

inline constexpr unsigned kSlotCount = 69;

inline constexpr std::array<Slot, kSlotCount> kSlots = [] {
  std::array<Slot, kSlotCount> table;
  for (Slot& slot : table) slot = Slot{0, -1, -1};
  const auto place = [&table](std::string_view name) -> Slot& {
    if (name.size() != 3) throw "a name is not one three-byte character";
    const unsigned code = CharacterCode(name);
    Slot& slot = table[code % kSlotCount];
    if (slot.code != 0) throw "two names share a slot";
    slot.code = code;
    return slot;
  };
  for (int stem = 0; stem < 10; ++stem) place(kStemNames[stem]).stem = stem;
  for (int branch = 0; branch < 12; ++branch) place(kBranchNames[branch]).branch = branch;
  return table;
}();

inline const Slot* SlotOf(std::string_view text) {
  if (text.size() != 3) return nullptr;
  const unsigned code = CharacterCode(text);
  const Slot& slot = kSlots[code % kSlotCount];
  return slot.code == code ? &slot : nullptr;
}

}  // namespace name_slots

// The stem (0..9) of an exact stem name; none for anything else, the empty text included, so that
// no caller reads an unknown text as 甲 or indexes a table with it.
inline std::optional<Stem> StemIndexOf(std::string_view text) {
  const name_slots::Slot* slot = name_slots::SlotOf(text);
  if (slot == nullptr || slot->stem < 0) return std::nullopt;
  return slot->stem;
}
// The branch (0..11) of an exact branch name; none for anything else, so that an unknown text never
// reads as 子.
inline std::optional<Branch> BranchIndexOf(std::string_view text) {
  const name_slots::Slot* slot = name_slots::SlotOf(text);
  if (slot == nullptr || slot->branch < 0) return std::nullopt;
  return slot->branch;
}

// The ten ten-god display names in their fixed order (比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印
// 印綬 by default); the system settings may rename them.
using TenGodNames = std::array<std::string, 10>;
const TenGodNames& DefaultTenGodNames();

// The element colour group of a text: 0..4 when the text is a substring of that element's group
// text (its element, stems, branches and two ten-god names), 5 for none or the empty text.
Element ElementGroupOf(std::string_view text, const TenGodNames& ten_god_names);

// The same lookup for many texts under one set of names: the group texts are built once, and the
// stem and branch names, which most cells hold, are answered from a table.
class ElementGroups {
 public:
  explicit ElementGroups(const TenGodNames& ten_god_names);
  // The groups of a set of names, built again only when the names differ from this thread's last
  // call's. A value: the tables it shares are never changed, so a later call with other names
  // cannot change it, and handing it out copies no text.
  static ElementGroups For(const TenGodNames& ten_god_names);
  Element Of(std::string_view text) const {
    // Stem and branch names fill most cells, digits the number tables; both are answered from a
    // table, inline, as every cell of every chart is coloured.
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 0x80) return tables_->ascii_groups[text[0]];
    if (const name_slots::Slot* slot = name_slots::SlotOf(text)) {
      return slot->stem >= 0 ? tables_->stem_groups[slot->stem] : tables_->branch_groups[slot->branch];
    }
    return Search(text);
  }
  // The same for a text that is exactly the one (valid) character `code_point`.
  Element OfCharacter(char32_t code_point) const;

 private:
  struct Tables {
    TenGodNames names;
    std::array<std::string, 5> groups;
    std::array<Element, 10> stem_groups{};
    std::array<Element, 12> branch_groups{};
    std::array<Element, 128> ascii_groups{};  // of each one-character ASCII text
    // Every character of the group texts with the first group holding it, by code point.
    std::vector<std::pair<char32_t, Element>> characters;
  };
  Element Search(std::string_view text) const;
  std::shared_ptr<const Tables> tables_;
};

}  // namespace kirvo
