#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/branch_relations.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;
inline constexpr std::string_view kSingleRelationMark = "○";
inline constexpr std::string_view kConflictMark = "×";

int DepthClassOf(const ChartBoard& board, BoardColumn column) {
  return std::clamp(board(column, board::kDepthRow).Code, 0, 2);
}

// How many relations in force name each column. A column in more than one relation puts every
// relation on it in conflict ("9" appended), and a conflict spreads to the other columns of those
// relations; with the season elements shown a 支合 settles its two columns all the same. Columns left
// above one count as none.
std::array<int, kLastColumn.index + 1> CountRelations(RelationList& in_force, bool season_elements) {
  std::array<int, kLastColumn.index + 1> count{};
  for (const std::string& entry : in_force) {
    for (const int pillar : PillarsOf(entry)) ++count[board::ColumnOfPillar(pillar).index];
  }
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    if (count[column.index] <= 1) continue;
    for (std::string& entry : in_force) {
      if (!Names(entry, board::PillarNumber(column))) continue;
      const EntryPillars pillars = PillarsOf(entry);
      for (const int pillar : pillars) ++count[board::ColumnOfPillar(pillar).index];
      entry += kConflictDigit;
      if (season_elements && entry[kEntryKind] == kSixCombinationKind) {
        for (const int pillar : pillars) count[board::ColumnOfPillar(pillar).index] = 1;
      }
    }
  }
  for (int& n : count) {
    if (n > 1) n = 0;
  }
  return count;
}

void SetHiddenStems(ChartBoard& board, BoardColumn column, Mark zset) {
  for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) board(column, row).ZSet = zset;
}

// A group turns the hidden stems of a non-cardinal member into the group's element, unless the
// member's own stem does not support its branch: then the hidden stem in force keeps its place.
void TransformByGroup(ChartBoard& board, BoardColumn column, Element element) {
  const Stem stem = GroupStemOn(board(column, board::kWorkBranch).Code, element);
  if (stem == kNoStem) return;
  for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) {
    board(column, row).Text = std::string(kStemNames[stem]);
    board(column, row).ZSet = Mark::kTransformed;
  }
  if (!StemSupportsOwnBranch(board, column)) {
    const int depth = DepthClassOf(board, column);
    board(column, board::kWorkHidden1 + depth).Text = board(column, board::kHidden1 + depth).Text;
    board(column, board::kWorkHidden1 + depth).ZSet = Mark::kNone;
  }
}

void ApplyEntry(ChartBoard& board, BoardColumn column, const std::string& entry, bool season_elements) {
  switch (entry[kEntryKind]) {
    case kSixCombinationKind:
    case kClashKind:
      SetHiddenStems(board, column, Mark::kRemoved);
      break;
    case kHalfGroupKind:
    case kThreeHarmonyKind:
    case kDirectionalKind:
      if (!season_elements) TransformByGroup(board, column, ValueOfDigit(entry[kEntryElement]));
      break;
    default:
      break;
  }
  if (season_elements && entry[kEntryKind] == kSixCombinationKind) {
    for (const int pillar : PillarsOf(entry)) SetHiddenStems(board, board::ColumnOfPillar(pillar), Mark::kRemoved);
  }
}

}  // namespace

// Only a branch in exactly one relation in force is changed by it: a 冲 or 支合 removes its hidden
// stems, a 局, 三合 or 方合 transforms them. The month's commanding hidden stem keeps its place.
void ApplyBranchRelations(ChartBoard& board, const RelationList& list, const BranchApplication& application) {
  const int month_command_row = board::kWorkHidden1 + DepthClassOf(board, board::kMonth);
  board(board::kMonth, month_command_row).ZSet = Mark::kMonthCommand;

  RelationList in_force;
  in_force.reserve(list.size());
  std::copy_if(list.begin(), list.end(), std::back_inserter(in_force),
               [](const std::string& entry) { return !IsSuppressed(entry); });
  const std::array<int, kLastColumn.index + 1> count = CountRelations(in_force, application.season_elements);

  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    board(column, kRelationCountRow).Text = count[column.index] == 1 ? kSingleRelationMark : kConflictMark;
  }
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    if (count[column.index] != 1) continue;
    for (const std::string& entry : in_force) {
      if (entry.size() == kCompleteEntryLength && Names(entry, board::PillarNumber(column))) {
        ApplyEntry(board, column, entry, application.season_elements);
      }
    }
  }

  if (!application.season_elements) {
    const int month_depth = DepthClassOf(board, board::kMonth);
    board(board::kMonth, month_command_row).Text = board(board::kMonth, board::kHidden1 + month_depth).Text;
    board(board::kMonth, month_command_row).ZSet = Mark::kMonthCommand;
  }

  ChartCell& day_master = board(board::kDay, board::kWorkStem);
  if (application.day_master_kept || day_master.ZSet == Mark::kRemoved) {
    day_master.Text = board(board::kDay, board::kStem).Text;
    day_master.ZSet = Mark::kNone;
  }

  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    for (int row = board::kWorkHidden1; row <= board::kWorkHidden3; ++row) board(column, row).Mark = false;
    if (application.mark_in_force && !board(column, board::kWorkStem).Text.empty()) {
      board(column, board::kWorkHidden1 + DepthClassOf(board, column)).Mark = true;
    }
  }
}

}  // namespace kirvo
