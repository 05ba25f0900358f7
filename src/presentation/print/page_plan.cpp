#include "presentation/print/page_plan.h"

#include <algorithm>
#include <cmath>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {
namespace {

constexpr int kTitlePoints = 9;
constexpr int kHeaderPoints = 9;
constexpr int kSideTextPoints = 9;
constexpr double kTableBelowTitleMm = 5;
constexpr double kListDropMm = 5;      // lists with text columns start lower
constexpr double kSideLeastMm = 60;    // the side items of a chart start at least this far right
constexpr double kSideGapMm = 4;       // between the board and the side items, and between side items
constexpr double kFramePaddingMm = 1;  // inside the rounded frame of a side table
constexpr double kGraphGapMm = 3;      // between the graph and the luck table
constexpr int kDefaultRowUnits = 18;
constexpr int kGraphWidthUnits = 660;
constexpr int kGraphHeightUnits = 260;

// The layout rules of a job's source.
struct SourceRule {
  PrintSource source;
  CellLook look;
  bool header_lines_above;   // the chart's three header lines above the board
  bool header_lines_beside;  // ... or at the right of it, above the side tables
  bool side_items;
  bool graph;
  bool explanation;
  bool list_drop;
};

// clang-format off
constexpr SourceRule kSourceRules[] = {
    {PrintSource::kChart,            CellLook::kStyled,      true,  false, true,  false, false, false},
    {PrintSource::kCombined,         CellLook::kStyled,      false, true,  true,  false, false, false},
    {PrintSource::kLuckTable,        CellLook::kStyled,      false, false, false, true,  false, false},
    {PrintSource::kLuckTablePaged,   CellLook::kStyled,      false, false, false, false, false, false},
    {PrintSource::kElementTable,     CellLook::kStyled,      false, false, false, false, true,  false},
    {PrintSource::kContentTable,     CellLook::kStyled,      false, false, false, false, true,  false},
    {PrintSource::kPersonList,       CellLook::kList,        false, false, false, false, false, false},
    {PrintSource::kExplanationList,  CellLook::kListWrapped, false, false, false, false, false, true},
    {PrintSource::kMemoList,         CellLook::kListWrapped, false, false, false, false, false, true},
};
// clang-format on

const SourceRule& RuleOf(PrintSource source) {
  for (const SourceRule& rule : kSourceRules) {
    if (rule.source == source) return rule;
  }
  return kSourceRules[0];
}

std::vector<int> ColumnUnitsOf(const PrintTable& table) {
  std::vector<int> units(table.grid.columns(), kDefaultColumnWidth);
  if (table.grid.column_widths.empty()) return units;
  for (std::size_t column = 0; column < units.size(); ++column) {
    units[column] = column < table.grid.column_widths.size() ? table.grid.column_widths[column] : 0;
  }
  return units;
}

std::vector<int> RowUnitsOf(const PrintTable& table) {
  std::vector<int> units(table.grid.rows(), kDefaultRowUnits);
  for (std::size_t row = 0; row < units.size() && row < table.row_heights.size(); ++row) {
    units[row] = table.row_heights[row];
  }
  return units;
}

std::vector<int> ToDevice(const std::vector<int>& units, int dpi) {
  std::vector<int> device;
  device.reserve(units.size());
  for (const int unit : units) device.push_back(unit > 0 ? std::max(1, DeviceOfUnits(unit, dpi)) : 0);
  return device;
}

// The advance of each board column in units: from its left to the next shown column's left (the
// pillars stand one unit apart), its own width for the last; 0 for a column not shown.
std::vector<int> BoardColumnAdvances(const BoardGeometry& geometry) {
  std::vector<int> advances(ChartBoard::kColumns, 0);
  for (int column = 0; column < ChartBoard::kColumns; ++column) {
    const std::size_t c = static_cast<std::size_t>(column);
    if (geometry.column_width[c] <= 1) continue;
    advances[c] = geometry.column_width[c];
    for (int next = column + 1; next < ChartBoard::kColumns; ++next) {
      if (geometry.column_width[static_cast<std::size_t>(next)] > 1) {
        advances[c] = geometry.column_left[static_cast<std::size_t>(next)] - geometry.column_left[c];
        break;
      }
    }
  }
  return advances;
}

// Places the cells of `rows` × `columns` from (left, top); the cell sizes in device pixels.
PlannedTable PlaceCells(PlannedTablePart part, int index, CellLook look, double scale, const std::vector<int>& rows,
                        const std::vector<int>& columns, const std::vector<int>& row_sizes,
                        const std::vector<int>& column_sizes, int left, int top) {
  PlannedTable table{part, index, look, scale, {}, std::nullopt};
  int y = top;
  for (const int row : rows) {
    const int height = row_sizes[static_cast<std::size_t>(row)];
    int x = left;
    for (const int column : columns) {
      const int width = column_sizes[static_cast<std::size_t>(column)];
      if (width > 0 && height > 0) table.cells.push_back({column, row, {x, y, x + width, y + height}});
      x += width;
    }
    y += height;
  }
  return table;
}

int SumOf(const std::vector<int>& items, const std::vector<int>& sizes) {
  int sum = 0;
  for (const int item : items) sum += sizes[static_cast<std::size_t>(item)];
  return sum;
}

std::vector<int> AllOf(const std::vector<int>& sizes) {
  std::vector<int> items;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] > 0) items.push_back(static_cast<int>(i));
  }
  return items;
}

