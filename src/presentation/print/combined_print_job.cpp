#include "presentation/print/combined_print_job.h"

#include <algorithm>

#include "presentation/luck/combined_layout.h"
#include "presentation/luck/luck_strip_look.h"
#include "presentation/luck/season_elements.h"
#include "presentation/print/chart_print_job.h"

namespace kirvo {
namespace {

// The empty row between the strips, in units.
constexpr int kStripGapHeight = kStripHeadingRowHeight;

// Fills the rows of one strip from `top`: its shown columns right-aligned in `shown` cells, the
// labels last, in the styles the window draws them with.
void StyleStripRows(PrintTable& table, std::size_t top, const LuckStrip& strip, const SysSettings& sys, int shown) {
  const int first = strip.first_shown;
  const int count = std::clamp(strip.ColumnCount() - first, 0, shown);
  const auto label = static_cast<std::size_t>(shown);
  for (int row = 0; row < kStripRows; ++row) {
    const std::size_t r = top + static_cast<std::size_t>(row);
    table.row_heights[r] = StripRowHeight(sys, row);
    for (int k = 0; k < count; ++k) {
      table.grid.StyleAt(static_cast<std::size_t>(shown - count + k), r) = StripCellStyle(strip, first + k, row, sys);
    }
    table.grid.StyleAt(label, r) = StripLabelStyle(sys);
  }
}

PrintTable ContentPrintTable(std::string name, ContentGrid grid) {
  PrintTable table;
  table.name = std::move(name);
  table.row_heights.assign(grid.rows(), kCombinedContentRowHeight);
  table.grid = std::move(grid);
  return table;
}

std::string PeriodCaption(StripLevel level, DateTime moment) {
  const DateFields f = moment.Fields();
  std::string text = std::to_string(f.year) + "年";
  if (level == StripLevel::kMonthLuck || level == StripLevel::kDayLuck) text += std::to_string(f.month) + "月";
  if (level == StripLevel::kDayLuck) text += std::to_string(f.day) + "日";
  return text;
}

}  // namespace

PrintTable StripPrintTable(const LuckStrips& strips, const SysSettings& sys, const CombinedPrintView& view) {
  const StripPrintGrid grid = strips.PrintGrid(sys, view.unit, view.lower_shown);
  const int shown = strips.shown();
  const auto columns = static_cast<std::size_t>(shown) + 1;
  PrintTable table;
  table.name = "KSG";
  table.grid = ContentGrid(columns, grid.rows.size());
  table.grid.selectable = false;
  for (std::size_t row = 0; row < grid.rows.size(); ++row) {
    for (std::size_t column = 0; column < columns && column < grid.rows[row].size(); ++column) {
      table.grid.text.SetCell(column, row, grid.rows[row][column]);
    }
  }
  table.grid.column_widths.assign(columns, kStripColumnWidth);
  table.grid.column_widths.back() = kStripLabelWidth;
  table.row_heights.assign(grid.rows.size(), kStripGapHeight);
  StyleStripRows(table, 0, strips.upper(), sys, shown);
  if (view.lower_shown) StyleStripRows(table, kStripRows + 1, strips.lower(), sys, shown);
  return table;
}

std::string StripPeriodText(const LuckStrips& strips) {
  const LuckStrip& strip = strips.upper();
  const int first = strip.first_shown;
  const int count = std::clamp(strip.ColumnCount() - first, 0, strips.shown());
  if (count == 0) return {};
  // Grid column 0 holds the latest period: the last shown column is the earliest.
  const std::string earliest = PeriodCaption(strip.level, strip.MomentOfColumn(first + count - 1));
  const std::string latest = PeriodCaption(strip.level, strip.MomentOfColumn(first));
  return earliest + " － " + latest;
}

PrintJob CombinedPrintJob(const CombinedSession& session, const SysSettings& sys, const CombinedPrintView& view) {
  const ChartSession& chart_session = session.chart();
  const Chart& computed = chart_session.chart();
  const ChartContent& content = chart_session.content();
  // The print shows the board the window draws: with `SzCB` the season elements in place of the
  // natal hidden stems.
  const Chart chart = sys.SzCB ? WithSeasonElements(computed, sys) : computed;
  const BoardGeometry geometry = LayOutBoard(CombinedRowLayoutOf(sys, view.show_original), LuckRange::kNatalOnly,
                                             chart.stem_relations.size(), chart.branch_relations.size());
  PrintJob job;
  job.source = PrintSource::kCombined;
  job.title = view.caption;
  job.target = BoardPrintTable(chart, geometry);
  job.target.name = std::string(PrintSourceName(PrintSource::kCombined));
  job.chart = PrintChart{chart, geometry, ChartHeaderLines(content.summary)};
  job.side.tables.push_back(ContentPrintTable("SNB", CombinedContentTable(content.SNB, sys)));
  job.side.tables.push_back(ContentPrintTable("SG2", CombinedElementTable(content.SG2)));
  job.sub_tables.push_back(StripPrintTable(session.strips(), sys, view));
  // The page puts the strip caption in "【" … "】" and the period in "～ " … " ～".
  job.second_title = session.strips().PrintCaption(view.lower_shown);
  job.source_name = StripPeriodText(session.strips());
  return job;
}

PrintJob CombinedStripsPrintJob(const LuckStrips& strips, const SysSettings& sys, const CombinedPrintView& view) {
  PrintJob job;
  job.source = PrintSource::kLuckTable;
  job.title = "【" + view.caption + "　" + strips.PrintCaption(view.lower_shown) + "】";
  job.target = StripPrintTable(strips, sys, view);
  return job;
}

}  // namespace kirvo
