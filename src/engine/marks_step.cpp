#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis_steps.h"
#include "engine/branch_tables.h"
#include "engine/punishment_tables.h"
#include "engine/relation_resolution.h"
#include "engine/special_marks.h"
#include "platform/shift_jis.h"
#include "platform/small_list.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;

std::optional<Branch> ExactBranchOf(std::string_view text) { return BranchIndexOf(text); }

// Shift-JIS byte order of two branch names; each 害 or 破 pair is taken once, from the side that
// sorts after. The order of every two names is worked out once.
bool SortsAfterInShiftJis(Branch a, Branch b) {
  static const std::array<std::array<bool, 12>, 12> kSortsAfter = [] {
    std::array<std::string, 12> names;
    for (Branch branch = 0; branch < 12; ++branch) names[branch] = EncodeShiftJis(kBranchNames[branch]).value();
    std::array<std::array<bool, 12>, 12> after{};
    for (Branch x = 0; x < 12; ++x) {
      for (Branch y = 0; y < 12; ++y) after[x][y] = names[x] > names[y];
    }
    return after;
  }();
  return kSortsAfter[a][b];
}

// A pillar taking part: in the range, with a branch (an unknown hour leaves column 6 without one).
struct PillarColumn {
  BoardColumn column{0};
  Branch branch = 0;
};
using PillarColumns = SmallList<PillarColumn, kLastColumn.index + 1>;  // the columns 0..9

PillarColumns PillarColumnsOf(const ChartBoard& board, LuckRange range, bool hour_known) {
  PillarColumns columns;
  for (BoardColumn column = FirstColumnTakingPart(range); column <= kLastColumn; ++column) {
    if (!hour_known && column == board::kHour) continue;
    if (const std::optional<Branch> branch = ExactBranchOf(board(column, board::kBranch).Text)) {
      columns.push_back({column, *branch});
    }
  }
  return columns;
}

void AppendPillarNumber(ChartBoard& board, BoardColumn column, int row, BoardColumn other_column) {
  board(column, row).Text += std::to_string(board::PillarNumber(other_column));
}

void WritePairMarks(ChartBoard& board, const PillarColumns& columns) {
  for (const auto& [i, bi] : columns) {
    for (const auto& [j, bj] : columns) {
      if (i == j) continue;
      if (const PunishmentRow* punishment = PunishmentOf(bi, bj)) {
        board(i, board::kPunishment).Text = kPunishmentNames[static_cast<int>(punishment->kind)];
      }
      if (!SortsAfterInShiftJis(bi, bj)) continue;
      for (const auto& [pairs, row] : {std::pair{&kHarmPairs, board::kHarm}, std::pair{&kBreakPairs, board::kBreak}}) {
        if (!IsPairOf(*pairs, bi, bj)) continue;
        AppendPillarNumber(board, i, row, j);
        AppendPillarNumber(board, j, row, i);
      }
    }
  }
}

}  // namespace

// Punishments, harms and breaks are read from the first-copy branches of every two pillars taking
// part, whatever the relation settings; the special marks set each pillar against the day pillar.
void MarksStep(ChartBoard& board, const TMeiData& /*record*/, LuckRange range, bool hour_known,
               const ChartRules& rules) {
  for (BoardColumn column{0}; column <= kLastColumn; ++column) {
    for (int row = board::kPunishment; row <= board::kSpecial; ++row) board(column, row).Text.clear();
  }
  const PillarColumns columns = PillarColumnsOf(board, range, hour_known);
  WritePairMarks(board, columns);

  const Stem day_stem = StemIndexOf(board(board::kDay, board::kStem).Text).value_or(kNoStem);
  const std::optional<Branch> day_branch = ExactBranchOf(board(board::kDay, board::kBranch).Text);
  if (day_stem == kNoStem || !day_branch) return;
  const Kanshi day{day_stem, *day_branch};
  for (const PillarColumn& pillar : columns) {
    const Stem stem = StemIndexOf(board(pillar.column, board::kStem).Text).value_or(kNoStem);
    board(pillar.column, board::kSpecial).Text =
        SpecialMarksOf({stem, pillar.branch}, day, pillar.column < board::kHour, rules.sys.SsnCB);
  }
}

}  // namespace kirvo
