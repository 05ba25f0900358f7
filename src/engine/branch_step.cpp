#include <algorithm>

#include "engine/analysis_steps.h"
#include "engine/branch_relations.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;

// Everything the step writes: the relation rows 24 to 29, and the working hidden stems, which go
// back to their first copies (rows 4 to 6) so that a rerun starts from the same stems.
void ClearBranchRows(ChartBoard& board) {
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    for (int row = board::kBranchCombine; row <= board::kDirectional; ++row) {
      ChartCell& cell = board(column, row);
      cell.Text.clear();
      cell.Code = 0;
      cell.ZSet = Mark::kNone;
    }
    for (int k = 0; k < 3; ++k) {
      ChartCell& hidden = board(column, board::kWorkHidden1 + k);
      hidden.Text = board(column, board::kHidden1 + k).Text;
      hidden.Code = 0;
      hidden.ZSet = Mark::kNone;
    }
  }
}

}  // namespace

// The branches of the pillars taking part combine (支合), clash (冲) and group (局, 三合, 方合); each
// relation is rated, a pillar keeps only its strongest relations, and a branch held by exactly one
// relation has its hidden stems removed or transformed by it.
void BranchStep(ChartBoard& board, const TMeiData& /*record*/, LuckRange range, RelationList& branch_relations,
                bool hour_known, const ChartRules& rules) {
  ClearBranchRows(board);
  branch_relations.clear();

  const BranchSearch search{range, hour_known, rules.read.branch_groups, rules.read.no_change_by_running_luck};
  RelationList groups;
  FindBranchRelations(board, search, rules, groups);

  ResolveRow(board, board::kBranchCombine, branch_relations, RelationKind::kCombination, rules.read.neighbours_only);
  ResolveRow(board, board::kClash, branch_relations, RelationKind::kClash, rules.read.neighbours_only);
  ResolveRow(board, board::kGroup, branch_relations, RelationKind::kHalfGroup, rules.read.neighbours_only);
  RatePairEntries(board, branch_relations);

  SelectGroups(board, groups);
  branch_relations.insert(branch_relations.end(), groups.begin(), groups.end());

  MarkSuppressed(branch_relations);
  SortByKind(branch_relations);
  if (rules.sys.DCB) std::erase_if(branch_relations, [](const std::string& entry) { return IsSuppressed(entry); });

  const BranchApplication application{rules.sys.SzCB, rules.sys.RCB,
                                      rules.read.transformation == TransformationRule::kByMonthCommand};
  ApplyBranchRelations(board, branch_relations, application);
}

}  // namespace kirvo
