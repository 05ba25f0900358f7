#include "presentation/print/chart_print_job.h"

#include "platform/shift_jis.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/chart_session.h"
#include "presentation/chart/chart_text_copy.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

constexpr int kSideRowUnits = 18;

std::string PaddedTo(std::string text, int width) {
  const int blanks = width - ShiftJisWidth(text);
  if (blanks > 0) text.append(static_cast<std::size_t>(blanks), ' ');
  return text;
}

PrintTable SideTableOf(std::string name, const ContentGrid& grid) {
  PrintTable table;
  table.name = std::move(name);
  table.grid = grid;
  table.row_heights.assign(grid.rows(), kSideRowUnits);
  return table;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    from = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

std::array<std::string, 3> ChartHeaderLines(const SummaryBlock& summary) {
  return {PaddedTo(summary.Name, 35) + summary.SexL + "　" + summary.JuGa,
          PaddedTo(summary.DT, 20) + summary.TukiL + "　　" + summary.KoukeiL,
          PaddedTo(summary.RituNL, 22) + summary.Old + "　　 " + summary.AngL};
}

PrintSideItems ChartSideItems(const ChartContent& content, std::uint32_t chosen) {
  PrintSideItems side;
  if (chosen & 1u) side.tables.push_back(SideTableOf("SNB", content.SNB));
  if (chosen & 2u) side.tables.push_back(SideTableOf("SG2", content.SG2));
  if (chosen & 4u) side.tables.push_back(SideTableOf("KanSG", content.KanSG));
  if (chosen & 8u) side.pattern_lines = LinesOf(content.KakuMemo);
  if (chosen & 16u) side.spirit_star_lines = LinesOf(content.SMemo);
  return side;
}

PrintTable BoardPrintTable(const Chart& chart, const BoardGeometry& geometry) {
  PrintTable table;
  table.name = std::string(PrintSourceName(PrintSource::kChart));
  table.grid = ContentGrid(ChartBoard::kColumns, ChartBoard::kRows);
  table.grid.column_widths.assign(geometry.column_width.begin(), geometry.column_width.end());
  table.row_heights.assign(geometry.row_height.begin(), geometry.row_height.end());
  for (BoardColumn column{0}; column.index < ChartBoard::kColumns; ++column) {
    for (int row = 0; row < ChartBoard::kRows; ++row) {
      const PixelRect rect = BoardCellRect(geometry, {column, row});
      if (rect.right > rect.left && rect.bottom > rect.top) {
        table.grid.text.SetCell(static_cast<std::size_t>(column.index), static_cast<std::size_t>(row),
                                BoardCellText(chart, {column, row}));
      }
    }
  }
  return table;
}

PrintJob ChartPrintJob(const ChartSession& session, const SysSettings& sys, bool show_original) {
  const Chart& chart = session.chart();
  const BoardGeometry geometry = LayOutBoard(ChartRowLayoutOf(sys, show_original), chart.range,
                                             chart.stem_relations.size(), chart.branch_relations.size());
  PrintJob job;
  job.source = PrintSource::kChart;
  if (chart.range != LuckRange::kNatalOnly) {
    const DateTime moment = session.chart_moment();
    job.title = "作式：" + moment.DateText() + " " + moment.TimeText();
  }
  job.target = BoardPrintTable(chart, geometry);
  job.chart = PrintChart{chart, geometry, ChartHeaderLines(session.content().summary)};
  job.side = ChartSideItems(session.content(), sys.MCGP);
  return job;
}

}  // namespace kirvo
