#include "presentation/chart/chart_hand_change.h"

#include "presentation/chart/chart_text_copy.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

// clang-format off
constexpr std::array<std::string_view, kHandChangeCount> kActionTexts = {
    "○:採用 に変更", "×:去・不採用 に変更", "◇:化 に変更", "□:倍化 に変更", "△:半化 に変更",
    "●元作式値に変更", "●自動作式値に変更"};
//                                           甲 乙 丙 丁 戊 己 庚 辛 壬 癸
constexpr std::array<Stem, 10> kTransformedStems = {4, 7, 8, 1, 2, 5, 6, 9, 0, 3};
// clang-format on

constexpr int kFirstComputedOffset = -12;  // rows 1..6 keep the first-computed values of rows 13..18
constexpr int kAutomaticOffset = 22;       // rows 34..40 keep the automatic values of rows 12..18

bool Allowed(int row, HandChange change) {
  if (row == board::kRoots) {
    return change == HandChange::kAdopt || change == HandChange::kRemove || change == HandChange::kAutomatic;
  }
  if (change == HandChange::kAdopt) return false;
  return !(row == board::kWorkBranch && change == HandChange::kTransform);
}

bool IsMarkOf(HandChange change, Mark mark) {
  return change <= HandChange::kHalve && static_cast<int>(change) == static_cast<int>(mark);
}

void KeepStemCode(ChartCell& cell) {
  if (const std::optional<Stem> stem = StemIndexOf(cell.Text)) cell.Code = *stem;
}

}  // namespace

bool IsHandChangeable(BoardPosition cell) {
  const bool pillar = cell.column >= board::kRunningHour && cell.column <= board::kYear;
  const bool row = cell.row == board::kRoots || cell.row == board::kWorkStem || cell.row == board::kWorkBranch ||
                   (cell.row >= board::kWorkHidden1 && cell.row <= board::kWorkHidden3);
  return pillar && row;
}

bool OpensHandChangeMenu(const SysSettings& sys, BoardPosition cell, bool shift_held) {
  return sys.EdSW && IsHandChangeable(cell) && (!sys.TCB || shift_held);
}

std::array<HandChangeEntry, kHandChangeCount> HandChangeMenu(const ChartBoard& board, BoardPosition cell) {
  const ChartCell& source = board(cell.column, cell.row);
  std::string subject = std::string(ChartColumnTitle(cell.column.index)) + ":" + std::string(ChartRowLabel(cell.row));
  if (cell.row != board::kRoots) subject += " <" + source.Text + "> ";
  std::array<HandChangeEntry, kHandChangeCount> entries{};
  for (int i = 0; i < kHandChangeCount; ++i) {
    const auto change = static_cast<HandChange>(i + 1);
    entries[i] = {change, subject + "を " + std::string(kActionTexts[i]),
                  Allowed(cell.row, change) && !IsMarkOf(change, source.ZSet)};
  }
  return entries;
}

Stem TransformedStem(Stem stem) { return stem >= 0 && stem < 10 ? kTransformedStems[stem] : stem; }

void ApplyHandChange(ChartBoard& board, BoardPosition cell, HandChange change) {
  ChartCell& target = board(cell.column, cell.row);
  KeepStemCode(target);
  switch (change) {
    case HandChange::kTransform:
      target.ZSet = Mark::kTransformed;
      if (const std::optional<Stem> stem = StemIndexOf(target.Text)) {
        target.Code = TransformedStem(*stem);
        target.Text = std::string(kStemNames[target.Code]);
      }
      break;
    case HandChange::kFirstComputed:
      target.Text = board(cell.column, cell.row + kFirstComputedOffset).Text;
      target.ZSet = Mark::kNone;
      break;
    case HandChange::kAutomatic: {
      const ChartCell& automatic = board(cell.column, cell.row + kAutomaticOffset);
      target.Text = automatic.Text;
      target.ZSet = automatic.ZSet;
      break;
    }
    default:
      target.ZSet = static_cast<Mark>(static_cast<int>(change));
      break;
  }
  KeepStemCode(target);
}

}  // namespace kirvo
