#include "engine/board_fill.h"

#include <array>

#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr BoardColumn kLastPillarColumn = board::kYear;

// Base rows and the working rows they are copied into.
constexpr std::array<std::pair<int, int>, 5> kWorkingCopies = {{
    {board::kStem, board::kWorkStem},
    {board::kBranch, board::kWorkBranch},
    {board::kHidden1, board::kWorkHidden1},
    {board::kHidden2, board::kWorkHidden2},
    {board::kHidden3, board::kWorkHidden3},
}};

void SetStem(ChartCell& cell, Stem stem) {
  cell.Code = stem;
  if (stem == kNoStem) {
    cell.Text.clear();
  } else {
    cell.Text.assign(kStemNames[stem]);
  }
}

}  // namespace

void ResetBoardCodes(ChartBoard& board) {
  for (BoardColumn column{0}; column <= kLastPillarColumn; ++column) {
    for (int row = 0; row < ChartBoard::kRows; ++row) board(column, row).Code = 0;
    board(column, board::kDepthRow).Code = static_cast<int>(DepthClass::kPrincipal);
  }
}

void WritePillar(ChartBoard& board, BoardColumn column, Kanshi pillar, const HiddenStemTable& hidden_stems) {
  SetStem(board(column, board::kStem), pillar.stem);
  ChartCell& branch = board(column, board::kBranch);
  branch.Code = pillar.branch;
  branch.Text = kBranchNames[pillar.branch];
  for (int k = 0; k < 3; ++k) SetStem(board(column, board::kHidden1 + k), hidden_stems.At(k, pillar.branch));
}

void ShowMiddleDepthStem(ChartBoard& board, BoardColumn column, DepthClass measured, std::string_view depth_stem) {
  if (measured != DepthClass::kMiddle || depth_stem.empty()) return;
  ChartCell& middle = board(column, board::kHidden2);
  if (middle.Text != depth_stem) middle.Text = depth_stem;
}

void MarkDepthAndCopyWorkingRows(ChartBoard& board, const SysSettings& sys) {
  const ElementGroups& groups = ElementGroups::For(TenGodNamingRow(sys));
  const auto colour_of = [&](const ChartCell& cell) { return ElementColour(sys.CP, groups.Of(cell.Text)); };
  for (BoardColumn column{0}; column <= kLastPillarColumn; ++column) {
    const int in_force = board::kHidden1 + board(column, board::kDepthRow).Code;
    for (int row = board::kHidden1; row <= board::kHidden3; ++row)
      board(column, row).ZSet = row == in_force ? Mark::kInForce : Mark::kNone;
    for (const auto& [base_row, working_row] : kWorkingCopies) {
      ChartCell& base = board(column, base_row);
      base.TopColor = colour_of(base);
      ChartCell& working = board(column, working_row);
      working.Text = base.Text;
      working.Code = base.Code;
      working.TopColor = base.TopColor;
    }
  }
}

void BlankHourColumn(ChartBoard& board) {
  for (int row = 1; row < ChartBoard::kRows; ++row) {
    ChartCell& cell = board(board::kHour, row);
    cell.Text.clear();
    cell.ZSet = Mark::kNone;
    cell.TopColor = kNoPillarGrey;
    cell.ChangeColor = false;
  }
}

}  // namespace kirvo
