#pragma once

#include <span>
#include <string>

#include "settings/text_table.h"

namespace kirvo {

// Cell widths of the box-drawn copy of a grid, in full-width characters: the content table `SNB`
// takes 5, the other side-panel grids 3.
inline constexpr int kContentTableCopyCellWidth = 5;
inline constexpr int kGridCopyCellWidth = 3;

// A grid as box-drawn text, one line per rule and per row, each line ended by "\n":
//
//   ┌───┬───┐
//   │甲    │ 12.50│
//   ├───┼───┤
//   │ｶ月   │    -3│
//   └───┴───┘
//
// Columns at most 1 pixel wide are hidden and left out; a column without an entry in
// `column_widths_px` takes part. Each rule gives every column `cell_width` × "─" and closes it with
// "┬", "┼" or "┴", only the grid's last column closing with "┐", "┤" or "┘" — so with that column
// hidden the rules end open. Every cell text is padded with half-width blanks to at least
// 2 × `cell_width` Shift-JIS bytes: numbers (only 0-9, "-" and ".") on the left, other texts on the
// right; longer texts stay whole.
std::string GridTextCopy(const TextTable& grid, std::span<const int> column_widths_px, int cell_width);

}  // namespace kirvo
