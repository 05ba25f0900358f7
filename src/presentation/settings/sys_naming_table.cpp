#include "presentation/settings/sys_naming_table.h"

#include "platform/shift_jis.h"

namespace kirvo {

std::optional<std::string> SysNamingTable::Refusal(std::size_t, std::size_t, std::string_view text) const {
  // Names fill fixed cells of the chart and the content table; a "," would split the stored row.
  if (ShiftJisWidth(text) > kMaxNameWidth || text.find(',') != std::string_view::npos) return std::string();
  return std::nullopt;
}

CellColours SysNamingTable::ColoursOf(std::size_t column, std::size_t row) const {
  if (column == 0 || row == 0) return {kLabelColour, std::nullopt};
  return {};
}

}  // namespace kirvo
