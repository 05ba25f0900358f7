#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "engine/chart.h"
#include "presentation/chart/chart_text_copy.h"
#include "presentation/shared/drawing_geometry.h"

namespace kirvo {

// Where the chart window puts each cell of the board, in units (pixels at 96 dpi). Columns 1..9
// hold the pillars, running luck to the left of the natal pillars; a pillar column shows when it
// takes part in the range, `Tw` wide, one pixel apart from the next; column 0 is never shown and
// the row labels (column 10) close the board on the right. In the diagram rows 11 and 19 the
// pillar cells have no width: the relation diagram fills the row left of its label.
struct BoardGeometry {
  std::array<int, ChartBoard::kColumns> column_left{};
  std::array<int, ChartBoard::kColumns> column_width{};
  std::array<int, ChartBoard::kRows> row_top{};
  std::array<int, ChartBoard::kRows> row_height{};
  int pillar_width = 0;
  BoardColumn first_column{0};  // the leftmost pillar column shown
  LuckRange range = LuckRange::kNatalOnly;
  int width = 0;
  int height = 0;
};

inline constexpr int kBoardLabelWidth = 50;

BoardGeometry LayOutBoard(const ChartRowLayout& layout, LuckRange range, std::size_t stem_relations,
                          std::size_t branch_relations);

struct BoardPosition {
  BoardColumn column{0};
  int row = 0;
  bool operator==(const BoardPosition&) const = default;
};

// The cell's rectangle; empty (zero wide or high) for a cell that is not shown.
PixelRect BoardCellRect(const BoardGeometry& geometry, BoardPosition cell);
// The rectangle of a diagram row (11 or 19): the shown pillar columns.
PixelRect BoardDiagramRect(const BoardGeometry& geometry, int row);
// The shown cell under a point, if any.
std::optional<BoardPosition> BoardCellAt(const BoardGeometry& geometry, int x, int y);

}  // namespace kirvo
