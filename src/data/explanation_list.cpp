#include "data/explanation_list.h"

#include <algorithm>

namespace kirvo {

TextTable ExplanationListTable(std::string_view editor_caption, const std::vector<std::string>& entry_names,
                               const std::vector<std::string>& lines) {
  TextTable table(2, lines.size() + 1);
  table.SetCell(1, 0, std::string(editor_caption) + std::string(kExplanationListTitleSuffix));
  for (std::size_t i = 0; i < entry_names.size(); ++i) table.SetCell(0, i + 1, entry_names[i]);
  for (std::size_t i = 0; i < lines.size(); ++i) table.SetCell(1, i + 1, lines[i]);
  return table;
}

int ListRowHeight(std::span<const ListCellExtent> cells, int default_row_height_px, bool word_wrap) {
  if (!word_wrap) return default_row_height_px;
  int lines = 1;
  for (const ListCellExtent& cell : cells) {
    if (cell.column_width_px > 0) lines = std::max(lines, cell.text_width_px / cell.column_width_px + 1);
  }
  return lines * (default_row_height_px - 2) + 2;
}

}  // namespace kirvo
