#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>

#include "engine/branch_relations.h"
#include "engine/element_support.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;

void AppendPillar(ChartBoard& board, BoardColumn column, int row, BoardColumn partner_column) {
  board(column, row).Text += DigitOf(board::PillarNumber(partner_column));
}

// A pair relation is written into both columns' cells of the row, each naming the other.
void AppendPair(ChartBoard& board, int row, BoardColumn t, BoardColumn u) {
  AppendPillar(board, t, row, u);
  AppendPillar(board, u, row, t);
}

Element WorkingStemElement(const ChartBoard& board, BoardColumn column) {
  const std::optional<Stem> stem = StemIndexOf(board(column, board::kWorkStem).Text);
  return stem ? ElementOfStem(*stem) : kNoElement;
}

// A 支合 pair transforms (支化) when both stems support the pair's element.
void MarkTransformation(ChartBoard& board, BoardColumn t, BoardColumn u, Branch branch_t) {
  const Element element = SixCombinationElement(branch_t);
  if (ElementSupports(WorkingStemElement(board, t), element) &&
      ElementSupports(WorkingStemElement(board, u), element)) {
    board(t, board::kBranchTransform).Text = std::string(kElementNames[element]);
    board(u, board::kBranchTransform).Text = std::string(kElementNames[element]);
  }
}

struct GroupFamily {
  char kind;
  const std::array<BranchGroupRow, 4>* groups;
  int row;
};
inline constexpr std::array<GroupFamily, 2> kGroupFamilies = {{
    {kThreeHarmonyKind, &kThreeHarmonyGroups, board::kThreeHarmony},
    {kDirectionalKind, &kDirectionalGroups, board::kDirectional},
}};

// The three pillar numbers of columns t, u and w, highest first.
std::string PillarsHighestFirst(BoardColumn t, BoardColumn u, BoardColumn w) {
  std::string pillars = {DigitOf(board::PillarNumber(t)), DigitOf(board::PillarNumber(u)),
                         DigitOf(board::PillarNumber(w))};
  std::sort(pillars.begin(), pillars.end(), std::greater<>());
  return pillars;
}

// Every third column w that makes a 三合 or 方合 group with the pair (t, u). Each cell of the row
// names the two other members; a triple is met once per ordered pair of its columns, so cells and
// groups repeat until they are normalised.
void FindGroupsWith(ChartBoard& board, BoardColumn t, BoardColumn u, const BranchSearch& search, RelationList& groups) {
  const Branch bt = board(t, board::kBranch).Code;
  const Branch bu = board(u, board::kBranch).Code;
  // A third member can only join a pair that one group of the family already holds.
  std::array<bool, kGroupFamilies.size()> shared{};
  for (std::size_t f = 0; f < kGroupFamilies.size(); ++f) shared[f] = SharesGroup(*kGroupFamilies[f].groups, bt, bu);
  if (std::find(shared.begin(), shared.end(), true) == shared.end()) return;
  for (BoardColumn w = FirstColumnTakingPart(search.range); w <= kLastColumn; ++w) {
    if (w == t || w == u) continue;
    if (search.natal_groups_only && (t < board::kHour || u < board::kHour || w < board::kHour)) continue;
    if (!search.hour_known && w == board::kHour) continue;
    const Branch bw = board(w, board::kBranch).Code;
    if (bw == bt || bw == bu) continue;
    for (std::size_t f = 0; f < kGroupFamilies.size(); ++f) {
      if (!shared[f]) continue;
      const GroupFamily& family = kGroupFamilies[f];
      const BranchGroupRow* group = GroupOf(*family.groups, bt, bu, bw);
      if (group == nullptr) continue;
      const std::string pillars = PillarsHighestFirst(t, u, w);
      groups.push_back(pillars + family.kind + DigitOf(group->index) +
                       DigitOf(GroupStrength(board, pillars, group->central)));
      AppendPillar(board, t, family.row, w);
      AppendPillar(board, t, family.row, u);
      AppendPillar(board, u, family.row, w);
      AppendPillar(board, u, family.row, t);
      AppendPillar(board, w, family.row, u);
      AppendPillar(board, w, family.row, t);
    }
  }
}

}  // namespace

void FindBranchRelations(ChartBoard& board, const BranchSearch& search, const ChartRules& rules, RelationList& groups) {
  const PairFilter filter(RelationFamily::kBranches, search.range, search.hour_known, rules.read);
  // Only the columns taking part (the first of the range to 9) can pass the filter.
  const BoardColumn first = FirstColumnTakingPart(search.range);
  for (BoardColumn t = first; t <= kLastColumn; ++t) {
    for (BoardColumn u = first; u <= kLastColumn; ++u) {
      if (!filter.Passes(t, u)) continue;
      const Branch bt = board(t, board::kBranch).Code;
      const Branch bu = board(u, board::kBranch).Code;
      if (u < t) {
        if (IsSixCombination(bt, bu)) {
          AppendPair(board, board::kBranchCombine, t, u);
          MarkTransformation(board, t, u, bt);
        }
        if (IsClash(bt, bu)) AppendPair(board, board::kClash, t, u);
        if (search.with_groups && IsHalfGroup(bt, bu)) AppendPair(board, board::kGroup, t, u);
      }
      if (search.with_groups) FindGroupsWith(board, t, u, search, groups);
    }
  }

  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    if (!TakesPart(column, search.range)) continue;
    for (const int row : {board::kThreeHarmony, board::kDirectional}) {
      board(column, row).Text = NormalisedGroupText(board(column, row).Text, board::PillarNumber(column));
    }
  }
  std::sort(groups.begin(), groups.end());
  groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
}

}  // namespace kirvo
