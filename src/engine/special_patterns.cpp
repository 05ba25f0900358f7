#include "engine/special_patterns.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "engine/patterns.h"

namespace kirvo {

namespace {

struct StemCombination {
  Stem first, second;
  Element transformed;
};
// 干合 and the element each pair transforms into.
constexpr std::array<StemCombination, 5> kStemCombinations = {{
    {3, 8, 0},  // 丁壬 → 木
    {4, 9, 1},  // 戊癸 → 火
    {0, 5, 2},  // 甲己 → 土
    {1, 6, 3},  // 乙庚 → 金
    {2, 7, 4},  // 丙辛 → 水
}};

struct OneElementRule {
  Element element;
  std::string_view group, other_group;  // all branches of either must be present
  int pattern;
};
constexpr std::array<OneElementRule, 5> kOneElementRules = {{
    {0, "寅卯辰", "亥卯未", pattern::kStraight},
    {1, "巳午未", "寅午戌", pattern::kBlazing},
    {3, "申酉戌", "巳酉丑", pattern::kReforming},
    {4, "亥子丑", "申子辰", pattern::kSoaking},
    {2, "辰戌丑未", "", pattern::kFarming},
}};

// Day pillars whose branch, repeated, forms the hidden clash or the hidden combination.
constexpr std::array<Kanshi, 6> kHiddenClashDays = {{
    {2, 6}, {3, 5}, {6, 0}, {8, 0}, {7, 11}, {9, 11},  // 丙午 丁巳 庚子 壬子 辛亥 癸亥
}};
constexpr std::array<Kanshi, 4> kHiddenCombinationDays = {{
    {0, 4}, {4, 10}, {9, 3}, {9, 9},  // 甲辰 戊戌 癸卯 癸酉
}};
inline constexpr int kRepeatedDayBranchCount = 3;

constexpr std::array<NatalPillar, kNatalPillarCount> kAllPillars = {kYearPillar, kMonthPillar, kDayPillar, kHourPillar};

std::string BranchNamesPresent(const NatalPillars& natal) {
  std::string names;
  for (NatalPillar pillar : kAllPillars) {
    if (natal[pillar]) names += kBranchNames[natal[pillar]->branch];
  }
  return names;
}

// Every character of `group` occurs in `names`; an empty group never holds.
bool HoldsWholeGroup(std::string_view names, std::string_view group) {
  if (group.empty()) return false;
  constexpr std::size_t kNameBytes = 3;  // a branch name in UTF-8
  for (std::size_t at = 0; at < group.size(); at += kNameBytes) {
    if (names.find(group.substr(at, kNameBytes)) == std::string_view::npos) return false;
  }
  return true;
}

using ElementCounts = std::array<int, 5>;

bool ExactlyTwoElementsCount(const ElementCounts& counts, int count) {
  return std::count(counts.begin(), counts.end(), count) == 2;
}

bool DayBranchRepeated(const NatalPillars& natal, const Kanshi& day) {
  int repeats = 0;
  for (NatalPillar pillar : kAllPillars) {
    if (natal[pillar] && natal[pillar]->branch == day.branch) ++repeats;
  }
  return repeats >= kRepeatedDayBranchCount;
}

template <std::size_t N>
bool IsRepeatedDayPattern(const NatalPillars& natal, const std::array<Kanshi, N>& days) {
  const std::optional<Kanshi>& day = natal[kDayPillar];
  if (!day || std::find(days.begin(), days.end(), *day) == days.end()) return false;
  return DayBranchRepeated(natal, *day);
}

}  // namespace

std::optional<int> TransformationPattern(const NatalPillars& natal) {
  const std::optional<Kanshi>& day = natal[kDayPillar];
  if (!day) return std::nullopt;
  for (NatalPillar partner : {kMonthPillar, kHourPillar}) {
    if (!natal[partner]) continue;
    const Stem other = natal[partner]->stem;
    for (const StemCombination& combination : kStemCombinations) {
      if ((day->stem == combination.first && other == combination.second) ||
          (day->stem == combination.second && other == combination.first)) {
        return pattern::kFirstTransformation + combination.transformed;
      }
    }
  }
  return std::nullopt;
}

std::optional<int> OneElementPattern(const NatalPillars& natal) {
  const std::optional<Kanshi>& day = natal[kDayPillar];
  if (!day) return std::nullopt;
  const std::string branches = BranchNamesPresent(natal);
  for (const OneElementRule& rule : kOneElementRules) {
    if (rule.element != ElementOfStem(day->stem)) continue;
    if (HoldsWholeGroup(branches, rule.group) || HoldsWholeGroup(branches, rule.other_group)) return rule.pattern;
  }
  return std::nullopt;
}

bool IsTwoElementPattern(const NatalPillars& natal) {
  ElementCounts counts{};
  for (NatalPillar pillar : kAllPillars) {
    if (natal[pillar]) ++counts[ElementOfStem(natal[pillar]->stem)];
  }
  if (ExactlyTwoElementsCount(counts, 2)) return true;
  for (NatalPillar pillar : kAllPillars) {
    if (natal[pillar]) ++counts[ElementOfBranch(natal[pillar]->branch)];
  }
  return ExactlyTwoElementsCount(counts, 3) || ExactlyTwoElementsCount(counts, 4);
}

bool IsHiddenClashPattern(const NatalPillars& natal) { return IsRepeatedDayPattern(natal, kHiddenClashDays); }

bool IsHiddenCombinationPattern(const NatalPillars& natal) {
  return IsRepeatedDayPattern(natal, kHiddenCombinationDays);
}

}  // namespace kirvo
