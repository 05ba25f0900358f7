#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/luck/luck_graph.h"
#include "presentation/panel/chart_content_model.h"

namespace kirvo {

// A print job: what a window hands to the print preview. The preview lays the target table out on
// printer pages and adds the decorations of its source; the windows only fill the job.

// The source of a job, named after the table it prints: the name picks the page layout.
enum class PrintSource {
  kChart,            // "SG1": the chart board, its header lines and the chosen side items
  kCombined,         // "MKSG": the combined window's board with its strips
  kLuckTable,        // "KSG": the luck table, the graph above it on the first page
  kLuckTablePaged,   // "KSGP"
  kElementTable,     // "SG2": a result table with the chart's explanation below it
  kContentTable,     // "SNB"
  kPersonList,       // "NSG"
  kExplanationList,  // "LSG"
  kMemoList,         // "MeLSG"
};
std::string_view PrintSourceName(PrintSource source);
// Lists frame every cell; "LSG" and "MeLSG" start lower and wrap their text columns.
bool IsListSource(PrintSource source);

// One table to print: texts with the styles the window shows them in (a monochrome print ignores
// the colours), column widths and row heights in units (pixels at 96 dpi; 0 leaves a column or row
// out of the print) and the rows at the top repeated on every page.
struct PrintTable {
  std::string name;
  ContentGrid grid;
  std::vector<int> row_heights;  // one per grid row
  int fixed_rows = 0;
  int font_points = 9;  // the table's font size; a cell style's own size wins
};

// A chart print draws the board itself, cell shapes, marks and relation diagrams included, in
// place of its target table's cells.
struct PrintChart {
  Chart chart;
  BoardGeometry geometry;
  std::array<std::string, 3> header_lines;  // printed at the board's top-left cell
};

// The side items a chart print puts at the right of the board, as chosen by `MCGP`.
struct PrintSideItems {
  std::vector<PrintTable> tables;  // 内容表, 五行表, 干数値表 — up to three
  std::vector<std::string> pattern_lines;
  std::vector<std::string> spirit_star_lines;
};

struct PrintJob {
  PrintSource source = PrintSource::kPersonList;
  std::string title;         // at the top of every page
  std::string second_title;  // combined window: printed at the bottom right as "【" … "】" (the page adds them)
  std::string source_name;   // combined window: the period text, printed as "～ " … " ～" above it
  PrintTable target;
  std::optional<PrintChart> chart;           // kChart, kCombined
  PrintSideItems side;                        // kChart, kCombined
  std::vector<PrintTable> sub_tables;         // kCombined: the strip print grid
  std::optional<LuckGraph> graph;             // kLuckTable: drawn above the table on the first page
  std::vector<std::string> explanation_lines;  // kElementTable, kContentTable: "【 命式の説明 】" and these
};

// How a window asks for the print preview of its job; the frame opens the one preview dialog.
using PrintPreviewRequest = std::function<void(PrintJob)>;

}  // namespace kirvo
