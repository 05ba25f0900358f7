#include "presentation/luck/combined_layout.h"

#include <algorithm>
#include <optional>

#include "platform/integer_text.h"

namespace kirvo {
namespace {

int NumberOr(const std::string& text, int fallback) {
  const std::optional<long long> value = ParseInteger(text);
  return value && *value > 0 && *value <= 1000 ? static_cast<int>(*value) : fallback;
}

// The columns of a grid with their widths, `hidden` ones at 0.
std::vector<int> WidthsWithHidden(const ContentGrid& grid, std::initializer_list<std::size_t> hidden) {
  std::vector<int> widths = grid.column_widths;
  widths.resize(grid.columns(), kDefaultColumnWidth);
  for (const std::size_t column : hidden) {
    if (column < widths.size()) widths[column] = 0;
  }
  return widths;
}

constexpr std::size_t kSpecialMarkRows[] = {5, 6};
constexpr std::size_t kDroppedRows[] = {7, 8};
constexpr int kElementNameWidth = 18;

}  // namespace

ChartRowLayout CombinedRowLayoutOf(const SysSettings& sys, bool show_original) {
  ChartRowLayout layout;
  layout.shown_rows = sys.MKChg;
  layout.stem_branch_height = NumberOr(sys.Kh1, 36);
  layout.hidden_stem_height = NumberOr(sys.Zh1, 30);
  layout.pillar_width = NumberOr(sys.Tw1, 34);
  layout.show_original = show_original;
  return layout;
}

ContentGrid CombinedContentTable(const ContentGrid& snb, const SysSettings& sys) {
  std::vector<std::size_t> rows;
  for (std::size_t row = 0; row < snb.rows(); ++row) {
    const bool special =
        std::find(std::begin(kSpecialMarkRows), std::end(kSpecialMarkRows), row) != std::end(kSpecialMarkRows);
    const bool dropped = std::find(std::begin(kDroppedRows), std::end(kDroppedRows), row) != std::end(kDroppedRows);
    if (dropped || (special && !sys.SsnCB)) continue;
    rows.push_back(row);
  }
  ContentGrid table(snb.columns(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t column = 0; column < snb.columns(); ++column) {
      table.text.SetCell(column, r, snb.Cell(column, rows[r]));
      table.StyleAt(column, r) = snb.Style(column, rows[r]);
    }
  }
  table.column_widths = WidthsWithHidden(snb, {0, 1});
  table.selectable = snb.selectable;
  return table;
}

ContentGrid CombinedElementTable(const ContentGrid& sg2) {
  ContentGrid table = sg2;
  table.column_widths = WidthsWithHidden(sg2, {0, 3, 4, 11});
  if (table.column_widths.size() > 1) table.column_widths[1] = kElementNameWidth;
  return table;
}

std::vector<std::string> CombinedTextCopy(const Chart& chart, const ChartRowLayout& layout,
                                          std::string_view ritu_text) {
  constexpr std::size_t kStartOfLuckLine = 2, kRangeLine = 5;
  std::vector<std::string> lines = ChartTextCopy(chart, layout);
  const std::string start =
      "立運：" + std::to_string(chart.record.StartAgeYears) + "年" + std::to_string(chart.record.StartAgeMonths) + "月";
  std::string& line = lines[kStartOfLuckLine];
  if (line.starts_with(start)) line = std::string(ritu_text) + line.substr(start.size());
  lines.erase(lines.begin() + kRangeLine);
  return lines;
}

}  // namespace kirvo
