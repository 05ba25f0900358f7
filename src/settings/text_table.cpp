#include "settings/text_table.h"

namespace kirvo {

// Both out of line: inlined into their callers, the copies trip a false overlap warning of GCC 12.
void TextTable::SetCell(std::size_t column, std::size_t row, std::string_view text) {
  if (Contains(column, row)) cells_[row * columns_ + column].assign(text);
}

void TextTable::MoveIntoCell(std::size_t index, std::string&& text) { cells_[index] = std::move(text); }

}  // namespace kirvo
