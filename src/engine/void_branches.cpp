#include "engine/void_branches.h"

#include "calendar/sexagenary.h"

namespace kirvo {

namespace {

// The void pair of each decade (旬), by the branch of its 甲 pillar: 甲子旬, 甲寅旬, 甲辰旬, 甲午旬,
// 甲申旬, 甲戌旬. A decade covers ten branches from its 甲 branch on; the next two are void.
constexpr std::array<std::string_view, 6> kVoidPairByDecadeHead = {"戌亥", "子丑", "寅卯", "辰巳", "午未", "申酉"};

}  // namespace

std::string VoidBranchesOf(std::string_view day_stem_text, std::string_view day_branch_text) {
  const std::optional<Stem> stem = StemIndexOf(day_stem_text);
  const std::optional<Branch> branch = BranchIndexOf(day_branch_text);
  if (!stem || !branch) return {};
  const int head = *branch - *stem;  // branch of the decade's 甲 pillar, -9..11
  if (head % 2 != 0) return {};     // no pillar of the cycle
  return std::string(kVoidPairByDecadeHead[((head + 12) % 12) / 2]);
}

std::optional<VoidKind> VoidKindOf(std::string_view void_text, std::string_view pillar_branch_text,
                                   std::string_view day_stem_text) {
  const std::optional<Branch> branch = BranchIndexOf(pillar_branch_text);
  const std::optional<Stem> stem = StemIndexOf(day_stem_text);
  if (!branch || !stem || void_text.find(pillar_branch_text) == std::string_view::npos) return std::nullopt;
  return IsYang(*branch) == IsYang(*stem) ? VoidKind::kTrue : VoidKind::kHalf;
}

}  // namespace kirvo
