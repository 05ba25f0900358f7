#include "presentation/shared/editable_table.h"

namespace kirvo {

std::optional<std::string> EditableTable::Refusal(std::size_t, std::size_t, std::string_view) const {
  return std::nullopt;
}

CellColours EditableTable::ColoursOf(std::size_t, std::size_t) const { return {}; }

CellEdit EditCell(EditableTable& table, std::size_t column, std::size_t row, std::string_view text) {
  if (column >= table.columns() || row >= table.rows() || !table.CanEdit(column, row)) {
    return {CellEdit::Result::kNotEditable, {}};
  }
  if (std::optional<std::string> refusal = table.Refusal(column, row, text)) {
    return {CellEdit::Result::kRefused, std::move(*refusal)};
  }
  table.SetCell(column, row, text);
  return {};
}

}  // namespace kirvo
