#pragma once

#include <optional>
#include <string>
#include <vector>

#include "presentation/print/page_settings.h"
#include "presentation/print/pagination.h"
#include "presentation/print/print_job.h"
#include "presentation/shared/drawing_geometry.h"

namespace kirvo {

// A printer page as the layout sees it: its whole size in device pixels and its resolution.
struct PrintDevice {
  int page_width = 0;
  int page_height = 0;
  int dpi_x = kUnitsPerInch;
  int dpi_y = kUnitsPerInch;
};

// Which of the job's tables a planned table draws.
enum class PlannedTablePart { kTarget, kSide, kSub };

// How a planned table's cells are drawn.
enum class CellLook {
  kList,         // framed; "." or "/" right-aligned, other texts centred; fixed-pitch face
  kListWrapped,  // framed; column 0 centred, the other columns word-wrapped
  kStyled,       // framed, in the styles the window shows (white when printing in monochrome)
};

struct PlannedCell {
  int column = 0;
  int row = 0;
  PixelRect box;  // device pixels
};

struct PlannedTable {
  PlannedTablePart part = PlannedTablePart::kTarget;
  int index = 0;  // among the side or sub tables
  CellLook look = CellLook::kStyled;
  double scale = 1;  // device pixels per unit, for the font sizes of the table
  std::vector<PlannedCell> cells;
  std::optional<PixelRect> rounded_frame;  // the side tables of a chart are framed as a whole
};

// The chart board drawn by its own painting: the board's unit (0, 0) lands on `origin`, units
// scaled by `scale`, and only what falls inside `clip` is drawn.
struct PlannedBoard {
  PixelPoint origin;
  double scale_x = 1;
  double scale_y = 1;
  PixelRect clip;
};

struct PlannedLine {
  std::string text;
  PixelPoint at;  // top left of the line's box
  int points = 9;
  bool right_aligned = false;  // `at` is then the top right
};

// Everything one page shows, in device pixels, so that a painter only paints.
struct PagePlan {
  int page_width = 0;
  int page_height = 0;
  PixelRect printable;
  std::vector<PlannedLine> lines;  // the title, header lines, side and explanation lines
  std::vector<PlannedTable> tables;
  std::optional<PlannedBoard> board;
  std::optional<PixelRect> graph;
  bool colour = false;
};

// The printable area of a page: the page less the margins, millimetres converted per direction.
PixelRect PrintableArea(const PrintDevice& device, const PageSettings& settings);

// The pages of a job on a device with the page settings: row pages × column pages of the target
// table, each with its title and the decorations of its source; the explanation lines flow below the
// table onto pages of their own when they do not fit.
std::vector<PagePlan> PlanPages(const PrintJob& job, const PrintDevice& device, const PageSettings& settings);

}  // namespace kirvo
