#include "engine/board_fill.h"

#include <array>
#include <optional>

#include "settings/sys_colours.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr int kLastPillarColumn = board::kYear;

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
  cell.Text = stem == kNoStem ? std::string() : std::string(kStemNames[stem]);
}

}  // namespace

void ResetBoardCodes(ChartBoard& board) {
  for (int column = 0; column <= kLastPillarColumn; ++column) {
    for (int row = 0; row < ChartBoard::kRows; ++row) board(column, row).Code = 0;
    board(column, board::kDepthRow).Code = static_cast<int>(DepthClass::kPrincipal);
  }
}

void WritePillar(ChartBoard& board, int column, Kanshi pillar, const HiddenStemTable& hidden_stems) {
  SetStem(board(column, board::kStem), pillar.stem);
  ChartCell& branch = board(column, board::kBranch);
  branch.Code = pillar.branch;
  branch.Text = kBranchNames[pillar.branch];
  for (int k = 0; k < 3; ++k) SetStem(board(column, board::kHidden1 + k), hidden_stems.At(k, pillar.branch));
}

void ShowMiddleDepthStem(ChartBoard& board, int column, DepthClass measured, std::string_view depth_stem) {
  if (measured != DepthClass::kMiddle || depth_stem.empty()) return;
  ChartCell& middle = board(column, board::kHidden2);
  if (middle.Text != depth_stem) middle.Text = depth_stem;
}

void MarkDepthAndCopyWorkingRows(ChartBoard& board, const SysSettings& sys) {
  // Element colours of the texts met here (stem and branch names), each looked up once per call.
  const TenGodNames& names = TenGodNamingRow(sys);
  std::array<std::optional<Rgb>, 10> stem_colours;
  std::array<std::optional<Rgb>, 12> branch_colours;
  const auto colour_of = [&](const ChartCell& cell, bool is_branch) {
    std::optional<Rgb>* known = nullptr;
    if (!is_branch && cell.Code >= 0 && cell.Code < 10 && cell.Text == kStemNames[cell.Code]) {
      known = &stem_colours[cell.Code];
    } else if (is_branch && cell.Code >= 0 && cell.Code < 12 && cell.Text == kBranchNames[cell.Code]) {
      known = &branch_colours[cell.Code];
    }
    if (known != nullptr && *known) return **known;
    const Rgb colour = ElementColour(sys.CP, ElementGroupOf(cell.Text, names));
    if (known != nullptr) *known = colour;
    return colour;
  };
  for (int column = 0; column <= kLastPillarColumn; ++column) {
    const int in_force = board::kHidden1 + board(column, board::kDepthRow).Code;
    for (int row = board::kHidden1; row <= board::kHidden3; ++row) board(column, row).ZSet = row == in_force ? 1 : 0;
    for (const auto& [base_row, working_row] : kWorkingCopies) {
      ChartCell& base = board(column, base_row);
      base.TopColor = colour_of(base, base_row == board::kBranch);
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
    cell.ZSet = 0;
    cell.TopColor = kNoPillarGrey;
    cell.ChangeColor = false;
  }
}

}  // namespace kirvo
