#include "presentation/chart/chart_board_geometry.h"

namespace kirvo {
namespace {

bool IsDiagramRow(int row) { return row == board::kStemDiagram || row == board::kBranchDiagram; }

bool IsPillarColumn(BoardColumn column) { return column >= board::kRunningHour && column <= board::kYear; }

}  // namespace

BoardGeometry LayOutBoard(const ChartRowLayout& layout, LuckRange range, std::size_t stem_relations,
                          std::size_t branch_relations) {
  BoardGeometry geometry;
  geometry.range = range;
  geometry.pillar_width = layout.pillar_width;
  geometry.first_column = FirstColumnTakingPart(range);
  int x = 0;
  for (BoardColumn column{0}; column.index < ChartBoard::kColumns; ++column) {
    geometry.column_left[column.index] = x;
    if (column == board::kHeaders) {
      geometry.column_width[column.index] = kBoardLabelWidth;
    } else if (column >= geometry.first_column && IsPillarColumn(column)) {
      geometry.column_width[column.index] = layout.pillar_width;
      x += layout.pillar_width + 1;
    }
  }
  geometry.width = geometry.column_left[board::kHeaders.index] + kBoardLabelWidth;
  int y = 0;
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    geometry.row_top[row] = y;
    geometry.row_height[row] = ChartRowHeight(row, layout, stem_relations, branch_relations);
    y += geometry.row_height[row];
  }
  geometry.height = y;
  return geometry;
}

PixelRect BoardCellRect(const BoardGeometry& geometry, BoardPosition cell) {
  const int left = geometry.column_left[cell.column.index];
  const int top = geometry.row_top[cell.row];
  int width = geometry.column_width[cell.column.index];
  if (IsDiagramRow(cell.row) && cell.column != board::kHeaders) width = 0;
  return {left, top, left + width, top + geometry.row_height[cell.row]};
}

PixelRect BoardDiagramRect(const BoardGeometry& geometry, int row) {
  const int top = geometry.row_top[row];
  return {0, top, geometry.column_left[board::kHeaders.index], top + geometry.row_height[row]};
}

std::optional<BoardPosition> BoardCellAt(const BoardGeometry& geometry, int x, int y) {
  for (int row = 0; row < ChartBoard::kRows; ++row) {
    for (BoardColumn column{0}; column.index < ChartBoard::kColumns; ++column) {
      const PixelRect rect = BoardCellRect(geometry, {column, row});
      if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return BoardPosition{column, row};
    }
  }
  return std::nullopt;
}

}  // namespace kirvo
