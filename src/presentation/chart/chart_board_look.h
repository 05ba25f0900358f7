#pragma once

#include "engine/chart.h"
#include "platform/rgb_colour.h"
#include "presentation/chart/chart_board_geometry.h"

namespace kirvo {

struct SysSettings;

// How one board cell is painted: a vertical gradient from `top` to `end` in `bands` bands, its
// text centred in `text`, a one-pixel outline, and the colours it takes while the pointer rests on
// it (`hover_end`, `hover_text`) when it changes on hover.
struct BoardCellLook {
  Rgb top = kWhite;
  Rgb end = kWhite;
  Rgb text = kBlack;
  Rgb outline = kBlack;
  Rgb hover_end = kBlack;
  Rgb hover_text = kBlack;
  int bands = 1;
  bool changes_on_hover = false;
  bool chart_font = false;  // the chart-cell font (`MeiFont`) instead of the system font
  int font_points = 0;      // chart font only; 0 keeps the system font's size
};

// The look of a shown cell (w × h its size in units) from the board, the colours and flags of the
// system settings and whether the hour is known.
BoardCellLook LookOfBoardCell(const Chart& chart, BoardPosition cell, int width, int height, const SysSettings& sys);

// The look of a cell on paper, from its screen look: printing in monochrome, every cell is white
// with black text and outline; in colour the cells keep their colours except the row labels and
// the column titles, which stay white with black text. Fonts and marks are the screen's.
BoardCellLook PrintLookOfBoardCell(BoardCellLook screen, BoardPosition cell, bool colour);

// The background of the relation diagrams: the fixed-part colour on screen, white on paper.
Rgb BoardDiagramBackground(const SysSettings& sys, bool on_paper);

// The text a cell shows: the column titles in row 0, the row labels in column 10 (none for the
// rows of season elements), the pillar number in row 15, the cell's own text elsewhere.
std::string BoardCellText(const Chart& chart, BoardPosition cell);

}  // namespace kirvo
