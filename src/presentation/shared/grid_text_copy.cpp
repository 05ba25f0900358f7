#include "presentation/shared/grid_text_copy.h"

#include <string_view>
#include <vector>

#include "platform/shift_jis.h"

namespace kirvo {
namespace {

inline constexpr int kHiddenColumnMaxWidthPx = 1;
inline constexpr std::string_view kHorizontal = "─";
inline constexpr std::string_view kVertical = "│";

// The three characters of one rule: its start, the joint after an inner column, the end after
// the grid's last column.
struct Rule {
  std::string_view start;
  std::string_view joint;
  std::string_view end;
};
inline constexpr Rule kTopRule = {"┌", "┬", "┐"};
inline constexpr Rule kInnerRule = {"├", "┼", "┤"};
inline constexpr Rule kBottomRule = {"└", "┴", "┘"};

bool IsNumberText(std::string_view text) { return text.find_first_not_of("0123456789-.") == std::string_view::npos; }

std::string PaddedCell(const std::string& text, int cell_width) {
  const int blanks = 2 * cell_width - ShiftJisWidth(text);
  if (blanks <= 0) return text;
  const std::string padding(static_cast<std::size_t>(blanks), ' ');
  return IsNumberText(text) ? padding + text : text + padding;
}

std::string RuleLine(const Rule& rule, const std::vector<std::size_t>& columns, std::size_t last_column,
                     int cell_width) {
  std::string line(rule.start);
  for (const std::size_t column : columns) {
    for (int i = 0; i < cell_width; ++i) line += kHorizontal;
    line += column == last_column ? rule.end : rule.joint;
  }
  return line + "\n";
}

}  // namespace

std::string GridTextCopy(const TextTable& grid, std::span<const int> column_widths_px, int cell_width) {
  std::vector<std::size_t> columns;
  for (std::size_t column = 0; column < grid.columns(); ++column) {
    if (column >= column_widths_px.size() || column_widths_px[column] > kHiddenColumnMaxWidthPx) {
      columns.push_back(column);
    }
  }
  const std::size_t last_column = grid.columns() - 1;

  std::string text = RuleLine(kTopRule, columns, last_column, cell_width);
  for (std::size_t row = 0; row < grid.rows(); ++row) {
    if (row > 0) text += RuleLine(kInnerRule, columns, last_column, cell_width);
    text += kVertical;
    for (const std::size_t column : columns)
      text += PaddedCell(grid.Cell(column, row), cell_width) + std::string(kVertical);
    text += "\n";
  }
  return text + RuleLine(kBottomRule, columns, last_column, cell_width);
}

}  // namespace kirvo
