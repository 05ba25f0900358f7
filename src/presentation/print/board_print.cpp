#include "presentation/print/board_print.h"

#include <string_view>

#include "platform/shift_jis.h"
#include "presentation/chart/chart_board_look.h"

namespace kirvo {
namespace {

// `text` followed by blanks up to `width` Shift-JIS bytes; a longer text stays whole.
std::string PaddedTo(std::string_view text, int width) {
  std::string padded(text);
  const int used = ShiftJisWidth(text);
  if (used < width) padded.append(static_cast<std::size_t>(width - used), ' ');
  return padded;
}

}  // namespace

std::array<std::string, 3> ChartPrintHeaderLines(const SummaryBlock& summary) {
  return {PaddedTo(summary.Name, 35) + summary.SexL + "　" + summary.JuGa,
          PaddedTo(summary.DT, 20) + summary.TukiL + "　　" + summary.KoukeiL,
          PaddedTo(summary.RituNL, 22) + summary.Old + "　　 " + summary.AngL};
}

PrintTable BoardPrintTable(const Chart& chart, const BoardGeometry& geometry, const SysSettings& sys) {
  PrintTable table;
  table.name = "SG1";
  table.font_points = kBoardPrintPoints;
  table.grid = ContentGrid(ChartBoard::kColumns, ChartBoard::kRows);
  table.grid.column_widths.assign(geometry.column_width.begin(), geometry.column_width.end());
  table.row_heights.assign(geometry.row_height.begin(), geometry.row_height.end());
  for (int column = 0; column < ChartBoard::kColumns; ++column) {
    for (int row = 0; row < ChartBoard::kRows; ++row) {
      // The pillar cells of the diagram rows have no width: the diagrams are drawn there instead.
      const BoardPosition cell{BoardColumn{column}, row};
      const PixelRect rect = BoardCellRect(geometry, cell);
      const int width = rect.right - rect.left, height = rect.bottom - rect.top;
      if (width <= 0 || height <= 0) continue;
      const auto c = static_cast<std::size_t>(column);
      const auto r = static_cast<std::size_t>(row);
      table.grid.text.SetCell(c, r, BoardCellText(chart.board, cell));
      const BoardCellLook look = LookOfBoardCell(chart, cell, width, height, sys);
      CellStyle& style = table.grid.StyleAt(c, r);
      style.background = look.top;
      style.background_bottom = look.end;
      style.text = look.text;
      style.font_points = look.font_points;
    }
  }
  return table;
}

PrintChart BoardPrintChart(const Chart& chart, const BoardGeometry& geometry, const SummaryBlock& summary) {
  return PrintChart{chart, geometry, ChartPrintHeaderLines(summary)};
}

}  // namespace kirvo
