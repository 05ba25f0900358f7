#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/sexagenary.h"
#include "engine/chart_board.h"
#include "presentation/chart/chart_board_geometry.h"

namespace kirvo {

struct SysSettings;

// 命式訂正: the user overrides the automatic analysis of a pillar's roots, stem, branch or hidden
// stems by hand. The analysis then reads the changed marks; the board is not computed again.

// The cells a hand change may touch: rows 12 (通根), 13 (干), 14 (支) and 16..18 (hidden stems) of
// the pillar columns 1..9.
bool IsHandChangeable(BoardPosition cell);

// Whether a left click on `cell` opens the menu: `EdSW` on, a changeable cell, and the Shift key
// held when `TCB` asks for it.
bool OpensHandChangeMenu(const SysSettings& sys, BoardPosition cell, bool shift_held);

enum class HandChange {
  kAdopt = 1,         // ○:採用
  kRemove = 2,        // ×:去・不採用
  kTransform = 3,     // ◇:化, the stem becomes its transformed stem
  kDouble = 4,        // □:倍化
  kHalve = 5,         // △:半化
  kFirstComputed = 6, // ●元作式値: the text as first computed (12 rows above), no mark
  kAutomatic = 7,     // ●自動作式値: text and mark of the automatic analysis (22 rows below)
};
inline constexpr int kHandChangeCount = 7;

struct HandChangeEntry {
  HandChange change;
  std::string caption;  // "日柱:干 <甲> を ○:採用 に変更"
  bool enabled = false;
};

// The seven entries of the menu for a changeable cell, in order. The roots row takes only ○, ×
// and the automatic value; the other rows everything but ○, the branch row not ◇ either; the entry
// of the mark the cell already has is disabled.
std::array<HandChangeEntry, kHandChangeCount> HandChangeMenu(const ChartBoard& board, BoardPosition cell);

// The stem a stem becomes when it transforms (化): 甲→戊, 乙→辛, 丙→壬, 丁→乙, 戊→丙, 己→己, 庚→庚,
// 辛→癸, 壬→甲, 癸→丁.
Stem TransformedStem(Stem stem);

// Applies a change to the cell. A cell whose text names a stem keeps that stem's index as its code.
void ApplyHandChange(ChartBoard& board, BoardPosition cell, HandChange change);

}  // namespace kirvo