// A wrapped list's row is made as high as its longest text needs, so that a print cuts no text.
void GrowWrappedRows(const PrintTable& table, const std::vector<int>& column_sizes, const PrintDevice& device,
                     std::vector<int>& row_sizes) {
  const int inset = DeviceOfUnits(kCellInsetUnits, device.dpi_x);
  const int line_height = LineHeightOf(table.font_points, device.dpi_y);
  for (std::size_t row = static_cast<std::size_t>(std::max(0, table.fixed_rows)); row < row_sizes.size(); ++row) {
    if (row_sizes[row] == 0) continue;
    std::size_t lines = 1;
    for (std::size_t column = 1; column < column_sizes.size() && column < table.grid.columns(); ++column) {
      const int room = column_sizes[column] - 2 * inset;
      if (room <= 0) continue;
      lines = std::max(lines, WrappedToWidth(table.grid.Cell(column, row), room, table.font_points, device.dpi_x).size());
    }
    // A text of one line keeps the height the window gives its row.
    if (lines > 1) row_sizes[row] = std::max(row_sizes[row], static_cast<int>(lines) * line_height + 2 * inset);
  }
}

struct Placer {
  const PrintJob& job;
  const PrintDevice& device;
  const SourceRule& rule;
  PixelRect printable;
  int line_height;

  int Mm(double mm, bool horizontal) const { return DeviceOfMm(mm, horizontal ? device.dpi_x : device.dpi_y); }
  double Scale() const { return static_cast<double>(device.dpi_y) / kUnitsPerInch; }

  PagePlan NewPage(bool colour) const {
    PagePlan page;
    page.page_width = device.page_width;
    page.page_height = device.page_height;
    page.printable = printable;
    page.colour = colour;
    page.lines.push_back({job.title, {printable.left, printable.top}, kTitlePoints, false});
    return page;
  }

  // The side tables from (left, top) downwards, each in a rounded frame; returns where the side
  // lines start.
  int PlaceSideTables(PagePlan& page, int left, int top) const {
    const int padding = Mm(kFramePaddingMm, false);
    int y = top;
    for (std::size_t i = 0; i < job.side.tables.size(); ++i) {
      const PrintTable& table = job.side.tables[i];
      const std::vector<int> rows = ToDevice(RowUnitsOf(table), device.dpi_y);
      const std::vector<int> columns = ToDevice(ColumnUnitsOf(table), device.dpi_x);
      PlannedTable placed = PlaceCells(PlannedTablePart::kSide, static_cast<int>(i), CellLook::kStyled, Scale(),
                                       AllOf(rows), AllOf(columns), rows, columns, left + padding, y + padding);
      const int width = SumOf(AllOf(columns), columns), height = SumOf(AllOf(rows), rows);
      placed.rounded_frame = PixelRect{left, y, left + width + 2 * padding, y + height + 2 * padding};
      page.tables.push_back(std::move(placed));
      y += height + 2 * padding + Mm(kSideGapMm, false);
    }
    return y;
  }

  // Lines of text from (left, top) of page `first` within `width`, wrapped to it; what does not fit
  // above `bottom` goes on pages of their own after the others, at the table's top.
  void FlowLines(std::vector<PagePlan>& pages, std::size_t first, int left, int top, int width, int bottom,
                 int table_top, bool colour, const std::vector<std::string>& lines) const {
    std::size_t page = first;
    int x = left, y = top, room = width;
    for (const std::string& text : lines) {
      for (std::string& line : WrappedToWidth(text, room, kSideTextPoints, device.dpi_x)) {
        if (y + line_height > bottom && y > table_top) {
          pages.push_back(NewPage(colour));
          page = pages.size() - 1;
          x = printable.left;
          y = table_top;
          room = printable.right - printable.left;
        }
        pages[page].lines.push_back({std::move(line), {x, y}, kSideTextPoints, false});
        y += line_height;
      }
    }
  }
};

}  // namespace

