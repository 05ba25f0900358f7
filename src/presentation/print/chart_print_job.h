#pragma once

#include <array>
#include <string>

#include "engine/chart.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/panel/chart_content_model.h"
#include "presentation/print/print_job.h"

namespace kirvo {

class ChartSession;
struct SysSettings;

// The three header lines a chart print shows at the board's top left, in a fixed-pitch face:
// name padded to 35 + sex + "　" + direction; birth padded to 20 + season + "　　" + longitude
// caption; start of luck padded to 22 + age + "　　 " + longitude. Padding counts Shift-JIS
// bytes, so a full-width character takes two places as it does on the printed line.
std::array<std::string, 3> ChartHeaderLines(const SummaryBlock& summary);

// The side items a chart print shows at the right of the board, as `MCGP` chooses them: the content
// table, the element table and the stem numbers (bits 0..2), the pattern texts (bit 3) and the
// spirit-star texts (bit 4).
PrintSideItems ChartSideItems(const ChartContent& content, std::uint32_t chosen);

// A board as a print's target table "SG1": 11 × 41 cells with the column widths and row heights of
// `geometry` (0 where the window shows nothing) and the texts of the shown cells; the pillar cells
// of the diagram rows stay empty, the relation diagrams are drawn there.
PrintTable BoardPrintTable(const Chart& chart, const BoardGeometry& geometry);

// The chart window's print ("SG1"): its board as the window lays it out (11 × 41 cells, the board's
// column widths and row heights, the texts of the shown cells), the chart itself for the board's
// painting, the header lines, the side items, and the title "作式：" + chart date + " " + time
// when the chart runs into luck (empty for a natal chart alone).
PrintJob ChartPrintJob(const ChartSession& session, const SysSettings& sys, bool show_original);

}  // namespace kirvo
