#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis_steps.h"
#include "engine/branch_tables.h"
#include "engine/punishment_tables.h"
#include "engine/relation_resolution.h"
#include "engine/special_pillars.h"
#include "engine/void_branches.h"
#include "platform/shift_jis.h"
#include "platform/small_list.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kLastColumn = board::kYear;

// Marks of a running-luck or major-luck pillar against the day pillar.
inline constexpr std::string_view kSameAsDay = "反";          // the day pillar itself
inline constexpr std::string_view kClashWithSameStem = "天";  // the day stem over a clashing branch
inline constexpr std::string_view kOvercomeAndClash = "伏";   // a stem overcoming the day stem over a clashing branch
inline constexpr std::string_view kCombineTwice = "晦";       // a stem and branch both combining with the day pillar

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

struct DayPillar {
  Stem stem;
  Branch branch;
  std::string stem_text;
  std::string void_text;  // the two void branches (空亡)
};

std::string SpecialMarks(const ChartBoard& board, BoardColumn column, const DayPillar& day, bool four_special_pillars) {
  const Stem stem = StemIndexOf(board(column, board::kStem).Text).value_or(kNoStem);
  const std::string& branch_text = board(column, board::kBranch).Text;
  const Branch branch = *ExactBranchOf(branch_text);
  std::string text;
  if (four_special_pillars) {
    for (const SpecialPillar& special : FourSpecialPillarsOf(day.stem, day.branch)) {
      if (special.pillar == Kanshi{stem, branch}) text += special.mark;
    }
  }
  if (const std::optional<VoidKind> kind = VoidKindOf(day.void_text, branch_text, day.stem_text)) {
    text = std::string(kVoidKindNames[static_cast<int>(*kind)]);
  }
  if (column < board::kHour && stem != kNoStem) {
    const bool clashes = IsClash(branch, day.branch);
    if (stem == day.stem && branch == day.branch) {
      text += kSameAsDay;
    } else if (stem == day.stem && clashes) {
      text += kClashWithSameStem;
    } else if ((stem + 4) % 10 == day.stem && clashes) {
      text += kOvercomeAndClash;
    } else if (stem == (day.stem + 5) % 10 && !four_special_pillars && IsSixCombination(branch, day.branch)) {
      text += kCombineTwice;
    }
  }
  return text;
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

  const std::string& day_stem_text = board(board::kDay, board::kStem).Text;
  const std::string& day_branch_text = board(board::kDay, board::kBranch).Text;
  const Stem day_stem = StemIndexOf(day_stem_text).value_or(kNoStem);
  const std::optional<Branch> day_branch = ExactBranchOf(day_branch_text);
  if (day_stem == kNoStem || !day_branch) return;
  const DayPillar day{day_stem, *day_branch, day_stem_text, VoidBranchesOf(day_stem_text, day_branch_text)};
  for (const PillarColumn& pillar : columns) {
    board(pillar.column, board::kSpecial).Text = SpecialMarks(board, pillar.column, day, rules.sys.SsnCB);
  }
}

}  // namespace kirvo
