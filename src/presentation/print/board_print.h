#pragma once

#include <array>
#include <string>

#include "engine/chart.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/panel/chart_content_model.h"
#include "presentation/print/print_job.h"

namespace kirvo {

struct SysSettings;

// What a chart print takes of a board, for every window that prints one (the chart window, the
// combined window).

// The font size of the board's cells in a print.
inline constexpr int kBoardPrintPoints = 10;

// The three lines printed at the board's top-left cell, padded in Shift-JIS width so that the
// columns line up in the fixed-pitch print font: the name to 35 + sex + "　" + direction; the birth
// to 20 + season + "　　" + the longitude caption; the start of luck to 22 + age + "　　 " + the
// longitude.
std::array<std::string, 3> ChartPrintHeaderLines(const SummaryBlock& summary);

// The board as the print's target table: all 11 columns and 41 rows with the widths and heights of
// `geometry` (a column or row the window does not show has 0), the text of every shown cell, and the
// colours of the window's look (which a monochrome print ignores).
PrintTable BoardPrintTable(const Chart& chart, const BoardGeometry& geometry, const SysSettings& sys);

// The board part of a chart print: the chart with its marks, corner circles and relation lists, the
// geometry, and the header lines.
PrintChart BoardPrintChart(const Chart& chart, const BoardGeometry& geometry, const SummaryBlock& summary);

}  // namespace kirvo
