#include <algorithm>
#include <string>

#include "engine/analysis_steps.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kFirstLuckColumn = board::kRunningHour;  // 1; column 0 is scratch
inline constexpr BoardColumn kLastColumn = board::kYear;              // 9

struct RootRules {
  RootRule where = RootRule::kInHiddenStems;  // `TRG`: where a stem looks for its roots
  bool only_stem_in_force = false;            // `RCB`: a hidden stem not in force roots nothing
  const ElementGroups& groups;
};

// Whether column `j` roots a stem of element `element` (an element 0..4). A removed branch or
// hidden stem roots nothing; under 蔵干 the hidden stems are tried 余気, 中気, 本気.
bool Roots(const ChartBoard& board, BoardColumn j, Element element, const RootRules& rules) {
  if (rules.where == RootRule::kInBranches) {
    const ChartCell& branch = board(j, board::kWorkBranch);
    return branch.ZSet != Mark::kRemoved && rules.groups.Of(branch.Text) == element;
  }
  for (int k = 0; k < 3; ++k) {
    if (rules.only_stem_in_force && board(j, board::kHidden1 + k).ZSet == Mark::kNone) continue;
    const ChartCell& hidden = board(j, board::kWorkHidden1 + k);
    if (hidden.ZSet != Mark::kRemoved && rules.groups.Of(hidden.Text) == element) return true;
  }
  return false;
}

}  // namespace

// A stem is rooted (通根) in every pillar taking part whose branch, or one of whose hidden stems,
// shares its element; its own pillar counts. The roots text lists the pillar numbers, highest first.
void RootsStep(ChartBoard& board, LuckRange range, bool hour_known, const ChartRules& rules) {
  const RootRules root_rules{rules.read.roots, rules.read.only_hidden_stem_in_force,
                             ElementGroups::For(TenGodNamingRow(rules.sys))};
  const bool no_change = rules.read.no_change;
  const BoardColumn first = std::clamp(FirstColumnTakingPart(range), kFirstLuckColumn, board::kHour);
  const auto absent = [&](BoardColumn column) { return column == board::kHour && !hour_known; };

  // Columns not taking part keep no roots text from an earlier run with a wider range.
  for (BoardColumn column = kFirstLuckColumn; column < first; ++column) board(column, board::kRoots).Text.clear();

  for (BoardColumn i = first; i <= kLastColumn; ++i) {
    ChartCell& roots = board(i, board::kRoots);
    if (no_change) roots.ZSet = Mark::kNone;
    std::string text;
    const Element element = root_rules.groups.Of(board(i, board::kWorkStem).Text);
    for (BoardColumn j = first; j <= kLastColumn && element != kNoElement && !absent(i); ++j) {
      if (!absent(j) && Roots(board, j, element, root_rules)) text += std::to_string(board::PillarNumber(j));
    }
    roots.Text = text;
    if (!text.empty() && roots.ZSet != Mark::kRemoved) roots.ZSet = Mark::kInForce;
  }
}

}  // namespace kirvo
