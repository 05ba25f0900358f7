#include "engine/analysis_steps.h"
#include "engine/ten_gods.h"
#include "engine/twelve_stages.h"
#include "settings/sys_settings.h"

namespace kirvo {

namespace {

inline constexpr BoardColumn kFirstStarColumn = board::kRunningHour;  // 1
inline constexpr BoardColumn kLastStarColumn = board::kYear;          // 9

// The working hidden stem that depth puts in force: row 16 + the column's depth class (0..2).
Stem StemInForce(const ChartBoard& board, BoardColumn column) {
  const int depth_class = board(column, board::kDepthRow).Code;
  if (depth_class < 0 || depth_class > 2) return kNoStem;
  return StemIndexOf(board(column, board::kWorkHidden1 + depth_class).Text).value_or(kNoStem);
}

}  // namespace

// Every pillar is read against the day master, the working stem of the day column. The day column
// gets no 天星 and no 居12運: its stem is the day master itself.
void StarsStep(ChartBoard& board, const ChartRules& rules) {
  const TenGodNames& names = rules.sys.names.ten_gods;
  const Stem day_master = board(board::kDay, board::kWorkStem).Code;
  for (BoardColumn column = kLastStarColumn; column >= kFirstStarColumn; --column) {
    for (int row : {board::kHeavenStar, board::kEarthStar, board::kStageOfDayMaster, board::kStageOfStem}) {
      board(column, row).Text.clear();
    }
    const Stem stem = board(column, board::kStem).Code;
    const Branch branch = board(column, board::kBranch).Code;
    const bool is_day = column == board::kDay;
    if (!is_day) board(column, board::kHeavenStar).Text = TenGodName(TenGodOf(day_master, stem), names);
    board(column, board::kEarthStar).Text = TenGodName(TenGodOf(day_master, StemInForce(board, column)), names);
    board(column, board::kStageOfDayMaster).Text =
        TwelveStageText(TwelveStageOf(day_master, board(column, board::kWorkBranch).Code));
    if (!is_day) board(column, board::kStageOfStem).Text = TwelveStageText(TwelveStageOf(stem, branch));
  }
}

}  // namespace kirvo