PixelRect PrintableArea(const PrintDevice& device, const PageSettings& settings) {
  PixelRect area{DeviceOfMm(settings.left_mm, device.dpi_x), DeviceOfMm(settings.top_mm, device.dpi_y),
                 device.page_width - DeviceOfMm(settings.right_mm, device.dpi_x),
                 device.page_height - DeviceOfMm(settings.bottom_mm, device.dpi_y)};
  // Margins wider than the page leave a sliver rather than a negative area.
  area.right = std::max(area.right, area.left + 1);
  area.bottom = std::max(area.bottom, area.top + 1);
  return area;
}

std::vector<PagePlan> PlanPages(const PrintJob& job, const PrintDevice& device, const PageSettings& settings) {
  const SourceRule& rule = RuleOf(job.source);
  const Placer placer{job, device, rule, PrintableArea(device, settings), LineHeightOf(kHeaderPoints, device.dpi_y)};
  const PixelRect& printable = placer.printable;
  const bool board =
      job.chart.has_value() && (job.source == PrintSource::kChart || job.source == PrintSource::kCombined);

  int table_top = printable.top + LineHeightOf(kTitlePoints, device.dpi_y) + placer.Mm(kTableBelowTitleMm, false);
  if (rule.list_drop) table_top += placer.Mm(kListDropMm, false);
  if (board && rule.header_lines_above) table_top += 3 * placer.line_height;
  // The combined window's period and second title stand at the bottom right of every page.
  int table_bottom = printable.bottom;
  if (!job.second_title.empty()) table_bottom -= placer.line_height;
  if (!job.source_name.empty()) table_bottom -= placer.line_height;

  std::vector<int> row_sizes, column_sizes;
  if (board) {
    const BoardGeometry& geometry = job.chart->geometry;
    row_sizes = ToDevice(std::vector<int>(geometry.row_height.begin(), geometry.row_height.end()), device.dpi_y);
    column_sizes = ToDevice(BoardColumnAdvances(geometry), device.dpi_x);
  } else {
    row_sizes = ToDevice(RowUnitsOf(job.target), device.dpi_y);
    column_sizes = ToDevice(ColumnUnitsOf(job.target), device.dpi_x);
    if (rule.look == CellLook::kListWrapped) GrowWrappedRows(job.target, column_sizes, device, row_sizes);
  }
  const int room = table_bottom - table_top;
  int first_room = room;
  PixelRect graph_box;
  if (rule.graph && job.graph) {
    const int width = std::min(printable.right - printable.left, DeviceOfUnits(kGraphWidthUnits, device.dpi_x));
    const int height = std::min(room / 2, DeviceOfUnits(kGraphHeightUnits, device.dpi_y));
    graph_box = {printable.left, table_top, printable.left + width, table_top + height};
    first_room -= height + placer.Mm(kGraphGapMm, false);
  }
  const std::vector<std::vector<int>> row_pages =
      SplitIntoPages(row_sizes, board ? 0 : job.target.fixed_rows, room, first_room);
  const std::vector<std::vector<int>> column_pages =
      SplitIntoPages(column_sizes, 0, printable.right - printable.left, printable.right - printable.left);

  std::vector<PagePlan> pages;
  // Where the side lines of a chart start: page 0 at the right of the board.
  std::optional<PixelPoint> side_lines_at;
  int side_lines_width = 0;
  for (std::size_t r = 0; r < row_pages.size(); ++r) {
    for (std::size_t c = 0; c < column_pages.size(); ++c) {
      PagePlan page = placer.NewPage(settings.colour);
      const std::vector<int>& rows = row_pages[r];
      const std::vector<int>& columns = column_pages[c];
      const bool first = r == 0 && c == 0;
      int top = table_top;
      if (first && rule.graph && job.graph) {
        page.graph = graph_box;
        top = graph_box.bottom + placer.Mm(kGraphGapMm, false);
      }
      const int width = SumOf(columns, column_sizes);
      const int height = SumOf(rows, row_sizes);
      if (board) {
        const BoardGeometry& geometry = job.chart->geometry;
        const double sx = static_cast<double>(device.dpi_x) / kUnitsPerInch;
        const double sy = static_cast<double>(device.dpi_y) / kUnitsPerInch;
        const int unit_left = columns.empty() ? 0 : geometry.column_left[static_cast<std::size_t>(columns.front())];
        const int unit_top = rows.empty() ? 0 : geometry.row_top[static_cast<std::size_t>(rows.front())];
        const PixelPoint origin{printable.left - static_cast<int>(std::lround(unit_left * sx)),
                                top - static_cast<int>(std::lround(unit_top * sy))};
        page.board = PlannedBoard{origin, sx, sy, {printable.left, top, printable.left + width, top + height}};
        if (rule.header_lines_above) {
          for (std::size_t i = 0; i < job.chart->header_lines.size(); ++i) {
            page.lines.push_back({job.chart->header_lines[i],
                                  {printable.left, table_top - static_cast<int>(3 - i) * placer.line_height},
                                  kHeaderPoints,
                                  false});
          }
        }
        if (first && rule.side_items) {
          const int side_left = std::max(printable.left + width + placer.Mm(kSideGapMm, true),
                                         printable.left + placer.Mm(kSideLeastMm, true));
          int side_top = top;
          if (rule.header_lines_beside) {
            for (const std::string& line : job.chart->header_lines) {
              page.lines.push_back({line, {side_left, side_top}, kHeaderPoints, false});
              side_top += placer.line_height;
            }
            side_top += placer.line_height / 2;
          }
          side_lines_at = PixelPoint{side_left, placer.PlaceSideTables(page, side_left, side_top)};
          side_lines_width = printable.right - side_left;
        }
        if (first) {
          // The strips of the combined window follow below the board and below the side tables,
          // which may reach lower than a short board.
          int y = top + height + placer.Mm(kSideGapMm, false);
          if (side_lines_at) y = std::max(y, side_lines_at->y);
          for (std::size_t i = 0; i < job.sub_tables.size(); ++i) {
            const PrintTable& sub = job.sub_tables[i];
            const std::vector<int> sub_rows = ToDevice(RowUnitsOf(sub), device.dpi_y);
            const std::vector<int> sub_columns = ToDevice(ColumnUnitsOf(sub), device.dpi_x);
            page.tables.push_back(PlaceCells(PlannedTablePart::kSub, static_cast<int>(i), CellLook::kStyled,
                                             placer.Scale(), AllOf(sub_rows), AllOf(sub_columns), sub_rows, sub_columns,
                                             printable.left, y));
            y += SumOf(AllOf(sub_rows), sub_rows) + placer.Mm(kSideGapMm, false);
          }
        }
      } else {
        page.tables.push_back(PlaceCells(PlannedTablePart::kTarget, 0, rule.look, placer.Scale(), rows, columns,
                                         row_sizes, column_sizes, printable.left, top));
      }
      int bottom_line = printable.bottom - placer.line_height;
      for (const std::string* text : {&job.second_title, &job.source_name}) {
        if (text->empty()) continue;
        const std::string shown = text == &job.second_title ? "【" + *text + "】" : "～ " + *text + " ～";
        page.lines.push_back({shown, {printable.right, bottom_line}, kTitlePoints, true});
        bottom_line -= placer.line_height;
      }
      pages.push_back(std::move(page));
    }
  }

  // The pattern and spirit-star texts below the side tables, onto further pages as they need.
  if (side_lines_at) {
    std::vector<std::string> lines = job.side.pattern_lines;
    if (!lines.empty() && !job.side.spirit_star_lines.empty()) lines.emplace_back();
    lines.insert(lines.end(), job.side.spirit_star_lines.begin(), job.side.spirit_star_lines.end());
    placer.FlowLines(pages, 0, side_lines_at->x, side_lines_at->y, side_lines_width, table_bottom, table_top,
                     settings.colour, lines);
  }
  // The explanation below the table of the last page, onto further pages as long as it needs.
  if (rule.explanation && !job.explanation_lines.empty()) {
    int y = table_top;
    if (const PagePlan& last = pages.back(); !last.tables.empty() && !last.tables.front().cells.empty()) {
      y = last.tables.front().cells.back().box.bottom + placer.line_height;
    }
    std::vector<std::string> lines{"【 命式の説明 】"};
    lines.insert(lines.end(), job.explanation_lines.begin(), job.explanation_lines.end());
    placer.FlowLines(pages, pages.size() - 1, printable.left, y, printable.right - printable.left, table_bottom,
                     table_top, settings.colour, lines);
  }
  return pages;
}

}  // namespace kirvo
