#include "engine/chart_pipeline.h"

#include "engine/analysis_steps.h"
#include "settings/usys_settings.h"

namespace kirvo {
namespace {

constexpr BoardColumn kLastPillarColumn = board::kYear;
constexpr int kSavedRows = board::kSavedFirst - board::kRoots;  // rows 12..18 are kept 22 rows below

bool NoChangeMode(const ChartRules& rules) { return rules.read.no_change; }

// Rows 12..18 as the analysis left them (text and mark), kept in rows 34..40 so that a cell changed
// by hand can return to its automatic value.
void SaveAnalysedRows(ChartBoard& board) {
  for (BoardColumn column{0}; column <= kLastPillarColumn; ++column) {
    for (int row = board::kRoots; row <= board::kWorkHidden3; ++row) {
      const ChartCell& from = board(column, row);
      ChartCell& to = board(column, row + kSavedRows);
      to.Text = from.Text;
      to.ZSet = from.ZSet;
    }
  }
}

// No-change mode: no stem, branch or hidden stem is removed or transformed, so the working rows 13..19
// show the first-computed rows 1..7 again, row 15 the pillar numbers and the month's commanding
// hidden stem keeps its ◎. The roots follow the restored rows. A column without a pillar (the hour
// of an unknown birth hour) stays blank.
void RestoreFirstComputedRows(ChartBoard& board, LuckRange range, bool hour_known, const ChartRules& rules) {
  constexpr int kOffset = board::kWorkStem - board::kStem;
  for (BoardColumn column{0}; column <= kLastPillarColumn; ++column) {
    if (column == board::kHour && !hour_known) continue;
    for (int row = board::kStem; row <= board::kHeavenStar; ++row) {
      ChartCell& to = board(column, row + kOffset);
      to.Text = board(column, row).Text;
      to.ZSet = Mark::kNone;
    }
    board(column, board::kPillarNumberRow).Text = std::to_string(board::PillarNumber(column));
  }
  board(board::kMonth, board::kWorkHidden1 + board(board::kMonth, board::kDepthRow).Code).ZSet = Mark::kMonthCommand;
  RootsStep(board, range, hour_known, rules);
}

}  // namespace

void RunFullPipeline(Chart& chart, const ChartRules& rules) {
  auto& [board, record, stem_relations, branch_relations, range, hour_known, season_elements] = chart;
  RunFillStep(board, record, hour_known, rules);
  StemStep(board, record, range, stem_relations, hour_known, rules);
  BranchStep(board, record, range, branch_relations, hour_known, rules);
  RootsStep(board, range, hour_known, rules);
  SaveAnalysedRows(board);
  if (NoChangeMode(rules)) RestoreFirstComputedRows(board, range, hour_known, rules);
  MarksStep(board, record, range, hour_known, rules);
}

void RunLightPipeline(Chart& chart, const ChartRules& rules) {
  auto& [board, record, stem_relations, branch_relations, range, hour_known, season_elements] = chart;
  RunFillStep(board, record, hour_known, rules);
  if (NoChangeMode(rules)) {
    // No interaction holds: the lists of an earlier computation must not survive.
    stem_relations.clear();
    branch_relations.clear();
  } else {
    StemStep(board, record, range, stem_relations, hour_known, rules);
    BranchStep(board, record, range, branch_relations, hour_known, rules);
  }
  RootsStep(board, range, hour_known, rules);
}

}  // namespace kirvo
