#include "platform/table_row.h"

namespace kirvo {

std::vector<std::string> SplitRowCells(std::string_view stored, std::size_t cell_count) {
  std::vector<std::string> cells(cell_count);
  for (std::string& cell : cells) {
    const std::size_t comma = stored.find(',');
    if (comma == std::string_view::npos) break;  // this and every later cell stay empty
    cell = std::string(stored.substr(0, comma));
    stored.remove_prefix(comma + 1);
  }
  return cells;
}

std::string JoinRowCells(const std::vector<std::string>& cells) {
  std::string stored;
  for (const std::string& cell : cells) stored += cell + ",";
  return stored;
}

}  // namespace kirvo
