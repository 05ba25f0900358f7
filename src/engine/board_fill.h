#pragma once

#include <string_view>

#include "calendar/moment_pillars.h"
#include "calendar/sexagenary.h"
#include "engine/chart_board.h"
#include "settings/hidden_stem_table.h"

namespace kirvo {

struct SysSettings;

// The pieces of the fill step that lay pillars onto the board. The fill step composes them with the
// pillars of the birth and chart moments; test builders compose them with chosen pillars.

// Every cell of columns 0..9 loses its `Code`; row 0 then reads 2 (本気) everywhere.
void ResetBoardCodes(ChartBoard& board);

// Rows 1, 2 and 4..6 of `column`: the stem, the branch and the branch's three hidden stems (余気 中気
// 本気), text and index. A hidden stem the table does not name is an empty text with index 10.
void WritePillar(ChartBoard& board, BoardColumn column, Kanshi pillar, const HiddenStemTable& hidden_stems);

// A pillar measured in its 中気 shows the commanding stem of its depth in row 5 (text only), which
// differs from the table's 中気 for a branch with a second 中気 (申). An empty stem changes nothing.
void ShowMiddleDepthStem(ChartBoard& board, BoardColumn column, DepthClass measured, std::string_view depth_stem);

// For every column 0..9: the hidden stem in force (row 4 + row 0's `Code`) gets mark 1 and the
// other two none; rows 1, 2, 4, 5, 6 take the element colour of their text and are copied (text,
// code, colour) into the working rows 13, 14, 16, 17, 18.
void MarkDepthAndCopyWorkingRows(ChartBoard& board, const SysSettings& sys);

// Grey of a column without a pillar.
inline constexpr Rgb kNoPillarGrey = 0x808080;

// An unknown birth hour leaves no hour pillar: rows 1..40 of column 6 lose text and mark, turn grey
// and stop reacting to presses. Codes stay.
void BlankHourColumn(ChartBoard& board);

}  // namespace kirvo
