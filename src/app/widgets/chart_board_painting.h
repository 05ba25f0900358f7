#pragma once

#include <optional>

#include "presentation/chart/chart_board_geometry.h"
#include "presentation/chart/near_term_notice.h"

class QPainter;

namespace kirvo {

struct Chart;
struct SysSettings;

// What a picture of the chart board shows: the chart and its layout, in the colours and fonts of
// the system settings, with the month-opening notice's mark (or none) and the cell under the
// pointer (none off the screen). On paper (`paper_colour` set: whether printing in colour) the
// cells take their print look.
struct BoardPicture {
  const Chart& chart;
  const BoardGeometry& geometry;
  const SysSettings& sys;
  const std::optional<NearTermNotice>* near_term = nullptr;
  std::optional<BoardPosition> hovered;
  std::optional<bool> paper_colour;
};

// Paints the board cell by cell — gradients, outlines, texts, marks and corner dots — and the two
// relation diagrams, in board units from the painter's origin. The caller scales the painter to its
// device, so the screen, a picture copy and a printed page draw the same board.
void PaintChartBoard(QPainter& painter, const BoardPicture& picture);

}  // namespace kirvo
